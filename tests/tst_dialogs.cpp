#include "dialogs/doingitwrong.h"
#include "dialogs/ioerr.h"
#include "dialogs/opcanceled.h"
#include "dialogs/show_dialog.h"
#include "dialogs/thanxforusing.h"
#include "dialogs/unexpectederror.h"
#include "mainwindow/resource_bundle.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

static const ResourceBundle resources;

namespace
{

const QString child_flag = QStringLiteral("--child-unexpected");
const QString child_went_on = QStringLiteral("caller went on after unexpectederror");

// Answers the first modal dialog of class Dialog that shows up while this object lives. The
// answer is queued: a timer does not fire again while its own handler runs, and an answer
// may open a further modal dialog.
template <typename Dialog> class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(Dialog &)> answer)
    {
        QObject::connect(&poll, &QTimer::timeout, [this, answer] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            seen = true;
            QTimer::singleShot(0, dialog, [dialog, answer] { answer(*dialog); });
        });
        poll.start(10);
    }

    bool seen = false;

private:
    QTimer poll;
};

void tick_dont_die(QDialog &dialog)
{
    if (auto *box = dialog.findChild<QCheckBox *>("dont_die"))
        box->setChecked(true);
}

// unexpectederror ends the process when destroyed unticked; in-process tests let it live.
struct SurvivingDelete {
    void operator()(QDialog *dialog) const
    {
        tick_dont_die(*dialog);
        delete dialog;
    }
};
using DialogPtr = std::unique_ptr<QDialog, SurvivingDelete>;

DialogPtr make_dialog(const QString &name)
{
    DialogPtr dialog;
    if (name == "IOerr")
        dialog.reset(new IOerr);
    else if (name == "unexpectederror")
        dialog.reset(new unexpectederror);
    else if (name == "doingItWrong")
        dialog.reset(new doingItWrong);
    else if (name == "opcanceled")
        dialog.reset(new opcanceled);
    else if (name == "thanxForUsing")
        dialog.reset(new thanxForUsing);
    if (dialog)
        tick_dont_die(*dialog);
    return dialog;
}

QWidget *child_widget(QDialog &dialog, const QString &name)
{
    return dialog.findChild<QWidget *>(name);
}

// The child process: shows unexpectederror the way every caller does, closes it the way
// `how` says and reports whether the caller got control back.
int run_unexpected_child(bool ticked, const QString &how)
{
    ModalAnswer<unexpectederror> answer([ticked, how](unexpectederror &dialog) {
        dialog.findChild<QCheckBox *>("dont_die")->setChecked(ticked);
        if (how == "ok")
            QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    show_dialog<unexpectederror>();
    QTextStream(stdout) << child_went_on << '\n';
    return 0;
}

} // namespace

class tst_dialogs : public QObject
{
    Q_OBJECT

private slots:
    void shows_its_text_and_its_button_ends_it_data();
    void shows_its_text_and_its_button_ends_it();
    void window_flags_data();
    void window_flags();
    void dragging_data();
    void dragging();
    void ioerr_text_lies_over_its_picture();
    void thanx_shows_both_portraits_data();
    void thanx_shows_both_portraits();
    void keyboard_reaches_the_hidden_buttons();
    void unexpectederror_decides_the_end_data();
    void unexpectederror_decides_the_end();
};

void tst_dialogs::shows_its_text_and_its_button_ends_it_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("text_widget");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("IOerr") << "IOerr"
                           << "label"
                           << "kick in admin power?"
                           << "pushButton" << int(QDialog::Rejected);
    QTest::newRow("unexpectederror") << "unexpectederror"
                                     << "label"
                                     << "don't ask me WTF just happened, but it's broken"
                                     << "pushButton" << int(QDialog::Rejected);
    QTest::newRow("doingItWrong") << "doingItWrong"
                                  << "pushButton"
                                  << "Did I seriously forgot to select a single ramp?"
                                  << "pushButton" << int(QDialog::Rejected);
    QTest::newRow("opcanceled") << "opcanceled"
                                << "label"
                                << "Operation canceled<br/>on user request"
                                << "pushButton" << int(QDialog::Rejected);
    QTest::newRow("thanxForUsing") << "thanxForUsing"
                                   << "label"
                                   << "Generation successfull!"
                                   << "exit_dialog" << int(QDialog::Accepted);
}

void tst_dialogs::shows_its_text_and_its_button_ends_it()
{
    QFETCH(QString, dialog);
    QFETCH(QString, text_widget);
    QFETCH(QString, phrase);
    QFETCH(QString, button);
    QFETCH(int, result);

    const DialogPtr shown = make_dialog(dialog);
    QCOMPARE(shown->windowTitle(), QString("Dialog"));
    QVERIFY(child_widget(*shown, text_widget)->property("text").toString().contains(phrase));

    ModalAnswer<QDialog> answer([button](QDialog &modal) {
        QTest::mouseClick(modal.findChild<QPushButton *>(button), Qt::LeftButton);
    });
    shown->setModal(true);
    QCOMPARE(shown->exec(), result);
    QVERIFY(answer.seen);
    QVERIFY(!shown->isVisible());
}

void tst_dialogs::window_flags_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Qt::WindowFlags>("flags");

    // Setting flags on a parentless widget makes it a window of its own, so only the hint
    // of the last call joins Qt::Window; the other two keep a plain dialog's flags.
    const Qt::WindowFlags plain = QDialog().windowFlags();
    QTest::newRow("IOerr") << "IOerr" << (Qt::Window | Qt::FramelessWindowHint);
    QTest::newRow("unexpectederror") << "unexpectederror" << (Qt::Window | Qt::FramelessWindowHint);
    QTest::newRow("doingItWrong") << "doingItWrong" << (Qt::Window | Qt::CustomizeWindowHint);
    QTest::newRow("opcanceled") << "opcanceled" << plain;
    QTest::newRow("thanxForUsing") << "thanxForUsing" << plain;
}

