// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One picture of a style page: the shape of a ramp as the writer computes it with the style's
// preset, or no values for a stock choice, whose numbers are the game's own.
struct RampPicture {
    QString file;  // under img/graph/
    QString label; // the small caption in the corner
    std::vector<double> values;
};

// The fourteen pictures of the player, engram and creature style pages.
std::vector<RampPicture> ramp_pictures();

// 250 x 110, as the style pages' picture labels are.
QImage draw_ramp_picture(const RampPicture &picture);
