// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ramp_plot.h"

#include "output/written_values.h"
#include "plot/plot_axes.h"
#include "ramps/format_number.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const QColor kBackground(25, 25, 25);
const QColor kText(0xdd, 0xdd, 0xdd);
const QColor kGrid(255, 255, 255, 24);
const QColor kPlayer(0x35, 0xa3, 0xe3);
const QColor kCreature(0xf0, 0x9a, 0x3e);
const QColor kStock(255, 255, 255, 90);
const QColor kPoints(0x6c, 0xc0, 0x4a);
const QColor kTotal(0xe8, 0xd4, 0x5c);

constexpr double kLeftMargin = 78;
constexpr double kRightMargin = 66;
constexpr double kInfoHeight = 22;
constexpr double kAxisLabelHeight = 30;
constexpr double kLegendHeight = 20; // above each panel
constexpr int kStockLevels = 115;

// One series as drawn: its values start at the first written level.
struct Series {
    QString name;
    const std::vector<double> *values;
    QColor colour;
    bool dashed = false;
};

int last_level_of(const std::vector<double> &values)
{
    return values.empty() ? 0 : RampSeries::kFirstLevel + int(values.size()) - 1;
}

std::optional<double> value_at_level(const std::vector<double> &values, int level)
{
    const int k = level - RampSeries::kFirstLevel;
    if (k < 0 || k >= int(values.size()))
        return std::nullopt;
    return values[k];
}

const std::vector<double> &stock_values()
{
    static const std::vector<double> values(stock_xp_table().begin(), stock_xp_table().end());
    return values;
}

// A tick label: the previews' number format without the blanks its empty groups leave.
QString tick_text(double value)
{
    return format_number(value).trimmed();
}

// Every digit, in groups of three.
QString exact_text(double value)
{
    if (!std::isfinite(value))
        return RampPlot::tr("too large to show");
    QString digits = QString::number(value, 'f', 0);
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return digits;
}

