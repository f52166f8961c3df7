#include "ramps/previews.h"
#include "ramps/ramp_styles.h"

#include <QtTest>

#include <algorithm>

using Levels = QVector<int>;
using Values = QVector<double>;
using Totals = QVector<uint>;

namespace
{

constexpr double kError = kOverflowMarker;

template <typename T, std::size_t N> QVector<T> to_vector(const std::array<T, N> &values)
{
    return QVector<T>(values.begin(), values.end());
}

template <std::size_t N> Totals to_totals(const std::array<std::uint32_t, N> &values)
{
    return Totals(values.begin(), values.end());
}

void add_xp_columns()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("levels");
    QTest::addColumn<Levels>("sample_levels");
    QTest::addColumn<Values>("values");
    QTest::addColumn<bool>("overflowed");
}

void compare_xp(const std::optional<XpPreview> &preview)
{
    QFETCH(Levels, sample_levels);
    QFETCH(Values, values);
    QFETCH(bool, overflowed);
    QVERIFY(preview);
    QCOMPARE(to_vector(preview->levels), sample_levels);
    QCOMPARE(to_vector(preview->values), values);
    QCOMPARE(preview->overflowed, overflowed);
}

} // namespace

class TestPreviews : public QObject
{
    Q_OBJECT

private slots:
    void player_xp_data();
    void player_xp();
    void creature_xp_data();
    void creature_xp();
    void overflow_boundary_data();
    void overflow_boundary();
    void exponential_with_negative_divisor_never_overflows();
    void engram_rows_data();
    void engram_rows();
    void engram_single_row_data();
    void engram_single_row();
    void unknown_style_gives_no_preview_data();
    void unknown_style_gives_no_preview();
    void xp_within_limit_data();
    void xp_within_limit();
};

void TestPreviews::player_xp_data()
{
    add_xp_columns();
    const Levels defaults{28, 57, 86, 115};
    QTest::newRow("exponential preset") << int(XpStyle::Exponential) << 466.627 << 115 << defaults
                                        << Values{5804, 37493, 166049, 6472792} << false;
    QTest::newRow("linear preset") << int(XpStyle::Linear) << 56.785 << 115 << defaults
                                   << Values{1533195, 3179960, 4826725, 6473490} << false;
    QTest::newRow("complex curve preset")
        << int(XpStyle::ComplexCurve) << 865.692 << 115 << defaults
        << Values{89443, 775941, 2692839, 6473537} << false;
    // The player curve keeps the fraction of scale / 100 (the creature curve rounds it).
    QTest::newRow("complex curve, factor 14.5")
        << int(XpStyle::ComplexCurve) << 1450.0 << 71 << Levels{17, 35, 53, 71}
        << Values{32661, 295619, 1042470, 2526908} << false;
    QTest::newRow("complex curve, factor 0.5")
        << int(XpStyle::ComplexCurve) << 50.0 << 71 << Levels{17, 35, 53, 71}
        << Values{1126, 10194, 35947, 87135} << false;
    QTest::newRow("exponential overflowing at 223")
        << int(XpStyle::Exponential) << 466.627 << 300 << Levels{75, 150, 225, 300}
        << Values{85797, 2291686865, kError, kError} << true;
    QTest::newRow("smallest level count")
        << int(XpStyle::Linear) << 1.0 << 10 << Levels{2, 5, 7, 10}
        << Values{1000, 4000, 6000, 9000} << false;
}

void TestPreviews::player_xp()
{
    QFETCH(int, style);
    QFETCH(double, scale);
    QFETCH(int, levels);
    compare_xp(player_xp_preview(style, scale, levels));
}

