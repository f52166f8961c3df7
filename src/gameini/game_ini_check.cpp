// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameini/game_ini_check.h"

#include "gameini/ini_lines.h"
#include "output/written_values.h"

#include <QStringList>
#include <QVector>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

// Some hosting panels cut longer lines.
constexpr int kLongestLine = 65535;
// Servers are reported to misbehave above the largest 32-bit signed number.
constexpr double kLargestSafeValue = 2147483647.0;

const QString kSection = QString::fromLatin1(GameIniNames::kSectionHeader);

const std::string_view kLevelKeys[] = {GameIniNames::kRampKey, GameIniNames::kEngramKey,
                                       GameIniNames::kPlayerCapKey, GameIniNames::kCreatureCapKey};

// Keys the server reads from GameUserSettings.ini's [ServerSettings] only.
const std::string_view kServerSettingsKeys[] = {"XPMultiplier",
                                                "OverrideOfficialDifficulty",
                                                "DifficultyOffset",
                                                "ServerPassword",
                                                "ServerAdminPassword",
                                                "SpectatorPassword",
                                                "RCONEnabled",
                                                "RCONPort",
                                                "ServerPVE",
                                                "ServerHardcore",
                                                "ServerCrosshair",
                                                "AllowThirdPersonPlayer",
                                                "ShowMapPlayerLocation",
                                                "TamingSpeedMultiplier",
                                                "HarvestAmountMultiplier",
                                                "DayCycleSpeedScale",
                                                "DayTimeSpeedScale",
                                                "NightTimeSpeedScale",
                                                "PlayerDamageMultiplier",
                                                "DinoDamageMultiplier",
                                                "StructureDamageMultiplier",
                                                "PlayerCharacterFoodDrainMultiplier",
                                                "PlayerCharacterWaterDrainMultiplier",
                                                "DinoCharacterFoodDrainMultiplier",
                                                "MaxTamedDinos",
                                                "AllowFlyerCarryPvE",
                                                "AlwaysAllowStructurePickup"};

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

QString entry_name(qint64 index)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(GameIniNames::kEntryName)).arg(index);
}

// The indices of up to three entries, "[4], [9], [12], …" for more.
QString first_indices(const std::vector<RampEntry> &entries, const std::vector<std::size_t> &which)
{
    QStringList listed;
    for (std::size_t k = 0; k < which.size() && k < 3; ++k)
        listed << QStringLiteral("[%1]").arg(entries[which[k]].index);
    if (which.size() > 3)
        listed << QStringLiteral("\u2026");
    return listed.join(QStringLiteral(", "));
}

// A warning for a character that looks like nothing, a space or a digit but is none that
// the game reads as such; empty for other characters.
QString look_alike(uint code, int column)
{
    const auto message = [code, column](const char *kind, const QString &name, const char *effect) {
        return QStringLiteral("%1 character U+%2 (%3) at column %4 of a setting; %5")
            .arg(QLatin1String(kind),
                 QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper(), name,
                 QString::number(column), QLatin1String(effect));
    };
    for (const InvisibleCharacter &invisible : kInvisibleCharacters) {
        if (invisible.code == code)
            return message(invisible.blank_like ? "look-alike" : "invisible",
                           QLatin1String(invisible.name), "some servers misread it");
    }
    if (code >= 0x80 && QChar::isDigit(code))
        return message("look-alike", QStringLiteral("digit %1").arg(QChar::digitValue(code)),
                       "only the digits 0-9 are read as numbers");
    return {};
}

QString too_large(const QString &entry)
{
    return QStringLiteral("%1 is above 2147483647; servers are reported to misbehave above it")
        .arg(entry);
}

class Checker
{
public:
    std::vector<IniProblem> problems;

