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
    RampPage &creature = creature_experience;
    saved_dino_difficulty = creature.scaling->value();
    saved_dino_target_level = creature.levels->value();
    saved_slider_dino_difficulty = creature.scaling_slider->value();
    saved_slider_dino_level = creature.level_slider->value();

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
    apply_checked_preset(creature);

    const RampPage &player = player_experience;
    creature.scaling->setValue(player.scaling->value());
    creature.levels->setValue(player.levels->value());
    creature.scaling_slider->setValue(player.scaling_slider->value());
    creature.level_slider->setValue(player.level_slider->value());

    // The table shows no creature values until the next refresh.
    const QString placeholder = QStringLiteral(" -- ");
    for (int column : {1, 0})
        for (int row = 0; row < 4; ++row)
            set_centred_cell(*creature.table, row, column, placeholder);
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
    RampPage &creature = creature_experience;
    apply_checked_preset(creature);

    creature.scaling->setValue(saved_dino_difficulty);
    creature.levels->setValue(saved_dino_target_level);
    creature.scaling_slider->setValue(saved_slider_dino_difficulty);
    creature.level_slider->setValue(saved_slider_dino_level);
    creature.refresh();
    form->btn_revert->hide();
}
