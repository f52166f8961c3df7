// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_names.h"

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0. Overlong forms, surrogates and code
// points past U+10FFFF are not valid.
int sequence_length(const unsigned char *at, const unsigned char *end)
{
    const unsigned char lead = at[0];
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (end - at < length || at[1] < low || at[1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((at[k] & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

QString decode_name(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    const auto *at = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = at + bytes.size();
    while (at < end) {
        if (const int length = sequence_length(at, end)) {
            name += QString::fromUtf8(reinterpret_cast<const char *>(at), length);
            at += length;
        } else {
            name += QChar(char16_t(kEscapedByte + *at++));
        }
    }
    return name;
}

QByteArray encode_name(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    int run = 0; // the start of the text not yet encoded
    for (int k = 0; k < name.size(); ++k) {
        const char16_t unit = name[k].unicode();
        const bool paired = k > 0 && name[k - 1].isHighSurrogate();
        if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF && !paired) {
            bytes += name.mid(run, k - run).toUtf8();
            bytes += char(unit - kEscapedByte);
            run = k + 1;
        }
    }
    return bytes + name.mid(run).toUtf8();
}

QStringList arguments_as_given(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << decode_name(argv[k]);
    return arguments;
}

QString backup_name(const QString &name)
{
    return name + QStringLiteral(".bak");
}
