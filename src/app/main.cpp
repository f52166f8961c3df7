// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/quit_after_first_paint.h"
#include "files/temporary_files.h"
#include "mainwindow/application_identity.h"
#include "mainwindow/font_fallbacks.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/resource_bundle.h"

#include <QApplication>
#include <QFileInfo>

// The directory of the running program, known before the application object exists.
static QString program_directory(const char *argv0)
{
#ifdef Q_OS_LINUX
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
#endif
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

int main(int argc, char *argv[])
{
    // Qt plug-ins lying next to the program are found; the working directory is never
    // searched, so starting the program from an untrusted folder loads nothing from it.
    QCoreApplication::addLibraryPath(program_directory(argv[0]));
    const ResourceBundle resources;
    QApplication app(argc, argv);
    remove_temporary_files_when_interrupted();
    // The remembered folder lives in ~/.config/Quillmark/quillmark.conf on Linux.
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    install_font_fallbacks();
    set_application_identity();
    MainWindow window;
    QuitAfterFirstPaint::watch_if_asked(window);
    window.show();
    return app.exec();
}
