#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/doingitwrong.h"
#include "dialogs/ioerr.h"
#include "dialogs/opcanceled.h"
#include "dialogs/show_dialog.h"
#include "dialogs/thanxforusing.h"
#include "dialogs/unexpectederror.h"
#include "files/user_file.h"
#include "output/game_ini_text.h"

#include <QFileDialog>

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

void MainWindow::on_Gen_btn_clicked()
{
    if (form->player_skip->isChecked() && form->player_eng_skip->isChecked()) {
        show_dialog<doingItWrong>();
        return;
    }
    const QString file_name =
        QFileDialog::getSaveFileName(this, tr("Save File"), QString(), tr("Text Files (*.txt)"));
    if (file_name.isEmpty()) {
        show_dialog<opcanceled>();
        return;
    }

    // Every value is computed afresh from the controls as they stand, never from the previews.
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
    const GameIniText text = game_ini_text(choices);

    // A group without a style is a state the window never allows; the operator decides in
    // the dialog whether the program goes on. Asked before the file is touched, so ending
    // here leaves an existing file as it was.
    for (std::size_t i = 0; i < text.groups_without_style.size(); ++i)
        show_dialog<unexpectederror>();

    // The old file is replaced only once the whole new text is on disk, so the success dialog
    // never stands over a cut-short file.
    if (write_user_file(file_name, text.bytes)) {
        show_dialog<IOerr>();
        return;
    }
    show_dialog<thanxForUsing>();
}
