// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class thanxForUsing;
}

// Reports a generated file and credits the program's makers.
class thanxForUsing : public QDialog
{
    Q_OBJECT

public:
    explicit thanxForUsing(QWidget *parent = nullptr);
    ~thanxForUsing() override;

private:
    Ui::thanxForUsing *form;
};
