// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The system calls the file module shares: for its POSIX files only.

#include "outcome/outcome.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <optional>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace posix {

QString system_reason(int error);

// Calls `call` again for as long as a signal interrupts it.
template <typename Call> auto retried(Call call)
{
    for (;;) {
        const auto result = call();
        if (!(result == -1 && errno == EINTR))
            return result;
    }
}

// A file descriptor that is closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    Descriptor(Descriptor &&other) noexcept : fd(other.release()) {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        close();
        fd = other.release();
        return *this;
    }
    ~Descriptor() { close(); }

    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
    int release() { return std::exchange(fd, -1); }
    // Closes now; a failed close can be the first report of a failed write. Not retried: on
    // Linux the descriptor is gone whatever close returns.
    bool close() { return fd < 0 || ::close(std::exchange(fd, -1)) == 0; }

private:
    int fd;
};

// Why a file of this kind is neither read nor written; nothing for a regular file.
std::optional<QString> not_regular(mode_t mode);

QByteArray folder_of(const QByteArray &path);
QByteArray base_name_of(const QByteArray &path);

// 0, or the error that stopped the writing.
int write_all(int fd, const QByteArray &bytes);
int write_all_at_start(int fd, const QByteArray &bytes);

// The whole of an open file, which must be regular and no larger than `max_bytes`.
Outcome<QByteArray> read_open_file(int fd, qint64 max_bytes);

// Gives a new file the owner, group, mode and extended attributes of the old one (`old_fd`,
// `old`), or a new file's mode when there is none. Returns 0 or the error.
int copy_owner_mode_and_attributes(int fd, int old_fd, const struct stat *old);

// Syncs the folder that holds `path`, so a rename in it lasts through a power cut. Returns 0,
// or the error; a file system that cannot sync folders is not an error.
int sync_folder(const QByteArray &path);

} // namespace posix

namespace posix {

// The file a name stands for: the name itself, or the file a symbolic link leads to.
Outcome<QByteArray> resolved(const QByteArray &path);

} // namespace posix
