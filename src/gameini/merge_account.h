// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a merge did, or would do, in words for the operator: the window's review and result
// and the command line's report all take their words from here.

#include "gameini/game_ini_merge.h"

#include <QString>
#include <QStringList>

// One line for the operator: "replaced 1 player ramp line and 114 engram lines; raised 1 cap;
// removed 2 stray lines".
QString merge_summary(const GameIniMergeReport &report);

// Who reads the account of a merge: the review before it, the result after it, or the command
// line's standard error, whose lines name FILE:LINE for editors and compilers' error parsers.
enum class MergeAccount { Review, Result, CommandLine };

// Every change of a merge into `file`, one line each, with old and new values and line
// numbers: "Player ramp: 1 line, 104 levels → 150 levels", "Engram points: 6 lines replaced,
// 143 added". Empty when the merge changes nothing.
QStringList merge_account(const GameIniMergeReport &report, MergeAccount reader,
                          const QString &file);
