// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/replace_question.h"

#include "files/file_names.h"
#include "gameini/game_ini_file.h"
#include "gameini/lines_lost.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReplaceQuestion", text);
}

// "[A], [B] and [C]", with the sections past the first few only counted.
QString listed(QStringList items)
{
    constexpr int kShown = 5;
    if (items.size() > kShown + 1) {
        const int more = int(items.size()) - kShown;
        items = items.mid(0, kShown) << tr("%1 more sections").arg(more);
    }
    if (items.size() < 2)
        return items.join(QString());
    return tr("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.constLast());
}

// The warning sentence; empty when the file holds nothing but level progression.
QString loss(const LinesLost &lost)
{
    if (lost.lines == 0)
        return {};
    QStringList where;
    QStringList sections = lost.sections;
    if (sections.removeAll(QString()) > 0)
        where << tr("above its first section");
    if (!sections.isEmpty())
        where << tr("in %1").arg(listed(sections));
    const QString places = where.join(tr(" and "));
    if (lost.lines == 1)
        return tr("It holds 1 line that is not level progression, %1: replacing it loses that "
                  "line.")
            .arg(places);
    return tr("It holds %1 lines that are not level progression, %2: replacing it loses them.")
        .arg(lost.lines)
        .arg(places);
}

} // namespace

ReplaceAnswer ask_before_replacing(QWidget *parent, const QString &name)
{
    const QFileInfo file(name);
    if (!file.isFile() || !file.isReadable())
        return ReplaceAnswer::Replace;
    // A file that is no Game.ini this program reads is lost whole.
    const auto old = read_game_ini(name);
    const QString warning =
        old ? loss(lines_lost_by_replacing(old->text))
            : tr("It cannot be read as a Game.ini (%1): replacing it loses all of it.")
                  .arg(old.reason());

    QMessageBox question(warning.isEmpty() ? QMessageBox::Question : QMessageBox::Warning,
                         tr("Replace %1?").arg(file.fileName()), QString(), QMessageBox::NoButton,
                         parent);
    question.setObjectName(QStringLiteral("replace_question"));
    QStringList text{tr("%1 already exists.").arg(file.fileName())};
    if (!warning.isEmpty())
        text << warning;
    text << tr("Replacing it keeps the old file as %1. Merging puts the new level lines into it "
               "and keeps everything else.")
                .arg(QFileInfo(backup_name(name)).fileName());
    question.setText(text.join(QStringLiteral("\n\n")));

    QPushButton *merge = question.addButton(tr("Merge into it instead…"), QMessageBox::ActionRole);
    merge->setObjectName(QStringLiteral("btn_merge_instead"));
    QPushButton *replace = question.addButton(tr("Replace it"), QMessageBox::DestructiveRole);
    replace->setObjectName(QStringLiteral("btn_replace"));
    QPushButton *cancel = question.addButton(tr("Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btn_cancel_replace"));
    question.setDefaultButton(cancel);
    question.setEscapeButton(cancel);
    question.exec();

    if (question.clickedButton() == replace)
        return ReplaceAnswer::Replace;
    return question.clickedButton() == merge ? ReplaceAnswer::MergeInstead : ReplaceAnswer::Cancel;
}
