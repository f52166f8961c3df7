// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/previews.h"

#include "ramps/ramp_formulas.h"
#include "ramps/ramp_styles.h"

#include <cmath>

namespace {

// The constant of each style's formula, in double precision; the complex curve's factor is
// given, since the creature preview rounds it.
double xp_constant(int style, double scale, double curve_factor)
{
    switch (style) {
    case XpStyle::Linear:
        return scale * 1000;
    case XpStyle::ComplexCurve:
        return curve_factor;
    default:
        return 501.5 - scale;
    }
}

std::optional<XpPreview> xp_preview(int style, double scale, double curve_factor, int levels)
{
    if (style < XpStyle::ComplexCurve || style > XpStyle::Linear)
        return std::nullopt;

    XpPreview preview;
    preview.levels = {static_cast<int>(levels * 0.25), static_cast<int>(levels * 0.5),
                      static_cast<int>(levels * 0.75), levels};

    const double constant = xp_constant(style, scale, curve_factor);
    if (style != XpStyle::Exponential) {
        // Only the exponential ramp can pass the limit, so the others need just the samples.
        for (std::size_t r = 0; r < preview.levels.size(); ++r)
            preview.values[r] = xp_for_level(style, constant, preview.levels[r]);
        return preview;
    }

    // The exponential ramp is walked level by level: the first level past the limit marks
    // itself and every later level, whatever the formula gives there.
    preview.values.fill(kOverflowMarker);
    for (int i = 0; i <= levels; ++i) {
        const double xp = xp_for_level(style, constant, i);
        if (xp > kXpLimit) {
            preview.overflowed = true;
            break;
        }
        for (std::size_t r = 0; r < preview.levels.size(); ++r) {
            if (preview.levels[r] == i)
                preview.values[r] = xp;
        }
    }
    return preview;
}

double engram_constant(int style, double scale)
{
    switch (style) {
    case EngramStyle::Logarithmic:
        return std::log(1 + (102.5 - scale) / 100);
    case EngramStyle::Linear:
        return scale / 100;
    default:
        return scale;
    }
}

} // namespace

std::optional<XpPreview> player_xp_preview(int style, double scale, int levels)
{
    return xp_preview(style, scale, scale / 100, levels);
}

std::optional<XpPreview> creature_xp_preview(int style, double scale, int levels)
{
    return xp_preview(style, scale, std::round(scale / 100), levels);
}

std::optional<EngramPreview> engram_preview(int style, double scale, int levels, bool reverse)
{
    if (style < EngramStyle::Logarithmic || style > EngramStyle::Static)
        return std::nullopt;

    EngramPreview preview;
    const double fifth = levels / 5.0;
    for (int k = 1; k <= 4; ++k)
        preview.levels[k - 1] = static_cast<int>(k * fifth - 1);
    preview.levels[4] = levels;

    // Reversed, the logarithm counts down from n and the linear factor from n - 1.
    const double constant = engram_constant(style, scale);
    const int first_reversed = style == EngramStyle::Logarithmic ? levels + 1 : levels;
    std::uint32_t total = 0;
    for (int i = 1; i <= levels; ++i) {
        const double points =
            engram_points_for_level(style, constant, reverse ? first_reversed - i : i);
        // The static style rounds the running total, not the points.
        total = static_cast<std::uint32_t>(style == EngramStyle::Static ? std::round(total + points)
                                                                        : total + points);
        for (std::size_t r = 0; r < preview.levels.size(); ++r) {
            if (preview.levels[r] == i) {
                preview.points[r] = points;
                preview.totals[r] = total;
            }
        }
    }
    return preview;
}

bool xp_within_limit(double scale, int levels)
{
    const double divisor = 501.5 - scale;
    for (int i = 2; i <= levels; ++i) {
        if (exponential_xp_unrounded(divisor, i) > kXpLimit)
            return false;
    }
    return true;
}

// Levels only grow with i, so the limit check is monotonic in the level count.
int first_level_past_limit(double scale, int levels)
{
    int within = 1;
    while (levels - within > 1) {
        const int middle = (within + levels) / 2;
        if (xp_within_limit(scale, middle))
            within = middle;
        else
            levels = middle;
    }
    return levels;
}
