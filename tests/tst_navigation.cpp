// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_support.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {
using Pages = QVector<int>;

// The wizard, the help panel and the progress bar show the same page, and the page buttons
// are enabled except at the ends.
bool in_step(QWidget &window)
{
    const int current = page(window);
    return child<QStackedWidget>(window, "Help_pgs")->currentIndex() == current &&
           child<QProgressBar>(window, "pages_progress")->value() == current &&
           child<QPushButton>(window, "btn_prev_page")->isEnabled() == (current != 0) &&
           child<QPushButton>(window, "btn_next_page")->isEnabled() == (current != 8);
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void next_and_back_walk_the_pages_data()
    {
        QTest::addColumn<QString>("choices");
        QTest::addColumn<Pages>("pages");
        const auto row = [](const char *name, const char *choices, const Pages &pages) {
            QTest::newRow(name) << QString(choices) << pages;
        };
        row("defaults", "", {0, 1, 2, 3, 4, 5, 6, 7, 8});
        row("player stock", "player_stock", {0, 1, 3, 4, 5, 6, 7, 8});
        row("player skipped, engram points chosen", "player_skip", {0, 1, 3, 4, 7, 8});
        row("player skipped, stock engram points", "player_skip player_eng_skip", {0, 1, 3, 7, 8});
        row("stock engram points", "player_eng_skip", {0, 1, 2, 3, 5, 6, 7, 8});
        row("creature stock", "dino_skip", {0, 1, 2, 3, 4, 5, 7, 8});
    }

    void next_and_back_walk_the_pages()
    {
        QFETCH(QString, choices);
        QFETCH(Pages, pages);
        ShownWindow window;
        operate(window, choices);
        for (int step = 1; step < pages.size(); ++step) {
            operate(window, "btn_next_page");
            QCOMPARE(page(window), pages[step]);
            QVERIFY(in_step(window));
        }
        operate(window, "btn_next_page"); // disabled on the last page: nothing happens
        QCOMPARE(page(window), 8);
        for (int step = pages.size() - 2; step >= 0; --step) {
            operate(window, "btn_prev_page");
            QCOMPARE(page(window), pages[step]);
            QVERIFY(in_step(window));
        }
    }

    void overflowing_ramp_keeps_its_page_data()
    {
        QTest::addColumn<int>("stay_on");
        QTest::addColumn<QString>("overflow");
        QTest::addColumn<QString>("error_label");
        QTest::newRow("player") << 2
                                << "player_target_lvl.value=4000 player_xp_difficulty.value=500"
                                << "lbl_error_player";
        QTest::newRow("creature") << 6 << "dino_target_level.value=4000 dino_difficulty.value=500"
                                  << "lbl_error_dino";
    }

    void overflowing_ramp_keeps_its_page()
    {
        QFETCH(int, stay_on);
        QFETCH(QString, overflow);
        QFETCH(QString, error_label);
        ShownWindow window;
        go_to_page(window, stay_on);

        // The check reads the spin boxes, refreshed preview or not.
        const QString undo = state(window, overflow);
        operate(window, overflow);
        auto *error = child<QLabel>(window, error_label);
        // The most levels that fit are named beside the error, and go with it.
        auto *limit = child<QLabel>(window, QString(error_label).replace("error", "limit"));
        for (const char *button : {"btn_next_page", "btn_prev_page"}) {
            error->hide();
            operate(window, button);
            QCOMPARE(page(window), stay_on);
            QVERIFY(in_step(window));
            QVERIFY(error->isVisibleTo(&window));
            QVERIFY(limit->isVisibleTo(&window));
        }
        operate(window, undo + " btn_next_page");
        QCOMPARE(page(window), stay_on + 1);
        QVERIFY(!error->isVisibleTo(&window));
        QVERIFY(!limit->isVisibleTo(&window));
    }

    void summary_texts_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("expected");
        // Expected texts in the summary's order: player style, max level, scaling, engram style,
        // creature style, max level, scaling, section header, custom code.
        const auto row = [](const char *name, const char *actions, const QStringList &expected) {
            QTest::newRow(name) << QString(actions) << expected;
        };
        row("defaults", "",
            {"Traditional/MMO", "115", "466.627", "Logarithmic", "Traditional/MMO", "71", "480.933",
             "On", "Off"});
        row("curves, six significant digits",
            "player_curve dino_curve player_eng_mmo Add_CustomCode Add_SS",
            {"Complex Curve", "115", "865.692", "Linear", "Complex Curve", "71", "1448.91", "Off",
             "On"});
        row("reversed engram style", "player_linear dino_lin player_eng_reverse_mode",
            {"Linear", "115", "56.785", "Reversed Logarithmic", "Linear", "71", "36.072", "On",
             "Off"});
        row("copied stock player ramp", "player_stock copy_player2dino_settings player_eng_linear",
            {"Ark Stock", "115", "n/a", "Static", "Ark Stock PLAYER curve", "115", "n/a", "On",
             "Off"});
        row("skipped player ramp", "player_skip player_eng_skip",
            {"skip/none", "115", "466.627", "skip/none", "Skiped cause player is skipped", "71",
             "480.933", "On", "Off"});
        row("creature stock", "dino_skip",
            {"Traditional/MMO", "115", "466.627", "Logarithmic", "Stock (not generated)",
             "Ark Stock DINO curve", "n/a", "On", "Off"});
    }

    void summary_texts()
    {
        QFETCH(QString, actions);
        QFETCH(QStringList, expected);
        ShownWindow window;
        operate(window, actions + " stackedWidget.currentIndex=7 btn_next_page");
        QCOMPARE(page(window), 8);

        QStringList shown;
        for (const char *label :
             {"lbl_player_lvl_style", "lbl_player_lvl_max", "lbl_player_lvl_scale",
              "lbl_player_eng_style", "lbl_dino_lvl_style", "lbl_dino_lvl_max",
              "lbl_dino_lvl_scale", "lbl_addFirstLine", "lbl_addCustomCode"})
            shown << child<QLabel>(window, label)->text();
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
