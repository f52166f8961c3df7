// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameini/ini_lines.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cctype>
#include <cstdlib>

namespace {

constexpr std::string_view kByteOrderMark("\xEF\xBB\xBF");

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

// Names are ASCII; the C library's tolower would also ask the locale.
uchar folded(char c)
{
    return c >= 'A' && c <= 'Z' ? uchar(c - 'A' + 'a') : uchar(c);
}

} // namespace

IniLineReader::IniLineReader(const QByteArray &text)
    : data(text.constData()), size(text.size()),
      mark(std::string_view(data, size_t(size)).substr(0, 3) == kByteOrderMark ? 3 : 0), at(mark)
{}

bool IniLineReader::next(IniLine &line)
{
    if (at >= size)
        return false;
    const char *end =
        std::find_if(data + at, data + size, [](char c) { return c == '\n' || c == '\r'; });
    line.number = ++number;
    line.start = at;
    line.length = int(end - (data + at));
    line.end_length = end == data + size                                          ? 0
                      : (*end == '\r' && end + 1 < data + size && end[1] == '\n') ? 2
                                                                                  : 1;
    at += line.length + line.end_length;
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool same_name(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

bool is_section_header(std::string_view line)
{
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() == '[';
}

SectionKind section_kind(std::string_view header)
{
    const std::string_view name = trimmed(header);
    if (same_name(name, GameIniNames::kSectionHeader))
        return SectionKind::Level;
    return same_name(name, GameIniNames::kGameWrittenSection) ? SectionKind::GameWritten
                                                              : SectionKind::Other;
}

bool is_setting(std::string_view line)
{
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() != ';' && text.front() != '#' &&
           text.find('=') != std::string_view::npos;
}

std::string_view setting_key(std::string_view line)
{
    if (!is_setting(line))
        return {};
    std::string_view key = trimmed(line.substr(0, line.find('=')));
    if (!key.empty() && (key.front() == '+' || key.front() == '-' || key.front() == '.'))
        key = trimmed(key.substr(1));
    return key;
}

std::string_view setting_value(std::string_view line)
{
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(equals + 1));
}

LevelKey level_key(std::string_view line)
{
    const std::string_view key = setting_key(line);
    if (key.empty())
        return LevelKey::None;
    if (same_name(key, GameIniNames::kRampKey))
        return LevelKey::Ramp;
    if (same_name(key, GameIniNames::kEngramKey))
        return LevelKey::Engram;
    if (same_name(key, GameIniNames::kPlayerCapKey))
        return LevelKey::PlayerCap;
    if (same_name(key, GameIniNames::kCreatureCapKey))
        return LevelKey::CreatureCap;
    return LevelKey::None;
}

QByteArray to_bytes(std::string_view text)
{
    return QByteArray(text.data(), int(text.size()));
}

int spelling_distance(std::string_view a, std::string_view b, int most)
{
    const int n = int(a.size());
    const int m = int(b.size());
    // One row of the edit table at a time; the names are short.
    std::array<int, 64> row;
    if (std::abs(n - m) > most || m >= int(row.size()))
        return most + 1;
    for (int j = 0; j <= m; ++j)
        row[size_t(j)] = j;
    for (int i = 1; i <= n; ++i) {
        int diagonal = row[0];
        row[0] = i;
        int best = row[0];
        for (int j = 1; j <= m; ++j) {
            const int above = row[size_t(j)];
            const bool same = folded(a[size_t(i - 1)]) == folded(b[size_t(j - 1)]);
            row[size_t(j)] =
                std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[size_t(j)]);
        }
        if (best > most)
            return most + 1;
    }
    return std::min(row[size_t(m)], most + 1);
}

// A lower bound of the spelling distance at little cost: every character of one name that
// the other lacks altogether takes an edit. It rules out nearly every key.
int foreign_characters(std::string_view a, std::string_view b)
{
    const auto set_of = [](std::string_view name) {
        std::bitset<128> set;
        for (const char c : name)
            set.set(folded(c) & 0x7F);
        return set;
    };
    const auto count_outside = [](std::string_view name, const std::bitset<128> &set) {
        return int(std::count_if(name.begin(), name.end(),
                                 [&set](char c) { return !set.test(folded(c) & 0x7F); }));
    };
    return std::max(count_outside(a, set_of(b)), count_outside(b, set_of(a)));
}

bool near_miss(std::string_view typed, std::string_view name)
{
    constexpr int kMost = 2;
    const int length_difference = std::abs(int(typed.size()) - int(name.size()));
    return length_difference <= kMost && foreign_characters(typed, name) <= kMost &&
           !same_name(typed, name) && spelling_distance(typed, name, kMost) <= kMost;
}

// Reading lines as the game reads them, past what editors and copied text leave in them.

