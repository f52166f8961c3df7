// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/font_fallbacks.h"
#include "mainwindow/mainwindow.h"
#include "ramps/format_number.h"
#include "ramps/previews.h"
#include "test_support.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <cmath>

namespace {
using Numbers = QVector<double>;
using Levels = QVector<int>;

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

// Counts refreshes of a preview: each one replaces every cell of the table once.
class RefreshCounter
{
public:
    explicit RefreshCounter(QTableWidget *table)
        : spy(table->model(), &QAbstractItemModel::dataChanged),
          cells(table->rowCount() * table->columnCount())
    {}
    int count() const { return spy.count() % cells == 0 ? spy.count() / cells : -1; }

private:
    QSignalSpy spy;
    int cells;
};

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

// Sets a spin box, a slider or a check box as the user would.
void set_value(QWidget *widget, double value)
{
    if (auto *scaling = qobject_cast<QDoubleSpinBox *>(widget))
        scaling->setValue(value);
    else if (auto *box = qobject_cast<QAbstractButton *>(widget))
        box->setChecked(value != 0);
    else
        QVERIFY(widget->setProperty("value", int(value)));
}
} // namespace

class TestRampPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void experience_preview_data();
    void experience_preview();
    void engram_preview_data();
    void engram_preview();
    void spin_box_value_truncates_into_slider();
    void one_change_refreshes_live_preview_once_data();
    void one_change_refreshes_live_preview_once();
    void player_level_pair_refreshes_twice();
    void preset_refreshes_with_previous_style();
    void player_skip_shows_engram_level_input();
    void copy_takes_player_settings_data();
    void copy_takes_player_settings();
    void copy_of_stock_locks_creature_controls();
    void two_copies_then_revert_restore_first_copy();
    void revert_to_creature_stock_moves_on();
    void creature_styles_clear_lock();
    void preview_cells_fit_their_columns_data();
    void preview_cells_fit_their_columns();
    void out_of_date_preview_is_marked_data();
    void out_of_date_preview_is_marked();
};

// Rows: the ramp, the style button, a level count and a scaling value (0 keeps the
// preset's), then the expected sample levels and values.
void TestRampPages::experience_preview_data()
{
    QTest::addColumn<QString>("ramp");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("levels");
    QTest::addColumn<double>("scaling");
    QTest::addColumn<Levels>("sample_levels");
    QTest::addColumn<Numbers>("values");
    const auto row = [](const char *name, const char *ramp, const char *style, int levels,
                        double scaling, const Levels &at, const Numbers &values) {
        QTest::newRow(name) << QString(ramp) << QString(style) << levels << scaling << at << values;
    };
    const Levels player{28, 57, 86, 115}, creature{17, 35, 53, 71};
    row("player exponential preset", "player", "player_mmo", 0, 0, player,
        {5804, 37493, 166049, 6472792});
    row("player linear preset", "player", "player_linear", 0, 0, player,
        {1533195, 3179960, 4826725, 6473490});
    row("player curve preset", "player", "player_curve", 0, 0, player,
        {89443, 775941, 2692839, 6473537});
    row("player exponential past the limit", "player", "player_mmo", 300, 0, {75, 150, 225, 300},
        {85797, 2291686865., -1, -1});
    row("player linear at 10 levels", "player", "player_linear", 10, 1, {2, 5, 7, 10},
        {1000, 4000, 6000, 9000});
    row("creature curve preset, factor 14", "creature", "dino_curve", 0, 0, creature,
        {31535, 285425, 1006523, 2439773});
    row("creature curve, 1450 rounds up to 15", "creature", "dino_curve", 0, 1450, creature,
        {33788, 305813, 1078418, 2614043});
    row("creature curve below 50, factor 0", "creature", "dino_curve", 0, 49.999, creature,
        {0, 0, 0, 0});
    row("creature exponential past the limit", "creature", "dino_mmo", 150, 0, {37, 75, 112, 150},
        {12611, 6955720, 144296786451., -1});
}

