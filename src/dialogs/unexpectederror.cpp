// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/unexpectederror.h"
#include "ui_unexpectederror.h"

#include "window_common/window_drag.h"

#include <QApplication>

#include <cstdlib>

unexpectederror::unexpectederror(QWidget *parent) : QDialog(parent), form(new Ui::unexpectederror)
{
    form->setupUi(this);
    // Each call replaces the whole set, so the dialog ends up frameless only.
    setWindowFlags(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlags(Qt::CustomizeWindowHint);
    setWindowFlags(Qt::FramelessWindowHint);
    qApp->installEventFilter(this);
}

// Callers destroy the dialog as soon as exec() returns, so this is where the user's answer
// takes effect, however the dialog was closed.
unexpectederror::~unexpectederror()
{
    if (!form->dont_die->isChecked())
        std::abort();
    delete form;
}

bool unexpectederror::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form->background)
        follow_drag(*this, drag_offset_x, drag_offset_y, *event);
    return QDialog::eventFilter(watched, event);
}
