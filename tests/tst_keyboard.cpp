// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "test_support.h"

#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {
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
        window = new ShownWindow;
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void cleanup() { delete window; }

    void focus_starts_on_next() { QCOMPARE(focused(), QStringLiteral("btn_next_page")); }

    // Keys press the page buttons, so the buttons' own refusals (an overflow, the ends) hold.
    void keys_turn_pages_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("focus"); // empty: wherever the page buttons left it
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("expected");
        const auto row = [](const char *name, int start, const char *focus, int key, int modifiers,
                            int expected) {
            QTest::newRow(name) << start << QString(focus) << key << modifiers << expected;
        };
        row("Return on Next", 0, "", Qt::Key_Return, Qt::NoModifier, 1);
        row("keypad Enter on a style button", 1, "player_curve", Qt::Key_Enter, Qt::KeypadModifier,
            2);
        row("Return on a level spin box", 2, "player_target_lvl", Qt::Key_Return, Qt::NoModifier,
            3);
        row("Return on a slider", 4, "player_eng_difficulty_slider", Qt::Key_Return, Qt::NoModifier,
            5);
        row("Return on Back presses Back", 3, "btn_prev_page", Qt::Key_Return, Qt::NoModifier, 2);
        row("Return on the custom-code box", 7, "textInput_custom_code", Qt::Key_Return,
            Qt::NoModifier, 7);
        row("Alt+Right from a spin box", 6, "dino_target_level", Qt::Key_Right, Qt::AltModifier, 7);
        row("Alt+Left from a slider", 2, "slider_player_max_lvl", Qt::Key_Left, Qt::AltModifier, 1);
    }

    void keys_turn_pages()
    {
        QFETCH(int, start);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, expected);
        operate(*window, "Add_CustomCode");
        go_to_page(*window, start);
        if (!focus.isEmpty())
            child<QWidget>(*window, focus)->setFocus();

        press(key, modifiers);
        QCOMPARE(page(*window), expected);
        if (focus == "textInput_custom_code")
            QCOMPARE(child<QTextEdit>(*window, focus)->toPlainText(), QStringLiteral("\n"));
    }

    // However the summary is reached, Generate has the focus and Return presses it.
    void summary_focuses_generate_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("keys"); // pressed on Next on the customisation page
        QTest::newRow("Return") << QString() << QString("Return");
        QTest::newRow("Alt+Right, player skipped")
            << QString("player_skip") << QString("Alt+Right");
        QTest::newRow("back and again") << QString() << QString("Return, Alt+Left, Alt+Right");
    }

    void summary_focuses_generate()
    {
        QFETCH(QString, choices);
        QFETCH(QString, keys);
        operate(*window, choices);
        go_to_page(*window, 7);
        child<QWidget>(*window, "btn_next_page")->setFocus();
        QTest::keySequence(static_cast<QWidget *>(nullptr), QKeySequence(keys));
        QCOMPARE(page(*window), 8);
        QCOMPARE(focused(), QStringLiteral("Gen_btn"));

        Operator user{QString()}; // cancels the save dialog
        press(Qt::Key_Return);
        QCOMPARE(user.seen.value(0), QStringLiteral("QFileDialog"));
    }

    void tab_follows_reading_order_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("stops");
        // Tab walks through the two links of the text before it leaves it.
        QTest::newRow("introduction")
            << QStringList{} << 0 << QStringList{"textBrowser_2", "textBrowser_2", "textBrowser_2"};
        // The refresh button is disabled while the preview refreshes itself.
        QTest::newRow("player levels, refreshed live")
            << QStringList{"player_xp_param_live_refresh"} << 2
            << QStringList{"player_xp_param_live_refresh", "player_target_lvl",
                           "slider_player_max_lvl", "player_xp_difficulty",
                           "slider_player_xp_difficulty"};
        // A group of style buttons is one stop, whose buttons the arrow keys choose from.
        QTest::newRow("engram style")
            << QStringList{} << 3 << QStringList{"player_eng_reverse_mode", "player_eng_curve"};
        QTest::newRow("summary") << QStringList{} << 8
                                 << QStringList{"don_btn", "Gen_btn", "btn_preview_text"};
    }

    // A full round: the title strip, the page from top left to bottom right, then the enabled
    // page buttons. The help texts out of view are passed over.
    void tab_follows_reading_order()
    {
        QFETCH(QStringList, choices);
        QFETCH(int, start);
        QFETCH(QStringList, stops);
        QStringList order = QStringList{"btn_walkmethro", "pushButton_6", "pushButton_5"} + stops;
        if (start > 0)
            order << "btn_prev_page";
        if (start < 8)
            order << "btn_next_page";
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
