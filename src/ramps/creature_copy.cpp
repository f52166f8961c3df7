// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "mainwindow/style_buttons.h"
#include "ramps/preview_table.h"

void MainWindow::on_copy_player2dino_settings_clicked()
{
    using Creature = GameIniChoices::Creature;
    if (const Creature current = checked_style<Creature>(*this); current != Creature::Unchosen)
        saved_dino_style = current;
    saved_dino_difficulty = form->dino_difficulty->value();
    saved_dino_target_level = form->dino_target_level->value();
    saved_slider_dino_difficulty = form->slider_dino_difficulty->value();
    saved_slider_dino_level = form->slider_dino_level->value();

    // Selecting from code runs no click handler, so no preset and no unlock happen here.
    const Creature copied =
        creature_style_copied_from(checked_style<GameIniChoices::Player>(*this));
    if (copied == Creature::PlayerStock) {
        // The creature buttons have no player stock table: lock the creature ramp to it.
        set_creature_controls_enabled(false);
        dino_locked_to_stock = true;
    } else {
        check_style(*this, copied);
    }
    apply_checked_preset(creature_experience);

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

    check_style(*this, saved_dino_style);
    if (form->dino_skip->isChecked()) {
        // The creature parameters do not apply to the stock option: move on.
        on_btn_next_page_clicked();
        dino_locked_to_stock = true;
    }
    apply_checked_preset(creature_experience);

    form->dino_difficulty->setValue(saved_dino_difficulty);
    form->dino_target_level->setValue(saved_dino_target_level);
    form->slider_dino_difficulty->setValue(saved_slider_dino_difficulty);
    form->slider_dino_level->setValue(saved_slider_dino_level);
    creature_experience.refresh();
    form->btn_revert->hide();
}
