// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_ini_preview.h"
#include "ui_game_ini_preview.h"

#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"
#include "mainwindow/last_used_folder.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QTimer>

namespace {

QString size_text(const QByteArray &text)
{
    // A last line without a line end counts too.
    const int lines = text.count('\n') + (text.isEmpty() || text.endsWith('\n') ? 0 : 1);
    return GameIniPreview::tr("%1 lines, %2 bytes").arg(lines).arg(text.size());
}

struct MergeOutcome {
    bool merged = false;
    QString message;
};

bool save(const QString &name, const QByteArray &bytes, QString &reason)
{
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    reason = file.errorString();
    return false;
}

// The dialog's whole merge: puts the level lines of `choices` into the Game.ini `name`, keeping
// the file as it was in NAME.bak. The file keeps its own section header, and custom code is
// never merged.
MergeOutcome merge_into_game_ini(const QString &name, const GameIniChoices &choices)
{
    GameIniChoices level_lines = choices;
    level_lines.section_header = false;
    level_lines.custom_code_enabled = false;

    const auto failed = [&name](const QString &reason) {
        return MergeOutcome{false, GameIniPreview::tr("%1 was not changed: %2.").arg(name, reason)};
    };
    QFile file(name);
    if (!QFileInfo(name).isFile())
        return failed(GameIniPreview::tr("it is not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    const QByteArray old = file.readAll();
    auto decoded = decode_game_ini(old);
    if (const auto *refusal = std::get_if<QString>(&decoded))
        return failed(*refusal);
    const auto &text = std::get<DecodedGameIni>(decoded);
    const GameIniMerge merged = merge_level_progression(text.text, level_lines);
    const QString backup = name + QStringLiteral(".bak");
    QString reason;
    if (!save(backup, old, reason) ||
        !save(name, encode_game_ini(merged.text, text.encoding), reason))
        return failed(reason);
    return {true, GameIniPreview::tr("Merged into %1: %2.\nThe file as it was is kept as %3.")
                      .arg(name, merge_summary(merged.report), QFileInfo(backup).fileName())};
}

} // namespace

GameIniPreview::GameIniPreview(const GameIniChoices &choices, QWidget *parent)
    : QDialog(parent), form(new Ui::GameIniPreview), choices(choices),
      text(game_ini_text(choices).bytes)
{
    form->setupUi(this);
    form->text_view->setPlainText(QString::fromUtf8(text));
    form->lbl_size->setText(size_text(text));
}

GameIniPreview::~GameIniPreview()
{
    delete form;
}

void GameIniPreview::on_btn_copy_clicked()
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    form->btn_copy->setText(tr("Copied"));
    QTimer::singleShot(1500, this, [this] { form->btn_copy->setText(tr("Copy")); });
}

void GameIniPreview::on_btn_merge_clicked()
{
    const QString name =
        QFileDialog::getOpenFileName(this, tr("Merge into Game.ini"), last_used_folder(),
                                     tr("Game.ini (Game.ini);;INI files (*.ini);;All files (*)"));
    if (name.isEmpty())
        return;
    remember_folder_of(name);

    MergeOutcome outcome = merge_into_game_ini(name, choices);
    if (outcome.merged && choices.custom_code_enabled)
        outcome.message += tr("\nThe custom code is not merged: copy it into the file yourself.");
    QMessageBox report(outcome.merged ? QMessageBox::Information : QMessageBox::Warning,
                       tr("Merge into Game.ini"), outcome.message, QMessageBox::Ok, this);
    report.exec();
}
