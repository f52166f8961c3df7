// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"

#include "ramps/previews.h"

#include <QCommandLineParser>

#include <optional>

namespace {

using Player = GameIniChoices::Player;
using Creature = GameIniChoices::Creature;
using Engram = GameIniChoices::Engram;

const QString kProgram = QStringLiteral("quillmark-cli");
const QString kStandard = QStringLiteral("-"); // -o -: standard output

// Stock tables and skipped ramps have no scaling value.
template <typename Style> bool has_scale(Style style)
{
    return style_code(style).has_value();
}

// The spin boxes hold three decimals and round what they are given.
double spin_box_value(double value)
{
    return QString::number(value, 'f', 3).toDouble();
}

struct Options {
    QCommandLineOption help{{"h", "help"}, ""};
    QCommandLineOption version{"version", ""};
    QCommandLineOption output{"o", "", "FILE"};
    QCommandLineOption merge{"merge-into", "", "FILE"};
    QCommandLineOption diff{"diff", ""};
    QCommandLineOption check{"check", "", "FILE"};
    QCommandLineOption player{"player", "", "STYLE"};
    QCommandLineOption player_levels{"player-levels", "", "N"};
    QCommandLineOption player_scale{"player-scale", "", "X"};
    QCommandLineOption engram{"engram", "", "STYLE"};
    QCommandLineOption engram_reverse{"engram-reverse", ""};
    QCommandLineOption engram_levels{"engram-levels", "", "N"};
    QCommandLineOption engram_scale{"engram-scale", "", "X"};
    QCommandLineOption creature{"creature", "", "STYLE"};
    QCommandLineOption creature_levels{"creature-levels", "", "N"};
    QCommandLineOption creature_scale{"creature-scale", "", "X"};
    QCommandLineOption no_header{"no-header", ""};
    QCommandLineOption custom_code{"custom-code", "", "FILE"};
    QCommandLineOption max_xp{"max-xp", ""};
    QCommandLineOption lock_wait{"lock-wait", "", "SECONDS"};
};

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString dashed(const QCommandLineOption &option)
{
    return dashed(option.names().constLast());
}

// Reads the command line into options, stopping at the first refusal.
class Reader
{
public:
    explicit Reader(const QStringList &arguments) : arguments(arguments)
    {
        parser_options = {o.help,         o.version,     o.output,          o.merge,
                          o.diff,         o.check,       o.player,          o.player_levels,
                          o.player_scale, o.engram,      o.engram_reverse,  o.engram_levels,
                          o.engram_scale, o.creature,    o.creature_levels, o.creature_scale,
                          o.no_header,    o.custom_code, o.max_xp,          o.lock_wait};
        parser.addOptions(parser_options);
        parsed = parser.parse(arguments);
    }

    CommandLine read()
    {
        if (!parsed) {
            const QStringList unknown = parser.unknownOptionNames();
            refuse(unknown.isEmpty() ? parser.errorText()
                                     : QStringLiteral("unknown option %1; %2 --help lists them")
                                           .arg(dashed(unknown.first()), kProgram));
            return command;
        }
        if (parser.isSet(o.help))
            command.action = CommandLine::Action::Help;
        else if (parser.isSet(o.version))
            command.action = CommandLine::Action::Version;
        else if (read_options() && read_mode() && read_lock_wait() && read_styles() &&
                 read_unused() && read_values())
            read_limits();
        return command;
    }

private:
    bool refuse(const QString &message)
    {
        command.action = CommandLine::Action::Refuse;
        command.refusal = message;
        return false;
    }

    bool read_options()
    {
        if (!parser.positionalArguments().isEmpty())
            return refuse(QStringLiteral("unexpected argument '%1'; options start with --")
                              .arg(parser.positionalArguments().first()));
        const QStringList given = parser.optionNames();
        for (const QString &name : given) {
            // A cluster's maps are merged in one run.
            if (given.count(name) > 1 && name != o.merge.names().constFirst())
                return refuse(QStringLiteral("%1 given more than once").arg(dashed(name)));
        }
        for (const QCommandLineOption *file : {&o.output, &o.merge, &o.check, &o.custom_code}) {
            for (const QString &name : parser.values(*file)) {
                if (name.isEmpty())
                    return refuse(QStringLiteral("%1: expected a file name").arg(dashed(*file)));
                // A leading dash is an option that took the place of the file name; "-o -"
                // alone names standard output.
                if (name.startsWith(QLatin1Char('-')) && !(file == &o.output && name == kStandard))
                    return refuse(QStringLiteral("%1: expected a file name, got '%2'; a file "
                                                 "whose name starts with - is given as ./%2")
                                      .arg(dashed(*file), name));
            }
        }
        return read_apart_output();
    }

