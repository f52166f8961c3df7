// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QEvent;
class QWidget;

// One step of moving a frameless window by a left-button drag on its handle. The caller's
// application-wide event filter has already checked that the event belongs to the handle.
// A press stores the cursor's offset from the window's top-left corner; a move puts the
// window's corner at the cursor minus that offset.
void follow_drag(QWidget &window, int &offset_x, int &offset_y, const QEvent &event);
