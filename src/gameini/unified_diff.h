// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A change of whole lines: the bytes [from, to) of a text, which start and end at line starts
// (or the text's end), become `lines`, whole lines with their own line ends (the last may lack
// one where the text ends).
struct LineEdit {
    int from = 0;
    int to = 0;
    QByteArray lines;
};

// The text the edits make of `text`; the edits are in order and do not overlap.
QByteArray applied(const QByteArray &text, const std::vector<LineEdit> &edits);

// What the edits change in `text`, in git's unified format: "--- a/NAME", "+++ b/NAME" and
// hunks with three lines of context, each line with its own line end, so that patch -p1 or
// git apply on the old file gives the edited bytes. Lines an edit leaves as they were are
// not shown as changed; empty when nothing changes. `note`, when given, is a line before
// the header, which patch and git apply pass over.
QByteArray unified_diff(const QByteArray &text, const std::vector<LineEdit> &edits,
                        const QString &name, const QString &note = QString());
