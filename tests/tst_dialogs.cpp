// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/doingitwrong.h"
#include "dialogs/ioerr.h"
#include "dialogs/opcanceled.h"
#include "dialogs/show_dialog.h"
#include "dialogs/thanxforusing.h"
#include "dialogs/unexpectederror.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

static const ResourceBundle resources;

using ShowDialog = void (*)();
Q_DECLARE_METATYPE(ShowDialog)

static const QString child_flag = QStringLiteral("--child-unexpected");
// The child's exit code once show_dialog() has returned to it.
static constexpr int child_went_on = 3;

// Answers the next modal dialog, queued: a timer cannot fire again inside its own handler.
static void answer_modal(QObject *context, const std::function<void(QDialog &)> &answer)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            QTimer::singleShot(0, dialog, [dialog, answer] { answer(*dialog); });
        }
    });
    poll->start(10);
}

template <typename Dialog> static QDialog *create()
{
    return new Dialog;
}

static std::unique_ptr<QDialog> make_dialog(const QString &name)
{
    const QMap<QString, QDialog *(*)()> dialogs = {{"IOerr", &create<IOerr>},
                                                   {"unexpectederror", &create<unexpectederror>},
                                                   {"doingItWrong", &create<doingItWrong>},
                                                   {"opcanceled", &create<opcanceled>},
                                                   {"thanxForUsing", &create<thanxForUsing>}};
    std::unique_ptr<QDialog> dialog(dialogs.value(name)());
    // unexpectederror ends the process when destroyed unticked; in-process tests let it live.
    if (auto *box = dialog->findChild<QCheckBox *>("dont_die"))
        box->setChecked(true);
    return dialog;
}

class tst_dialogs : public QObject
{
    Q_OBJECT

private slots:
    void shows_its_text_and_its_button_ends_it_data();
    void shows_its_text_and_its_button_ends_it();
    void opens_centred_over_the_window_data();
    void opens_centred_over_the_window();
    void ioerr_drags_by_its_text_only();
    void keyboard_reaches_cast_an_error();
    void unexpectederror_decides_the_end_data();
    void unexpectederror_decides_the_end();
};

void tst_dialogs::shows_its_text_and_its_button_ends_it_data()
{
    QTest::addColumn<QString>("text_widget");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    const auto row = [](const char *dialog, int result, const char *button, const char *text_widget,
                        const char *phrase) {
        QTest::newRow(dialog) << QString(text_widget) << QString(phrase) << QString(button)
                              << result;
    };
    const int rejected = QDialog::Rejected;
    row("IOerr", rejected, "pushButton", "label", "kick in admin power?");
    row("unexpectederror", rejected, "pushButton", "label",
        "don't ask me WTF just happened, but it's broken");
    row("doingItWrong", rejected, "pushButton", "pushButton",
        "Did I seriously forgot to select a single ramp?");
    row("opcanceled", rejected, "pushButton", "label", "Operation canceled<br/>on user request");
    row("thanxForUsing", QDialog::Accepted, "exit_dialog", "label", "Generation successfull!");
}

void tst_dialogs::shows_its_text_and_its_button_ends_it()
{
    QFETCH(QString, text_widget);
    QFETCH(QString, phrase);
    QFETCH(QString, button);
    QFETCH(int, result);

    const auto shown = make_dialog(QTest::currentDataTag());
    QVERIFY(shown->findChild<QWidget *>(text_widget)->property("text").toString().contains(phrase));

    answer_modal(shown.get(), [button](QDialog &modal) {
        QTest::mouseClick(modal.findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(shown->exec(), result);
}

void tst_dialogs::opens_centred_over_the_window_data()
{
    QTest::addColumn<ShowDialog>("show");
    QTest::newRow("IOerr") << ShowDialog(&show_dialog<IOerr>);
    QTest::newRow("unexpectederror") << ShowDialog(&show_dialog<unexpectederror>);
    QTest::newRow("doingItWrong") << ShowDialog(&show_dialog<doingItWrong>);
    QTest::newRow("opcanceled") << ShowDialog(&show_dialog<opcanceled>);
    QTest::newRow("thanxForUsing") << ShowDialog(&show_dialog<thanxForUsing>);
}

void tst_dialogs::opens_centred_over_the_window()
{
    QFETCH(ShowDialog, show);
    MainWindow window;
    window.move(40, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QRect shown;
    answer_modal(&window, [&shown](QDialog &dialog) {
        shown = dialog.geometry();
        if (auto *box = dialog.findChild<QCheckBox *>("dont_die"))
            box->setChecked(true);
        dialog.done(QDialog::Rejected);
    });
    show();
    QVERIFY(shown.isValid());
    QVERIFY2((shown.center() - window.geometry().center()).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())));
}

void tst_dialogs::ioerr_drags_by_its_text_only()
{
    IOerr dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The moves go to the widget that took the press, as the window system delivers them.
    const auto drag = [&dialog](const char *name, const QPoint &by) {
        auto *target = dialog.findChild<QWidget *>(name);
        const QPoint from(5, 5), start = dialog.pos();
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, from + by, target->mapToGlobal(from + by), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, from + by);
        return dialog.pos() - start;
    };
    QCOMPARE(drag("pushButton", {37, -23}), QPoint());
    QCOMPARE(drag("label", {37, -23}), QPoint(37, -23));
}

void tst_dialogs::keyboard_reaches_cast_an_error()
{
    doingItWrong dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QPushButton *>("pushButton")->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget()->property("text").toString(), QString("cast an error"));

    QString shown_over_it;
    answer_modal(&dialog, [&dialog, &shown_over_it](QDialog &error) {
        shown_over_it = dialog.isVisible() ? error.metaObject()->className() : "";
        error.findChild<QCheckBox *>("dont_die")->setChecked(true);
        QTest::mouseClick(error.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    });
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
    QCOMPARE(shown_over_it, QString("unexpectederror"));
    QVERIFY(dialog.isVisible());
}

void tst_dialogs::unexpectederror_decides_the_end_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("how");
    for (const bool ticked : {false, true})
        for (const char *how : {"ok", "escape"})
            QTest::addRow("%s, %s", ticked ? "ticked" : "unticked", how) << ticked << how;
}

void tst_dialogs::unexpectederror_decides_the_end()
{
    QFETCH(bool, ticked);
    QFETCH(QString, how);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {child_flag, ticked ? "ticked" : "unticked", how});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), ticked ? QProcess::NormalExit : QProcess::CrashExit);
    if (ticked)
        QCOMPARE(child.exitCode(), child_went_on);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == child_flag) {
        // The child: shows unexpectederror the way every caller does, closes it by OK or Escape
        // and reports whether the caller got control back.
        answer_modal(&app, [ticked = arguments.at(2) == "ticked",
                            how = arguments.at(3)](QDialog &dialog) {
            dialog.findChild<QCheckBox *>("dont_die")->setChecked(ticked);
            if (how == "ok")
                QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        show_dialog<unexpectederror>();
        return child_went_on;
    }
    tst_dialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
