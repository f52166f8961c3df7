// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/style_sheets_after_reparent.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

StyleSheetsAfterReparent::StyleSheetsAfterReparent(const QWidget &window) : window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

StyleSheetsAfterReparent::~StyleSheetsAfterReparent()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // A page that never got a parent keeps its sheets all the same.
    for (const QVector<Sheet> &sheets : qAsConst(laid_aside))
        set_again(sheets);
}

bool StyleSheetsAfterReparent::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::StyleChange: {
        // Sent as a sheet is set. The page, a widget without parent, is its widgets' window.
        // The preview tables keep theirs: their headers settle their sizes and fonts only when
        // polished along with the page, and the previews look as they always have.
        QWidget *page = widget->window();
        if (page == &window || page->parentWidget() || widget->styleSheet().isEmpty() ||
            qobject_cast<QAbstractItemView *>(widget))
            break;
        laid_aside[page].append({widget, widget->styleSheet()});
        widget->setStyleSheet(QString());
        break;
    }
    case QEvent::ParentChange:
        // Sent once the page has taken on its stack's style.
        if (laid_aside.contains(widget))
            set_again(laid_aside.take(widget));
        break;
    default:
        break;
    }
    return false;
}

void StyleSheetsAfterReparent::set_again(const QVector<Sheet> &sheets)
{
    for (const Sheet &laid : sheets)
        if (laid.widget)
            laid.widget->setStyleSheet(laid.sheet);
}
