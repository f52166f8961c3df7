#include "output/game_ini_text.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <string>

Q_DECLARE_METATYPE(GameIniChoices)

using Numbers = QVector<qint64>;
using Groups = QVector<RampGroup>;
Q_DECLARE_METATYPE(Groups)

namespace {

using Player = GameIniChoices::Player;
using Creature = GameIniChoices::Creature;
using Engram = GameIniChoices::Engram;

const QByteArray kHeader = "[/script/shootergame.shootergamemode]\r\n";

// The game's table, typed out again here so that a slip in either copy shows.
const Numbers kStockValues{
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

QByteArray ramp_line(const Numbers &values)
{
    QByteArray line = "LevelExperienceRampOverrides=(";
    for (int k = 0; k < values.size(); ++k) {
        if (k > 0)
            line += ',';
        line += "ExperiencePointsForLevel[" + QByteArray::number(k) +
                "]=" + QByteArray::number(values[k]);
    }
    return line + ")\r\n";
}

QByteArray stock_line()
{
    return ramp_line(kStockValues);
}

QByteArray engram_lines(const Numbers &values)
{
    QByteArray lines;
    for (const qint64 value : values)
        lines += "OverridePlayerLevelEngramPoints=" + QByteArray::number(value) + "\r\n";
    return lines;
}

// Choices that write nothing until a test picks what it needs.
GameIniChoices nothing_chosen()
{
    GameIniChoices choices;
    choices.section_header = false;
    choices.player = Player::Skip;
    choices.creature = Creature::Stock;
    choices.engram = Engram::Stock;
    return choices;
}

GameIniChoices player_only(Player style, double scale, int levels)
{
    GameIniChoices choices = nothing_chosen();
    choices.player = style;
    choices.player_scale = scale;
    choices.player_levels = levels;
    return choices;
}

GameIniChoices creature_after_stock(Creature style, double scale, int levels)
{
    GameIniChoices choices = player_only(Player::Stock, 466.627, 115);
    choices.creature = style;
    choices.creature_scale = scale;
    choices.creature_levels = levels;
    return choices;
}

GameIniChoices engram_only(Engram style, double scale, int levels, bool reverse)
{
    GameIniChoices choices = nothing_chosen();
    choices.engram = style;
    choices.engram_scale = scale;
    choices.engram_levels_without_player = levels;
    choices.engram_reverse = reverse;
    return choices;
}

} // namespace

class TestGameIniText : public QObject
{
    Q_OBJECT

private slots:
    void worked_example();
    void worked_values_data();
    void worked_values();
    void single_precision_data();
    void single_precision();
    void stock_text();
    void stock_ignores_level_count_data();
    void stock_ignores_level_count();
    void stock_player_beside_engram_block();
    void creature_lock_data();
    void creature_lock();
    void skipped_player_data();
    void skipped_player();
    void custom_code_data();
    void custom_code();
    void groups_without_style_data();
    void groups_without_style();
    void matches_independent_computation();
    void long_engram_blocks_match_independent_computation();
};

void TestGameIniText::worked_example()
{
    GameIniChoices choices = player_only(Player::Linear, 1.0, 10);
    choices.section_header = true;
    choices.engram = Engram::Static;
    choices.engram_scale = 37.0;
    choices.custom_code_enabled = true;
    choices.custom_code = "A\n\nB";

    const QByteArray expected =
        "[/script/shootergame.shootergamemode]\r\n"
        "LevelExperienceRampOverrides=(ExperiencePointsForLevel[0]=1000,"
        "ExperiencePointsForLevel[1]=2000,ExperiencePointsForLevel[2]=3000,"
        "ExperiencePointsForLevel[3]=4000,ExperiencePointsForLevel[4]=5000,"
        "ExperiencePointsForLevel[5]=6000,ExperiencePointsForLevel[6]=7000,"
        "ExperiencePointsForLevel[7]=8000,ExperiencePointsForLevel[8]=9000)\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "OverridePlayerLevelEngramPoints=37\r\n"
        "A\r\n"
        "B";
    const GameIniText text = game_ini_text(choices);
    QCOMPARE(text.bytes, expected);
    QVERIFY(text.groups_without_style.empty());
}

void TestGameIniText::worked_values_data()
{
    QTest::addColumn<GameIniChoices>("choices");
    QTest::addColumn<QByteArray>("expected");

    // Level count 10 everywhere: nine entries or lines. Complex curve 100 hits 19.5 and 62.5.
    const Numbers complex{10, 20, 36, 63, 102, 158, 232, 329, 450};
    const Numbers linear{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000};
    const Numbers linear_preset{56785,  113570, 170355, 227140, 283925,
                                340710, 397495, 454280, 511065};
    const Numbers exponential{7, 19, 38, 67, 107, 159, 225, 305, 400};
    QTest::newRow("player complex curve")
        << player_only(Player::ComplexCurve, 100.0, 10) << ramp_line(complex);
    QTest::newRow("player linear 1") << player_only(Player::Linear, 1.0, 10) << ramp_line(linear);
    QTest::newRow("player linear 56.785")
        << player_only(Player::Linear, 56.785, 10) << ramp_line(linear_preset);
    QTest::newRow("player exponential")
        << player_only(Player::Exponential, 469.311, 10) << ramp_line(exponential);

    // The creature line always follows a player line; the stock one keeps these rows short.
    QTest::newRow("creature complex curve")
        << creature_after_stock(Creature::ComplexCurve, 100.0, 10)
        << stock_line() + ramp_line(complex);
    QTest::newRow("creature linear 1")
        << creature_after_stock(Creature::Linear, 1.0, 10) << stock_line() + ramp_line(linear);
    QTest::newRow("creature linear 56.785") << creature_after_stock(Creature::Linear, 56.785, 10)
                                            << stock_line() + ramp_line(linear_preset);
    QTest::newRow("creature exponential")
        << creature_after_stock(Creature::Exponential, 469.311, 10)
        << stock_line() + ramp_line(exponential);

    const Numbers logarithmic{7, 11, 13, 16, 17, 19, 20, 21, 22};
    const Numbers engram_linear{1, 1, 2, 3, 3, 4, 4, 5, 6};
    const Numbers static_points(9, 37);
    QTest::newRow("engram logarithmic")
        << engram_only(Engram::Logarithmic, 91.598, 10, false) << engram_lines(logarithmic);
    QTest::newRow("engram reversed logarithmic")
        << engram_only(Engram::Logarithmic, 91.598, 10, true)
        << engram_lines({22, 21, 20, 19, 17, 16, 13, 11, 7});
    QTest::newRow("engram linear")
        << engram_only(Engram::Linear, 63.987, 10, false) << engram_lines(engram_linear);
    QTest::newRow("engram reversed linear") << engram_only(Engram::Linear, 63.987, 10, true)
                                            << engram_lines({6, 5, 4, 4, 3, 3, 2, 1, 1});
    QTest::newRow("engram static")
        << engram_only(Engram::Static, 37.0, 10, false) << engram_lines(static_points);
    QTest::newRow("engram static ignores reverse")
        << engram_only(Engram::Static, 37.0, 10, true) << engram_lines(static_points);
    // The static value is written as it stands; only the whole-number spelling rounds it.
    QTest::newRow("engram static 37.4")
        << engram_only(Engram::Static, 37.4, 10, false) << engram_lines(static_points);
    QTest::newRow("engram static 36.6")
        << engram_only(Engram::Static, 36.6, 10, false) << engram_lines(static_points);
}

void TestGameIniText::worked_values()
{
    QFETCH(GameIniChoices, choices);
    QFETCH(QByteArray, expected);
    QCOMPARE(game_ini_text(choices).bytes, expected);
}

void TestGameIniText::single_precision_data()
{
    QTest::addColumn<GameIniChoices>("choices");
    QTest::addColumn<QByteArray>("last_entry");

    // 3999 * 150000 = 599850000 lies between two single-precision numbers.
    QTest::newRow("player linear") << player_only(Player::Linear, 150.0, 4000)
                                   << QByteArray("ExperiencePointsForLevel[3998]=599849984)\r\n");
    QTest::newRow("creature linear") << creature_after_stock(Creature::Linear, 150.0, 4000)
                                     << QByteArray("ExperiencePointsForLevel[3998]=599849984)\r\n");
}

void TestGameIniText::single_precision()
{
    QFETCH(GameIniChoices, choices);
    QFETCH(QByteArray, last_entry);

    const QByteArray bytes = game_ini_text(choices).bytes;
    QVERIFY(bytes.endsWith("," + last_entry));
    QCOMPARE(bytes.count("ExperiencePointsForLevel["),
             choices.creature == Creature::Stock ? 3999 : 3999 + kStockValues.size());
}

void TestGameIniText::stock_text()
{
    const QByteArray line = game_ini_text(player_only(Player::Stock, 466.627, 115)).bytes;
    QCOMPARE(line, stock_line());

    const QByteArray prefix = "LevelExperienceRampOverrides=(";
    const QByteArray entries = line.mid(prefix.size(), line.size() - prefix.size() - 3);
    QCOMPARE(entries.size(), 3991);
    const QList<QByteArray> split = entries.split(',');
    QCOMPARE(split.size(), 114);
    QCOMPARE(split.first(), QByteArray("ExperiencePointsForLevel[0]=5"));
    QCOMPARE(split.at(110), QByteArray("ExperiencePointsForLevel[110]=5355838"));
    QCOMPARE(split.last(), QByteArray("ExperiencePointsForLevel[113]=6473538"));
}

void TestGameIniText::stock_ignores_level_count_data()
{
    QTest::addColumn<int>("levels");
    QTest::newRow("10") << 10;
    QTest::newRow("115") << 115;
    QTest::newRow("4000") << 4000;
}

void TestGameIniText::stock_ignores_level_count()
{
    QFETCH(int, levels);
    QCOMPARE(game_ini_text(player_only(Player::Stock, 2.0, levels)).bytes, stock_line());
}

// The engram block counts the player's levels even when the player ramp is the stock table.
void TestGameIniText::stock_player_beside_engram_block()
{
    GameIniChoices choices = player_only(Player::Stock, 466.627, 50);
    choices.engram = Engram::Linear;
    choices.engram_scale = 63.987;
    choices.engram_levels_without_player = 10;

    Numbers points;
    for (int i = 1; i < 50; ++i)
        points << std::llround(i * 0.63987);
    QCOMPARE(points.size(), 49);
    QCOMPARE(game_ini_text(choices).bytes, stock_line() + engram_lines(points));
}

void TestGameIniText::creature_lock_data()
{
    QTest::addColumn<GameIniChoices>("choices");
    QTest::addColumn<QByteArray>("expected");

    const auto locked = [](Player player, Creature creature, double scale, int levels) {
        GameIniChoices choices = creature_after_stock(creature, scale, levels);
        choices.player = player;
        choices.player_scale = 1.0;
        choices.player_levels = 10;
        choices.creature_locked_to_stock = true;
        return choices;
    };
    QTest::newRow("exponential at 4000 levels")
        << locked(Player::Stock, Creature::Exponential, 500.0, 4000) << stock_line() + stock_line();
    QTest::newRow("linear at 10 levels")
        << locked(Player::Stock, Creature::Linear, 0.5, 10) << stock_line() + stock_line();
    QTest::newRow("no creature style")
        << locked(Player::Stock, Creature::Unchosen, 2.0, 71) << stock_line() + stock_line();
    // The creature page's own stock choice writes no creature line at all.
    QTest::newRow("creature stock")
        << locked(Player::Stock, Creature::Stock, 2.0, 71) << stock_line();
    // Without the player's stock table the lock is void and the creature keeps its own ramp.
    const QByteArray linear_line =
        ramp_line({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000});
    QTest::newRow("player not stock")
        << locked(Player::Linear, Creature::Linear, 1.0, 10) << linear_line + linear_line;
}

void TestGameIniText::creature_lock()
{
    QFETCH(GameIniChoices, choices);
    QFETCH(QByteArray, expected);
    const GameIniText text = game_ini_text(choices);
    QCOMPARE(text.bytes, expected);
    QVERIFY(text.groups_without_style.empty());
}

void TestGameIniText::skipped_player_data()
{
    QTest::addColumn<bool>("header");
    QTest::addColumn<QByteArray>("header_bytes");
    QTest::newRow("with header") << true << kHeader;
    QTest::newRow("without header") << false << QByteArray();
}

// No ramp line at all, not even the creature's; the engram block takes its own level count.
void TestGameIniText::skipped_player()
{
    QFETCH(bool, header);
    QFETCH(QByteArray, header_bytes);

    GameIniChoices choices = engram_only(Engram::Static, 37.0, 12, false);
    choices.section_header = header;
    choices.player_levels = 4000;
    choices.creature = Creature::Linear;
    choices.creature_locked_to_stock = true;
    QCOMPARE(game_ini_text(choices).bytes, header_bytes + engram_lines(Numbers(11, 37)));
}

void TestGameIniText::custom_code_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("block");

