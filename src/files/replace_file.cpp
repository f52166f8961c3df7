// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/replace_file.h"

#include "files/commit.h"
#include "files/file_lock.h"
#include "files/file_names.h"
#include "files/posix_io.h"
#include "files/temporary_files.h"

#include <fcntl.h>
#include <limits>
#include <memory>

using namespace posix;

namespace {

Failure<FileProblem> not_written(const QString &file, const QString &reason)
{
    return {{FileProblem::NotWritten, file, reason}};
}

// Why no file can be made in the folder of `target`; nothing when one can.
std::optional<QString> folder_not_writable(const QByteArray &target)
{
    const QByteArray folder = folder_of(target);
    if (::access(folder.constData(), W_OK | X_OK) == 0)
        return std::nullopt;
    return QStringLiteral("its folder %1 is not writable (%2), so neither a temporary file nor a "
                          "backup can be made there")
        .arg(decode_name(folder), system_reason(errno));
}

// A temporary file beside `target` holding `bytes`, synced, with the owner, group, mode and
// attributes of `old` (a new file's mode without one). 0 or the error.
int write_temporary(TemporaryFile &file, const QByteArray &bytes, int old_fd,
                    const struct stat *old)
{
    if (!file.made())
        return errno;
    if (const int error = write_all(file.descriptor(), bytes))
        return error;
    if (const int error = copy_owner_mode_and_attributes(file.descriptor(), old_fd, old))
        return error;
    if (retried([&] { return ::fsync(file.descriptor()); }) != 0)
        return errno;
    return file.close();
}

// Why a rename cannot replace the file, so that it is rewritten in place; nothing when it can.
QString in_place_because(const QByteArray &target, const struct stat &old)
{
    if (old.st_nlink > 1)
        return QStringLiteral("has %1 hard links").arg(old.st_nlink);
    struct stat folder;
    if (::stat(folder_of(target).constData(), &folder) == 0 && folder.st_dev != old.st_dev)
        return QStringLiteral("is a mount point");
    return {};
}

class Committer
{
public:
    Committer(const Commit &commit, const QByteArray &bytes)
        : c(commit), bytes(bytes), backup(backup_name(c.name)), backup_path(encode_name(backup))
    {}

    FileWrite run()
    {
        if (::access(c.target.constData(), W_OK) != 0)
            return not_written(c.name, system_reason(errno));
        if (const auto refusal = folder_not_writable(c.target))
            return not_written(c.name, *refusal);
        written.in_place_because = in_place_because(c.target, c.old);
        if (c.backup_always || !written.in_place_because.isEmpty()) {
            if (const auto failed = write_backup_temporary(); !failed)
                return Failure<FileProblem>{failed.reason()};
        }
        if (written.in_place_because.isEmpty()) {
            TemporaryFile file(c.target);
            if (const int error = write_temporary(file, bytes, c.locked, &c.old))
                return not_written(c.name, system_reason(error));
            const int error = file.rename_over(c.target);
            if (error != EBUSY && error != EXDEV) {
                if (error)
                    return not_written(c.name, system_reason(error));
                return finish_replaced();
            }
            written.in_place_because = QStringLiteral("is a mount point");
            if (!backup_file) {
                if (const auto failed = write_backup_temporary(); !failed)
                    return Failure<FileProblem>{failed.reason()};
            }
        }
        return rewrite_in_place();
    }

private:
    Outcome<void, FileProblem> write_backup_temporary()
    {
        struct stat there;
        if (::lstat(backup_path.constData(), &there) == 0 && !S_ISLNK(there.st_mode)) {
            if (const auto refusal = not_regular(there.st_mode))
                return not_written(backup, *refusal);
        }
        if (!c.old_bytes) {
            auto read = read_open_file(c.locked, std::numeric_limits<int>::max() / 2);
            if (!read)
                return not_written(c.name, read.reason());
            own_old_bytes = std::move(*read);
            c.old_bytes = &own_old_bytes;
        }
        backup_file = std::make_unique<TemporaryFile>(backup_path);
        if (const int error = write_temporary(*backup_file, *c.old_bytes, c.locked, &c.old))
            return not_written(backup, system_reason(error));
        return {};
    }

    // The new file is in place; the backup follows it, then both are made to last.
    FileWrite finish_replaced()
    {
        if (backup_file) {
            if (const int error = backup_file->rename_over(backup_path))
                return not_written(
                    backup,
                    QStringLiteral("%1; %2 holds the new text").arg(system_reason(error), c.name));
            written.backup = backup;
        }
        if (const int error = sync_folder(c.target))
            return not_written(c.name, system_reason(error));
        if (backup_file && folder_of(backup_path) != folder_of(c.target)) {
            if (const int error = sync_folder(backup_path))
                return not_written(backup, system_reason(error));
        }
        return written;
    }

