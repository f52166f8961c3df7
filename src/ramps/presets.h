// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a ramp style's preset does to its scaling pair: the spin box runs through a starting
// value, its maximum, its minimum and its final value (the slider through the same numbers
// times 1000). The minimum and maximum are also the style's allowed scaling range.
struct ScalingPreset {
    double start;
    double maximum;
    double minimum;
    double value;
};

// By style code (XpStyle / EngramStyle); an unknown code gets the linear or static preset,
// as the window's "any other button" rule does.
ScalingPreset player_xp_preset(int xp_style);
ScalingPreset creature_xp_preset(int xp_style);
ScalingPreset engram_preset(int engram_style);
