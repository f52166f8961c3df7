// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_lock.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace posix {

namespace {

using Clock = std::chrono::steady_clock;

Failure<FileProblem> not_read(const QString &name, const QString &reason)
{
    return {{FileProblem::NotRead, name, reason}};
}

Descriptor open_for_lock(const QByteArray &path)
{
    // Non-blocking: the file was a regular one a moment ago, but may have been swapped for a
    // FIFO, whose opening would wait for a writer.
    Descriptor file(
        retried([&] { return ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }));
    if (!file.valid() && errno == EACCES) // a file that may be written but not read
        file = Descriptor(
            retried([&] { return ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK); }));
    return file;
}

} // namespace

Outcome<Descriptor, FileProblem> lock_file(const QByteArray &path, const QString &name,
                                           const LockWait &wait)
{
    const Clock::time_point start = Clock::now();
    bool told = false;
    for (;;) {
        struct stat named;
        if (::stat(path.constData(), &named) != 0)
            return not_read(name, system_reason(errno));
        if (const auto refusal = not_regular(named.st_mode))
            return not_read(name, *refusal);
        Descriptor file = open_for_lock(path);
        if (!file.valid())
            return not_read(name, system_reason(errno));
        while (retried([&] { return ::flock(file.get(), LOCK_EX | LOCK_NB); }) != 0) {
            if (errno != EWOULDBLOCK)
                return not_read(name, system_reason(errno));
            const auto waited = Clock::now() - start;
            if (!told && waited >= std::chrono::seconds(1) && wait.waiting) {
                told = true;
                wait.waiting();
            }
            if (wait.seconds >= 0 && waited >= std::chrono::seconds(wait.seconds))
                return Failure<FileProblem>{
                    {FileProblem::InUse, name,
                     wait.seconds == 0
                         ? QStringLiteral("it is in use by another program")
                         : QStringLiteral("it is in use by another program; gave up after %1 s")
                               .arg(wait.seconds)}};
            if (wait.pause) {
                if (!wait.pause())
                    return Failure<FileProblem>{
                        {FileProblem::Cancelled, name,
                         QStringLiteral("stopped waiting for another program to finish with it")}};
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
        struct stat held;
        if (::fstat(file.get(), &held) != 0)
            return not_read(name, system_reason(errno));
        if (::stat(path.constData(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino)
            return file;
    }
}

} // namespace posix
