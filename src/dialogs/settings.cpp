// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/settings.h"
#include "ui_settings.h"

settings::settings(QWidget *parent) : QDialog(parent), form(new Ui::settings)
{
    form->setupUi(this);
}

settings::~settings()
{
    delete form;
}
