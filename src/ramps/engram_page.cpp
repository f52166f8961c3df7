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

void MainWindow::apply_player_eng_preset()
{
    // The stock button has no preset of its own and takes the static one.
    const int style =
        style_code(checked_style<GameIniChoices::Engram>(*this)).value_or(EngramStyle::Static);
    apply_scaling_preset(*form->player_eng_difficulty_slider, *form->player_eng_difficulty,
                         engram_preset(style));
    player_eng_style = style;
}

int MainWindow::engram_level_count() const
{
    return form->player_skip->isChecked() ? form->no_player_xp_max_engram_level->value()
                                          : form->player_target_lvl->value();
}

void MainWindow::refresh_player_eng_table()
{
    player_eng_mark->refreshed();
    const auto preview =
        engram_preview(player_eng_style, form->player_eng_difficulty->value(), engram_level_count(),
                       form->player_eng_reverse_mode->isChecked());
    QTableWidget &table = *form->estimated_eng;
    if (!preview) {
        show_dialog<unexpectederror>();
        show_zero_values(table, 1);
        return;
    }
    show_engram_preview(table, *preview);
}

void MainWindow::on_player_eng_curve_clicked()
{
    apply_player_eng_preset();
}
void MainWindow::on_player_eng_mmo_clicked()
{
    apply_player_eng_preset();
}
void MainWindow::on_player_eng_linear_clicked()
{
    apply_player_eng_preset();
}

void MainWindow::on_player_eng_difficulty_slider_valueChanged(int value)
{
    slider_moved(
        player_eng_scale_sync, [&] { form->player_eng_difficulty->setValue(value / 1000.0); },
        form->player_eng_real_time_refresh->isChecked(), [&] { refresh_player_eng_table(); });
}

void MainWindow::on_player_eng_difficulty_valueChanged(double arg1)
{
    spin_changed(player_eng_scale_sync, [&] {
        form->player_eng_difficulty_slider->setValue(static_cast<int>(arg1 * 1000));
    });
}

void MainWindow::on_no_player_xp_max_engram_level_valueChanged(int)
{
    if (form->player_eng_real_time_refresh->isChecked())
        refresh_player_eng_table();
}

void MainWindow::on_player_eng_refresh_button_clicked()
{
    refresh_player_eng_table();
}

void MainWindow::on_player_eng_real_time_refresh_clicked()
{
    form->player_eng_refresh_button->setVisible(!form->player_eng_real_time_refresh->isChecked());
}
