#include "gameini/game_ini_check.h"

#include "gameini/ini_lines.h"

#include <QVector>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Some hosting panels cut longer lines.
constexpr int kLongestLine = 65535;
// Servers are reported to misbehave above the largest 32-bit signed number.
constexpr double kLargestSafeValue = 2147483647.0;

const QString kSection = QString::fromLatin1(GameIniNames::kSectionHeader);

struct Entry {
    qint64 index;
    QByteArray value;
};

// Reads a ramp line's text piece by piece; names are matched without regard to case.
class Reader
{
public:
    explicit Reader(QByteArray text) : text(std::move(text)) {}

    bool take(const QByteArray &word)
    {
        if (text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        at += word.size();
        return true;
    }

    // Digits, with a fraction when `fraction` allows one.
    QByteArray number(bool fraction)
    {
        const int start = at;
        skip_digits();
        if (fraction && at > start && at < text.size() && text[at] == '.') {
            const int point = at++;
            skip_digits();
            if (at == point + 1)
                at = point;
        }
        return text.mid(start, at - start);
    }

    void skip_blanks()
    {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
    }

    bool at_end() const { return at >= text.size(); }
    int column() const { return at + 1; }

private:
    void skip_digits()
    {
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
    }

    const QByteArray text;
    int at = 0;
};

QString entry_name(qint64 index)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(GameIniNames::kEntryName)).arg(index);
}

// The entries of a ramp line, or why the line does not parse.
std::optional<QString> read_ramp(const QByteArray &text, std::vector<Entry> &entries)
{
    const QString expected = QStringLiteral("does not parse at column %1: expected %2");
    Reader reader(text);
    reader.skip_blanks();
    reader.take(GameIniNames::kRampKey);
    reader.skip_blanks();
    if (!reader.take("=") || (reader.skip_blanks(), !reader.take("(")))
        return expected.arg(reader.column()).arg(QStringLiteral("\"=(\""));
    const QByteArray entry_start = QByteArray(GameIniNames::kEntryName) + '[';
    if (!reader.take(")")) {
        do {
            if (!reader.take(entry_start))
                return expected.arg(reader.column()).arg(QLatin1String(entry_start));
            bool whole = false;
            const qint64 index = reader.number(false).toLongLong(&whole);
            if (!whole)
                return expected.arg(reader.column()).arg(QStringLiteral("an index"));
            if (!reader.take("]="))
                return expected.arg(reader.column()).arg(QStringLiteral("\"]=\""));
            const QByteArray value = reader.number(true);
            if (value.isEmpty())
                return expected.arg(reader.column()).arg(QStringLiteral("a number"));
            entries.push_back({index, value});
        } while (reader.take(","));
        if (!reader.take(")"))
            return expected.arg(reader.column()).arg(QStringLiteral("\",\" or \")\""));
    }
    reader.skip_blanks();
    if (!reader.at_end())
        return QStringLiteral("does not parse at column %1: text after \")\"").arg(reader.column());
    return std::nullopt;
}

// The whole-number value of an engram or cap line, or nothing when it does not parse.
std::optional<QByteArray> read_value(const QByteArray &text)
{
    Reader reader(text.mid(text.indexOf('=') + 1));
    reader.skip_blanks();
    const QByteArray value = reader.number(false);
    reader.skip_blanks();
    if (value.isEmpty() || !reader.at_end())
        return std::nullopt;
    return value;
}

class Checker
{
public:
    std::vector<IniProblem> problems;

    void line(int number, const QByteArray &text, bool first_line)
    {
        this->number = number;
        if (text.size() > kLongestLine)
            warn(QStringLiteral("line is %1 characters long; some hosting panels cut lines "
                                "after %2")
                     .arg(text.size())
                     .arg(kLongestLine));
        check_ascii(text, first_line);
        if (is_section_header(text)) {
            section = is_level_section_header(text) ? Section::Level : Section::Other;
            section_name = QString::fromUtf8(text.trimmed());
            return;
        }
        const LevelKey key = level_key(text);
        if (key == LevelKey::None)
            return;
        const QString name = QString::fromUtf8(text.left(text.indexOf('=')).trimmed());
        if (section == Section::None) {
            fail(QStringLiteral("%1 stands before the section header %2; the game ignores it")
                     .arg(name, kSection));
            return;
        }
        if (section == Section::Other) {
            fail(QStringLiteral("%1 stands in section %2, not in %3; the game ignores it")
                     .arg(name, section_name, kSection));
            return;
        }
        if (key == LevelKey::Ramp)
            ramp_line(text, name);
        else
            value_line(text, name, key);
    }

