// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Editing a file the user names, keeping its old text as a backup: the merge into a Game.ini.
//
// Calling sequence: the file's lock is taken, its leftover temporary files are removed, it is
// read (up to `max_bytes`) and given to `edit`. When the edit refuses, or gives back the same
// bytes, nothing is written: neither the file nor its backup changes, not even in its
// modification time. Otherwise the new bytes replace the file and the old ones its backup,
// NAME.bak, as replace_file.h describes; a link at the backup's name is replaced, never
// followed. The lock is held throughout, so edits and writes of one file run one after another
// and each sees the last one's result.

#include "files/file_outcomes.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Turns the old bytes into the new ones, or refuses with a reason.
using Editor = std::function<Outcome<QByteArray>(const QByteArray &)>;

FileWrite edit_user_file(const QString &name, qint64 max_bytes, const Editor &edit,
                         const LockWait &wait = {});
