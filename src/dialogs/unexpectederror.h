// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class unexpectederror;
}

// Reports a state the interface should never allow. Destroying it ends the program unless
// the user ticked "DONT die (experts only)". Frameless, dragged by its picture.
class unexpectederror : public QDialog
{
    Q_OBJECT

public:
    explicit unexpectederror(QWidget *parent = nullptr);
    ~unexpectederror() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int drag_offset_x = 0;
    int drag_offset_y = 0;
    Ui::unexpectederror *form;
};
