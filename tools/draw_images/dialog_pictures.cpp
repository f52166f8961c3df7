// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_pictures.h"

#include "look.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor amber(0xe0, 0x9a, 0x1c);

QFont picture_font(int pixel_size)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel_size);
    font.setWeight(QFont::Bold);
    return font;
}

void paint_padlock(QPainter &painter, const QRectF &body)
{
    const qreal shackle_width = body.width() * 0.62;
    const QRectF shackle(body.center().x() - shackle_width / 2, body.top() - shackle_width * 0.78,
                         shackle_width, shackle_width * 1.3);
    QPainterPath loop;
    loop.moveTo(shackle.left(), body.top() + 4);
    loop.lineTo(shackle.left(), shackle.top() + shackle_width / 2);
    loop.arcTo(QRectF(shackle.topLeft(), QSizeF(shackle_width, shackle_width)), 180, -180);
    loop.lineTo(shackle.right(), body.top() + 4);
    painter.strokePath(loop, QPen(QColor(0x5a, 0x66, 0x72), 14, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(loop, QPen(QColor(0x8a, 0x98, 0xa6, 120), 4, Qt::SolidLine, Qt::FlatCap));

    QPainterPath case_shape;
    case_shape.addRoundedRect(body, 12, 12);
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, QColor(0x4a, 0x55, 0x60));
    metal.setColorAt(1, QColor(0x22, 0x28, 0x2e));
    painter.fillPath(case_shape, metal);
    painter.setPen(QPen(look::with_alpha(look::accent, 160), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(case_shape);

    const QPointF hole(body.center().x(), body.center().y() - 6);
    QPainterPath keyhole;
    keyhole.addEllipse(hole, 9, 9);
    QPainterPath slot;
    slot.moveTo(hole + QPointF(-5, 4));
    slot.lineTo(hole + QPointF(5, 4));
    slot.lineTo(hole + QPointF(7, 26));
    slot.lineTo(hole + QPointF(-7, 26));
    slot.closeSubpath();
    painter.fillPath(keyhole.united(slot), QColor(0x0b, 0x0d, 0x10));
}

QPainterPath trefoil(QPointF centre, qreal inner, qreal outer)
{
    QPainterPath blades;
    for (int blade = 0; blade < 3; ++blade) {
        // Blades centred on 90 (straight down), 210 and 330 degrees, clockwise on screen.
        const qreal start = 60 + blade * 120;
        QPainterPath wedge;
        wedge.moveTo(centre);
        wedge.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), -start,
                    -60);
        wedge.closeSubpath();
        blades = blades.united(wedge);
    }
    QPainterPath hub;
    hub.addEllipse(centre, inner, inner);
    QPainterPath ring;
    ring.addEllipse(centre, inner * 1.5, inner * 1.5);
    return blades.subtracted(ring).united(hub);
}

void paint_bust(QPainter &painter, const QRectF &frame)
{
    const QPointF centre = frame.center();
    const qreal unit = frame.width() / 10;
    QPainterPath bust;
    bust.addEllipse(QPointF(centre.x(), centre.y() - 1.2 * unit), 1.7 * unit, 1.9 * unit);
    QPainterPath shoulders;
    shoulders.moveTo(centre.x() - 3.6 * unit, frame.bottom());
    shoulders.cubicTo(QPointF(centre.x() - 3.6 * unit, centre.y() + 1.6 * unit),
                      QPointF(centre.x() - 1.8 * unit, centre.y() + 1.1 * unit),
                      QPointF(centre.x(), centre.y() + 1.1 * unit));
    shoulders.cubicTo(QPointF(centre.x() + 1.8 * unit, centre.y() + 1.1 * unit),
                      QPointF(centre.x() + 3.6 * unit, centre.y() + 1.6 * unit),
                      QPointF(centre.x() + 3.6 * unit, frame.bottom()));
    shoulders.closeSubpath();
    bust = bust.united(shoulders);

    QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
    shade.setColorAt(0, QColor(0x56, 0x62, 0x6e));
    shade.setColorAt(1, QColor(0x24, 0x2a, 0x31));
    painter.fillPath(bust, shade);
}

// The role's emblem on a small round badge at the lower right of the portrait.
void paint_badge(QPainter &painter, QPointF centre, Contributor contributor)
{
    painter.setPen(QPen(look::accent_dark, 4));
    QRadialGradient fill(centre - QPointF(8, 8), 40);
    fill.setColorAt(0, look::accent_light);
    fill.setColorAt(1, look::accent);
    painter.setBrush(fill);
    painter.drawEllipse(centre, 30, 30);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (contributor == Contributor::Developers) {
        // </> for the people who wrote the code.
        painter.drawPolyline(QPolygonF(
            {centre + QPointF(-8, -11), centre + QPointF(-17, 0), centre + QPointF(-8, 11)}));
        painter.drawPolyline(QPolygonF(
            {centre + QPointF(8, -11), centre + QPointF(17, 0), centre + QPointF(8, 11)}));
        painter.drawLine(centre + QPointF(4, -14), centre + QPointF(-4, 14));
    } else {
        // A pen nib for the people who drew the look.
        QPainterPath nib;
        nib.moveTo(centre + QPointF(0, 17));
        nib.lineTo(centre + QPointF(-11, -2));
        nib.lineTo(centre + QPointF(-7, -15));
        nib.lineTo(centre + QPointF(7, -15));
        nib.lineTo(centre + QPointF(11, -2));
        nib.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.fillPath(nib, Qt::white);
        painter.setPen(QPen(look::accent, 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + QPointF(0, 15), centre + QPointF(0, -2));
        painter.setBrush(look::accent);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre + QPointF(0, -3), 3, 3);
    }
}

} // namespace

