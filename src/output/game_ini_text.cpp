// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/game_ini_text.h"

#include "output/game_ini_names.h"
#include "output/written_values.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>

namespace {

const QByteArray kLineEnd("\r\n");
const QByteArray kSectionHeader(GameIniNames::kSectionHeader);
const QByteArray kRampStart = QByteArray(GameIniNames::kRampKey) + "=(";
const QByteArray kEntryStart = QByteArray(GameIniNames::kEntryName) + '[';
const QByteArray kEngramStart = QByteArray(GameIniNames::kEngramKey) + '=';
const QByteArray kPlayerCapStart = QByteArray(GameIniNames::kPlayerCapKey) + '=';
const QByteArray kCreatureCapStart = QByteArray(GameIniNames::kCreatureCapKey) + '=';

void append_digits(QByteArray &text, quint64 value)
{
    char digits[20];
    char *first = std::end(digits);
    do {
        *--first = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    text.append(first, static_cast<int>(std::end(digits) - first));
}

// The exact digits of a whole number of any size: its binary mantissa is multiplied out in
// base 10^9 pieces, least significant first.
void append_large_digits(QByteArray &text, double value)
{
    constexpr quint64 kPiece = 1000000000;
    int exponent = 0;
    quint64 mantissa = static_cast<quint64>(std::ldexp(std::frexp(value, &exponent), 53));
    exponent -= 53;
    std::array<quint64, 40> pieces{}; // 2^1024 has 309 digits
    std::size_t used = 0;
    for (; mantissa != 0; mantissa /= kPiece)
        pieces[used++] = mantissa % kPiece;
    while (exponent > 0) {
        // A piece shifted by 29 bits still fits in 64 bits.
        const int shift = std::min(exponent, 29);
        exponent -= shift;
        quint64 carry = 0;
        for (std::size_t k = 0; k < used; ++k) {
            const quint64 shifted = (pieces[k] << shift) + carry;
            pieces[k] = shifted % kPiece;
            carry = shifted / kPiece;
        }
        for (; carry != 0; carry /= kPiece)
            pieces[used++] = carry % kPiece;
    }
    append_digits(text, pieces[used - 1]);
    for (std::size_t k = used - 1; k-- > 0;) {
        char digits[9];
        quint64 piece = pieces[k];
        for (int d = 8; d >= 0; --d, piece /= 10)
            digits[d] = static_cast<char>('0' + piece % 10);
        text.append(digits, 9);
    }
}

// Every number in the file is spelled as QString::setNum(value, 'f', 0) spells it: a whole
// number without grouping or exponent, in any locale. Whole values, all but the static
// engram points, are spelled here exactly and much faster than by the toolkit.
void append_number(QByteArray &text, double value)
{
    constexpr double kTwoTo64 = 18446744073709551616.0;
    const bool whole = std::isfinite(value) && std::trunc(value) == value && !std::signbit(value);
    if (!whole) {
        text += QByteArray::number(value, 'f', 0);
        return;
    }
    if (value < kTwoTo64)
        append_digits(text, static_cast<quint64>(value));
    else
        append_large_digits(text, value);
}

void append_entry(QByteArray &text, int index, double value)
{
    if (index > 0)
        text += ',';
    text += kEntryStart;
    append_digits(text, static_cast<quint64>(index));
    text += "]=";
    append_number(text, value);
}

const QByteArray &stock_entries()
{
    static const QByteArray entries = [] {
        QByteArray text;
        const auto &table = stock_xp_table();
        for (std::size_t k = 0; k < table.size(); ++k)
            append_entry(text, static_cast<int>(k), table[k]);
        return text;
    }();
    return entries;
}

// One ramp line, left empty when no style was chosen. Returns the line's last value.
std::optional<double> append_ramp_line(QByteArray &text, const RampLine &ramp)
{
    std::optional<double> last;
    text += kRampStart;
    if (ramp.content == RampLine::Stock) {
        text += stock_entries();
        last = stock_xp_table().back();
    } else if (ramp.content == RampLine::Computed) {
        const std::vector<float> values = written_xp_values(ramp.xp_style, ramp.scale, ramp.levels);
        for (std::size_t k = 0; k < values.size(); ++k)
            append_entry(text, static_cast<int>(k), values[k]);
        if (!values.empty())
            last = values.back();
    }
    text += ')';
    text += kLineEnd;
    return last;
}

void append_cap_line(QByteArray &text, const QByteArray &start, std::optional<double> value)
{
    if (!value)
        return;
    text += start;
    append_number(text, *value);
    text += kLineEnd;
}

// The engram lines; false when no style was chosen and none are written.
bool append_engram_lines(QByteArray &text, const GameIniChoices &choices)
{
    const auto style = style_code(choices.engram);
    if (!style)
        return false;
    for (const float value : written_engram_values(
             *style, choices.engram_scale, engram_levels(choices), choices.engram_reverse)) {
        text += kEngramStart;
        append_number(text, value);
        text += kLineEnd;
    }
    return true;
}

// Empty lines are dropped and no line end follows the last line, so the file ends with the
// operator's own text.
QByteArray custom_code_block(const QString &code)
{
    return code.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QStringLiteral("\r\n")).toUtf8();
}

// Room for the text in one allocation: an entry takes at most 60 bytes, a line 70.
int expected_size(const GameIniChoices &choices)
{
    return 2 * 60 * std::max(choices.player_levels, choices.creature_levels) +
           70 * std::max(choices.player_levels, choices.engram_levels_without_player) + 256;
}

} // namespace

