// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_text.h"

#include <QDialog>

namespace Ui {
class GameIniPreview;
}

// Shows the text that Generate would write for the given choices and its ramps drawn whole,
// puts the text or the quillmark-cli command that prints it on the clipboard, reviews a merge
// of its level lines into an existing Game.ini or saves the drawing as a picture.
class GameIniPreview : public QDialog
{
    Q_OBJECT

public:
    GameIniPreview(const GameIniChoices &choices, QWidget *parent = nullptr);
    ~GameIniPreview() override;

private slots:
    void on_btn_copy_clicked();
    void on_btn_copy_command_clicked();
    void on_btn_merge_clicked();
    void on_btn_save_picture_clicked();

private:
    Ui::GameIniPreview *form;
    const GameIniChoices choices;
    const QByteArray text;
};
