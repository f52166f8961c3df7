// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/doingitwrong.h"
#include "dialogs/ioerr.h"
#include "dialogs/lock_wait.h"
#include "dialogs/opcanceled.h"
#include "dialogs/show_dialog.h"
#include "dialogs/thanxforusing.h"
#include "dialogs/unexpectederror.h"
#include "files/replace_file.h"
#include "window_common/last_used_folder.h"
#include "output/game_ini_text.h"

#include <QFileDialog>

void MainWindow::on_Gen_btn_clicked()
{
    if (nothing_to_generate()) {
        show_dialog<doingItWrong>();
        return;
    }
    const QString file_name = QFileDialog::getSaveFileName(
        this, tr("Save File"), last_used_folder(), tr("Text Files (*.txt)"));
    if (file_name.isEmpty()) {
        show_dialog<opcanceled>();
        return;
    }

    const GameIniText text = game_ini_text(game_ini_choices());

    // A group without a style is a state the window never allows; the operator decides in
    // the dialog whether the program goes on. Asked before the file is touched, so ending
    // here leaves an existing file as it was.
    for (std::size_t i = 0; i < text.groups_without_style.size(); ++i)
        show_dialog<unexpectederror>();

    // The old file is replaced only once the whole new text is on disk, so the success dialog
    // never stands over a cut-short file. Another program writing it is waited for.
    WindowLockWait wait(this, file_name);
    const FileWrite written = write_user_file(file_name, text.bytes, wait.wait());
    if (!written) {
        if (written.reason().kind == FileProblem::Cancelled)
            show_dialog<opcanceled>();
        else
            show_dialog<IOerr>();
        return;
    }
    remember_folder_of(file_name);
    show_dialog<thanxForUsing>();
}
