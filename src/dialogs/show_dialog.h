// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_common/window_placement.h"

// Every dialog of the program is shown the same way: a parentless local, modal, centred over
// the main window, run to its end and destroyed at once. Nothing passes back to the caller;
// destroying it right after exec() matters for unexpectederror, whose destructor may end the
// program.
template <typename Dialog> void show_dialog()
{
    Dialog dialog;
    dialog.setModal(true);
    centre_over_main_window(dialog);
    dialog.exec();
}
