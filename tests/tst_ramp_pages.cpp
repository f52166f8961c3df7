#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"
#include "ramps/format_number.h"
#include "ramps/previews.h"

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

static const ResourceBundle resources;

namespace
{
using Numbers = QVector<double>;
using Levels = QVector<int>;

template <typename T> T *child(QWidget &window, const QString &name)
{
    auto *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

QStringList column(QTableWidget *table, int index)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, index) ? table->item(row, index)->text() : QString());
    return texts;
}

QStringList as_levels(const Levels &levels)
{
    QStringList texts;
    for (int level : levels)
        texts << QString::number(level);
    return texts;
}

QStringList as_preview(const Numbers &values)
{
    QStringList texts;
    for (double value : values)
        texts << format_number(value);
    return texts;
}

// Counts refreshes of a preview: each one replaces every cell of the table once.
class RefreshCounter
{
public:
    explicit RefreshCounter(QTableWidget *table)
        : spy(table->model(), &QAbstractItemModel::dataChanged),
          cells(table->rowCount() * table->columnCount())
    {
    }
    int count() const { return spy.count() / cells; }
    bool whole() const { return spy.count() % cells == 0; }

private:
    QSignalSpy spy;
    int cells;
};
} // namespace

class TestRampPages : public QObject
{
    Q_OBJECT

private slots:
    void player_preview_data();
    void player_preview();
    void creature_preview_data();
    void creature_preview();
    void engram_preview_data();
    void engram_preview();
    void error_label_follows_exponential_overflow();
    void spin_box_value_truncates_into_slider();
    void one_change_refreshes_live_preview_once_data();
    void one_change_refreshes_live_preview_once();
    void player_level_pair_refreshes_twice();
    void live_refresh_check_box_swaps_refresh_button_data();
    void live_refresh_check_box_swaps_refresh_button();
    void preset_refreshes_with_previous_style();
    void player_skip_shows_engram_level_input();
    void copy_takes_player_settings_data();
    void copy_takes_player_settings();
    void copy_of_stock_locks_creature_controls();
    void two_copies_then_revert_restore_first_copy();
    void revert_to_creature_stock_moves_on();
    void creature_styles_clear_lock();
};

// Rows: style button on the style page, level count (0 keeps the preset's), scaling (0 keeps
// the preset's), then the expected sample levels and values.
void TestRampPages::player_preview_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("levels");
    QTest::addColumn<double>("scaling");
    QTest::addColumn<Levels>("sample_levels");
    QTest::addColumn<Numbers>("values");
    QTest::newRow("exponential preset") << "player_mmo" << 0 << 0.0 << Levels{28, 57, 86, 115}
                                        << Numbers{5804, 37493, 166049, 6472792};
    QTest::newRow("linear preset") << "player_linear" << 0 << 0.0 << Levels{28, 57, 86, 115}
                                   << Numbers{1533195, 3179960, 4826725, 6473490};
    QTest::newRow("complex curve preset") << "player_curve" << 0 << 0.0 << Levels{28, 57, 86, 115}
                                          << Numbers{89443, 775941, 2692839, 6473537};
    QTest::newRow("exponential overflowing at 300 levels")
        << "player_mmo" << 300 << 0.0 << Levels{75, 150, 225, 300}
        << Numbers{85797, 2291686865., -1, -1};
    QTest::newRow("linear at 10 levels")
        << "player_linear" << 10 << 1.0 << Levels{2, 5, 7, 10} << Numbers{1000, 4000, 6000, 9000};
}

void TestRampPages::player_preview()
{
    QFETCH(QString, style);
    QFETCH(int, levels);
    QFETCH(double, scaling);
    QFETCH(Levels, sample_levels);
    QFETCH(Numbers, values);
    MainWindow window;
    child<QRadioButton>(window, style)->click();
    if (levels)
        child<QSpinBox>(window, "player_target_lvl")->setValue(levels);
    if (scaling > 0)
        child<QDoubleSpinBox>(window, "player_xp_difficulty")->setValue(scaling);
    child<QPushButton>(window, "player_xp_refresh_button")->click();

    auto *table = child<QTableWidget>(window, "estimated_player_xp");
    QCOMPARE(column(table, 0), as_levels(sample_levels));
    QCOMPARE(column(table, 1), as_preview(values));
    QCOMPARE(table->item(0, 1)->textAlignment(), int(Qt::AlignCenter));
}

