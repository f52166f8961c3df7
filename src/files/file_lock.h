// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lock that keeps this program's writers of one file apart: an advisory flock on the file
// itself, which the system releases when its holder ends, however it ends.

#include "files/file_outcomes.h"
#include "files/posix_io.h"

namespace posix {

// Opens the regular file `path` (or the one a link leads to) and takes its lock, waiting as
// `wait` says. A writer that held the lock before may have renamed a new file over the name
// meanwhile: then the lock is on the old file, and the name is opened again. `name` is the
// file's name for the reason.
Outcome<Descriptor, FileProblem> lock_file(const QByteArray &path, const QString &name,
                                           const LockWait &wait);

} // namespace posix
