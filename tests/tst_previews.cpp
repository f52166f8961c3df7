// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramp_formulas_again.h"
#include "ramps/format_number.h"
#include "ramps/previews.h"

#include <QtTest>

class TestPreviews : public QObject
{
    Q_OBJECT

private slots:
    // How a preview cell spells a number.
    void cell_numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        // Up to nine characters: three groups with blanks that stay even when a group is empty.
        QTest::newRow("zero, two trailing blanks") << 0.0 << "0  ";
        QTest::newRow("three digits, two trailing blanks") << 999.0 << "999  ";
        QTest::newRow("four digits, one trailing blank") << 1000.0 << "1 000 ";
        QTest::newRow("seven digits, no trailing blank") << 4000000.0 << "4 000 000";
        QTest::newRow("rounds to the nearest whole number") << 56785.4 << "56 785 ";

        // From ten characters: the leading unit with two decimals cut off, and a suffix.
        QTest::newRow("10 chars, M") << 1234567890.0 << "1 234.56 M";
        QTest::newRow("decimals are cut, not rounded") << 1999999999.0 << "1 999.99 M";
        QTest::newRow("12 chars, M") << 123456789012.0 << "123 456.78 M";
        QTest::newRow("13 chars, G!") << 1234567890123.0 << "1 234.56 G!";
        QTest::newRow("16 chars, T!!") << 1234567890123456.0 << "1 234.56 T!!";
        QTest::newRow("19 chars, P!!!!") << 1e18 << "1 000.00 P!!!!";
        QTest::newRow("21 chars, P!!!!") << 1e20 << "100 000.00 P!!!!";
        QTest::newRow("22 chars") << 1e21 << "error";

        // The sign counts as a character of the first group.
        QTest::newRow("overflow marker") << -1.0 << "Error";
        QTest::newRow("-2") << -2.0 << "-2  ";
        QTest::newRow("-12345678") << -12345678.0 << "-12 345 678";
        QTest::newRow("-123456789, a lone sign as first group") << -123456789.0 << "- 123.45 M";
        QTest::newRow("negative 22 chars") << -1e20 << "error";
    }

    void cell_numbers()
    {
        QFETCH(double, value);
        QTEST(format_number(value), "text");
    }

    // `within`: no level of the exponential ramp passes the limit.
    void xp_previews_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("levels");
        QTest::addColumn<bool>("within");
        QTest::newRow("curve, the creature's factor 14.5 rounds up") << 1 << 1450.0 << 71 << true;
        QTest::newRow("curve below 50, the creature's factor 0") << 1 << 49.999 << 71 << true;
        QTest::newRow("linear, three quarters of 10 truncated") << 3 << 1.0 << 10 << true;
        for (const auto &[scale, last_within] :
             {std::pair{466.627, 222}, {469.311, 208}, {500.0, 17}}) {
            QTest::addRow("exponential %g at %d", scale, last_within)
                << 2 << scale << last_within << true;
            QTest::addRow("exponential %g at %d", scale, last_within + 1)
                << 2 << scale << last_within + 1 << false;
        }
        // Level 1 is never checked, so fewer than two levels always pass.
        QTest::newRow("exponential 500 at 1") << 2 << 500.0 << 1 << true;
    }

    // Samples at each quarter of the levels, from the formulas, marked from the first level past
    // the limit on: as page navigation, which asks xp_within_limit. The creature's complex curve
    // rounds its factor scale / 100 to a whole number, the player's does not. The first level
    // past the limit is the same searched from any level count past it.
    void xp_previews()
    {
        QFETCH(int, style);
        QFETCH(double, scale);
        QFETCH(int, levels);
        if (style == 2) {
            QTEST(xp_within_limit(scale, levels), "within");
            if (!xp_within_limit(scale, levels)) {
                const int past = first_level_past_limit(scale, levels);
                QVERIFY(xp_within_limit(scale, past - 1) && !xp_within_limit(scale, past));
                QCOMPARE(first_level_past_limit(scale, 4000), past);
            }
        }
        for (const auto &[preview, factor] :
             {std::pair{player_xp_preview(style, scale, levels), scale / 100},
              {creature_xp_preview(style, scale, levels), std::round(scale / 100)}}) {
            QVERIFY(preview);
            for (int r = 0; r < 4; ++r) {
                const int level = levels * (r + 1) / 4;
                QCOMPARE(preview->levels[r], level);
                QCOMPARE(preview->values[r], style == 2 && !xp_within_limit(scale, level)
                                                 ? kOverflowMarker
                                                 : xp_at(style, scale, factor, level));
            }
            QCOMPARE(preview->overflowed, preview->values[3] == kOverflowMarker);
        }
    }

    void engram_previews_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("levels");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("logarithmic, level 1 gets 0") << 1 << 91.598 << 10 << false;
        QTest::newRow("logarithmic reversed") << 1 << 91.598 << 115 << true;
        QTest::newRow("linear, totals past a million") << 2 << 130.0 << 4000 << false;
        QTest::newRow("linear reversed") << 2 << 63.987 << 37 << true;
        QTest::newRow("static rounds the running total") << 3 << 2.5 << 10 << false;
    }

    // Samples one level below each fifth of the levels and at the last, with the running total.
    // Reversed, the logarithm counts down from the level count and the linear factor from one
    // below it. The static style's points need not be whole: its running total is rounded at
    // every level.
    void engram_previews()
    {
        QFETCH(int, style);
        QFETCH(double, scale);
        QFETCH(int, levels);
        QFETCH(bool, reverse);
        const auto preview = engram_preview(style, scale, levels, reverse);
        QVERIFY(preview);
        const int mirror = style == 1 ? levels + 1 : levels;
        double total = 0;
        for (int level = 1, r = 0; level <= levels; ++level) {
            const double points = engram_points_at(style, scale, 1 + (102.5 - scale) / 100,
                                                   scale / 100, reverse ? mirror - level : level);
            total = style == 3 ? std::round(total + points) : total + points;
            if (level == (r < 4 ? levels * (r + 1) / 5 - 1 : levels)) {
                QCOMPARE(preview->levels[r], level);
                QCOMPARE(preview->points[r], points);
                QCOMPARE(preview->totals[r], std::uint32_t(total));
                ++r;
            }
        }
    }

    void no_preview_without_a_style()
    {
        for (const int style : {0, 4})
            QVERIFY(!player_xp_preview(style, 100, 10) && !creature_xp_preview(style, 100, 10) &&
                    !engram_preview(style, 50, 10, false));
    }
};

QTEST_APPLESS_MAIN(TestPreviews)
#include "tst_previews.moc"
