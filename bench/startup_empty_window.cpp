// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of bench/startup: the least a Qt program showing a window of Quillmark's size
// and kind does, from exec to its first paint.

#include "app/quit_after_first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(700, 530);
    QuitAfterFirstPaint::watch_if_asked(window);
    window.show();
    return app.exec();
}
