// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "ramps/preview_table.h"

namespace {
// Codes of the creature style saved by a copy.
enum SavedCreatureStyle : int {
    SavedCurve = 1,
    SavedExponential = 2,
    SavedLinear = 3,
    SavedStock = 4
};
} // namespace

void MainWindow::on_copy_player2dino_settings_clicked()
{
    if (form->dino_curve->isChecked())
        saved_dino_style = SavedCurve;
    else if (form->dino_mmo->isChecked())
        saved_dino_style = SavedExponential;
    else if (form->dino_lin->isChecked())
        saved_dino_style = SavedLinear;
    else if (form->dino_skip->isChecked())
        saved_dino_style = SavedStock;
    saved_dino_difficulty = form->dino_difficulty->value();
    saved_dino_target_level = form->dino_target_level->value();
    saved_slider_dino_difficulty = form->slider_dino_difficulty->value();
    saved_slider_dino_level = form->slider_dino_level->value();

    // Selecting from code runs no click handler, so no preset and no unlock happen here.
    if (form->player_curve->isChecked()) {
        form->dino_curve->setChecked(true);
    } else if (form->player_mmo->isChecked()) {
        form->dino_mmo->setChecked(true);
    } else if (form->player_linear->isChecked()) {
        form->dino_lin->setChecked(true);
    } else if (form->player_skip->isChecked()) {
        form->dino_skip->setChecked(true);
    } else if (form->player_stock->isChecked()) {
        // The creature buttons have no player stock table: lock the creature ramp to it.
        set_creature_controls_enabled(false);
        dino_locked_to_stock = true;
    }
    apply_dino_xp_preset();

    form->dino_difficulty->setValue(form->player_xp_difficulty->value());
    form->dino_target_level->setValue(form->player_target_lvl->value());
    form->slider_dino_difficulty->setValue(form->slider_player_xp_difficulty->value());
    form->slider_dino_level->setValue(form->slider_player_max_lvl->value());

    // The table shows no creature values until the next refresh.
    const QString placeholder = QStringLiteral(" -- ");
    for (int column : {1, 0})
        for (int row = 0; row < 4; ++row)
            set_centred_cell(*form->estimated_dino_xp, row, column, placeholder);
    form->btn_revert->show();
}

void MainWindow::on_btn_revert_clicked()
{
    set_creature_controls_enabled(true);
    dino_locked_to_stock = false;

    switch (saved_dino_style) {
    case SavedCurve:
        form->dino_curve->setChecked(true);
        break;
    case SavedExponential:
        form->dino_mmo->setChecked(true);
        break;
    case SavedLinear:
        form->dino_lin->setChecked(true);
        break;
    case SavedStock:
        form->dino_skip->setChecked(true);
        break;
    }
    if (form->dino_skip->isChecked()) {
        // The creature parameters do not apply to the stock option: move on.
        on_btn_next_page_clicked();
        dino_locked_to_stock = true;
    }
    apply_dino_xp_preset();

    form->dino_difficulty->setValue(saved_dino_difficulty);
    form->dino_target_level->setValue(saved_dino_target_level);
    form->slider_dino_difficulty->setValue(saved_slider_dino_difficulty);
    form->slider_dino_level->setValue(saved_slider_dino_level);
    refresh_dino_xp_table();
    form->btn_revert->hide();
}
