// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ramps/ramp_styles.h"

#include <array>
#include <vector>

// The values the writer puts into Game.ini. Unlike the previews, the writer keeps the scaling
// value, its constants and every result in single precision.

// Entries of an experience ramp line: the values for i = 2..levels, in order.
std::vector<float> written_xp_values(int xp_style, double scale, int levels);

// Engram lines in file order (reversed orders included): levels - 1 values.
std::vector<float> written_engram_values(int engram_style, double scale, int levels, bool reverse);

// The game's own player experience table, written for "Ark Stock".
const std::array<int, 114> &stock_xp_table();
