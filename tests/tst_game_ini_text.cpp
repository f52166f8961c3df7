// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_ini_lines.h"
#include "output/game_ini_text.h"
#include "ramp_formulas_again.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Player = GameIniChoices::Player;
using Creature = GameIniChoices::Creature;
using Engram = GameIniChoices::Engram;

// The game's table, typed out again here so that a slip in either copy shows.
const Numbers kStock{
    5,       20,      40,      70,      120,     190,     270,     360,     450,     550,
    660,     780,     910,     1050,    1200,    1360,    1530,    1710,    1900,    2100,
    2310,    2530,    2760,    3000,    3250,    3510,    3780,    4060,    4350,    4650,
    4960,    5280,    5610,    5950,    6300,    6660,    7030,    7410,    7800,    8200,
    8610,    9030,    9460,    9900,    10350,   10810,   11280,   11760,   12250,   12750,
    13260,   13780,   14310,   14850,   15400,   15960,   16530,   17110,   17700,   18850,
    21078,   22448,   23908,   25462,   27498,   30248,   34786,   40004,   46804,   54761,
    63713,   73000,   85000,   98000,   112000,  127500,  144500,  163500,  184500,  207500,
    232570,  259896,  289681,  323189,  360886,  403318,  451484,  506186,  566358,  632547,
    705354,  785441,  873538,  971538,  1083538, 1213538, 1368538, 1558538, 1798538, 2098538,
    2468538, 2918538, 3458538, 4098538, 4208538, 4333538, 4478538, 4648538, 4848538, 5083538,
    5355838, 5678538, 6048538, 6473538};

// An independent writer's values: the formulas with constants in single precision. Codes 0
// and 4 write nothing.
Numbers xp_values(int style, double scale, int levels)
{
    const float v = float(scale);
    Numbers values;
    for (int i = 2; i <= levels && style >= 1 && style <= 3; ++i)
        values << float(xp_at(style, v, float(v / 100.0), i));
    return values;
}

template <typename Style> int code(Style style)
{
    return style_code(style).value_or(0);
}

// Line k holds the points for level k + 1: the logarithm of k + 1, k times the factor.
Numbers engram_values(int style, double scale, int levels, bool reverse)
{
    const float v = float(scale);
    Numbers values;
    for (int k = 1; k < levels && style >= 1 && style <= 3; ++k) {
        const int i = reverse ? levels - k : k;
        values << float(engram_points_at(style, v, float((102.5 - v) / 100 + 1), float(v / 100.0),
                                         style == 1 ? i + 1 : i));
    }
    return values;
}

} // namespace

