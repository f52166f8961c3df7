// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class doingItWrong;
}

// Refuses a generation that has nothing to generate. Its "cast an error" button lies
// outside the visible area and is reached only with the keyboard.
class doingItWrong : public QDialog
{
    Q_OBJECT

public:
    explicit doingItWrong(QWidget *parent = nullptr);
    ~doingItWrong() override;

private slots:
    void on_pushButton_2_clicked();

private:
    Ui::doingItWrong *form;
};
