// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ramps/presets.h"
#include "ramps/ramp_styles.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Everything that decides the generated Game.ini text, as the wizard's controls hold it.
// Everything that decides the generated Game.ini text, as the wizard's controls hold it, with
// the window's start values.
struct GameIniChoices {
    using Player = PlayerRampStyle;
    using Creature = CreatureRampStyle;
    using Engram = EngramPointStyle;

    bool section_header = true;

    Player player = Player::Exponential;
    int player_levels = 115;
    double player_scale = player_xp_preset(XpStyle::Exponential).value;

    // PlayerStock writes the player's stock table for the creatures too; it is chosen only
    // with a stock player ramp.
    Creature creature = Creature::Exponential;
    int creature_levels = 71;
    double creature_scale = creature_xp_preset(XpStyle::Exponential).value;

    Engram engram = Engram::Logarithmic;
    bool engram_reverse = false;
    double engram_scale = engram_preset(EngramStyle::Logarithmic).value;
    // The engram level count while the player ramp is skipped; otherwise player_levels counts.
    int engram_levels_without_player = 115;

    bool custom_code_enabled = false;
    QString custom_code;

    // Also caps the server's experience at the last value of each written ramp, so the top
    // level stays reachable.
    bool max_xp_overrides = false;
};

enum class RampGroup { Player, Creature, Engram };

struct GameIniText {
    QByteArray bytes; // UTF-8, CR LF line ends
    // Groups that had to be written but had no style chosen, in file order. Each wrote an
    // empty ramp line or no engram lines; the window reports each one.
    std::vector<RampGroup> groups_without_style;
};

GameIniText game_ini_text(const GameIniChoices &choices);

// What goes between the parentheses of a ramp line.
struct RampLine {
    enum Content { Stock, Computed, Empty };
    Content content = Empty;
    int xp_style = 0;
    double scale = 0;
    int levels = 0;
};

// The player and creature ramp lines of the text; none when the line is not written.
std::optional<RampLine> player_ramp_line(const GameIniChoices &choices);
std::optional<RampLine> creature_ramp_line(const GameIniChoices &choices);

// The entries of a ramp line in order: the stock table, the computed values or none.
std::vector<float> ramp_line_values(const RampLine &line);

// The number of levels the engram lines are made for: the player's, or their own while the
// player ramp is skipped.
int engram_levels(const GameIniChoices &choices);
