// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names the program and gives its windows the application icon, so that the taskbar, the
// window switcher and the desktop entry (StartupWMClass) all recognise it. Call once, after
// the application object exists and before the first window is shown.
void set_application_identity();