    QTest::newRow("one line") << true << "A" << QByteArray("A");
    QTest::newRow("empty lines dropped") << true << "A\n\n\nB" << QByteArray("A\r\nB");
    QTest::newRow("only line breaks") << true << "\n\n\n" << QByteArray();
    QTest::newRow("empty") << true << "" << QByteArray();
    QTest::newRow("trailing line break") << true << "A\nB\n" << QByteArray("A\r\nB");
    QTest::newRow("leading line breaks") << true << "\n\nA" << QByteArray("A");
    QTest::newRow("blank-only lines stay")
        << true << "A\n  \n\t\nB" << QByteArray("A\r\n  \r\n\t\r\nB");
    QTest::newRow("non-ASCII as UTF-8")
        << true
        << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                             "e\n\xe2\x98\x83 \xe6\x97\xa5\xf0\x9f\x98\x80")
        << QByteArray("Gr\xc3\xbc\xc3\x9f"
                      "e\r\n\xe2\x98\x83 \xe6\x97\xa5\xf0\x9f\x98\x80");
    QTest::newRow("not enabled") << false << "A\nB" << QByteArray();
}

void TestGameIniText::custom_code()
{
    QFETCH(bool, enabled);
    QFETCH(QString, code);
    QFETCH(QByteArray, block);

    GameIniChoices choices = engram_only(Engram::Static, 37.0, 10, false);
    choices.section_header = true;
    choices.custom_code_enabled = enabled;
    choices.custom_code = code;
    QCOMPARE(game_ini_text(choices).bytes, kHeader + engram_lines(Numbers(9, 37)) + block);
}

