// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/lines_lost.h"

#include "gameini/ini_lines.h"

namespace {

bool is_comment(std::string_view line)
{
    const std::string_view text = trimmed(line);
    return !text.empty() && (text.front() == ';' || text.front() == '#');
}

} // namespace

LinesLost lines_lost_by_replacing(const QByteArray &text)
{
    LinesLost lost;
    IniLineReader reader(text);
    IniLine line;
    QString section;
    bool in_level_section = false;
    while (reader.next(line)) {
        const std::string_view written = reader.text(line);
        if (is_section_header(written)) {
            section = QString::fromUtf8(to_bytes(trimmed(written)));
            in_level_section = section_kind(written) == SectionKind::Level;
            continue;
        }
        if (trimmed(written).empty() || is_comment(written))
            continue;
        // Level keys elsewhere are lines the game never reads as ours: they go too.
        if (in_level_section &&
            (level_key(written) != LevelKey::None || is_ramp_continuation(written)))
            continue;
        ++lost.lines;
        if (!lost.sections.contains(section))
            lost.sections << section;
    }
    return lost;
}
