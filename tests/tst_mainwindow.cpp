#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"
#include "test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

static const ResourceBundle resources;

namespace {
const char *const kCloseChild = "--child-close-window";

void send_mouse(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                Qt::MouseButtons held)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void has_its_default_state();
    void drag_by_background_moves_window_data();
    void drag_by_background_moves_window();
    void drag_elsewhere_does_not_move_window_data();
    void drag_elsewhere_does_not_move_window();
    void help_toggle_widens_and_restores();
    void custom_code_box_empties_and_enables_editor();
    void reverse_curves_shows_reversed_pictures();
    void close_button_ends_program_with_zero();
};

void TestMainWindow::has_its_default_state()
{
    MainWindow window;
    window.show();
    QCOMPARE(window.size(), QSize(700, 530));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowTitleHint));
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget")->currentIndex(), 0);
    QCOMPARE(child<QStackedWidget>(window, "Help_pgs")->currentIndex(), 0);
    QCOMPARE(child<QProgressBar>(window, "pages_progress")->value(), 0);
    QVERIFY(!child<QPushButton>(window, "btn_prev_page")->isEnabled());
    QVERIFY(child<QPushButton>(window, "btn_next_page")->isEnabled());
    for (const char *name : {"player_mmo", "player_eng_curve", "dino_mmo"})
        QVERIFY2(child<QRadioButton>(window, name)->isChecked(), name);
    QVERIFY(child<QCheckBox>(window, "Add_SS")->isChecked());
    QVERIFY(!child<QCheckBox>(window, "Add_CustomCode")->isChecked());
    QVERIFY(!child<QTableWidget>(window, "estimated_player_xp")->isEnabled());
    QVERIFY(!child<QTableWidget>(window, "estimated_eng")->isEnabled());
    for (const char *name :
         {"GtT_con", "no_player_xp_max_engram_level", "no_player_xp_notification",
          "lbl_error_player", "lbl_error_dino", "btn_revert"})
        QVERIFY2(child<QWidget>(window, name)->isHidden(), name);
    // The previews already hold computed values when the window first shows.
    QCOMPARE(child<QTableWidget>(window, "estimated_player_xp")->item(3, 0)->text(),
             QStringLiteral("115"));
}

void TestMainWindow::drag_by_background_moves_window_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("displacement");
    QTest::newRow("top strip, right and down") << QPoint(100, 15) << QPoint(37, 12);
    QTest::newRow("left margin, up and left") << QPoint(2, 300) << QPoint(-25, -40);
    QTest::newRow("bottom strip beside the progress bar") << QPoint(138, 490) << QPoint(5, -3);
}

void TestMainWindow::drag_by_background_moves_window()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, displacement);
    MainWindow window;
    window.move(200, 150);
    window.show();
    auto *background = child<QWidget>(window, "widget_5");
    QCOMPARE(window.childAt(press), background);

    const QPoint start = background->mapToGlobal(press);
    const QPoint before = window.pos();
    send_mouse(background, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send_mouse(background, QEvent::MouseMove, start + displacement, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window.pos(), before + displacement);
    // A second move follows the cursor from the same offset.
    send_mouse(background, QEvent::MouseMove, start + 2 * displacement, Qt::NoButton,
               Qt::LeftButton);
    QCOMPARE(window.pos(), before + 2 * displacement);
}

void TestMainWindow::drag_elsewhere_does_not_move_window_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("button");
    QTest::newRow("right button on the background") << "widget_5" << int(Qt::RightButton);
    QTest::newRow("left button on the page area") << "stackedWidget" << int(Qt::LeftButton);
    QTest::newRow("left button on a page button") << "btn_next_page" << int(Qt::LeftButton);
}

void TestMainWindow::drag_elsewhere_does_not_move_window()
{
    QFETCH(QString, target);
    QFETCH(int, button);
    MainWindow window;
    window.move(200, 150);
    window.show();
    auto *widget = window.findChild<QWidget *>(target);
    QVERIFY(widget);
    const auto mouse_button = Qt::MouseButton(button);
    const QPoint start = widget->mapToGlobal(QPoint(5, 5));
    const QPoint before = window.pos();
    send_mouse(widget, QEvent::MouseButtonPress, start, mouse_button, mouse_button);
    send_mouse(widget, QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, mouse_button);
    QCOMPARE(window.pos(), before);
}

void TestMainWindow::help_toggle_widens_and_restores()
{
    MainWindow window;
    window.move(120, 80);
    window.show();
    auto *help = child<QPushButton>(window, "btn_walkmethro");
    const QPoint position = window.pos();

    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(window.size(), QSize(950, 530));
    QCOMPARE(window.pos(), position);
    auto *help_pages = child<QStackedWidget>(window, "Help_pgs");
    QCOMPARE(help_pages->currentWidget()->objectName(), QStringLiteral("H_pge0"));
    QVERIFY(help_pages->isVisibleTo(&window));

    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(window.size(), QSize(700, 530));
    QCOMPARE(window.pos(), position);
}

void TestMainWindow::custom_code_box_empties_and_enables_editor()
{
    MainWindow window;
    window.show();
    auto *box = child<QCheckBox>(window, "Add_CustomCode");
    auto *editor = child<QTextEdit>(window, "textInput_custom_code");
    QVERIFY(!editor->isEnabled());
    QVERIFY(editor->toPlainText().contains(QStringLiteral("put custom code here")));

    for (bool ticked : {true, false, true}) {
        editor->setPlainText(QStringLiteral("MaxTamedDinos=4000"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(box->isChecked(), ticked);
        QCOMPARE(editor->isEnabled(), ticked);
        QVERIFY(editor->toPlainText().isEmpty());
    }
}

void TestMainWindow::reverse_curves_shows_reversed_pictures()
{
    MainWindow window;
    window.show();
    auto *reverse = child<QCheckBox>(window, "player_eng_reverse_mode");
    reverse->click();
    QVERIFY(child<QLabel>(window, "label_38")->isHidden());
    QVERIFY(child<QLabel>(window, "label_39")->isHidden());
    QVERIFY(!child<QLabel>(window, "label_42")->isHidden());
    QVERIFY(!child<QLabel>(window, "label_43")->isHidden());
    reverse->click();
    QVERIFY(!child<QLabel>(window, "label_38")->isHidden());
    QVERIFY(!child<QLabel>(window, "label_39")->isHidden());
}

void TestMainWindow::close_button_ends_program_with_zero()
{
    // The close button makes two close requests; the program still ends normally with 0.
    QProcess program;
    program.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kCloseChild)});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(program.readAllStandardOutput().contains("window shown"));
}

// The close path ends the event loop, so it runs in a child process of its own.
static int close_window_in_child(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        std::puts("window shown");
        std::fflush(stdout);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("pushButton_5")),
                          Qt::LeftButton);
    });
    return app.exec();
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], kCloseChild) == 0)
        return close_window_in_child(argc, argv);
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
