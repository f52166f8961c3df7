// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameini/game_ini_encoding.h"

#include <QtEndian>

#include <algorithm>

namespace {

// Enough of the start to tell UTF-16 from text that merely holds a zero byte.
constexpr int kSniffedBytes = 4096;

// Which half of every byte pair is zero in UTF-16 text of ASCII characters: the odd bytes for
// little endian, the even ones for big endian.
std::variant<DecodedGameIni, QString> refuse_unmarked_utf16(const QByteArray &raw)
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
    return QStringLiteral("the text is UTF-16 %1 without a byte-order mark; save it as UTF-8, or "
                          "as UTF-16 with a byte-order mark")
        .arg(zeros[1] > zeros[0] ? QStringLiteral("LE") : QStringLiteral("BE"));
}

} // namespace

std::variant<DecodedGameIni, QString> decode_game_ini(const QByteArray &raw)
{
    const bool little = raw.startsWith("\xFF\xFE");
    if (!little && !raw.startsWith("\xFE\xFF"))
        return refuse_unmarked_utf16(raw);
    const int units = (raw.size() - 2) / 2;
    if (raw.size() % 2 != 0)
        return QStringLiteral("the text is UTF-16 %1 but ends in half a character")
            .arg(little ? QStringLiteral("LE") : QStringLiteral("BE"));
    QString text(units, Qt::Uninitialized);
    const uchar *bytes = reinterpret_cast<const uchar *>(raw.constData()) + 2;
    for (int k = 0; k < units; ++k)
        text[k] = QChar(little ? qFromLittleEndian<quint16>(bytes + 2 * k)
                               : qFromBigEndian<quint16>(bytes + 2 * k));
    return DecodedGameIni{text.toUtf8(),
                          little ? GameIniEncoding::Utf16LE : GameIniEncoding::Utf16BE};
}

QByteArray encode_game_ini(const QByteArray &text, GameIniEncoding encoding)
{
    if (encoding == GameIniEncoding::Utf8)
        return text;
    const QString unicode = QString::fromUtf8(text);
    const bool little = encoding == GameIniEncoding::Utf16LE;
    QByteArray raw(2 + 2 * unicode.size(), Qt::Uninitialized);
    uchar *bytes = reinterpret_cast<uchar *>(raw.data());
    const quint16 mark = 0xFEFF;
    little ? qToLittleEndian(mark, bytes) : qToBigEndian(mark, bytes);
    for (int k = 0; k < unicode.size(); ++k) {
        const quint16 unit = unicode[k].unicode();
        little ? qToLittleEndian(unit, bytes + 2 + 2 * k) : qToBigEndian(unit, bytes + 2 + 2 * k);
    }
    return raw;
}
