// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/user_file.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#else
#include <QLockFile>
#include <QSaveFile>
#include <cstdio>
#endif

namespace {

QString too_large(qint64 max_bytes)
{
    return QStringLiteral("the file is larger than %1 MiB, more than a Game.ini ever holds")
        .arg(max_bytes / (1024 * 1024));
}

const QString kChanged = QStringLiteral("the file changed while it was read");

BytesOrReason failure(const QString &reason)
{
    return {std::nullopt, reason};
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

QString system_reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why a file of this kind is neither read nor replaced; nothing for a regular file.
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

// A file descriptor that is closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor() { close(); }

    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
    int release() { return std::exchange(fd, -1); }
    // Closes now; a failed close can be the first report of a failed write.
    bool close() { return fd < 0 || ::close(std::exchange(fd, -1)) == 0; }

private:
    int fd;
};

QByteArray folder_of(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a name stands for: the name itself, or the file a symbolic link leads to.
std::optional<QByteArray> resolved(const QByteArray &path, QString &reason)
{
    struct stat link;
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char *real = ::realpath(path.constData(), nullptr);
    if (!real) {
        reason = system_reason(errno);
        return std::nullopt;
    }
    const QByteArray target(real);
    std::free(real);
    return target;
}

// Returns 0 or the error that stopped the writing.
int write_all(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put < 0 ? errno : EIO;
        done += put;
    }
    return 0;
}

// The whole of an open file, which must be regular and no larger than `max_bytes`.
BytesOrReason read_open_file(int fd, qint64 max_bytes)
{
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return failure(system_reason(errno));
    if (const auto refusal = not_regular(status.st_mode))
        return failure(*refusal);
    if (status.st_size > max_bytes)
        return failure(too_large(max_bytes));
    // One byte more than the size tells a file that grew from one read whole.
    QByteArray bytes(int(status.st_size) + 1, Qt::Uninitialized);
    int done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(system_reason(errno));
        if (got == 0)
            break;
        done += int(got);
    }
    if (done != status.st_size)
        return failure(kChanged);
    bytes.truncate(done);
    return {bytes, {}};
}

