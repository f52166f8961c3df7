// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/game_ini_text.h"
#include "ramps/presets.h"
#include "ramps/previews.h"

#include <QMetaType>
#include <QRandomGenerator>

#include <cmath>

Q_DECLARE_METATYPE(GameIniChoices)

// A scale within the style's range, in the spin box's three decimals.
inline double random_scale(QRandomGenerator &random, const ScalingPreset &range)
{
    const double scale = range.minimum + random.generateDouble() * (range.maximum - range.minimum);
    return std::round(scale * 1000) / 1000;
}

// Choices as the command line allows them: every style, level counts and scales within
// range, exponential ramps below the game's limit, skipped player ramps. No custom code.
inline GameIniChoices random_choices(QRandomGenerator &random)
{
    using Player = GameIniChoices::Player;
    using Creature = GameIniChoices::Creature;
    GameIniChoices c;
    c.player = kPlayerStyles[random.bounded(int(std::size(kPlayerStyles)))].style;
    c.player_levels = random.bounded(10, 400);
    c.player_scale = random_scale(random, scaling_preset(c.player));
    // The player's stock table only with a stock player ramp, and no engram skip without a
    // player ramp: the command line refuses both.
    const int creatures = int(std::size(kCreatureStyles)) - (c.player == Player::Stock ? 0 : 1);
    c.creature = kCreatureStyles[random.bounded(creatures)].style;
    c.creature_levels = random.bounded(10, 400);
    c.creature_scale = random_scale(random, scaling_preset(c.creature));
    const int engrams = int(std::size(kEngramStyles)) - (c.player == Player::Skip ? 1 : 0);
    c.engram = kEngramStyles[random.bounded(engrams)].style;
    c.engram_scale = random_scale(random, scaling_preset(c.engram));
    c.engram_levels_without_player = random.bounded(10, 400);
    c.engram_reverse = random.bounded(2);
    c.max_xp_overrides = c.player != Player::Skip && random.bounded(2);
    c.section_header = random.bounded(2);
    // The command line refuses exponential ramps past the game's limit.
    if ((c.player == Player::Exponential && !xp_within_limit(c.player_scale, c.player_levels)) ||
        (c.creature == Creature::Exponential &&
         !xp_within_limit(c.creature_scale, c.creature_levels)))
        return random_choices(random);
    return c;
}
