// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/presets.h"

#include "ramps/ramp_styles.h"

ScalingPreset player_xp_preset(int xp_style)
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

ScalingPreset creature_xp_preset(int xp_style)
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

ScalingPreset engram_preset(int engram_style)
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
