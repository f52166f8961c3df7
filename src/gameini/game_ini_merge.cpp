#include "gameini/game_ini_merge.h"

#include "gameini/ini_lines.h"

#include <optional>

namespace {

bool replaced(LevelKey key, bool replace_caps)
{
    return key == LevelKey::Ramp || key == LevelKey::Engram ||
           (key == LevelKey::Cap && replace_caps);
}

} // namespace

QByteArray merge_level_lines(const QByteArray &file, const QByteArray &level_lines,
                             bool replace_caps)
{
    const std::vector<IniLine> lines = ini_lines(file);
    const QByteArray line_end = line_end_of(lines);
    QByteArray new_lines = level_lines;
    new_lines.replace("\r\n", line_end);

    std::vector<bool> kept(lines.size(), true);
    std::optional<std::size_t> first_removed;
    std::optional<std::size_t> section_end; // after the first level section's last content
    bool in_section = false;
    bool in_first_section = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const QByteArray &text = lines[k].text;
        if (is_section_header(text)) {
            in_section = is_level_section_header(text);
            in_first_section = in_section && !section_end;
            if (in_first_section)
                section_end = k + 1;
            continue;
        }
        if (!in_section)
            continue;
        if (replaced(level_key(text), replace_caps)) {
            kept[k] = false;
            if (!first_removed)
                first_removed = k;
        } else if (in_first_section && !text.trimmed().isEmpty()) {
            section_end = k + 1;
        }
    }

    QByteArray merged;
    merged.reserve(file.size() + new_lines.size() + 64);
    const std::optional<std::size_t> insert_at = first_removed ? first_removed : section_end;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (insert_at == k)
            merged += new_lines;
        if (kept[k])
            merged += lines[k].text + lines[k].line_end;
    }
    if (insert_at && *insert_at < lines.size())
        return merged;

    // At the end of the file: a last line without a line end gets one first.
    if (!merged.isEmpty() && !merged.endsWith('\n'))
        merged += line_end;
    if (!insert_at)
        merged += GameIniNames::kSectionHeader + line_end;
    return merged + new_lines;
}