    // "-oh" would write a file named "h" where "-o -h" was meant: the file name stands apart.
    bool read_apart_output()
    {
        for (int i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
            const QString &argument = arguments[i];
            if (argument.startsWith(QLatin1String("-o")) && argument.size() > 2)
                return refuse(
                    QStringLiteral("%1: give the file name apart, as -o FILE").arg(argument));
            if (takes_value(argument))
                ++i;
        }
        if (parser.isSet(o.diff) && !parser.isSet(o.merge))
            return refuse(QStringLiteral("--diff: only with --merge-into, whose changes it shows"));
        return true;
    }

    // An option given without "=" whose value is the next argument.
    bool takes_value(const QString &argument) const
    {
        if (argument == QLatin1String("-o"))
            return true;
        if (!argument.startsWith(QLatin1String("--")) || argument.contains(QLatin1Char('=')))
            return false;
        const QString name = argument.mid(2);
        for (const QCommandLineOption &option : parser_options) {
            if (option.names().contains(name))
                return !option.valueName().isEmpty();
        }
        return false;
    }

    bool read_mode()
    {
        QStringList modes;
        for (const QCommandLineOption *mode : {&o.output, &o.merge, &o.check}) {
            if (parser.isSet(*mode))
                modes << dashed(*mode);
        }
        if (modes.size() > 1)
            return refuse(QStringLiteral("%1: only one of -o, --merge-into and --check at a time")
                              .arg(modes.join(QStringLiteral(" with "))));
        CliOptions &options = command.options;
        if (parser.isSet(o.check)) {
            options.mode = CliOptions::Mode::Check;
            options.target_file = parser.value(o.check);
            const QStringList given = parser.optionNames();
            if (given.size() > 1)
                return refuse(
                    QStringLiteral("--check: takes no other option, got %1")
                        .arg(dashed(given.first() == QLatin1String("check") ? given.at(1)
                                                                            : given.first())));
        } else if (parser.isSet(o.merge)) {
            options.mode = CliOptions::Mode::Merge;
            options.merge_files = parser.values(o.merge);
            options.diff_only = parser.isSet(o.diff);
            for (const QCommandLineOption *refused : {&o.custom_code, &o.no_header}) {
                if (parser.isSet(*refused))
                    return refuse(QStringLiteral("%1: not with --merge-into, which keeps the "
                                                 "file's own header and lines")
                                      .arg(dashed(*refused)));
            }
        } else if (parser.value(o.output) != kStandard) {
            options.output_file = parser.value(o.output);
        }
        options.choices.section_header =
            !parser.isSet(o.no_header) && options.mode != CliOptions::Mode::Merge;
        options.custom_code_file = parser.value(o.custom_code);
        options.choices.custom_code_enabled = parser.isSet(o.custom_code);
        options.choices.engram_reverse = parser.isSet(o.engram_reverse);
        options.choices.max_xp_overrides = parser.isSet(o.max_xp);
        return true;
    }

    bool read_lock_wait()
    {
        if (!parser.isSet(o.lock_wait))
            return true;
        bool whole = false;
        const int seconds = parser.value(o.lock_wait).toInt(&whole);
        if (!whole || seconds < 0)
            return refuse(QStringLiteral("--lock-wait: expected a whole number of seconds, got "
                                         "'%1'")
                              .arg(parser.value(o.lock_wait)));
        command.options.lock_wait = seconds;
        return true;
    }

    template <typename Style> bool read_style(const QCommandLineOption &option, Style &style)
    {
        if (!parser.isSet(option))
            return true;
        const QString name = parser.value(option);
        if (const auto named = style_named<Style>(name)) {
            style = *named;
            return true;
        }
        return refuse(
            QStringLiteral("%1: unknown style '%2'; allowed: %3")
                .arg(dashed(option), name, cli_names<Style>().join(QStringLiteral(", "))));
    }

    bool read_styles()
    {
        GameIniChoices &choices = command.options.choices;
        if (!read_style(o.player, choices.player) || !read_style(o.engram, choices.engram) ||
            !read_style(o.creature, choices.creature))
            return false;
        if (choices.creature == Creature::PlayerStock && choices.player != Player::Stock)
            return refuse(QStringLiteral("--creature player-stock: only with --player stock, "
                                         "whose table it copies"));
        return true;
    }

    bool unused(const QCommandLineOption &option, bool used, const QString &because,
                const QString &hint = QString())
    {
        return used || !parser.isSet(option) ||
               refuse(QStringLiteral("%1: not used with %2%3").arg(dashed(option), because, hint));
    }

