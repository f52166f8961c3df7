// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The main window's pictures and the program's icon.

// 950 x 530, behind the whole window; the page area lies over it as a translucent panel.
QImage draw_window_background();

enum class PageDirection { Next, Back };
enum class ButtonState { Normal, Pressed, Disabled };

// 228 x 88 with transparency, stretched over the 120 x 60 page buttons.
QImage draw_page_button(PageDirection direction, ButtonState state);

// 128 x 128 with transparency, shown at 18 x 18 on the refresh buttons.
QImage draw_refresh_icon(bool pressed);

// size x size with transparency, drawn at 256 x 256 and scaled down for the smaller icon sizes.
QImage draw_application_icon(int size = 256);
