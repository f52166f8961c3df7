// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "mainwindow/style_buttons.h"
#include "ramps/preview_table.h"

// The style codes set here hold only until the window applies the checked presets.
void MainWindow::set_up_ramp_pages()
{
    RampPage &player = player_experience;
    player.style_buttons = style_buttons<GameIniChoices::Player>(*this);
    player.preset = player_xp_preset;
    // The stock and skip buttons have no preset of their own and take the linear one.
    player.fallback_style = XpStyle::Linear;
    player.levels = form->player_target_lvl;
    player.level_slider = form->slider_player_max_lvl;
    player.scaling = form->player_xp_difficulty;
    player.scaling_slider = form->slider_player_xp_difficulty;
    player.real_time = form->player_xp_param_live_refresh;
    player.refresh_button = form->player_xp_refresh_button;
    player.table = form->estimated_player_xp;
    player.overflow_error = form->lbl_error_player;
    player.overflow_limit = form->lbl_limit_player;
    // No level_sync: the level controls set each other unguarded.
    player.style = XpStyle::Exponential;
    player.refresh = [this] { refresh_xp_preview(player_experience, player_xp_preview); };

    RampPage &engram = engram_points;
    engram.style_buttons = style_buttons<GameIniChoices::Engram>(*this);
    engram.preset = engram_preset;
    // The stock button has no preset of its own and takes the static one.
    engram.fallback_style = EngramStyle::Static;
    // The page's own level count, asked for while the player ramp is skipped.
    engram.levels = form->no_player_xp_max_engram_level;
    engram.scaling = form->player_eng_difficulty;
    engram.scaling_slider = form->player_eng_difficulty_slider;
    engram.real_time = form->player_eng_real_time_refresh;
    engram.refresh_button = form->player_eng_refresh_button;
    engram.table = form->estimated_eng;
    engram.style = EngramStyle::Logarithmic;
    engram.refresh = [this] {
        refresh_engram_preview(engram_points, engram_level_count(),
                               form->player_eng_reverse_mode->isChecked());
    };

    RampPage &creature = creature_experience;
    creature.style_buttons = style_buttons<GameIniChoices::Creature>(*this);
    creature.preset = creature_xp_preset;
    // The stock button has no preset of its own and takes the linear one.
    creature.fallback_style = XpStyle::Linear;
    creature.levels = form->dino_target_level;
    creature.level_slider = form->slider_dino_level;
    creature.scaling = form->dino_difficulty;
    creature.scaling_slider = form->slider_dino_difficulty;
    creature.real_time = form->dino_xp_real_time_refresh;
    creature.refresh_button = form->dino_xp_refresh_button;
    creature.table = form->estimated_dino_xp;
    creature.overflow_error = form->lbl_error_dino;
    creature.overflow_limit = form->lbl_limit_dino;
    // The level pair is guarded: one change refreshes a live preview once.
    creature.level_sync.emplace();
    creature.style = XpStyle::ComplexCurve;
    creature.refresh = [this] { refresh_xp_preview(creature_experience, creature_xp_preview); };
}

std::array<RampPage *, 3> MainWindow::ramp_pages()
{
    return {&player_experience, &engram_points, &creature_experience};
}

void MainWindow::set_up_previews()
{
    for (RampPage *page : ramp_pages())
        fit_preview_columns(*page->table);

    mark_xp_preview_when_stale(player_experience, this);
    // The engram preview also follows the player's level count and the reverse mode.
    mark_when_stale(
        engram_points,
        [this] {
            return QVariantList{engram_level_count(), engram_points.scaling->value(),
                                form->player_eng_reverse_mode->isChecked()};
        },
        {player_experience.levels, engram_points.levels, form->player_skip, engram_points.scaling,
         form->player_eng_reverse_mode},
        this);
    mark_xp_preview_when_stale(creature_experience, this);
}
