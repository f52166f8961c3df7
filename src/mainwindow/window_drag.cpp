// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/window_drag.h"

#include <QMouseEvent>
#include <QWidget>

void follow_drag(QWidget &window, int &offset_x, int &offset_y, const QEvent &event)
{
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseMove)
        return;
    const auto &mouse = static_cast<const QMouseEvent &>(event);
    if (!(mouse.buttons() & Qt::LeftButton))
        return;
    const QPoint cursor = mouse.globalPos();
    if (event.type() == QEvent::MouseButtonPress) {
        offset_x = cursor.x() - window.x();
        offset_y = cursor.y() - window.y();
    } else {
        window.move(cursor.x() - offset_x, cursor.y() - offset_y);
    }
}
