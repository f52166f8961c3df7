// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The temporary files a write makes beside the file it replaces, and their removal.
//
// Every temporary file is named .quillmark-HASH-XXXXXX in the folder of the file it will
// replace, where HASH is eight hexadecimal digits of the file's own name and XXXXXX is random:
// short enough for any legal file name, and recognisable as ours and as that file's. A writer
// that holds a file's lock removes the leftovers of that file (of a run that was killed), and
// an interrupted run removes its own.

#include <QByteArray>

// Installs handlers that remove the temporary files of the running writes when the program is
// stopped by SIGINT, SIGTERM or SIGHUP, and then let the signal end it as before; ignores
// SIGXFSZ, so that a file-size limit fails the write with its reason instead of ending the
// program. For a program's start.
void remove_temporary_files_when_interrupted();

#ifdef Q_OS_UNIX
namespace posix {

// A temporary file beside `target`, removed when it goes out of scope unless it was renamed.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QByteArray &target);
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile();

    // Whether it was made; if not, errno says why.
    bool made() const { return exists; }
    int descriptor() const { return fd; }
    const QByteArray &path() const { return name; }

    // Closes it, reporting a failed close as the error of the last write. 0 or the error.
    int close();
    // Renames it over `to`. 0 or the error; on success it is no longer removed.
    int rename_over(const QByteArray &to);

private:
    QByteArray name;
    int fd = -1;
    bool exists = false;
    int slot = -1; // in the list the signal handler removes
};

// Removes the leftover temporary files of `target` in its folder.
void remove_leftovers(const QByteArray &target);

} // namespace posix
#endif
