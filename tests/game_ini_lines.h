// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Game.ini lines as the tests write them, in the given line end. The names are typed out
// rather than taken from output/game_ini_names.h, so that the writer's tests compare its text
// with a spelling of their own.

#include <QByteArray>
#include <QVector>

using Numbers = QVector<double>;

inline QByteArray header(const QByteArray &end = "\r\n")
{
    return "[/script/shootergame.shootergamemode]" + end;
}
inline const QByteArray kHeader = header();

// Indices from 0; numbers spelled as QString::setNum(value, 'f', 0) spells them.
inline QByteArray ramp_line(const Numbers &values, const QByteArray &end = "\r\n")
{
    QByteArray line = "LevelExperienceRampOverrides=(";
    for (int k = 0; k < values.size(); ++k)
        line += QByteArray(k > 0 ? "," : "") + "ExperiencePointsForLevel[" + QByteArray::number(k) +
                "]=" + QByteArray::number(values[k], 'f', 0);
    return line + ")" + end;
}

inline QByteArray engram_lines(const Numbers &values, const QByteArray &end = "\r\n")
{
    QByteArray lines;
    for (const double value : values)
        lines += "OverridePlayerLevelEngramPoints=" + QByteArray::number(value, 'f', 0) + end;
    return lines;
}
