// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"
#include "mainwindow/font_fallbacks.h"
#include "mainwindow/mainwindow.h"
#include "ramps/format_number.h"
#include "ramps/previews.h"
#include "test_support.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {
QStringList column_texts(QTableWidget *table, int index)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, index) ? table->item(row, index)->text() : QString());
    return texts;
}

// Sample levels as the level column shows them, values as the value column does.
template <typename Numbers> QStringList as_text(const Numbers &numbers)
{
    QStringList texts;
    for (auto number : numbers)
        texts << (std::is_integral<decltype(number)>::value ? QString::number(number)
                                                            : format_number(number));
    return texts;
}

// Each ramp's page, preview table, refresh button, real-time box, level count and scaling.
struct Ramp {
    int page;
    const char *table, *refresh, *live, *levels, *scaling;
};
const QMap<QString, Ramp> kRamps = {
    {"player",
     {2, "estimated_player_xp", "player_xp_refresh_button", "player_xp_param_live_refresh",
      "player_target_lvl", "player_xp_difficulty"}},
    {"engram",
     {4, "estimated_eng", "player_eng_refresh_button", "player_eng_real_time_refresh",
      "player_target_lvl", "player_eng_difficulty"}},
    {"creature",
     {6, "estimated_dino_xp", "dino_xp_refresh_button", "dino_xp_real_time_refresh",
      "dino_target_level", "dino_difficulty"}}};

} // namespace

class TestRampPages : public QObject
{
    Q_OBJECT

private slots:
    // Text widths are measured in the fonts the program uses.
    void initTestCase() { install_font_fallbacks(); }

    // The table shows what the core computes for the page's choices (tst_previews checks the
    // arithmetic), and the error line shows when that overflows.
    void preview_shows_the_computation_data()
    {
        QTest::addColumn<QString>("ramp");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QList<QStringList>>("columns");
        const auto xp = [](const std::optional<XpPreview> &preview) {
            return QList<QStringList>{as_text(preview->levels), as_text(preview->values)};
        };
        QTest::newRow("player past the limit")
            << "player"
            << "player_mmo player_target_lvl=300 player_xp_difficulty=466.627 "
               "player_xp_refresh_button"
            << xp(player_xp_preview(XpStyle::Exponential, 466.627, 300));
        // A preset stores its style last: live refreshes during it still use the exponential
        // formula, now with the curve's scaling.
        QTest::newRow("player live during a preset")
            << "player"
            << "player_xp_param_live_refresh player_curve"
            << xp(player_xp_preview(XpStyle::Exponential, 865.692, 115));
        QTest::newRow("player curve preset")
            << "player"
            << "player_curve player_xp_refresh_button"
            << xp(player_xp_preview(XpStyle::ComplexCurve, 865.692, 115));
        QTest::newRow("creature curve") << "creature"
                                        << "dino_curve dino_difficulty=1450 dino_xp_refresh_button"
                                        << xp(creature_xp_preview(XpStyle::ComplexCurve, 1450, 71));
        // Totals in the general format, six digits: exponent notation from a million on.
        const auto engram = engram_preview(EngramStyle::Linear, 130, 4000, true);
        QStringList totals;
        for (const std::uint32_t total : engram->totals)
            totals << QString::number(double(total), 'g', 6);
        QTest::newRow("engram points reversed")
            << "engram"
            << "player_eng_mmo player_eng_reverse_mode player_target_lvl=4000 "
               "player_eng_difficulty=130 player_eng_refresh_button"
            << QList<QStringList>{as_text(engram->levels), as_text(engram->points), totals};
    }

    void preview_shows_the_computation()
    {
        QFETCH(QString, ramp);
        QFETCH(QString, actions);
        QFETCH(QList<QStringList>, columns);
        MainWindow window;
        operate(window, actions);
        for (int column = 0; column < columns.size(); ++column)
            QCOMPARE(column_texts(child<QTableWidget>(window, kRamps[ramp].table), column),
                     columns[column]);
        if (ramp != "engram")
            QCOMPARE(
                !child<QLabel>(window, ramp == "player" ? "lbl_error_player" : "lbl_error_dino")
                     ->isHidden(),
                columns[1].contains(format_number(kOverflowMarker)));
    }

