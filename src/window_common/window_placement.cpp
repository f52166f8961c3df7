// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_common/window_placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

QPoint centred_within(const QRect &owner, const QSize &size, const QRect &area)
{
    if (size.width() > area.width() || size.height() > area.height())
        return area.topLeft();
    QRect placed(QPoint(), size);
    placed.moveCenter(owner.center());
    placed.moveLeft(qBound(area.left(), placed.left(), area.right() - size.width() + 1));
    placed.moveTop(qBound(area.top(), placed.top(), area.bottom() - size.height() + 1));
    return placed.topLeft();
}

QPoint widened_within(const QRect &widened, const QRect &area)
{
    return widened.topLeft() - QPoint(qMax(0, widened.right() - area.right()), 0);
}

void place_on_screen(QWidget &window)
{
    const QRect area = window.screen()->availableGeometry();
    window.move(centred_within(area, window.frameGeometry().size(), area));
}

void centre_over_main_window(QWidget &dialog)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(window) && window->isVisible() && !window->isMinimized()) {
            const QRect area = window->screen()->availableGeometry();
            // The client areas are centred on each other: a dialog's frame is not known
            // before it is shown.
            const QPoint corner = centred_within(window->geometry(), dialog.size(), area);
            dialog.setGeometry(QRect(corner, dialog.size()));
            return;
        }
    }
}
