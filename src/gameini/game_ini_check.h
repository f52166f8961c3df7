// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A problem found in the level progression of a Game.ini, on a 1-based line.
struct IniProblem {
    enum Severity { Warning, Error };
    int line;
    Severity severity;
    QString message;

    bool operator==(const IniProblem &other) const
    {
        return line == other.line && severity == other.severity && message == other.message;
    }
};

// Problems in line order in a Game.ini's UTF-8 text. Errors make the game misread the level
// progression or leave levels out of reach; warnings are likely typos, settings in the wrong
// file or given twice with different values, ramp lines the game ignores, invisible and
// look-alike characters, and values and lengths that some servers and hosting panels
// mishandle.
std::vector<IniProblem> check_level_lines(const QByteArray &text);

// The problems as quillmark-cli --check prints them, one a line: "NAME:LINE: error: MESSAGE".
QString check_report(const QString &name, const std::vector<IniProblem> &problems);
