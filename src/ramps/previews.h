// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Preview computations of the three ramps, in double precision. They return no value for a
// style code outside 1..3; the window reports that as an unexpected error.

// Experience above this limit is more than the game reads; previews mark it with -1.
constexpr double kXpLimit = 9.99e14;
constexpr double kOverflowMarker = -1.0;

struct XpPreview {
    std::array<int, 4> levels{};    // n/4, n/2, 3n/4 (truncated) and n
    std::array<double, 4> values{}; // experience at those levels, or kOverflowMarker
    bool overflowed = false;        // the exponential ramp passed kXpLimit
};

struct EngramPreview {
    std::array<int, 5> levels{};           // one less than each fifth of n, and n
    std::array<double, 5> points{};        // points granted at those levels
    std::array<std::uint32_t, 5> totals{}; // running total after those levels
};

std::optional<XpPreview> player_xp_preview(int style, double scale, int levels);
// As the player preview, but the complex curve rounds its factor scale / 100 to a whole number.
std::optional<XpPreview> creature_xp_preview(int style, double scale, int levels);
std::optional<EngramPreview> engram_preview(int style, double scale, int levels, bool reverse);

// True when no level 2..levels of the exponential ramp passes kXpLimit.
bool xp_within_limit(double scale, int levels);
// The first level of the exponential ramp past kXpLimit, for a level count that passes it:
// the window and the command line name one less as the most levels allowed at this scaling.
int first_level_past_limit(double scale, int levels);
