// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/format_number.h"

#include "ramps/previews.h"

namespace {

// Suffix of the long form for a digit string of the given length (sign included); empty past
// the largest unit.
QString unit_suffix(int length)
{
    if (length <= 12)
        return QStringLiteral(" M");
    if (length <= 15)
        return QStringLiteral(" G!");
    if (length <= 18)
        return QStringLiteral(" T!!");
    if (length <= 21)
        return QStringLiteral(" P!!!!");
    return {};
}

} // namespace

QString format_number(double value)
{
    if (value == kOverflowMarker)
        return QStringLiteral("Error");

    const QString digits = QString::number(value, 'f', 0);
    const int length = digits.size();
    if (length >= 22)
        return QStringLiteral("error");

    // The first group takes the odd characters so that the others are whole thousands.
    const int first = length % 3 == 0 ? 3 : length % 3;
    const QString g1 = digits.left(first);
    const QString g2 = digits.mid(first, 3);
    const QString g3 = digits.mid(first + 3, 3);
    if (length <= 9)
        return g1 + QLatin1Char(' ') + g2 + QLatin1Char(' ') + g3;
    // Long numbers show the leading unit with two decimals, cut off rather than rounded.
    return g1 + QLatin1Char(' ') + g2 + QLatin1Char('.') + g3.left(2) + unit_suffix(length);
}
