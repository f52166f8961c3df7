// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/temporary_files.h"

#include "files/posix_io.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>

namespace {

// The signal handler's own list of the temporary files to remove: plain arrays, written
// before a slot is marked used, so the handler never reads a half-written name.
constexpr int kSlots = 8;
constexpr int kLongestPath = 4096 + 64;
char slot_paths[kSlots][kLongestPath];
volatile std::sig_atomic_t slot_used[kSlots];

int take_slot(const QByteArray &path)
{
    if (path.size() >= kLongestPath)
        return -1;
    for (int k = 0; k < kSlots; ++k) {
        if (slot_used[k])
            continue;
        std::memcpy(slot_paths[k], path.constData(), size_t(path.size()) + 1);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        slot_used[k] = 1;
        return k;
    }
    return -1;
}

void free_slot(int slot)
{
    if (slot >= 0)
        slot_used[slot] = 0;
}

extern "C" void remove_and_stop(int signal)
{
    for (int k = 0; k < kSlots; ++k) {
        if (slot_used[k])
            ::unlink(slot_paths[k]);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

const char kPrefix[] = ".quillmark-";

// FNV-1a: eight hexadecimal digits that tell one file's temporary files from another's.
QByteArray name_hash(const QByteArray &target)
{
    quint32 hash = 2166136261u;
    for (const char byte : posix::base_name_of(target))
        hash = (hash ^ quint8(byte)) * 16777619u;
    return QByteArray::number(hash, 16).rightJustified(8, '0');
}

QByteArray leftover_prefix(const QByteArray &target)
{
    return kPrefix + name_hash(target) + '-';
}

} // namespace

void remove_temporary_files_when_interrupted()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action = {};
        action.sa_handler = remove_and_stop;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
    std::signal(SIGXFSZ, SIG_IGN);
}

namespace posix {

TemporaryFile::TemporaryFile(const QByteArray &target)
{
    const QByteArray folder = folder_of(target);
    const QByteArray pattern =
        (folder == "/" ? folder : folder + '/') + leftover_prefix(target) + "XXXXXX";
    fd = retried([&] {
        name = pattern;
        return ::mkostemp(name.data(), O_CLOEXEC);
    });
    // A signal before the name is in the handler's list leaves the file for the next write
    // of the target to remove.
    exists = fd >= 0;
    if (exists)
        slot = take_slot(name);
}

TemporaryFile::~TemporaryFile()
{
    if (fd >= 0)
        ::close(fd);
    if (exists)
        ::unlink(name.constData());
    free_slot(slot);
}

int TemporaryFile::close()
{
    return ::close(std::exchange(fd, -1)) == 0 ? 0 : errno;
}

int TemporaryFile::rename_over(const QByteArray &to)
{
    if (retried([&] { return ::rename(name.constData(), to.constData()); }) != 0)
        return errno;
    exists = false;
    free_slot(std::exchange(slot, -1));
    return 0;
}

void remove_leftovers(const QByteArray &target)
{
    const QByteArray folder = folder_of(target);
    DIR *listing = ::opendir(folder.constData());
    if (!listing)
        return;
    const QByteArray prefix = leftover_prefix(target);
    constexpr int kRandomLength = 6;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray entry_name(entry->d_name);
        if (entry_name.size() == prefix.size() + kRandomLength && entry_name.startsWith(prefix))
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}

} // namespace posix
