// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/show_dialog.h"
#include "dialogs/unexpectederror.h"
#include "mainwindow/style_buttons.h"
#include "ramps/presets.h"
#include "ramps/preview_table.h"
#include "ramps/previews.h"
#include "ramps/scaling_controls.h"
#include "ramps/stale_mark.h"

void MainWindow::apply_player_xp_preset()
{
    // The stock and skip buttons have no preset of their own and take the linear one.
    const int style =
        style_code(checked_style<GameIniChoices::Player>(*this)).value_or(XpStyle::Linear);
    apply_scaling_preset(*form->slider_player_xp_difficulty, *form->player_xp_difficulty,
                         player_xp_preset(style));
    player_xp_style = style;
}

void MainWindow::refresh_player_xp_table()
{
    player_xp_mark->refreshed();
    const auto preview = player_xp_preview(player_xp_style, form->player_xp_difficulty->value(),
                                           form->player_target_lvl->value());
    if (!preview) {
        show_dialog<unexpectederror>();
        show_zero_values(*form->estimated_player_xp, 1);
        return;
    }
    if (player_xp_style == XpStyle::Exponential)
        form->lbl_error_player->setVisible(preview->overflowed);
    show_xp_preview(*form->estimated_player_xp, *preview);
}

void MainWindow::on_player_curve_clicked()
{
    apply_player_xp_preset();
}
void MainWindow::on_player_mmo_clicked()
{
    apply_player_xp_preset();
}
void MainWindow::on_player_linear_clicked()
{
    apply_player_xp_preset();
}

void MainWindow::on_player_skip_toggled(bool checked)
{
    // Without a player ramp the engram page asks for its own level count.
    form->no_player_xp_max_engram_level->setVisible(checked);
    form->no_player_xp_notification->setVisible(checked);
}

// The level pair has no guard: each control sets the other, which sets the first back to the
// same value (no further signal), so a live preview is computed twice.
void MainWindow::on_player_target_lvl_valueChanged(int arg1)
{
    form->slider_player_max_lvl->setValue(arg1);
    if (form->player_xp_param_live_refresh->isChecked())
        refresh_player_xp_table();
}

void MainWindow::on_slider_player_max_lvl_valueChanged(int value)
{
    form->player_target_lvl->setValue(value);
    if (form->player_xp_param_live_refresh->isChecked())
        refresh_player_xp_table();
}

void MainWindow::on_slider_player_xp_difficulty_valueChanged(int value)
{
    slider_moved(
        player_xp_scale_sync, [&] { form->player_xp_difficulty->setValue(value / 1000.0); },
        form->player_xp_param_live_refresh->isChecked(), [&] { refresh_player_xp_table(); });
}

void MainWindow::on_player_xp_difficulty_valueChanged(double arg1)
{
    spin_changed(player_xp_scale_sync, [&] {
        form->slider_player_xp_difficulty->setValue(static_cast<int>(arg1 * 1000));
    });
}

void MainWindow::on_player_xp_refresh_button_clicked()
{
    refresh_player_xp_table();
}

void MainWindow::on_player_xp_param_live_refresh_clicked()
{
    form->player_xp_refresh_button->setVisible(!form->player_xp_param_live_refresh->isChecked());
}
