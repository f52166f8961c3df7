// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// What replacing an existing Game.ini by the generated text loses: every line that is not
// level progression, so that the operator is told before choosing to replace it.
struct LinesLost {
    int lines = 0;
    // The sections that hold them, each once, in the file's order, as their headers are
    // written; an empty name for lines before the first header.
    QStringList sections;
};

// Level progression is the ramp, engram and cap lines of the level section (and the rest of
// a ramp spread over several lines); section headers, comments and blank lines lose nothing.
// `text` is UTF-8, as read_game_ini gives it.
LinesLost lines_lost_by_replacing(const QByteArray &text);
