// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// The start-up benchmark (bench/startup) times programs from exec to their window's first
// paint. It sets QUILLMARK_QUIT_AFTER_FIRST_PAINT, and a window watched by this ends the
// event loop once that paint is done. Nothing else sets the variable, so operators never meet it.
class QuitAfterFirstPaint : public QObject
{
public:
    static void watch_if_asked(QWidget &window)
    {
        if (qEnvironmentVariableIsSet("QUILLMARK_QUIT_AFTER_FIRST_PAINT"))
            window.installEventFilter(new QuitAfterFirstPaint(window));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window paints its children in the same pass and flushes after it; the queued
        // quit runs when both are done.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    explicit QuitAfterFirstPaint(QObject &window) : QObject(&window) {}
};
