// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrome.h"

#include "look.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

// An arrow-shaped tag pointing right: rounded tail, pointed head.
QPainterPath arrow_tag(const QRectF &box)
{
    const qreal radius = box.height() * 0.32;
    const qreal shoulder = box.right() - box.height() * 0.62;
    QPainterPath path;
    path.moveTo(box.left() + radius, box.top());
    path.lineTo(shoulder, box.top());
    path.quadTo(shoulder + 8, box.top(), shoulder + 14, box.top() + 6);
    path.lineTo(box.right() - 4, box.center().y() - 5);
    path.quadTo(box.right() + 2, box.center().y(), box.right() - 4, box.center().y() + 5);
    path.lineTo(shoulder + 14, box.bottom() - 6);
    path.quadTo(shoulder + 8, box.bottom(), shoulder, box.bottom());
    path.lineTo(box.left() + radius, box.bottom());
    path.arcTo(QRectF(box.left(), box.bottom() - 2 * radius, 2 * radius, 2 * radius), 270, -90);
    path.lineTo(box.left(), box.top() + radius);
    path.arcTo(QRectF(box.left(), box.top(), 2 * radius, 2 * radius), 180, -90);
    path.closeSubpath();
    return path;
}

// Two chevrons pointing right, centred on centre.
QPainterPath double_chevron(QPointF centre, qreal size)
{
    QPainterPath path;
    for (const qreal shift : {-size * 0.45, size * 0.45}) {
        const QPointF tip(centre.x() + shift + size * 0.3, centre.y());
        path.moveTo(tip + QPointF(-size * 0.6, -size * 0.75));
        path.lineTo(tip);
        path.lineTo(tip + QPointF(-size * 0.6, size * 0.75));
    }
    return path;
}