void TestGameIniText::groups_without_style_data()
{
    QTest::addColumn<GameIniChoices>("choices");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<Groups>("groups");

    const QByteArray empty_line = "LevelExperienceRampOverrides=()\r\n";
    QTest::newRow("player") << player_only(Player::Unchosen, 466.627, 115) << empty_line
                            << Groups{RampGroup::Player};

    GameIniChoices all = nothing_chosen();
    all.section_header = true;
    all.player = Player::Unchosen;
    all.creature = Creature::Unchosen;
    all.engram = Engram::Unchosen;
    all.custom_code_enabled = true;
    all.custom_code = "X";
    QTest::newRow("all three, in file order")
        << all << kHeader + empty_line + empty_line + "X"
        << Groups{RampGroup::Player, RampGroup::Creature, RampGroup::Engram};

    GameIniChoices creature = creature_after_stock(Creature::Unchosen, 1.0, 10);
    creature.engram = Engram::Static;
    creature.engram_scale = 2.0;
    QTest::newRow("creature between written blocks")
        << creature << stock_line() + empty_line + engram_lines(Numbers(114, 2))
        << Groups{RampGroup::Creature};

    QTest::newRow("engram") << engram_only(Engram::Unchosen, 91.598, 115, false) << QByteArray()
                            << Groups{RampGroup::Engram};

    // A group that is not written cannot lack a style.
    GameIniChoices unwritten = nothing_chosen();
    unwritten.creature = Creature::Unchosen;
    QTest::newRow("creature behind a skipped player") << unwritten << QByteArray() << Groups{};
}

