// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/merge_review.h"
#include "ui_merge_review.h"

#include "dialogs/lock_wait.h"
#include "files/file_names.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "gameini/game_ini_check.h"
#include "gameini/game_ini_file.h"
#include "gameini/merge_account.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSyntaxHighlighter>

namespace {

// Removed lines red, added ones green, hunk headers dim, as diff viewers show them.
class DiffHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString &line) override
    {
        static const QColor kRemoved(0xff, 0x7b, 0x72);
        static const QColor kAdded(0x7e, 0xe7, 0x87);
        static const QColor kDim(0x8b, 0x94, 0x9e);
        const bool header =
            line.startsWith(QLatin1String("---")) || line.startsWith(QLatin1String("+++"));
        if (header || line.startsWith(QLatin1String("@@")))
            setFormat(0, int(line.size()), kDim);
        else if (line.startsWith(QLatin1Char('-')))
            setFormat(0, int(line.size()), kRemoved);
        else if (line.startsWith(QLatin1Char('+')))
            setFormat(0, int(line.size()), kAdded);
    }
};

// The text as the view shows it: each of the file's line ends ends a line.
QString shown_text(const QByteArray &text)
{
    return QString::fromUtf8(text)
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The ramps the file holds now, as the merge read them.
RampSeries file_ramps(const GameIniMergeReport &report)
{
    RampSeries series;
    series.player_xp = report.player_ramp.old_values;
    series.creature_xp = report.creature_ramp.old_values;
    series.engram_points = report.engram_points.old_values;
    series.engram_total = running_total(series.engram_points);
    return series;
}

QString bulleted(const QStringList &lines)
{
    return QStringLiteral("\u2022 ") + lines.join(QStringLiteral("\n\u2022 "));
}

QString custom_code_note(const GameIniChoices &choices)
{
    return choices.custom_code_enabled
               ? MergeReview::tr("\nThe custom code is not merged: copy it into the file "
                                 "yourself.")
               : QString();
}

// Why a file was not written: the failure may be the backup's rather than the file's own.
QString failure_text(const QString &name, const FileProblem &problem, const QString &what)
{
    const QString reason = problem.file == name
                               ? problem.reason
                               : problem.file + QStringLiteral(": ") + problem.reason;
    return what.arg(name, reason);
}

void tell(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

// Writes the backup's bytes over the file through the same safe path as the merge.
void put_back(QWidget *parent, const QString &name, const QString &backup)
{
    const QString title = MergeReview::tr("Put the old file back");
    const auto old = read_user_file(backup, kGameIniMaxBytes);
    if (!old) {
        tell(parent, QMessageBox::Warning, title,
             MergeReview::tr("%1 was not put back: %2: %3.").arg(name, backup, old.reason()));
        return;
    }
    WindowLockWait wait(parent, name);
    if (const FileWrite written = write_user_file(name, *old, wait.wait()); !written) {
        tell(parent, QMessageBox::Warning, title,
             failure_text(name, written.reason(), MergeReview::tr("%1 was not put back: %2.")));
        return;
    }
    tell(parent, QMessageBox::Information, title,
         MergeReview::tr("%1 is back as it was before the merge, byte for byte.").arg(name));
}

// What the merge did, with the way back.
void report_merge(QWidget *parent, const QString &name, const MergedGameIni &merged,
                  const GameIniChoices &choices)
{
    const QString title = MergeReview::tr("Merged into %1").arg(QFileInfo(name).fileName());
    const FileWritten &written = merged.written;
    if (written.how == FileWritten::Unchanged) {
        tell(parent, QMessageBox::Information, title,
             MergeReview::tr("%1 is already up to date: nothing was written.").arg(name));
        return;
    }
    QString text =
        MergeReview::tr("Merged into %1:\n%2\n\nThe file as it was is kept as %3.")
            .arg(name, bulleted(merge_account(merged.merge.report, MergeAccount::Result, name)),
                 QFileInfo(written.backup).fileName());
    if (written.how == FileWritten::RewrittenInPlace)
        text +=
            MergeReview::tr("\nIt %1, so it was rewritten in place.").arg(written.in_place_because);
    text += custom_code_note(choices);

    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("merge_result"));
    QPushButton *undo =
        box.addButton(MergeReview::tr("Put the old file back"), QMessageBox::ResetRole);
    undo->setObjectName(QStringLiteral("btn_undo_merge"));
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == undo)
        put_back(parent, name, written.backup);
}

} // namespace

MergeReview::MergeReview(const QString &name, const DecodedGameIni &file,
                         const GameIniChoices &choices, QWidget *parent)
    : QDialog(parent), form(new Ui::MergeReview), name(name), choices(choices)
{
    form->setupUi(this);
    setWindowTitle(tr("Merge into %1").arg(QFileInfo(name).fileName()));

    const GameIniMerge merge = merge_level_progression(file.text, choices);
    const GameIniMergeReport &report = merge.report;
    if (report.changes_nothing()) {
        form->lbl_changes->setText(
            tr("%1 is already up to date: merging would change nothing.").arg(name));
        form->btn_apply_merge->setEnabled(false);
    } else {
        form->lbl_changes->setText(
            tr("Merging will change %1:\n%2\n\nThe file as it is now will be kept as %3.%4")
                .arg(name, bulleted(merge_account(report, MergeAccount::Review, name)),
                     QFileInfo(backup_name(name)).fileName(), custom_code_note(choices)));
    }

    form->diff_view->setPlainText(shown_text(merge_diff(name, file, merge)));
    new DiffHighlighter(form->diff_view->document());
    const QString problems = check_report(name, check_level_lines(file.text));
    form->check_view->setPlainText(problems.isEmpty() ? tr("No problems found.")
                                                      : shown_text(problems.toUtf8()));
    form->curves_plot->set_series(ramp_series(choices), file_ramps(report));
}

MergeReview::~MergeReview()
{
    delete form;
}

void MergeReview::on_btn_apply_merge_clicked()
{
    WindowLockWait wait(this, name);
    const auto merged = merge_into_file(name, choices, wait.wait());
    // The review closes first: the result is about the file, not this view of it.
    accept();
    if (!merged)
        tell(parentWidget(), QMessageBox::Warning, tr("Merge into Game.ini"),
             failure_text(name, merged.reason(), tr("%1 was not changed: %2.")));
    else
        report_merge(parentWidget(), name, *merged, choices);
}

void review_merge(const QString &name, const GameIniChoices &choices, QWidget *parent)
{
    const auto file = read_game_ini(name);
    if (!file) {
        tell(parent, QMessageBox::Warning, MergeReview::tr("Merge into Game.ini"),
             MergeReview::tr("%1 was not changed: %2.").arg(name, file.reason()));
        return;
    }
    MergeReview review(name, *file, choices, parent);
    review.exec();
}
