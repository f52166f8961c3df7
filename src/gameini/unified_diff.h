// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The lines that differ between two texts as a unified diff ("--- NAME", "+++ NAME", hunks
// with three lines of context), as git diff prints it; empty when the texts are the same.
// A changed line end is a change.
QByteArray unified_diff(const QByteArray &old_text, const QByteArray &new_text,
                        const QString &name);
