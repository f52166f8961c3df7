// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_ini_lines.h"
#include "gameini/game_ini_check.h"
#include "gameini/game_ini_merge.h"
#include "gameini/merge_account.h"
#include "random_choices.h"

#include <QtTest>

namespace {

// Small ramps, so that each row spells its whole file: 9 entries, 9 engram lines.
GameIniChoices small_choices()
{
    GameIniChoices choices;
    choices.section_header = false;
    choices.player = GameIniChoices::Player::Linear;
    choices.player_levels = 10;
    choices.player_scale = 56.785;
    choices.creature = GameIniChoices::Creature::Linear;
    choices.creature_levels = 10;
    choices.creature_scale = 36.072;
    choices.engram = GameIniChoices::Engram::Static;
    choices.engram_scale = 37;
    return choices;
}

// The generator's own lines for the small choices (with caps), without line ends.
QList<QByteArray> written_lines()
{
    GameIniChoices choices = small_choices();
    choices.max_xp_overrides = true;
    return game_ini_text(choices).bytes.trimmed().split('\n');
}

QByteArray line(int k, const QByteArray &end = "\r\n")
{
    return written_lines().at(k).trimmed() + end;
}

const QByteArray kOldRamp = ramp_line({1}, "");
const QByteArray kOldEngram = engram_lines({3}, "");

} // namespace

