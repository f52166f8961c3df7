// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Every read and write of a file the user names goes through here, so that a full disk, a read
// error, a device, a link or a stranger's file can never leave a cut-short file or take the
// old one away.

// The largest Game.ini read (a server's file is well under a megabyte) and the largest file of
// custom code.
constexpr qint64 kGameIniMaxBytes = 64 * 1024 * 1024;
constexpr qint64 kCustomCodeMaxBytes = 1024 * 1024;

// Bytes, or the reason there are none.
struct BytesOrReason {
    std::optional<QByteArray> bytes;
    QString reason; // the system's words, or what is wrong with the file
};

// The whole of a regular file (or of the file a link leads to). A failed or short read, any
// other kind of file and a file larger than `max_bytes` are failures, never empty text.
BytesOrReason read_user_file(const QString &name, qint64 max_bytes);

// Replaces a regular file (or the file a link leads to; the link stays) or creates it, with the
// owner, group and mode of the old file (a new file: 0666 under the umask). The text is written
// and synced to a temporary file beside it that is renamed over the old one only when every
// step succeeded; on failure the old file is left as it was, nothing is left beside it, and the
// reason is returned. Devices, FIFOs, sockets and folders are refused before anything is
// written.
std::optional<QString> write_user_file(const QString &name, const QByteArray &bytes);

// Writes all bytes to standard output; a failed or short write returns the reason.
std::optional<QString> write_standard_output(const QByteArray &bytes);

// How an edit of a file ended; `file` is the file the reason is about.
struct FileEdit {
    enum Outcome { Done, NotRead, Refused, NotWritten };
    Outcome outcome = Done;
    QString file;
    QString reason;
};

// Turns the old bytes into the new ones, or refuses with a reason.
using Editor = std::function<BytesOrReason(const QByteArray &)>;

// Edits a file in place while holding an advisory lock on it, so edits of one file run one after
// another and each sees the last one's result. Reads it (up to `max_bytes`), edits it and, once
// the edit succeeded and the file is known to be writable, keeps the old bytes in the file
// named `name + backup_suffix` (with the old file's owner, group and mode; a link there is
// replaced, never followed) and writes the new bytes as write_user_file does. A refused or
// failed edit leaves the previous backup alone.
FileEdit edit_user_file(const QString &name, qint64 max_bytes, const Editor &edit,
                        const QString &backup_suffix);
