// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_faults.h"
#include "game_ini_lines.h"
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"
#include "gameini/merge_account.h"
#include "gameini/unified_diff.h"
#include "output/game_ini_text.h"

#include <QtTest>

Q_DECLARE_METATYPE(GameIniChoices)

namespace {

using Player = GameIniChoices::Player;
using Engram = GameIniChoices::Engram;

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void help_and_version()
    {
        QCOMPARE(run_cli("--help", folder.path()).status, 0);
        const CliOutcome version = run_cli("--version", folder.path());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("quillmark-cli " QUILLMARK_VERSION "\n"));
    }

    void text_for_choices_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<GameIniChoices>("choices");

        QTest::newRow("-o - for standard output") << "-o -" << GameIniChoices{};
        GameIniChoices curve;
        curve.player = Player::ComplexCurve;
        curve.player_scale = 865.692;
        curve.creature = GameIniChoices::Creature::Linear;
        curve.creature_scale = 0.5;
        QTest::newRow("= syntax, preset value, scale rounded to three decimals")
            << "--player=curve --creature=linear --creature-scale=0.4996" << curve;
    }

    void text_for_choices()
    {
        QFETCH(QString, arguments);
        QFETCH(GameIniChoices, choices);
        const CliOutcome outcome = run_cli(arguments, folder.path());
        QCOMPARE(outcome.err, QByteArray());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, game_ini_text(choices).bytes);
    }

    // Custom code is read as UTF-8 on every Qt: a byte-order mark is dropped, and text that is
    // not UTF-8 is refused rather than written with replacement characters.
    void custom_code_encoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("code"); // as written; none when refused

        const QByteArray motd = "Motd=Gr\xC3\xBC\xC3\x9F \xE2\x98\x83";
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + motd << motd;
        QTest::newRow("Latin-1") << QByteArray("Motd=Gr\xFC\xDF") << QByteArray();
        QTest::newRow("overlong") << QByteArray("A=\xC0\xAF") << QByteArray();
        QTest::newRow("encoded surrogate") << QByteArray("A=\xED\xA0\x80") << QByteArray();
    }

    void custom_code_encoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, code);
        QTemporaryDir own;
        QVERIFY(put(own.filePath("code.txt"), bytes));
        const CliOutcome outcome = run_cli("--custom-code code.txt", own.path());
        if (code.isNull()) {
            QCOMPARE(outcome.status, 2);
            QCOMPARE(outcome.err,
                     QByteArray("quillmark-cli: --custom-code: code.txt is not UTF-8 text\n"));
            return;
        }
        GameIniChoices choices;
        choices.custom_code_enabled = true;
        choices.custom_code = QString::fromUtf8(code);
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, game_ini_text(choices).bytes);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("message");

        const auto row = [](const char *name, const char *arguments, const char *message) {
            QTest::newRow(name) << QString(arguments) << QString(message);
        };
        // Each refusal's message is checked in process (tst_cli_options); these show the
        // program's exit status and that nothing is written, for a parser refusal and for an
        // unreadable input.
        row("unknown option", "--bogus -o out.ini", "unknown option --bogus");
        row("unreadable custom code", "--custom-code missing.txt -o out.ini",
            "--custom-code: cannot read missing.txt");
    }

    // A refusal says why in one line on standard error and touches no file.
    void refusals()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, message);
        QTemporaryDir own;
        QVERIFY(put(own.filePath("Game.ini"), kOldText));
        QVERIFY(put(own.filePath("code.txt"), "A=1"));
        const CliOutcome outcome = run_cli(arguments, own.path());
        const QString err = QString::fromLocal8Bit(outcome.err);
        QVERIFY2(err.startsWith("quillmark-cli: ") && err.contains(message) && err.count('\n') == 1,
                 qPrintable(err));
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QByteArray());
        QCOMPARE(QDir(own.path()).entryList(QDir::Files), (QStringList{"code.txt", "Game.ini"}));
        QCOMPARE(contents(own.filePath("Game.ini")), kOldText);
    }

    void output_file_is_replaced_whole()
    {
        QVERIFY(put(folder.filePath("replaced.ini"), QByteArray(100000, 'x')));
        const CliOutcome outcome = run_cli("--no-header -o replaced.ini", folder.path());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out + outcome.err, QByteArray());
        GameIniChoices choices;
        choices.section_header = false;
        QCOMPARE(contents(folder.filePath("replaced.ini")), game_ini_text(choices).bytes);

        // The temporary file's name does not grow with the file's: a name of the longest
        // length is written too.
#ifdef QUILLMARK_PORTABLE_FILES
        QSKIP("the Qt-only file code names its lock and temporary files after the file");
