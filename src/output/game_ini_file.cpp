// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/game_ini_file.h"

#include "output/game_ini_merge.h"

std::optional<QString> game_ini_refusal(const QByteArray &file)
{
    if (file.startsWith("\xFF\xFE") || file.startsWith("\xFE\xFF"))
        return QStringLiteral("it is UTF-16 text; only ASCII or UTF-8 is read");
    return std::nullopt;
}

BytesOrReason read_game_ini(const QString &name)
{
    BytesOrReason read = read_user_file(name, kGameIniMaxBytes);
    if (read.bytes) {
        if (const auto refusal = game_ini_refusal(*read.bytes))
            return {std::nullopt, *refusal};
    }
    return read;
}

FileEdit merge_into_file(const QString &name, const QByteArray &level_lines, bool replace_caps)
{
    const auto merge = [&](const QByteArray &file) -> BytesOrReason {
        if (const auto refusal = game_ini_refusal(file))
            return {std::nullopt, *refusal};
        return {merge_level_lines(file, level_lines, replace_caps), {}};
    };
    return edit_user_file(name, kGameIniMaxBytes, merge, QStringLiteral(".bak"));
}
