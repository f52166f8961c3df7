// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameini/game_ini_merge.h"

#include "gameini/ini_lines.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <optional>

namespace {

// The level progression the merge writes, split into its blocks (lines without line ends).
struct Blocks {
    bool player_skipped = false;
    bool caps_forced = false;
    std::optional<QByteArray> player_ramp;
    std::optional<QByteArray> creature_ramp;
    std::optional<QByteArray> player_top; // the ramps' last values, as written
    std::optional<QByteArray> creature_top;
    std::vector<QByteArray> engram_lines;
};

// The generator's own text for the choices, read back line by line, so the merge writes
// exactly what -o writes.
Blocks blocks_for(const GameIniChoices &choices)
{
    GameIniChoices level_only = choices;
    level_only.section_header = false;
    level_only.custom_code_enabled = false;
    level_only.max_xp_overrides = true;
    const QByteArray text = game_ini_text(level_only).bytes;

    Blocks blocks;
    blocks.player_skipped = choices.player == GameIniChoices::Player::Skip;
    blocks.caps_forced = choices.max_xp_overrides;
    IniLineReader reader(text);
    IniLine line;
    while (reader.next(line)) {
        const std::string_view written = reader.text(line);
        switch (level_key(written)) {
        case LevelKey::Ramp:
            (blocks.player_ramp ? blocks.creature_ramp : blocks.player_ramp) = to_bytes(written);
            break;
        case LevelKey::Engram:
            blocks.engram_lines.push_back(to_bytes(written));
            break;
        case LevelKey::PlayerCap:
            blocks.player_top = to_bytes(setting_value(written));
            break;
        case LevelKey::CreatureCap:
            blocks.creature_top = to_bytes(setting_value(written));
            break;
        case LevelKey::None:
            break;
        }
    }
    return blocks;
}

// A level line of the old file and what becomes of it.
struct Mark {
    // A continuation holds entries of the ramp line before it, which the game never reads.
    enum Role {
        PlayerRamp,
        CreatureRamp,
        PlayerContinuation,
        CreatureContinuation,
        Engram,
        Cap,
        Stray,
        Header
    };
    IniLine line;
    Role role;
    LevelKey key;
    QByteArray section; // of a stray line
};

class Merger
{
public:
    Merger(const QByteArray &text, const Blocks &blocks) : text(text), blocks(blocks) {}

    GameIniMerge merge()
    {
        // A misspelt level section header is corrected only when the file has no level
        // section, else it is some other section; that takes a second look.
        if (const int misspelt = scan(0); misspelt != 0 && !first_section_end) {
            marks.clear();
            last_level_line.reset();
            report = {};
            scan(misspelt);
        }
        QByteArray text = assemble();
        return {std::move(text), report, std::move(edits)};
    }

private:
    // Finds the old level lines, the place for blocks that had none and the line end most
    // lines use. Returns the first header that looks like a misspelt level section header.
    int scan(int misspelt)
    {
        IniLineReader reader(text);
        mark_length = reader.byte_order_mark_length();
        IniLine line;
        enum { None, Level, GameWritten, Other } section = None;
        bool in_first_section = false;
        int ramps = 0;
        int first_misspelt = 0;
        QByteArray section_header;
        int line_ends[3] = {0, 0, 0}; // CR LF, LF, CR
        while (reader.next(line)) {
            if (line.end_length > 0)
                ++line_ends[line.end_length == 2                     ? 0
                            : text[line.start + line.length] == '\n' ? 1
                                                                     : 2];
            const std::string_view written = reader.text(line);
            if (is_section_header(written)) {
                section_header = to_bytes(trimmed(written));
                const SectionKind kind = section_kind(written);
                section = kind == SectionKind::Level || line.number == misspelt ? Level
                          : kind == SectionKind::GameWritten                    ? GameWritten
                                                                                : Other;
                if (section == Other && first_misspelt == 0 &&
                    near_miss(trimmed(written), GameIniNames::kSectionHeader))
                    first_misspelt = line.number;
                in_first_section = section == Level && !first_section_end;
                if (in_first_section)
                    first_section_end = line;
                if (line.number == misspelt) {
                    marks.push_back({line, Mark::Header, LevelKey::None});
                    report.corrected_header_line = misspelt;
                    report.corrected_header = section_header;
                }
                continue;
            }
            const LevelKey key = level_key(written);
            if (continued && section == Level && is_ramp_continuation(written)) {
                last_level_line = line;
                marks.push_back({line, *continued, key});
                continue;
            }
            continued.reset();
            if (section == Level && key != LevelKey::None) {
                last_level_line = line;
                add_level_line(line, key, ramps);
            } else if (key != LevelKey::None && section != GameWritten) {
                marks.push_back({line, Mark::Stray, key, section_header});
            } else if (in_first_section && !trimmed(written).empty()) {
                first_section_end = line;
            }
        }
        static const char *const kEnds[] = {"\r\n", "\n", "\r"};
        const int most = int(std::max_element(line_ends, line_ends + 3) - line_ends);
        line_end = line_ends[most] == 0 ? QByteArray("\r\n") : QByteArray(kEnds[most]);
        return first_misspelt;
    }

