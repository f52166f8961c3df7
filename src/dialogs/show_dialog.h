// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every dialog of the program is shown the same way: a parentless local, modal, run to its
// end and destroyed at once. Nothing passes back to the caller; destroying it right after
// exec() matters for unexpectederror, whose destructor may end the program.
template <typename Dialog> void show_dialog()
{
    Dialog dialog;
    dialog.setModal(true);
    dialog.exec();
}
