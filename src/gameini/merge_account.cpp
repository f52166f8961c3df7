// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameini/merge_account.h"

#include "gameini/ini_lines.h"

#include <QStringList>

#include <algorithm>

namespace {

QString counted(int count, const char *what)
{
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(what))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

// A line of the file for a report, cut short when it is long.
QString quoted_line(const QByteArray &line)
{
    constexpr int kShown = 60;
    const QString text = QString::fromUtf8(line);
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("...");
}

QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.constLast();
}

} // namespace

QString merge_summary(const GameIniMergeReport &report)
{
    QStringList replaced;
    const auto note_replaced = [&replaced](const GameIniMergeReport::Block &block,
                                           const char *what) {
        if (block.replaced_lines() > 0)
            replaced << counted(block.replaced_lines(), what);
    };
    note_replaced(report.player_ramp, "player ramp line");
    note_replaced(report.creature_ramp, "creature ramp line");
    note_replaced(report.engram_points, "engram line");
    int raised = 0;
    int set = 0;
    for (const auto &cap : report.caps) {
        raised += cap.kind == GameIniMergeReport::CapChange::Raised;
        set += cap.kind == GameIniMergeReport::CapChange::Set;
    }
    QStringList done;
    if (!replaced.isEmpty())
        done << QStringLiteral("replaced ") + listed(replaced);
    if (report.added_lines > 0)
        done << QStringLiteral("added ") + counted(report.added_lines, "line");
    if (raised > 0)
        done << QStringLiteral("raised ") + counted(raised, "cap");
    if (set > 0)
        done << QStringLiteral("set ") + counted(set, "cap");
    if (!report.removed_lines.empty())
        done << QStringLiteral("removed ") +
                    counted(int(report.removed_lines.size()), "stray line");
    const int removed_caps =
        int(std::count_if(report.caps.begin(), report.caps.end(), [](const auto &cap) {
            return cap.kind == GameIniMergeReport::CapChange::Removed;
        }));
    if (removed_caps > 0)
        done << QStringLiteral("removed ") + counted(removed_caps, "creature cap");
    if (report.corrected_header_line > 0)
        done << QStringLiteral("corrected the section header");
    return done.isEmpty() ? QStringLiteral("nothing to change") : done.join(QStringLiteral("; "));
}