namespace {

bool is_ascii_digit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool is_open_ramp(std::string_view line)
{
    const std::string_view value = setting_value(line);
    return !value.empty() && value.front() == '(' && value.find(')') == std::string_view::npos;
}

bool is_ramp_continuation(std::string_view line)
{
    const std::string_view name(GameIniNames::kEntryName);
    std::string_view rest = trimmed(line);
    if (rest.empty())
        return false;
    // Entry by entry: name, "[", index, "]=", value, then "," or ")" or the end.
    while (!rest.empty()) {
        if (!same_name(rest.substr(0, name.size()), name) || rest.substr(name.size(), 1) != "[")
            return false;
        rest.remove_prefix(name.size() + 1);
        const size_t digits =
            size_t(std::find_if_not(rest.begin(), rest.end(), is_ascii_digit) - rest.begin());
        if (digits == 0 || rest.substr(digits, 2) != "]=")
            return false;
        rest.remove_prefix(digits + 2);
        const size_t end = rest.find_first_of(",)");
        if (trimmed(rest.substr(0, end)).empty())
            return false;
        if (end == std::string_view::npos)
            return true;
        if (rest[end] == ')')
            return trimmed(rest.substr(end + 1)).empty();
        rest = trimmed(rest.substr(end + 1));
    }
    return true;
}

std::string_view without_trailing_invisibles(std::string_view value)
{
    for (;;) {
        while (!value.empty() && is_blank(value.back()))
            value.remove_suffix(1);
        const auto found = std::find_if(
            std::begin(kInvisibleCharacters), std::end(kInvisibleCharacters),
            [value](const InvisibleCharacter &invisible) {
                return value.size() >= invisible.utf8.size() &&
                       value.substr(value.size() - invisible.utf8.size()) == invisible.utf8;
            });
        if (found == std::end(kInvisibleCharacters))
            return value;
        value.remove_suffix(found->utf8.size());
    }
}

std::optional<double> cap_value(std::string_view value)
{
    const std::string_view digits = without_trailing_invisibles(trimmed(value));
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), is_ascii_digit))
        return std::nullopt;
    return number_value(digits);
}

// The digits at the start of `text`, with a fraction when `fraction` allows one.
std::string_view number_at(std::string_view text, bool fraction)
{
    size_t end = 0;
    while (end < text.size() && is_ascii_digit(text[end]))
        ++end;
    if (fraction && end > 0 && end + 1 < text.size() && text[end] == '.' &&
        is_ascii_digit(text[end + 1])) {
        end += 2;
        while (end < text.size() && is_ascii_digit(text[end]))
            ++end;
    }
    return text.substr(0, end);
}

double number_value(std::string_view digits)
{
    return QByteArray::fromRawData(digits.data(), int(digits.size())).toDouble();
}

namespace {

// Why one entry ("ExperiencePointsForLevel[3]=120") does not parse, with the offset of the
// fault in it.
std::optional<std::pair<size_t, QString>> read_entry(std::string_view entry, RampEntry &read)
{
    const std::string_view start(GameIniNames::kEntryName);
    if (!same_name(entry.substr(0, start.size()), start) || entry.size() <= start.size() ||
        entry[start.size()] != '[')
        return std::make_pair(size_t(0),
                              QStringLiteral("%1[").arg(QLatin1String(GameIniNames::kEntryName)));
    size_t at = start.size() + 1;
    const std::string_view index = number_at(entry.substr(at), false);
    if (index.empty())
        return std::make_pair(at, QStringLiteral("an index"));
    at += index.size();
    if (entry.substr(at, 2) != "]=")
        return std::make_pair(at, QStringLiteral("\"]=\""));
    at += 2;
    const std::string_view value = number_at(entry.substr(at), true);
    if (value.empty())
        return std::make_pair(at, QStringLiteral("a number"));
    at += value.size();
    if (at != entry.size())
        return std::make_pair(at, QStringLiteral("\",\" or \")\""));
    read = {QByteArray::fromRawData(index.data(), int(index.size())).toLongLong(), value};
    return std::nullopt;
}

} // namespace

RampEntries read_ramp(std::string_view line)
{
    RampEntries ramp;
    const auto fault = [&ramp](size_t offset, const QString &expected) {
        if (ramp.broken++ == 0)
            ramp.first_fault =
                QStringLiteral("at column %1: expected %2").arg(offset + 1).arg(expected);
    };
    size_t at = line.find('=') + 1;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    if (at >= line.size() || line[at] != '(') {
        fault(at, QStringLiteral("\"(\""));
        return ramp;
    }
    const size_t open = at + 1;
    const size_t close = line.find(')', open);
    if (close == std::string_view::npos) {
        fault(line.size(), QStringLiteral("\")\""));
        return ramp;
    }
    if (!trimmed(line.substr(close + 1)).empty()) {
        ramp.broken = 1;
        ramp.first_fault = QStringLiteral("at column %1: text after \")\"").arg(close + 2);
        return ramp;
    }
    if (trimmed(line.substr(open, close - open)).empty())
        return ramp;
    for (size_t from = open; from <= close;) {
        size_t to = line.find(',', from);
        if (to == std::string_view::npos || to > close)
            to = close;
        std::string_view entry = line.substr(from, to - from);
        size_t offset = from;
        while (!entry.empty() && (entry.front() == ' ' || entry.front() == '\t')) {
            entry.remove_prefix(1);
            ++offset;
        }
        entry = without_trailing_invisibles(entry);
        RampEntry read{};
        if (const auto failure = read_entry(entry, read))
            fault(offset + failure->first, failure->second);
        else
            ramp.entries.push_back(read);
        from = to + 1;
    }
    return ramp;
}

std::vector<double> entry_values(const std::vector<RampEntry> &entries)
{
    std::vector<double> values;
    values.reserve(entries.size());
    for (const RampEntry &entry : entries)
        values.push_back(number_value(entry.value));
    return values;
}

std::optional<std::vector<double>> ramp_values(std::string_view line)
{
    const RampEntries ramp = read_ramp(line);
    if (ramp.broken > 0 || ramp.entries.empty())
        return std::nullopt;
    return entry_values(ramp.entries);
}
