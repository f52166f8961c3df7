// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/application_identity.h"

#include <QApplication>
#include <QIcon>

void set_application_identity()
{
    // The X11 window class is the application name; the desktop entry matches it.
    QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillmark"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillmark.ico")));
}
