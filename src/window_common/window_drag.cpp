// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_common/window_drag.h"

#include <QMouseEvent>
#include <QWidget>

void follow_drag(QWidget &window, int &offset_x, int &offset_y, const QEvent &event)
{
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseMove)
        return;
    const auto &mouse = static_cast<const QMouseEvent &>(event);
    if (!(mouse.buttons() & Qt::LeftButton))
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) // Qt 6 gives event positions in fractions
    const QPoint cursor = mouse.globalPosition().toPoint();
#else
    const QPoint cursor = mouse.globalPos();
#endif
    if (event.type() == QEvent::MouseButtonPress) {
        offset_x = cursor.x() - window.x();
        offset_y = cursor.y() - window.y();
    } else {
        window.move(cursor.x() - offset_x, cursor.y() - offset_y);
    }
}
