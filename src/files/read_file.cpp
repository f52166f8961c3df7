// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/read_file.h"

#include "files/file_names.h"
#include "files/posix_io.h"

#include <fcntl.h>

using namespace posix;

Outcome<QByteArray> read_user_file(const QString &name, qint64 max_bytes)
{
    const QByteArray path = encode_name(name);
    // Refused before opening: opening a FIFO waits for a writer, and opening a device may act.
    struct stat status;
    if (::stat(path.constData(), &status) != 0)
        return failure(system_reason(errno));
    if (const auto refusal = not_regular(status.st_mode))
        return failure(*refusal);
    const Descriptor file(
        retried([&] { return ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }));
    if (!file.valid())
        return failure(system_reason(errno));
    return read_open_file(file.get(), max_bytes);
}
