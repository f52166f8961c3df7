// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ScalingPreset;
class QDoubleSpinBox;
class QSlider;

// Sets the slider, then the spin box, each in the preset's four steps. Every step goes
// through the controls' ordinary setters, so their handlers see each one.
void apply_scaling_preset(QSlider &slider, QDoubleSpinBox &spin, const ScalingPreset &preset);