    // Problems that need the whole file.
    void finish()
    {
        if (first_engram_line != 0 && player_entries && engram_lines != *player_entries) {
            number = first_engram_line;
            fail(QStringLiteral("%1 %2 lines, but the player ramp has %3 levels and needs %4, "
                                "one for each level after the first")
                     .arg(engram_lines)
                     .arg(QLatin1String(GameIniNames::kEngramKey))
                     .arg(*player_entries + 1)
                     .arg(*player_entries));
        }
        std::stable_sort(problems.begin(), problems.end(),
                         [](const IniProblem &a, const IniProblem &b) { return a.line < b.line; });
    }

private:
    enum class Section { None, Level, Other };

    void fail(const QString &message) { problems.push_back({number, IniProblem::Error, message}); }
    void warn(const QString &message)
    {
        problems.push_back({number, IniProblem::Warning, message});
    }

    void check_ascii(const QByteArray &text, bool first_line)
    {
        // A UTF-8 byte-order mark at the start of the file is read fine.
        const int from = first_line && text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        const auto found = std::find_if(text.begin() + from, text.end(),
                                        [](char c) { return static_cast<uchar>(c) >= 0x80; });
        if (found == text.end())
            return;
        const int column = static_cast<int>(found - text.begin());
        const QString decoded = QString::fromUtf8(text.mid(column, 4));
        const uint code = decoded.toUcs4().value(0);
        const QString character =
            code != QChar::ReplacementCharacter
                ? QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper()
                : QStringLiteral("byte 0x%1").arg(uchar(text[column]), 2, 16, QLatin1Char('0'));
        fail(
            QStringLiteral("non-ASCII character (%1) at column %2").arg(character).arg(column + 1));
    }

    void ramp_line(const QByteArray &text, const QString &name)
    {
        ++ramp_lines;
        if (ramp_lines == 3)
            fail(QStringLiteral("more than two %1 lines; the game reads the first for players "
                                "and the second for creatures")
                     .arg(name));
        std::vector<Entry> entries;
        if (const auto failure = read_ramp(text, entries)) {
            fail(QStringLiteral("%1 %2").arg(name, *failure));
            return;
        }
        if (entries.empty()) {
            fail(QStringLiteral("%1 has no entries").arg(name));
            return;
        }
        if (ramp_lines == 1)
            player_entries = static_cast<int>(entries.size());
        check_indices(entries);
        check_values(entries);
    }

    void check_indices(const std::vector<Entry> &entries)
    {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const qint64 index = entries[k].index;
            const qint64 expected = static_cast<qint64>(k);
            if (index == expected)
                continue;
            const QString problem =
                index < expected ? QStringLiteral("repeats an index")
                : k == 0         ? QStringLiteral("leaves a gap")
                         : QStringLiteral("leaves a gap after %1").arg(entry_name(expected - 1));
            fail(QStringLiteral("%1 %2; expected %3")
                     .arg(entry_name(index), problem, entry_name(expected)));
            return;
        }
    }

    void check_values(const std::vector<Entry> &entries)
    {
        const auto spelled = [](const Entry &entry) {
            return QStringLiteral("%1=%2").arg(entry_name(entry.index),
                                               QString::fromLatin1(entry.value));
        };
        // The first decrease and the first large value are reported, in line order.
        bool decrease_reported = false;
        bool large_reported = false;
        double previous = 0;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const double value = entries[k].value.toDouble();
            if (k > 0 && !decrease_reported && value < previous) {
                decrease_reported = true;
                fail(QStringLiteral("%1 is less than the level before (%2)")
                         .arg(spelled(entries[k]), QString::fromLatin1(entries[k - 1].value)));
            }
            if (!large_reported && value > kLargestSafeValue) {
                large_reported = true;
                warn(too_large(spelled(entries[k])));
            }
            previous = value;
        }
    }

    void value_line(const QByteArray &text, const QString &name, LevelKey key)
    {
        if (key == LevelKey::Engram) {
            ++engram_lines;
            if (first_engram_line == 0)
                first_engram_line = number;
        }
        const auto value = read_value(text);
        if (!value)
            fail(
                QStringLiteral("%1 does not parse: expected a whole number after \"=\"").arg(name));
        else if (value->toDouble() > kLargestSafeValue)
            warn(too_large(QStringLiteral("%1=%2").arg(name, QString::fromLatin1(*value))));
    }

    static QString too_large(const QString &entry)
    {
        return QStringLiteral("%1 is above 2147483647; servers are reported to misbehave above "
                              "it")
            .arg(entry);
    }

    int number = 0;
    Section section = Section::None;
    QString section_name;
    int ramp_lines = 0;
    std::optional<int> player_entries;
    int engram_lines = 0;
    int first_engram_line = 0;
};

} // namespace

std::vector<IniProblem> check_level_lines(const QByteArray &file)
{
    Checker checker;
    const std::vector<IniLine> lines = ini_lines(file);
    for (std::size_t k = 0; k < lines.size(); ++k)
        checker.line(static_cast<int>(k) + 1, lines[k].text, k == 0);
    checker.finish();
    return std::move(checker.problems);
}
