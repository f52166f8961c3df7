// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

int MainWindow::engram_level_count() const
{
    return form->player_skip->isChecked() ? engram_points.levels->value()
                                          : player_experience.levels->value();
}

void MainWindow::on_player_eng_curve_clicked()
{
    apply_checked_preset(engram_points);
}
void MainWindow::on_player_eng_mmo_clicked()
{
    apply_checked_preset(engram_points);
}
void MainWindow::on_player_eng_linear_clicked()
{
    apply_checked_preset(engram_points);
}

void MainWindow::on_player_eng_difficulty_slider_valueChanged(int value)
{
    scaling_slider_moved(engram_points, value);
}

void MainWindow::on_player_eng_difficulty_valueChanged(double arg1)
{
    scaling_changed(engram_points, arg1);
}

// The page's own level count has no slider to follow.
void MainWindow::on_no_player_xp_max_engram_level_valueChanged(int arg1)
{
    levels_changed(engram_points, arg1);
}

void MainWindow::on_player_eng_refresh_button_clicked()
{
    engram_points.refresh();
}

void MainWindow::on_player_eng_real_time_refresh_clicked()
{
    real_time_clicked(engram_points);
}