    // An option that the chosen styles leave unused is refused rather than ignored.
    bool read_unused()
    {
        const GameIniChoices &c = command.options.choices;
        const QString player = QStringLiteral("--player ") + cli_name_of(c.player);
        const QString engram = QStringLiteral("--engram ") + cli_name_of(c.engram);
        const QString creature = QStringLiteral("--creature ") + cli_name_of(c.creature);
        const bool player_skipped = c.player == Player::Skip;
        const bool player_computed = has_scale(c.player);
        const bool engram_written = has_scale(c.engram);
        const bool creature_computed = has_scale(c.creature);
        if (player_skipped && !engram_written)
            return refuse(QStringLiteral("--player skip with --engram stock: nothing to write; "
                                         "choose a player ramp or engram points"));
        return unused(o.player_scale, player_computed, player) &&
               unused(o.player_levels, player_computed || (!player_skipped && engram_written),
                      player_skipped ? player : player + QStringLiteral(" and ") + engram,
                      player_skipped ? QStringLiteral("; --engram-levels counts the engram lines")
                                     : QString()) &&
               unused(o.creature, !player_skipped, player) &&
               unused(o.creature_levels, !player_skipped, player) &&
               unused(o.creature_scale, !player_skipped, player) &&
               unused(o.creature_levels, creature_computed, creature) &&
               unused(o.creature_scale, creature_computed, creature) &&
               unused(o.max_xp, !player_skipped, player) &&
               unused(o.engram_scale, engram_written, engram) &&
               unused(o.engram_reverse, reversible(c.engram), engram) &&
               unused(o.engram_levels, player_skipped, player,
                      QStringLiteral("; the engram lines follow --player-levels"));
    }

    bool read_levels(const QCommandLineOption &option, int &levels)
    {
        if (!parser.isSet(option))
            return true;
        bool whole = false;
        const int value = parser.value(option).toInt(&whole);
        if (whole && value >= kFewestLevels && value <= kMostLevels) {
            levels = value;
            return true;
        }
        return refuse(QStringLiteral("%1: expected a whole number from %2 to %3, got '%4'")
                          .arg(dashed(option))
                          .arg(kFewestLevels)
                          .arg(kMostLevels)
                          .arg(parser.value(option)));
    }

    bool read_scale(const QCommandLineOption &option, const ScalingPreset &range,
                    const QString &style, double &scale)
    {
        scale = range.value;
        if (!parser.isSet(option))
            return true;
        bool number = false;
        const double value = spin_box_value(parser.value(option).toDouble(&number));
        if (number && value >= range.minimum && value <= range.maximum) {
            scale = value;
            return true;
        }
        return refuse(QStringLiteral("%1: expected a number from %2 to %3 for the %4 style, got "
                                     "'%5'")
                          .arg(dashed(option), spelled_scale(range.minimum),
                               spelled_scale(range.maximum), style, parser.value(option)));
    }

    bool read_values()
    {
        GameIniChoices &c = command.options.choices;
        if (!read_levels(o.player_levels, c.player_levels) ||
            !read_levels(o.creature_levels, c.creature_levels) ||
            !read_levels(o.engram_levels, c.engram_levels_without_player))
            return false;
        return (!has_scale(c.player) || read_scale(o.player_scale, scaling_preset(c.player),
                                                   cli_name_of(c.player), c.player_scale)) &&
               (!has_scale(c.creature) || read_scale(o.creature_scale, scaling_preset(c.creature),
                                                     cli_name_of(c.creature), c.creature_scale)) &&
               (!has_scale(c.engram) || read_scale(o.engram_scale, scaling_preset(c.engram),
                                                   cli_name_of(c.engram), c.engram_scale));
    }

    bool within_limit(const QString &ramp, double scale, int levels)
    {
        if (xp_within_limit(scale, levels))
            return true;
        const int past = first_level_past_limit(scale, levels);
        return refuse(QStringLiteral("--%1-levels %2 with --%1-scale %3: the exponential ramp "
                                     "passes 9.99e14 at level %4; allowed: at most %5 levels, "
                                     "or a lower scale")
                          .arg(ramp)
                          .arg(levels)
                          .arg(spelled_scale(scale))
                          .arg(past)
                          .arg(past - 1));
    }

    // The game reads no more than 9.99e14 experience, the limit the window keeps to.
    bool read_limits()
    {
        const GameIniChoices &c = command.options.choices;
        const bool creature_written =
            c.player != Player::Skip && c.creature != Creature::PlayerStock;
        return (c.player != Player::Exponential ||
                within_limit(QStringLiteral("player"), c.player_scale, c.player_levels)) &&
               (!creature_written || c.creature != Creature::Exponential ||
                within_limit(QStringLiteral("creature"), c.creature_scale, c.creature_levels));
    }

    Options o;
    const QStringList arguments;
    QList<QCommandLineOption> parser_options;
    QCommandLineParser parser;
    bool parsed = false;
    CommandLine command;
};

} // namespace

CommandLine parse_command_line(const QStringList &arguments)
{
    return Reader(arguments).read();
}
