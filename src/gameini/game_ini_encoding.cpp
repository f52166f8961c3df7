// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_encoding.h"

#include <QtEndian>

#include <algorithm>
#include <vector>

namespace {

// Enough of the start to tell UTF-16 from text that merely holds a zero byte.
constexpr int kSniffedBytes = 4096;

// Which half of every byte pair is zero in UTF-16 text of ASCII characters: the odd bytes for
// little endian, the even ones for big endian.
Outcome<DecodedGameIni> refuse_unmarked_utf16(const QByteArray &raw)
{
    const int sniffed = std::min<qsizetype>(raw.size(), kSniffedBytes) & ~1;
    int zeros[2] = {0, 0};
    for (int k = 0; k < sniffed; ++k) {
        if (raw[k] == '\0')
            ++zeros[k % 2];
    }
    const int pairs = sniffed / 2;
    if (pairs == 0 || std::max(zeros[0], zeros[1]) * 2 < pairs || std::min(zeros[0], zeros[1]) > 0)
        return DecodedGameIni{raw, GameIniEncoding::Utf8};
    return failure(QStringLiteral("the text is UTF-16 %1 without a byte-order mark; save it as "
                                  "UTF-8, or as UTF-16 with a byte-order mark")
                       .arg(zeros[1] > zeros[0] ? QStringLiteral("LE") : QStringLiteral("BE")));
}

} // namespace

namespace {

// UTF-16 is converted unit by unit, as UTF-8 with one extension: a lone surrogate (text the
// game or an editor cut in half) becomes the three bytes UTF-8 would give its code point, and
// comes back as the same unit, so every line the merge keeps is written back as it was.
void append_code_point(QByteArray &text, char32_t point)
{
    if (point < 0x80) {
        text += char(point);
    } else if (point < 0x800) {
        text += char(0xC0 | (point >> 6));
        text += char(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += char(0xE0 | (point >> 12));
        text += char(0x80 | ((point >> 6) & 0x3F));
        text += char(0x80 | (point & 0x3F));
    } else {
        text += char(0xF0 | (point >> 18));
        text += char(0x80 | ((point >> 12) & 0x3F));
        text += char(0x80 | ((point >> 6) & 0x3F));
        text += char(0x80 | (point & 0x3F));
    }
}

QByteArray utf8_of_units(const uchar *bytes, int units, bool little)
{
    const auto unit_at = [&](int k) -> char16_t {
        return little ? qFromLittleEndian<quint16>(bytes + 2 * k)
                      : qFromBigEndian<quint16>(bytes + 2 * k);
    };
    QByteArray text;
    text.reserve(units + units / 2);
    for (int k = 0; k < units; ++k) {
        const char16_t unit = unit_at(k);
        if (QChar::isHighSurrogate(unit) && k + 1 < units && QChar::isLowSurrogate(unit_at(k + 1)))
            append_code_point(text, QChar::surrogateToUcs4(unit, unit_at(++k)));
        else
            append_code_point(text, unit);
    }
    return text;
}

// The UTF-16 units of UTF-8 text with lone surrogates; a byte that starts no sequence stands
// for U+FFFD.
std::vector<char16_t> units_of_utf8(const QByteArray &text)
{
    std::vector<char16_t> units;
    units.reserve(size_t(text.size()));
    const auto *at = reinterpret_cast<const uchar *>(text.constData());
    const auto *end = at + text.size();
    while (at < end) {
        const uchar lead = *at;
        const int length = lead < 0x80    ? 1
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC0 ? 2
                                          : 0;
        bool whole = length > 0 && end - at >= length;
        for (int k = 1; whole && k < length; ++k)
            whole = (at[k] & 0xC0) == 0x80;
        if (!whole) {
            units.push_back(QChar::ReplacementCharacter);
            ++at;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            point = (point << 6) | (at[k] & 0x3F);
        at += length;
        if (point >= 0x10000) {
            units.push_back(QChar::highSurrogate(point));
            units.push_back(QChar::lowSurrogate(point));
        } else {
            units.push_back(char16_t(point));
        }
    }
    return units;
}

} // namespace

Outcome<DecodedGameIni> decode_game_ini(const QByteArray &raw)
{
    const bool little = raw.startsWith("\xFF\xFE");
    if (!little && !raw.startsWith("\xFE\xFF"))
        return refuse_unmarked_utf16(raw);
    if (raw.size() % 2 != 0)
        return failure(QStringLiteral("the text is UTF-16 %1 but ends in half a character")
                           .arg(little ? QStringLiteral("LE") : QStringLiteral("BE")));
    const int units = (raw.size() - 2) / 2;
    return DecodedGameIni{
        utf8_of_units(reinterpret_cast<const uchar *>(raw.constData()) + 2, units, little),
        little ? GameIniEncoding::Utf16LE : GameIniEncoding::Utf16BE};
}

QByteArray encode_game_ini(const QByteArray &text, GameIniEncoding encoding)
{
    if (encoding == GameIniEncoding::Utf8)
        return text;
    const std::vector<char16_t> units = units_of_utf8(text);
    const bool little = encoding == GameIniEncoding::Utf16LE;
    QByteArray raw(2 + 2 * int(units.size()), Qt::Uninitialized);
    uchar *bytes = reinterpret_cast<uchar *>(raw.data());
    const quint16 mark = 0xFEFF;
    little ? qToLittleEndian(mark, bytes) : qToBigEndian(mark, bytes);
    for (size_t k = 0; k < units.size(); ++k) {
        const quint16 unit = units[k];
        little ? qToLittleEndian(unit, bytes + 2 + 2 * k) : qToBigEndian(unit, bytes + 2 + 2 * k);
    }
    return raw;
}
