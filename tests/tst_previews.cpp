// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/format_number.h"
#include "ramps/previews.h"
#include "ramps/ramp_styles.h"

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

    void overflow_boundary_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("levels");
        QTest::addColumn<bool>("within");
        for (const auto &[scale, last_within] :
             {std::pair{466.627, 222}, {469.311, 208}, {500.0, 17}}) {
            QTest::addRow("%g at %d", scale, last_within) << scale << last_within << true;
            QTest::addRow("%g at %d", scale, last_within + 1) << scale << last_within + 1 << false;
        }
        // Level 1 is never checked, so fewer than two levels always pass.
        QTest::newRow("500 at 1") << 500.0 << 1 << true;
    }

    // The last sample of a preview is the level count itself, so its marker shows exactly when
    // xp_within_limit fails, and page navigation agrees with what the preview shows. The first
    // level past the limit is the same searched from any level count past it.
    void overflow_boundary()
    {
        QFETCH(double, scale);
        QFETCH(int, levels);
        QFETCH(bool, within);
        QCOMPARE(xp_within_limit(scale, levels), within);
        if (!within) {
            QCOMPARE(first_level_past_limit(scale, levels), levels);
            QCOMPARE(first_level_past_limit(scale, 4000), levels);
        }
        for (const auto preview_of : {player_xp_preview, creature_xp_preview}) {
            const auto preview = preview_of(XpStyle::Exponential, scale, levels);
            QVERIFY(preview);
            QCOMPARE(preview->overflowed, !within);
            QCOMPARE(preview->values[3] == kOverflowMarker, !within);
        }
    }
};

QTEST_APPLESS_MAIN(TestPreviews)
#include "tst_previews.moc"
