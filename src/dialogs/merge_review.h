// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"
#include "output/game_ini_text.h"

#include <QDialog>

namespace Ui {
class MergeReview;
}

// What merging the level progression into an operator's Game.ini would do, before anything is
// written: the changes in words, the diff and the check that quillmark-cli prints, and the
// file's ramps dashed beside the new ones. Merge writes what quillmark-cli --merge-into
// writes, then says what was done and offers to put the old file back; Cancel writes nothing.
class MergeReview : public QDialog
{
    Q_OBJECT

public:
    MergeReview(const QString &name, const DecodedGameIni &file, const GameIniChoices &choices,
                QWidget *parent = nullptr);
    ~MergeReview() override;

private slots:
    void on_btn_apply_merge_clicked();

private:
    Ui::MergeReview *form;
    const QString name;
    const GameIniChoices choices;
};

// Reads the Game.ini `name` and opens its review over `parent`, or says why it cannot be read.
void review_merge(const QString &name, const GameIniChoices &choices, QWidget *parent);