void TestPreviews::creature_xp_data()
{
    add_xp_columns();
    const Levels defaults{17, 35, 53, 71};
    QTest::newRow("exponential preset") << int(XpStyle::Exponential) << 480.933 << 71 << defaults
                                        << Values{1592, 10766, 58173, 2524222} << false;
    QTest::newRow("linear preset") << int(XpStyle::Linear) << 36.072 << 71 << defaults
                                   << Values{577152, 1226448, 1875744, 2525040} << false;
    QTest::newRow("complex curve preset, factor 14")
        << int(XpStyle::ComplexCurve) << 1448.906 << 71 << defaults
        << Values{31535, 285425, 1006523, 2439773} << false;
    QTest::newRow("complex curve, 14.5 rounds up to 15")
        << int(XpStyle::ComplexCurve) << 1450.0 << 71 << defaults
        << Values{33788, 305813, 1078418, 2614043} << false;
    QTest::newRow("complex curve, 0.5 rounds up to 1")
        << int(XpStyle::ComplexCurve) << 50.0 << 71 << defaults
        << Values{2253, 20388, 71895, 174270} << false;
    QTest::newRow("complex curve, below 50 the factor is 0")
        << int(XpStyle::ComplexCurve) << 49.999 << 71 << defaults << Values{0, 0, 0, 0} << false;
    QTest::newRow("exponential overflowing at 144")
        << int(XpStyle::Exponential) << 480.933 << 150 << Levels{37, 75, 112, 150}
        << Values{12611, 6955720, 144296786451, kError} << true;
}

void TestPreviews::creature_xp()
{
    QFETCH(int, style);
    QFETCH(double, scale);
    QFETCH(int, levels);
    compare_xp(creature_xp_preview(style, scale, levels));
}

void TestPreviews::overflow_boundary_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("first_overflowing");

    QTest::newRow("player preset") << 466.627 << 223;
    QTest::newRow("469.311") << 469.311 << 209;
    QTest::newRow("500") << 500.0 << 18;
    QTest::newRow("creature preset") << 480.933 << 144;
}

// The last sample is the level count itself, so the marker appears exactly when the level
// count reaches the first overflowing level, and page navigation agrees with the preview.
void TestPreviews::overflow_boundary()
{
    QFETCH(double, scale);
    QFETCH(int, first_overflowing);

    for (const auto preview_of : {player_xp_preview, creature_xp_preview}) {
        const auto below = preview_of(XpStyle::Exponential, scale, first_overflowing - 1);
        QVERIFY(below);
        QVERIFY(!below->overflowed);
        QVERIFY(std::none_of(below->values.begin(), below->values.end(),
                             [](double v) { return v == kError; }));
        QVERIFY(::xp_within_limit(scale, first_overflowing - 1));

        const auto at = preview_of(XpStyle::Exponential, scale, first_overflowing);
        QVERIFY(at);
        QVERIFY(at->overflowed);
        QCOMPARE(at->values[3], kError);
        QVERIFY(at->values[2] > 0);
        QVERIFY(!::xp_within_limit(scale, first_overflowing));
    }
}

// A complex-curve scaling can meet the exponential formula while a preset changes the style;
// a negative divisor makes pow(i, i / e) vanish instead of growing.
void TestPreviews::exponential_with_negative_divisor_never_overflows()
{
    const auto preview = player_xp_preview(XpStyle::Exponential, 865.692, 4000);
    QVERIFY(preview);
    QVERIFY(!preview->overflowed);
    QVERIFY(std::is_sorted(preview->values.begin(), preview->values.end()));
    QVERIFY(preview->values[0] > 0);
}

void TestPreviews::engram_rows_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<Levels>("sample_levels");
    QTest::addColumn<Values>("points");
    QTest::addColumn<Totals>("totals");

    const Levels fifths{22, 45, 68, 91, 115};
    QTest::newRow("logarithmic") << int(EngramStyle::Logarithmic) << 91.598 << 115 << false
                                 << fifths << Values{30, 37, 41, 44, 46}
                                 << Totals{468, 1247, 2144, 3116, 4193};
    QTest::newRow("logarithmic reversed")
        << int(EngramStyle::Logarithmic) << 91.598 << 115 << true << fifths
        << Values{44, 41, 37, 31, 0} << Totals{989, 1967, 2872, 3664, 4193};
    QTest::newRow("linear") << int(EngramStyle::Linear) << 63.987 << 115 << false << fifths
                            << Values{14, 29, 44, 58, 74} << Totals{162, 663, 1502, 2679, 4269};
    QTest::newRow("linear reversed")
        << int(EngramStyle::Linear) << 63.987 << 115 << true << fifths << Values{60, 45, 30, 15, 0}
        << Totals{1457, 2649, 3503, 4018, 4195};
    const Values static_points{37, 37, 37, 37, 37};
    const Totals static_totals{814, 1665, 2516, 3367, 4255};
    QTest::newRow("static") << int(EngramStyle::Static) << 37.0 << 115 << false << fifths
                            << static_points << static_totals;
    QTest::newRow("static ignores reverse") << int(EngramStyle::Static) << 37.0 << 115 << true
                                            << fifths << static_points << static_totals;
    // Every step rounds the total, so 2.5 per level adds 3 at each level.
    QTest::newRow("static 2.5 rounds the total")
        << int(EngramStyle::Static) << 2.5 << 10 << false << Levels{1, 3, 5, 7, 10}
        << Values{2.5, 2.5, 2.5, 2.5, 2.5} << Totals{3, 9, 15, 21, 30};
}

