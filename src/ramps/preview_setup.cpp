// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "ramps/preview_table.h"
#include "ramps/stale_mark.h"

void MainWindow::set_up_previews()
{
    for (QTableWidget *table :
         {form->estimated_player_xp, form->estimated_eng, form->estimated_dino_xp})
        fit_preview_columns(*table);

    player_xp_mark = new StaleMark(
        *form->estimated_player_xp, *form->player_xp_refresh_button,
        *form->player_xp_param_live_refresh,
        [this] {
            return QVariantList{form->player_target_lvl->value(),
                                form->player_xp_difficulty->value()};
        },
        this);
    player_xp_mark->watch({form->player_target_lvl, form->player_xp_difficulty});

    player_eng_mark = new StaleMark(
        *form->estimated_eng, *form->player_eng_refresh_button, *form->player_eng_real_time_refresh,
        [this] {
            return QVariantList{engram_level_count(), form->player_eng_difficulty->value(),
                                form->player_eng_reverse_mode->isChecked()};
        },
        this);
    player_eng_mark->watch({form->player_target_lvl, form->no_player_xp_max_engram_level,
                            form->player_skip, form->player_eng_difficulty,
                            form->player_eng_reverse_mode});

    dino_xp_mark = new StaleMark(
        *form->estimated_dino_xp, *form->dino_xp_refresh_button, *form->dino_xp_real_time_refresh,
        [this] {
            return QVariantList{form->dino_target_level->value(), form->dino_difficulty->value()};
        },
        this);
    dino_xp_mark->watch({form->dino_target_level, form->dino_difficulty});
}