    // Beside an overflow, the most levels that fit at the scaling in the spin box, counted as
    // the command line's refusal counts them; the line follows the scaling before a refresh.
    void overflow_names_the_most_levels_data()
    {
        QTest::addColumn<QString>("ramp");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("most");
        QTest::newRow("player preset") << "player" << 466.627 << 222;
        QTest::newRow("player 500") << "player" << 500.0 << 17;
        QTest::newRow("creature preset") << "creature" << 480.933 << 143;
        QTest::newRow("creature 469.311") << "creature" << 469.311 << 208;
    }

    void overflow_names_the_most_levels()
    {
        QFETCH(QString, ramp);
        QFETCH(double, scale);
        QFETCH(int, most);
        MainWindow window;
        const Ramp &page = kRamps[ramp];
        auto *limit =
            child<QLabel>(window, ramp == "player" ? "lbl_limit_player" : "lbl_limit_dino");
        QVERIFY(limit->isHidden());
        operate(window, QStringLiteral("%1=4000 %2 %3=%4")
                            .arg(page.levels, page.refresh, page.scaling)
                            .arg(scale));
        QVERIFY(!limit->isHidden());
        QCOMPARE(limit->text(), QStringLiteral("At this scaling: at most %1 levels").arg(most));
        const CommandLine cli =
            parse_command_line({"quillmark-cli", "--" + ramp + "-levels", "4000",
                                "--" + ramp + "-scale", QString::number(scale)});
        QVERIFY2(cli.refusal.contains(QStringLiteral(" at most %1 levels,").arg(most)),
                 qPrintable(cli.refusal));

        operate(window, QStringLiteral("%1=%2 %3").arg(page.levels).arg(most).arg(page.refresh));
        QVERIFY(limit->isHidden());
    }

    void spin_box_value_truncates_into_slider()
    {
        MainWindow window;
        operate(window, "player_curve player_xp_difficulty=1.001 player_xp_refresh_button");
        QCOMPARE(child<QSlider>(window, "slider_player_xp_difficulty")->value(), 1000);
        QCOMPARE(child<QDoubleSpinBox>(window, "player_xp_difficulty")->value(), 1.001);
        const auto expected = player_xp_preview(XpStyle::ComplexCurve, 1.001, 115);
        QCOMPARE(child<QTableWidget>(window, "estimated_player_xp")->item(3, 1)->text(),
                 format_number(expected->values[3]));
    }

    // A change refreshes a live preview once; the player's level count twice, as its spin box
    // and slider each pass the change on.
    void one_change_refreshes_live_preview_data()
    {
        QTest::addColumn<QString>("ramp");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("refreshes");
        const auto row = [](const char *ramp, const char *change, int count = 1) {
            QTest::newRow(change) << QString(ramp) << QString(change) << count;
        };
        row("player", "player_xp_difficulty=300.5");
        row("player", "slider_player_xp_difficulty=300500");
        row("player", "player_target_lvl=150", 2);
        row("player", "slider_player_max_lvl=160", 2);
        row("engram", "player_eng_difficulty=50.25");
        row("engram", "player_eng_difficulty_slider=50250");
        row("engram", "no_player_xp_max_engram_level=200");
        row("creature", "dino_difficulty=300.5");
        row("creature", "slider_dino_difficulty=300500");
        row("creature", "dino_target_level=90");
        row("creature", "slider_dino_level=90");
    }

    void one_change_refreshes_live_preview()
    {
        QFETCH(QString, ramp);
        QFETCH(QString, change);
        MainWindow window;
        operate(window, kRamps[ramp].live);
        // Each refresh replaces every cell of the table once.
        auto *table = child<QTableWidget>(window, kRamps[ramp].table);
        const int cells = table->rowCount() * table->columnCount();
        QSignalSpy changes(table->model(), &QAbstractItemModel::dataChanged);
        operate(window, change);
        QTEST(changes.count() % cells == 0 ? int(changes.count()) / cells : -1, "refreshes");
    }

