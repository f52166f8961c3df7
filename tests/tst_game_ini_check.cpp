// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_ini_lines.h"
#include "gameini/game_ini_check.h"
#include "output/game_ini_text.h"

#include <QtTest>

namespace {

QString spelled(const std::vector<IniProblem> &problems)
{
    QStringList lines;
    for (const IniProblem &problem : problems)
        lines << QStringLiteral("%1: %2: %3")
                     .arg(problem.line)
                     .arg(problem.severity == IniProblem::Error ? "error" : "warning",
                          problem.message);
    return lines.join('\n');
}

} // namespace

class TestGameIniCheck : public QObject
{
    Q_OBJECT

private slots:
    void reports_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("report");

        const auto row = [](const char *name, const QByteArray &file, const char *report) {
            QTest::newRow(name) << file << QString::fromUtf8(report);
        };
        // Sound files: a byte-order mark, blanks, any case, prefixes and fractions are read as
        // the game reads them.
        row("spellings",
            "\xEF\xBB\xBF" + kHeader +
                " +levelExperienceRampOverrides = (experiencepointsforlevel[0]=5.5) \r\n"
                ".OverrideMaxExperiencePointsPlayer = 6\r\n",
            "");
        row("one engram line per level",
            kHeader + ramp_line({5, 6, 7}) + engram_lines(Numbers(4, 1)), "");
        row("one engram line per level after the first",
            kHeader + ramp_line({5, 6, 7}) + engram_lines(Numbers(3, 1)), "");
        row("short engram list with every engram unlocked",
            kHeader + "bAutoUnlockAllEngrams=True\r\n" + ramp_line({5, 6, 7}) +
                engram_lines(Numbers(1, 1)),
            "");
        row("non-ASCII comments",
            "; Grüße\r\n" + kHeader + "# Grüße\r\nGrüße ohne Gleichheitszeichen\r\n", "");
        row("the game's own section",
            kHeader + "[ShooterGameMode_TEMPOverrides]\r\n" + engram_lines(Numbers(1, 1)) +
                "OverrideMaxExperiencePointsPlayer=0\r\n",
            "");
        row("caps at or above the top, or 0",
            kHeader + ramp_line({5, 6}) + ramp_line({7, 8}) +
                "OverrideMaxExperiencePointsPlayer=6\r\nOverrideMaxExperiencePointsDino=0\r\n",
            "");
        row("generated text", game_ini_text(GameIniChoices{}).bytes, "");

