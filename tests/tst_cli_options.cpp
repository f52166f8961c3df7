// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The command-line parser in process: every way it refuses a command line, each with its
// message. tst_cli runs the program for the exit status and for what a refusal leaves alone.

#include "cli/options.h"
#include "ramps/previews.h"

#include <QtTest>

namespace {

CommandLine parsed(const QString &arguments)
{
    return parse_command_line(QStringList{QStringLiteral("quillmark-cli")} +
                              arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace

class TestCliOptions : public QObject
{
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments"); // kept apart, so a value may be empty
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, QStringList arguments, const char *message) {
            QTest::newRow(name) << arguments << QString(message);
        };
        row("unknown option", {"--bogus"},
            "unknown option --bogus; quillmark-cli --help lists them");
        row("missing value", {"--player"}, "Missing value after '--player'.");
        row("unexpected argument", {"Game.ini"},
            "unexpected argument 'Game.ini'; options start with --");
        row("option twice", {"--player-levels", "20", "--player-levels", "30"},
            "--player-levels given more than once");
        row("empty file name", {"-o", ""}, "-o: expected a file name");
        row("option for a file name", {"--check", "--max-xp"},
            "--check: expected a file name, got '--max-xp'; a file whose name starts with - is "
            "given as ./--max-xp");
        row("file name joined to -o", {"-oh"}, "-oh: give the file name apart, as -o FILE");
        row("diff without a merge", {"--diff"},
            "--diff: only with --merge-into, whose changes it shows");
        row("two modes", {"-o", "x.ini", "--merge-into", "Game.ini"},
            "-o with --merge-into: only one of -o, --merge-into and --check at a time");
        row("check with other options", {"--check", "Game.ini", "--max-xp"},
            "--check: takes no other option, got --max-xp");
        row("merge without a header", {"--merge-into", "Game.ini", "--no-header"},
            "--no-header: not with --merge-into, which keeps the file's own header and lines");
        row("lock wait", {"--lock-wait", "-1"},
            "--lock-wait: expected a whole number of seconds, got '-1'");
        row("unknown style", {"--engram", "mmo"},
            "--engram: unknown style 'mmo'; allowed: logarithmic, linear, static, stock");
        row("player stock without a stock player", {"--creature", "player-stock"},
            "--creature player-stock: only with --player stock, whose table it copies");
        row("nothing to write", {"--player", "skip", "--engram", "stock"},
            "--player skip with --engram stock: nothing to write; choose a player ramp or "
            "engram points");
        // The options a style leaves unused, down the chain.
        row("scale of a stock ramp", {"--player", "stock", "--player-scale", "3"},
            "--player-scale: not used with --player stock");
        row("levels of a skipped ramp", {"--player", "skip", "--player-levels", "20"},
            "--player-levels: not used with --player skip; --engram-levels counts the engram "
            "lines");
        row("creature of a skipped player", {"--player", "skip", "--creature", "linear"},
            "--creature: not used with --player skip");
        row("creature levels of the player's stock",
            {"--player", "stock", "--creature", "player-stock", "--creature-levels", "20"},
            "--creature-levels: not used with --creature player-stock");
        row("caps of a skipped player", {"--player", "skip", "--max-xp"},
            "--max-xp: not used with --player skip");
        row("reversed static points", {"--engram", "static", "--engram-reverse"},
            "--engram-reverse: not used with --engram static");
        row("engram levels with a player", {"--engram-levels", "20"},
            "--engram-levels: not used with --player exponential; the engram lines follow "
            "--player-levels");
        row("level count", {"--creature-levels", "4001"},
            "--creature-levels: expected a whole number from 10 to 4000, got '4001'");
        row("scale", {"--engram", "linear", "--engram-scale", "17.4"},
            "--engram-scale: expected a number from 17.5 to 130 for the linear style, got "
            "'17.4'");
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CommandLine command =
            parse_command_line(QStringList{QStringLiteral("quillmark-cli")} + arguments);
        QCOMPARE(command.action, CommandLine::Action::Refuse);
        QCOMPARE(command.refusal, message);
    }

    // An exponential ramp is allowed up to the last level below the game's limit, and the
    // refusal names that level.
    void exponential_limit()
    {
        const double scale = GameIniChoices{}.player_scale;
        int most = kFewestLevels;
        while (xp_within_limit(scale, most + 1))
            ++most;
        QCOMPARE(parsed(QStringLiteral("--player-levels %1").arg(most)).action,
                 CommandLine::Action::Run);
        const CommandLine refused = parsed(QStringLiteral("--player-levels %1").arg(most + 1));
        QCOMPARE(refused.refusal,
                 QStringLiteral("--player-levels %1 with --player-scale %2: the exponential ramp "
                                "passes 9.99e14 at level %3; allowed: at most %4 levels, or a "
                                "lower scale")
                     .arg(most + 1)
                     .arg(spelled_scale(scale))
                     .arg(most + 1)
                     .arg(most));
    }

    // Every style name is taken, and gives the style of its row.
    void style_names()
    {
        for (const auto &row : kPlayerStyles)
            QCOMPARE(parsed(QStringLiteral("--engram linear --player ") + row.cli_name)
                         .options.choices.player,
                     row.style);
        for (const auto &row : kEngramStyles)
            QCOMPARE(parsed(QStringLiteral("--engram ") + row.cli_name).options.choices.engram,
                     row.style);
        for (const auto &row : kCreatureStyles)
            QCOMPARE(parsed(QStringLiteral("--player stock --creature ") + row.cli_name)
                         .options.choices.creature,
                     row.style);
    }
};

QTEST_APPLESS_MAIN(TestCliOptions)
#include "tst_cli_options.moc"