void TestGameIniText::groups_without_style()
{
    QFETCH(GameIniChoices, choices);
    QFETCH(QByteArray, expected);
    QFETCH(Groups, groups);

    const GameIniText text = game_ini_text(choices);
    QCOMPARE(text.bytes, expected);
    QCOMPARE(Groups(text.groups_without_style.begin(), text.groups_without_style.end()), groups);
}

namespace {

// An independent writer: single-precision values computed straight from the formulas and
// spelled with printf, assembled in a std::string.
std::string spelled(float value)
{
    // The toolkit's whole-number spelling rounds halves away from zero, printf to even; only
    // the static engram value can be a half.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::round(double(value)));
    return buffer;
}

float xp_value(int style, float v, int i)
{
    switch (style) {
    case 1: {
        const float a = float(double(v) / 100.0);
        return float(std::round(double(a) * i * (i * i + 10.0) / 2.0 - double(a) * i * i));
    }
    case 2:
        return float(std::round(double(i - 1) * (double(v) * 1000.0)));
    default:
        return float(std::round(std::pow(double(i), 2.6) +
                                std::pow(double(i), double(i) / (501.5 - double(v)))));
    }
}

std::string expected_ramp(int style, double scale, int levels)
{
    std::string line = "LevelExperienceRampOverrides=(";
    for (int i = 2; style != 0 && i <= levels; ++i) {
        if (i > 2)
            line += ",";
        line += "ExperiencePointsForLevel[" + std::to_string(i - 2) +
                "]=" + spelled(xp_value(style, float(scale), i));
    }
    return line + ")\r\n";
}

std::string expected_engram(int style, double scale, int levels, bool reverse)
{
    const float v = float(scale);
    std::string lines;
    for (int k = 0; k < levels - 1; ++k) {
        float value = v;
        if (style == 1) {
            const int i = reverse ? levels - k : k + 2;
            const float b = float((102.5 - double(v)) / 100.0 + 1.0);
            value = float(std::round(std::log(double(i)) / std::log(double(b))));
        } else if (style == 2) {
            const int i = reverse ? levels - 1 - k : k + 1;
            value = float(std::round(double(i) * double(float(double(v) / 100.0))));
        }
        lines += "OverridePlayerLevelEngramPoints=" + spelled(value) + "\r\n";
    }
    return lines;
}

std::string expected_custom(const std::string &code)
{
    std::string block;
    std::string piece;
    for (std::size_t k = 0; k <= code.size(); ++k) {
        if (k < code.size() && code[k] != '\n') {
            piece += code[k];
            continue;
        }
        if (!piece.empty())
            block += (block.empty() ? "" : "\r\n") + piece;
        piece.clear();
    }
    return block;
}

double scale_between(QRandomGenerator &random, int min_thousandths, int max_thousandths)
{
    return random.bounded(min_thousandths, max_thousandths + 1) / 1000.0;
}

// The scaling ranges of the presets, in thousandths: complex curve, linear, exponential.
double xp_scale(QRandomGenerator &random, int style)
{
    switch (style) {
    case 1:
        return scale_between(random, 1000, 4000000);
    case 2:
        return scale_between(random, 500, 150000);
    default:
        return scale_between(random, 1500, 500000);
    }
}

int level_count(QRandomGenerator &random)
{
    // Mostly short ramps, some up to the largest level count.
    return random.bounded(4) == 0 ? random.bounded(10, 4001) : random.bounded(10, 201);
}

} // namespace

