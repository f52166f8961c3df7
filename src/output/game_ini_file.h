// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/user_file.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Why the bytes of an existing Game.ini cannot be merged into or checked: the lines of a UTF-16
// file cannot be told apart byte by byte. Nothing for ASCII or UTF-8.
std::optional<QString> game_ini_refusal(const QByteArray &file);

// The whole of an existing Game.ini to check, or why it cannot be read.
BytesOrReason read_game_ini(const QString &name);

// Puts freshly generated level lines into the Game.ini `name` (see merge_level_lines) under a
// lock, keeping the old text as name.bak once the merged text is ready.
FileEdit merge_into_file(const QString &name, const QByteArray &level_lines, bool replace_caps);