class TestGameIniMerge : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<GameIniChoices>("choices");
        QTest::addColumn<QByteArray>("expected");

        const GameIniChoices plain = small_choices();
        GameIniChoices capped = plain;
        capped.max_xp_overrides = true;
        GameIniChoices skipped = plain;
        skipped.player = GameIniChoices::Player::Skip;
        skipped.engram_levels_without_player = 10;
        GameIniChoices stock_groups = plain;
        stock_groups.creature = GameIniChoices::Creature::Stock;
        stock_groups.engram = GameIniChoices::Engram::Stock;
        // The new blocks, in the given line end.
        const auto player = [](const QByteArray &end = "\r\n") { return line(0, end); };
        const auto creature = [](const QByteArray &end = "\r\n") { return line(1, end); };
        const auto player_cap = [](const QByteArray &end = "\r\n") { return line(2, end); };
        const auto creature_cap = [](const QByteArray &end = "\r\n") { return line(3, end); };
        const auto engrams = [](const QByteArray &end = "\r\n") {
            return line(4, end).repeated(9);
        };
        const QByteArray r = kOldRamp + "\r\n";
        const QByteArray e = kOldEngram + "\r\n";

        QTest::newRow("blocks stand where their old lines stood")
            << "MaxPlayers=70\r\n" + kHeader + "A=1\r\n" + r + "; creatures\r\n" + r + "\r\n" + e +
                   "B=2\r\n" + e + "[ServerSettings]\r\nPort=7777\r\n"
            << plain
            << "MaxPlayers=70\r\n" + kHeader + "A=1\r\n" + player() + "; creatures\r\n" +
                   creature() + "\r\n" + engrams() + "B=2\r\n[ServerSettings]\r\nPort=7777\r\n";
        QTest::newRow("missing blocks follow the last level line")
            << kHeader + e + "; kept\r\n" + r + "B=2\r\n"
            << plain << kHeader + engrams() + "; kept\r\n" + player() + creature() + "B=2\r\n";
        QTest::newRow("no level lines: after the section's last setting")
            << kHeader + "A=1\r\n\r\n[Other]\r\nB=2\r\n"
            << plain
            << kHeader + "A=1\r\n" + player() + creature() + engrams() + "\r\n[Other]\r\nB=2\r\n";
        QTest::newRow("no section: a new one at the end, after a line end")
            << QByteArray("[ServerSettings]\nPort=7777") << plain
            << "[ServerSettings]\nPort=7777\n" + header("\n") + player("\n") + creature("\n") +
                   engrams("\n");
        QTest::newRow("empty file")
            << QByteArray() << plain << kHeader + player() + creature() + engrams();
        QTest::newRow("stray level lines go, the game's own section stays")
            << e + kHeader + r + "[Other]\r\n" + r + e + "[ShooterGameMode_TEMPOverrides]\r\n" + e
            << plain
            << kHeader + player() + creature() + engrams() + "[Other]\r\n" +
                   "[ShooterGameMode_TEMPOverrides]\r\n" + e;
        QTest::newRow("prefixed keys, any case, blanks around =")
            << kHeader +
                   " +levelexperiencerampoverrides = (x)\r\n-OverridePlayerLevelEngramPoints=1\r\n"
                   ".OVERRIDEPLAYERLEVELENGRAMPOINTS =2\r\n; LevelExperienceRampOverrides=(off)\r\n"
                   "LevelExperienceRampOverridesOld=1\r\n"
            << plain
            << kHeader + player() + engrams() + creature() +
                   "; LevelExperienceRampOverrides=(off)\r\nLevelExperienceRampOverridesOld=1\r\n";
        QTest::newRow("a cap below the new top is raised, one above it kept")
            << kHeader + r +
                   "OverrideMaxExperiencePointsPlayer=1\r\n"
                   "OverrideMaxExperiencePointsDino=99999999\r\n"
            << plain
            << kHeader + player() + player_cap() + "OverrideMaxExperiencePointsDino=99999999\r\n" +
                   creature() + engrams();
        QTest::newRow("--max-xp sets the caps and writes missing ones")
            << kHeader + r + "+OverrideMaxExperiencePointsDino=99999999\r\n"
            << capped
            << kHeader + player() + creature_cap() + creature() + player_cap() + engrams();
        QTest::newRow("a skipped player ramp keeps ramps and caps")
            << kHeader + r + r + "OverrideMaxExperiencePointsPlayer=1\r\n" + e + e << skipped
            << kHeader + r + r + "OverrideMaxExperiencePointsPlayer=1\r\n" + engrams();
        QTest::newRow("stock creatures and engrams: their old lines go")
            << kHeader + r + r + e + "OverrideMaxExperiencePointsDino=5000\r\n"
            << stock_groups << kHeader + player() + "OverrideMaxExperiencePointsDino=5000\r\n";
        // Without a creature ramp a creature cap below the stock table's first value allows
        // no level; one the game cannot read has nothing to be raised to.
        QTest::newRow("stock creatures: caps that allow no level go")
            << kHeader + r +
                   "OverrideMaxExperiencePointsDino=5\r\nOverrideMaxExperiencePointsDino=nan\r\n"
            << stock_groups << kHeader + player();
        QTest::newRow("caps the game cannot read are raised")
            << kHeader + r + r +
                   "OverrideMaxExperiencePointsPlayer=1e99\r\n"
                   "OverrideMaxExperiencePointsDino=+99999999999\r\n"
            << plain << kHeader + player() + creature() + player_cap() + creature_cap() + engrams();
        QTest::newRow("a number followed by invisible characters is read as that number")
            << kHeader + r + "OverrideMaxExperiencePointsDino=99999999\xEF\xBB\xBF\r\n"
            << plain
            << kHeader + player() + "OverrideMaxExperiencePointsDino=99999999\xEF\xBB\xBF\r\n" +
                   creature() + engrams();
        QTest::newRow("a ramp continued over its next lines goes with them")
            << kHeader +
                   "LevelExperienceRampOverrides=(\r\n ExperiencePointsForLevel[0]=5,\r\n"
                   "ExperiencePointsForLevel[1]=9)\r\n; kept\r\n" +
                   r
            << plain << kHeader + player() + "; kept\r\n" + creature() + engrams();
        QTest::newRow("a third ramp line stays where it is")
            << kHeader + r + r + r + e << plain << kHeader + player() + creature() + r + engrams();
        QTest::newRow("... unless the creature ramp goes, which the game would read it for")
            << kHeader + r + r + r << stock_groups << kHeader + player();
        QTest::newRow("each block takes its old line's end, new ones the most common")
            << header("\r\n") + kOldRamp + "\n" + kOldEngram + "\r" + "A=1\n" + "B=2\n"
            << plain
            << header("\r\n") + player("\n") + engrams("\r") + creature("\n") + "A=1\nB=2\n";
        QTest::newRow("lone CR line ends")
            << header("\r") + kOldRamp + "\r" + kOldEngram + "\r[Other]\rB=2\r" << plain
            << header("\r") + player("\r") + engrams("\r") + creature("\r") + "[Other]\rB=2\r";
        QTest::newRow("a last line without a line end")
            << kHeader + "A=1\r\n" + kOldEngram << plain
            << kHeader + "A=1\r\n" + engrams() + player() + creature();
        QTest::newRow("byte-order mark, header in another case with blanks")
            << "\xEF\xBB\xBF  [/Script/ShooterGame.ShooterGameMode]  \r\n" + r << plain
            << "\xEF\xBB\xBF  [/Script/ShooterGame.ShooterGameMode]  \r\n" + player() + creature() +
                   engrams();
        QTest::newRow("a misspelt header is corrected, its level lines kept")
            << "[/script/shootergame.shootergamemod]\r\n" + r + "A=1\r\n"
            << plain << kHeader + player() + creature() + engrams() + "A=1\r\n";
        QTest::newRow("a second copy of the section loses its level lines too")
            << kHeader + "A=1\r\n[Other]\r\n" + kHeader + e + "B=2\r\n"
            << plain
            << kHeader + "A=1\r\n[Other]\r\n" + kHeader + engrams() + player() + creature() +
                   "B=2\r\n";
    }

    // Byte for byte, and a second merge changes nothing.
    void merge()
    {
        QFETCH(QByteArray, file);
        QFETCH(GameIniChoices, choices);
        QFETCH(QByteArray, expected);
        const QByteArray merged = merge_level_progression(file, choices).text;
        QCOMPARE(merged, expected);
        QCOMPARE(merge_level_progression(merged, choices).text, merged);
    }

    // The summary spells the counts; the caps and the removed lines are reported one by one.
    void report()
    {
        const QByteArray file = "OverridePlayerLevelEngramPoints=3\r\n" + kHeader + kOldRamp +
                                "\r\nOverrideMaxExperiencePointsPlayer=12\r\n" + kOldEngram +
                                "\r\n" + kOldEngram + "\r\n[Other]\r\n" + kOldRamp + "\r\n";
        const GameIniMergeReport report = merge_level_progression(file, small_choices()).report;
        QCOMPARE(merge_summary(report),
                 QString("replaced 1 player ramp line and 2 engram lines; added 1 line; raised 1 "
                         "cap; removed 2 stray lines"));
        QCOMPARE(report.caps[0].line, 4);
        QCOMPARE(report.caps[0].old_value, QByteArray("12"));
        QCOMPARE(report.caps[0].new_value, written_lines().at(2).split('=').at(1).trimmed());
        QCOMPARE(report.removed_lines[0].line, 1);
        QCOMPARE(report.removed_lines[1].line, 8);
        QCOMPARE(report.removed_lines[1].text, kOldRamp);

        // The lines a continued ramp takes with it count as its own.
        QCOMPARE(
            merge_summary(merge_level_progression(kHeader + "LevelExperienceRampOverrides=(\r\n"
                                                            "ExperiencePointsForLevel[0]=5)\r\n",
                                                  small_choices())
                              .report),
            QString("replaced 2 player ramp lines; added 10 lines"));

        // Only a block that changes counts: a new creature level count replaces one line.
        const QByteArray merged = merge_level_progression(file, small_choices()).text;
        GameIniChoices more_creature_levels = small_choices();
        ++more_creature_levels.creature_levels;
        QCOMPARE(merge_summary(merge_level_progression(merged, more_creature_levels).report),
                 QString("replaced 1 creature ramp line"));
    }

    void account_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<GameIniChoices>("choices");
        QTest::addColumn<QStringList>("words");    // among the review's lines
        QTest::addColumn<QStringList>("standard"); // among standard error's lines

        QByteArray ramp = "LevelExperienceRampOverrides=(";
        for (int k = 0; k < 103; ++k)
            ramp += "ExperiencePointsForLevel[" + QByteArray::number(k) +
                    "]=" + QByteArray::number(10 * (k + 1)) + (k < 102 ? "," : ")\r\n");
        for (int k = 0; k < 6; ++k)
            ramp += kOldEngram + "\r\n";
        GameIniChoices more_levels;
        more_levels.player_levels = 150;
        QTest::newRow("levels and lines")
            << kHeader + ramp << more_levels
            << QStringList{"Player ramp: 1 line, 104 levels \u2192 150 levels",
                           "Creature ramp: added, 71 levels",
                           "Engram points: 6 lines replaced, 143 added"}
            << QStringList{"replaced Game.ini:2: player ramp, 1 line, 104 levels to 150 levels",
                           "replaced Game.ini:3: engram points, 6 lines replaced, 143 added"};

        GameIniChoices caps = small_choices();
        caps.max_xp_overrides = true;
        const QString top = QString::fromLatin1(written_lines().at(2).split('=').at(1).trimmed());
        QTest::newRow("caps")
            << kHeader + "OverrideMaxExperiencePointsPlayer=x1\r\nOverrideMaxExperiencePointsDino="
                         "99999999999999\r\n"
            << caps
            << QStringList{"OverrideMaxExperiencePointsPlayer, line 2: x1 \u2192 " + top +
                               " (raised: the game cannot read it)",
                           "OverrideMaxExperiencePointsDino, line 3: 99999999999999 \u2192 " +
                               QString::fromLatin1(
                                   written_lines().at(3).split('=').at(1).trimmed()) +
                               " (set: the caps box is ticked)",
                           "Engram points: 9 lines added"}
            << QStringList{"raised Game.ini:2: OverrideMaxExperiencePointsPlayer from x1 to " +
                           top + ", the new ramp's last value"};

        GameIniChoices creature_stock = small_choices();
        creature_stock.creature = GameIniChoices::Creature::Stock;
        QTest::newRow("removed and corrected")
            << kOldEngram + "\r\n[/script/shootergame.shootergamemod]\r\n" + kOldRamp + "\r\n" +
                   kOldRamp + "\r\nOverrideMaxExperiencePointsDino=5\r\n"
            << creature_stock
            << QStringList{"Line 2: section header [/script/shootergame.shootergamemod] will "
                           "become [/script/shootergame.shootergamemode]",
                           "Creature ramp: 1 line, 2 levels \u2192 none (the game's own creature "
                           "levels)",
                           "OverrideMaxExperiencePointsDino, line 5: 5 \u2192 none (removed: no "
                           "creature level could be gained below the game's own creature ramp)",
                           "Line 1 will be removed: OverridePlayerLevelEngramPoints=3, before any "
                           "section, where the game ignores it"}
            << QStringList{"corrected Game.ini:2: the section header "
                           "[/script/shootergame.shootergamemod] to "
                           "[/script/shootergame.shootergamemode]",
                           "removed Game.ini:4: creature ramp, 1 line, 2 levels to none, the "
                           "game's own creature levels"};
    }

    // The account names every change with its old and new values and lines; merged, the file
    // has nothing left to change.
    void account()
    {
        QFETCH(QByteArray, file);
        QFETCH(GameIniChoices, choices);
        QFETCH(QStringList, words);
        QFETCH(QStringList, standard);
        const GameIniMerge merged = merge_level_progression(file, choices);
        const QStringList review = merge_account(merged.report, MergeAccount::Review, "Game.ini");
        for (const QString &expected : words)
            QVERIFY2(review.contains(expected), qPrintable(review.join('\n')));
        const QStringList command_line =
            merge_account(merged.report, MergeAccount::CommandLine, "Game.ini");
        for (const QString &expected : standard)
            QVERIFY2(command_line.contains(expected), qPrintable(command_line.join('\n')));
        QCOMPARE(review.size(), command_line.size());
        QVERIFY(!merged.report.changes_nothing());
        const GameIniMergeReport again = merge_level_progression(merged.text, choices).report;
        QVERIFY(again.changes_nothing());
        QCOMPARE(merge_account(again, MergeAccount::Result, "Game.ini"), QStringList());
    }

    // For random choices and random files around an old level progression: the merged file
    // has no level error, and merging again changes nothing and reports nothing.
    void merged_files_pass_the_check()
    {
        QRandomGenerator random(20261207);
        for (int round = 0; round < 300; ++round) {
            const GameIniChoices choices = random_choices(random);
            const QByteArray file =
                random_file(random, choices.player == GameIniChoices::Player::Skip);
            const QByteArray merged = merge_level_progression(file, choices).text;
            for (const IniProblem &problem : check_level_lines(merged))
                QVERIFY2(problem.severity == IniProblem::Warning,
                         qPrintable(QStringLiteral("round %1, line %2: %3\n%4")
                                        .arg(round)
                                        .arg(problem.line)
                                        .arg(problem.message, QString::fromUtf8(file))));
            const GameIniMerge again = merge_level_progression(merged, choices);
            QCOMPARE(again.text, merged);
            QCOMPARE(merge_summary(again.report), QString("nothing to change"));
        }
    }

