#include "ramps/scaling_preset.h"

#include <QDoubleSpinBox>
#include <QSlider>

void apply_scaling_preset(QSlider &slider, QDoubleSpinBox &spin, const ScalingPreset &preset)
{
    slider.setValue(preset.slider_start);
    slider.setMaximum(preset.slider_max);
    slider.setMinimum(preset.slider_min);
    slider.setValue(preset.slider_final);
    spin.setValue(preset.spin_start);
    spin.setMaximum(preset.spin_max);
    spin.setMinimum(preset.spin_min);
    spin.setValue(preset.spin_final);
}
