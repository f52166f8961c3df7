// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ramps/presets.h"
#include "ramps/previews.h"
#include "ramps/stale_mark.h"
#include "ramps/sync_guard.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTableWidget;

// A style button and the code of its style: 0 for a style without a preset of its own.
struct StyleButton {
    const QRadioButton *button;
    int code;
};

// One ramp page: its controls, found in the form once when the window is made, and what the
// window keeps for it. The functions below run all three pages alike.
struct RampPage {
    std::vector<StyleButton> style_buttons;
    ScalingPreset (*preset)(int style) = nullptr; // the preset of a style code
    // The code taken for a checked button without a preset of its own, and for none checked.
    int fallback_style = 0;

    QSpinBox *levels = nullptr;
    QSlider *level_slider = nullptr; // none for the engram page's own level count
    QDoubleSpinBox *scaling = nullptr;
    QSlider *scaling_slider = nullptr;
    QCheckBox *real_time = nullptr;
    QPushButton *refresh_button = nullptr;
    QTableWidget *table = nullptr;
    QLabel *overflow_error = nullptr; // none for the engram points, which cannot overflow
    QLabel *overflow_limit = nullptr; // beside the error: the most levels the scaling allows

    SyncGuard scaling_sync;
    // None where the level controls set each other unguarded, or where there is no slider.
    std::optional<SyncGuard> level_sync;
    StaleMark *stale_mark = nullptr;

    // The code of the preset applied last: the preview computes with it.
    int style = 0;
    // Computes the preview from the controls as they stand and shows it.
    std::function<void()> refresh;
};

// Sets the scaling pair to the preset of the checked style, then stores that style, so that
// live refreshes during the preset still compute with the previous one.
void apply_checked_preset(RampPage &page);

// The two sides of the scaling pair: the slider holds the scaling times 1000.
void scaling_slider_moved(RampPage &page, int position);
void scaling_changed(RampPage &page, double scaling);

// The two sides of the level pair; the engram page's own level count has no slider.
void level_slider_moved(RampPage &page, int levels);
void levels_changed(RampPage &page, int levels);

// Shows or hides an experience page's overflow error, and with it the most levels that fit
// at the page's scaling.
void show_overflow(RampPage &page, bool overflowed);

// Real-time refresh hides the refresh button.
void real_time_clicked(const RampPage &page);

using XpPreviewOf = std::optional<XpPreview> (*)(int style, double scale, int levels);

// Refreshes an experience preview, computed by `compute` from the page's own levels.
void refresh_xp_preview(RampPage &page, XpPreviewOf compute);
// Refreshes the engram preview, whose level count and reverse mode come from elsewhere.
void refresh_engram_preview(RampPage &page, int levels, bool reverse);

// Creates the page's stale mark: the preview is marked while `inputs` differ from what it was
// computed from, looked at again whenever one of `controls` changes.
void mark_when_stale(RampPage &page, StaleMark::Inputs inputs,
                     std::initializer_list<QObject *> controls, QObject *parent);
// An experience preview is computed from the page's level count and scaling alone.
void mark_xp_preview_when_stale(RampPage &page, QObject *parent);