void TestRampPages::experience_preview()
{
    QFETCH(QString, ramp);
    QFETCH(QString, style);
    QFETCH(int, levels);
    QFETCH(double, scaling);
    QFETCH(Levels, sample_levels);
    QFETCH(Numbers, values);
    const Ramp &controls = kRamps[ramp];
    MainWindow window;
    child<QRadioButton>(window, style)->click();
    if (levels)
        child<QSpinBox>(window, controls.levels)->setValue(levels);
    if (scaling > 0)
        child<QDoubleSpinBox>(window, controls.scaling)->setValue(scaling);
    child<QPushButton>(window, controls.refresh)->click();

    auto *table = child<QTableWidget>(window, controls.table);
    QCOMPARE(column_texts(table, 0), as_text(sample_levels));
    QCOMPARE(column_texts(table, 1), as_text(values));
    QCOMPARE(table->item(3, 0)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(!child<QLabel>(window, ramp == "player" ? "lbl_error_player" : "lbl_error_dino")
                  ->isHidden(),
             values.contains(-1));
}

void TestRampPages::engram_preview_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<int>("levels");
    QTest::addColumn<double>("scaling");
    QTest::addColumn<Levels>("sample_levels");
    QTest::addColumn<Numbers>("points");
    QTest::addColumn<QStringList>("totals");
    const auto row = [](const char *name, const char *style, bool reverse, int levels,
                        double scaling, const Levels &at, const Numbers &points,
                        const QStringList &totals) {
        QTest::newRow(name) << QString(style) << reverse << levels << scaling << at << points
                            << totals;
    };
    const Levels fifths{22, 45, 68, 91, 115};
    row("logarithmic", "player_eng_curve", false, 0, 0, fifths, {30, 37, 41, 44, 46},
        {"468", "1247", "2144", "3116", "4193"});
    row("reversed logarithmic", "player_eng_curve", true, 0, 0, fifths, {44, 41, 37, 31, 0},
        {"989", "1967", "2872", "3664", "4193"});
    row("linear", "player_eng_mmo", false, 0, 0, fifths, {14, 29, 44, 58, 74},
        {"162", "663", "1502", "2679", "4269"});
    row("static ignores reverse", "player_eng_linear", true, 0, 0, fifths, {37, 37, 37, 37, 37},
        {"814", "1665", "2516", "3367", "4255"});
    row("static rounds every step", "player_eng_linear", false, 10, 2.5, {1, 3, 5, 7, 10},
        {2.5, 2.5, 2.5, 2.5, 2.5}, {"3", "9", "15", "21", "30"});
    row("logarithmic, level 1 gets 0", "player_eng_curve", false, 10, 0, {1, 3, 5, 7, 10},
        {0, 11, 16, 19, 22}, {"0", "18", "47", "83", "146"});
    row("linear totals in exponent notation", "player_eng_mmo", false, 4000, 130,
        {799, 1599, 2399, 3199, 4000}, {1039, 2079, 3119, 4159, 5200},
        {"415520", "1.66304e+06", "3.74256e+06", "6.65408e+06", "1.04028e+07"});
}

void TestRampPages::engram_preview()
{
    QFETCH(QString, style);
    QFETCH(bool, reverse);
    QFETCH(int, levels);
    QFETCH(double, scaling);
    QFETCH(Levels, sample_levels);
    QFETCH(Numbers, points);
    QFETCH(QStringList, totals);
    MainWindow window;
    child<QRadioButton>(window, style)->click();
    child<QCheckBox>(window, "player_eng_reverse_mode")->setChecked(reverse);
    if (levels)
        child<QSpinBox>(window, "player_target_lvl")->setValue(levels);
    if (scaling > 0)
        child<QDoubleSpinBox>(window, "player_eng_difficulty")->setValue(scaling);
    child<QPushButton>(window, "player_eng_refresh_button")->click();

    auto *table = child<QTableWidget>(window, "estimated_eng");
    QCOMPARE(column_texts(table, 0), as_text(sample_levels));
    QCOMPARE(column_texts(table, 1), as_text(points));
    QCOMPARE(column_texts(table, 2), totals);
    QCOMPARE(table->item(4, 2)->textAlignment(), int(Qt::AlignCenter));
}

void TestRampPages::spin_box_value_truncates_into_slider()
{
    MainWindow window;
    operate(window, "player_curve player_xp_difficulty=1.001 player_xp_refresh_button");
    QCOMPARE(child<QSlider>(window, "slider_player_xp_difficulty")->value(), 1000);
    QCOMPARE(child<QDoubleSpinBox>(window, "player_xp_difficulty")->value(), 1.001);
    const auto expected = player_xp_preview(XpStyle::ComplexCurve, 1.001, 115);
    QCOMPARE(child<QTableWidget>(window, "estimated_player_xp")->item(3, 1)->text(),
             format_number(expected->values[3]));
}

