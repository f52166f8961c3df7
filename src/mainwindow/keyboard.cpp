// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>
#include <QShortcut>

void MainWindow::set_up_keyboard()
{
    // The shortcuts press the page buttons, so they refuse whatever the buttons refuse.
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this, form->btn_next_page,
                  &QAbstractButton::click);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this, form->btn_prev_page,
                  &QAbstractButton::click);
    form->btn_next_page->setFocus();
}

// Return and Enter arrive here when the focused control has no use for them (the custom-code
// box keeps them for its line breaks): a focused button is pressed, anything else moves on as
// Next does.
void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    auto *focused_button = qobject_cast<QPushButton *>(focusWidget());
    (focused_button ? focused_button : form->btn_next_page)->click();
}