    void add_level_line(const IniLine &line, LevelKey key, int &ramps)
    {
        if (key == LevelKey::Engram) {
            marks.push_back({line, Mark::Engram, key});
            return;
        }
        if (key == LevelKey::Ramp && ++ramps <= 2)
            note_old_ramp(ramps == 1 ? report.player_ramp : report.creature_ramp, line);
        if (blocks.player_skipped)
            return; // the file's ramps and caps stay as they are
        if (key == LevelKey::Ramp) {
            // The game reads two ramp lines; a third stays where it is, unless the creature
            // ramp goes (the creature stock): the game would read it for the creatures then.
            if (ramps > 2 && blocks.creature_ramp)
                return;
            marks.push_back({line,
                             ramps == 1   ? Mark::PlayerRamp
                             : ramps == 2 ? Mark::CreatureRamp
                                          : Mark::CreatureContinuation,
                             key});
            // A ramp that does not close on its own line may go on over the lines after it.
            if (is_open_ramp(line_text(line)))
                continued = ramps == 1 ? Mark::PlayerContinuation : Mark::CreatureContinuation;
        } else {
            marks.push_back({line, Mark::Cap, key});
        }
    }

    void note_old_ramp(GameIniMergeReport::Block &block, const IniLine &line)
    {
        block.first_line = line.number;
        block.old_lines = 1;
        const auto values = ramp_values(line_text(line));
        block.old_readable = values.has_value();
        block.old_values = values.value_or(std::vector<double>());
    }

    // The new blocks' sizes, and whether a block that had no old lines is added.
    void note_new_blocks()
    {
        const auto note_ramp = [this](GameIniMergeReport::Block &block,
                                      const std::optional<QByteArray> &ramp) {
            if (blocks.player_skipped) {
                block.new_lines = block.old_lines;
                return;
            }
            block.new_lines = ramp ? 1 : 0;
            const auto values =
                ramp ? ramp_values(std::string_view(ramp->constData(), size_t(ramp->size())))
                     : std::nullopt;
            block.new_levels = values ? int(values->size()) + 1 : 0;
            block.changed = block.changed || (block.old_lines == 0 && ramp.has_value());
        };
        note_ramp(report.player_ramp, blocks.player_ramp);
        note_ramp(report.creature_ramp, blocks.creature_ramp);
        GameIniMergeReport::Block &engram = report.engram_points;
        engram.new_lines = int(blocks.engram_lines.size());
        engram.new_levels = engram.new_lines;
        engram.changed = engram.old_lines > 0 ? engram_block_changed : engram.new_lines > 0;
    }

    std::string_view line_text(const IniLine &line) const
    {
        return {text.constData() + line.start, size_t(line.length)};
    }

    QByteArray end_of(const IniLine &line) const
    {
        return line.end_length == 0 ? line_end
                                    : text.mid(line.start + line.length, line.end_length);
    }

    // An edit is open, from the old offset edit_from and the merged offset edit_start, while
    // old lines are skipped or lines are put; copying old bytes closes it.
    void open_edit()
    {
        if (edit_from >= 0)
            return;
        edit_from = copied;
        edit_start = merged.size();
    }

    void close_edit()
    {
        if (edit_from < 0)
            return;
        edits.push_back({edit_from, copied, merged.mid(edit_start)});
        edit_from = -1;
    }

    void copy_until(int offset)
    {
        if (offset <= copied)
            return;
        close_edit();
        merged.append(text.constData() + copied, offset - copied);
        copied = offset;
    }

    void copy_line(const IniLine &line)
    {
        open_edit();
        merged.append(text.constData() + line.start, line.length + line.end_length);
    }

