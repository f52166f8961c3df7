// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/game_ini_preview.h"
#include "ui_game_ini_preview.h"

#include "dialogs/lock_wait.h"
#include "dialogs/merge_review.h"
#include "files/replace_file.h"
#include "output/command_line.h"
#include "window_common/last_used_folder.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

QString size_text(const QByteArray &text)
{
    // A last line without a line end counts too.
    const int lines = text.count('\n') + (text.isEmpty() || text.endsWith('\n') ? 0 : 1);
    return GameIniPreview::tr("%1 lines, %2 bytes").arg(lines).arg(text.size());
}

} // namespace

GameIniPreview::GameIniPreview(const GameIniChoices &choices, QWidget *parent)
    : QDialog(parent), form(new Ui::GameIniPreview), choices(choices),
      text(game_ini_text(choices).bytes)
{
    form->setupUi(this);
    form->text_view->setPlainText(QString::fromUtf8(text));
    form->lbl_size->setText(size_text(text));
    form->ramp_plot->set_series(ramp_series(choices));
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
    review_merge(name, choices, this);
}

void GameIniPreview::on_btn_copy_command_clicked()
{
    QGuiApplication::clipboard()->setText(command_line(choices));
    form->btn_copy_command->setText(tr("Copied"));
    QTimer::singleShot(1500, this,
                       [this] { form->btn_copy_command->setText(tr("Copy command line")); });
}

void GameIniPreview::on_btn_save_picture_clicked()
{
    // Next to the Game.ini; the picture's folder is not remembered as the Game.ini's.
    const QString name = QFileDialog::getSaveFileName(
        this, tr("Save picture"), QDir(last_used_folder()).filePath(QStringLiteral("ramps.png")),
        tr("PNG images (*.png)"));
    if (name.isEmpty())
        return;

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    form->ramp_plot->picture().save(&buffer, "PNG");
    WindowLockWait wait(this, name);
    if (const FileWrite saved = write_user_file(name, png, wait.wait()); !saved) {
        QMessageBox report(QMessageBox::Warning, tr("Save picture"),
                           tr("%1 was not saved: %2.").arg(name, saved.reason().reason),
                           QMessageBox::Ok, this);
        report.exec();
    }
}
