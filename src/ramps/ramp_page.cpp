// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ramps/ramp_page.h"

#include "dialogs/show_dialog.h"
#include "dialogs/unexpectederror.h"
#include "ramps/preview_table.h"
#include "ramps/scaling_controls.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

namespace {
int checked_style_code(const RampPage &page)
{
    for (const StyleButton &choice : page.style_buttons) {
        if (choice.button->isChecked())
            return choice.code != 0 ? choice.code : page.fallback_style;
    }
    return page.fallback_style;
}

void refresh_if_live(const RampPage &page)
{
    if (page.real_time->isChecked())
        page.refresh();
}

// The formulas know no such style: say so, and show zeros for the values.
void show_unknown_style(const RampPage &page)
{
    show_dialog<unexpectederror>();
    show_zero_values(*page.table, 1);
}
} // namespace

void apply_checked_preset(RampPage &page)
{
    const int style = checked_style_code(page);
    apply_scaling_preset(*page.scaling_slider, *page.scaling, page.preset(style));
    page.style = style;
}

void scaling_slider_moved(RampPage &page, int position)
{
    slider_moved(
        page.scaling_sync, [&] { page.scaling->setValue(position / 1000.0); },
        page.real_time->isChecked(), page.refresh);
}

void scaling_changed(RampPage &page, double scaling)
{
    spin_changed(page.scaling_sync,
                 [&] { page.scaling_slider->setValue(static_cast<int>(scaling * 1000)); });
    // The limit shown names the scaling in the spin box, refreshed preview or not.
    if (page.overflow_limit && !page.overflow_limit->isHidden())
        show_overflow(page, true);
}

// Without a guard each level control sets the other, which sets the first back to the same
// value (no further signal): both refresh a live preview, so it is computed twice.
void level_slider_moved(RampPage &page, int levels)
{
    if (page.level_sync) {
        slider_moved(
            *page.level_sync, [&] { page.levels->setValue(levels); }, page.real_time->isChecked(),
            page.refresh);
        return;
    }
    page.levels->setValue(levels);
    refresh_if_live(page);
}

void levels_changed(RampPage &page, int levels)
{
    if (page.level_sync) {
        spin_changed(*page.level_sync, [&] { page.level_slider->setValue(levels); });
        return;
    }
    if (page.level_slider)
        page.level_slider->setValue(levels);
    refresh_if_live(page);
}

void show_overflow(RampPage &page, bool overflowed)
{
    page.overflow_error->setVisible(overflowed);
    page.overflow_limit->setVisible(overflowed);
    if (!overflowed)
        return;
    // Counted as the command line counts it, up to the most levels the page takes.
    const double scale = page.scaling->value();
    const int most = page.levels->maximum();
    const int allowed =
        xp_within_limit(scale, most) ? most : first_level_past_limit(scale, most) - 1;
    page.overflow_limit->setText(QStringLiteral("At this scaling: at most %1 levels").arg(allowed));
}

void real_time_clicked(const RampPage &page)
{
    page.refresh_button->setVisible(!page.real_time->isChecked());
}

void refresh_xp_preview(RampPage &page, XpPreviewOf compute)
{
    page.stale_mark->refreshed();
    const auto preview = compute(page.style, page.scaling->value(), page.levels->value());
    if (!preview) {
        show_unknown_style(page);
        return;
    }
    // The other styles cannot overflow and leave the error as it was.
    if (page.style == XpStyle::Exponential)
        show_overflow(page, preview->overflowed);
    show_xp_preview(*page.table, *preview);
}

void refresh_engram_preview(RampPage &page, int levels, bool reverse)
{
    page.stale_mark->refreshed();
    const auto preview = engram_preview(page.style, page.scaling->value(), levels, reverse);
    if (!preview) {
        show_unknown_style(page);
        return;
    }
    show_engram_preview(*page.table, *preview);
}

void mark_when_stale(RampPage &page, StaleMark::Inputs inputs,
                     std::initializer_list<QObject *> controls, QObject *parent)
{
    page.stale_mark = new StaleMark(*page.table, *page.refresh_button, *page.real_time,
                                    std::move(inputs), parent);
    page.stale_mark->watch(controls);
}

void mark_xp_preview_when_stale(RampPage &page, QObject *parent)
{
    mark_when_stale(
        page,
        [&page] {
            return QVariantList{page.levels->value(), page.scaling->value()};
        },
        {page.levels, page.scaling}, parent);
}