    void skip(const IniLine &line)
    {
        open_edit();
        copied = line.start + line.length + line.end_length;
    }

    void put(const QByteArray &line, const QByteArray &end)
    {
        open_edit();
        merged += line;
        merged += end;
    }

    // The old text's last line, copied without a line end, gains one: the edit begins with
    // that line.
    void end_last_line()
    {
        if (edit_from < 0) {
            const int tail =
                merged.size() - 1 - std::max(merged.lastIndexOf('\n'), merged.lastIndexOf('\r'));
            edit_from = copied - tail;
            edit_start = merged.size() - tail;
        }
        merged += line_end;
    }

    void put_engram_lines(const QByteArray &end)
    {
        for (const QByteArray &line : blocks.engram_lines)
            put(line, end);
    }

    const std::optional<QByteArray> &top_of(LevelKey key) const
    {
        return key == LevelKey::PlayerCap ? blocks.player_top : blocks.creature_top;
    }

    // A cap below the new top, or one the game cannot read, is replaced by the top; with
    // forced caps every cap is the top. Without a new ramp for it (the creature stock), a cap
    // the game cannot read or that allows no level at all goes.
    void put_cap(const Mark &mark)
    {
        const auto &top = top_of(mark.key);
        const std::string_view old_text = setting_value(line_text(mark.line));
        const std::optional<double> old_value = cap_value(old_text);
        if (!top) {
            if (mark.key == LevelKey::CreatureCap &&
                (!old_value || (*old_value > 0 && *old_value < kStockCreatureFirstValue))) {
                report.caps.push_back({GameIniMergeReport::CapChange::Removed, mark.line.number,
                                       to_bytes(setting_key(line_text(mark.line))),
                                       to_bytes(old_text), QByteArray()});
                return;
            }
            copy_line(mark.line);
            return;
        }
        const bool below = !old_value || *old_value < top->toDouble();
        (mark.key == LevelKey::PlayerCap ? player_cap_seen : creature_cap_seen) = true;
        if (!below && (!blocks.caps_forced || to_bytes(old_text) == *top)) {
            copy_line(mark.line);
            return;
        }
        const QByteArray key = to_bytes(setting_key(line_text(mark.line)));
        put(cap_key(mark.key) + '=' + *top, end_of(mark.line));
        report.caps.push_back(
            {below ? GameIniMergeReport::CapChange::Raised : GameIniMergeReport::CapChange::Set,
             mark.line.number, key, to_bytes(old_text), *top});
    }

    static QByteArray cap_key(LevelKey key)
    {
        return key == LevelKey::PlayerCap ? GameIniNames::kPlayerCapKey
                                          : GameIniNames::kCreatureCapKey;
    }

    // The blocks that had no old lines, in the generator's order.
    void put_missing_blocks()
    {
        const auto put_added = [this](const QByteArray &line) {
            put(line, line_end);
            ++report.added_lines;
        };
        if (!blocks.player_skipped) {
            if (!player_ramp_replaced && blocks.player_ramp)
                put_added(*blocks.player_ramp);
            if (!creature_ramp_replaced && blocks.creature_ramp)
                put_added(*blocks.creature_ramp);
        }
        if (blocks.caps_forced) {
            for (const LevelKey key : {LevelKey::PlayerCap, LevelKey::CreatureCap}) {
                const bool seen = key == LevelKey::PlayerCap ? player_cap_seen : creature_cap_seen;
                if (seen || !top_of(key))
                    continue;
                put_added(cap_key(key) + '=' + *top_of(key));
                report.caps.push_back({GameIniMergeReport::CapChange::Added, 0, cap_key(key),
                                       QByteArray(), *top_of(key)});
            }
        }
        if (!engram_lines_replaced) {
            for (const QByteArray &line : blocks.engram_lines)
                put_added(line);
        }
    }

    // Puts the new ramp in place of an old one; whether that changes the line.
    bool put_ramp(const std::optional<QByteArray> &ramp, const IniLine &line)
    {
        if (ramp)
            put(*ramp, end_of(line));
        return !ramp || *ramp != to_bytes(line_text(line));
    }

