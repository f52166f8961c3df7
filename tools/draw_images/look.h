// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

// The program's palette: one blue accent with its light and dark ends, on dark greys.
namespace look {

inline const QColor accent{0x03, 0x8d, 0xdc};
inline const QColor accent_light{0x35, 0xa3, 0xe3};
inline const QColor accent_dark{0x00, 0x2a, 0x42};
inline const QColor accent_darkest{0x00, 0x1c, 0x2c};

inline const QColor grey_111{0x11, 0x11, 0x11};
inline const QColor grey_2b{0x2b, 0x2b, 0x2b};
inline const QColor grey_333{0x33, 0x33, 0x33};
inline const QColor grey_444{0x44, 0x44, 0x44};
inline const QColor grey_666{0x66, 0x66, 0x66};
inline const QColor grey_eee{0xee, 0xee, 0xee};

// The near-black the backgrounds start from: a touch of blue keeps it from looking flat.
inline const QColor ink{0x10, 0x13, 0x17};

inline QColor with_alpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A transparent ARGB canvas, or an opaque one filled with ink.
QImage transparent_canvas(int width, int height);
QImage ink_canvas(int width, int height);

// A painter with antialiasing for shapes and text, as every drawing here wants.
void prepare(QPainter &painter);

// The calm backdrop shared by the pictures: a vertical ink gradient with a soft blue glow
// centred at glow_centre (fractions of the size) and a dark vignette at the edges.
void paint_backdrop(QPainter &painter, const QSize &size, QPointF glow_centre, int glow_alpha);

// Faint lines dividing area into columns and rows, for the plot grids and textures.
void paint_grid(QPainter &painter, const QRectF &area, int columns, int rows, const QColor &colour);

} // namespace look
