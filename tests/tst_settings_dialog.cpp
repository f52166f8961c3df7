// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/settings.h"
#include "mainwindow/resource_bundle.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

static const ResourceBundle resources;

class tst_settings_dialog : public QObject
{
    Q_OBJECT

private slots:
    void new_dialog_starts_from_its_form();
    void closing_buttons_leave_it_open();
};

// Nothing is kept between dialogs: what was typed into one is gone in the next.
void tst_settings_dialog::new_dialog_starts_from_its_form()
{
    {
        settings first;
        auto *middle = first.findChild<QPlainTextEdit *>("plainTextEdit_2");
        QTest::keyClicks(middle, "level");
        QVERIFY(middle->toPlainText().contains("level"));
    }
    const settings dialog;
    QCOMPARE(dialog.findChild<QPlainTextEdit *>("plainTextEdit_2")->toPlainText(), QString("]="));
}

// "save and close" and "discard changes and close" are placeholders that close nothing yet.
void tst_settings_dialog::closing_buttons_leave_it_open()
{
    settings dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const char *name : {"pushButton_3", "pushButton_4"}) {
        QTest::mouseClick(dialog.findChild<QPushButton *>(name), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY2(dialog.isVisible(), name);
    }
}

QTEST_MAIN(tst_settings_dialog)
#include "tst_settings_dialog.moc"
