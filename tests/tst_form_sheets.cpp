// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/font_fallbacks.h"
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QFile>
#include <QFontInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

// The style sheets of the main form, by widget name.
static QVector<QPair<QString, QString>> form_sheets()
{
    QVector<QPair<QString, QString>> sheets;
    QFile form(QStringLiteral(QUILLMARK_MAIN_FORM));
    if (!form.open(QIODevice::ReadOnly))
        return sheets;
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
            sheets.append({widgets.last(), xml.readElementText()});
    }
    return xml.hasError() ? QVector<QPair<QString, QString>>() : sheets;
}

// The window builds its pages inside their stacks rather than adding them when filled: every
// widget must still end with the sheet its form gives it, before the window is first shown
// and after. The sheets name the installed look-alikes of the Windows fonts, and draw in the
// face that the Windows name finds.
class TestFormSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        install_font_fallbacks();
        window.reset(new MainWindow);
    }

    void every_widget_keeps_its_sheet_data()
    {
        QTest::addColumn<QString>("sheet");
        const auto sheets = form_sheets();
        QVERIFY(!sheets.isEmpty());
        for (const auto &sheet : sheets)
            QTest::newRow(qPrintable(sheet.first)) << sheet.second;
    }

    void every_widget_keeps_its_sheet()
    {
        QFETCH(QString, sheet);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QWidget *widget =
            name == window->objectName() ? window.data() : child<QWidget>(*window, name);
        QCOMPARE(widget->styleSheet(), with_installed_font_families(sheet));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QCOMPARE(widget->styleSheet(), with_installed_font_families(sheet));
    }

    void every_widget_draws_in_the_face_its_sheet_names_data()
    {
        QTest::addColumn<QString>("family");
        const QRegularExpression font_family(QStringLiteral("font[^;]*\"([^\"]+)\""));
        for (const auto &sheet : form_sheets()) {
            const QRegularExpressionMatch family = font_family.match(sheet.second);
            if (family.hasMatch())
                QTest::newRow(qPrintable(sheet.first)) << family.captured(1);
        }
    }

    void every_widget_draws_in_the_face_its_sheet_names()
    {
        QFETCH(QString, family);
        QWidget *widget = child<QWidget>(*window, QString::fromLatin1(QTest::currentDataTag()));
        widget->ensurePolished();
        QFont as_named = widget->font();
        as_named.setFamily(family);
        const QFontInfo drawn(widget->font()), named(as_named);
        QCOMPARE(drawn.family(), named.family());
        QCOMPARE(drawn.styleName(), named.styleName());
        QCOMPARE(drawn.pixelSize(), named.pixelSize());
    }

private:
    QScopedPointer<MainWindow> window;
};

QTEST_MAIN(TestFormSheets)
#include "tst_form_sheets.moc"
