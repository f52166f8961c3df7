// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ramps/ramp_page.h"
#include "ramps/ramp_styles.h"

#include <QRadioButton>
#include <QWidget>

#include <vector>

// The window's style buttons, found by the object names in the style tables.

// The style whose button is checked; Unchosen when none is.
template <typename Style> Style checked_style(const QWidget &window)
{
    for (const StyleRow<Style> &row : style_table(Style{})) {
        if (!row.button)
            continue;
        const auto *button = window.findChild<const QRadioButton *>(QLatin1String(row.button));
        if (button && button->isChecked())
            return row.style;
    }
    return Style::Unchosen;
}

// Checks the button of `style`, without a click: no click handler runs.
template <typename Style> void check_style(QWidget &window, Style style)
{
    const StyleRow<Style> *row = style_row(style);
    if (row && row->button)
        window.findChild<QRadioButton *>(QLatin1String(row->button))->setChecked(true);
}

// The buttons of a ramp's styles in the order of its table, each with its style's code.
template <typename Style> std::vector<StyleButton> style_buttons(const QWidget &window)
{
    std::vector<StyleButton> buttons;
    for (const StyleRow<Style> &row : style_table(Style{})) {
        if (!row.button)
            continue;
        if (const auto *button = window.findChild<const QRadioButton *>(QLatin1String(row.button)))
            buttons.push_back({button, row.code});
    }
    return buttons;
}