void TestRampPages::one_change_refreshes_live_preview_once_data()
{
    QTest::addColumn<QString>("ramp");
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("value");
    const auto row = [](const char *ramp, const char *control, double value) {
        QTest::newRow(control) << QString(ramp) << QString(control) << value;
    };
    row("player", "player_xp_difficulty", 300.5);
    row("player", "slider_player_xp_difficulty", 300500);
    row("engram", "player_eng_difficulty", 50.25);
    row("engram", "player_eng_difficulty_slider", 50250);
    row("engram", "no_player_xp_max_engram_level", 200);
    row("creature", "dino_difficulty", 300.5);
    row("creature", "slider_dino_difficulty", 300500);
    row("creature", "dino_target_level", 90);
    row("creature", "slider_dino_level", 90);
}

void TestRampPages::one_change_refreshes_live_preview_once()
{
    QFETCH(QString, ramp);
    QFETCH(QString, control);
    QFETCH(double, value);
    MainWindow window;
    child<QCheckBox>(window, kRamps[ramp].live)->click();
    RefreshCounter refreshes(child<QTableWidget>(window, kRamps[ramp].table));
    set_value(child<QWidget>(window, control), value);
    QCOMPARE(refreshes.count(), 1);
}

void TestRampPages::player_level_pair_refreshes_twice()
{
    MainWindow window;
    child<QCheckBox>(window, "player_xp_param_live_refresh")->click();
    auto *slider = child<QSlider>(window, "slider_player_max_lvl");
    RefreshCounter refreshes(child<QTableWidget>(window, "estimated_player_xp"));
    child<QSpinBox>(window, "player_target_lvl")->setValue(150);
    QCOMPARE(slider->value(), 150);
    QCOMPARE(refreshes.count(), 2);
    slider->setValue(160);
    QCOMPARE(child<QSpinBox>(window, "player_target_lvl")->value(), 160);
    QCOMPARE(refreshes.count(), 4);
}

void TestRampPages::preset_refreshes_with_previous_style()
{
    // The preset stores its style last: live refreshes during it still use the exponential
    // formula, now with the curve's scaling.
    MainWindow window;
    child<QCheckBox>(window, "player_xp_param_live_refresh")->click();
    child<QRadioButton>(window, "player_curve")->click();
    const auto exponential = player_xp_preview(XpStyle::Exponential, 865.692, 115);
    auto *table = child<QTableWidget>(window, "estimated_player_xp");
    QCOMPARE(table->item(3, 1)->text(), format_number(exponential->values[3]));
    child<QPushButton>(window, "player_xp_refresh_button")->click();
    QCOMPARE(table->item(3, 1)->text(), format_number(6473537));
}

void TestRampPages::player_skip_shows_engram_level_input()
{
    MainWindow window;
    window.show();
    auto *input = child<QSpinBox>(window, "no_player_xp_max_engram_level");
    operate(window, "player_skip");
    QVERIFY(!input->isHidden());
    QVERIFY(!child<QLabel>(window, "no_player_xp_notification")->isHidden());
    // The engram preview now counts its own levels, not the player's.
    operate(window, "no_player_xp_max_engram_level=10 player_target_lvl=300 "
                    "player_eng_refresh_button");
    QCOMPARE(child<QTableWidget>(window, "estimated_eng")->item(4, 0)->text(),
             QStringLiteral("10"));
    child<QRadioButton>(window, "player_mmo")->click();
    QVERIFY(input->isHidden());
}

void TestRampPages::copy_takes_player_settings_data()
{
    QTest::addColumn<QString>("player_style");
    QTest::addColumn<QString>("creature_style");
    QTest::newRow("exponential") << QString("player_mmo") << QString("dino_mmo");
    QTest::newRow("linear") << QString("player_linear") << QString("dino_lin");
    QTest::newRow("curve") << QString("player_curve") << QString("dino_curve");
    QTest::newRow("skipped player, creature stock")
        << QString("player_skip") << QString("dino_skip");
}

