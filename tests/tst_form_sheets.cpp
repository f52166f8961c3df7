// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"
#include "test_support.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

static const ResourceBundle resources;

// The window sets the pages' style sheets only once the pages are in their stacks: every
// widget must still end with the sheet its form gives it, before the window is first shown
// and after.
class TestFormSheets : public QObject
{
    Q_OBJECT

private slots:
    void every_widget_keeps_its_sheet_data();
    void every_widget_keeps_its_sheet();

private:
    MainWindow window;
};

void TestFormSheets::every_widget_keeps_its_sheet_data()
{
    QTest::addColumn<QString>("sheet");
    QFile form(QStringLiteral(QUILLMARK_MAIN_FORM));
    QVERIFY(form.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&form);
    QStringList widgets; // the open <widget> elements, innermost last
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("widget"))
            widgets.removeLast();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("widget"))
            widgets << xml.attributes().value(QLatin1String("name")).toString();
        else if (xml.name() == QLatin1String("property") &&
                 xml.attributes().value(QLatin1String("name")) == QLatin1String("styleSheet") &&
                 xml.readNextStartElement())
            QTest::newRow(qPrintable(widgets.last())) << xml.readElementText();
    }
    QVERIFY(!xml.hasError());
}

void TestFormSheets::every_widget_keeps_its_sheet()
{
    QFETCH(QString, sheet);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QWidget *widget = name == window.objectName() ? &window : child<QWidget>(window, name);
    QCOMPARE(widget->styleSheet(), sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(widget->styleSheet(), sheet);
}

QTEST_MAIN(TestFormSheets)
#include "tst_form_sheets.moc"
