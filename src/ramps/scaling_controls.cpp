// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/scaling_controls.h"

#include "ramps/presets.h"

#include <QDoubleSpinBox>
#include <QSlider>

#include <cmath>

void apply_scaling_preset(QSlider &slider, QDoubleSpinBox &spin, const ScalingPreset &preset)
{
    // The slider holds the scaling value times 1000; preset values have three decimals.
    const auto position = [](double value) { return int(std::lround(value * 1000)); };
    slider.setValue(position(preset.start));
    slider.setMaximum(position(preset.maximum));
    slider.setMinimum(position(preset.minimum));
    slider.setValue(position(preset.value));
    spin.setValue(preset.start);
    spin.setMaximum(preset.maximum);
    spin.setMinimum(preset.minimum);
    spin.setValue(preset.value);
}