        row("before the header", engram_lines(Numbers(1, 1)) + kHeader + ramp_line({5, 6}),
            "1: error: OverridePlayerLevelEngramPoints stands before the section header "
            "[/script/shootergame.shootergamemode]; the game ignores it");
        row("in another section, prefixed", kHeader + "[ServerSettings]\r\n+" + ramp_line({5}),
            "3: error: LevelExperienceRampOverrides stands in section [ServerSettings], not in "
            "[/script/shootergame.shootergamemode]; the game ignores it");
        row("non-ASCII in a setting", kHeader + "Motd=Gr\xC3\xBC\xC3\x9F\r\n",
            "2: warning: non-ASCII character (U+00FC) at column 8 of a setting; some servers "
            "misread it");
        row("ramp line does not parse",
            kHeader + "LevelExperienceRampOverrides=(ExperiencePointsForLevel[x]=5)\r\n",
            "2: error: LevelExperienceRampOverrides does not parse at column 56: expected an "
            "index");
        row("many broken entries, one report",
            kHeader + "LevelExperienceRampOverrides=(ExperiencePointsForLevel[0]=5," +
                QByteArray("ExperiencePointsForLevel[1]=x,").repeated(31) +
                "ExperiencePointsForLevel[2]=9)\r\n",
            "2: error: LevelExperienceRampOverrides has 31 entries that do not parse, the first "
            "at column 89: expected a number");
        row("engram line does not parse", kHeader + "OverridePlayerLevelEngramPoints=-1\r\n",
            "2: error: OverridePlayerLevelEngramPoints does not parse: expected a whole number "
            "after \"=\"");
        row("gap", kHeader + ramp_line({1, 2}).replace("[1]", "[2]"),
            "2: error: ExperiencePointsForLevel[2] leaves a gap after ExperiencePointsForLevel[0]; "
            "expected ExperiencePointsForLevel[1]");
        row("repeat", kHeader + ramp_line({1, 2}).replace("[1]", "[0]"),
            "2: error: ExperiencePointsForLevel[0] repeats an index; expected "
            "ExperiencePointsForLevel[1]");
        row("one decrease", kHeader + ramp_line({5, 10, 11, 9, 12}),
            "2: error: ExperiencePointsForLevel[3]=9 is less than the level before (11)");
        row("equal neighbours", kHeader + ramp_line({5, 10, 10, 11}),
            "2: warning: ExperiencePointsForLevel[1] and ExperiencePointsForLevel[2] are both 10: "
            "level 3 is passed at once; a typo?");
        row("decreases and repeats counted over the line",
            kHeader + ramp_line({5, 5, 6, 6, 7, 7, 4, 3, 8, 2, 1}),
            "2: error: LevelExperienceRampOverrides: 4 entries are below the level before: [6], "
            "[7], [9], \u2026\n2: warning: LevelExperienceRampOverrides: 3 entries equal the "
            "level before: [1], [3], [5]");
        row("above 2147483647", kHeader + ramp_line({2147483647, 2147483648}),
            "2: warning: ExperiencePointsForLevel[1]=2147483648 is above 2147483647; servers are "
            "reported to misbehave above it");
        row("third and fourth ramp lines", kHeader + ramp_line({1}).repeated(4),
            "4: warning: a third LevelExperienceRampOverrides line; the game reads the first for "
            "players and the second for creatures and ignores this one\n5: warning: another "
            "LevelExperienceRampOverrides line; the game reads the first for players and the "
            "second for creatures and ignores this one");
        row("ramp continued on the lines after it",
            kHeader + "LevelExperienceRampOverrides=(\r\n  ExperiencePointsForLevel[0]=5,\r\n"
                      "ExperiencePointsForLevel[1]=6,ExperiencePointsForLevel[2]=7)\r\n"
                      "LevelExperienceRampOverrides=(ExperiencePointsForLevel[0]=5,\r\n"
                      "\tExperiencePointsForLevel[1]=6\r\nA=1\r\n",
            "2: error: LevelExperienceRampOverrides does not parse at column 31: expected \")\"; "
            "the game reads only this line: the ramp continues on lines 3-4, which the game "
            "ignores\n5: error: LevelExperienceRampOverrides does not parse at column 61: "
            "expected \")\"; the game reads only this line: the ramp continues on line 6, which "
            "the game ignores");
        row("fewer engram lines than levels",
            kHeader + ramp_line({1, 2, 3, 4}) + engram_lines(Numbers(2, 1)),
            "3: warning: 2 OverridePlayerLevelEngramPoints lines for a player ramp of 5 levels: "
            "levels 3 to 5 get no override");
        row("engram lines past the last level",
            kHeader + ramp_line({1, 2}) + ramp_line({1}) + engram_lines(Numbers(5, 1)),
            "7: warning: 5 OverridePlayerLevelEngramPoints lines for a player ramp of 3 levels: "
            "lines 7 to 8 are unused");
        row("player cap below the ramp's first value",
            kHeader + ramp_line({5, 20, 40}) + "OverrideMaxExperiencePointsPlayer=1\r\n",
            "3: error: OverrideMaxExperiencePointsPlayer=1 is below the player ramp's first value "
            "(5): no level can be gained");
        row("creature cap one point below the top",
            kHeader + "OverrideMaxExperiencePointsDino=39\r\n" + ramp_line({5}) +
                ramp_line({5, 20, 40}),
            "2: error: OverrideMaxExperiencePointsDino=39 is below the creature ramp's last value "
            "(40): level 3 of 4 is the highest reachable");
        row("player cap without a ramp line",
            kHeader + "OverrideMaxExperiencePointsPlayer=6473537\r\n",
            "2: error: OverrideMaxExperiencePointsPlayer=6473537 is below the game's stock player "
            "ramp's last value (6473538): level 114 of 115 is the highest reachable");
        row("caps too small for any level without ramp lines",
            kHeader +
                "OverrideMaxExperiencePointsPlayer=4\r\nOverrideMaxExperiencePointsDino=9\r\n",
            "2: error: OverrideMaxExperiencePointsPlayer=4 is below the game's stock player "
            "ramp's first value (5): no level can be gained\n3: error: "
            "OverrideMaxExperiencePointsDino=9 is below the game's stock creature ramp's first "
            "value (10): no level can be gained");
        // A ramp line that does not parse still replaces the stock ramp.
        row("caps with broken ramp lines",
            kHeader + QByteArray("LevelExperienceRampOverrides=()\r\n").repeated(2) +
                "OverrideMaxExperiencePointsPlayer=4\r\nOverrideMaxExperiencePointsDino=9\r\n",
            "2: error: LevelExperienceRampOverrides has no entries\n3: error: "
            "LevelExperienceRampOverrides has no entries");
        // Array lines, structures and engram lines are repeated by design.
        row("a setting given with different values",
            kHeader +
                "OverrideMaxExperiencePointsDino=100\r\nA=1\r\n"
                "overridemaxexperiencepointsdino=200\r\nOverrideMaxExperiencePointsDino=300\r\n"
                "A=1\r\n+B=1\r\n+B=2\r\n-B=3\r\nC=(X=1)\r\nC=(X=2)\r\n" +
                engram_lines(Numbers(1, 1)) +
                "OverridePlayerLevelEngramPoints=2\r\n[Other]\r\nA=2\r\n",
            "2: warning: OverrideMaxExperiencePointsDino is given 3 times with different values: "
            "line 2 (100), line 4 (200), line 5 (300); the game reads only one of them");
        // Values are read up to the invisible characters after them.
        row("invisible and look-alike characters",
            kHeader + "OverrideMaxExperiencePointsDino=5\xEF\xBB\xBF\r\n"
                      "OverridePlayerLevelEngramPoints=\xEF\xBC\x91\r\n"
                      "Motd=a\xC2\xA0"
                      "b\xC3\xBC\xE2\x80\x8B\r\n"
                      "LevelExperienceRampOverrides=(ExperiencePointsForLevel[0]=5\xE2\x80\x8B)\r\n"
                      "Motd2=\xD9\xA3\r\n",
            "2: warning: invisible character U+FEFF (zero-width no-break space) at column 34 of a "
            "setting; some servers misread it\n"
            "2: error: OverrideMaxExperiencePointsDino=5 is below the game's stock creature "
            "ramp's first value (10): no level can be gained\n"
            "3: warning: look-alike character U+FF11 (digit 1) at column 33 of a setting; only "
            "the digits 0-9 are read as numbers\n"
            "3: error: OverridePlayerLevelEngramPoints does not parse: expected a whole number "
            "after \"=\"\n"
            "4: warning: look-alike character U+00A0 (no-break space) at column 7 of a setting; "
            "some servers misread it\n"
            "4: warning: non-ASCII character (U+00FC) at column 10 of a setting; some servers "
            "misread it\n"
            "5: warning: invisible character U+200B (zero-width space) at column 60 of a "
            "setting; some servers misread it\n"
            "6: warning: look-alike character U+0663 (digit 3) at column 7 of a setting; only the "
            "digits 0-9 are read as numbers");
        row("near-miss key, two letters", kHeader + "+OverridePlayrLevelEngramPoint=3\r\n",
            "2: warning: OverridePlayrLevelEngramPoint is no key the game reads; did you mean "
            "OverridePlayerLevelEngramPoints?");
        row("near-miss header", "[/script/shootergame.shootergamemod]\r\nA=1\r\n",
            "1: warning: section [/script/shootergame.shootergamemod]: did you mean "
            "[/script/shootergame.shootergamemode]?");
        row("a GameUserSettings.ini key", kHeader + "XPMultiplier=2.0\r\n",
            "2: warning: XPMultiplier is read from GameUserSettings.ini, under [ServerSettings], "
            "not from Game.ini");
        // 65535 characters are still fine.
        row("line too long",
            kHeader + "Motd=" + QByteArray(65531, 'x') + "\r\nNote=" + QByteArray(65530, 'x'),
            "2: warning: line is 65536 characters long; some hosting panels cut lines after "
            "65535");
        row("lone CR line ends",
            header("\r") + ramp_line({5, 6}, "\r") + "OverrideMaxExperiencePointsPlayer=5\r",
            "3: error: OverrideMaxExperiencePointsPlayer=5 is below the player ramp's last value "
            "(6): level 2 of 3 is the highest reachable");
    }

    void reports()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, report);
        QCOMPARE(spelled(check_level_lines(file)), report);
    }
};

QTEST_APPLESS_MAIN(TestGameIniCheck)
#include "tst_game_ini_check.moc"
