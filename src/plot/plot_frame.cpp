// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/plot_frame.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

double PlotScale::fraction(double value) const
{
    double f = 1;
    if (!std::isfinite(value))
        f = value < 0 ? 0 : 1;
    else if (logarithmic)
        f = value <= 0 ? 0 : std::log(value / low) / std::log(high / low);
    else
        f = (value - low) / (high - low);
    return std::clamp(f, 0.0, 1.0);
}

double PlotScale::value_at(double fraction) const
{
    return logarithmic ? low * std::pow(high / low, fraction) : low + (high - low) * fraction;
}

QPointF PlotFrame::point(double x_value, double y_value) const
{
    return {area.left() + area.width() * x.fraction(x_value),
            area.bottom() - area.height() * y.fraction(y_value)};
}

void paint_series(QPainter &painter, const PlotFrame &frame, double first_x,
                  const std::vector<double> &values, const QPen &pen, const QBrush &fill,
                  bool steps)
{
    if (values.empty())
        return;
    QPainterPath line;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const double x = first_x + k;
        if (steps) {
            const QPointF left = frame.point(x - 0.5, values[k]);
            if (k == 0)
                line.moveTo(left);
            else
                line.lineTo(left);
            line.lineTo(frame.point(x + 0.5, values[k]));
        } else if (k == 0) {
            line.moveTo(frame.point(x, values[k]));
        } else {
            line.lineTo(frame.point(x, values[k]));
        }
    }
    if (fill.style() != Qt::NoBrush) {
        QPainterPath area = line;
        area.lineTo(line.currentPosition().x(), frame.area.bottom());
        area.lineTo(line.elementAt(0).x, frame.area.bottom());
        area.closeSubpath();
        painter.fillPath(area, fill);
    }
    painter.strokePath(line, pen);
}
