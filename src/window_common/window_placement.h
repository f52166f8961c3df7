// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPoint;
class QRect;
class QSize;
class QWidget;

// Top-left corner for a window of `size` centred over `owner`, moved inside `area` where it
// would stick out; a window larger than `area` starts at its top-left corner, so that its
// title strip and buttons can be reached.
QPoint centred_within(const QRect &owner, const QSize &size, const QRect &area);

// Top-left corner for a window grown to the right into `widened` (its corner still the old
// one): moved left as far as it sticks out of `area`. One wider than `area` ends at its right
// edge, so that what it grew to show is seen.
QPoint widened_within(const QRect &widened, const QRect &area);

// Puts the window in the middle of the available area of the screen it starts on.
void place_on_screen(QWidget &window);

// Centres a dialog over the program's main window while that window is on screen.
void centre_over_main_window(QWidget &dialog);