private:
    // Sections, comments, settings and old level lines in and out of place, in mixed line
    // ends. With `skipped` the old ramps and caps are kept by the merge, so they are sound:
    // the cap is the stock ramp's top, which no ramp of the file passes.
    static QByteArray random_file(QRandomGenerator &random, bool skipped)
    {
        const char *const ends[] = {"\r\n", "\n", "\r"};
        const QByteArray sound_ramp = ramp_line({10, 20}, "");
        QList<QByteArray> pieces = {"[ServerSettings]",
                                    "[/Script/ShooterGame.ShooterGameMode]",
                                    "; a comment",
                                    "# Grüße",
                                    "MaxPlayers=70",
                                    "",
                                    "[ShooterGameMode_TEMPOverrides]",
                                    kOldEngram,
                                    "+OverridePlayerLevelEngramPoints=0",
                                    "OverrideMaxExperiencePointsDino=100000"};
        pieces << (skipped ? sound_ramp : QByteArray("LevelExperienceRampOverrides=(broken"))
               << (skipped ? QByteArray("OverrideMaxExperiencePointsPlayer=6473538")
                           : QByteArray("OverrideMaxExperiencePointsPlayer=1"));
        // Caps the game cannot read and ramps continued over several lines, which the merge
        // replaces whatever the choices.
        if (!skipped)
            pieces << "OverrideMaxExperiencePointsPlayer=nan"
                   << "OverrideMaxExperiencePointsDino=inf"
                   << "OverrideMaxExperiencePointsPlayer=1e99"
                   << "OverrideMaxExperiencePointsDino=123456789012.5"
                   << "OverrideMaxExperiencePointsPlayer=+99999999999"
                   << "OverrideMaxExperiencePointsDino=3"
                   << "LevelExperienceRampOverrides=("
                   << " ExperiencePointsForLevel[4]=50,";
        QByteArray file;
        const int lines = random.bounded(0, 25);
        for (int k = 0; k < lines; ++k)
            file += pieces.at(random.bounded(pieces.size())) + ends[random.bounded(3)];
        if (skipped && file.count("LevelExperienceRampOverrides") > 2)
            return random_file(random, skipped);
        return file;
    }
};

QTEST_APPLESS_MAIN(TestGameIniMerge)
#include "tst_game_ini_merge.moc"
