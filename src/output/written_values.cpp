// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/written_values.h"

#include "ramps/ramp_formulas.h"

#include <cmath>

std::vector<float> written_xp_values(int xp_style, double scale, int levels)
{
    // An unknown style or fewer than two levels writes no entry.
    std::vector<float> values;
    if (xp_style < XpStyle::ComplexCurve || xp_style > XpStyle::Linear || levels < 2)
        return values;
    values.reserve(levels - 1);

    // The spin box value goes through single precision before anything is computed from it,
    // and so does the complex curve's factor.
    const float v = static_cast<float>(scale);
    double constant = 501.5 - double(v);
    if (xp_style == XpStyle::ComplexCurve)
        constant = static_cast<float>(v / 100.0);
    else if (xp_style == XpStyle::Linear)
        constant = double(v) * 1000;
    for (int i = 2; i <= levels; ++i)
        values.push_back(static_cast<float>(xp_for_level(xp_style, constant, i)));
    return values;
}

std::vector<float> written_engram_values(int engram_style, double scale, int levels, bool reverse)
{
    // An unknown style or fewer than two levels writes no line.
    std::vector<float> values;
    if (engram_style < EngramStyle::Logarithmic || engram_style > EngramStyle::Static || levels < 2)
        return values;
    values.reserve(levels - 1);

    const float v = static_cast<float>(scale);
    switch (engram_style) {
    case EngramStyle::Logarithmic: {
        const double base = static_cast<float>((102.5 - v) / 100 + 1);
        const double ln_base = std::log(base);
        for (int k = 2; k <= levels; ++k)
            values.push_back(static_cast<float>(
                engram_points_for_level(engram_style, ln_base, reverse ? levels + 2 - k : k)));
        break;
    }
    case EngramStyle::Linear: {
        const double factor = static_cast<float>(v / 100.0);
        for (int k = 1; k < levels; ++k)
            values.push_back(static_cast<float>(
                engram_points_for_level(engram_style, factor, reverse ? levels - k : k)));
        break;
    }
    case EngramStyle::Static:
        // Written as it stands; the text's whole-number spelling rounds it.
        values.assign(levels - 1, v);
        break;
    }
    return values;
}

const std::array<int, 114> &stock_xp_table()
{
    // The game's own table for 115 levels.
    static const std::array<int, 114> table = {
        5,       20,      40,      70,      120,     190,     270,     360,     450,     550,
        660,     780,     910,     1050,    1200,    1360,    1530,    1710,    1900,    2100,
        2310,    2530,    2760,    3000,    3250,    3510,    3780,    4060,    4350,    4650,
        4960,    5280,    5610,    5950,    6300,    6660,    7030,    7410,    7800,    8200,
        8610,    9030,    9460,    9900,    10350,   10810,   11280,   11760,   12250,   12750,
        13260,   13780,   14310,   14850,   15400,   15960,   16530,   17110,   17700,   18850,
        21078,   22448,   23908,   25462,   27498,   30248,   34786,   40004,   46804,   54761,
        63713,   73000,   85000,   98000,   112000,  127500,  144500,  163500,  184500,  207500,
        232570,  259896,  289681,  323189,  360886,  403318,  451484,  506186,  566358,  632547,
        705354,  785441,  873538,  971538,  1083538, 1213538, 1368538, 1558538, 1798538, 2098538,
        2468538, 2918538, 3458538, 4098538, 4208538, 4333538, 4478538, 4648538, 4848538, 5083538,
        5355838, 5678538, 6048538, 6473538};
    return table;
}
