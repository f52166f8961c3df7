// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/ramp_series.h"

#include "output/written_values.h"

#include <QByteArray>

namespace {

std::vector<double> line_values(const std::optional<RampLine> &line)
{
    if (!line)
        return {};
    const std::vector<float> values = ramp_line_values(*line);
    return {values.begin(), values.end()};
}

} // namespace

RampSeries ramp_series(const GameIniChoices &choices)
{
    RampSeries series;
    series.player_xp = line_values(player_ramp_line(choices));
    series.creature_xp = line_values(creature_ramp_line(choices));

    if (const auto style = style_code(choices.engram)) {
        for (const float value : written_engram_values(
                 *style, choices.engram_scale, engram_levels(choices), choices.engram_reverse)) {
            // The game reads the whole number the file spells, not the static value itself.
            series.engram_points.push_back(QByteArray::number(double(value), 'f', 0).toDouble());
        }
        series.engram_total = running_total(series.engram_points);
    }
    return series;
}

std::vector<double> running_total(const std::vector<double> &points)
{
    std::vector<double> totals;
    totals.reserve(points.size());
    double total = 0;
    for (const double value : points)
        totals.push_back(total += value);
    return totals;
}