    void line(const IniLine &at, std::string_view text)
    {
        number = at.number;
        if (open_ramp) {
            if (is_ramp_continuation(text)) {
                open_ramp->continued_from =
                    open_ramp->continued_from ? open_ramp->continued_from : number;
                open_ramp->continued_to = number;
                if (trimmed(text).back() == ')')
                    report_open_ramp();
                return;
            }
            report_open_ramp();
        }
        if (text.size() > kLongestLine)
            warn(QStringLiteral("line is %1 characters long; some hosting panels cut lines "
                                "after %2")
                     .arg(text.size())
                     .arg(kLongestLine));
        if (is_section_header(text)) {
            header(text);
            return;
        }
        if (!is_setting(text))
            return; // comments and other lines the game ignores
        check_characters(text);
        if (section == SectionKind::Level)
            note_value(text);
        const LevelKey key = level_key(text);
        const std::string_view name = setting_key(text);
        if (key == LevelKey::None) {
            other_setting(name, text);
            return;
        }
        if (section == SectionKind::GameWritten)
            return;
        if (!in_any_section) {
            fail(QStringLiteral("%1 stands before the section header %2; the game ignores it")
                     .arg(text_of(name), kSection));
            return;
        }
        if (section == SectionKind::Other) {
            fail(QStringLiteral("%1 stands in section %2, not in %3; the game ignores it")
                     .arg(text_of(name), section_name, kSection));
            return;
        }
        switch (key) {
        case LevelKey::Ramp:
            ramp_line(text, name);
            break;
        case LevelKey::Engram:
            engram_lines.push_back(number);
            value_line(text, name);
            break;
        default:
            caps.push_back({number, key, text_of(name), value_line(text, name)});
            break;
        }
    }

    // Problems that need the whole file.
    void finish()
    {
        if (open_ramp)
            report_open_ramp();
        check_engram_count();
        for (const Cap &cap : caps)
            check_cap(cap);
        check_repeated_settings();
        std::stable_sort(problems.begin(), problems.end(),
                         [](const IniProblem &a, const IniProblem &b) { return a.line < b.line; });
    }

private:
    struct Cap {
        int line;
        LevelKey key;
        QString name;
        std::optional<double> value;
    };

    // A ramp line opened with "(" and not closed; whether lines after it continue it decides
    // its error.
    struct OpenRamp {
        int line;
        QString message;
        int continued_from = 0;
        int continued_to = 0;
    };

    struct Given {
        int line;
        QString key;
        QString value;
    };

    void fail(const QString &message) { problems.push_back({number, IniProblem::Error, message}); }
    void warn(const QString &message)
    {
        problems.push_back({number, IniProblem::Warning, message});
    }

    void header(std::string_view text)
    {
        in_any_section = true;
        section = section_kind(text);
        section_name = text_of(trimmed(text));
        if (section == SectionKind::Other && near_miss(trimmed(text), GameIniNames::kSectionHeader))
            warn(QStringLiteral("section %1: did you mean %2?").arg(section_name, kSection));
    }

    void other_setting(std::string_view name, std::string_view text)
    {
        if (section == SectionKind::Level && same_name(name, GameIniNames::kAutoUnlockKey))
            engrams_unlocked = same_name(setting_value(text), "True");
        for (const std::string_view level : kLevelKeys) {
            if (near_miss(name, level)) {
                warn(QStringLiteral("%1 is no key the game reads; did you mean %2?")
                         .arg(text_of(name), text_of(level)));
                return;
            }
        }
        for (const std::string_view elsewhere : kServerSettingsKeys) {
            if (same_name(name, elsewhere)) {
                warn(QStringLiteral("%1 is read from GameUserSettings.ini, under [ServerSettings], "
                                    "not from Game.ini")
                         .arg(text_of(name)));
                return;
            }
        }
    }

