// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/file_outcomes.h"

#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

// Waits for another program that holds a file's lock without freezing the window: it keeps
// repainting while it waits, and after a second a dialog (lock_wait) says what it waits for
// and offers Cancel. There is no time limit; the operator decides.
class WindowLockWait
{
public:
    WindowLockWait(QWidget *parent, const QString &file_name);
    WindowLockWait(const WindowLockWait &) = delete;
    WindowLockWait &operator=(const WindowLockWait &) = delete;
    ~WindowLockWait();

    // For the writer; valid while this object lives.
    LockWait wait();

private:
    void show_dialog();
    bool pause();

    QWidget *parent;
    QString file_name;
    QPointer<QProgressDialog> dialog;
    bool cancelled = false;
};