    // Whether the old engram lines differ from the block that takes their place: in number,
    // text, line ends, or by standing apart.
    bool engram_lines_differ() const
    {
        std::vector<const IniLine *> old;
        for (const Mark &mark : marks) {
            if (mark.role == Mark::Engram)
                old.push_back(&mark.line);
        }
        if (old.size() != blocks.engram_lines.size())
            return true;
        for (std::size_t k = 0; k < old.size(); ++k) {
            const IniLine &line = *old[k];
            if (to_bytes(line_text(line)) != blocks.engram_lines[k] || line.end_length == 0 ||
                end_of(line) != end_of(*old.front()) ||
                (k > 0 &&
                 line.start != old[k - 1]->start + old[k - 1]->length + old[k - 1]->end_length))
                return true;
        }
        return false;
    }

    QByteArray assemble()
    {
        merged.reserve(text.size() + 1024);
        engram_block_changed = engram_lines_differ();
        // The missing blocks go after the section's last level line, else after its last
        // setting, else into a new section at the end.
        const std::optional<IniLine> anchor = last_level_line ? last_level_line : first_section_end;
        const int anchor_offset =
            anchor ? anchor->start + anchor->length + anchor->end_length : text.size();
        bool missing_put = false;
        const auto put_missing_at_anchor = [&] {
            copy_until(anchor_offset);
            if (!merged.isEmpty() && !merged.endsWith('\n') && !merged.endsWith('\r'))
                end_last_line();
            if (!anchor)
                put(GameIniNames::kSectionHeader, line_end);
            put_missing_blocks();
            missing_put = true;
        };
        copy_until(mark_length);
        for (const Mark &mark : marks) {
            if (!missing_put && anchor_offset <= mark.line.start)
                put_missing_at_anchor();
            copy_until(mark.line.start);
            skip(mark.line);
            switch (mark.role) {
            case Mark::PlayerRamp:
                report.player_ramp.changed |= put_ramp(blocks.player_ramp, mark.line);
                player_ramp_replaced = true;
                break;
            case Mark::CreatureRamp:
                report.creature_ramp.changed |= put_ramp(blocks.creature_ramp, mark.line);
                creature_ramp_replaced = true;
                break;
            case Mark::PlayerContinuation:
                ++report.player_ramp.old_lines;
                report.player_ramp.changed = true;
                break;
            case Mark::CreatureContinuation:
                // A third ramp line the game would read for the creatures is one of theirs.
                if (report.creature_ramp.old_lines++ == 0)
                    report.creature_ramp.first_line = mark.line.number;
                report.creature_ramp.changed = true;
                break;
            case Mark::Engram:
                note_old_engram_line(mark.line);
                if (!engram_lines_replaced)
                    put_engram_lines(end_of(mark.line));
                engram_lines_replaced = true;
                break;
            case Mark::Cap:
                put_cap(mark);
                break;
            case Mark::Stray:
                report.removed_lines.push_back(
                    {mark.line.number, to_bytes(line_text(mark.line)), mark.section});
                break;
            case Mark::Header:
                put(GameIniNames::kSectionHeader, end_of(mark.line));
                break;
            }
        }
        if (!missing_put)
            put_missing_at_anchor();
        copy_until(text.size());
        close_edit();
        note_new_blocks();
        return merged;
    }

    void note_old_engram_line(const IniLine &line)
    {
        GameIniMergeReport::Block &engram = report.engram_points;
        if (engram.old_lines++ == 0)
            engram.first_line = line.number;
        engram.old_values.push_back(cap_value(setting_value(line_text(line))).value_or(0));
    }

    const QByteArray &text;
    const Blocks &blocks;
    QByteArray line_end;
    int mark_length = 0;
    std::vector<Mark> marks;
    std::optional<IniLine> last_level_line;
    std::optional<IniLine> first_section_end;

    std::optional<Mark::Role> continued; // while the lines after a ramp may continue it

    QByteArray merged;
    int copied = 0;
    int edit_from = -1;
    int edit_start = 0;
    std::vector<LineEdit> edits;
    bool player_ramp_replaced = false;
    bool creature_ramp_replaced = false;
    bool engram_lines_replaced = false;
    bool engram_block_changed = true;
    bool player_cap_seen = false;
    bool creature_cap_seen = false;
    GameIniMergeReport report;
};

} // namespace

GameIniMerge merge_level_progression(const QByteArray &text, const GameIniChoices &choices)
{
    const Blocks blocks = blocks_for(choices);
    return Merger(text, blocks).merge();
}

bool GameIniMergeReport::changes_nothing() const
{
    return !player_ramp.changed && !creature_ramp.changed && !engram_points.changed &&
           caps.empty() && removed_lines.empty() && corrected_header_line == 0;
}
