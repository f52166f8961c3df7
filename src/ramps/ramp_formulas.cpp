// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/ramp_formulas.h"

#include "ramps/ramp_styles.h"

#include <cmath>

double exponential_xp_unrounded(double divisor, int i)
{
    return std::pow(i, 2.6) + std::pow(i, i / divisor);
}

double xp_for_level(int xp_style, double constant, int i)
{
    switch (xp_style) {
    case XpStyle::Linear:
        return std::round((i - 1) * constant);
    case XpStyle::ComplexCurve:
        return std::round(constant * i * (double(i) * i + 10) / 2 - constant * i * i);
    default:
        return std::round(exponential_xp_unrounded(constant, i));
    }
}

double engram_points_for_level(int engram_style, double constant, int i)
{
    switch (engram_style) {
    case EngramStyle::Logarithmic:
        return std::round(std::log(i) / constant);
    case EngramStyle::Linear:
        return std::round(i * constant);
    default:
        return constant;
    }
}
