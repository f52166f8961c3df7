// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing a file the user names: -o, the window's Generate and the merge all end here.
//
// How a file that exists is replaced:
//  1. Its lock is taken (file_outcomes.h, LockWait), so this program's writers of one file run
//     one after another; the leftover temporary files of earlier, killed writes of it are
//     removed (temporary_files.h).
//  2. The new text is written to a temporary file beside it, with the old file's owner, group,
//     mode and extended attributes, and synced; so is the backup, when one is kept.
//  3. The new text is renamed over the file, then the backup over its name, and the folder is
//     synced.
// A rename cannot replace a mount point (a single file bind-mounted into a container) and
// would leave a file's other hard links with the old text: such a file is rewritten in place
// instead. Its old text is first kept in its backup (always, for -o too), then the new text is
// written over it and synced; if that fails, the old text is written back.
//
// Errors: every system call interrupted by a signal is tried again. Any failure before the
// file's rename removes the temporary files and leaves the file and its previous backup byte
// for byte as they were. The failure names the file its reason is about (the file or its
// backup), in the system's words. Devices, FIFOs, sockets and folders are refused before
// anything is written; so is a file whose folder is not writable, since neither a temporary
// file nor a backup can be made there.

#include "files/file_outcomes.h"

#include <QByteArray>
#include <QString>

// Replaces a regular file (or the file a link leads to; the link stays) or creates it. A new
// file gets mode 0666 under the umask. No backup is kept unless the file is rewritten in place.
FileWrite write_user_file(const QString &name, const QByteArray &bytes, const LockWait &wait = {});

// The same, keeping an existing file's old bytes as its backup NAME.bak, as the merge keeps
// them (locked_edit.h): for replacing a file the operator chose to replace whole.
FileWrite write_user_file_keeping_backup(const QString &name, const QByteArray &bytes,
                                         const LockWait &wait = {});

// Writes all bytes to standard output, synced when it is a file.
Done write_standard_output(const QByteArray &bytes);
