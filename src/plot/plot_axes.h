// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plot/plot_frame.h"

#include <cstddef>
#include <vector>

// Where a plot's axes run and where their ticks go: arithmetic only, so it is the same for every
// painter.

// A round step, 1, 2 or 5 times a power of ten: the smallest such step that cuts `span` into at
// most `parts` pieces.
double nice_step(double span, int parts);

// The same for counts such as levels and points: never below 1, so ticks fall on whole numbers.
double whole_step(double span, int parts);

// A linear axis with the distance between its ticks.
struct TickedScale {
    PlotScale scale;
    double step = 1;
};

// A linear axis from zero for counts up to `top`: its step is whole_step(top, parts) and it ends
// at the first multiple of the step at or above `top`, so the largest count lies on or under the
// top tick. It is one step high when `top` is zero or less.
TickedScale whole_number_axis(double top, int parts);

// A logarithmic axis over whole decades: from the power of ten at or below the smallest value
// to the one at or above the largest, at least one decade apart. Only the first `count` values
// of each series count, and only those above zero and finite; with none, 1 to 10.
PlotScale decade_axis(const std::vector<const std::vector<double> *> &series, std::size_t count);

// The multiples of `step` within the scale, from the bottom up. They are summed step by step, so
// a top that they reach only up to a rounding error still gets its tick.
std::vector<double> linear_ticks(const PlotScale &scale, double step);

// Powers of ten on a decade axis, from scale.high down to no lower than scale.low: every decade
// while the axis spans at most six, every n-th on wider ones, so that at most seven are labelled
// and the top always is.
std::vector<double> decade_ticks(const PlotScale &scale);
