// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ramp styles, each described once: which styles each ramp has, the code its preview and
// formulas take, its name on the command line, its words on the summary page and the object
// name of its radio button. The window's buttons, the summary, the presets, the Game.ini text,
// the command line and the tests all read these tables.

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <optional>

// Style codes stored by the presets and read by the previews and formulas. They are plain
// ints on the window so that a code outside 1..3 can be told apart (and reported).
namespace XpStyle {
enum : int { ComplexCurve = 1, Exponential = 2, Linear = 3 };
}

namespace EngramStyle {
enum : int { Logarithmic = 1, Linear = 2, Static = 3 };
}

// The styles of each ramp, numbered as their codes: one number means one style everywhere.
// Unchosen is a state the window never leaves a group in; it writes an empty ramp line.
enum class PlayerRampStyle {
    Unchosen = 0,
    ComplexCurve = XpStyle::ComplexCurve,
    Exponential = XpStyle::Exponential,
    Linear = XpStyle::Linear,
    Stock,
    Skip
};
enum class CreatureRampStyle {
    Unchosen = 0,
    ComplexCurve = XpStyle::ComplexCurve,
    Exponential = XpStyle::Exponential,
    Linear = XpStyle::Linear,
    Stock,
    PlayerStock
};
enum class EngramPointStyle {
    Unchosen = 0,
    Logarithmic = EngramStyle::Logarithmic,
    Linear = EngramStyle::Linear,
    Static = EngramStyle::Static,
    Stock
};

template <typename Style> struct StyleRow {
    Style style;
    int code;             // of a computed style; 0 for the stock tables and skipped ramps
    const char *cli_name; // the value of --player, --creature or --engram
    const char *summary;  // on the summary page
    const char *button;   // the radio button's object name; none for a style without one
};

inline constexpr StyleRow<PlayerRampStyle> kPlayerStyles[] = {
    {PlayerRampStyle::ComplexCurve, XpStyle::ComplexCurve, "curve", "Complex Curve",
     "player_curve"},
    {PlayerRampStyle::Exponential, XpStyle::Exponential, "exponential", "Traditional/MMO",
     "player_mmo"},
    {PlayerRampStyle::Linear, XpStyle::Linear, "linear", "Linear", "player_linear"},
    // The game's own table of 115 levels.
    {PlayerRampStyle::Stock, 0, "stock", "Ark Stock", "player_stock"},
    // No player ramp line and no caps; the creature ramp is not written either.
    {PlayerRampStyle::Skip, 0, "skip", "skip/none", "player_skip"},
};

inline constexpr StyleRow<CreatureRampStyle> kCreatureStyles[] = {
    {CreatureRampStyle::ComplexCurve, XpStyle::ComplexCurve, "curve", "Complex Curve",
     "dino_curve"},
    {CreatureRampStyle::Exponential, XpStyle::Exponential, "exponential", "Traditional/MMO",
     "dino_mmo"},
    {CreatureRampStyle::Linear, XpStyle::Linear, "linear", "Linear", "dino_lin"},
    // The button named dino_skip reads "Ark  Stock": no creature line at all, so the game
    // keeps its own creature table.
    {CreatureRampStyle::Stock, 0, "stock", "Stock (not generated)", "dino_skip"},
    // No button: copying a stock player ramp to the creature page locks the creature ramp to
    // the player's stock table.
    {CreatureRampStyle::PlayerStock, 0, "player-stock", "Ark Stock PLAYER curve", nullptr},
};

inline constexpr StyleRow<EngramPointStyle> kEngramStyles[] = {
    {EngramPointStyle::Logarithmic, EngramStyle::Logarithmic, "logarithmic", "Logarithmic",
     "player_eng_curve"},
    // The button named player_eng_mmo reads "Linear".
    {EngramPointStyle::Linear, EngramStyle::Linear, "linear", "Linear", "player_eng_mmo"},
    // The button named player_eng_linear reads "Static".
    {EngramPointStyle::Static, EngramStyle::Static, "static", "Static", "player_eng_linear"},
    // "Stock Engram": no engram lines.
    {EngramPointStyle::Stock, 0, "stock", "skip/none", "player_eng_skip"},
};

inline constexpr const auto &style_table(PlayerRampStyle)
{
    return kPlayerStyles;
}
inline constexpr const auto &style_table(CreatureRampStyle)
{
    return kCreatureStyles;
}
inline constexpr const auto &style_table(EngramPointStyle)
{
    return kEngramStyles;
}

// The row of a style; none for Unchosen.
template <typename Style> const StyleRow<Style> *style_row(Style style)
{
    for (const StyleRow<Style> &row : style_table(style)) {
        if (row.style == style)
            return &row;
    }
    return nullptr;
}

// The code of a computed style; none for stock, skip and unchosen.
template <typename Style> std::optional<int> style_code(Style style)
{
    const StyleRow<Style> *row = style_row(style);
    return row && row->code != 0 ? std::optional<int>(row->code) : std::nullopt;
}

// A style's command-line name; empty for Unchosen.
template <typename Style> QString cli_name_of(Style style)
{
    const StyleRow<Style> *row = style_row(style);
    return row ? QLatin1String(row->cli_name) : QString();
}

// The command-line names of a ramp's styles, in the table's order.
template <typename Style> QStringList cli_names()
{
    QStringList names;
    for (const StyleRow<Style> &row : style_table(Style{}))
        names << QLatin1String(row.cli_name);
    return names;
}

// The style a command-line name stands for.
template <typename Style> std::optional<Style> style_named(const QString &name)
{
    for (const StyleRow<Style> &row : style_table(Style{})) {
        if (name == QLatin1String(row.cli_name))
            return row.style;
    }
    return std::nullopt;
}

// Engram points that can be handed out in reverse: the logarithmic and linear ones.
constexpr bool reversible(EngramPointStyle style)
{
    return style == EngramPointStyle::Logarithmic || style == EngramPointStyle::Linear;
}

// What copying the player's settings makes the creature ramp: the same computed style, the
// player's stock table for a stock player ramp, and the creature stock for a skipped one.
constexpr CreatureRampStyle creature_style_copied_from(PlayerRampStyle player)
{
    switch (player) {
    case PlayerRampStyle::Stock:
        return CreatureRampStyle::PlayerStock;
    case PlayerRampStyle::Skip:
        return CreatureRampStyle::Stock;
    default:
        return CreatureRampStyle(int(player));
    }
}
