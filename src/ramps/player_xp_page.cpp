// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_player_curve_clicked()
{
    apply_checked_preset(player_experience);
}
void MainWindow::on_player_mmo_clicked()
{
    apply_checked_preset(player_experience);
}
void MainWindow::on_player_linear_clicked()
{
    apply_checked_preset(player_experience);
}

void MainWindow::on_player_skip_toggled(bool checked)
{
    // Without a player ramp the engram page asks for its own level count.
    form->no_player_xp_max_engram_level->setVisible(checked);
    form->no_player_xp_notification->setVisible(checked);
}

// The level pair has no guard, so a live preview is computed twice for one change.
void MainWindow::on_player_target_lvl_valueChanged(int arg1)
{
    levels_changed(player_experience, arg1);
}

void MainWindow::on_slider_player_max_lvl_valueChanged(int value)
{
    level_slider_moved(player_experience, value);
}

void MainWindow::on_slider_player_xp_difficulty_valueChanged(int value)
{
    scaling_slider_moved(player_experience, value);
}

void MainWindow::on_player_xp_difficulty_valueChanged(double arg1)
{
    scaling_changed(player_experience, arg1);
}

void MainWindow::on_player_xp_refresh_button_clicked()
{
    player_experience.refresh();
}

void MainWindow::on_player_xp_param_live_refresh_clicked()
{
    real_time_clicked(player_experience);
}