QImage draw_access_denied()
{
    QImage image = look::ink_canvas(390, 311);
    QPainter painter(&image);
    look::prepare(painter);
    look::paint_backdrop(painter, image.size(), QPointF(0.5, 0.55), 45);

    // The padlock stands in the gap between the error text and the closing hint; the foot
    // stays plain black, the best ground for the hint's dark blue.
    painter.setOpacity(0.55);
    paint_padlock(painter, QRectF(160, 166, 70, 54));
    painter.setOpacity(1);
    return image;
}

QImage draw_nuke()
{
    QImage image = look::ink_canvas(456, 388);
    QPainter painter(&image);
    look::prepare(painter);
    look::paint_backdrop(painter, image.size(), QPointF(0.5, 0.62), 30);

    const QPointF centre(228, 226);
    QRadialGradient blast(centre, 170);
    blast.setColorAt(0, look::with_alpha(amber, 60));
    blast.setColorAt(0.5, QColor(0x80, 0x40, 0x10, 40));
    blast.setColorAt(1, Qt::transparent);
    painter.fillRect(image.rect(), blast);

    // Shock rings spreading from the centre, fading as they go.
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 5; ++ring) {
        const qreal radius = 92 + ring * 26;
        painter.setPen(QPen(look::with_alpha(ring % 2 ? look::accent : amber, 60 - ring * 11), 2));
        painter.drawEllipse(centre, radius, radius);
    }

    painter.setPen(QPen(QColor(0x1a, 0x12, 0x06), 6));
    painter.setBrush(QColor(0xb8, 0x7a, 0x16, 170));
    painter.drawEllipse(centre, 80, 80);
    painter.fillPath(trefoil(centre, 12, 70), QColor(0x16, 0x12, 0x0c));
    return image;
}

QImage draw_doing_wrong()
{
    QImage image = look::ink_canvas(332, 239);
    QPainter painter(&image);
    look::prepare(painter);
    look::paint_backdrop(painter, image.size(), QPointF(0.75, 0.4), 55);
    look::paint_grid(painter, QRectF(0, 0, 332, 239), 12, 9, QColor(255, 255, 255, 10));

    // Three choices, none of them ticked.
    for (int row = 0; row < 3; ++row) {
        const qreal y = 62 + row * 54;
        painter.setPen(QPen(look::grey_666, 3));
        painter.setBrush(QColor(0x16, 0x19, 0x1d));
        painter.drawEllipse(QPointF(48, y), 13, 13);
        painter.setPen(Qt::NoPen);
        painter.setBrush(look::with_alpha(look::grey_666, 150));
        painter.drawRoundedRect(QRectF(74, y - 6, 100 - row * 18, 12), 6, 6);
    }

    QLinearGradient blue(QPointF(0, 30), QPointF(0, 210));
    blue.setColorAt(0, look::accent_light);
    blue.setColorAt(1, look::accent_dark);
    QPainterPath mark;
    mark.addText(0, 0, picture_font(170), QStringLiteral("?"));
    const QRectF bounds = mark.boundingRect();
    mark.translate(QPointF(258, 120) - bounds.center());
    painter.strokePath(mark.translated(4, 5), QPen(QColor(0, 0, 0, 90), 6));
    painter.fillPath(mark, blue);
    painter.strokePath(mark, QPen(look::with_alpha(look::accent_light, 160), 2));
    return image;
}

QImage draw_portrait(Contributor contributor)
{
    QImage image = look::ink_canvas(200, 191);
    QPainter painter(&image);
    look::prepare(painter);
    const bool developers = contributor == Contributor::Developers;
    look::paint_backdrop(painter, image.size(), QPointF(developers ? 0.2 : 0.8, 0.2), 90);

    const QRectF frame(30, 18, 140, 140);
    QPainterPath circle;
    circle.addEllipse(frame);
    painter.fillPath(circle, QColor(0x0e, 0x11, 0x14));
    painter.save();
    painter.setClipPath(circle);
    paint_bust(painter, frame.adjusted(0, 18, 0, 0));
    painter.restore();
    painter.setPen(QPen(look::accent, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(frame);

    paint_badge(painter, QPointF(150, 146), contributor);
    return image;
}
