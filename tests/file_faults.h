// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real file-system faults for the tests that save files: a full file system, devices, FIFOs,
// files of other owners, mount points, hard links. The tests run as root; what root alone may
// do is skipped otherwise.

#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#ifdef QUILLMARK_CLI
#include <QProcess>

struct CliOutcome {
    int status = -1; // 128 + the signal when one ended it, as a shell tells; -1: it never ended
    QByteArray out;
    QByteArray err;
};

inline CliOutcome finished(QProcess &cli)
{
    if (!cli.waitForFinished(60000))
        return {};
    // A process a signal ended has that signal for its exit code.
    const int status =
        cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : 128 + cli.exitCode();
    return {status, cli.readAllStandardOutput(), cli.readAllStandardError()};
}

// Runs the shell `script` in `folder`, with quillmark-cli as its $0 and `arguments` after it:
// for limits the shell sets and for names that are not UTF-8, which only the shell's printf
// passes as they are.
inline CliOutcome run_cli_script(const QString &script, const QString &folder,
                                 const QStringList &arguments = QStringList())
{
    QProcess cli;
    cli.setWorkingDirectory(folder);
    cli.start(QStringLiteral("/bin/sh"),
              QStringList{QStringLiteral("-c"), script, QStringLiteral(QUILLMARK_CLI)} + arguments);
    return finished(cli);
}

// Runs quillmark-cli in `folder`. Arguments are separated by blanks; none needs one inside.
// A `fault` makes it fail on purpose: shell commands such as "ulimit -f 1" run before it, or,
// without a blank, FUNCTION:CALL:WHAT for the fault_injection library (fsync:2:EIO).
inline CliOutcome run_cli(const QString &arguments, const QString &folder,
                          const QString &standard_output = QString(),
                          const QString &fault = QString())
{
    const QStringList split = arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fault.contains(QLatin1Char(' ')))
        return run_cli_script(fault + QStringLiteral("; exec \"$0\" \"$@\""), folder, split);
    QProcess cli;
    cli.setWorkingDirectory(folder);
    if (!standard_output.isEmpty())
        cli.setStandardOutputFile(standard_output);
    if (!fault.isEmpty()) {
#ifdef QUILLMARK_FAULT_INJECTION
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUILLMARK_FAULT_INJECTION));
        environment.insert(QStringLiteral("QUILLMARK_FAULT"), fault);
        // A sanitized program stops when a library is loaded ahead of the sanitizer's.
        const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           sanitizer + QStringLiteral(":verify_asan_link_order=0"));
        cli.setProcessEnvironment(environment);
#else
        return {};
#endif
    }
    cli.start(QStringLiteral(QUILLMARK_CLI), split);
    return finished(cli);
}

// Waits until the running quillmark-cli has said `what` on its standard error, kept in `err`.
inline bool says(QProcess &cli, QByteArray &err, const QByteArray &what)
{
    cli.setReadChannel(QProcess::StandardError);
    while (!err.contains(what) && cli.waitForReadyRead(10000))
        err += cli.readAll();
    return err.contains(what);
}

// Whether the running quillmark-cli has the file `path` open, as it has while it waits for the
// file's lock.
inline bool has_open(const QProcess &cli, const QString &path)
{
    const QString descriptors = QStringLiteral("/proc/%1/fd/").arg(cli.processId());
    const QStringList open =
        QDir(descriptors).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(open.cbegin(), open.cend(), [&](const QString &fd) {
        return QFile::symLinkTarget(descriptors + fd) == path;
    });
}
#endif

// What a file in a test folder is before the program saves over it.
enum class Fixture {
    Regular,
    BackedUp,       // with an older backup beside it
    FullDisk,       // with an older backup, on a full file system
    AlmostFullDisk, // ... with room for the old text's temporary file but not the new text's
    ReadOnlyDisk,
    Device,
    Fifo,
    Folder,
    NobodysFile,
    Sparse,
    Attributed, // with the extended attribute user.quillmark
    HardLinked, // one file with other.ini
    BindMount,  // other.ini mounted on it, as a single file is mounted into a container
};
Q_DECLARE_METATYPE(Fixture)