    // The first invisible or look-alike character of a setting and its first other non-ASCII
    // character.
    void check_characters(std::string_view text)
    {
        bool look_alike_seen = false;
        bool other_seen = false;
        for (size_t at = 0; at < text.size() && !(look_alike_seen && other_seen);) {
            const uchar lead = static_cast<uchar>(text[at]);
            if (lead < 0x80) {
                ++at;
                continue;
            }
            const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            // Qt's decoder drops a U+FEFF at the start of a text.
            const std::string_view sequence = text.substr(at, length);
            const uint code =
                sequence == "\xEF\xBB\xBF" ? 0xFEFF : text_of(sequence).toUcs4().value(0);
            const int column = int(at) + 1;
            at += code == QChar::ReplacementCharacter ? 1 : length;
            const QString message = look_alike(code, column);
            if (!message.isEmpty()) {
                if (!look_alike_seen)
                    warn(message);
                look_alike_seen = true;
                continue;
            }
            if (other_seen)
                continue;
            other_seen = true;
            const QString character =
                code != QChar::ReplacementCharacter
                    ? QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper()
                    : QStringLiteral("byte 0x%1").arg(lead, 2, 16, QLatin1Char('0'));
            warn(QStringLiteral("non-ASCII character (%1) at column %2 of a setting; some "
                                "servers misread it")
                     .arg(character)
                     .arg(column));
        }
    }

    // Settings of the level section by key, to find one given with different values. Left
    // out are the keys repeated by design: ramp and engram lines, array lines ("+Key",
    // "-Key") and structures ("Key=(...)").
    void note_value(std::string_view text)
    {
        const std::string_view written = trimmed(text.substr(0, text.find('=')));
        const std::string_view value = without_trailing_invisibles(setting_value(text));
        const LevelKey key = level_key(text);
        if (written.empty() || written.front() == '+' || written.front() == '-' ||
            key == LevelKey::Ramp || key == LevelKey::Engram ||
            (!value.empty() && value.front() == '('))
            return;
        const std::string_view name = setting_key(text);
        given[to_bytes(name).toLower()].push_back({number, text_of(name), text_of(value)});
    }

    void check_repeated_settings()
    {
        for (const auto &key : given) {
            const std::vector<Given> &lines = key.second;
            if (std::all_of(lines.begin(), lines.end(), [&lines](const Given &line) {
                    return line.value == lines.front().value;
                }))
                continue;
            QStringList listed;
            for (const Given &line : lines)
                listed
                    << QStringLiteral("line %1 (%2)").arg(QString::number(line.line), line.value);
            number = lines.front().line;
            warn(QStringLiteral("%1 is given %2 times with different values: %3; the game reads "
                                "only one of them")
                     .arg(lines.front().key, QString::number(lines.size()),
                          listed.join(QStringLiteral(", "))));
        }
    }

    // Reports a ramp line that did not close, naming the lines that continue it; an ignored
    // third ramp line has no message and reports nothing.
    void report_open_ramp()
    {
        if (open_ramp->message.isEmpty()) {
            open_ramp.reset();
            return;
        }
        QString message = open_ramp->message;
        if (open_ramp->continued_from > 0) {
            const QString lines = open_ramp->continued_from == open_ramp->continued_to
                                      ? QStringLiteral("line %1").arg(open_ramp->continued_from)
                                      : QStringLiteral("lines %1-%2")
                                            .arg(open_ramp->continued_from)
                                            .arg(open_ramp->continued_to);
            message += QStringLiteral("; the game reads only this line: the ramp continues on %1, "
                                      "which the game ignores")
                           .arg(lines);
        }
        problems.push_back({open_ramp->line, IniProblem::Error, message});
        open_ramp.reset();
    }

