// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/doingitwrong.h"
#include "dialogs/ioerr.h"
#include "dialogs/lock_wait.h"
#include "dialogs/merge_review.h"
#include "dialogs/opcanceled.h"
#include "dialogs/replace_question.h"
#include "dialogs/show_dialog.h"
#include "dialogs/thanxforusing.h"
#include "dialogs/unexpectederror.h"
#include "files/replace_file.h"
#include "output/game_ini_text.h"
#include "window_common/last_used_folder.h"

#include <QDir>
#include <QFileDialog>

void MainWindow::on_Gen_btn_clicked()
{
    if (nothing_to_generate()) {
        show_dialog<doingItWrong>();
        return;
    }
    // The toolkit's own overwrite question cannot say what the file would lose; ours does.
    const QString file_name = QFileDialog::getSaveFileName(
        this, tr("Save File"), QDir(last_used_folder()).filePath(QStringLiteral("Game.ini")),
        tr("Text Files (*.txt);;INI files (*.ini);;All files (*)"), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (file_name.isEmpty()) {
        show_dialog<opcanceled>();
        return;
    }
    switch (ask_before_replacing(this, file_name)) {
    case ReplaceAnswer::Replace:
        break;
    case ReplaceAnswer::Cancel:
        show_dialog<opcanceled>();
        return;
    case ReplaceAnswer::MergeInstead:
        review_merge(file_name, game_ini_choices(), this);
        return;
    }

    const GameIniText text = game_ini_text(game_ini_choices());

    // A group without a style is a state the window never allows; the operator decides in
    // the dialog whether the program goes on. Asked before the file is touched, so ending
    // here leaves an existing file as it was.
    for (std::size_t i = 0; i < text.groups_without_style.size(); ++i)
        show_dialog<unexpectederror>();

    // The old file is replaced only once the whole new text is on disk, so the success dialog
    // never stands over a cut-short file, and its old text stays in its backup. Another program
    // writing it is waited for.
    WindowLockWait wait(this, file_name);
    const FileWrite written = write_user_file_keeping_backup(file_name, text.bytes, wait.wait());
    if (!written) {
        const FileProblem &problem = written.reason();
        if (problem.kind == FileProblem::Cancelled)
            show_dialog<opcanceled>();
        else
            show_dialog<IOerr>(
                [&problem](IOerr &dialog) { dialog.set_reason(problem.file, problem.reason); });
        return;
    }
    remember_folder_of(file_name);
    show_dialog<thanxForUsing>();
}