namespace {

using Block = GameIniMergeReport::Block;
using Cap = GameIniMergeReport::CapChange;

QString lines_text(int count)
{
    return counted(count, "line");
}

QString levels_text(const Block &block)
{
    if (!block.old_readable)
        return QStringLiteral("unreadable");
    return QStringLiteral("%1 levels").arg(block.old_values.size() + 1);
}

// "1 line, 104 levels → 150 levels"; the line count again when it changes.
QString ramp_change(const Block &block, const QString &arrow, const QString &gone)
{
    if (block.old_lines == 0)
        return QStringLiteral("added, %1 levels").arg(block.new_levels);
    const QString old = lines_text(block.old_lines) + QStringLiteral(", ") + levels_text(block);
    if (block.new_lines == 0)
        return old + arrow + gone;
    const QString lines =
        block.new_lines == block.old_lines ? QString() : lines_text(block.new_lines) + ", ";
    return old + arrow + lines + QStringLiteral("%1 levels").arg(block.new_levels);
}

// "6 lines replaced, 143 added": the old lines take the new ones' place.
QString engram_change(const Block &block)
{
    const int replaced = std::min(block.old_lines, block.new_lines);
    QStringList parts;
    if (replaced > 0)
        parts << lines_text(replaced) + QStringLiteral(" replaced");
    if (block.new_lines > replaced)
        parts << (replaced > 0 ? QString::number(block.new_lines - replaced)
                               : lines_text(block.new_lines)) +
                     QStringLiteral(" added");
    if (block.old_lines > replaced)
        parts << (replaced > 0 ? QString::number(block.old_lines - replaced)
                               : lines_text(block.old_lines)) +
                     QStringLiteral(" removed");
    return parts.join(QStringLiteral(", "));
}

QString why(const Cap &cap)
{
    const bool readable =
        cap_value(std::string_view(cap.old_value.constData(), size_t(cap.old_value.size())))
            .has_value();
    switch (cap.kind) {
    case Cap::Raised:
        return readable ? QStringLiteral("raised: below the new ramp's top")
                        : QStringLiteral("raised: the game cannot read it");
    case Cap::Set:
        return QStringLiteral("set: the caps box is ticked");
    case Cap::Added:
        return QStringLiteral("added: the caps box is ticked");
    case Cap::Removed:
        break;
    }
    return readable ? QStringLiteral("removed: no creature level could be gained below the "
                                     "game's own creature ramp")
                    : QStringLiteral("removed: the game cannot read it, and no creature ramp is "
                                     "written to cap");
}

QString where(const QByteArray &section)
{
    return section.isEmpty() ? QStringLiteral("before any section")
                             : QStringLiteral("in %1").arg(QString::fromUtf8(section));
}

// For the window: plain words, arrows and the reasons.
QStringList window_account(const GameIniMergeReport &report, bool done)
{
    const QString arrow = QStringLiteral(" \u2192 ");
    const QString section = QLatin1String(GameIniNames::kSectionHeader);
    QStringList lines;
    if (report.corrected_header_line > 0)
        lines << QStringLiteral("Line %1: section header %2 %3 %4")
                     .arg(report.corrected_header_line)
                     .arg(QString::fromUtf8(report.corrected_header),
                          done ? QStringLiteral("corrected to") : QStringLiteral("will become"),
                          section);
    if (report.player_ramp.changed)
        lines << QStringLiteral("Player ramp: ") +
                     ramp_change(report.player_ramp, arrow, QStringLiteral("none"));
    if (report.creature_ramp.changed)
        lines << QStringLiteral("Creature ramp: ") +
                     ramp_change(report.creature_ramp, arrow,
                                 QStringLiteral("none (the game's own creature levels)"));
    if (report.engram_points.changed)
        lines << QStringLiteral("Engram points: ") + engram_change(report.engram_points);
    for (const Cap &cap : report.caps) {
        const QString key = QString::fromLatin1(cap.key);
        const QString old = QString::fromUtf8(cap.old_value);
        const QString value = QString::fromLatin1(cap.new_value);
        if (cap.kind == Cap::Added)
            lines << QStringLiteral("%1: %2 (%3)").arg(key, value, why(cap));
        else
            lines << QStringLiteral("%1, line %2: %3%4%5 (%6)")
                         .arg(key, QString::number(cap.line), old, arrow,
                              cap.kind == Cap::Removed ? QStringLiteral("none") : value, why(cap));
    }
    for (const auto &removed : report.removed_lines)
        lines << QStringLiteral("Line %1 %2: %3, %4, where the game ignores it")
                     .arg(QString::number(removed.line),
                          done ? QStringLiteral("removed") : QStringLiteral("will be removed"),
                          quoted_line(removed.text), where(removed.section));
    return lines;
}

// For standard error: "VERB FILE:LINE: WHAT", in ASCII.
QStringList command_line_account(const GameIniMergeReport &report, const QString &name)
{
    const QString to = QStringLiteral(" to ");
    const QString section = QLatin1String(GameIniNames::kSectionHeader);
    QStringList lines;
    if (report.corrected_header_line > 0)
        lines << QStringLiteral("corrected %1:%2: the section header %3 to %4")
                     .arg(name)
                     .arg(report.corrected_header_line)
                     .arg(QString::fromUtf8(report.corrected_header), section);
    const auto ramp = [&](const Block &block, const QString &what, const QString &gone) {
        if (!block.changed)
            return;
        lines << (block.old_lines == 0 ? QStringLiteral("added %1: %2, %3 levels")
                                             .arg(name, what)
                                             .arg(block.new_levels)
                                       : QStringLiteral("%1 %2:%3: %4, %5")
                                             .arg(block.new_lines == 0 ? QStringLiteral("removed")
                                                                       : QStringLiteral("replaced"),
                                                  name)
                                             .arg(block.first_line)
                                             .arg(what, ramp_change(block, to, gone)));
    };
    ramp(report.player_ramp, QStringLiteral("player ramp"), QStringLiteral("none"));
    ramp(report.creature_ramp, QStringLiteral("creature ramp"),
         QStringLiteral("none, the game's own creature levels"));
    if (report.engram_points.changed)
        lines << (report.engram_points.old_lines == 0
                      ? QStringLiteral("added %1: engram points, %2").arg(name)
                      : QStringLiteral("replaced %1:%2: engram points, %3")
                            .arg(name)
                            .arg(report.engram_points.first_line))
                     .arg(engram_change(report.engram_points));
    for (const auto &removed : report.removed_lines)
        lines << QStringLiteral("removed %1:%2: %3 outside %4, %5")
                     .arg(name)
                     .arg(removed.line)
                     .arg(quoted_line(removed.text), section, where(removed.section));
    for (const Cap &cap : report.caps) {
        const QString key = QString::fromLatin1(cap.key);
        const QString value = QString::fromLatin1(cap.new_value);
        if (cap.kind == Cap::Added)
            lines << QStringLiteral("added %1: %2=%3, the new ramp's last value")
                         .arg(name, key, value);
        else if (cap.kind == Cap::Removed)
            lines << QStringLiteral("removed %1:%2: %3=%4: unreadable, or too small for any "
                                    "creature level")
                         .arg(name)
                         .arg(cap.line)
                         .arg(key, QString::fromUtf8(cap.old_value));
        else
            lines << QStringLiteral("%1 %2:%3: %4 from %5 to %6, the new ramp's last value")
                         .arg(cap.kind == Cap::Raised ? QStringLiteral("raised")
                                                      : QStringLiteral("set"),
                              name)
                         .arg(cap.line)
                         .arg(key, QString::fromUtf8(cap.old_value), value);
    }
    return lines;
}

} // namespace

QStringList merge_account(const GameIniMergeReport &report, MergeAccount reader,
                          const QString &file)
{
    return reader == MergeAccount::CommandLine
               ? command_line_account(report, file)
               : window_account(report, reader == MergeAccount::Result);
}
