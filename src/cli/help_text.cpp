// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The text of --help, laid out as it prints. Every {name} is filled in from the constants that
// decide it: the styles, the presets, the level limits and the window's start values.

#include "cli/options.h"

#include "files/read_file.h"

#include <map>

namespace {

const char kHelp[] = R"(Usage:
  quillmark-cli [CHOICES] [-o FILE]          write the Game.ini text
  quillmark-cli [CHOICES] --merge-into FILE  put the level progression into an existing Game.ini
  quillmark-cli --check FILE                 report problems in a Game.ini's level progression

Choices, with the window's start values in parentheses:
  --player STYLE       {player styles} ({player})
  --player-levels N    {fewest} to {most} ({player levels})
  --player-scale X     {player scales}
  --engram STYLE       {engram styles} ({engram})
  --engram-reverse     reverse the logarithmic or linear points
  --engram-levels N    with --player skip: {fewest} to {most} ({engram levels})
  --engram-scale X     {engram scales}
  --creature STYLE     {creature styles} ({creature});
                       stock writes no creature line, player-stock the player's
                       stock table (with --player stock)
  --creature-levels N  {fewest} to {most} ({creature levels})
  --creature-scale X   {creature scales}
  --no-header          leave out the section header line
  --custom-code FILE   end the text with the lines of FILE, empty lines dropped
  --max-xp             also cap the experience at the last value of each ramp
Scaling values are rounded to three decimals. Options that the chosen styles do not
use are refused.

Output:
  -o FILE              write FILE (standard output without -o or with -o -),
                       replacing it only once the whole text is on disk, with its
                       owner and mode kept
  --merge-into FILE    replace the level lines in FILE, keeping every other byte;
                       the old file stays as FILE.bak, and a merge that changes
                       nothing writes nothing. Give it once per file to merge several;
                       a line per file says what was done
  --diff               with --merge-into: print what would change as a unified diff
                       and write nothing
  --lock-wait SECONDS  how long to wait for another program that is writing the file
                       before giving up ({lock wait}; 0 does not wait)
  --check FILE         print FILE:LINE: error|warning: message for each problem
  -h, --help           show this text
  --version            show the version

A file whose name starts with - is given as ./-NAME. Game.ini files up to {game ini MiB} MiB and
custom code up to {custom code MiB} MiB are read.

Exit status: 0 done; 1 --check found an error, or a file could not be written (it
keeps its old text); 2 bad input or an unreadable file, and nothing was written.
Several --merge-into: the worst of their statuses, each file merged or left alone on
its own.
)";

// Where a continued option description starts.
const QString kContinued = QStringLiteral(",\n                       ");

template <typename Style> QString style_names()
{
    return cli_names<Style>().join(QStringLiteral(", "));
}

// "curve 1-4000 (865.692)" for each style with a scaling value, a line each.
template <typename Style> QString scale_ranges()
{
    QStringList ranges;
    for (const StyleRow<Style> &row : style_table(Style{})) {
        if (row.code == 0)
            continue;
        const ScalingPreset range = scaling_preset(row.style);
        ranges << QStringLiteral("%1 %2-%3 (%4)")
                      .arg(QLatin1String(row.cli_name), spelled_scale(range.minimum),
                           spelled_scale(range.maximum), spelled_scale(range.value));
    }
    return ranges.join(kContinued);
}

QString mebibytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}

} // namespace

QString help_text()
{
    const GameIniChoices start;
    using Player = GameIniChoices::Player;
    using Creature = GameIniChoices::Creature;
    using Engram = GameIniChoices::Engram;
    const std::map<QString, QString> values = {
        {QStringLiteral("player styles"), style_names<Player>()},
        {QStringLiteral("player"), cli_name_of(start.player)},
        {QStringLiteral("player levels"), QString::number(start.player_levels)},
        {QStringLiteral("player scales"), scale_ranges<Player>()},
        {QStringLiteral("engram styles"), style_names<Engram>()},
        {QStringLiteral("engram"), cli_name_of(start.engram)},
        {QStringLiteral("engram levels"), QString::number(start.engram_levels_without_player)},
        {QStringLiteral("engram scales"), scale_ranges<Engram>()},
        {QStringLiteral("creature styles"), style_names<Creature>()},
        {QStringLiteral("creature"), cli_name_of(start.creature)},
        {QStringLiteral("creature levels"), QString::number(start.creature_levels)},
        {QStringLiteral("creature scales"), scale_ranges<Creature>()},
        {QStringLiteral("fewest"), QString::number(kFewestLevels)},
        {QStringLiteral("most"), QString::number(kMostLevels)},
        {QStringLiteral("lock wait"), QString::number(CliOptions{}.lock_wait)},
        {QStringLiteral("game ini MiB"), mebibytes(kGameIniMaxBytes)},
        {QStringLiteral("custom code MiB"), mebibytes(kCustomCodeMaxBytes)},
    };
    QString text = QString::fromUtf8(kHelp);
    for (const auto &[name, value] : values)
        text.replace(QLatin1Char('{') + name + QLatin1Char('}'), value);
    return text;
}