// The highest value, or zero for none.
double highest(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// The last level of the written ramps; the stock ramp is only a comparison and sets none.
int last_level_shown(const RampSeries &series)
{
    return std::max({last_level_of(series.player_xp), last_level_of(series.creature_xp),
                     last_level_of(series.engram_points)});
}

// Dashes of the same colour as the written series: the series to compare with.
QPen dashed_pen(const QColor &colour, double width)
{
    return QPen(colour, width, Qt::DashLine);
}

// Where the panels lie and how levels and values map onto them.
struct Layout {
    QRectF info;
    PlotFrame xp;     // experience, on decades
    PlotFrame engram; // points per level, on the left-hand axis
    PlotFrame total;  // the engram panel against the running total's right-hand axis
    double level_step = 0;
    double points_step = 0;
    double total_step = 0;
    int last_level = kStockLevels;
};

// The info line on top, then each panel under its legend row; the experience panel is the
// taller, since its decades need the room.
void place_panels(Layout &layout, const QSizeF &size)
{
    layout.info = QRectF(8, 0, size.width() - 16, kInfoHeight);
    const double width = std::max(0.0, size.width() - kLeftMargin - kRightMargin);
    const double height =
        std::max(0.0, size.height() - kInfoHeight - kAxisLabelHeight - 2 * kLegendHeight);
    const double xp_height = height * 0.62;
    layout.xp.area = QRectF(kLeftMargin, kInfoHeight + kLegendHeight, width, xp_height);
    layout.engram.area =
        QRectF(kLeftMargin, layout.xp.area.bottom() + kLegendHeight, width, height - xp_height);
}

Layout layout_for(const QSizeF &size, const RampSeries &series, const RampSeries &dashed)
{
    Layout layout;
    place_panels(layout, size);
    const int last = std::max(last_level_shown(series), last_level_shown(dashed));
    layout.last_level = last > 0 ? last : kStockLevels;
    const PlotScale levels{1, double(std::max(layout.last_level, RampSeries::kFirstLevel))};
    layout.level_step = whole_step(levels.high - levels.low, 8);
    layout.xp.x = layout.engram.x = levels;

    // The stock ramp goes on past the levels shown: only those shown set the decades.
    const auto shown_levels = std::size_t(layout.last_level - RampSeries::kFirstLevel + 1);
    layout.xp.y = decade_axis({&series.player_xp, &series.creature_xp, &dashed.player_xp,
                               &dashed.creature_xp, &stock_values()},
                              shown_levels);

    const TickedScale points = whole_number_axis(
        std::max(highest(series.engram_points), highest(dashed.engram_points)), 4);
    const TickedScale total =
        whole_number_axis(std::max(highest(series.engram_total), highest(dashed.engram_total)), 4);
    layout.engram.y = points.scale;
    layout.points_step = points.step;
    layout.total = {layout.engram.area, levels, total.scale};
    layout.total_step = total.step;
    return layout;
}

// Vertical grid lines at the level ticks.
void paint_level_grid(QPainter &painter, const PlotFrame &frame, double step)
{
    painter.setPen(kGrid);
    for (const double value : linear_ticks(frame.x, step)) {
        const QPointF at = frame.point(value, frame.y.low);
        painter.drawLine(QPointF(at.x(), frame.area.top()), at);
    }
}

// The level ticks' numbers under the frame, and the axis's name.
void paint_level_labels(QPainter &painter, const PlotFrame &frame, double step)
{
    painter.setPen(kText);
    for (const double value : linear_ticks(frame.x, step)) {
        const QPointF at = frame.point(value, frame.y.low);
        painter.drawText(QRectF(at.x() - 40, at.y() + 3, 80, 16), Qt::AlignHCenter,
                         tick_text(value));
    }
    painter.drawText(QRectF(frame.area.left(), frame.area.bottom() + 14, frame.area.width(), 16),
                     Qt::AlignHCenter, RampPlot::tr("level"));
}

// Horizontal grid lines at `ticks` of the frame's values, with their labels on its left or
// right.
void paint_value_axis(QPainter &painter, const PlotFrame &frame, const std::vector<double> &ticks,
                      bool right, bool grid)
{
    for (const double tick : ticks) {
        const double y = frame.area.bottom() - frame.area.height() * frame.y.fraction(tick);
        if (grid) {
            painter.setPen(kGrid);
            painter.drawLine(QPointF(frame.area.left(), y), QPointF(frame.area.right(), y));
        }
        painter.setPen(kText);
        const QRectF box = right ? QRectF(frame.area.right() + 5, y - 8, kRightMargin - 6, 16)
                                 : QRectF(2, y - 8, kLeftMargin - 7, 16);
        painter.drawText(box, (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                         tick_text(tick));
    }
}

// A dot on the highest value with the value beside it, above or below.
void paint_top_marker(QPainter &painter, const PlotFrame &frame, const std::vector<double> &values,
                      const QColor &colour, bool below = false)
{
    if (values.empty())
        return;
    const auto top = std::max_element(values.begin(), values.end());
    const int level = RampSeries::kFirstLevel + int(top - values.begin());
    const QPointF at = frame.point(level, *top);
    painter.setPen(QPen(kBackground, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(at, 4.5, 4.5);
    painter.setBrush(Qt::NoBrush);

    const QString text = tick_text(*top);
    const double width = painter.fontMetrics().horizontalAdvance(text) + 4;
    const bool left = at.x() + 8 + width > frame.area.right();
    const double y = below ? std::min(frame.area.bottom() - 16, at.y() + 4)
                           : std::max(frame.area.top(), at.y() - 18);
    const QRectF box(left ? at.x() - 8 - width : at.x() + 8, y, width, 16);
    painter.fillRect(box, QColor(25, 25, 25, 200));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The names of a panel's series in the row above it.
void paint_legend(QPainter &painter, const QRectF &panel, const std::vector<Series> &entries)
{
    double x = panel.left();
    const double y = panel.top() - kLegendHeight + 2;
    for (const Series &entry : entries) {
        if (entry.dashed) {
            painter.setPen(dashed_pen(entry.colour, 1.6));
            painter.drawLine(QPointF(x, y + 7.5), QPointF(x + 16, y + 7.5));
        } else {
            painter.fillRect(QRectF(x, y + 6, 16, 3), entry.colour);
        }
        painter.setPen(kText);
        const double width = painter.fontMetrics().horizontalAdvance(entry.name);
        painter.drawText(QRectF(x + 20, y, width + 2, 16), Qt::AlignVCenter, entry.name);
        x += 20 + width + 16;
    }
}

void paint_notice(QPainter &painter, const QRectF &area, const QString &text)
{
    painter.setPen(kText);
    painter.drawText(area, Qt::AlignCenter, text);
}

QString level_text(const RampSeries &series, int level)
{
    QStringList parts{RampPlot::tr("Level %1").arg(level)};
    const auto add = [&](const QString &name, const std::vector<double> &values) {
        if (const auto value = value_at_level(values, level))
            parts << name.arg(exact_text(*value));
    };
    add(RampPlot::tr("player XP %1"), series.player_xp);
    add(RampPlot::tr("creature XP %1"), series.creature_xp);
    add(RampPlot::tr("stock XP %1"), stock_values());
    add(RampPlot::tr("engram points %1"), series.engram_points);
    add(RampPlot::tr("total %1"), series.engram_total);
    return parts.join(QStringLiteral("   "));
}

void paint_panel_border(QPainter &painter, const QRectF &panel)
{
    painter.setPen(QColor(255, 255, 255, 70));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(panel);
}

// The written experience ramps over the stock one and the dashed ones, each with its top value.
void paint_xp_curves(QPainter &painter, const PlotFrame &frame, const std::vector<Series> &written,
                     const RampSeries &dashed)
{
    painter.save();
    painter.setClipRect(frame.area.adjusted(-1, -1, 1, 1));
    paint_series(painter, frame, RampSeries::kFirstLevel, stock_values(), QPen(kStock, 1.2));
    paint_series(painter, frame, RampSeries::kFirstLevel, dashed.player_xp,
                 dashed_pen(kPlayer, 1.6));
    paint_series(painter, frame, RampSeries::kFirstLevel, dashed.creature_xp,
                 dashed_pen(kCreature, 1.6));
    for (const Series &series : written)
        paint_series(painter, frame, RampSeries::kFirstLevel, *series.values,
                     QPen(series.colour, 2));
    painter.restore();
    for (const Series &series : written)
        paint_top_marker(painter, frame, *series.values, series.colour);
}

// Player and creature experience over the stock player ramp, on decades.
void paint_xp_panel(QPainter &painter, const Layout &layout, const RampSeries &shown,
                    const RampSeries &dashed)
{
    const PlotFrame &frame = layout.xp;
    paint_level_grid(painter, frame, layout.level_step);
    paint_value_axis(painter, frame, decade_ticks(frame.y), false, true);
    const std::vector<Series> written = {
        {RampPlot::tr("player XP"), &shown.player_xp, kPlayer},
        {RampPlot::tr("creature XP"), &shown.creature_xp, kCreature}};
    paint_xp_curves(painter, frame, written, dashed);
    if (shown.player_xp.empty() && shown.creature_xp.empty())
        paint_notice(painter, frame.area, RampPlot::tr("No experience ramp is written."));

    std::vector<Series> legend;
    std::copy_if(written.begin(), written.end(), std::back_inserter(legend),
                 [](const Series &series) { return !series.values->empty(); });
    legend.push_back({RampPlot::tr("stock player XP"), &stock_values(), kStock});
    if (!dashed.player_xp.empty() || !dashed.creature_xp.empty())
        legend.push_back({RampPlot::tr("dashed: in the file now"), &dashed.player_xp, kText, true});
    paint_legend(painter, frame.area, legend);
    paint_panel_border(painter, frame.area);
}

// The levels under the engram panel, the points on its left and their total on its right.
void paint_engram_axes(QPainter &painter, const Layout &layout, bool with_total)
{
    paint_level_grid(painter, layout.engram, layout.level_step);
    paint_level_labels(painter, layout.engram, layout.level_step);
    paint_value_axis(painter, layout.engram, linear_ticks(layout.engram.y, layout.points_step),
                     false, true);
    if (with_total)
        paint_value_axis(painter, layout.total, linear_ticks(layout.total.y, layout.total_step),
                         true, false);
}

// Engram points per level as bars, their running total as a line.
void paint_engram_panel(QPainter &painter, const Layout &layout, const RampSeries &shown,
                        const RampSeries &dashed)
{
    const PlotFrame &points = layout.engram;
    paint_engram_axes(painter, layout, !shown.engram_total.empty() || !dashed.engram_total.empty());
    QColor bars = kPoints;
    bars.setAlpha(110);
    paint_series(painter, points, RampSeries::kFirstLevel, shown.engram_points, QPen(kPoints, 1),
                 bars, true);
    paint_series(painter, layout.total, RampSeries::kFirstLevel, shown.engram_total,
                 QPen(kTotal, 1.8));
    paint_series(painter, points, RampSeries::kFirstLevel, dashed.engram_points,
                 dashed_pen(kPoints, 1.4));
    paint_series(painter, layout.total, RampSeries::kFirstLevel, dashed.engram_total,
                 dashed_pen(kTotal, 1.4));
    paint_top_marker(painter, points, shown.engram_points, kPoints);
    // The total ends where the points often peak: its value goes under the line.
    paint_top_marker(painter, layout.total, shown.engram_total, kTotal, true);

    if (shown.engram_points.empty() && dashed.engram_points.empty())
        paint_notice(painter, points.area,
                     RampPlot::tr("No engram points are written: the game keeps its own."));
    else
        paint_legend(painter, points.area,
                     {{RampPlot::tr("engram points per level"), &shown.engram_points, kPoints},
                      {RampPlot::tr("total (right axis)"), &shown.engram_total, kTotal}});
    paint_panel_border(painter, points.area);
}

// A dashed line through the pointed level, across both panels.
void paint_pointer(QPainter &painter, const Layout &layout, int level)
{
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DashLine));
    for (const PlotFrame *frame : {&layout.xp, &layout.engram}) {
        const double x = frame->point(level, frame->y.low).x();
        painter.drawLine(QPointF(x, frame->area.top()), QPointF(x, frame->area.bottom()));
    }
}

// The line at the top: the pointed level's exact values, or how to read them.
void paint_info(QPainter &painter, const QRectF &line, const RampSeries &shown,
                std::optional<int> level)
{
    painter.setPen(kText);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     level ? level_text(shown, *level)
                           : RampPlot::tr("Point at a level to read its values."));
}

} // namespace

RampPlot::RampPlot(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RampPlot::set_series(const RampSeries &series, const RampSeries &dashed_series)
{
    shown = series;
    dashed = dashed_series;
    pointed_level.reset();
    update();
}

QImage RampPlot::picture() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paint(painter, std::nullopt);
    return image;
}

void RampPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, pointed_level);
}

void RampPlot::mouseMoveEvent(QMouseEvent *event)
{
    const Layout layout = layout_for(size(), shown, dashed);
    const QRectF &area = layout.xp.area;
    std::optional<int> level;
    if (event->pos().x() >= area.left() && event->pos().x() <= area.right() && area.width() > 0) {
        const double at = layout.xp.x.value_at((event->pos().x() - area.left()) / area.width());
        level = std::clamp(int(std::lround(at)), RampSeries::kFirstLevel, layout.last_level);
    }
    if (level != pointed_level) {
        pointed_level = level;
        update();
    }
}

void RampPlot::leaveEvent(QEvent *)
{
    pointed_level.reset();
    update();
}

void RampPlot::paint(QPainter &painter, std::optional<int> level) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size()), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPixelSize(11);
    painter.setFont(small);

    // Nothing of one panel reaches into the other, so each is drawn whole; the pointer and the
    // line at the top go over both.
    const Layout layout = layout_for(size(), shown, dashed);
    paint_xp_panel(painter, layout, shown, dashed);
    paint_engram_panel(painter, layout, shown, dashed);
    if (level)
        paint_pointer(painter, layout, *level);
    paint_info(painter, layout.info, shown, level);
}
