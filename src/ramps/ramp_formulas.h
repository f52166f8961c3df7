// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ramp formulas, shared by the previews (double precision throughout) and the writer
// (which keeps its constants in single precision). Each style has one constant, computed by
// the caller in its own precision:
//   XpStyle::Linear        step = scale × 1000        round((i − 1) × step)
//   XpStyle::ComplexCurve  factor = scale / 100       round(factor·i·(i² + 10) / 2 − factor·i²)
//   XpStyle::Exponential   divisor = 501.5 − scale    round(i^2.6 + i^(i / divisor))
double xp_for_level(int xp_style, double constant, int i);

// The exponential formula before rounding: what the overflow limit is checked against.
double exponential_xp_unrounded(double divisor, int i);

//   EngramStyle::Logarithmic  ln_base = ln(1 + (102.5 − scale) / 100)   round(ln i / ln_base)
//   EngramStyle::Linear       factor = scale / 100                      round(i × factor)
//   EngramStyle::Static       the scale itself, for every level
double engram_points_for_level(int engram_style, double constant, int i);
