// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/game_ini_text.h"

#include <QDialog>

namespace Ui {
class GameIniPreview;
}

// Shows the text that Generate would write for the given choices, puts it on the clipboard
// for a web panel's editor, or merges its level lines into an existing Game.ini.
class GameIniPreview : public QDialog
{
    Q_OBJECT

public:
    GameIniPreview(const GameIniChoices &choices, QWidget *parent = nullptr);
    ~GameIniPreview() override;

private slots:
    void on_btn_copy_clicked();
    void on_btn_merge_clicked();

private:
    Ui::GameIniPreview *form;
    const GameIniChoices choices;
    const QByteArray text;
};