std::optional<RampLine> player_ramp_line(const GameIniChoices &choices)
{
    if (choices.player == GameIniChoices::Player::Skip)
        return std::nullopt;
    if (choices.player == GameIniChoices::Player::Stock)
        return RampLine{RampLine::Stock};
    if (const auto style = style_code(choices.player))
        return RampLine{RampLine::Computed, *style, choices.player_scale, choices.player_levels};
    return RampLine{};
}

std::optional<RampLine> creature_ramp_line(const GameIniChoices &choices)
{
    // The creature line follows the player line and is never written without it.
    if (choices.player == GameIniChoices::Player::Skip ||
        choices.creature == GameIniChoices::Creature::Stock)
        return std::nullopt;
    if (choices.creature == GameIniChoices::Creature::PlayerStock)
        return RampLine{RampLine::Stock};
    if (const auto style = style_code(choices.creature))
        return RampLine{RampLine::Computed, *style, choices.creature_scale,
                        choices.creature_levels};
    return RampLine{};
}

std::vector<float> ramp_line_values(const RampLine &line)
{
    if (line.content == RampLine::Stock)
        return {stock_xp_table().begin(), stock_xp_table().end()};
    if (line.content == RampLine::Computed)
        return written_xp_values(line.xp_style, line.scale, line.levels);
    return {};
}

int engram_levels(const GameIniChoices &choices)
{
    return choices.player == GameIniChoices::Player::Skip ? choices.engram_levels_without_player
                                                          : choices.player_levels;
}

GameIniText game_ini_text(const GameIniChoices &choices)
{
    GameIniText result;
    QByteArray text;
    text.reserve(expected_size(choices));

    if (choices.section_header) {
        text += kSectionHeader;
        text += kLineEnd;
    }
    std::optional<double> player_last;
    std::optional<double> creature_last;
    if (const auto player = player_ramp_line(choices)) {
        if (player->content == RampLine::Empty)
            result.groups_without_style.push_back(RampGroup::Player);
        player_last = append_ramp_line(text, *player);
    }
    if (const auto creature = creature_ramp_line(choices)) {
        if (creature->content == RampLine::Empty)
            result.groups_without_style.push_back(RampGroup::Creature);
        creature_last = append_ramp_line(text, *creature);
    }
    if (choices.max_xp_overrides) {
        append_cap_line(text, kPlayerCapStart, player_last);
        append_cap_line(text, kCreatureCapStart, creature_last);
    }
    if (choices.engram != GameIniChoices::Engram::Stock && !append_engram_lines(text, choices))
        result.groups_without_style.push_back(RampGroup::Engram);
    if (choices.custom_code_enabled)
        text += custom_code_block(choices.custom_code);

    result.bytes = text;
    return result;
}