class TestGameIniText : public QObject
{
    Q_OBJECT

private slots:
    // Custom code: empty lines dropped, blank ones kept, CR LF between lines, none after the last.
    void custom_code_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("block");
        // The worked example: 13 lines, the last without a line end.
        QTest::newRow("worked example") << "A\n\nB" << QByteArray("A\r\nB");
        QTest::newRow("line breaks only") << "\n\n\n" << QByteArray();
        QTest::newRow("trailing line break") << "A\nB\n" << QByteArray("A\r\nB");
        QTest::newRow("empty lines dropped, blanks kept")
            << "\nA\n\n  \n\t\nB" << QByteArray("A\r\n  \r\n\t\r\nB");
        QTest::newRow("UTF-8") << "ü\n😀" << QByteArray("ü\r\n😀");
        QTest::newRow("not enabled") << QString() << QByteArray();
    }

    void custom_code()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, block);
        GameIniChoices choices;
        choices.player = Player::Linear;
        choices.player_scale = 1.0;
        choices.player_levels = 10;
        choices.creature = Creature::Stock;
        choices.engram = Engram::Static;
        choices.engram_scale = 37.0;
        choices.custom_code_enabled = !code.isNull();
        choices.custom_code = code;
        QCOMPARE(game_ini_text(choices).bytes,
                 kHeader + ramp_line({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000}) +
                     engram_lines(Numbers(9, 37)) + block);
    }

    // The independent writer reproduces the worked values, so that the random comparison
    // below cannot share a slip with the program.
    void independent_writer_has_the_worked_values()
    {
        // Complex curve 100 hits 19.5 and 62.5 at the halves.
        QCOMPARE(xp_values(1, 100.0, 10), (Numbers{10, 20, 36, 63, 102, 158, 232, 329, 450}));
        QCOMPARE(xp_values(3, 56.785, 4), (Numbers{56785, 113570, 170355}));
        QCOMPARE(xp_values(2, 469.311, 10), (Numbers{7, 19, 38, 67, 107, 159, 225, 305, 400}));
        // 3999 * 150000 = 599850000 lies between two single-precision numbers.
        QCOMPARE(xp_values(3, 150.0, 4000).last(), 599849984.0);
        QCOMPARE(engram_values(1, 91.598, 10, false), (Numbers{7, 11, 13, 16, 17, 19, 20, 21, 22}));
        QCOMPARE(engram_values(2, 63.987, 10, true), (Numbers{6, 5, 4, 4, 3, 3, 2, 1, 1}));
        // The static value is written as it stands; only the whole-number spelling rounds it.
        QCOMPARE(engram_lines(engram_values(3, 36.6, 3, false)), engram_lines(Numbers(2, 37)));
    }

    void groups_without_style()
    {
        using Groups = std::vector<RampGroup>;
        GameIniChoices choices;
        choices.player = Player::Unchosen;
        choices.creature = Creature::Unchosen;
        choices.engram = Engram::Unchosen;
        QCOMPARE(game_ini_text(choices).groups_without_style,
                 (Groups{RampGroup::Player, RampGroup::Creature, RampGroup::Engram}));
        // A group that is not written cannot lack a style.
        choices.player = Player::Skip;
        QCOMPARE(game_ini_text(choices).groups_without_style, Groups{RampGroup::Engram});
    }

    // Random choices of every style, locked or not, with and without the caps, against the
    // independent writer.
    void matches_independent_computation()
    {
        QRandomGenerator random(20240607);
        for (int run = 0; run < 1000; ++run) {
            // Scaling values, in thousandths, that every style of their kind allows.
            GameIniChoices c;
            c.player = Player(random.bounded(6));
            c.player_levels = random.bounded(10, 4001);
            c.player_scale = random.bounded(1500, 150001) / 1000.0;
            c.creature = Creature(random.bounded(6));
            c.creature_levels = random.bounded(10, 4001);
            c.creature_scale = random.bounded(1500, 150001) / 1000.0;
            c.engram = Engram(random.bounded(5));
            c.engram_reverse = random.bounded(2);
            c.engram_levels_without_player = random.bounded(10, 4001);
            c.engram_scale = random.bounded(17500, 100001) / 1000.0;
            c.max_xp_overrides = random.bounded(2);

            QByteArray expected = kHeader;
            QByteArray caps;
            const auto ramp = [&](const Numbers &values, const QByteArray &cap) {
                expected += ramp_line(values);
                if (c.max_xp_overrides && !values.isEmpty())
                    caps += cap + QByteArray::number(values.last(), 'f', 0) + "\r\n";
            };
            const bool stock = c.player == Player::Stock, skip = c.player == Player::Skip;
            if (!skip)
                ramp(stock ? kStock : xp_values(code(c.player), c.player_scale, c.player_levels),
                     "OverrideMaxExperiencePointsPlayer=");
            if (!skip && c.creature != Creature::Stock)
                ramp(c.creature == Creature::PlayerStock
                         ? kStock
                         : xp_values(code(c.creature), c.creature_scale, c.creature_levels),
                     "OverrideMaxExperiencePointsDino=");
            const int engram_levels = skip ? c.engram_levels_without_player : c.player_levels;
            expected += caps + engram_lines(engram_values(code(c.engram), c.engram_scale,
                                                          engram_levels, c.engram_reverse));
            // Line by line, so a failure names the line where the texts part.
            QCOMPARE(game_ini_text(c).bytes.split('\n'), expected.split('\n'));
        }
    }
};

QTEST_APPLESS_MAIN(TestGameIniText)
#include "tst_game_ini_text.moc"