void TestGameIniText::matches_independent_computation()
{
    QRandomGenerator random(20240607);
    const Player players[] = {Player::Unchosen,    Player::ComplexCurve, Player::Linear,
                              Player::Exponential, Player::Stock,        Player::Skip};
    const Creature creatures[] = {Creature::Unchosen, Creature::ComplexCurve, Creature::Linear,
                                  Creature::Exponential, Creature::Stock};
    const Engram engrams[] = {Engram::Unchosen, Engram::Logarithmic, Engram::Linear, Engram::Static,
                              Engram::Stock};
    const char *pieces[] = {"\n", "\n", " ", "x", "Rate=1.5", "\xc3\xa9", "\xe2\x82\xac"};

    std::string stock = "LevelExperienceRampOverrides=(";
    for (int k = 0; k < kStockValues.size(); ++k)
        stock += (k ? ",ExperiencePointsForLevel[" : "ExperiencePointsForLevel[") +
                 std::to_string(k) + "]=" + std::to_string(kStockValues[k]);
    stock += ")\r\n";

    for (int run = 0; run < 300; ++run) {
        GameIniChoices c;
        c.section_header = random.bounded(2);
        // Weighted towards computed styles, which carry the formulas.
        const int player_pick = random.bounded(9);
        c.player = players[player_pick < 6 ? player_pick : 1 + player_pick % 3];
        c.player_levels = level_count(random);
        const int player_style = int(c.player) - int(Player::Unchosen);
        c.player_scale = xp_scale(random, player_style);
        const int creature_pick = random.bounded(8);
        c.creature = creatures[creature_pick < 5 ? creature_pick : 1 + creature_pick % 3];
        c.creature_locked_to_stock = random.bounded(4) == 0;
        c.creature_levels = level_count(random);
        const int creature_style = int(c.creature) - int(Creature::Unchosen);
        c.creature_scale = xp_scale(random, creature_style);
        c.engram = engrams[random.bounded(5)];
        c.engram_reverse = random.bounded(2);
        c.engram_levels_without_player = level_count(random);
        const int engram_style = int(c.engram) - int(Engram::Unchosen);
        c.engram_scale = engram_style == 1   ? scale_between(random, 2500, 100000)
                         : engram_style == 2 ? scale_between(random, 17500, 130000)
                                             : scale_between(random, 2000, 245000);
        c.custom_code_enabled = random.bounded(2);
        std::string code;
        for (int k = random.bounded(12); k > 0; --k)
            code += pieces[random.bounded(int(std::size(pieces)))];
        c.custom_code = QString::fromStdString(code);

        std::string expected = c.section_header ? "[/script/shootergame.shootergamemode]\r\n" : "";
        Groups groups;
        if (c.player != Player::Skip) {
            if (c.player == Player::Stock)
                expected += stock;
            else
                expected += expected_ramp(player_style, c.player_scale, c.player_levels);
            if (c.player == Player::Unchosen)
                groups << RampGroup::Player;

            if (c.creature_locked_to_stock && c.player == Player::Stock &&
                c.creature != Creature::Stock) {
                expected += stock;
            } else if (c.creature != Creature::Stock) {
                expected += expected_ramp(creature_style, c.creature_scale, c.creature_levels);
                if (c.creature == Creature::Unchosen)
                    groups << RampGroup::Creature;
            }
        }
        if (c.engram == Engram::Unchosen)
            groups << RampGroup::Engram;
        else if (c.engram != Engram::Stock)
            expected += expected_engram(engram_style, c.engram_scale,
                                        c.player == Player::Skip ? c.engram_levels_without_player
                                                                 : c.player_levels,
                                        c.engram_reverse);
        if (c.custom_code_enabled)
            expected += expected_custom(code);

        const GameIniText text = game_ini_text(c);
        if (text.bytes != QByteArray::fromStdString(expected)) {
            const QByteArray actual = text.bytes;
            int at = 0;
            while (at < actual.size() && at < int(expected.size()) && actual[at] == expected[at])
                ++at;
            QFAIL(qPrintable(QStringLiteral("run %1 differs at byte %2: %3 | %4")
                                 .arg(run)
                                 .arg(at)
                                 .arg(QString::fromUtf8(actual.mid(at, 60)))
                                 .arg(QString::fromStdString(expected.substr(at, 60)))));
        }
        QCOMPARE(Groups(text.groups_without_style.begin(), text.groups_without_style.end()),
                 groups);
    }
}

// Single precision of the engram constants changes a written value only now and then (about
// once in 10^5 logarithmic lines), so this sweeps many full-length blocks.
void TestGameIniText::long_engram_blocks_match_independent_computation()
{
    QRandomGenerator random(4000);
    for (int run = 0; run < 200; ++run) {
        const bool logarithmic = run % 2 == 0;
        const double scale = logarithmic ? scale_between(random, 2500, 100000)
                                         : scale_between(random, 17500, 130000);
        const bool reverse = random.bounded(2);
        const GameIniChoices choices =
            engram_only(logarithmic ? Engram::Logarithmic : Engram::Linear, scale, 4000, reverse);
        const std::string expected = expected_engram(logarithmic ? 1 : 2, scale, 4000, reverse);
        if (game_ini_text(choices).bytes != QByteArray::fromStdString(expected))
            QFAIL(qPrintable(QStringLiteral("scale %1, reverse %2").arg(scale).arg(reverse)));
    }
}

QTEST_APPLESS_MAIN(TestGameIniText)
#include "tst_game_ini_text.moc"