void TestRampPages::copy_takes_player_settings()
{
    QFETCH(QString, player_style);
    QFETCH(QString, creature_style);
    MainWindow window;
    window.show();
    operate(window, player_style + " player_target_lvl=120 copy_player2dino_settings");

    QVERIFY(child<QRadioButton>(window, creature_style)->isChecked());
    QCOMPARE(child<QSlider>(window, "slider_dino_level")->value(), 120);
    auto *table = child<QTableWidget>(window, "estimated_dino_xp");
    for (int column = 0; column < 2; ++column)
        QCOMPARE(column_texts(table, column), QVector<QString>(4, QStringLiteral(" -- ")).toList());
    QVERIFY(!child<QPushButton>(window, "btn_revert")->isHidden());
    QVERIFY(child<QWidget>(window, "dino_difficulty")->isEnabled());
}

void TestRampPages::copy_of_stock_locks_creature_controls()
{
    MainWindow window;
    operate(window, "dino_lin player_stock copy_player2dino_settings");
    QVERIFY(child<QRadioButton>(window, "dino_lin")->isChecked());
    const QStringList controls{"dino_difficulty",           "dino_target_level",
                               "dino_xp_real_time_refresh", "dino_xp_refresh_button",
                               "estimated_dino_xp",         "slider_dino_difficulty",
                               "slider_dino_level"};
    for (const QString &name : controls)
        QVERIFY2(!child<QWidget>(window, name)->isEnabled(), qPrintable(name));

    child<QPushButton>(window, "btn_revert")->click();
    for (const QString &name : controls)
        QVERIFY2(child<QWidget>(window, name)->isEnabled(), qPrintable(name));
    QVERIFY(child<QPushButton>(window, "btn_revert")->isHidden());
    // The revert refreshes the table whether or not real-time refresh is on.
    QCOMPARE(child<QTableWidget>(window, "estimated_dino_xp")->item(3, 1)->text(),
             format_number(2525040));
}

void TestRampPages::two_copies_then_revert_restore_first_copy()
{
    MainWindow window;
    // The first copy makes the creature ramp linear at the player's 56.785; the second saves
    // that state and takes the exponential style.
    operate(window, "dino_curve player_linear copy_player2dino_settings player_mmo "
                    "copy_player2dino_settings");
    QVERIFY(child<QRadioButton>(window, "dino_mmo")->isChecked());
    child<QPushButton>(window, "btn_revert")->click();
    QVERIFY(child<QRadioButton>(window, "dino_lin")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(window, "dino_difficulty")->value(), 56.785);
    QCOMPARE(child<QSlider>(window, "slider_dino_difficulty")->value(), 56785);
    QCOMPARE(child<QSpinBox>(window, "dino_target_level")->value(), 115);
}

void TestRampPages::revert_to_creature_stock_moves_on()
{
    MainWindow window;
    auto *pages = child<QStackedWidget>(window, "stackedWidget");
    operate(window, "dino_skip");
    pages->setCurrentIndex(6);
    operate(window, "copy_player2dino_settings");
    QVERIFY(child<QRadioButton>(window, "dino_mmo")->isChecked());
    child<QPushButton>(window, "btn_revert")->click();
    QVERIFY(child<QRadioButton>(window, "dino_skip")->isChecked());
    QCOMPARE(pages->currentIndex(), 7);
}

void TestRampPages::creature_styles_clear_lock()
{
    MainWindow window;
    // The stock option drops the lock but leaves the controls as they were.
    operate(window, "player_stock copy_player2dino_settings dino_skip");
    QVERIFY(!child<QWidget>(window, "dino_difficulty")->isEnabled());
    operate(window, "copy_player2dino_settings dino_curve");
    QVERIFY(child<QWidget>(window, "dino_difficulty")->isEnabled());
    QVERIFY(child<QWidget>(window, "slider_dino_level")->isEnabled());
    QCOMPARE(child<QDoubleSpinBox>(window, "dino_difficulty")->value(), 1448.906);
}

// Text widths are measured in the fonts the program uses.
void TestRampPages::initTestCase()
{
    install_font_fallbacks();
}

