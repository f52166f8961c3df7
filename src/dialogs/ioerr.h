// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace Ui {
class IOerr;
}

// Tells the user that the chosen file cannot be written. Frameless, dragged by its text.
class IOerr : public QDialog
{
    Q_OBJECT

public:
    explicit IOerr(QWidget *parent = nullptr);
    ~IOerr() override;

    // Names the file that was not written and the system's reason, below the dialog's text.
    void set_reason(const QString &file, const QString &reason);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::IOerr *form;
    int drag_offset_x = 0;
    int drag_offset_y = 0;
};