    void ramp_line(std::string_view text, std::string_view name)
    {
        ++ramp_lines;
        const QString key = text_of(name);
        const bool unclosed = is_open_ramp(text);
        if (ramp_lines >= 3) {
            // Ignored by the game, so its entries are no one's business; so are the lines
            // that may continue it.
            warn(QStringLiteral("%1 %2 line; the game reads the first for players and the second "
                                "for creatures and ignores this one")
                     .arg(ramp_lines == 3 ? QStringLiteral("a third") : QStringLiteral("another"),
                          key));
            if (unclosed)
                open_ramp = OpenRamp{number, QString()};
            return;
        }
        RampEntries ramp = read_ramp(text);
        if (ramp.broken == 1) {
            const QString message =
                QStringLiteral("%1 does not parse %2").arg(key, ramp.first_fault);
            // Its entries may go on over the lines after it.
            if (unclosed)
                open_ramp = OpenRamp{number, message};
            else
                fail(message);
        } else if (ramp.broken > 1) {
            fail(QStringLiteral("%1 has %2 entries that do not parse, the first %3")
                     .arg(key)
                     .arg(ramp.broken)
                     .arg(ramp.first_fault));
        } else if (ramp.entries.empty()) {
            fail(QStringLiteral("%1 has no entries").arg(key));
        } else if (check_indices(ramp.entries)) {
            check_values(key, ramp.entries);
            ramps[ramp_lines - 1] = ReadRamp{int(ramp.entries.size()), entry_values(ramp.entries)};
        }
    }

