// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/ramp_series.h"

#include <QImage>
#include <QWidget>

#include <optional>

// Every level of the written ramps: player and creature experience on a logarithmic axis over
// the game's stock player ramp, and below it the engram points per level with their running
// total. Ramps to compare them with, such as those a Game.ini holds now, may be drawn dashed
// beside them. Pointing at a level shows its exact values in the line at the top.
class RampPlot : public QWidget
{
    Q_OBJECT

public:
    explicit RampPlot(QWidget *parent = nullptr);

    void set_series(const RampSeries &series, const RampSeries &dashed = {});
    const RampSeries &series() const { return shown; }
    const RampSeries &dashed_series() const { return dashed; }

    // The plot at the widget's size, without the pointer's level.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paint(QPainter &painter, std::optional<int> level) const;

    RampSeries shown;
    RampSeries dashed;
    std::optional<int> pointed_level;
};