void TestRampPages::creature_preview_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("levels");
    QTest::addColumn<double>("scaling");
    QTest::addColumn<Levels>("sample_levels");
    QTest::addColumn<Numbers>("values");
    const Levels defaults{17, 35, 53, 71};
    QTest::newRow("exponential preset")
        << "dino_mmo" << 0 << 0.0 << defaults << Numbers{1592, 10766, 58173, 2524222};
    QTest::newRow("linear preset")
        << "dino_lin" << 0 << 0.0 << defaults << Numbers{577152, 1226448, 1875744, 2525040};
    QTest::newRow("complex curve preset, factor 14")
        << "dino_curve" << 0 << 0.0 << defaults << Numbers{31535, 285425, 1006523, 2439773};
    QTest::newRow("complex curve, 1450 rounds the factor up to 15")
        << "dino_curve" << 0 << 1450.0 << defaults << Numbers{33788, 305813, 1078418, 2614043};
    QTest::newRow("complex curve below 50 has factor 0")
        << "dino_curve" << 0 << 49.999 << defaults << Numbers{0, 0, 0, 0};
    QTest::newRow("exponential overflowing at 150 levels")
        << "dino_mmo" << 150 << 0.0 << Levels{37, 75, 112, 150}
        << Numbers{12611, 6955720, 144296786451., -1};
}

void TestRampPages::creature_preview()
{
    QFETCH(QString, style);
    QFETCH(int, levels);
    QFETCH(double, scaling);
    QFETCH(Levels, sample_levels);
    QFETCH(Numbers, values);
    MainWindow window;
    child<QRadioButton>(window, style)->click();
    if (levels)
        child<QSpinBox>(window, "dino_target_level")->setValue(levels);
    if (scaling > 0)
        child<QDoubleSpinBox>(window, "dino_difficulty")->setValue(scaling);
    child<QPushButton>(window, "dino_xp_refresh_button")->click();

    auto *table = child<QTableWidget>(window, "estimated_dino_xp");
    QCOMPARE(column(table, 0), as_levels(sample_levels));
    QCOMPARE(column(table, 1), as_preview(values));
    QCOMPARE(table->item(3, 0)->textAlignment(), int(Qt::AlignCenter));
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
    const Levels fifths{22, 45, 68, 91, 115};
    QTest::newRow("logarithmic") << "player_eng_curve" << false << 0 << 0.0 << fifths
                                 << Numbers{30, 37, 41, 44, 46}
                                 << QStringList{"468", "1247", "2144", "3116", "4193"};
    QTest::newRow("reversed logarithmic")
        << "player_eng_curve" << true << 0 << 0.0 << fifths << Numbers{44, 41, 37, 31, 0}
        << QStringList{"989", "1967", "2872", "3664", "4193"};
    QTest::newRow("linear") << "player_eng_mmo" << false << 0 << 0.0 << fifths
                            << Numbers{14, 29, 44, 58, 74}
                            << QStringList{"162", "663", "1502", "2679", "4269"};
    QTest::newRow("reversed linear")
        << "player_eng_mmo" << true << 0 << 0.0 << fifths << Numbers{60, 45, 30, 15, 0}
        << QStringList{"1457", "2649", "3503", "4018", "4195"};
    QTest::newRow("static ignores reverse")
        << "player_eng_linear" << true << 0 << 0.0 << fifths << Numbers{37, 37, 37, 37, 37}
        << QStringList{"814", "1665", "2516", "3367", "4255"};
    QTest::newRow("static rounds every step")
        << "player_eng_linear" << false << 10 << 2.5 << Levels{1, 3, 5, 7, 10}
        << Numbers{2.5, 2.5, 2.5, 2.5, 2.5} << QStringList{"3", "9", "15", "21", "30"};
    QTest::newRow("logarithmic at 10 levels starts with 0 points")
        << "player_eng_curve" << false << 10 << 0.0 << Levels{1, 3, 5, 7, 10}
        << Numbers{0, 11, 16, 19, 22} << QStringList{"0", "18", "47", "83", "146"};
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
    QCOMPARE(column(table, 0), as_levels(sample_levels));
    QCOMPARE(column(table, 1), as_preview(points));
    QCOMPARE(column(table, 2), totals);
    QCOMPARE(table->item(4, 2)->textAlignment(), int(Qt::AlignCenter));
}

void TestRampPages::error_label_follows_exponential_overflow()
{
    MainWindow window;
    window.show();
    auto *levels = child<QSpinBox>(window, "player_target_lvl");
    auto *refresh = child<QPushButton>(window, "player_xp_refresh_button");
    auto *error = child<QLabel>(window, "lbl_error_player");
    levels->setValue(223); // the first level past the limit at 466.627
    refresh->click();
    QVERIFY(!error->isHidden());
    levels->setValue(222);
    refresh->click();
    QVERIFY(error->isHidden());

    auto *creature_levels = child<QSpinBox>(window, "dino_target_level");
    auto *creature_error = child<QLabel>(window, "lbl_error_dino");
    creature_levels->setValue(144);
    child<QPushButton>(window, "dino_xp_refresh_button")->click();
    QVERIFY(!creature_error->isHidden());
    QCOMPARE(child<QTableWidget>(window, "estimated_dino_xp")->item(3, 1)->text(),
             QStringLiteral("Error"));
}