constexpr qint64 kSparseBytes = 2200LL * 1000 * 1000;
const QByteArray kOldText = "[ServerSettings]\r\nPort=7777\r\n"
                            "[/Script/ShooterGame.ShooterGameMode]\r\nKillXPMultiplier=2.0\r\n";

// A file's bytes at a path of any bytes, UTF-8 or not.
inline QByteArray contents_at(const QByteArray &path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "<missing>";
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? file.readAll()
                                                                            : "<unreadable>";
}

inline bool put_at(const QByteArray &path, const QByteArray &bytes)
{
    QFile file;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray contents(const QString &path)
{
    return contents_at(QFile::encodeName(path));
}

inline bool put(const QString &path, const QByteArray &bytes)
{
    return put_at(QFile::encodeName(path), bytes);
}

// The value of a file's extended attribute user.quillmark.
inline QByteArray attribute_of(const QString &path)
{
    char value[64];
    const ssize_t size =
        ::getxattr(QFile::encodeName(path).constData(), "user.quillmark", value, sizeof value);
    return size < 0 ? QByteArray("<none>") : QByteArray(value, int(size));
}

// The name of a temporary file that a killed write of the file `name` leaves beside it:
// .quillmark-, the file name's 32-bit FNV-1a hash in eight hexadecimal digits, - and six
// random characters.
inline QString leftover_of(const QByteArray &name, const char *random)
{
    quint32 hash = 2166136261u;
    for (const char byte : name)
        hash = (hash ^ quint8(byte)) * 16777619u;
    return QStringLiteral(".quillmark-%1-%2")
        .arg(hash, 8, 16, QLatin1Char('0'))
        .arg(QLatin1String(random));
}

// Another program's lock on a file, the lock this program's writers take, until released.
class HeldLock
{
public:
    explicit HeldLock(const QString &path) : file(path)
    {
        held = file.open(QIODevice::ReadOnly) && ::flock(file.handle(), LOCK_EX) == 0;
    }
    bool is_held() const { return held; }
    void release() { file.close(); }

private:
    QFile file;
    bool held = false;
};

// Every name in a folder, hidden ones included, to tell a stray temporary file; read from the
// system, as QDir leaves out names that are not UTF-8, and sorted as QDir sorts.
inline QStringList names_in(const QString &folder)
{
    QStringList names;
    if (DIR *listing = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << QFile::decodeName(name);
        }
        ::closedir(listing);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

struct FileState {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    off_t size = 0;
    ino_t inode = 0;
    qint64 modified = 0; // in nanoseconds
    bool operator==(const FileState &o) const
    {
        return mode == o.mode && owner == o.owner && group == o.group && size == o.size;
    }
};

inline FileState state_of(const QString &path)
{
    struct stat status = {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return {status.st_mode, status.st_uid,
            status.st_gid,  status.st_size,
            status.st_ino,  qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

// A folder for one test; with a small tmpfs mounted on it for the full-disk cases.
class TestFolder
{
public:
    ~TestFolder()
    {
        for (auto at = mounts.crbegin(); at != mounts.crend(); ++at)
            ::umount(at->constData());
        // QTemporaryDir does not see the files whose names are not UTF-8.
        if (DIR *listing = ::opendir(QFile::encodeName(folder.path()).constData())) {
            while (const dirent *entry = ::readdir(listing))
                ::unlinkat(::dirfd(listing), entry->d_name, 0);
            ::closedir(listing);
        }
    }

    QString path() const { return folder.path(); }
    QString file(const QString &name) const { return folder.filePath(name); }

    // Makes `name` what the fixture says; an empty string when that worked, else why not.
    QString prepare(Fixture fixture, const QString &name)
    {
        const QByteArray path = QFile::encodeName(file(name));
        switch (fixture) {
        case Fixture::Regular:
            return put(file(name), kOldText) ? QString() : QStringLiteral("cannot write");
        case Fixture::BackedUp:
            return put(file(name + QStringLiteral(".bak")), "an older backup")
                       ? prepare(Fixture::Regular, name)
                       : QStringLiteral("cannot write");
        case Fixture::FullDisk:
        case Fixture::AlmostFullDisk:
        case Fixture::ReadOnlyDisk: {
            const QByteArray mount_point = QFile::encodeName(folder.path());
            if (::mount("tmpfs", mount_point.constData(), "tmpfs", 0, "size=256k") != 0)
                return QStringLiteral("mounting a tmpfs needs root (CAP_SYS_ADMIN); the "
                                      "full and read-only disk cases are not run");
            mounts << mount_point;
            prepare(Fixture::BackedUp, name);
            // Two pages left: room for the old text of one page, not for a generated text.
            if (fixture != Fixture::ReadOnlyDisk)
                fill(fixture == Fixture::FullDisk ? 0 : 2 * 4096);
            else if (::mount("tmpfs", mount_point.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                             nullptr) != 0)
                return QStringLiteral("remounting read-only");
            return {};
        }
        case Fixture::Attributed:
            prepare(Fixture::Regular, name);
            return ::setxattr(path.constData(), "user.quillmark", "kept", 4, 0) == 0
                       ? QString()
                       : QStringLiteral("this file system refuses user attributes: %1")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)));
        case Fixture::HardLinked:
            return put(file(QStringLiteral("other.ini")), kOldText) &&
                           ::link(QFile::encodeName(file(QStringLiteral("other.ini"))).constData(),
                                  path.constData()) == 0
                       ? QString()
                       : QStringLiteral("link");
        case Fixture::BindMount:
            if (!put(file(QStringLiteral("other.ini")), kOldText) || !put(file(name), {}))
                return QStringLiteral("cannot write");
            if (::mount(QFile::encodeName(file(QStringLiteral("other.ini"))).constData(),
                        path.constData(), nullptr, MS_BIND, nullptr) != 0)
                return QStringLiteral("a bind mount needs root (CAP_SYS_ADMIN); the mount point "
                                      "cases are not run");
            mounts << path;
            return {};
        case Fixture::Device:
            return ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
                       ? QString()
                       : QStringLiteral("making a device needs root (CAP_MKNOD)");
        case Fixture::Fifo:
            return ::mkfifo(path.constData(), 0644) == 0 ? QString() : QStringLiteral("mkfifo");
        case Fixture::Folder:
            return QDir(folder.path()).mkdir(name) ? QString() : QStringLiteral("mkdir");
        case Fixture::NobodysFile:
            prepare(Fixture::Regular, name);
            return ::chown(path.constData(), 65534, 65534) == 0 &&
                           ::chmod(path.constData(), 0640) == 0
                       ? QString()
                       : QStringLiteral("giving a file to nobody needs root");
        case Fixture::Sparse:
            return put(file(name), {}) && ::truncate(path.constData(), kSparseBytes) == 0
                       ? QString()
                       : QStringLiteral("truncate");
        }
        return QStringLiteral("unknown fixture");
    }

private:
    // Takes every free page of the file system but `left` bytes.
    void fill(qint64 left)
    {
        QFile filler(file(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        filler.resize(filler.size() - left);
    }

    QTemporaryDir folder;
    QList<QByteArray> mounts; // unmounted last first
};

// Makes `name` in the TestFolder `folder` what `fixture` says, or skips the test where that
// needs root.
#define PREPARE_OR_SKIP(folder, fixture, name)                                                     \
    if (const QString why = (folder).prepare(fixture, name); !why.isEmpty())                       \
    QSKIP(qPrintable(why))