// A soft shadow without a blur filter: the shape stroked ever wider at low opacity.
void paint_soft_shadow(QPainter &painter, const QPainterPath &shape, QPointF offset, int alpha)
{
    painter.save();
    painter.translate(offset);
    painter.setBrush(Qt::NoBrush);
    for (int width = 12; width >= 2; width -= 2) {
        painter.setPen(
            QPen(QColor(0, 0, 0, alpha / 6), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(shape);
    }
    painter.fillPath(shape, QColor(0, 0, 0, alpha));
    painter.restore();
}

struct ButtonColours {
    QColor top, middle, bottom, rim, glyph;
    int gloss_alpha;
    int shadow_alpha;
};

ButtonColours button_colours(ButtonState state)
{
    switch (state) {
    case ButtonState::Pressed:
        return {look::accent,
                QColor(0x02, 0x5c, 0x90),
                look::accent_dark,
                look::accent_darkest,
                QColor(0xd6, 0xec, 0xfa),
                0,
                70};
    case ButtonState::Disabled:
        return {QColor(0x6a, 0x6a, 0x6a),
                QColor(0x4a, 0x4a, 0x4a),
                look::grey_333,
                look::grey_2b,
                QColor(0x8c, 0x8c, 0x8c),
                25,
                60};
    case ButtonState::Normal:
        break;
    }
    return {look::accent_light,
            look::accent,
            QColor(0x01, 0x4e, 0x7c),
            look::accent_dark,
            Qt::white,
            70,
            130};
}

QPointF ring_point(QPointF centre, qreal radius, qreal degrees)
{
    const qreal angle = qDegreesToRadians(degrees);
    return centre + radius * QPointF(qCos(angle), qSin(angle));
}

// A circular arrow: an arc running clockwise (on screen) from start to end degrees, with its
// head at the end.
void add_circular_arrow(QPainterPath &arc, QPainterPath &head, QPointF centre, qreal radius,
                        qreal start, qreal end, qreal head_size)
{
    arc.moveTo(ring_point(centre, radius, start));
    for (qreal degrees = start; degrees <= end; degrees += 2)
        arc.lineTo(ring_point(centre, radius, degrees));

    const qreal angle = qDegreesToRadians(end);
    const QPointF outward(qCos(angle), qSin(angle));
    const QPointF along(-qSin(angle), qCos(angle));
    const QPointF base = ring_point(centre, radius, end);
    head.moveTo(base + along * head_size * 1.1);
    head.lineTo(base + outward * head_size - along * head_size * 0.25);
    head.lineTo(base - outward * head_size - along * head_size * 0.25);
    head.closeSubpath();
}

// The feather of the icon: a leaf-shaped vane on a curved shaft, nib at nib, pointing up and
// to the right towards tip.
void paint_quill(QPainter &painter, QPointF nib, QPointF tip)
{
    const QPointF axis = tip - nib;
    const qreal length = qSqrt(QPointF::dotProduct(axis, axis));
    const QPointF along = axis / length;
    const QPointF across(-along.y(), along.x());
    const auto at = [&](qreal t, qreal side) { return nib + along * (t * length) + across * side; };

    const qreal w = length / 100; // vane widths in hundredths of the feather's length
    QPainterPath vane;
    vane.moveTo(at(0.28, 0));
    vane.cubicTo(at(0.45, 17 * w), at(0.8, 23 * w), at(1.0, 0));
    vane.cubicTo(at(0.85, -14 * w), at(0.5, -12 * w), at(0.28, 0));
    QLinearGradient fill(at(0.3, 0), at(1.0, 0));
    fill.setColorAt(0, QColor(0xd8, 0xee, 0xfb));
    fill.setColorAt(1, Qt::white);
    painter.fillPath(vane, fill);

    // Notches in the vane, as a real feather splits.
    painter.save();
    painter.setClipPath(vane);
    painter.setPen(QPen(look::ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.62, 19 * w), at(0.55, 8 * w));
    painter.drawLine(at(0.8, 16 * w), at(0.74, 5 * w));
    painter.drawLine(at(0.7, -10 * w), at(0.64, -3 * w));
    painter.restore();

    painter.setPen(QPen(QColor(0x9f, 0xc9, 0xe6), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.06, 0), at(0.97, 0));

    QPainterPath point;
    point.moveTo(nib);
    point.lineTo(at(0.1, 6));
    point.lineTo(at(0.1, -6));
    point.closeSubpath();
    painter.fillPath(point, look::accent_light);
}

} // namespace

QImage draw_window_background()
{
    QImage image = look::ink_canvas(950, 530);
    QPainter painter(&image);
    look::prepare(painter);
    look::paint_backdrop(painter, image.size(), QPointF(0.08, 0.95), 70);

    // A second, darker glow behind the help panel on the right.
    QRadialGradient right(QPointF(860, 120), 420);
    right.setColorAt(0, look::with_alpha(look::accent_dark, 120));
    right.setColorAt(1, Qt::transparent);
    painter.fillRect(image.rect(), right);

    // Fine diagonal hatching gives the dark surface some texture under the panels.
    painter.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int x = -530; x < 950; x += 9)
        painter.drawLine(QPointF(x, 530), QPointF(x + 530, 0));

    // Wide, faint ramp curves sweeping across, the program's subject.
    for (int i = 0; i < 4; ++i) {
        QPainterPath sweep(QPointF(-20, 500 - i * 24));
        sweep.cubicTo(QPointF(380, 490 - i * 26), QPointF(640, 380 - i * 40),
                      QPointF(970, 40 - i * 30));
        painter.strokePath(sweep, QPen(look::with_alpha(look::accent, 34 - i * 6), 2));
    }

    // Hairlines under the title bar, above the page buttons, and between page and help.
    const auto hairline = [&](QPointF from, QPointF to) {
        QLinearGradient fade(from, to);
        fade.setColorAt(0, Qt::transparent);
        fade.setColorAt(0.5, look::with_alpha(look::accent, 150));
        fade.setColorAt(1, Qt::transparent);
        painter.setPen(QPen(QBrush(fade), 1));
        painter.drawLine(from, to);
    };
    hairline(QPointF(0, 30.5), QPointF(700, 30.5));
    hairline(QPointF(0, 457.5), QPointF(700, 457.5));
    hairline(QPointF(703.5, 20), QPointF(703.5, 510));
    return image;
}

