// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// Pictures of the message dialogs. The backgrounds lie behind the dialogs' white, red and
// green texts, so they stay dark and keep their motifs away from where the text runs.

// 390 x 311, the file-error dialog: a locked padlock.
QImage draw_access_denied();

// 456 x 388, the unexpected-error dialog: a warning trefoil in a blast of rings.
QImage draw_nuke();

// 332 x 239, the nothing-selected dialog: three empty choices and a question mark.
QImage draw_doing_wrong();

enum class Contributor { Developers, Design };

// 200 x 191, a contributor's portrait for the success dialog: an anonymous bust with the
// emblem of the contributor's role.
QImage draw_portrait(Contributor contributor);
