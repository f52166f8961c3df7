// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The folder of the Game.ini last saved or merged into, kept between runs so that the file
// dialogs open where the operator works. Empty while none is known or it has gone.
QString last_used_folder();
void remember_folder_of(const QString &file_name);