#endif
        const QString name = QString(251, QLatin1Char('g')) + ".ini";
        QVERIFY(put(folder.filePath(name), "MaxPlayers=70\r\n"));
        const CliOutcome longest = run_cli("--no-header -o " + name, folder.path());
        QCOMPARE(longest.status, 0);
        QCOMPARE(contents(folder.filePath(name)), game_ini_text(choices).bytes);
    }

    void merge_keeps_a_backup()
    {
        QVERIFY(put(folder.filePath("Game.ini"), kOldText));
        QVERIFY(put(folder.filePath("Game.ini.bak"), "an older backup"));
        const CliOutcome outcome = run_cli("--max-xp --merge-into Game.ini", folder.path());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, QByteArray());
        GameIniChoices choices;
        choices.max_xp_overrides = true;
        const GameIniMerge merged = merge_level_progression(kOldText, choices);
        QCOMPARE(contents(folder.filePath("Game.ini")), merged.text);
        QCOMPARE(contents(folder.filePath("Game.ini.bak")), kOldText);
        // One line for each change, then the summary.
        const QStringList account =
            merge_account(merged.report, MergeAccount::CommandLine, "Game.ini");
        QCOMPARE(account.size(), 5);
        QVERIFY(account.last().startsWith(
            "added Game.ini: OverrideMaxExperiencePointsDino=" + merged.report.caps[1].new_value +
            ", the new ramp's last value"));
        QCOMPARE(outcome.err, (account.join('\n') +
                               "\nquillmark-cli: merged into Game.ini: added 118 lines; the old "
                               "file is Game.ini.bak\n")
                                  .toUtf8());
    }

    // A cluster's maps: each file on its own, in its own encoding, a line for each, the worst
    // status.
    void several_merges()
    {
        QTemporaryDir own;
        const QByteArray stray = engram_lines({1});
        QVERIFY(put(own.filePath("A.ini"), stray + kOldText));
        const QByteArray utf16 = encode_game_ini(kOldText, GameIniEncoding::Utf16BE);
        QVERIFY(put(own.filePath("B.ini"), utf16));
        const CliOutcome outcome = run_cli(
            "--player-levels 20 --merge-into A.ini --merge-into Missing.ini --merge-into B.ini",
            own.path());
        QCOMPARE(outcome.status, 2);
        GameIniChoices choices;
        choices.player_levels = 20;
        QCOMPARE(contents(own.filePath("A.ini")),
                 merge_level_progression(stray + kOldText, choices).text);
        QCOMPARE(contents(own.filePath("B.ini")),
                 encode_game_ini(merge_level_progression(kOldText, choices).text,
                                 GameIniEncoding::Utf16BE));
        QCOMPARE(contents(own.filePath("B.ini.bak")), utf16);
        const QList<QByteArray> lines = outcome.err.trimmed().split('\n');
        // Three blocks added and a line removed in each file.
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[3], QByteArray("removed A.ini:1: OverridePlayerLevelEngramPoints=1 outside "
                                      "[/script/shootergame.shootergamemode], before any section"));
        QVERIFY(lines[4].startsWith("quillmark-cli: merged into A.ini: added 21 lines; removed 1 "
                                    "stray line;"));
        QVERIFY(lines[5].startsWith("quillmark-cli: --merge-into: cannot read Missing.ini: "));
        QVERIFY(lines[9].startsWith("quillmark-cli: merged into B.ini: added 21 lines;"));
    }

    // --diff prints what the merge would change and writes nothing.
    void diff_writes_nothing()
    {
        QTemporaryDir own;
        QVERIFY(put(own.filePath("Game.ini"), kOldText));
        const CliOutcome outcome =
            run_cli("--engram stock --diff --merge-into Game.ini", own.path());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.err, QByteArray());
        GameIniChoices choices;
        choices.engram = Engram::Stock;
        QCOMPARE(
            outcome.out,
            unified_diff(kOldText, merge_level_progression(kOldText, choices).edits, "Game.ini"));
        QCOMPARE(QDir(own.path()).entryList(QDir::Files), QStringList{"Game.ini"});
        QCOMPARE(contents(own.filePath("Game.ini")), kOldText);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("report");

        QTest::newRow("warning only")
            << kHeader + "OverrideMaxExperiencePointsDino=3000000000\n"
            << 0
            << QByteArray("Game.ini:2: warning: OverrideMaxExperiencePointsDino=3000000000 is "
                          "above 2147483647; servers are reported to misbehave above it\n");
        QTest::newRow("error, lone CR line ends")
            << header("\r") + "A=1\rLevelExperienceRampOverrides=()\r" << 1
            << QByteArray("Game.ini:3: error: LevelExperienceRampOverrides has no entries\n");
    }

    void check()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QByteArray, report);
        QVERIFY(put(folder.filePath("Game.ini"), file));
        const CliOutcome outcome = run_cli("--check Game.ini", folder.path());
        QCOMPARE(outcome.out, report);
        QCOMPARE(outcome.err, QByteArray());
        QCOMPARE(outcome.status, status);
        QCOMPARE(contents(folder.filePath("Game.ini")), file);
    }

private:
    QTemporaryDir folder;
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