// Gives the new file the old one's owner, group and mode, or a new file's mode.
bool keep_owner_and_mode(int fd, const struct stat *old)
{
    if (!old) {
        // The umask can only be read by setting it; it is put back at once.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0666 & ~mask) == 0;
    }
    // Only root may give a file to another owner; anyone else keeps the group when they belong
    // to it, as an editor saving the file in place would.
    const bool root = ::geteuid() == 0;
    if (::fchown(fd, root ? old->st_uid : uid_t(-1), old->st_gid) != 0 && root)
        return false;
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

// A rename lasts through a power cut only once its folder is synced. Some file systems cannot
// sync a folder; the new file is whole and in place either way, so that is not a failure.
void sync_folder(const QByteArray &path)
{
    Descriptor folder(::open(folder_of(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
}

// Writes `bytes` to a temporary file beside `target`, syncs it and renames it over `target`
// (a link there is replaced, not followed). `old` is the stat whose owner, group and mode the
// file gets, or null for a new file.
std::optional<QString> replace_file(const QByteArray &target, const QByteArray &bytes,
                                    const struct stat *old)
{
    QByteArray temporary = target + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.valid())
        return system_reason(errno);
    int error = write_all(file.get(), bytes);
    if (!error && !(keep_owner_and_mode(file.get(), old) && ::fsync(file.get()) == 0 &&
                    file.close() && ::rename(temporary.constData(), target.constData()) == 0))
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return system_reason(error);
    }
    sync_folder(target);
    return std::nullopt;
}

// Opens a regular file and takes an exclusive advisory lock on it. An edit that held the lock
// before may have renamed a new file over the name meanwhile: then the lock is on the old file,
// and the name is opened again.
int open_locked(const QByteArray &path, QString &reason)
{
    for (;;) {
        struct stat named;
        if (::stat(path.constData(), &named) != 0) {
            reason = system_reason(errno);
            return -1;
        }
        if (const auto refusal = not_regular(named.st_mode)) {
            reason = *refusal;
            return -1;
        }
        Descriptor file(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        int locked = -1;
        while (file.valid() && (locked = ::flock(file.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat held;
        if (!file.valid() || locked != 0 || ::fstat(file.get(), &held) != 0) {
            reason = system_reason(errno);
            return -1;
        }
        if (::stat(path.constData(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino)
            return file.release();
    }
}

// Why an existing file cannot be replaced: it, or the folder the new file is made in, is not
// writable.
std::optional<QString> not_writable(const QByteArray &path)
{
    if (::access(path.constData(), W_OK) != 0 ||
        ::access(folder_of(path).constData(), W_OK | X_OK) != 0)
        return system_reason(errno);
    return std::nullopt;
}

} // namespace

BytesOrReason read_user_file(const QString &name, qint64 max_bytes)
{
    const QByteArray path = QFile::encodeName(name);
    // Refused before opening: opening a FIFO waits for a writer, and opening a device may act.
    struct stat status;
    if (::stat(path.constData(), &status) != 0)
        return failure(system_reason(errno));
    if (const auto refusal = not_regular(status.st_mode))
        return failure(*refusal);
    Descriptor file(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid())
        return failure(system_reason(errno));
    return read_open_file(file.get(), max_bytes);
}

std::optional<QString> write_user_file(const QString &name, const QByteArray &bytes)
{
    QString reason;
    const auto target = resolved(QFile::encodeName(name), reason);
    if (!target)
        return reason;
    struct stat old;
    if (::stat(target->constData(), &old) != 0) {
        if (errno != ENOENT)
            return system_reason(errno);
        return replace_file(*target, bytes, nullptr);
    }
    if (const auto refusal = not_regular(old.st_mode))
        return refusal;
    if (const auto refusal = not_writable(*target))
        return refusal;
    return replace_file(*target, bytes, &old);
}

std::optional<QString> write_standard_output(const QByteArray &bytes)
{
    if (const int error = write_all(STDOUT_FILENO, bytes))
        return system_reason(error);
    // Redirected to a file, the text is on disk before success is reported; pipes and
    // terminals have nothing to sync.
    struct stat status;
    if (::fstat(STDOUT_FILENO, &status) == 0 && S_ISREG(status.st_mode) &&
        ::fsync(STDOUT_FILENO) != 0)
        return system_reason(errno);
    return std::nullopt;
}

FileEdit edit_user_file(const QString &name, qint64 max_bytes, const Editor &edit,
                        const QString &backup_suffix)
{
    const QByteArray path = QFile::encodeName(name);
    QString reason;
    const Descriptor file(open_locked(path, reason));
    if (!file.valid())
        return {FileEdit::NotRead, name, reason};
    const BytesOrReason old = read_open_file(file.get(), max_bytes);
    if (!old.bytes)
        return {FileEdit::NotRead, name, old.reason};
    const BytesOrReason edited = edit(*old.bytes);
    if (!edited.bytes)
        return {FileEdit::Refused, name, edited.reason};

    struct stat old_status;
    const auto target = resolved(path, reason);
    if (!target || ::fstat(file.get(), &old_status) != 0)
        return {FileEdit::NotWritten, name, target ? system_reason(errno) : reason};
    if (const auto refusal = not_writable(*target))
        return {FileEdit::NotWritten, name, *refusal};

    const QString backup_name = name + backup_suffix;
    const QByteArray backup = QFile::encodeName(backup_name);
    struct stat at_backup;
    if (::lstat(backup.constData(), &at_backup) == 0 && !S_ISLNK(at_backup.st_mode)) {
        if (const auto refusal = not_regular(at_backup.st_mode))
            return {FileEdit::NotWritten, backup_name, *refusal};
    }
    if (const auto failed = replace_file(backup, *old.bytes, &old_status))
        return {FileEdit::NotWritten, backup_name, *failed};
    if (const auto failed = replace_file(*target, *edited.bytes, &old_status))
        return {FileEdit::NotWritten, name, *failed};
    return {FileEdit::Done, name, {}};
}

#else // Without POSIX: Qt's save file, written unbuffered so that a failed write is seen.

namespace {

std::optional<QString> not_regular(const QString &name)
{
    const QFileInfo info(name);
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");
    return std::nullopt;
}

} // namespace

BytesOrReason read_user_file(const QString &name, qint64 max_bytes)
{
    if (const auto refusal = not_regular(name))
        return failure(*refusal);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    if (file.size() > max_bytes)
        return failure(too_large(max_bytes));
    const QByteArray bytes = file.read(max_bytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    if (bytes.size() != file.size())
        return failure(kChanged);
    return {bytes, {}};
}

std::optional<QString> write_user_file(const QString &name, const QByteArray &bytes)
{
    if (const auto refusal = not_regular(name))
        return refusal;
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return file.errorString();
}

std::optional<QString> write_standard_output(const QByteArray &bytes)
{
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
        return std::nullopt;
    return out.errorString();
}

FileEdit edit_user_file(const QString &name, qint64 max_bytes, const Editor &edit,
                        const QString &backup_suffix)
{
    QLockFile lock(name + QStringLiteral(".lock"));
    if (!lock.lock())
        return {FileEdit::NotRead, name, QStringLiteral("cannot take its lock file")};
    const BytesOrReason old = read_user_file(name, max_bytes);
    if (!old.bytes)
        return {FileEdit::NotRead, name, old.reason};
    const BytesOrReason edited = edit(*old.bytes);
    if (!edited.bytes)
        return {FileEdit::Refused, name, edited.reason};
    if (!QFileInfo(name).isWritable())
        return {FileEdit::NotWritten, name, QStringLiteral("it is read-only")};
    const QString backup_name = name + backup_suffix;
    if (QFileInfo(backup_name).isSymLink())
        QFile::remove(backup_name); // a link there is replaced, not followed
    if (const auto failed = write_user_file(backup_name, *old.bytes))
        return {FileEdit::NotWritten, backup_name, *failed};
    if (const auto failed = write_user_file(name, *edited.bytes))
        return {FileEdit::NotWritten, name, *failed};
    return {FileEdit::Done, name, {}};
}

#endif
