// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_file.h"

#include "files/locked_edit.h"
#include "files/read_file.h"

#include <optional>

Outcome<DecodedGameIni> read_game_ini(const QString &name)
{
    const auto read = read_user_file(name, kGameIniMaxBytes);
    if (!read)
        return failure(read.reason());
    return decode_game_ini(*read);
}

Outcome<MergedGameIni, FileProblem>
merge_into_file(const QString &name, const GameIniChoices &choices, const LockWait &wait)
{
    std::optional<GameIniMerge> merge;
    const auto edit = [&](const QByteArray &bytes) -> Outcome<QByteArray> {
        const auto old = decode_game_ini(bytes);
        if (!old)
            return failure(old.reason());
        merge = merge_level_progression(old->text, choices);
        return encode_game_ini(merge->text, old->encoding);
    };
    const FileWrite written = edit_user_file(name, kGameIniMaxBytes, edit, wait);
    if (!written)
        return Failure<FileProblem>{written.reason()};
    return MergedGameIni{*written, std::move(*merge)};
}

QByteArray merge_diff(const QString &name, const DecodedGameIni &file, const GameIniMerge &merge)
{
    const QString note =
        file.encoding == GameIniEncoding::Utf8
            ? QString()
            : QStringLiteral("%1 is UTF-16 %2; its text is shown here as UTF-8")
                  .arg(name, file.encoding == GameIniEncoding::Utf16LE ? QStringLiteral("LE")
                                                                       : QStringLiteral("BE"));
    return unified_diff(file.text, merge.edits, name, note);
}
