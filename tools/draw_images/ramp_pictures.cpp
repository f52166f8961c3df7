// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramp_pictures.h"

#include "look.h"
#include "output/written_values.h"
#include "plot/plot_frame.h"
#include "ramps/ramp_styles.h"

#include <algorithm>

namespace {

// The presets that the style buttons apply, with their level counts.
constexpr int kPlayerLevels = 115;
constexpr int kCreatureLevels = 71;
constexpr double kPlayerCurve = 865.692;
constexpr double kPlayerExponential = 466.627;
constexpr double kPlayerLinear = 56.785;
constexpr double kCreatureCurve = 1448.906;
constexpr double kCreatureExponential = 480.933;
constexpr double kCreatureLinear = 36.072;
constexpr double kEngramLogarithmic = 91.598;
constexpr double kEngramLinear = 63.987;
constexpr double kEngramStatic = 37.0;

template <typename Values> std::vector<double> as_doubles(const Values &values)
{
    return std::vector<double>(values.begin(), values.end());
}

std::vector<double> xp(int style, double scale, int levels)
{
    return as_doubles(written_xp_values(style, scale, levels));
}

std::vector<double> engram(int style, double scale, bool reverse)
{
    return as_doubles(written_engram_values(style, scale, kPlayerLevels, reverse));
}

QFont caption_font(int pixel_size, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel_size);
    font.setWeight(weight);
    return font;
}

void paint_curve(QPainter &painter, const QRectF &plot, const std::vector<double> &values)
{
    // Every ramp starts from zero, so flat ramps read as high or low at a glance.
    const double top = *std::max_element(values.begin(), values.end()) * 1.08;
    const PlotFrame frame{plot, {0, double(values.size() - 1)}, {0, top}};

    QLinearGradient fill(plot.topLeft(), plot.bottomLeft());
    fill.setColorAt(0, look::with_alpha(look::accent, 110));
    fill.setColorAt(1, look::with_alpha(look::accent_dark, 20));
    QLinearGradient stroke(plot.bottomLeft(), plot.topRight());
    stroke.setColorAt(0, look::accent);
    stroke.setColorAt(1, look::accent_light);
    paint_series(painter, frame, 0, values,
                 QPen(QBrush(stroke), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), fill);
}

// A stock choice writes nothing, so the game keeps numbers this program does not know: the
// picture says so instead of inventing a shape.
void paint_stock_notice(QPainter &painter, const QRectF &plot)
{
    QFont big = caption_font(20, QFont::Bold);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(big);
    painter.setPen(look::accent_light);
    const QRectF upper(plot.left(), plot.top(), plot.width(), plot.height() * 0.62);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("UNCHANGED"));

    painter.setFont(caption_font(11, QFont::Normal));
    painter.setPen(QColor(0x9a, 0xa3, 0xab));
    const QRectF lower(plot.left(), upper.bottom() + 2, plot.width(), plot.height() * 0.3);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("the game keeps its own values"));
}

} // namespace

std::vector<RampPicture> ramp_pictures()
{
    const auto &stock = stock_xp_table();
    return {
        {"XpCurve.jpg", "complex curve", xp(XpStyle::ComplexCurve, kPlayerCurve, kPlayerLevels)},
        {"XpExpo.jpg", "exponential", xp(XpStyle::Exponential, kPlayerExponential, kPlayerLevels)},
        {"XpLinear.jpg", "linear", xp(XpStyle::Linear, kPlayerLinear, kPlayerLevels)},
        {"XpStock.jpg", "stock", as_doubles(stock)},
        {"engCurve.jpg", "logarithmic",
         engram(EngramStyle::Logarithmic, kEngramLogarithmic, false)},
        {"engLinear.jpg", "linear", engram(EngramStyle::Linear, kEngramLinear, false)},
        {"engStatic.jpg", "static", engram(EngramStyle::Static, kEngramStatic, false)},
        {"engStock.jpg", "stock", {}},
        {"RevengCur.jpg", "reversed logarithmic",
         engram(EngramStyle::Logarithmic, kEngramLogarithmic, true)},
        {"RevengLin.jpg", "reversed linear", engram(EngramStyle::Linear, kEngramLinear, true)},
        {"DnCurve.jpg", "complex curve",
         xp(XpStyle::ComplexCurve, kCreatureCurve, kCreatureLevels)},
        {"DnExpo.jpg", "exponential",
         xp(XpStyle::Exponential, kCreatureExponential, kCreatureLevels)},
        {"DnLinear.jpg", "linear", xp(XpStyle::Linear, kCreatureLinear, kCreatureLevels)},
        {"DnStock.jpg", "stock", {}},
    };
}

QImage draw_ramp_picture(const RampPicture &picture)
{
    QImage image = look::ink_canvas(250, 110);
    QPainter painter(&image);
    look::prepare(painter);
    look::paint_backdrop(painter, image.size(), QPointF(0.85, 0.1), 40);

    const QRectF plot(12, 22, 226, 78);
    look::paint_grid(painter, plot, 6, 3, QColor(255, 255, 255, 16));
    painter.setPen(QPen(look::with_alpha(look::grey_666, 160), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    if (picture.values.size() > 1)
        paint_curve(painter, plot, picture.values);
    else
        paint_stock_notice(painter, plot);

    painter.setFont(caption_font(10, QFont::DemiBold));
    painter.setPen(QColor(0xc8, 0xd0, 0xd8));
    painter.drawText(QRectF(12, 4, 226, 15), Qt::AlignLeft | Qt::AlignVCenter,
                     picture.label.toUpper());

    painter.setPen(QPen(look::grey_333, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, 249, 109));
    return image;
}
