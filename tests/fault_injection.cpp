// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded into quillmark-cli with LD_PRELOAD, makes one system call fail where a test says, for
// the faults no real file system gives on demand: QUILLMARK_FAULT=FUNCTION:CALL:WHAT makes the
// CALLth call of FUNCTION (fsync, pwrite, rename or write) fail with the error WHAT (EIO,
// EPERM...), or raises the signal WHAT (SIGTERM...) in it before it goes on.

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/types.h>

namespace {

struct Named {
    const char *name;
    int value;
};

const Named kErrors[] = {{"EIO", EIO},       {"EPERM", EPERM}, {"EINTR", EINTR},
                         {"ENOSPC", ENOSPC}, {"EXDEV", EXDEV}, {"EBUSY", EBUSY}};
const Named kSignals[] = {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};

struct Fault {
    char function[16] = {};
    long call = 0;
    int error = 0;
    int signal = 0;
};

template <std::size_t N> int value_of(const Named (&names)[N], const char *name)
{
    for (const Named &named : names) {
        if (std::strcmp(named.name, name) == 0)
            return named.value;
    }
    return 0;
}

Fault parsed()
{
    Fault fault;
    const char *spec = std::getenv("QUILLMARK_FAULT");
    char what[16] = {};
    if (!spec || std::sscanf(spec, "%15[a-z]:%ld:%15s", fault.function, &fault.call, what) != 3)
        return {};
    fault.error = value_of(kErrors, what);
    fault.signal = value_of(kSignals, what);
    if (!fault.error && !fault.signal) {
        // A test that names a fault this library does not know would pass without it.
        std::fprintf(stderr, "fault_injection: unknown fault %s\n", spec);
        std::abort();
    }
    return fault;
}

// Whether this call of `function` is to fail; when it is, errno says why.
bool fails(const char *function, std::atomic<long> &calls)
{
    static const Fault fault = parsed();
    if (std::strcmp(fault.function, function) != 0 || ++calls != fault.call)
        return false;
    if (fault.signal) {
        std::raise(fault.signal);
        return false;
    }
    errno = fault.error;
    return true;
}

template <typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

std::atomic<long> fsyncs, pwrites, renames, writes;

} // namespace

extern "C" {

int fsync(int fd)
{
    static const auto real = next<int (*)(int)>("fsync");
    return fails("fsync", fsyncs) ? -1 : real(fd);
}

ssize_t pwrite(int fd, const void *bytes, size_t count, off_t offset)
{
    static const auto real = next<ssize_t (*)(int, const void *, size_t, off_t)>("pwrite");
    return fails("pwrite", pwrites) ? -1 : real(fd, bytes, count, offset);
}

int rename(const char *from, const char *to)
{
    static const auto real = next<int (*)(const char *, const char *)>("rename");
    return fails("rename", renames) ? -1 : real(from, to);
}

ssize_t write(int fd, const void *bytes, size_t count)
{
    static const auto real = next<ssize_t (*)(int, const void *, size_t)>("write");
    return fails("write", writes) ? -1 : real(fd, bytes, count);
}

} // extern "C"
