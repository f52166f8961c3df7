// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/thanxforusing.h"
#include "ui_thanxforusing.h"

thanxForUsing::thanxForUsing(QWidget *parent) : QDialog(parent), form(new Ui::thanxForUsing)
{
    form->setupUi(this);
}

thanxForUsing::~thanxForUsing()
{
    delete form;
}
