// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_common/last_used_folder.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kKey = QStringLiteral("files/last_used_folder");
}

QString last_used_folder()
{
    const QString folder = QSettings().value(kKey).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void remember_folder_of(const QString &file_name)
{
    QSettings().setValue(kKey, QFileInfo(file_name).absolutePath());
}
