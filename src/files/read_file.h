// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a file the user names.

#include "outcome/outcome.h"

#include <QByteArray>
#include <QString>

// The largest Game.ini read (a server's file is well under a megabyte) and the largest file of
// custom code.
constexpr qint64 kGameIniMaxBytes = 64 * 1024 * 1024;
constexpr qint64 kCustomCodeMaxBytes = 1024 * 1024;

// The whole of a regular file (or of the file a link leads to). A failed or short read, any
// other kind of file and a file larger than `max_bytes` are failures, never empty text.
Outcome<QByteArray> read_user_file(const QString &name, qint64 max_bytes);
