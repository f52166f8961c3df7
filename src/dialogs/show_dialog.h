// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_common/window_placement.h"

// Every dialog of the program is shown the same way: a parentless local, modal, centred over
// the main window, run to its end and destroyed at once. Nothing passes back to the caller;
// destroying it right after exec() matters for unexpectederror, whose destructor may end the
// program. `set_up` fills in what a dialog says about this occasion before it is shown.
template <typename Dialog, typename SetUp> void show_dialog(const SetUp &set_up)
{
    Dialog dialog;
    set_up(dialog);
    dialog.setModal(true);
    centre_over_main_window(dialog);
    dialog.exec();
}

template <typename Dialog> void show_dialog()
{
    show_dialog<Dialog>([](Dialog &) {});
}
