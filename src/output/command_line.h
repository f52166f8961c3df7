// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_text.h"

#include <QString>
#include <QStringList>

// The custom code's file in a copied command line, which the operator puts the code into.
inline const QString kCustomCodePlaceholder = QStringLiteral("custom-code.txt");

// The quillmark-cli arguments that print the text of `choices`: only the options the chosen
// styles use, since it refuses the others, and the custom code from `custom_code_file`.
QStringList command_line_arguments(const GameIniChoices &choices,
                                   const QString &custom_code_file = kCustomCodePlaceholder);

// The same as one line for a shell, starting with quillmark-cli.
QString command_line(const GameIniChoices &choices);
