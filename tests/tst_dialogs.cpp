// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/doingitwrong.h"
#include "dialogs/ioerr.h"
#include "dialogs/opcanceled.h"
#include "dialogs/show_dialog.h"
#include "dialogs/thanxforusing.h"
#include "dialogs/unexpectederror.h"
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QMouseEvent>

using ShowDialog = void (*)();
Q_DECLARE_METATYPE(ShowDialog)

// Paths that end the program run in a child process: this program with the flag and a scenario.
static const QString child_flag = QStringLiteral("--child");
// The child's exit code once show_dialog() has returned to it.
static constexpr int child_went_on = 3;

class tst_dialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_centred_and_its_button_closes_it_data()
    {
        QTest::addColumn<ShowDialog>("show");
        QTest::addColumn<QString>("button");
        QTest::newRow("IOerr") << ShowDialog(&show_dialog<IOerr>) << "pushButton";
        QTest::newRow("unexpectederror")
            << ShowDialog(&show_dialog<unexpectederror>) << "pushButton";
        QTest::newRow("doingItWrong") << ShowDialog(&show_dialog<doingItWrong>) << "pushButton";
        QTest::newRow("opcanceled") << ShowDialog(&show_dialog<opcanceled>) << "pushButton";
        QTest::newRow("thanxForUsing") << ShowDialog(&show_dialog<thanxForUsing>) << "exit_dialog";
    }

    void opens_centred_and_its_button_closes_it()
    {
        QFETCH(ShowDialog, show);
        QFETCH(QString, button);
        MainWindow window;
        window.move(40, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QRect shown;
        Operator user;
        user.press = QStringList{button};
        user.look = [&shown](QWidget &dialog) { shown = dialog.geometry(); };
        show();
        QCOMPARE(user.closed, QStringList()); // the button closed it
        QVERIFY(shown.isValid());
        QVERIFY((shown.center() - window.geometry().center()).manhattanLength() <= 1);
    }

    void ioerr_drags_by_its_text_only()
    {
        IOerr dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // The moves go to the widget that took the press, as the window system delivers them.
        const auto drag = [&dialog](const char *name, const QPoint &by) {
            auto *target = dialog.findChild<QWidget *>(name);
            const QPoint from(5, 5), start = dialog.pos();
            QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, from);
            QMouseEvent move(QEvent::MouseMove, from + by, target->mapToGlobal(from + by),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, from + by);
            return dialog.pos() - start;
        };
        QCOMPARE(drag("pushButton", {37, -23}), QPoint());
        QCOMPARE(drag("label", {37, -23}), QPoint(37, -23));
    }

    void keyboard_reaches_cast_an_error()
    {
        doingItWrong dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QPushButton *>("pushButton")->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget()->property("text").toString(), QString("cast an error"));

        bool over_it = false;
        Operator user;
        user.look = [&dialog, &over_it](QWidget &) { over_it = dialog.isVisible(); };
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        QCOMPARE(user.seen, QStringList{"unexpectederror"});
        QVERIFY(over_it);
        QVERIFY(dialog.isVisible());
    }

    void ends_the_program_as_chosen_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("exit_code"); // -1: it aborts
        // The close button makes two close requests; the program still ends normally.
        QTest::newRow("the window's close button") << "close" << 0;
        // Ticked and closed by OK it returns to its caller, as opens_centred_and_its_button_
        // closes_it shows.
        QTest::newRow("unexpectederror unticked, ok") << "unticked ok" << -1;
        QTest::newRow("unexpectederror unticked, escape") << "unticked escape" << -1;
        QTest::newRow("unexpectederror ticked, escape") << "ticked escape" << child_went_on;
    }

    void ends_the_program_as_chosen()
    {
        QFETCH(QString, scenario);
        QFETCH(int, exit_code);
        QTemporaryDir scratch; // for the settings folder that a child that ends leaves behind
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), scratch.path());
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {child_flag, scenario});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), exit_code < 0 ? QProcess::CrashExit : QProcess::NormalExit);
        if (exit_code >= 0)
            QCOMPARE(child.exitCode(), exit_code);
    }
};

// The child: closes the window by its button, or shows unexpectederror the way every caller
// does, closes it by OK or Escape and reports whether the caller got control back.
static int run_child(const QString &scenario)
{
    if (scenario == "close") {
        ShownWindow window;
        QTimer::singleShot(0, &window, [&window] {
            QTest::mouseClick(window.findChild<QPushButton *>("pushButton_5"), Qt::LeftButton);
        });
        return QApplication::exec();
    }
    Operator user;
    user.look = [scenario](QWidget &dialog) {
        dialog.findChild<QCheckBox *>("dont_die")->setChecked(scenario.startsWith("ticked"));
        QTimer::singleShot(0, &dialog, [&dialog, scenario] {
            if (scenario.endsWith("ok"))
                QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    };
    show_dialog<unexpectederror>();
    return child_went_on;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == child_flag)
        return run_child(arguments.at(2));
    tst_dialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