void TestRampPages::spin_box_value_truncates_into_slider()
{
    MainWindow window;
    child<QRadioButton>(window, "player_curve")->click();
    auto *spin = child<QDoubleSpinBox>(window, "player_xp_difficulty");
    spin->setValue(1.001);
    QCOMPARE(child<QSlider>(window, "slider_player_xp_difficulty")->value(), 1000);
    QCOMPARE(spin->value(), 1.001);
    child<QPushButton>(window, "player_xp_refresh_button")->click();
    const auto expected = player_xp_preview(XpStyle::ComplexCurve, 1.001, 115);
    QCOMPARE(child<QTableWidget>(window, "estimated_player_xp")->item(3, 1)->text(),
             format_number(expected->values[3]));
}

void TestRampPages::one_change_refreshes_live_preview_once_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("live_box");
    QTest::addColumn<QString>("table");
    QTest::newRow("player scaling spin box")
        << "player_xp_difficulty" << 300.5 << "player_xp_param_live_refresh"
        << "estimated_player_xp";
    QTest::newRow("player scaling slider")
        << "slider_player_xp_difficulty" << 300500.0 << "player_xp_param_live_refresh"
        << "estimated_player_xp";
    QTest::newRow("engram scaling spin box")
        << "player_eng_difficulty" << 50.25 << "player_eng_real_time_refresh"
        << "estimated_eng";
    QTest::newRow("engram scaling slider")
        << "player_eng_difficulty_slider" << 50250.0 << "player_eng_real_time_refresh"
        << "estimated_eng";
    QTest::newRow("engram level input")
        << "no_player_xp_max_engram_level" << 200.0 << "player_eng_real_time_refresh"
        << "estimated_eng";
    QTest::newRow("creature scaling spin box")
        << "dino_difficulty" << 300.5 << "dino_xp_real_time_refresh"
        << "estimated_dino_xp";
    QTest::newRow("creature scaling slider")
        << "slider_dino_difficulty" << 300500.0 << "dino_xp_real_time_refresh"
        << "estimated_dino_xp";
    QTest::newRow("creature level spin box")
        << "dino_target_level" << 90.0 << "dino_xp_real_time_refresh"
        << "estimated_dino_xp";
    QTest::newRow("creature level slider")
        << "slider_dino_level" << 90.0 << "dino_xp_real_time_refresh"
        << "estimated_dino_xp";
}

void TestRampPages::one_change_refreshes_live_preview_once()
{
    QFETCH(QString, control);
    QFETCH(double, value);
    QFETCH(QString, live_box);
    QFETCH(QString, table);
    MainWindow window;
    child<QCheckBox>(window, live_box)->click();
    RefreshCounter refreshes(child<QTableWidget>(window, table));
    QWidget *widget = child<QWidget>(window, control);
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget))
        spin->setValue(value);
    else if (auto *level = qobject_cast<QSpinBox *>(widget))
        level->setValue(int(value));
    else
        qobject_cast<QSlider *>(widget)->setValue(int(value));
    QVERIFY(refreshes.whole());
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

void TestRampPages::live_refresh_check_box_swaps_refresh_button_data()
{
    QTest::addColumn<QString>("live_box");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("table");
    QTest::newRow("player") << "player_xp_param_live_refresh"
                            << "player_xp_refresh_button"
                            << "estimated_player_xp";
    QTest::newRow("engram") << "player_eng_real_time_refresh"
                            << "player_eng_refresh_button"
                            << "estimated_eng";
    QTest::newRow("creature") << "dino_xp_real_time_refresh"
                              << "dino_xp_refresh_button"
                              << "estimated_dino_xp";
}

void TestRampPages::live_refresh_check_box_swaps_refresh_button()
{
    QFETCH(QString, live_box);
    QFETCH(QString, button);
    QFETCH(QString, table);
    MainWindow window;
    auto *box = child<QCheckBox>(window, live_box);
    RefreshCounter refreshes(child<QTableWidget>(window, table));
    box->click();
    QVERIFY(child<QPushButton>(window, button)->isHidden());
    box->click();
    QVERIFY(!child<QPushButton>(window, button)->isHidden());
    QCOMPARE(refreshes.count(), 0);
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
    child<QRadioButton>(window, "player_skip")->click();
    QVERIFY(!input->isHidden());
    QVERIFY(!child<QLabel>(window, "no_player_xp_notification")->isHidden());
    // The engram preview now counts its own levels, not the player's.
    input->setValue(10);
    child<QSpinBox>(window, "player_target_lvl")->setValue(300);
    child<QPushButton>(window, "player_eng_refresh_button")->click();
    QCOMPARE(child<QTableWidget>(window, "estimated_eng")->item(4, 0)->text(),
             QStringLiteral("10"));
    child<QRadioButton>(window, "player_mmo")->click();
    QVERIFY(input->isHidden());
}

