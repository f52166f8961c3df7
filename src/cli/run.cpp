// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/run.h"

#include "gameini/game_ini_check.h"
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_merge.h"
#include "gameini/ini_lines.h"
#include "gameini/unified_diff.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>
#include <variant>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadInput = 2;

void say(QIODevice &err, const QString &message)
{
    err.write((QStringLiteral("quillmark-cli: ") + message + QLatin1Char('\n')).toLocal8Bit());
}

std::optional<QByteArray> read_file(const QString &name, QString &reason)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

// An existing Game.ini to merge into or check, as it is stored.
std::optional<QByteArray> read_game_ini(const QString &option, const QString &name, QIODevice &err)
{
    QString reason;
    const auto bytes = read_file(name, reason);
    if (!bytes)
        say(err, QStringLiteral("%1: cannot read %2: %3").arg(option, name, reason));
    return bytes;
}

// The file's text as UTF-8, or nothing when its encoding is refused.
std::optional<DecodedGameIni> decoded(const QString &option, const QString &name,
                                      const QByteArray &bytes, QIODevice &err)
{
    auto decoded = decode_game_ini(bytes);
    if (const auto *refusal = std::get_if<QString>(&decoded)) {
        say(err, QStringLiteral("%1: cannot read %2: %3").arg(option, name, *refusal));
        return std::nullopt;
    }
    return std::get<DecodedGameIni>(std::move(decoded));
}

// Replaces the file only once the whole text is on disk.
bool save(const QString &name, const QByteArray &bytes, QIODevice &err)
{
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    say(err, QStringLiteral("cannot write %1: %2").arg(name, file.errorString()));
    return false;
}

int check(const QString &name, QIODevice &out, QIODevice &err)
{
    const QString option = QStringLiteral("--check");
    const auto bytes = read_game_ini(option, name, err);
    const auto file = bytes ? decoded(option, name, *bytes, err) : std::nullopt;
    if (!file)
        return kBadInput;
    bool errors = false;
    for (const IniProblem &problem : check_level_lines(file->text)) {
        const bool error = problem.severity == IniProblem::Error;
        errors = errors || error;
        const QString severity = error ? QStringLiteral("error") : QStringLiteral("warning");
        out.write(QStringLiteral("%1:%2: %3: %4\n")
                      .arg(name, QString::number(problem.line), severity, problem.message)
                      .toLocal8Bit());
    }
    return errors ? kFailed : kDone;
}

// A line of the file for a report, cut short when it is long.
QString quoted_line(const QByteArray &line)
{
    constexpr int kShown = 60;
    const QString text = QString::fromUtf8(line);
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("...");
}

void report_merge(const QString &name, const GameIniMergeReport &report, QIODevice &err)
{
    QStringList lines;
    if (report.corrected_header_line > 0)
        lines << QStringLiteral("corrected %1:%2: the section header to %3")
                     .arg(name)
                     .arg(report.corrected_header_line)
                     .arg(QLatin1String(GameIniNames::kSectionHeader));
    for (const auto &removed : report.removed_lines)
        lines << QStringLiteral("removed %1:%2: %3 outside %4")
                     .arg(name)
                     .arg(removed.line)
                     .arg(quoted_line(removed.text), QLatin1String(GameIniNames::kSectionHeader));
    for (const auto &cap : report.caps) {
        const QString key = QString::fromLatin1(cap.key);
        const QString value = QString::fromLatin1(cap.new_value);
        if (cap.kind == GameIniMergeReport::CapChange::Added)
            lines << QStringLiteral("added %1: %2=%3, the new ramp's last value")
                         .arg(name, key, value);
        else
            lines << QStringLiteral("%1 %2:%3: %4 from %5 to %6, the new ramp's last value")
                         .arg(cap.kind == GameIniMergeReport::CapChange::Raised
                                  ? QStringLiteral("raised")
                                  : QStringLiteral("set"),
                              name)
                         .arg(cap.line)
                         .arg(key, QString::fromUtf8(cap.old_value), value);
    }
    for (const QString &line : lines)
        err.write((line + QLatin1Char('\n')).toLocal8Bit());
}

int merge(const QString &name, const GameIniChoices &choices, bool diff_only, QIODevice &out,
          QIODevice &err)
{
    const QString option = QStringLiteral("--merge-into");
    const auto old = read_game_ini(option, name, err);
    const auto file = old ? decoded(option, name, *old, err) : std::nullopt;
    if (!file)
        return kBadInput;
    const GameIniMerge merged = merge_level_progression(file->text, choices);
    if (diff_only) {
        const QByteArray diff = unified_diff(file->text, merged.text, name);
        return out.write(diff) == diff.size() ? kDone : kFailed;
    }
    report_merge(name, merged.report, err);
    // The old file is safe in FILE.bak before FILE is touched.
    const QString backup = name + QStringLiteral(".bak");
    if (!save(backup, *old, err) || !save(name, encode_game_ini(merged.text, file->encoding), err))
        return kFailed;
    say(err, QStringLiteral("merged into %1: %2; the old file is %3")
                 .arg(name, merge_summary(merged.report), backup));
    return kDone;
}

// Each file on its own; the status is the worst of them.
int merge_all(const CliOptions &options, const GameIniChoices &choices, QIODevice &out,
              QIODevice &err)
{
    int status = kDone;
    for (const QString &name : options.merge_files)
        status = std::max(status, merge(name, choices, options.diff_only, out, err));
    return status;
}

} // namespace

std::optional<QString> custom_code_from_file(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0)
        return std::nullopt;
    // The editor breaks paragraphs at CR LF, CR and the separators, and gives a no-break
    // space back as a blank.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar &c : text) {
        switch (c.unicode()) {
        case '\r':
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator:
        case 0xFDD0: // frame start and end marks
        case 0xFDD1:
            c = QLatin1Char('\n');
            break;
        case QChar::Nbsp:
            c = QLatin1Char(' ');
            break;
        default:
            break;
        }
    }
    return text;
}

int run(const CliOptions &options, QIODevice &out, QIODevice &err)
{
    if (options.mode == CliOptions::Mode::Check)
        return check(options.target_file, out, err);

    GameIniChoices choices = options.choices;
    if (choices.custom_code_enabled) {
        QString reason;
        const auto bytes = read_file(options.custom_code_file, reason);
        if (!bytes) {
            say(err, QStringLiteral("--custom-code: cannot read %1: %2")
                         .arg(options.custom_code_file, reason));
            return kBadInput;
        }
        const auto code = custom_code_from_file(*bytes);
        if (!code) {
            say(err, QStringLiteral("--custom-code: %1 is not UTF-8 text")
                         .arg(options.custom_code_file));
            return kBadInput;
        }
        choices.custom_code = *code;
    }
    if (options.mode == CliOptions::Mode::Merge)
        return merge_all(options, choices, out, err);
    const QByteArray text = game_ini_text(choices).bytes;
    if (options.output_file.isEmpty())
        return out.write(text) == text.size() ? kDone : kFailed;
    return save(options.output_file, text, err) ? kDone : kFailed;
}
