// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class settings;
}

// The syntax editor: shows the text pieces of the three ramps' entries and framing lines.
// It is a form only; nothing in it is read, stored or acted upon.
class settings : public QDialog
{
    Q_OBJECT

public:
    explicit settings(QWidget *parent = nullptr);
    ~settings() override;

private:
    Ui::settings *form;
};
