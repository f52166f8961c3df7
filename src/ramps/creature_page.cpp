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

void MainWindow::apply_dino_xp_preset()
{
    // The stock button has no preset of its own and takes the linear one.
    const int style =
        style_code(checked_style<GameIniChoices::Creature>(*this)).value_or(XpStyle::Linear);
    apply_scaling_preset(*form->slider_dino_difficulty, *form->dino_difficulty,
                         creature_xp_preset(style));
    dino_xp_style = style;
}

void MainWindow::refresh_dino_xp_table()
{
    dino_xp_mark->refreshed();
    const auto preview = creature_xp_preview(dino_xp_style, form->dino_difficulty->value(),
                                             form->dino_target_level->value());
    if (!preview) {
        show_dialog<unexpectederror>();
        show_zero_values(*form->estimated_dino_xp, 1);
        return;
    }
    if (dino_xp_style == XpStyle::Exponential)
        form->lbl_error_dino->setVisible(preview->overflowed);
    show_xp_preview(*form->estimated_dino_xp, *preview);
}

void MainWindow::set_creature_controls_enabled(bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             form->dino_difficulty, form->dino_target_level, form->dino_xp_real_time_refresh,
             form->dino_xp_refresh_button, form->estimated_dino_xp, form->slider_dino_difficulty,
             form->slider_dino_level})
        control->setEnabled(enabled);
}

// Choosing a creature style of its own ends a lock to the player's stock table.
void MainWindow::on_dino_curve_clicked()
{
    choose_creature_style();
}
void MainWindow::on_dino_lin_clicked()
{
    choose_creature_style();
}
void MainWindow::on_dino_mmo_clicked()
{
    choose_creature_style();
}

void MainWindow::choose_creature_style()
{
    set_creature_controls_enabled(true);
    dino_locked_to_stock = false;
    apply_dino_xp_preset();
}

void MainWindow::on_dino_skip_clicked()
{
    dino_locked_to_stock = false;
}

void MainWindow::on_slider_dino_difficulty_valueChanged(int value)
{
    slider_moved(
        dino_xp_scale_sync, [&] { form->dino_difficulty->setValue(value / 1000.0); },
        form->dino_xp_real_time_refresh->isChecked(), [&] { refresh_dino_xp_table(); });
}

void MainWindow::on_dino_difficulty_valueChanged(double arg1)
{
    spin_changed(dino_xp_scale_sync,
                 [&] { form->slider_dino_difficulty->setValue(static_cast<int>(arg1 * 1000)); });
}

void MainWindow::on_slider_dino_level_valueChanged(int value)
{
    slider_moved(
        dino_level_sync, [&] { form->dino_target_level->setValue(value); },
        form->dino_xp_real_time_refresh->isChecked(), [&] { refresh_dino_xp_table(); });
}

void MainWindow::on_dino_target_level_valueChanged(int arg1)
{
    spin_changed(dino_level_sync, [&] { form->slider_dino_level->setValue(arg1); });
}

void MainWindow::on_dino_xp_refresh_button_clicked()
{
    refresh_dino_xp_table();
}

void MainWindow::on_dino_xp_real_time_refresh_clicked()
{
    form->dino_xp_refresh_button->setVisible(!form->dino_xp_real_time_refresh->isChecked());
}
