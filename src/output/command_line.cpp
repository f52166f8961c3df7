// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/command_line.h"

QStringList command_line_arguments(const GameIniChoices &choices, const QString &custom_code_file)
{
    using Player = GameIniChoices::Player;
    const bool player_skipped = choices.player == Player::Skip;
    const bool engram_written = style_code(choices.engram).has_value();

    QStringList arguments{QStringLiteral("--player"), cli_name_of(choices.player)};
    if (style_code(choices.player))
        arguments << QStringLiteral("--player-levels") << QString::number(choices.player_levels)
                  << QStringLiteral("--player-scale") << spelled_scale(choices.player_scale);
    else if (!player_skipped && engram_written) // the engram lines' count
        arguments << QStringLiteral("--player-levels") << QString::number(choices.player_levels);

    // A skipped player ramp takes the creature ramp and the caps with it.
    if (!player_skipped) {
        arguments << QStringLiteral("--creature") << cli_name_of(choices.creature);
        if (style_code(choices.creature))
            arguments << QStringLiteral("--creature-levels")
                      << QString::number(choices.creature_levels)
                      << QStringLiteral("--creature-scale")
                      << spelled_scale(choices.creature_scale);
        if (choices.max_xp_overrides)
            arguments << QStringLiteral("--max-xp");
    }

    arguments << QStringLiteral("--engram") << cli_name_of(choices.engram);
    if (engram_written)
        arguments << QStringLiteral("--engram-scale") << spelled_scale(choices.engram_scale);
    if (choices.engram_reverse && reversible(choices.engram))
        arguments << QStringLiteral("--engram-reverse");
    if (player_skipped)
        arguments << QStringLiteral("--engram-levels")
                  << QString::number(choices.engram_levels_without_player);

    if (!choices.section_header)
        arguments << QStringLiteral("--no-header");
    if (choices.custom_code_enabled)
        arguments << QStringLiteral("--custom-code") << custom_code_file;
    return arguments;
}

QString command_line(const GameIniChoices &choices)
{
    return QStringLiteral("quillmark-cli ") +
           command_line_arguments(choices).join(QLatin1Char(' '));
}
