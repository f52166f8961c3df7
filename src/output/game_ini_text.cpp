#include "output/game_ini_text.h"

#include "output/written_values.h"

#include <QStringList>

#include <optional>

namespace {

const QLatin1String kLineEnd("\r\n");
const QLatin1String kSectionHeader("[/script/shootergame.shootergamemode]");
const QLatin1String kRampStart("LevelExperienceRampOverrides=(");
const QLatin1String kEntryStart("ExperiencePointsForLevel[");
const QLatin1String kEngramStart("OverridePlayerLevelEngramPoints=");

// Every number in the file is spelled as a whole number without grouping or exponent, in
// any locale.
QString spelled(double value)
{
    QString text;
    text.setNum(value, 'f', 0);
    return text;
}

void append_entry(QString &text, int index, double value)
{
    if (index > 0)
        text += QLatin1Char(',');
    text += kEntryStart;
    text += spelled(index);
    text += QLatin1String("]=");
    text += spelled(value);
}

const QString &stock_entries()
{
    static const QString entries = [] {
        QString text;
        const auto &table = stock_xp_table();
        for (std::size_t k = 0; k < table.size(); ++k)
            append_entry(text, static_cast<int>(k), table[k]);
        return text;
    }();
    return entries;
}

void append_computed_entries(QString &text, int xp_style, double scale, int levels)
{
    const std::vector<float> values = written_xp_values(xp_style, scale, levels);
    for (std::size_t k = 0; k < values.size(); ++k)
        append_entry(text, static_cast<int>(k), values[k]);
}

std::optional<int> xp_style_of(GameIniChoices::Player player)
{
    switch (player) {
    case GameIniChoices::Player::ComplexCurve:
        return XpStyle::ComplexCurve;
    case GameIniChoices::Player::Linear:
        return XpStyle::Linear;
    case GameIniChoices::Player::Exponential:
        return XpStyle::Exponential;
    default:
        return std::nullopt;
    }
}

std::optional<int> xp_style_of(GameIniChoices::Creature creature)
{
    switch (creature) {
    case GameIniChoices::Creature::ComplexCurve:
        return XpStyle::ComplexCurve;
    case GameIniChoices::Creature::Linear:
        return XpStyle::Linear;
    case GameIniChoices::Creature::Exponential:
        return XpStyle::Exponential;
    default:
        return std::nullopt;
    }
}

std::optional<int> engram_style_of(GameIniChoices::Engram engram)
{
    switch (engram) {
    case GameIniChoices::Engram::Logarithmic:
        return EngramStyle::Logarithmic;
    case GameIniChoices::Engram::Linear:
        return EngramStyle::Linear;
    case GameIniChoices::Engram::Static:
        return EngramStyle::Static;
    default:
        return std::nullopt;
    }
}

// The player ramp line; false when no style was chosen and the line stays empty.
bool append_player_line(QString &text, const GameIniChoices &choices)
{
    bool styled = true;
    text += kRampStart;
    if (choices.player == GameIniChoices::Player::Stock)
        text += stock_entries();
    else if (const auto style = xp_style_of(choices.player))
        append_computed_entries(text, *style, choices.player_scale, choices.player_levels);
    else
        styled = false;
    text += QLatin1Char(')');
    text += kLineEnd;
    return styled;
}

// The creature ramp line; false when no style was chosen and the line stays empty.
bool append_creature_line(QString &text, const GameIniChoices &choices)
{
    bool styled = true;
    text += kRampStart;
    // A copied "Ark Stock" makes the creatures follow the player's stock table.
    if (choices.creature_locked_to_stock && choices.player == GameIniChoices::Player::Stock)
        text += stock_entries();
    else if (const auto style = xp_style_of(choices.creature))
        append_computed_entries(text, *style, choices.creature_scale, choices.creature_levels);
    else
        styled = false;
    text += QLatin1Char(')');
    text += kLineEnd;
    return styled;
}

// The engram lines; false when no style was chosen and none are written.
bool append_engram_lines(QString &text, const GameIniChoices &choices)
{
    const auto style = engram_style_of(choices.engram);
    if (!style)
        return false;
    const int levels = choices.player == GameIniChoices::Player::Skip
                           ? choices.engram_levels_without_player
                           : choices.player_levels;
    for (const float value :
         written_engram_values(*style, choices.engram_scale, levels, choices.engram_reverse)) {
        text += kEngramStart;
        text += spelled(value);
        text += kLineEnd;
    }
    return true;
}

// Empty lines are dropped and no line end follows the last line, so the file ends with the
// operator's own text.
QString custom_code_block(const QString &code)
{
    return code.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(kLineEnd);
}

} // namespace

GameIniText game_ini_text(const GameIniChoices &choices)
{
    GameIniText result;
    QString text;

    if (choices.section_header) {
        text += kSectionHeader;
        text += kLineEnd;
    }
    const bool player_written = choices.player != GameIniChoices::Player::Skip;
    if (player_written && !append_player_line(text, choices))
        result.groups_without_style.push_back(RampGroup::Player);
    if (player_written && choices.creature != GameIniChoices::Creature::Stock &&
        !append_creature_line(text, choices))
        result.groups_without_style.push_back(RampGroup::Creature);
    if (choices.engram != GameIniChoices::Engram::Stock && !append_engram_lines(text, choices))
        result.groups_without_style.push_back(RampGroup::Engram);
    if (choices.custom_code_enabled)
        text += custom_code_block(choices.custom_code);

    result.bytes = text.toUtf8();
    return result;
}
