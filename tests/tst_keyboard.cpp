// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QStackedWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {
int page(const QWidget &window)
{
    return child<QStackedWidget>(window, "stackedWidget")->currentIndex();
}

// With the default choices Next visits every page in order.
void go_to_page(QWidget &window, int target)
{
    while (page(window) < target)
        child<QPushButton>(window, "btn_next_page")->click();
}

// Keys go where the keyboard focus is, as they do for a person at the keyboard.
void press(int key, int modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
}

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}
} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void cleanup() { delete window; }

    void focus_starts_on_next() { QCOMPARE(focused(), QStringLiteral("btn_next_page")); }

    void keys_turn_pages_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("focus"); // empty: wherever the page buttons left it
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("overflowing");
        QTest::addColumn<int>("expected");
        const auto row = [](const char *name, int start, const char *focus, int key, int modifiers,
                            bool overflowing, int expected) {
            QTest::newRow(name) << start << QString(focus) << key << modifiers << overflowing
                                << expected;
        };
        row("Return on Next", 0, "", Qt::Key_Return, Qt::NoModifier, false, 1);
        row("keypad Enter on a style button", 1, "player_curve", Qt::Key_Enter, Qt::KeypadModifier,
            false, 2);
        row("Return on a level spin box", 2, "player_target_lvl", Qt::Key_Return, Qt::NoModifier,
            false, 3);
        row("Return on a slider", 4, "player_eng_difficulty_slider", Qt::Key_Return, Qt::NoModifier,
            false, 5);
        row("Return on Back presses Back", 3, "btn_prev_page", Qt::Key_Return, Qt::NoModifier,
            false, 2);
        row("Return on the custom-code box", 7, "textInput_custom_code", Qt::Key_Return,
            Qt::NoModifier, false, 7);
        row("Return refused by an overflow", 2, "player_target_lvl", Qt::Key_Return, Qt::NoModifier,
            true, 2);
        row("Alt+Right from a spin box", 6, "dino_target_level", Qt::Key_Right, Qt::AltModifier,
            false, 7);
        row("Alt+Right on the summary", 8, "", Qt::Key_Right, Qt::AltModifier, false, 8);
        row("Alt+Right refused by an overflow", 6, "dino_difficulty", Qt::Key_Right,
            Qt::AltModifier, true, 6);
        row("Alt+Left from a slider", 2, "slider_player_max_lvl", Qt::Key_Left, Qt::AltModifier,
            false, 1);
        row("Alt+Left on the introduction", 0, "", Qt::Key_Left, Qt::AltModifier, false, 0);
        row("Alt+Left refused by an overflow", 2, "", Qt::Key_Left, Qt::AltModifier, true, 2);
    }

    void keys_turn_pages()
    {
        QFETCH(int, start);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, overflowing);
        QFETCH(int, expected);
        operate(*window, "Add_CustomCode");
        go_to_page(*window, start);
        if (overflowing)
            operate(*window, start == 2 ? "player_target_lvl=4000 player_xp_difficulty=500"
                                        : "dino_target_level=4000 dino_difficulty=500");
        if (!focus.isEmpty())
            child<QWidget>(*window, focus)->setFocus();

        press(key, modifiers);
        QCOMPARE(page(*window), expected);
        if (focus == "textInput_custom_code")
            QCOMPARE(child<QTextEdit>(*window, focus)->toPlainText(), QStringLiteral("\n"));
    }

    void tab_follows_reading_order_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("order");
        // A full round: the title strip, the page from top left to bottom right, then the enabled
        // page buttons.
        const auto row = [](const char *name, const QStringList &choices, int start,
                            const QStringList &page) {
            QStringList buttons = {"btn_prev_page", "btn_next_page"};
            if (start == 0)
                buttons.removeFirst();
            if (start == 8)
                buttons.removeLast();
            QTest::newRow(name) << choices << start
                                << QStringList{"btn_walkmethro", "pushButton_6", "pushButton_5"} +
                                       page + buttons;
        };
        // Tab walks through the two links of the text before it leaves it; a group of style
        // buttons is one stop, whose buttons the arrow keys choose from.
        row("introduction", {}, 0, {"textBrowser_2", "textBrowser_2", "textBrowser_2"});
        row("player style", {}, 1, {"player_skip"});
        row("player levels", {}, 2,
            {"player_xp_param_live_refresh", "player_xp_refresh_button", "player_target_lvl",
             "slider_player_max_lvl", "player_xp_difficulty", "slider_player_xp_difficulty"});
        row("player levels, refreshed live", {"player_xp_param_live_refresh"}, 2,
            {"player_xp_param_live_refresh", "player_target_lvl", "slider_player_max_lvl",
             "player_xp_difficulty", "slider_player_xp_difficulty"});
        row("engram style", {}, 3, {"player_eng_reverse_mode", "player_eng_curve"});
        row("engram points", {}, 4,
            {"player_eng_real_time_refresh", "player_eng_refresh_button", "player_eng_difficulty",
             "player_eng_difficulty_slider"});
        row("engram points with their own level count", {"player_skip"}, 4,
            {"player_eng_real_time_refresh", "player_eng_refresh_button",
             "no_player_xp_max_engram_level", "player_eng_difficulty",
             "player_eng_difficulty_slider"});
        row("creature style", {}, 5, {"dino_curve"});
        row("creature levels", {}, 6,
            {"dino_xp_real_time_refresh", "dino_xp_refresh_button", "estimated_dino_xp",
             "copy_player2dino_settings", "dino_target_level", "slider_dino_level",
             "dino_difficulty", "slider_dino_difficulty"});
        row("customisation", {"Add_CustomCode"}, 7,
            {"Add_SS", "Add_MaxXp", "Add_CustomCode", "textInput_custom_code"});
        row("summary", {}, 8, {"don_btn", "Gen_btn", "btn_preview_text"});
    }

    // Hidden and disabled controls are passed over, as are the help texts out of view.
    void tab_follows_reading_order()
    {
        QFETCH(QStringList, choices);
        QFETCH(int, start);
        QFETCH(QStringList, order);
        operate(*window, choices.join(' '));
        go_to_page(*window, start);
        child<QWidget>(*window, order.last())->setFocus();

        QStringList forward, backward;
        for (int step = 0; step < order.size(); ++step) {
            press(Qt::Key_Tab);
            forward << focused();
        }
        QCOMPARE(forward, order);
        for (int step = 0; step < order.size(); ++step) {
            backward.prepend(focused());
            press(Qt::Key_Backtab);
        }
        QCOMPARE(backward, order);
    }

    // Neither typing nor F2 edits a preview, and Tab leaves it. The other two previews are
    // disabled and never take the focus.
    void tab_leaves_creature_preview()
    {
        go_to_page(*window, 6);
        auto *preview = child<QTableWidget>(*window, "estimated_dino_xp");
        const QString value = preview->item(0, 1)->text();
        for (int key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            preview->setFocus();
            preview->setCurrentCell(0, 1);
            press(Qt::Key_9);
            press(Qt::Key_F2);
            press(key);
            QVERIFY(focused() != preview->objectName());
            QCOMPARE(preview->item(0, 1)->text(), value);
        }
    }

private:
    MainWindow *window = nullptr;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