void TestRampPages::copy_takes_player_settings_data()
{
    QTest::addColumn<QString>("player_style");
    QTest::addColumn<QString>("creature_style");
    QTest::newRow("exponential") << "player_mmo"
                                 << "dino_mmo";
    QTest::newRow("linear") << "player_linear"
                            << "dino_lin";
    QTest::newRow("complex curve") << "player_curve"
                                   << "dino_curve";
    QTest::newRow("skipped player selects creature stock") << "player_skip"
                                                           << "dino_skip";
}

void TestRampPages::copy_takes_player_settings()
{
    QFETCH(QString, player_style);
    QFETCH(QString, creature_style);
    MainWindow window;
    window.show();
    child<QRadioButton>(window, player_style)->click();
    child<QSpinBox>(window, "player_target_lvl")->setValue(120);
    child<QPushButton>(window, "copy_player2dino_settings")->click();

    QVERIFY(child<QRadioButton>(window, creature_style)->isChecked());
    QCOMPARE(child<QSpinBox>(window, "dino_target_level")->value(), 120);
    QCOMPARE(child<QSlider>(window, "slider_dino_level")->value(), 120);
    // Each value lands within the range of the creature style's preset.
    auto *scaling = child<QDoubleSpinBox>(window, "dino_difficulty");
    QCOMPARE(scaling->value(),
             qBound(scaling->minimum(),
                    child<QDoubleSpinBox>(window, "player_xp_difficulty")->value(),
                    scaling->maximum()));
    QCOMPARE(child<QSlider>(window, "slider_dino_difficulty")->value(),
             int(std::lround(scaling->value() * 1000)));
    auto *table = child<QTableWidget>(window, "estimated_dino_xp");
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 2; ++col) {
            QCOMPARE(table->item(row, col)->text(), QStringLiteral(" -- "));
            QCOMPARE(table->item(row, col)->textAlignment(), int(Qt::AlignCenter));
        }
    QVERIFY(!child<QPushButton>(window, "btn_revert")->isHidden());
    QVERIFY(child<QWidget>(window, "dino_difficulty")->isEnabled());
}

void TestRampPages::copy_of_stock_locks_creature_controls()
{
    MainWindow window;
    child<QRadioButton>(window, "dino_lin")->click();
    child<QRadioButton>(window, "player_stock")->click();
    child<QPushButton>(window, "copy_player2dino_settings")->click();
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
    child<QRadioButton>(window, "dino_curve")->click();
    child<QRadioButton>(window, "player_linear")->click();
    auto *copy = child<QPushButton>(window, "copy_player2dino_settings");
    copy->click(); // creature now linear at the player's 56.785
    child<QRadioButton>(window, "player_mmo")->click();
    copy->click(); // saves the linear state, takes exponential
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
    child<QRadioButton>(window, "dino_skip")->click();
    pages->setCurrentIndex(6);
    child<QPushButton>(window, "copy_player2dino_settings")->click();
    QVERIFY(child<QRadioButton>(window, "dino_mmo")->isChecked());
    child<QPushButton>(window, "btn_revert")->click();
    QVERIFY(child<QRadioButton>(window, "dino_skip")->isChecked());
    QCOMPARE(pages->currentIndex(), 7);
}

void TestRampPages::creature_styles_clear_lock()
{
    MainWindow window;
    child<QRadioButton>(window, "player_stock")->click();
    auto *copy = child<QPushButton>(window, "copy_player2dino_settings");
    copy->click();
    // The stock option drops the lock but leaves the controls as they were.
    child<QRadioButton>(window, "dino_skip")->click();
    QVERIFY(!child<QWidget>(window, "dino_difficulty")->isEnabled());
    copy->click();
    child<QRadioButton>(window, "dino_curve")->click();
    QVERIFY(child<QWidget>(window, "dino_difficulty")->isEnabled());
    QVERIFY(child<QWidget>(window, "slider_dino_level")->isEnabled());
    QCOMPARE(child<QDoubleSpinBox>(window, "dino_difficulty")->value(), 1448.906);
}

QTEST_MAIN(TestRampPages)
#include "tst_ramp_pages.moc"
