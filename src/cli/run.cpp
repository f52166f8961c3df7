#include "cli/run.h"

#include "gameini/game_ini_check.h"
#include "gameini/game_ini_merge.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

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

// An existing Game.ini to merge into or check, refused unless it is ASCII or UTF-8: the lines
// of a UTF-16 file cannot be told apart byte by byte.
std::optional<QByteArray> read_game_ini(const QString &option, const QString &name, QIODevice &err)
{
    QString reason;
    const auto bytes = read_file(name, reason);
    if (!bytes)
        say(err, QStringLiteral("%1: cannot read %2: %3").arg(option, name, reason));
    else if (bytes->startsWith("\xFF\xFE") || bytes->startsWith("\xFE\xFF"))
        say(err,
            QStringLiteral("%1: %2 is UTF-16 text; only ASCII or UTF-8 is read").arg(option, name));
    else
        return bytes;
    return std::nullopt;
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
    const auto bytes = read_game_ini(QStringLiteral("--check"), name, err);
    if (!bytes)
        return kBadInput;
    bool errors = false;
    for (const IniProblem &problem : check_level_lines(*bytes)) {
        const bool error = problem.severity == IniProblem::Error;
        errors = errors || error;
        const QString severity = error ? QStringLiteral("error") : QStringLiteral("warning");
        out.write(QStringLiteral("%1:%2: %3: %4\n")
                      .arg(name, QString::number(problem.line), severity, problem.message)
                      .toLocal8Bit());
    }
    return errors ? kFailed : kDone;
}

int merge(const QString &name, const QByteArray &level_lines, bool replace_caps, QIODevice &err)
{
    const auto old = read_game_ini(QStringLiteral("--merge-into"), name, err);
    if (!old)
        return kBadInput;
    const QByteArray merged = merge_level_lines(*old, level_lines, replace_caps);
    // The old file is safe in FILE.bak before FILE is touched.
    return save(name + QStringLiteral(".bak"), *old, err) && save(name, merged, err) ? kDone
                                                                                     : kFailed;
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
    const QByteArray text = game_ini_text(choices).bytes;

    if (options.mode == CliOptions::Mode::Merge)
        return merge(options.target_file, text, choices.max_xp_overrides, err);
    if (options.output_file.isEmpty())
        return out.write(text) == text.size() ? kDone : kFailed;
    return save(options.output_file, text, err) ? kDone : kFailed;
}
