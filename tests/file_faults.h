// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real file-system faults for the tests that save files: a full file system, devices, FIFOs,
// files of other owners. The tests run as root; what root alone may do is skipped otherwise.

#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#ifdef QUILLMARK_CLI
#include <QProcess>

struct CliOutcome {
    int status = -1; // -1: it crashed or did not finish
    QByteArray out;
    QByteArray err;
};

// Runs quillmark-cli in `folder`. Arguments are separated by blanks; none needs one inside.
inline CliOutcome run_cli(const QString &arguments, const QString &folder,
                          const QString &standard_output = QString())
{
    QProcess cli;
    cli.setWorkingDirectory(folder);
    if (!standard_output.isEmpty())
        cli.setStandardOutputFile(standard_output);
    cli.start(QStringLiteral(QUILLMARK_CLI), arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}
#endif

// What a file in a test folder is before the program saves over it.
enum class Fixture { Regular, FullDisk, ReadOnlyDisk, Device, Fifo, Folder, NobodysFile, Sparse };
Q_DECLARE_METATYPE(Fixture)

constexpr qint64 kSparseBytes = 2200LL * 1000 * 1000;
const QByteArray kOldText = "[ServerSettings]\r\nPort=7777\r\n"
                            "[/Script/ShooterGame.ShooterGameMode]\r\nKillXPMultiplier=2.0\r\n";

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every name in a folder, hidden ones included, to tell a stray temporary file.
inline QStringList names_in(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

struct FileState {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    off_t size = 0;
    ino_t inode = 0;
    bool operator==(const FileState &o) const
    {
        return mode == o.mode && owner == o.owner && group == o.group && size == o.size;
    }
};

inline FileState state_of(const QString &path)
{
    struct stat status = {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return {status.st_mode, status.st_uid, status.st_gid, status.st_size, status.st_ino};
}

// A folder for one test; with a small tmpfs mounted on it for the full-disk cases.
class TestFolder
{
public:
    ~TestFolder()
    {
        if (mounted)
            ::umount(QFile::encodeName(folder.path()).constData());
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
        case Fixture::FullDisk:
        case Fixture::ReadOnlyDisk: {
            const QByteArray mount_point = QFile::encodeName(folder.path());
            if (::mount("tmpfs", mount_point.constData(), "tmpfs", 0, "size=256k") != 0)
                return QStringLiteral("mounting a tmpfs needs root (CAP_SYS_ADMIN); the "
                                      "full and read-only disk cases are not run");
            mounted = true;
            prepare(Fixture::Regular, name);
            put(file(name + QStringLiteral(".bak")), "an older backup");
            if (fixture == Fixture::FullDisk)
                fill();
            else if (::mount("tmpfs", mount_point.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                             nullptr) != 0)
                return QStringLiteral("remounting read-only");
            return {};
        }
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
    // Takes every free page of the file system.
    void fill()
    {
        QFile filler(file(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
    }

    QTemporaryDir folder;
    bool mounted = false;
};

// Makes `name` in the TestFolder `folder` what `fixture` says, or skips the test where that
// needs root.
#define PREPARE_OR_SKIP(folder, fixture, name)                                                     \
    if (const QString why = (folder).prepare(fixture, name); !why.isEmpty())                       \
    QSKIP(qPrintable(why))