    FileWrite rewrite_in_place()
    {
        written.how = FileWritten::RewrittenInPlace;
        if (const int error = backup_file->rename_over(backup_path))
            return not_written(backup, system_reason(error));
        if (const int error = sync_folder(backup_path))
            return not_written(backup, system_reason(error));
        written.backup = backup;
        Descriptor file(
            retried([&] { return ::open(c.target.constData(), O_WRONLY | O_CLOEXEC); }));
        if (!file.valid())
            return not_written(c.name, system_reason(errno));
        const int error = put_text(file.get(), bytes);
        if (!error) {
            if (!file.close())
                return not_written(c.name, system_reason(errno));
            return written;
        }
        // The file may now hold part of the new text: the old text goes back in its place.
        const int put_back = put_text(file.get(), *c.old_bytes);
        return not_written(
            c.name,
            put_back == 0
                ? QStringLiteral("%1; its old text was written back").arg(system_reason(error))
                : QStringLiteral("%1; writing its old text back failed too (%2), "
                                 "the old text is %3")
                      .arg(system_reason(error), system_reason(put_back), backup));
    }

    // Writes `text` over the whole file and syncs it. 0 or the error.
    static int put_text(int fd, const QByteArray &text)
    {
        if (const int error = write_all_at_start(fd, text))
            return error;
        if (retried([&] { return ::ftruncate(fd, off_t(text.size())); }) != 0)
            return errno;
        return retried([&] { return ::fsync(fd); }) == 0 ? 0 : errno;
    }

    Commit c;
    const QByteArray &bytes;
    const QString backup;
    const QByteArray backup_path;
    QByteArray own_old_bytes;
    std::unique_ptr<TemporaryFile> backup_file;
    FileWritten written;
};

// A file that did not exist: nothing to lock, keep or rewrite.
FileWrite create(const QString &name, const QByteArray &target, const QByteArray &bytes)
{
    if (const auto refusal = folder_not_writable(target))
        return not_written(name, *refusal);
    TemporaryFile file(target);
    int error = write_temporary(file, bytes, -1, nullptr);
    if (!error)
        error = file.rename_over(target);
    if (!error)
        error = sync_folder(target);
    if (error)
        return not_written(name, system_reason(error));
    return FileWritten{};
}

} // namespace

namespace posix {

FileWrite commit(const Commit &commit, const QByteArray &bytes)
{
    return Committer(commit, bytes).run();
}

} // namespace posix

namespace {

FileWrite replace_or_create(const QString &name, const QByteArray &bytes, const LockWait &wait,
                            bool backup_always)
{
    const auto target = resolved(encode_name(name));
    if (!target)
        return not_written(name, target.reason());
    struct stat old;
    if (::stat(target->constData(), &old) != 0) {
        if (errno != ENOENT)
            return not_written(name, system_reason(errno));
        return create(name, *target, bytes);
    }
    if (const auto refusal = not_regular(old.st_mode))
        return not_written(name, *refusal);
    auto locked = lock_file(*target, name, wait);
    if (!locked) {
        FileProblem problem = locked.reason();
        if (problem.kind == FileProblem::NotRead)
            problem.kind = FileProblem::NotWritten;
        return Failure<FileProblem>{problem};
    }
    remove_leftovers(*target);
    remove_leftovers(encode_name(backup_name(name)));
    if (::fstat(locked->get(), &old) != 0)
        return not_written(name, system_reason(errno));
    return commit({name, *target, locked->get(), old, nullptr, backup_always}, bytes);
}

} // namespace

FileWrite write_user_file(const QString &name, const QByteArray &bytes, const LockWait &wait)
{
    return replace_or_create(name, bytes, wait, false);
}

FileWrite write_user_file_keeping_backup(const QString &name, const QByteArray &bytes,
                                         const LockWait &wait)
{
    return replace_or_create(name, bytes, wait, true);
}

Done write_standard_output(const QByteArray &bytes)
{
    if (const int error = write_all(STDOUT_FILENO, bytes))
        return failure(system_reason(error));
    // Redirected to a file, the text is on disk before success is reported; pipes and
    // terminals have nothing to sync.
    struct stat status;
    if (::fstat(STDOUT_FILENO, &status) == 0 && S_ISREG(status.st_mode) &&
        retried([] { return ::fsync(STDOUT_FILENO); }) != 0)
        return failure(system_reason(errno));
    return {};
}
