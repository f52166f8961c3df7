// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The forms and style sheets name Windows fonts. This maps each of them to freely licensed
// look-alikes, so that titles, captions and buttons keep their character elsewhere.
// Also makes the dialog font the application's default. Call once, after the application object
// exists and before any form is built.
void install_font_fallbacks();
