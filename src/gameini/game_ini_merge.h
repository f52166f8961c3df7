// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameini/unified_diff.h"
#include "output/game_ini_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// What a merge did to an operator's Game.ini, for the operator to read.
struct GameIniMergeReport {
    // New lines of blocks that had no old lines.
    int added_lines = 0;

    // A block as the file had it and as the merge leaves it.
    struct Block {
        int first_line = 0; // of its old lines; 0 for none
        int old_lines = 0;  // continued ramp lines included
        int new_lines = 0;
        // The old ramp's entries, or the old engram points (0 for an unreadable one); none
        // for an unreadable ramp. A ramp of E entries has E + 1 levels.
        std::vector<double> old_values;
        bool old_readable = true;
        int new_levels = 0;
        bool changed = false;

        // Old lines it replaces; none when it leaves them as they were.
        int replaced_lines() const { return changed ? old_lines : 0; }
    };
    Block player_ramp;
    Block creature_ramp;
    Block engram_points;

    struct CapChange {
        // Raised: below the new top or unreadable; Removed: unreadable or allowing no level,
        // with no new ramp to take its place.
        enum Kind { Raised, Set, Added, Removed };
        Kind kind;
        int line; // of the old cap; 0 for an added one
        QByteArray key;
        QByteArray old_value; // empty for an added one
        QByteArray new_value; // empty for a removed one
    };
    std::vector<CapChange> caps;

    // Level lines the game ignores, outside the level section.
    struct RemovedLine {
        int line;
        QByteArray text;
        QByteArray section; // its section's header; empty before the first one
    };
    std::vector<RemovedLine> removed_lines;

    // The line of a misspelt level section header that was corrected; 0 for none.
    int corrected_header_line = 0;
    QByteArray corrected_header; // as the file spelt it

    bool changes_nothing() const;
};

struct GameIniMerge {
    QByteArray text; // UTF-8
    GameIniMergeReport report;
    // What changed, as whole lines of the old text: the text is the old one with these
    // edits applied, and its diff is made from them.
    std::vector<LineEdit> edits;
};

// Puts the level progression of `choices` into a Game.ini's UTF-8 text, keeping every other
// byte. Each block (player ramp, creature ramp, caps, engram lines) takes the place and line
// end of its old lines; a block without old lines follows the section's last level line.
// Without `max_xp_overrides` a cap below the new ramp's last value is raised to it; with it
// the caps are set to the tops. A skipped player ramp keeps the file's ramps and caps.
GameIniMerge merge_level_progression(const QByteArray &text, const GameIniChoices &choices);
