#pragma once

class QDoubleSpinBox;
class QSlider;

// The ranges and start value of one ramp style's scaling pair. The slider holds the spin
// box's value times 1000.
struct ScalingPreset {
    int slider_start, slider_max, slider_min, slider_final;
    double spin_start, spin_max, spin_min, spin_final;
};

// Sets the slider, then the spin box, each in four steps (start, maximum, minimum, final).
// Every step goes through the controls' ordinary setters, so their handlers see each one.
void apply_scaling_preset(QSlider &slider, QDoubleSpinBox &spin, const ScalingPreset &preset);
