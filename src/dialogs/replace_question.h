// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

enum class ReplaceAnswer { Replace, MergeInstead, Cancel };

// Asks before Generate replaces the existing file `name` (replace_question), saying how many
// lines of which sections are not level progression and would be lost. A file that is not
// there, or not a readable regular file, is not asked about: writing it fails or creates it.
ReplaceAnswer ask_before_replacing(QWidget *parent, const QString &name);
