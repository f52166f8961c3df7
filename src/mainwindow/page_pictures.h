// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QStackedWidget;

// The style pages show pictures of the ramps' shapes. The form names each one in its label's
// "picture" property instead of giving it as the label's pixmap, so that a picture is decoded
// when its page is first shown rather than while the window is built: most are never seen in
// a run, and decoding them all held up the window's first appearance.
void load_pictures_when_shown(QStackedWidget &pages);
