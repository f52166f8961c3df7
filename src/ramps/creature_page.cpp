// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::set_creature_controls_enabled(bool enabled)
{
    const RampPage &page = creature_experience;
    for (QWidget *control : std::initializer_list<QWidget *>{
             page.scaling, page.levels, page.real_time, page.refresh_button, page.table,
             page.scaling_slider, page.level_slider})
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
    apply_checked_preset(creature_experience);
}

void MainWindow::on_dino_skip_clicked()
{
    dino_locked_to_stock = false;
}

void MainWindow::on_slider_dino_difficulty_valueChanged(int value)
{
    scaling_slider_moved(creature_experience, value);
}

void MainWindow::on_dino_difficulty_valueChanged(double arg1)
{
    scaling_changed(creature_experience, arg1);
}

void MainWindow::on_slider_dino_level_valueChanged(int value)
{
    level_slider_moved(creature_experience, value);
}

void MainWindow::on_dino_target_level_valueChanged(int arg1)
{
    levels_changed(creature_experience, arg1);
}

void MainWindow::on_dino_xp_refresh_button_clicked()
{
    creature_experience.refresh();
}

void MainWindow::on_dino_xp_real_time_refresh_clicked()
{
    real_time_clicked(creature_experience);
}
