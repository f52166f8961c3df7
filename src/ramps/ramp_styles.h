// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Style codes stored by the presets and read by the previews. They are plain ints on the
// window so that a code outside 1..3 can be told apart (and reported) by the previews.
namespace XpStyle {
enum : int { ComplexCurve = 1, Exponential = 2, Linear = 3 };
}

namespace EngramStyle {
enum : int { Logarithmic = 1, Linear = 2, Static = 3 };
}
