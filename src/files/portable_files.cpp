// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The file module without POSIX: Qt's save file, written unbuffered so that a failed write is
// seen, and a lock file beside the file. What the POSIX files add (owners, extended
// attributes, rewriting a mount point in place, removing temporary files on a signal) is left
// to the system here.

#include "files/file_names.h"
#include "files/locked_edit.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "files/temporary_files.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

#include <cstdio>
#include <limits>

namespace {

std::optional<QString> not_regular(const QString &name)
{
    const QFileInfo info(name);
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");
    return std::nullopt;
}

Failure<FileProblem> problem(FileProblem::Kind kind, const QString &file, const QString &reason)
{
    return {{kind, file, reason}};
}

// The system's reason why the file `name` cannot be made and written, which QLockFile does
// not tell: a missing folder, a full disk.
QString why_not_made(const QString &name)
{
    QFile probe(name);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return probe.errorString();
    const bool written = probe.write("0\n") == 2;
    const QString reason = written ? QStringLiteral("unknown error") : probe.errorString();
    probe.remove();
    return reason;
}

// Takes the lock file beside `name`, waiting as `wait` says.
Outcome<void, FileProblem> take(QLockFile &lock, const QString &name, const LockWait &wait)
{
    QDeadlineTimer told(1000);
    bool waiting = false;
    QDeadlineTimer deadline(wait.seconds < 0 ? QDeadlineTimer::Forever : wait.seconds * 1000LL);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError)
            return problem(FileProblem::NotRead, name,
                           QStringLiteral("its lock file cannot be made (%1)")
                               .arg(why_not_made(name + QStringLiteral(".lock"))));
        if (!waiting && told.hasExpired() && wait.waiting) {
            waiting = true;
            wait.waiting();
        }
        if (deadline.hasExpired())
            return problem(FileProblem::InUse, name,
                           QStringLiteral("it is in use by another program"));
        if (wait.pause ? !wait.pause() : (QThread::msleep(100), false))
            return problem(FileProblem::Cancelled, name,
                           QStringLiteral("stopped waiting for another program to finish with it"));
    }
    return {};
}

// A save file holding `bytes`, written but not yet committed; its error string when not.
std::optional<QString> prepare(QSaveFile &file, const QByteArray &bytes)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size())
        return std::nullopt;
    return file.errorString();
}

// Replaces the file `name`, which holds `old`, by `bytes`, and its backup by `old`.
FileWrite replace_keeping_backup(const QString &name, const QByteArray &old,
                                 const QByteArray &bytes)
{
    if (!QFileInfo(name).isWritable())
        return problem(FileProblem::NotWritten, name, QStringLiteral("it is read-only"));
    const QString backup = backup_name(name);
    if (const auto refusal = not_regular(backup))
        return problem(FileProblem::NotWritten, backup, *refusal);
    if (QFileInfo(backup).isSymLink())
        QFile::remove(backup); // a link there is replaced, not followed
    // Both are written before either replaces anything; the file first, so that a failure
    // leaves the previous backup.
    QSaveFile new_file(name);
    QSaveFile backup_file(backup);
    if (const auto failed = prepare(backup_file, old))
        return problem(FileProblem::NotWritten, backup, *failed);
    if (const auto failed = prepare(new_file, bytes))
        return problem(FileProblem::NotWritten, name, *failed);
    if (!new_file.commit())
        return problem(FileProblem::NotWritten, name, new_file.errorString());
    if (!backup_file.commit())
        return problem(FileProblem::NotWritten, backup, backup_file.errorString());
    return FileWritten{FileWritten::Replaced, {}, backup};
}

FileWrite write_file(const QString &name, const QByteArray &bytes, const LockWait &wait,
                     bool keep_backup)
{
    if (const auto refusal = not_regular(name))
        return problem(FileProblem::NotWritten, name, *refusal);
    QLockFile lock(name + QStringLiteral(".lock"));
    if (auto locked = take(lock, name, wait); !locked) {
        FileProblem problem = locked.reason();
        if (problem.kind == FileProblem::NotRead)
            problem.kind = FileProblem::NotWritten;
        return Failure<FileProblem>{problem};
    }
    if (keep_backup && QFileInfo::exists(name)) {
        const auto old = read_user_file(name, std::numeric_limits<int>::max() / 2);
        if (!old)
            return problem(FileProblem::NotWritten, name, old.reason());
        return replace_keeping_backup(name, *old, bytes);
    }
    QSaveFile file(name);
    if (const auto failed = prepare(file, bytes))
        return problem(FileProblem::NotWritten, name, *failed);
    if (!file.commit())
        return problem(FileProblem::NotWritten, name, file.errorString());
    return FileWritten{};
}

} // namespace

void remove_temporary_files_when_interrupted()
{
    // Qt's save file removes its temporary file itself, unless the program is killed.
}

Outcome<QByteArray> read_user_file(const QString &name, qint64 max_bytes)
{
    if (const auto refusal = not_regular(name))
        return failure(*refusal);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    if (file.size() > max_bytes)
        return failure(
            QStringLiteral("the file is larger than %1 MiB, more than a Game.ini ever holds")
                .arg(max_bytes / (1024 * 1024)));
    const QByteArray bytes = file.read(max_bytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    if (bytes.size() != file.size())
        return failure(QStringLiteral("the file changed while it was read"));
    return bytes;
}

FileWrite write_user_file(const QString &name, const QByteArray &bytes, const LockWait &wait)
{
    return write_file(name, bytes, wait, false);
}

FileWrite write_user_file_keeping_backup(const QString &name, const QByteArray &bytes,
                                         const LockWait &wait)
{
    return write_file(name, bytes, wait, true);
}

Done write_standard_output(const QByteArray &bytes)
{
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
        return {};
    return failure(out.errorString());
}

FileWrite edit_user_file(const QString &name, qint64 max_bytes, const Editor &edit,
                         const LockWait &wait)
{
    QLockFile lock(name + QStringLiteral(".lock"));
    if (const auto locked = take(lock, name, wait); !locked)
        return Failure<FileProblem>{locked.reason()};
    const auto old = read_user_file(name, max_bytes);
    if (!old)
        return problem(FileProblem::NotRead, name, old.reason());
    const auto edited = edit(*old);
    if (!edited)
        return problem(FileProblem::Refused, name, edited.reason());
    if (*edited == *old)
        return FileWritten{FileWritten::Unchanged, {}, {}};
    return replace_keeping_backup(name, *old, *edited);
}
