// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/opcanceled.h"
#include "ui_opcanceled.h"

opcanceled::opcanceled(QWidget *parent) : QDialog(parent), form(new Ui::opcanceled)
{
    form->setupUi(this);
}

opcanceled::~opcanceled()
{
    delete form;
}
