// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_file.h"

#include "files/locked_edit.h"
#include "files/read_file.h"

#include <variant>

namespace {

Outcome<DecodedGameIni> decoded(const QByteArray &bytes)
{
    auto decoded = decode_game_ini(bytes);
    if (const auto *refusal = std::get_if<QString>(&decoded))
        return failure(*refusal);
    return std::get<DecodedGameIni>(std::move(decoded));
}

} // namespace

Outcome<DecodedGameIni> read_game_ini(const QString &name)
{
    const auto read = read_user_file(name, kGameIniMaxBytes);
    if (!read)
        return failure(read.reason());
    return decoded(*read);
}

GameIniFileMerge merge_into_file(const QString &name, const GameIniChoices &choices,
                                 const LockWait &wait)
{
    std::optional<GameIniMerge> merge;
    const auto edit = [&](const QByteArray &bytes) -> Outcome<QByteArray> {
        const auto old = decoded(bytes);
        if (!old)
            return failure(old.reason());
        merge = merge_level_progression(old->text, choices);
        return encode_game_ini(merge->text, old->encoding);
    };
    FileWrite written = edit_user_file(name, kGameIniMaxBytes, edit, wait);
    return {std::move(written), std::move(merge)};
}
