// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ioerr.h"
#include "ui_ioerr.h"

#include "window_common/window_drag.h"

#include <QApplication>
#include <QDir>

IOerr::IOerr(QWidget *parent) : QDialog(parent), form(new Ui::IOerr)
{
    form->setupUi(this);
    // Each call replaces the whole set, so the dialog ends up frameless only.
    setWindowFlags(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlags(Qt::CustomizeWindowHint);
    setWindowFlags(Qt::FramelessWindowHint);
    // Without a frame there is no title bar to drag, so the dialog watches every event
    // for the presses and moves that land on its text.
    qApp->installEventFilter(this);
}

void IOerr::set_reason(const QString &file, const QString &reason)
{
    // A long path has no blanks to wrap at: a zero-width space after each separator gives it
    // places to break.
    QString shown = QDir::toNativeSeparators(file);
    shown.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B));
    form->lbl_reason->setText(shown + QStringLiteral(": ") + reason);
}

IOerr::~IOerr()
{
    delete form;
}

bool IOerr::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form->label)
        follow_drag(*this, drag_offset_x, drag_offset_y, *event);
    return QDialog::eventFilter(watched, event);
}
