// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ramps/ramp_styles.h"

#include <QString>

// The level counts each ramp's spin box and slider allow.
constexpr int kFewestLevels = 10;
constexpr int kMostLevels = 4000;

// What a ramp style's preset does to its scaling pair: the spin box runs through a starting
// value, its maximum, its minimum and its final value (the slider through the same numbers
// times 1000). The minimum and maximum are also the style's allowed scaling range, and the
// final value is the style's start value everywhere: in the window, on the command line and
// in the image tool's pictures.
struct ScalingPreset {
    double start;
    double maximum;
    double minimum;
    double value;
};

// By style code (XpStyle / EngramStyle); an unknown code, and a style without a code of its
// own, gets the linear or static preset, as the window's "any other button" rule does.
constexpr ScalingPreset player_xp_preset(int xp_style)
{
    switch (xp_style) {
    case XpStyle::ComplexCurve:
        return {2, 4000, 1, 865.692};
    case XpStyle::Exponential:
        return {2, 500, 1.5, 466.627};
    default:
        return {2, 150, 0.5, 56.785};
    }
}

constexpr ScalingPreset creature_xp_preset(int xp_style)
{
    switch (xp_style) {
    case XpStyle::ComplexCurve:
        return {2, 4000, 1, 1448.906};
    case XpStyle::Exponential:
        return {2, 500, 1.5, 480.933};
    default:
        return {2, 150, 0.5, 36.072};
    }
}

constexpr ScalingPreset engram_preset(int engram_style)
{
    switch (engram_style) {
    case EngramStyle::Logarithmic:
        return {4, 100, 2.5, 91.598};
    case EngramStyle::Linear:
        return {40, 130, 17.5, 63.987};
    default:
        return {4, 245, 2, 37};
    }
}

// A scaling value as the command line spells it: every digit the spin boxes keep.
inline QString spelled_scale(double value)
{
    return QString::number(value, 'g', 10);
}

// The preset of a style of each ramp.
inline ScalingPreset scaling_preset(PlayerRampStyle style)
{
    return player_xp_preset(style_code(style).value_or(0));
}
inline ScalingPreset scaling_preset(CreatureRampStyle style)
{
    return creature_xp_preset(style_code(style).value_or(0));
}
inline ScalingPreset scaling_preset(EngramPointStyle style)
{
    return engram_preset(style_code(style).value_or(0));
}
