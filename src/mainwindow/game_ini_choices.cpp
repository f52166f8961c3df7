// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/doingitwrong.h"
#include "dialogs/game_ini_preview.h"
#include "dialogs/show_dialog.h"

namespace {
using Choices = GameIniChoices;

Choices::Player player_ramp(const Ui::MainWindow &form)
{
    if (form.player_curve->isChecked())
        return Choices::Player::ComplexCurve;
    if (form.player_linear->isChecked())
        return Choices::Player::Linear;
    if (form.player_mmo->isChecked())
        return Choices::Player::Exponential;
    if (form.player_stock->isChecked())
        return Choices::Player::Stock;
    if (form.player_skip->isChecked())
        return Choices::Player::Skip;
    return Choices::Player::Unchosen;
}

Choices::Creature creature_ramp(const Ui::MainWindow &form)
{
    if (form.dino_curve->isChecked())
        return Choices::Creature::ComplexCurve;
    if (form.dino_lin->isChecked())
        return Choices::Creature::Linear;
    if (form.dino_mmo->isChecked())
        return Choices::Creature::Exponential;
    if (form.dino_skip->isChecked())
        return Choices::Creature::Stock;
    return Choices::Creature::Unchosen;
}

// Note the labels: player_eng_mmo reads "Linear", player_eng_linear reads "Static".
Choices::Engram engram_ramp(const Ui::MainWindow &form)
{
    if (form.player_eng_curve->isChecked())
        return Choices::Engram::Logarithmic;
    if (form.player_eng_linear->isChecked())
        return Choices::Engram::Static;
    if (form.player_eng_mmo->isChecked())
        return Choices::Engram::Linear;
    if (form.player_eng_skip->isChecked())
        return Choices::Engram::Stock;
    return Choices::Engram::Unchosen;
}
} // namespace

// Read afresh from the controls as they stand, never from the previews.
GameIniChoices MainWindow::game_ini_choices() const
{
    Choices choices;
    choices.section_header = form->Add_SS->isChecked();
    choices.player = player_ramp(*form);
    choices.player_levels = form->player_target_lvl->value();
    choices.player_scale = form->player_xp_difficulty->value();
    choices.creature = creature_ramp(*form);
    choices.creature_locked_to_stock = dino_locked_to_stock;
    choices.creature_levels = form->dino_target_level->value();
    choices.creature_scale = form->dino_difficulty->value();
    choices.engram = engram_ramp(*form);
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