void TestPreviews::engram_rows()
{
    QFETCH(int, style);
    QFETCH(double, scale);
    QFETCH(int, levels);
    QFETCH(bool, reverse);
    QFETCH(Levels, sample_levels);
    QFETCH(Values, points);
    QFETCH(Totals, totals);

    const auto preview = engram_preview(style, scale, levels, reverse);
    QVERIFY(preview);
    QCOMPARE(to_vector(preview->levels), sample_levels);
    QCOMPARE(to_vector(preview->points), points);
    QCOMPARE(to_totals(preview->totals), totals);
}

void TestPreviews::engram_single_row_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("points");
    QTest::addColumn<uint>("total");

    QTest::newRow("logarithmic, level 1 gets nothing")
        << int(EngramStyle::Logarithmic) << 91.598 << 10 << 0 << 1 << 0.0 << 0u;
    QTest::newRow("linear, largest total")
        << int(EngramStyle::Linear) << 130.0 << 4000 << 4 << 4000 << 5200.0 << 10402800u;
}

void TestPreviews::engram_single_row()
{
    QFETCH(int, style);
    QFETCH(double, scale);
    QFETCH(int, levels);
    QFETCH(int, row);
    QFETCH(int, level);
    QFETCH(double, points);
    QFETCH(uint, total);

    const auto preview = engram_preview(style, scale, levels, false);
    QVERIFY(preview);
    QCOMPARE(preview->levels[row], level);
    QCOMPARE(preview->points[row], points);
    QCOMPARE(uint(preview->totals[row]), total);
}

void TestPreviews::unknown_style_gives_no_preview_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("0") << 0;
    QTest::newRow("4") << 4;
    QTest::newRow("-1") << -1;
}

void TestPreviews::unknown_style_gives_no_preview()
{
    QFETCH(int, style);
    QVERIFY(!player_xp_preview(style, 466.627, 115));
    QVERIFY(!creature_xp_preview(style, 480.933, 71));
    QVERIFY(!engram_preview(style, 91.598, 115, false));
}

void TestPreviews::xp_within_limit_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("within");

    QTest::newRow("player preset") << 466.627 << 115 << true;
    QTest::newRow("466.627 at 222") << 466.627 << 222 << true;
    QTest::newRow("466.627 at 223") << 466.627 << 223 << false;
    QTest::newRow("469.311 at 208") << 469.311 << 208 << true;
    QTest::newRow("469.311 at 209") << 469.311 << 209 << false;
    QTest::newRow("500 at 17") << 500.0 << 17 << true;
    QTest::newRow("500 at 18") << 500.0 << 18 << false;
    QTest::newRow("500 at 4000") << 500.0 << 4000 << false;
    QTest::newRow("creature preset") << 480.933 << 71 << true;
    QTest::newRow("480.933 at 143") << 480.933 << 143 << true;
    QTest::newRow("480.933 at 144") << 480.933 << 144 << false;
    // Level 1 is never checked, so fewer than two levels always pass.
    QTest::newRow("one level") << 500.0 << 1 << true;
}

void TestPreviews::xp_within_limit()
{
    QFETCH(double, scale);
    QFETCH(int, levels);
    QFETCH(bool, within);
    QCOMPARE(::xp_within_limit(scale, levels), within);
}

QTEST_APPLESS_MAIN(TestPreviews)
#include "tst_previews.moc"
