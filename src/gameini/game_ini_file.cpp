// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_file.h"

#include <variant>

namespace {

const QString kBackupSuffix = QStringLiteral(".bak");

GameIniRead decoded(const QByteArray &bytes)
{
    auto decoded = decode_game_ini(bytes);
    if (const auto *refusal = std::get_if<QString>(&decoded))
        return {std::nullopt, *refusal};
    return {std::get<DecodedGameIni>(std::move(decoded)), {}};
}

} // namespace

GameIniRead read_game_ini(const QString &name)
{
    const BytesOrReason read = read_user_file(name, kGameIniMaxBytes);
    return read.bytes ? decoded(*read.bytes) : GameIniRead{std::nullopt, read.reason};
}

GameIniFileMerge merge_into_file(const QString &name, const GameIniChoices &choices)
{
    GameIniFileMerge result;
    const auto merge = [&](const QByteArray &bytes) -> BytesOrReason {
        const GameIniRead old = decoded(bytes);
        if (!old.file)
            return {std::nullopt, old.reason};
        result.merge = merge_level_progression(old.file->text, choices);
        return {encode_game_ini(result.merge->text, old.file->encoding), {}};
    };
    result.edit = edit_user_file(name, kGameIniMaxBytes, merge, kBackupSuffix);
    return result;
}

QString backup_name(const QString &name)
{
    return name + kBackupSuffix;
}
