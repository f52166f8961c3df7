// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_text.h"
#include "ramps/ramp_page.h"
#include "ramps/ramp_styles.h"

#include <QMainWindow>

#include <array>

namespace Ui {
class MainWindow;
}

// The one window: a frameless wizard of nine pages with a help panel beside it. The ramps'
// parameters are the live values of the form's controls; the members below are all the
// state the window adds to them. Its functions are defined in mainwindow/, ramps/ and
// output/; each group below names its file.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // mainwindow/mainwindow.cpp
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    // mainwindow/keyboard.cpp
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    // mainwindow/mainwindow.cpp: the title-bar buttons and the help panel
    void on_btn_walkmethro_clicked();
    void on_pushButton_5_clicked();
    void on_don_btn_clicked();
    void on_GtT_con_clicked();

    // mainwindow/navigation.cpp: the page buttons
    void on_btn_next_page_clicked();
    void on_btn_prev_page_clicked();

    // mainwindow/game_ini_choices.cpp: the text preview
    void on_btn_preview_text_clicked();

    // output/generate.cpp: writing the Game.ini lines to a file
    void on_Gen_btn_clicked();

    // ramps/player_xp_page.cpp: the player experience page
    void on_player_curve_clicked();
    void on_player_mmo_clicked();
    void on_player_linear_clicked();
    void on_player_skip_toggled(bool checked);
    void on_player_target_lvl_valueChanged(int arg1);
    void on_slider_player_max_lvl_valueChanged(int value);
    void on_slider_player_xp_difficulty_valueChanged(int value);
    void on_player_xp_difficulty_valueChanged(double arg1);
    void on_player_xp_refresh_button_clicked();
    void on_player_xp_param_live_refresh_clicked();

    // ramps/engram_page.cpp: the engram points page
    void on_player_eng_curve_clicked();
    void on_player_eng_mmo_clicked();
    void on_player_eng_linear_clicked();
    void on_player_eng_difficulty_slider_valueChanged(int value);
    void on_player_eng_difficulty_valueChanged(double arg1);
    void on_no_player_xp_max_engram_level_valueChanged(int arg1);
    void on_player_eng_refresh_button_clicked();
    void on_player_eng_real_time_refresh_clicked();

    // ramps/creature_page.cpp: the creature experience page
    void on_dino_curve_clicked();
    void on_dino_lin_clicked();
    void on_dino_mmo_clicked();
    void on_dino_skip_clicked();
    void on_slider_dino_difficulty_valueChanged(int value);
    void on_dino_difficulty_valueChanged(double arg1);
    void on_slider_dino_level_valueChanged(int value);
    void on_dino_target_level_valueChanged(int arg1);
    void on_dino_xp_refresh_button_clicked();
    void on_dino_xp_real_time_refresh_clicked();

    // ramps/creature_copy.cpp: copying the player's settings to the creatures, and back
    void on_copy_player2dino_settings_clicked();
    void on_btn_revert_clicked();

private:
    // mainwindow/navigation.cpp: moving between the pages, and the summary page
    void switch_to_page(int page);
    void fill_summary();

    // mainwindow/keyboard.cpp: focus on Next, Return and Alt+arrows for the page buttons
    void set_up_keyboard();

    // mainwindow/game_ini_choices.cpp: what Generate, the text preview and the merge write
    GameIniChoices game_ini_choices() const;
    bool nothing_to_generate() const;

    // ramps/ramp_page_setup.cpp: the ramp pages' records and previews, set up once
    // Each page's controls, found in the form.
    void set_up_ramp_pages();
    // The player experience, engram points and creature experience pages, in this order.
    std::array<RampPage *, 3> ramp_pages();
    // Preview columns that fit their texts, and the marks of previews that are out of date.
    void set_up_previews();

    // ramps/engram_page.cpp: the engram points page
    // The engram preview counts the player's levels, or its own while the player ramp is skipped.
    int engram_level_count() const;

    // ramps/creature_page.cpp: the creature experience page
    // The seven creature parameter controls are locked while the creature ramp follows the
    // player's stock table.
    void set_creature_controls_enabled(bool enabled);
    void choose_creature_style();

    Ui::MainWindow *form;
    int drag_offset_x;
    int drag_offset_y;
    bool help_panel_open;
    int help_panel_shift; // how far opening the help panel moved the window left
    RampPage player_experience;
    RampPage engram_points;
    RampPage creature_experience;
    GameIniChoices::Creature saved_dino_style;
    double saved_dino_difficulty;
    int saved_dino_target_level;
    int saved_slider_dino_difficulty;
    int saved_slider_dino_level;
    bool dino_locked_to_stock;
};
