// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/pages_built_in_place.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStackedWidget>

PagesBuiltInPlace::PagesBuiltInPlace(const QWidget &window) : window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

PagesBuiltInPlace::~PagesBuiltInPlace()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PagesBuiltInPlace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ChildAdded || !watched->isWidgetType())
        return false;
    // A stack gets its first child, its layout, while it is built; a page gets its first child
    // before anything on it has a style. Pages of the same stack follow their stack.
    if (auto *stack = qobject_cast<QStackedWidget *>(watched)) {
        latest_stack = stack;
    } else if (auto *page = static_cast<QWidget *>(watched);
               page != &window && !page->parentWidget() && latest_stack) {
        page->setParent(latest_stack);
    }
    return false;
}
