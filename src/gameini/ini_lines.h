#pragma once

#include <QByteArray>

#include <vector>

// Names the game reads in Game.ini. Keys and section names are matched without regard to
// case, as the game does.
namespace GameIniNames {
constexpr char kSectionHeader[] = "[/script/shootergame.shootergamemode]";
constexpr char kRampKey[] = "LevelExperienceRampOverrides";
constexpr char kEntryName[] = "ExperiencePointsForLevel";
constexpr char kEngramKey[] = "OverridePlayerLevelEngramPoints";
constexpr char kPlayerCapKey[] = "OverrideMaxExperiencePointsPlayer";
constexpr char kCreatureCapKey[] = "OverrideMaxExperiencePointsDino";
constexpr char kCapKeyPrefix[] = "OverrideMaxExperiencePoints";
} // namespace GameIniNames

// One line of a Game.ini with its own line end ("\r\n", "\n", or none on a last line without
// one), so that the lines put back together are the file byte for byte.
struct IniLine {
    QByteArray text;
    QByteArray line_end;
};

std::vector<IniLine> ini_lines(const QByteArray &file);

// The line end the file uses most at first sight: that of its first line, CR LF for none.
QByteArray line_end_of(const std::vector<IniLine> &lines);

// Blanks and a UTF-8 byte-order mark are ignored around a header.
bool is_section_header(const QByteArray &text);
bool is_level_section_header(const QByteArray &text);

// The lines that make up the level progression, by their key.
enum class LevelKey { None, Ramp, Engram, Cap };
LevelKey level_key(const QByteArray &text);
