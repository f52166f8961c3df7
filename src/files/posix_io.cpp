// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/posix_io.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/xattr.h>
#include <vector>

namespace posix {

QString system_reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<QString> not_regular(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    const char *kind = S_ISDIR(mode)                    ? "a folder"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISFIFO(mode)                 ? "a FIFO"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "something else";
    return QStringLiteral("it is %1, not a regular file").arg(QLatin1String(kind));
}

QByteArray folder_of(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray base_name_of(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

namespace {

template <typename Put> int put_all(const QByteArray &bytes, Put put)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = retried([&] { return put(done); });
        if (wrote <= 0)
            return wrote < 0 ? errno : EIO;
        done += wrote;
    }
    return 0;
}

} // namespace

int write_all(int fd, const QByteArray &bytes)
{
    return put_all(bytes, [&](qint64 done) {
        return ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    });
}

int write_all_at_start(int fd, const QByteArray &bytes)
{
    return put_all(bytes, [&](qint64 done) {
        return ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
    });
}

Outcome<QByteArray> read_open_file(int fd, qint64 max_bytes)
{
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return failure(system_reason(errno));
    if (const auto refusal = not_regular(status.st_mode))
        return failure(*refusal);
    if (status.st_size > max_bytes)
        return failure(
            QStringLiteral("the file is larger than %1 MiB, more than a Game.ini ever holds")
                .arg(max_bytes / (1024 * 1024)));
    // One byte more than the size tells a file that grew from one read whole.
    QByteArray bytes(int(status.st_size) + 1, Qt::Uninitialized);
    int done = 0;
    while (done < bytes.size()) {
        const ssize_t got = retried(
            [&] { return ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), done); });
        if (got < 0)
            return failure(system_reason(errno));
        if (got == 0)
            break;
        done += int(got);
    }
    if (done != status.st_size)
        return failure(QStringLiteral("the file changed while it was read"));
    bytes.truncate(done);
    return bytes;
}

namespace {

// Whether a failure to set an attribute means only that this file system or this caller may
// not have it, which is no reason to keep the old file.
bool not_allowed_here(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP || error == EPERM || error == EACCES ||
           error == EINVAL;
}

// Copies every extended attribute the caller can read (user.*, security.*, the ACLs in
// system.posix_acl_*, and trusted.* as root). Returns 0 or the error.
int copy_attributes(int fd, int old_fd)
{
    ssize_t size = retried([&] { return ::flistxattr(old_fd, nullptr, 0); });
    if (size <= 0)
        return size < 0 && !not_allowed_here(errno) ? errno : 0;
    std::vector<char> names(size_t(size) + 1);
    size = retried([&] { return ::flistxattr(old_fd, names.data(), names.size()); });
    if (size < 0)
        return not_allowed_here(errno) ? 0 : errno;
    for (const char *name = names.data(); name < names.data() + size;
         name += std::strlen(name) + 1) {
        const ssize_t length = retried([&] { return ::fgetxattr(old_fd, name, nullptr, 0); });
        if (length < 0)
            continue; // the attribute went away, or the caller may not read it
        std::vector<char> value(size_t(length) + 1);
        const ssize_t got =
            retried([&] { return ::fgetxattr(old_fd, name, value.data(), value.size()); });
        if (got < 0)
            continue;
        if (retried([&] { return ::fsetxattr(fd, name, value.data(), size_t(got), 0); }) != 0 &&
            !not_allowed_here(errno))
            return errno;
    }
    return 0;
}

} // namespace

int copy_owner_mode_and_attributes(int fd, int old_fd, const struct stat *old)
{
    if (!old) {
        // The umask can only be read by setting it; it is put back at once.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    }
    // Only root may give a file to another owner; anyone else keeps the group when they belong
    // to it, as an editor saving the file in place would.
    const bool root = ::geteuid() == 0;
    if (::fchown(fd, root ? old->st_uid : uid_t(-1), old->st_gid) != 0 && root)
        return errno;
    // After the owner: a change of owner clears the set-id bits. Before the attributes: an
    // access control list sets the group bits from its mask.
    if (::fchmod(fd, old->st_mode & 07777) != 0)
        return errno;
    return old_fd >= 0 ? copy_attributes(fd, old_fd) : 0;
}

int sync_folder(const QByteArray &path)
{
    const Descriptor folder(retried(
        [&] { return ::open(folder_of(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    // A folder that may be written but not listed cannot be opened to sync it.
    if (!folder.valid())
        return errno == EACCES ? 0 : errno;
    if (retried([&] { return ::fsync(folder.get()); }) == 0)
        return 0;
    return errno == EINVAL || errno == ENOTSUP || errno == EROFS ? 0 : errno;
}

} // namespace posix

namespace posix {

Outcome<QByteArray> resolved(const QByteArray &path)
{
    struct stat link;
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char *real = ::realpath(path.constData(), nullptr);
    if (!real)
        return failure(system_reason(errno));
    const QByteArray target(real);
    std::free(real);
    return target;
}

} // namespace posix