    bool check_indices(const std::vector<RampEntry> &entries)
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
            return false;
        }
        return true;
    }

    void check_values(const QString &key, const std::vector<RampEntry> &entries)
    {
        const auto spelled = [](const RampEntry &entry) {
            return QStringLiteral("%1=%2").arg(entry_name(entry.index), text_of(entry.value));
        };
        std::vector<std::size_t> decreases;
        std::vector<std::size_t> repeats;
        std::optional<std::size_t> first_large;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const double value = number_value(entries[k].value);
            if (k > 0 && value < number_value(entries[k - 1].value))
                decreases.push_back(k);
            if (k > 0 && value == number_value(entries[k - 1].value))
                repeats.push_back(k);
            if (!first_large && value > kLargestSafeValue)
                first_large = k;
        }
        if (decreases.size() == 1) {
            const std::size_t k = decreases.front();
            fail(QStringLiteral("%1 is less than the level before (%2)")
                     .arg(spelled(entries[k]), text_of(entries[k - 1].value)));
        } else if (decreases.size() > 1) {
            fail(QStringLiteral("%1: %2 entries are below the level before: %3")
                     .arg(key, QString::number(decreases.size()),
                          first_indices(entries, decreases)));
        }
        if (repeats.size() == 1) {
            const std::size_t k = repeats.front();
            // Entry k is the experience for level k + 2.
            warn(QStringLiteral("%1 and %2 are both %3: level %4 is passed at once; a typo?")
                     .arg(entry_name(entries[k - 1].index), entry_name(entries[k].index),
                          text_of(entries[k].value), QString::number(k + 1)));
        } else if (repeats.size() > 1) {
            warn(QStringLiteral("%1: %2 entries equal the level before: %3")
                     .arg(key, QString::number(repeats.size()), first_indices(entries, repeats)));
        }
        if (first_large)
            warn(too_large(spelled(entries[*first_large])));
    }

    std::optional<double> value_line(std::string_view text, std::string_view name)
    {
        // Read as the merge reads a cap, so that what it keeps passes here.
        const std::optional<double> read = cap_value(setting_value(text));
        if (!read) {
            fail(QStringLiteral("%1 does not parse: expected a whole number after \"=\"")
                     .arg(text_of(name)));
            return std::nullopt;
        }
        if (*read > kLargestSafeValue)
            warn(too_large(QStringLiteral("%1=%2").arg(
                text_of(name), text_of(without_trailing_invisibles(setting_value(text))))));
        return read;
    }

    // E entries in the player ramp make E + 1 levels: E engram lines (one for each level
    // after the first) or E + 1 (one for each level) are both right.
    void check_engram_count()
    {
        const int lines = int(engram_lines.size());
        if (!ramps[0] || lines == 0 || engrams_unlocked)
            return;
        const int entries = ramps[0]->entries;
        const QString key = QLatin1String(GameIniNames::kEngramKey);
        if (lines < entries) {
            number = engram_lines.front();
            warn(QStringLiteral("%1 %2 lines for a player ramp of %3 levels: levels %4 to %3 get "
                                "no override")
                     .arg(lines)
                     .arg(key)
                     .arg(entries + 1)
                     .arg(lines + 1));
        } else if (lines > entries + 1) {
            number = engram_lines[size_t(entries) + 1];
            warn(QStringLiteral("%1 %2 lines for a player ramp of %3 levels: lines %4 to %5 are "
                                "unused")
                     .arg(lines)
                     .arg(key)
                     .arg(entries + 1)
                     .arg(number)
                     .arg(engram_lines.back()));
        }
    }

    // A cap below the first value of the ramp in force lets no level be gained, one below its
    // last value leaves the levels above it out of reach. Without a ramp line the game's stock
    // ramps are in force.
    void check_cap(const Cap &cap)
    {
        if (!cap.value || *cap.value <= 0)
            return;
        const bool player = cap.key == LevelKey::PlayerCap;
        const std::optional<ReadRamp> &own = ramps[player ? 0 : 1];
        const std::vector<double> *values = nullptr;
        QString ramp;
        if (own) {
            values = &own->values;
            ramp = player ? QStringLiteral("the player ramp") : QStringLiteral("the creature ramp");
        } else if (player && ramp_lines == 0) {
            static const std::vector<double> stock(stock_xp_table().begin(),
                                                   stock_xp_table().end());
            values = &stock;
            ramp = QStringLiteral("the game's stock player ramp");
        }
        const QString spelled =
            QStringLiteral("%1=%2").arg(cap.name, QString::number(*cap.value, 'f', 0));
        number = cap.line;
        const auto no_level = [&](const QString &which, double first) {
            fail(QStringLiteral("%1 is below %2's first value (%3): no level can be gained")
                     .arg(spelled, which, QString::number(first, 'f', 0)));
        };
        if (!values) {
            if (!player && ramp_lines < 2 && *cap.value < kStockCreatureFirstValue)
                no_level(QStringLiteral("the game's stock creature ramp"),
                         kStockCreatureFirstValue);
            return;
        }
        if (*cap.value < values->front()) {
            no_level(ramp, values->front());
            return;
        }
        if (*cap.value >= values->back())
            return;
        // Entry k is the experience for level k + 2.
        const auto reachable =
            std::upper_bound(values->begin(), values->end(), *cap.value) - values->begin() + 1;
        fail(QStringLiteral("%1 is below %2's last value (%3): level %4 of %5 is the highest "
                            "reachable")
                 .arg(spelled, ramp, QString::number(values->back(), 'f', 0),
                      QString::number(reachable), QString::number(values->size() + 1)));
    }

    struct ReadRamp {
        int entries;
        std::vector<double> values;
    };

    int number = 0;
    bool in_any_section = false;
    SectionKind section = SectionKind::Other;
    QString section_name;
    int ramp_lines = 0;
    std::optional<ReadRamp> ramps[2]; // the player's and the creatures'
    std::vector<int> engram_lines;    // their line numbers
    std::vector<Cap> caps;
    bool engrams_unlocked = false;
    std::optional<OpenRamp> open_ramp;
    std::map<QByteArray, std::vector<Given>> given; // by key in lower case
};

} // namespace

std::vector<IniProblem> check_level_lines(const QByteArray &text)
{
    Checker checker;
    IniLineReader reader(text);
    IniLine line;
    while (reader.next(line))
        checker.line(line, reader.text(line));
    checker.finish();
    return std::move(checker.problems);
}

QString check_report(const QString &name, const std::vector<IniProblem> &problems)
{
    QString report;
    for (const IniProblem &problem : problems)
        report += QStringLiteral("%1:%2: %3: %4\n")
                      .arg(name, QString::number(problem.line),
                           problem.severity == IniProblem::Error ? QStringLiteral("error")
                                                                 : QStringLiteral("warning"),
                           problem.message);
    return report;
}
