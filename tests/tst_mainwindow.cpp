// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/application_identity.h"
#include "mainwindow/mainwindow.h"
#include "test_support.h"
#include "window_common/window_placement.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QtTest>

namespace {
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
    void drag_moves_window_only_by_background_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("displacement");
        QTest::addColumn<bool>("moves");
        const auto row = [](const char *name, const char *target, QPoint press,
                            Qt::MouseButton button, QPoint displacement, bool moves) {
            QTest::newRow(name) << QString(target) << press << int(button) << displacement << moves;
        };
        row("top strip", "widget_5", {100, 15}, Qt::LeftButton, {37, 12}, true);
        row("left margin", "widget_5", {2, 300}, Qt::LeftButton, {-25, -40}, true);
        row("beside the progress bar", "widget_5", {138, 490}, Qt::LeftButton, {5, -3}, true);
        row("right button", "widget_5", {100, 15}, Qt::RightButton, {30, 20}, false);
        row("page area", "stackedWidget", {5, 5}, Qt::LeftButton, {30, 20}, false);
        row("page button", "btn_next_page", {5, 5}, Qt::LeftButton, {30, 20}, false);
    }

    void drag_moves_window_only_by_background()
    {
        QFETCH(QString, target);
        QFETCH(QPoint, press);
        QFETCH(int, button);
        QFETCH(QPoint, displacement);
        QFETCH(bool, moves);
        MainWindow window;
        window.move(200, 150);
        window.show();
        auto *widget = child<QWidget>(window, target);
        // Presses go to the widget under the cursor; the background lies below all others.
        QWidget *under_cursor = window.childAt(widget->mapTo(&window, press));
        QVERIFY(under_cursor == widget || widget->isAncestorOf(under_cursor));

        const auto held = Qt::MouseButton(button);
        const QPoint start = widget->mapToGlobal(press), before = window.pos();
        send_mouse(widget, QEvent::MouseButtonPress, start, held, held);
        // Each move follows the cursor from the same offset.
        for (int step = 1; step <= 2; ++step) {
            send_mouse(widget, QEvent::MouseMove, start + step * displacement, Qt::NoButton, held);
            QCOMPARE(window.pos(), moves ? before + step * displacement : before);
        }
    }

    // The help panel widens the window to the right: the window moves left where it would
    // stick out, the panel is seen whole, and closing it moves the window back.
    void help_panel_stays_on_screen_data()
    {
        QTest::addColumn<QPoint>("start"); // none: where the window places itself
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("centred") << QPoint();
        QTest::newRow("at the right edge") << QPoint(area.right() + 1 - 700, area.top() + 40);
        QTest::newRow("partly past the left edge") << QPoint(area.left() - 60, area.top() + 40);
    }

    void help_panel_stays_on_screen()
    {
        QFETCH(QPoint, start);
        MainWindow window;
        if (!start.isNull())
            window.move(start);
        window.show();
        const QRect area = window.screen()->availableGeometry();
        const QPoint before = window.pos();
        auto *help = child<QPushButton>(window, "btn_walkmethro");
        auto *panel = child<QWidget>(window, "Help_pgs");

        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(window.size(), QSize(950, 530));
        QCOMPARE(window.pos(), widened_within(QRect(before, window.size()), area));
        QVERIFY(window.frameGeometry().right() <= area.right());
        QVERIFY(area.contains(QRect(panel->mapToGlobal(QPoint()), panel->size())));
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(window.size(), QSize(700, 530));
        QCOMPARE(window.pos(), before);
    }

    void custom_code_box_empties_and_enables_editor()
    {
        ShownWindow window;
        auto *box = child<QCheckBox>(window, "Add_CustomCode");
        auto *editor = child<QTextEdit>(window, "textInput_custom_code");
        QVERIFY(!editor->isEnabled());
        for (bool ticked : {true, false, true}) {
            editor->setPlainText(QStringLiteral("MaxTamedDinos=4000"));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            QCOMPARE(editor->isEnabled(), ticked);
            QVERIFY(editor->toPlainText().isEmpty());
        }
    }

    void reverse_curves_shows_reversed_pictures()
    {
        ShownWindow window;
        for (bool reversed : {true, false}) {
            operate(window, "player_eng_reverse_mode");
            for (const char *name : {"label_38", "label_39"})
                QCOMPARE(child<QLabel>(window, name)->isHidden(), reversed);
            for (const char *name : {"label_42", "label_43"})
                QVERIFY(!reversed || !child<QLabel>(window, name)->isHidden());
        }
    }

    // The taskbar joins the window to the desktop entry by the window class, which is the
    // application name.
    void says_what_it_is()
    {
        set_application_identity();
        ShownWindow window;
        QVERIFY(!window.windowIcon().pixmap(32).isNull());
        QFile entry(QStringLiteral(QUILLMARK_DESKTOP_FILE));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
        QVERIFY(lines.contains("StartupWMClass=" + QCoreApplication::applicationName()));
    }

    void starts_centred_on_its_screen()
    {
        ShownWindow window;
        QCOMPARE(window.geometry().center(), window.screen()->availableGeometry().center());
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("corner");
        const QSize window(700, 530), dialog(330, 140);
        const QRect screen(0, 0, 1280, 800), beside_panel(48, 0, 1232, 800), narrow(0, 0, 640, 800),
            low(0, 24, 1024, 500);
        // A window alone on its screen is its own owner. Centring in the plain case is checked
        // on the shown window and dialogs (starts_centred_on_its_screen, tst_dialogs).
        QTest::newRow("window beside a panel")
            << beside_panel << window << beside_panel << QPoint(314, 135);
        QTest::newRow("window wider than the screen") << narrow << window << narrow << QPoint();
        QTest::newRow("window taller than the screen") << low << window << low << QPoint(0, 24);
        QTest::newRow("dialog over a window past the right edge")
            << QRect(900, 100, 700, 530) << dialog << screen << QPoint(950, 295);
        QTest::newRow("dialog over a window above the screen")
            << QRect(100, -400, 700, 530) << dialog << screen << QPoint(285, 0);
    }

    void placement()
    {
        QFETCH(QRect, owner);
        QFETCH(QSize, size);
        QFETCH(QRect, area);
        QTEST(centred_within(owner, size, area), "corner");
    }

    void help_placement_data()
    {
        QTest::addColumn<QRect>("widened");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("corner");
        const QSize wide(950, 530);
        const QRect screen(0, 0, 1280, 800), small(0, 0, 800, 600),
            second_screen(1280, 0, 1024, 768), beside_panel(0, 0, 1232, 800);
        QTest::newRow("ends at the edge") << QRect({330, 135}, wide) << screen << QPoint(330, 135);
        QTest::newRow("must move left") << QRect({600, 135}, wide) << screen << QPoint(330, 135);
        QTest::newRow("beside a panel")
            << QRect({400, 10}, wide) << beside_panel << QPoint(282, 10);
        QTest::newRow("on a second screen")
            << QRect({1700, 50}, wide) << second_screen << QPoint(1354, 50);
        QTest::newRow("past the left edge, fits")
            << QRect({-100, 35}, wide) << screen << QPoint(-100, 35);
        QTest::newRow("wider than the screen")
            << QRect({50, 35}, wide) << small << QPoint(-150, 35);
    }

    void help_placement()
    {
        QFETCH(QRect, widened);
        QFETCH(QRect, area);
        QTEST(widened_within(widened, area), "corner");
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
