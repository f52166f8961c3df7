// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <vector>

// One axis of a plot: linear from low to high, or logarithmic (then 0 < low < high).
struct PlotScale {
    double low = 0;
    double high = 1;
    bool logarithmic = false;

    // Where value lies between low (0) and high (1); values outside, too large to hold and, on
    // a logarithmic axis, zero stay at the nearer end.
    double fraction(double value) const;
    double value_at(double fraction) const;
};

// Places levels along x and values along y in a rectangle.
struct PlotFrame {
    QRectF area;
    PlotScale x;
    PlotScale y;

    QPointF point(double x_value, double y_value) const;
};

// The line through values[k] at x = first_x + k, drawn with `pen`; the area under it is filled
// with `fill` unless that is empty. `steps` draws each value as a flat step one unit wide.
void paint_series(QPainter &painter, const PlotFrame &frame, double first_x,
                  const std::vector<double> &values, const QPen &pen,
                  const QBrush &fill = Qt::NoBrush, bool steps = false);
