// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ramp formulas written out again, apart from the program's, for the value at n. Style
// codes as in ramps/ramp_styles.h: for experience 1 complex curve, 2 exponential, 3 linear; for
// engram points 1 logarithmic, 2 linear, 3 static. Callers give the constants in the precision
// of what they check.

#include <cmath>

inline double xp_at(int style, double scale, double factor, double n)
{
    return std::round(style == 1   ? factor * n * (n * n + 10) / 2 - factor * n * n
                      : style == 2 ? std::pow(n, 2.6) + std::pow(n, n / (501.5 - scale))
                                   : (n - 1) * (scale * 1000));
}

inline double engram_points_at(int style, double scale, double base, double factor, double n)
{
    return style == 3 ? scale : std::round(style == 1 ? std::log(n) / std::log(base) : n * factor);
}