void tst_dialogs::window_flags()
{
    QFETCH(QString, dialog);
    QFETCH(Qt::WindowFlags, flags);

    QCOMPARE(make_dialog(dialog)->windowFlags(), flags);
}

void tst_dialogs::dragging_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<bool>("moves");

    QTest::newRow("IOerr by its text") << "IOerr"
                                       << "label" << true;
    QTest::newRow("IOerr by its button") << "IOerr"
                                         << "pushButton" << false;
    QTest::newRow("unexpectederror by its picture") << "unexpectederror"
                                                    << "background" << true;
    QTest::newRow("unexpectederror by its title") << "unexpectederror"
                                                  << "label_2" << false;
    QTest::newRow("unexpectederror by its text") << "unexpectederror"
                                                 << "label" << false;
    QTest::newRow("unexpectederror by its check box") << "unexpectederror"
                                                      << "dont_die" << false;
    QTest::newRow("unexpectederror by its button") << "unexpectederror"
                                                   << "pushButton" << false;
}

void tst_dialogs::dragging()
{
    QFETCH(QString, dialog);
    QFETCH(QString, pressed);
    QFETCH(bool, moves);

    const DialogPtr shown = make_dialog(dialog);
    shown->move(100, 80);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    const QPoint start = shown->pos();

    // The moves go to the widget that took the press, as the window system delivers them.
    QWidget *target = child_widget(*shown, pressed);
    const QPoint press_at(5, 5);
    const QPoint displacement(37, -23);
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, press_at);
    QMouseEvent move(QEvent::MouseMove, press_at + displacement,
                     target->mapToGlobal(press_at + displacement), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QCoreApplication::processEvents();

    QCOMPARE(shown->pos(), moves ? start + displacement : start);
}

void tst_dialogs::ioerr_text_lies_over_its_picture()
{
    IOerr dialog;
    auto *label = dialog.findChild<QLabel *>("label");
    QCOMPARE(dialog.childAt(label->geometry().center()), label);
}

void tst_dialogs::thanx_shows_both_portraits_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");

    QTest::newRow("developers") << "label_2"
                                << ":/img/graph/portrait_developers.jpg";
    QTest::newRow("design team") << "label_3"
                                 << ":/img/graph/portrait_design.jpg";
}

void tst_dialogs::thanx_shows_both_portraits()
{
    QFETCH(QString, label);
    QFETCH(QString, picture);

    const QImage expected(picture);
    QVERIFY2(!expected.isNull(), "the portrait is missing from the bundle");
    thanxForUsing dialog;
    const auto *portrait = dialog.findChild<QLabel *>(label);
    QVERIFY(portrait->hasScaledContents());
    QCOMPARE(portrait->pixmap(Qt::ReturnByValue).toImage().convertToFormat(expected.format()),
             expected);
}

void tst_dialogs::keyboard_reaches_the_hidden_buttons()
{
    doingItWrong dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *visible = dialog.findChild<QPushButton *>("pushButton");
    auto *cast_an_error = dialog.findChild<QPushButton *>("pushButton_2");
    auto *secret = dialog.findChild<QPushButton *>("pushButton_3");
    QVERIFY(!dialog.rect().intersects(cast_an_error->geometry()));

    visible->setFocus();
    QTest::keyClick(visible, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), cast_an_error);

    bool open_beneath = false;
    ModalAnswer<unexpectederror> answer([&dialog, &open_beneath](unexpectederror &error) {
        open_beneath = dialog.isVisible();
        error.findChild<QCheckBox *>("dont_die")->setChecked(true);
        QTest::mouseClick(error.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    });
    QTest::keyClick(cast_an_error, Qt::Key_Space);
    QVERIFY(answer.seen);
    QVERIFY(open_beneath);
    QVERIFY(dialog.isVisible());

    // "$ecret" comes next and does nothing: no dialog, and this one stays open.
    QTest::keyClick(cast_an_error, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), secret);
    ModalAnswer<QDialog> unexpected([](QDialog &modal) {
        tick_dont_die(modal);
        modal.reject();
    });
    QTest::keyClick(secret, Qt::Key_Space);
    QCoreApplication::processEvents();
    QVERIFY(!unexpected.seen);
    QVERIFY(dialog.isVisible());
}

void tst_dialogs::unexpectederror_decides_the_end_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("how");

    for (const bool ticked : {false, true}) {
        for (const char *how : {"ok", "escape", "window system"}) {
            QTest::addRow("%s, %s", ticked ? "ticked" : "unticked", how) << ticked << how;
        }
    }
}

void tst_dialogs::unexpectederror_decides_the_end()
{
    QFETCH(bool, ticked);
    QFETCH(QString, how);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {child_flag, ticked ? "ticked" : "unticked", how});
    QVERIFY(child.waitForFinished(30000));
    const bool went_on = child.readAllStandardOutput().contains(child_went_on.toUtf8());

    if (ticked) {
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(went_on);
    } else {
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(!went_on);
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const QStringList arguments = QCoreApplication::arguments();
    const int child = arguments.indexOf(child_flag);
    if (child >= 0 && child + 2 < arguments.size())
        return run_unexpected_child(arguments.at(child + 1) == "ticked", arguments.at(child + 2));

    tst_dialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