QImage draw_page_button(PageDirection direction, ButtonState state)
{
    QImage image = look::transparent_canvas(228, 88);
    QPainter painter(&image);
    look::prepare(painter);

    const ButtonColours colours = button_colours(state);
    // Pressed, the button sinks and moves a little towards where it points.
    const QPointF shift = state == ButtonState::Pressed ? QPointF(3, 3) : QPointF(0, 0);
    const QPainterPath shape = arrow_tag(QRectF(QPointF(8, 10) + shift, QSizeF(208, 62)));

    paint_soft_shadow(painter, shape, state == ButtonState::Pressed ? QPointF(0, 1) : QPointF(0, 4),
                      colours.shadow_alpha);

    const QRectF box = shape.boundingRect();
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, colours.top);
    body.setColorAt(0.5, colours.middle);
    body.setColorAt(1, colours.bottom);
    painter.fillPath(shape, body);

    if (colours.gloss_alpha > 0) {
        QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.center().y()));
        gloss.setColorAt(0, QColor(255, 255, 255, colours.gloss_alpha));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.save();
        painter.setClipPath(shape);
        painter.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() / 2), gloss);
        painter.restore();
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.rim, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);

    const QPainterPath chevron =
        double_chevron(QPointF(box.center().x() - 6, box.center().y()), 22);
    painter.strokePath(chevron.translated(0, 2),
                       QPen(QColor(0, 0, 0, 70), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(chevron, QPen(colours.glyph, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.end();

    return direction == PageDirection::Next ? image : image.mirrored(true, false);
}

QImage draw_refresh_icon(bool pressed)
{
    QImage image = look::transparent_canvas(128, 128);
    QPainter painter(&image);
    look::prepare(painter);

    // Pressed, the arrows have turned on a little and sunk into a darker blue.
    const QPointF centre(64, 64);
    painter.translate(centre);
    painter.rotate(pressed ? 40 : 0);
    painter.scale(pressed ? 0.94 : 1.0, pressed ? 0.94 : 1.0);
    painter.translate(-centre);

    QPainterPath arcs;
    QPainterPath heads;
    add_circular_arrow(arcs, heads, centre, 40, 200, 318, 19);
    add_circular_arrow(arcs, heads, centre, 40, 20, 138, 19);

    const QColor outline = pressed ? look::accent_darkest : look::accent_dark;
    painter.strokePath(arcs, QPen(outline, 22, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.strokePath(heads, QPen(outline, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    QLinearGradient blue(QPointF(24, 24), QPointF(104, 104));
    blue.setColorAt(0, pressed ? look::accent : look::accent_light);
    blue.setColorAt(1, pressed ? QColor(0x02, 0x5c, 0x90) : look::accent);
    painter.strokePath(arcs, QPen(QBrush(blue), 15, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.fillPath(heads, QBrush(blue));
    return image;
}

QImage draw_application_icon(int size)
{
    QImage image = look::transparent_canvas(size, size);
    QPainter painter(&image);
    look::prepare(painter);
    painter.scale(size / 256.0, size / 256.0);

    const QRectF tile(8, 8, 240, 240);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 48, 48);
    QLinearGradient base(tile.topLeft(), tile.bottomRight());
    base.setColorAt(0, QColor(0x22, 0x28, 0x2f));
    base.setColorAt(1, QColor(0x0a, 0x0c, 0x0f));
    painter.fillPath(rounded, base);

    painter.save();
    painter.setClipPath(rounded);
    QRadialGradient glow(QPointF(60, 220), 200);
    glow.setColorAt(0, look::with_alpha(look::accent, 110));
    glow.setColorAt(1, Qt::transparent);
    painter.fillRect(tile, glow);
    // Below 64 pixels the faint grid would only blur the ramp.
    if (size >= 64)
        look::paint_grid(painter, QRectF(8, 8, 240, 240), 6, 6, QColor(255, 255, 255, 14));

    // A ramp rising from the lower left to where the quill writes it.
    const QPointF nib(128, 124);
    QPainterPath ramp(QPointF(32, 218));
    ramp.cubicTo(QPointF(84, 214), QPointF(110, 178), nib);
    painter.strokePath(ramp,
                       QPen(look::with_alpha(look::accent, 55), 20, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(ramp, QPen(look::accent_light, 10, Qt::SolidLine, Qt::RoundCap));
    painter.restore();

    paint_quill(painter, nib, QPointF(230, 24));

    QLinearGradient rim(tile.topLeft(), tile.bottomRight());
    rim.setColorAt(0, look::accent_light);
    rim.setColorAt(1, look::accent_dark);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(rim), 5));
    painter.drawPath(rounded);
    return image;
}
