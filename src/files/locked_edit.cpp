// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/locked_edit.h"

#include "files/commit.h"
#include "files/file_lock.h"
#include "files/file_names.h"
#include "files/temporary_files.h"

using namespace posix;

FileWrite edit_user_file(const QString &name, qint64 max_bytes, const Editor &edit,
                         const LockWait &wait)
{
    const QByteArray path = encode_name(name);
    const auto locked = lock_file(path, name, wait);
    if (!locked)
        return Failure<FileProblem>{locked.reason()};
    const auto target = resolved(path);
    if (!target)
        return Failure<FileProblem>{{FileProblem::NotRead, name, target.reason()}};
    remove_leftovers(*target);
    remove_leftovers(encode_name(backup_name(name)));

    const auto old = read_open_file(locked->get(), max_bytes);
    if (!old)
        return Failure<FileProblem>{{FileProblem::NotRead, name, old.reason()}};
    const auto edited = edit(*old);
    if (!edited)
        return Failure<FileProblem>{{FileProblem::Refused, name, edited.reason()}};
    if (*edited == *old)
        return FileWritten{FileWritten::Unchanged, {}, {}};

    struct stat status;
    if (::fstat(locked->get(), &status) != 0)
        return Failure<FileProblem>{{FileProblem::NotWritten, name, system_reason(errno)}};
    return commit({name, *target, locked->get(), status, &*old, true}, *edited);
}
