// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The last steps of replace_file.h's calling sequence, shared by the plain write and the
// locked edit: for the file module's POSIX files only.

#include "files/file_outcomes.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace posix {

struct Commit {
    QString name;                          // as the user gave it, for the outcome
    QByteArray target;                     // the file itself, links followed
    int locked = -1;                       // the open, locked old file
    struct stat old = {};                  // its status
    const QByteArray *old_bytes = nullptr; // its text, when already read
    bool backup_always = false;            // else only when rewritten in place
};

// Writes `bytes` over the locked file as replace_file.h describes.
FileWrite commit(const Commit &commit, const QByteArray &bytes);

} // namespace posix
