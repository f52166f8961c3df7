// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/lock_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

WindowLockWait::WindowLockWait(QWidget *parent, const QString &file_name)
    : parent(parent), file_name(file_name)
{}

WindowLockWait::~WindowLockWait()
{
    delete dialog;
}

LockWait WindowLockWait::wait()
{
    return {-1, [this] { show_dialog(); }, [this] { return pause(); }};
}

void WindowLockWait::show_dialog()
{
    dialog = new QProgressDialog(
        QCoreApplication::translate("WindowLockWait",
                                    "Waiting for another program to finish with %1\u2026")
            .arg(QFileInfo(file_name).fileName()),
        QCoreApplication::translate("WindowLockWait", "Cancel"), 0, 0, parent);
    dialog->setObjectName(QStringLiteral("lock_wait"));
    dialog->setWindowTitle(QCoreApplication::translate("WindowLockWait", "File in use"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    QObject::connect(dialog, &QProgressDialog::canceled, dialog, [this] { cancelled = true; });
    dialog->show();
}

bool WindowLockWait::pause()
{
    // Until the dialog shows, clicks wait in the queue: the window repaints but cannot start
    // another write meanwhile. Once it shows, it is modal.
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec(dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    // Closed by its title bar's button or Escape is cancelled too.
    return !cancelled && !(dialog && dialog->isHidden());
}
