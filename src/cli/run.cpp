// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/run.h"

#include "files/file_names.h"
#include "files/read_file.h"
#include "files/replace_file.h"
#include "gameini/game_ini_check.h"
#include "gameini/game_ini_file.h"
#include "gameini/merge_account.h"

#include <QIODevice>
#include <QtGlobal>
// Qt 6 moved QTextCodec out of Qt Core; its QStringDecoder decodes UTF-8 the same way.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif

#include <algorithm>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadInput = 2;

// File names in messages are the bytes given, whatever they hold.
void say(QIODevice &err, const QString &message)
{
    err.write(encode_name(QStringLiteral("quillmark-cli: ") + message + QLatin1Char('\n')));
}

int cannot_read(QIODevice &err, const QString &option, const QString &name, const QString &reason)
{
    say(err, QStringLiteral("%1: cannot read %2: %3").arg(option, name, reason));
    return kBadInput;
}

int cannot_write(QIODevice &err, const QString &name, const QString &reason)
{
    say(err, QStringLiteral("cannot write %1: %2").arg(name, reason));
    return kFailed;
}

int print(const QByteArray &text, QIODevice &err)
{
    const Done printed = write_standard_output(text);
    return printed ? kDone : cannot_write(err, QStringLiteral("standard output"), printed.reason());
}

// Waits for another program's lock on a file as --lock-wait says, telling the operator.
LockWait lock_wait(const CliOptions &options, const QString &name, QIODevice &err)
{
    return {
        options.lock_wait,
        [&err, name] {
            say(err,
                QStringLiteral("waiting for another program to finish with %1\u2026").arg(name));
        },
        {}};
}

// Why a write failed, with the exit status that says whether the file was read.
int not_written(const FileProblem &problem, const QString &option, QIODevice &err)
{
    switch (problem.kind) {
    case FileProblem::NotRead:
    case FileProblem::Refused:
        return cannot_read(err, option, problem.file, problem.reason);
    case FileProblem::InUse:
    case FileProblem::Cancelled:
    case FileProblem::NotWritten:
        break;
    }
    return cannot_write(err, problem.file, problem.reason);
}

// A file rewritten in place instead of replaced is worth a line of its own.
void report_in_place(const QString &name, const FileWritten &written, QIODevice &err)
{
    if (written.how == FileWritten::RewrittenInPlace)
        say(err, QStringLiteral("%1 %2: rewritten in place; the old file is %3")
                     .arg(name, written.in_place_because, written.backup));
}

int write_file(const QString &name, const QByteArray &text, const CliOptions &options,
               QIODevice &err)
{
    const FileWrite written = write_user_file(name, text, lock_wait(options, name, err));
    if (!written)
        return not_written(written.reason(), QStringLiteral("-o"), err);
    report_in_place(name, *written, err);
    return kDone;
}

int check(const QString &name, QIODevice &err)
{
    const auto read = read_game_ini(name);
    if (!read)
        return cannot_read(err, QStringLiteral("--check"), name, read.reason());
    const std::vector<IniProblem> problems = check_level_lines(read->text);
    const int printed = print(encode_name(check_report(name, problems)), err);
    const bool errors = std::any_of(problems.begin(), problems.end(), [](const IniProblem &p) {
        return p.severity == IniProblem::Error;
    });
    return printed != kDone ? printed : errors ? kFailed : kDone;
}

// What merging into `name` would change, as a unified diff; nothing is written.
int diff(const QString &name, const GameIniChoices &choices, QIODevice &err)
{
    const auto read = read_game_ini(name);
    if (!read)
        return cannot_read(err, QStringLiteral("--merge-into"), name, read.reason());
    return print(merge_diff(name, *read, merge_level_progression(read->text, choices)), err);
}

int merge(const QString &name, const GameIniChoices &choices, const CliOptions &options,
          QIODevice &err)
{
    const auto merged = merge_into_file(name, choices, lock_wait(options, name, err));
    if (!merged)
        return not_written(merged.reason(), QStringLiteral("--merge-into"), err);
    if (merged->written.how == FileWritten::Unchanged) {
        say(err, QStringLiteral("%1 is already up to date").arg(name));
        return kDone;
    }
    report_in_place(name, merged->written, err);
    for (const QString &line : merge_account(merged->merge.report, MergeAccount::CommandLine, name))
        err.write(encode_name(line + QLatin1Char('\n')));
    say(err, QStringLiteral("merged into %1: %2; the old file is %3")
                 .arg(name, merge_summary(merged->merge.report), merged->written.backup));
    return kDone;
}

// Each file on its own; the status is the worst of them.
int merge_all(const CliOptions &options, const GameIniChoices &choices, QIODevice &err)
{
    int status = kDone;
    for (const QString &name : options.merge_files)
        status = std::max(status, options.diff_only ? diff(name, choices, err)
                                                    : merge(name, choices, options, err));
    return status;
}

} // namespace

Outcome<QString> custom_code_from_file(const QByteArray &bytes)
{
    // Both skip a leading byte-order mark and count malformed sequences as errors; a sequence
    // cut short at the end is one too, not a start kept for more bytes.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return failure(QStringLiteral("is not UTF-8 text"));
#else
    QTextCodec::ConverterState state;
    QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return failure(QStringLiteral("is not UTF-8 text"));
#endif
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

int run(const CliOptions &options, QIODevice &err)
{
    if (options.mode == CliOptions::Mode::Check)
        return check(options.target_file, err);

    GameIniChoices choices = options.choices;
    if (choices.custom_code_enabled) {
        const auto file = read_user_file(options.custom_code_file, kCustomCodeMaxBytes);
        if (!file)
            return cannot_read(err, QStringLiteral("--custom-code"), options.custom_code_file,
                               file.reason());
        const auto code = custom_code_from_file(*file);
        if (!code) {
            say(err, QStringLiteral("--custom-code: %1 %2")
                         .arg(options.custom_code_file, code.reason()));
            return kBadInput;
        }
        choices.custom_code = *code;
    }
    if (options.mode == CliOptions::Mode::Merge)
        return merge_all(options, choices, err);
    const QByteArray text = game_ini_text(choices).bytes;
    // /dev/stdout is standard output, which may be a pipe that no name leads to.
    if (options.output_file.isEmpty() || options.output_file == QLatin1String("/dev/stdout"))
        return print(text, err);
    return write_file(options.output_file, text, options, err);
}
