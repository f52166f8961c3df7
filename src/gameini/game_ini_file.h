// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/file_outcomes.h"
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"

#include <QString>

// An operator's Game.ini as both front ends read and merge it: through the one file module,
// decoded from its own encoding.

// The file's text, or why it cannot be read (the system's reason, its size or its encoding).
Outcome<DecodedGameIni> read_game_ini(const QString &name);

// Merges the level progression of `choices` into the Game.ini `name` under its lock, writing
// it back in its own encoding and keeping the old file as its backup; a merge that changes
// nothing writes nothing. Gives how the file was written and the merge's UTF-8 text and
// report, or why it was not.
struct MergedGameIni {
    FileWritten written;
    GameIniMerge merge;
};
Outcome<MergedGameIni, FileProblem>
merge_into_file(const QString &name, const GameIniChoices &choices, const LockWait &wait = {});

// What `merge` changes in the file read from `name`, as quillmark-cli --diff prints it: a
// UTF-16 file's text is shown as UTF-8, with a note saying so.
QByteArray merge_diff(const QString &name, const DecodedGameIni &file, const GameIniMerge &merge);