void TestRampPages::preview_cells_fit_their_columns_data()
{
    QTest::addColumn<QString>("ramp");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("level_count");
    QTest::addColumn<bool>("largest");
    const std::pair<const char *, QStringList> styles[] = {
        {"player", {"player_curve", "player_mmo", "player_linear"}},
        {"engram",
         {"player_eng_curve", "player_eng_mmo", "player_eng_linear", "player_eng_reverse_mode"}},
        {"creature", {"dino_curve", "dino_mmo", "dino_lin"}}};
    for (const auto &[ramp, buttons] : styles)
        for (const QString &style : buttons)
            for (int level_count : {10, 4000})
                for (bool largest : {false, true})
                    QTest::addRow("%s, %d levels, %s scaling", qPrintable(style), level_count,
                                  largest ? "largest" : "smallest")
                        << QString(ramp) << style << level_count << largest;
}

// No cell wraps or cuts its text off: each column is as wide as its widest cell, and all
// columns fit the table.
void TestRampPages::preview_cells_fit_their_columns()
{
    QFETCH(QString, ramp);
    QFETCH(QString, style);
    QFETCH(int, level_count);
    QFETCH(bool, largest);
    const Ramp &controls = kRamps[ramp];
    MainWindow window;
    window.show();
    QTableWidget *preview = child<QTableWidget>(window, controls.table);
    child<QStackedWidget>(window, "stackedWidget")->setCurrentIndex(controls.page);
    operate(window, style + " " + controls.live);
    child<QSpinBox>(window, controls.levels)->setValue(level_count);
    auto *scale = child<QDoubleSpinBox>(window, controls.scaling);
    scale->setValue(largest ? scale->maximum() : scale->minimum());
    QCoreApplication::processEvents(); // the columns are laid out when the event loop runs

    QAbstractItemView *cells = preview; // sizeHintForColumn is public here
    for (int column = 0; column < preview->columnCount(); ++column)
        QVERIFY2(cells->sizeHintForColumn(column) <= preview->columnWidth(column),
                 qPrintable(QStringLiteral("column %1, %2 wide: %3")
                                .arg(column)
                                .arg(preview->columnWidth(column))
                                .arg(column_texts(preview, column).join(QStringLiteral(" | ")))));
    const int last = preview->columnCount() - 1;
    QVERIFY(preview->columnViewportPosition(last) + preview->columnWidth(last) <=
            preview->viewport()->width());
}

void TestRampPages::out_of_date_preview_is_marked_data()
{
    QTest::addColumn<QString>("ramp");
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("value");
    QTest::newRow("player levels") << "player"
                                   << "player_target_lvl" << 4000.0;
    QTest::newRow("player scaling") << "player"
                                    << "player_xp_difficulty" << 300.5;
    QTest::newRow("engram points of the player levels") << "engram"
                                                        << "player_target_lvl" << 200.0;
    QTest::newRow("engram scaling") << "engram"
                                    << "player_eng_difficulty" << 50.25;
    QTest::newRow("engram points reversed") << "engram"
                                            << "player_eng_reverse_mode" << 1.0;
    QTest::newRow("creature levels") << "creature"
                                     << "dino_target_level" << 4000.0;
    QTest::newRow("creature scaling") << "creature"
                                      << "dino_difficulty" << 1.5;
}

void TestRampPages::out_of_date_preview_is_marked()
{
    QFETCH(QString, ramp);
    QFETCH(QString, control);
    QFETCH(double, value);
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
    QWidget *widget = child<QWidget>(window, control);
    const double start =
        widget->property(qobject_cast<QAbstractButton *>(widget) ? "checked" : "value").toDouble();
    const QStringList shown = column_texts(preview, 1);

    QCOMPARE(marked(), 0);
    set_value(widget, value);
    QCOMPARE(marked(), 1);
    QCOMPARE(column_texts(preview, 1), shown); // the numbers wait for a refresh
    set_value(widget, start);
    QCOMPARE(marked(), 0);
    set_value(widget, value);
    refresh_button->click();
    QCOMPARE(marked(), 0);
    QVERIFY(column_texts(preview, 1) != shown);

    // While the preview follows every change, it is never out of date.
    set_value(widget, start);
    QCOMPARE(marked(), 1);
    child<QCheckBox>(window, kRamps[ramp].live)->click();
    QCOMPARE(marked(), 0);
    set_value(widget, value);
    QCOMPARE(marked(), 0);
}

QTEST_MAIN(TestRampPages)
#include "tst_ramp_pages.moc"
