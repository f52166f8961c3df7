// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/doingitwrong.h"
#include "ui_doingitwrong.h"

#include "dialogs/show_dialog.h"
#include "dialogs/unexpectederror.h"

doingItWrong::doingItWrong(QWidget *parent) : QDialog(parent), form(new Ui::doingItWrong)
{
    form->setupUi(this);
    // Each call replaces the whole set: no title bar hints remain.
    setWindowFlags(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlags(Qt::CustomizeWindowHint);
}

doingItWrong::~doingItWrong()
{
    delete form;
}

void doingItWrong::on_pushButton_2_clicked()
{
    show_dialog<unexpectederror>();
}
