#include "output/game_ini_merge.h"
#include "output/game_ini_text.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(GameIniChoices)

namespace {

using Player = GameIniChoices::Player;
using Engram = GameIniChoices::Engram;

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Arguments are separated by blanks; no test needs a blank inside one.
Outcome run_cli(const QString &arguments, const QString &folder)
{
    QProcess cli;
    cli.setWorkingDirectory(folder);
    cli.start(QStringLiteral(QUILLMARK_CLI), arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray kHeader = "[/script/shootergame.shootergamemode]\r\n";
const QByteArray kGameIni = "[ServerSettings]\r\nPort=7777\r\n"
                            "[/Script/ShooterGame.ShooterGameMode]\r\nKillXPMultiplier=2.0\r\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void help_and_version()
    {
        const Outcome help = run_cli("--help", folder.path());
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage:\n  quillmark-cli [CHOICES] [-o FILE]"));
        const Outcome version = run_cli("--version", folder.path());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("quillmark-cli " QUILLMARK_VERSION "\n"));
    }

    void text_for_choices_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<GameIniChoices>("choices");

        QTest::newRow("window defaults") << "" << GameIniChoices{};
        QTest::newRow("-o - for standard output") << "-o -" << GameIniChoices{};
        GameIniChoices curve;
        curve.player = Player::ComplexCurve;
        curve.player_scale = 865.692;
        curve.creature = GameIniChoices::Creature::Linear;
        curve.creature_scale = 0.5;
        QTest::newRow("= syntax, preset value, scale rounded to three decimals")
            << "--player=curve --creature=linear --creature-scale=0.4996" << curve;
        GameIniChoices stock;
        stock.player = Player::Stock;
        stock.creature_locked_to_stock = stock.engram_reverse = stock.max_xp_overrides = true;
        stock.player_levels = 50;
        stock.engram = Engram::Linear;
        stock.engram_scale = 63.987;
        QTest::newRow("stock tables, reversed engram points, caps")
            << "--player stock --creature player-stock --player-levels 50 --engram linear "
               "--engram-reverse --max-xp"
            << stock;
    }

    void text_for_choices()
    {
        QFETCH(QString, arguments);
        QFETCH(GameIniChoices, choices);
        const Outcome outcome = run_cli(arguments, folder.path());
        QCOMPARE(outcome.err, QByteArray());
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
        row("unknown option", "--bogus -o out.ini", "unknown option --bogus");
        row("unknown style", "--player mmo -o out.ini",
            "--player: unknown style 'mmo'; allowed: curve, exponential, linear, stock, skip");
        row("level count", "--creature-levels 71.5 -o out.ini",
            "--creature-levels: expected a whole number from 10 to 4000, got '71.5'");
        row("scale", "--player linear --player-scale 150.001 -o out.ini",
            "--player-scale: expected a number from 0.5 to 150 for the linear style");
        row("exponential overflow", "--player-levels 223 -o out.ini",
            "passes 9.99e14 at level 223; allowed: at most 222 levels, or a lower scale");
        row("nothing to write", "--player skip --engram stock -o out.ini",
            "--player skip with --engram stock: nothing to write");
        row("unreadable custom code", "--custom-code missing.txt -o out.ini",
            "--custom-code: cannot read missing.txt");
        row("conflicting modes", "-o out.ini --check Game.ini",
            "-o with --check: only one of -o, --merge-into and --check at a time");
        row("merge with custom code", "--merge-into Game.ini --custom-code code.txt",
            "--custom-code: not with --merge-into");
        row("option for a file name", "-o --max-xp",
            "-o: expected a file name, got '--max-xp'; a file whose name starts with - is "
            "given as ./--max-xp");
        row("help for a file name", "-o -h", "-o: expected a file name, got '-h'");
        row("file name joined to -o", "-oh", "-oh: give the file name apart, as -o FILE");
        row("standard input for a file name", "--check -",
            "--check: expected a file name, got '-'");
    }

    // A refusal says why in one line on standard error and touches no file.
    void refusals()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, message);
        QTemporaryDir own;
        write_file(own.filePath("Game.ini"), kGameIni);
        write_file(own.filePath("code.txt"), "A=1");
        const Outcome outcome = run_cli(arguments, own.path());
        const QString err = QString::fromLocal8Bit(outcome.err);
        QVERIFY2(err.startsWith("quillmark-cli: ") && err.contains(message) && err.count('\n') == 1,
                 qPrintable(err));
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QByteArray());
        QCOMPARE(QDir(own.path()).entryList(QDir::Files), (QStringList{"code.txt", "Game.ini"}));
        QCOMPARE(contents(own.filePath("Game.ini")), kGameIni);
    }

    void output_file_is_replaced_whole()
    {
        write_file(folder.filePath("replaced.ini"), QByteArray(100000, 'x'));
        const Outcome outcome = run_cli("--no-header -o replaced.ini", folder.path());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out + outcome.err, QByteArray());
        GameIniChoices choices;
        choices.section_header = false;
        QCOMPARE(contents(folder.filePath("replaced.ini")), game_ini_text(choices).bytes);

        // A name this long leaves no room for the temporary file written beside it.
        const QString name = QString(250, QLatin1Char('g')) + ".ini";
        write_file(folder.filePath(name), "MaxPlayers=70\r\n");
        const Outcome failed = run_cli("-o " + name, folder.path());
        QCOMPARE(failed.status, 1);
        QVERIFY(failed.err.startsWith("quillmark-cli: cannot write " + name.toUtf8()));
        QCOMPARE(contents(folder.filePath(name)), QByteArray("MaxPlayers=70\r\n"));
    }

    void merge_keeps_a_backup()
    {
        write_file(folder.filePath("Game.ini"), kGameIni);
        write_file(folder.filePath("Game.ini.bak"), "an older backup");
        const Outcome outcome = run_cli("--max-xp --merge-into Game.ini", folder.path());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out + outcome.err, QByteArray());
        GameIniChoices choices;
        choices.section_header = false;
        choices.max_xp_overrides = true;
        QCOMPARE(contents(folder.filePath("Game.ini")),
                 merge_level_lines(kGameIni, game_ini_text(choices).bytes, true));
        QCOMPARE(contents(folder.filePath("Game.ini.bak")), kGameIni);

        // Without a backup the operator's file is not touched.
        write_file(folder.filePath("Other.ini"), kGameIni);
        QVERIFY(QDir(folder.path()).mkdir("Other.ini.bak"));
        QCOMPARE(run_cli("--merge-into Other.ini", folder.path()).status, 1);
        QCOMPARE(contents(folder.filePath("Other.ini")), kGameIni);
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("report");

        QTest::newRow("generated") << game_ini_text(GameIniChoices{}).bytes << 0 << QByteArray();
        QTest::newRow("warning only")
            << kHeader + "OverrideMaxExperiencePointsDino=3000000000\n"
            << 0
            << QByteArray("Game.ini:2: warning: OverrideMaxExperiencePointsDino=3000000000 is "
                          "above 2147483647; servers are reported to misbehave above it\n");
        QTest::newRow("error")
            << kHeader + "LevelExperienceRampOverrides=()\r\n"
            << 1 << QByteArray("Game.ini:2: error: LevelExperienceRampOverrides has no entries\n");
    }

    void check()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QByteArray, report);
        write_file(folder.filePath("Game.ini"), file);
        const Outcome outcome = run_cli("--check Game.ini", folder.path());
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
