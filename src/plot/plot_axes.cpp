// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/plot_axes.h"

#include <algorithm>
#include <cmath>

double nice_step(double span, int parts)
{
    const double raw = std::max(span / parts, 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power)
            return factor * power;
    return 10 * power;
}

double whole_step(double span, int parts)
{
    return std::max(1.0, nice_step(span, parts));
}

TickedScale whole_number_axis(double top, int parts)
{
    const double step = whole_step(top, parts);
    return {{0, std::max(1.0, std::ceil(top / step)) * step}, step};
}

PlotScale decade_axis(const std::vector<const std::vector<double> *> &series, std::size_t count)
{
    double low = HUGE_VAL;
    double high = 0;
    for (const auto *values : series) {
        const std::size_t shown = std::min(values->size(), count);
        for (std::size_t k = 0; k < shown; ++k) {
            const double value = (*values)[k];
            // Zero has no place on a logarithmic axis, an overflowed value none at all.
            if (value > 0 && std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    if (high == 0)
        return {1, 10, true};
    const double first = std::floor(std::log10(low));
    const double last = std::max(first + 1, std::ceil(std::log10(high)));
    return {std::pow(10.0, first), std::pow(10.0, last), true};
}

std::vector<double> linear_ticks(const PlotScale &scale, double step)
{
    std::vector<double> ticks;
    for (double value = std::ceil(scale.low / step) * step; value <= scale.high + step * 1e-6;
         value += step)
        ticks.push_back(value);
    return ticks;
}

std::vector<double> decade_ticks(const PlotScale &scale)
{
    const int first = int(std::lround(std::log10(scale.low)));
    const int last = int(std::lround(std::log10(scale.high)));
    const int every = std::max(1, (last - first + 5) / 6);
    std::vector<double> ticks;
    // From the top down, so that the largest values always have a label.
    for (int decade = last; decade >= first; decade -= every)
        ticks.push_back(std::pow(10.0, decade));
    return ticks;
}
