// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look.h"

#include <QRadialGradient>

namespace look {

QImage transparent_canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage ink_canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ink);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void paint_backdrop(QPainter &painter, const QSize &size, QPointF glow_centre, int glow_alpha)
{
    const QRectF area(QPointF(0, 0), size);
    QLinearGradient base(area.topLeft(), area.bottomLeft());
    base.setColorAt(0, QColor(0x1a, 0x1e, 0x23));
    base.setColorAt(1, QColor(0x0b, 0x0d, 0x10));
    painter.fillRect(area, base);

    const QPointF centre(glow_centre.x() * size.width(), glow_centre.y() * size.height());
    QRadialGradient glow(centre, 0.75 * qMax(size.width(), size.height()));
    glow.setColorAt(0, with_alpha(accent, glow_alpha));
    glow.setColorAt(0.45, with_alpha(accent_dark, glow_alpha / 2));
    glow.setColorAt(1, Qt::transparent);
    painter.fillRect(area, glow);

    QRadialGradient vignette(area.center(), 0.75 * qMax(size.width(), size.height()));
    vignette.setColorAt(0.55, Qt::transparent);
    vignette.setColorAt(1, QColor(0, 0, 0, 150));
    painter.fillRect(area, vignette);
}

void paint_grid(QPainter &painter, const QRectF &area, int columns, int rows, const QColor &colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int c = 0; c <= columns; ++c) {
        const qreal x = area.left() + area.width() * c / columns;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    for (int r = 0; r <= rows; ++r) {
        const qreal y = area.top() + area.height() * r / rows;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    painter.restore();
}

} // namespace look
