#include "cli/run.h"

#include "files/user_file.h"
#include "output/game_ini_check.h"
#include "output/game_ini_file.h"

#include <QIODevice>
#include <QTextCodec>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadInput = 2;

void say(QIODevice &err, const QString &message)
{
    err.write((QStringLiteral("quillmark-cli: ") + message + QLatin1Char('\n')).toLocal8Bit());
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
    const auto failed = write_standard_output(text);
    return failed ? cannot_write(err, QStringLiteral("standard output"), *failed) : kDone;
}

int check(const QString &name, QIODevice &err)
{
    const BytesOrReason file = read_game_ini(name);
    if (!file.bytes)
        return cannot_read(err, QStringLiteral("--check"), name, file.reason);
    bool errors = false;
    QString report;
    for (const IniProblem &problem : check_level_lines(*file.bytes)) {
        const bool error = problem.severity == IniProblem::Error;
        errors = errors || error;
        const QString severity = error ? QStringLiteral("error") : QStringLiteral("warning");
        report += QStringLiteral("%1:%2: %3: %4\n")
                      .arg(name, QString::number(problem.line), severity, problem.message);
    }
    const int printed = print(report.toLocal8Bit(), err);
    return printed != kDone ? printed : errors ? kFailed : kDone;
}

int merge(const QString &name, const QByteArray &level_lines, bool replace_caps, QIODevice &err)
{
    const FileEdit edit = merge_into_file(name, level_lines, replace_caps);
    switch (edit.outcome) {
    case FileEdit::Done:
        return kDone;
    case FileEdit::NotRead:
    case FileEdit::Refused:
        return cannot_read(err, QStringLiteral("--merge-into"), edit.file, edit.reason);
    case FileEdit::NotWritten:
        break;
    }
    return cannot_write(err, edit.file, edit.reason);
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

int run(const CliOptions &options, QIODevice &err)
{
    if (options.mode == CliOptions::Mode::Check)
        return check(options.target_file, err);

    GameIniChoices choices = options.choices;
    if (choices.custom_code_enabled) {
        const BytesOrReason file = read_user_file(options.custom_code_file, kCustomCodeMaxBytes);
        if (!file.bytes)
            return cannot_read(err, QStringLiteral("--custom-code"), options.custom_code_file,
                               file.reason);
        const auto code = custom_code_from_file(*file.bytes);
        if (!code) {
            say(err, QStringLiteral("--custom-code: %1 is not UTF-8 text")
                         .arg(options.custom_code_file));
            return kBadInput;
        }
        choices.custom_code = *code;
    }
    const QByteArray text = game_ini_text(choices).bytes;

    if (options.mode == CliOptions::Mode::Merge)
        return merge(options.target_file, text, choices.max_xp_overrides, err);
    if (options.output_file.isEmpty())
        return print(text, err);
    const auto failed = write_user_file(options.output_file, text);
    return failed ? cannot_write(err, options.output_file, *failed) : kDone;
}