    void player_skip_shows_engram_level_input()
    {
        ShownWindow window;
        auto *input = child<QSpinBox>(window, "no_player_xp_max_engram_level");
        operate(window, "player_skip");
        QVERIFY(!input->isHidden());
        QVERIFY(!child<QLabel>(window, "no_player_xp_notification")->isHidden());
        // The engram preview now counts its own levels, not the player's.
        operate(window, "no_player_xp_max_engram_level=10 player_target_lvl=300 "
                        "player_eng_refresh_button");
        QCOMPARE(child<QTableWidget>(window, "estimated_eng")->item(4, 0)->text(), "10");
        operate(window, "player_mmo");
        QVERIFY(input->isHidden());
    }

    // Copying the player's ramp to the creatures, and reverting the copy.
    void copy_and_revert_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("expected");
        const auto controls = [](bool enabled) {
            QString state;
            for (const char *name :
                 {"dino_difficulty", "dino_target_level", "dino_xp_real_time_refresh",
                  "dino_xp_refresh_button", "estimated_dino_xp", "slider_dino_difficulty",
                  "slider_dino_level"})
                state += QStringLiteral(" %1.enabled=%2").arg(name, enabled ? "true" : "false");
            return state;
        };
        for (const auto &[player, creature] : {std::pair{"player_mmo", "dino_mmo"},
                                               {"player_linear", "dino_lin"},
                                               {"player_curve", "dino_curve"},
                                               {"player_skip", "dino_skip"}})
            QTest::addRow("copy of %s", player)
                << QStringLiteral("%1 player_target_lvl=120 copy_player2dino_settings").arg(player)
                << QStringLiteral("%1.checked=true slider_dino_level.value=120 "
                                  "btn_revert.visible=true dino_difficulty.enabled=true")
                       .arg(creature);
        const QString stock_copy = "dino_lin player_stock copy_player2dino_settings";
        QTest::newRow("a stock copy locks the controls")
            << stock_copy << "dino_lin.checked=true" + controls(false);
        QTest::newRow("revert unlocks them") << stock_copy + " btn_revert"
                                             << "btn_revert.visible=false" + controls(true);
        // The first copy makes the creature ramp linear at the player's 56.785; the second
        // saves that state and takes the exponential style.
        QTest::newRow("two copies, then revert restores the first")
            << "dino_curve player_linear copy_player2dino_settings player_mmo "
               "copy_player2dino_settings btn_revert"
            << "dino_lin.checked=true dino_difficulty.value=56.785 "
               "slider_dino_difficulty.value=56785 dino_target_level.value=115";
        QTest::newRow("revert to creature stock moves on")
            << "dino_skip copy_player2dino_settings btn_revert"
            << "dino_skip.checked=true stackedWidget.currentIndex=7";
        QTest::newRow("the stock option drops the lock, not the controls' state")
            << "player_stock copy_player2dino_settings dino_skip"
            << "dino_difficulty.enabled=false";
        QTest::newRow("a creature style clears the lock")
            << "player_stock copy_player2dino_settings dino_skip copy_player2dino_settings "
               "dino_curve"
            << "slider_dino_level.enabled=true dino_difficulty.value=1448.906";
    }

    void copy_and_revert()
    {
        QFETCH(QString, actions);
        QFETCH(QString, expected);
        ShownWindow window;
        operate(window, "stackedWidget.currentIndex=6 " + actions); // the creature levels page
        QCOMPARE(state(window, expected), expected);
    }

    // A copy blanks the creature preview; a revert refreshes it, real-time refresh or not.
    void copy_blanks_and_revert_refreshes_the_preview()
    {
        MainWindow window;
        auto *table = child<QTableWidget>(window, "estimated_dino_xp");
        operate(window, "dino_lin player_stock copy_player2dino_settings");
        for (int column = 0; column < 2; ++column)
            QCOMPARE(column_texts(table, column), QVector<QString>(4, " -- ").toList());
        operate(window, "btn_revert");
        QCOMPARE(table->item(3, 1)->text(), format_number(2525040));
    }

    // No cell wraps or cuts its text off: each column is as wide as its widest cell, and all
    // columns fit the table. The numbers are widest at the most levels and the largest scaling.
    void preview_cells_fit_their_columns_data()
    {
        QTest::addColumn<QString>("ramp");
        QTest::addColumn<QString>("style");
        for (const char *style : {"player_curve", "player_mmo", "player_linear"})
            QTest::newRow(style) << "player" << style;
        for (const char *style : {"player_eng_curve", "player_eng_mmo", "player_eng_linear"})
            QTest::newRow(style) << "engram" << style;
        for (const char *style : {"dino_curve", "dino_mmo", "dino_lin"})
            QTest::newRow(style) << "creature" << style;
    }

    void preview_cells_fit_their_columns()
    {
        QFETCH(QString, ramp);
        QFETCH(QString, style);
        const Ramp &controls = kRamps[ramp];
        ShownWindow window;
        QTableWidget *preview = child<QTableWidget>(window, controls.table);
        go_to_page(window, controls.page);
        operate(window, style + " " + controls.live);
        child<QSpinBox>(window, controls.levels)->setValue(4000);
        auto *scale = child<QDoubleSpinBox>(window, controls.scaling);
        scale->setValue(scale->maximum());
        QCoreApplication::processEvents(); // the columns are laid out when the event loop runs

        QAbstractItemView *cells = preview; // sizeHintForColumn is public here
        for (int column = 0; column < preview->columnCount(); ++column)
            QVERIFY2(cells->sizeHintForColumn(column) <= preview->columnWidth(column),
                     qPrintable(column_texts(preview, column).join(" | ")));
        const int last = preview->columnCount() - 1;
        QVERIFY(preview->columnViewportPosition(last) + preview->columnWidth(last) <=
                preview->viewport()->width());
    }

    void out_of_date_preview_is_marked_data()
    {
        QTest::addColumn<QString>("ramp");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("followed_live");
        const auto row = [](const char *name, const char *ramp, const char *change,
                            bool followed_live = true) {
            QTest::newRow(name) << QString(ramp) << QString(change) << followed_live;
        };
        row("player levels", "player", "player_target_lvl.value=4000");
        row("player scaling", "player", "player_xp_difficulty.value=300.5");
        row("engram points of the player levels", "engram", "player_target_lvl.value=200", false);
        row("engram scaling", "engram", "player_eng_difficulty.value=50.25");
        row("engram points reversed", "engram", "player_eng_reverse_mode.checked=true", false);
        row("creature levels", "creature", "dino_target_level.value=4000");
        row("creature scaling", "creature", "dino_difficulty.value=1.5");
    }

    // A change dims every cell and lights the refresh button until the preview is refreshed or
    // the change undone. Ticking real-time refresh refreshes nothing, so the mark stays; a
    // change that real-time refresh does not follow leaves a live preview marked.
    void out_of_date_preview_is_marked()
    {
        QFETCH(QString, ramp);
        QFETCH(QString, change);
        QFETCH(bool, followed_live);
        MainWindow window;
        QTableWidget *preview = child<QTableWidget>(window, kRamps[ramp].table);
        QPushButton *refresh_button = child<QPushButton>(window, kRamps[ramp].refresh);
        // 1: every cell dimmed and the button glowing, 0: neither, -1: half marked.
        const auto marked = [&] {
            int dimmed = 0;
            for (int row = 0; row < preview->rowCount(); ++row)
                for (int column = 0; column < preview->columnCount(); ++column)
                    dimmed += preview->item(row, column)->data(Qt::ForegroundRole).isValid();
            const bool glowing = refresh_button->graphicsEffect() != nullptr;
            if (dimmed == preview->rowCount() * preview->columnCount() && glowing)
                return 1;
            return dimmed == 0 && !glowing ? 0 : -1;
        };
        const QString undo = state(window, change);
        const QStringList shown = column_texts(preview, 1);

        QCOMPARE(marked(), 0);
        operate(window, change);
        QCOMPARE(marked(), 1);
        QCOMPARE(column_texts(preview, 1), shown); // the numbers wait for a refresh
        operate(window, undo);
        QCOMPARE(marked(), 0);
        operate(window, change + ' ' + kRamps[ramp].refresh);
        QCOMPARE(marked(), 0);
        QVERIFY(column_texts(preview, 1) != shown);
        operate(window, undo);
        QCOMPARE(marked(), 1);
        operate(window, kRamps[ramp].live);
        QCOMPARE(marked(), 1);
        operate(window, change);
        QCOMPARE(marked(), 0);
        operate(window, undo);
        QTest::qWait(0);
        QCOMPARE(marked(), followed_live ? 0 : 1);
    }
};

QTEST_MAIN(TestRampPages)
#include "tst_ramp_pages.moc"
