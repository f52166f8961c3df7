// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ioerr.h"
#include "ui_ioerr.h"

#include "window_common/window_drag.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

#include <algorithm>

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
    QLabel &label = *form->lbl_reason;
    label.setText(shown + QStringLiteral(": ") + reason);
    // A long reason takes more lines: the dialog grows below its picture to hold them.
    label.ensurePolished();
    const int extra = std::max(0, label.heightForWidth(label.width()) - label.height());
    label.resize(label.width(), label.height() + extra);
    form->pushButton->move(form->pushButton->x(), form->pushButton->y() + extra);
    resize(width(), height() + extra);
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
