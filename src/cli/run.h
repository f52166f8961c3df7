// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/options.h"
#include "outcome/outcome.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Carries out parsed options: writes the text (to standard output without -o), merges it into a
// file or checks one. Messages go to `err`. Returns the exit status.
int run(const CliOptions &options, QIODevice &err);

// The custom code as the window's text editor would hold it after being given the file's
// text, or why there is none: the file is not UTF-8.
Outcome<QString> custom_code_from_file(const QByteArray &bytes);
