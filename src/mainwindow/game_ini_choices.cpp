// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/doingitwrong.h"
#include "dialogs/game_ini_preview.h"
#include "dialogs/show_dialog.h"
#include "mainwindow/style_buttons.h"

// Read afresh from the controls as they stand, never from the previews.
GameIniChoices MainWindow::game_ini_choices() const
{
    GameIniChoices choices;
    choices.section_header = form->Add_SS->isChecked();
    choices.player = checked_style<GameIniChoices::Player>(*this);
    choices.player_levels = form->player_target_lvl->value();
    choices.player_scale = form->player_xp_difficulty->value();
    // A lock to the player's stock table holds while the player ramp is the stock table.
    choices.creature = dino_locked_to_stock && choices.player == GameIniChoices::Player::Stock
                           ? GameIniChoices::Creature::PlayerStock
                           : checked_style<GameIniChoices::Creature>(*this);
    choices.creature_levels = form->dino_target_level->value();
    choices.creature_scale = form->dino_difficulty->value();
    choices.engram = checked_style<GameIniChoices::Engram>(*this);
    choices.engram_reverse = form->player_eng_reverse_mode->isChecked();
    choices.engram_scale = form->player_eng_difficulty->value();
    choices.engram_levels_without_player = form->no_player_xp_max_engram_level->value();
    choices.custom_code_enabled = form->Add_CustomCode->isChecked();
    choices.custom_code = form->textInput_custom_code->toPlainText();
    choices.max_xp_overrides = form->Add_MaxXp->isChecked();
    return choices;
}

// The creature ramp cannot be written without the player ramp, so with both the player ramp
// and the engram points skipped only the header and the custom code would remain.
bool MainWindow::nothing_to_generate() const
{
    return form->player_skip->isChecked() && form->player_eng_skip->isChecked();
}

void MainWindow::on_btn_preview_text_clicked()
{
    if (nothing_to_generate()) {
        show_dialog<doingItWrong>();
        return;
    }
    GameIniPreview preview(game_ini_choices(), this);
    preview.setModal(true);
    preview.exec();
}
