// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class opcanceled;
}

// Tells the user that the save dialog was cancelled.
class opcanceled : public QDialog
{
    Q_OBJECT

public:
    explicit opcanceled(QWidget *parent = nullptr);
    ~opcanceled() override;

private:
    Ui::opcanceled *form;
};
