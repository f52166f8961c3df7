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
    using Engram = GameIniChoices::Engram;
    GameIniChoices c;
    const Player players[] = {Player::ComplexCurve, Player::Linear, Player::Exponential,
                              Player::Stock, Player::Skip};
    c.player = players[random.bounded(5)];
    c.player_levels = random.bounded(10, 400);
    c.player_scale = random_scale(random, player_xp_preset(xp_style_of(c.player).value_or(0)));
    const Creature creatures[] = {Creature::ComplexCurve, Creature::Linear, Creature::Exponential,
                                  Creature::Stock};
    c.creature = creatures[random.bounded(4)];
    c.creature_levels = random.bounded(10, 400);
    c.creature_scale =
        random_scale(random, creature_xp_preset(xp_style_of(c.creature).value_or(0)));
    c.creature_locked_to_stock = c.player == Player::Stock && random.bounded(2);
    const Engram engrams[] = {Engram::Logarithmic, Engram::Linear, Engram::Static, Engram::Stock};
    c.engram = engrams[random.bounded(c.player == Player::Skip ? 3 : 4)];
    c.engram_scale = random_scale(random, engram_preset(engram_style_of(c.engram).value_or(0)));
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
