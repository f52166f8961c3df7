// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/user_file.h"
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"

#include <QString>

#include <optional>

// An operator's Game.ini as both front ends read and merge it: through the one file module,
// decoded from its own encoding.

// The file's text, or why it cannot be read (the system's reason, its size or its encoding).
struct GameIniRead {
    std::optional<DecodedGameIni> file;
    QString reason;
};
GameIniRead read_game_ini(const QString &name);

// Merges the level progression of `choices` into the Game.ini `name` under a lock, writing it
// back in its own encoding and keeping the old file as name.bak. `merge` holds the UTF-8 text
// and the report once the edit got that far.
struct GameIniFileMerge {
    FileEdit edit;
    std::optional<GameIniMerge> merge;
};
GameIniFileMerge merge_into_file(const QString &name, const GameIniChoices &choices);

// The backup merge_into_file keeps beside `name`.
QString backup_name(const QString &name);
