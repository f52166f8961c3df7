// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_text.h"

#include <vector>

// Every level of the ramps that the Game.ini text holds, for drawing them whole. A ramp line's
// entry k and engram line k belong to level k + 2, the level they lead to; a ramp that is not
// written has no values.
struct RampSeries {
    static constexpr int kFirstLevel = 2;

    std::vector<double> player_xp;
    std::vector<double> creature_xp;
    std::vector<double> engram_points; // as the file spells them, in file order
    std::vector<double> engram_total;  // running total of engram_points
};

RampSeries ramp_series(const GameIniChoices &choices);

// The running total of engram points, level by level.
std::vector<double> running_total(const std::vector<double> &points);
