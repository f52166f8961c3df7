// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_names.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

// One line of a Game.ini as offsets into the text, so that a file of any number of lines
// is read without a copy of each.
struct IniLine {
    int number = 0;     // 1-based
    int start = 0;      // of the text, after a UTF-8 byte-order mark on the first line
    int length = 0;     // without the line end
    int end_length = 0; // "\r\n", "\n", "\r", or none on a last line without one
};

// Walks the lines of a text; LF, CR LF and a lone CR each end a line.
class IniLineReader
{
public:
    explicit IniLineReader(const QByteArray &text);

    bool next(IniLine &line);
    std::string_view text(const IniLine &line) const
    {
        return {data + line.start, size_t(line.length)};
    }
    // The length of a UTF-8 byte-order mark at the start, 0 or 3.
    int byte_order_mark_length() const { return mark; }

private:
    const char *data;
    int size;
    int mark;
    int at;
    int number = 0;
};

std::string_view trimmed(std::string_view text);
bool same_name(std::string_view a, std::string_view b);

bool is_section_header(std::string_view line);
enum class SectionKind { Level, GameWritten, Other };
SectionKind section_kind(std::string_view header);

// A setting line: `key=value`, not a comment.
bool is_setting(std::string_view line);
// The key of a setting without blanks and without the `+`, `-` or `.` the engine puts before
// array keys; empty for a line that is no setting.
std::string_view setting_key(std::string_view line);
std::string_view setting_value(std::string_view line);

// The lines that make up the level progression, by their key.
enum class LevelKey { None, Ramp, Engram, PlayerCap, CreatureCap };
LevelKey level_key(std::string_view line);

// How far apart two names are in letters added, dropped or changed, case aside; counting
// stops past `most`.
int spelling_distance(std::string_view a, std::string_view b, int most);
// A name within two letters of `name` but not the same: a likely typo of it.
bool near_miss(std::string_view typed, std::string_view name);

QByteArray to_bytes(std::string_view text);

// Reading lines as the game reads them, past what editors and copied text leave in them.

// A ramp line that opens its entries with "(" and does not close them: its entries may go
// on over the lines after it.
bool is_open_ramp(std::string_view line);

// A line of ramp entries only ("  ExperiencePointsForLevel[3]=120," or several such, with
// or without a trailing "," or ")"): the rest of a ramp someone spread over several lines.
// The game reads a setting from its own line only and ignores these.
bool is_ramp_continuation(std::string_view line);

// Characters that show as nothing or as a blank but are neither to the game: copied text
// brings them into settings. The blank-like ones look like a space, the others like nothing.
struct InvisibleCharacter {
    char32_t code;
    std::string_view utf8;
    bool blank_like;
    const char *name;
};
inline constexpr InvisibleCharacter kInvisibleCharacters[] = {
    {0xFEFF, "\xEF\xBB\xBF", false, "zero-width no-break space"},
    {0x200B, "\xE2\x80\x8B", false, "zero-width space"},
    {0x200C, "\xE2\x80\x8C", false, "zero-width non-joiner"},
    {0x200D, "\xE2\x80\x8D", false, "zero-width joiner"},
    {0x2060, "\xE2\x81\xA0", false, "word joiner"},
    {0x00A0, "\xC2\xA0", true, "no-break space"},
    {0x2007, "\xE2\x80\x87", true, "figure space"},
    {0x202F, "\xE2\x80\xAF", true, "narrow no-break space"},
};

// A value without the invisible characters and blanks at its end: the game reads "750000"
// and a zero-width space as 750000.
std::string_view without_trailing_invisibles(std::string_view value);

// The first experience value of the game's own creature table: a creature cap below it allows
// no level at all.
constexpr double kStockCreatureFirstValue = 10;

// The value of a cap as the game reads it: a whole number, which invisible characters after
// it do not change; none when it is not one.
std::optional<double> cap_value(std::string_view value);

// The digits at the start of `text`, with a fraction when `fraction` allows one.
std::string_view number_at(std::string_view text, bool fraction);
double number_value(std::string_view digits);

// One entry of a ramp line: "ExperiencePointsForLevel[3]=120".
struct RampEntry {
    qint64 index;
    std::string_view value;
};

// A ramp line's entries as the game reads them from its own line, or where and why it does
// not parse.
struct RampEntries {
    std::vector<RampEntry> entries;
    int broken = 0;
    QString first_fault; // "at column N: expected ..."
};
RampEntries read_ramp(std::string_view line);

// The values of entries, in order.
std::vector<double> entry_values(const std::vector<RampEntry> &entries);

// The values of a ramp line that reads whole; none for a line with no entries or a fault.
std::optional<std::vector<double>> ramp_values(std::string_view line);
