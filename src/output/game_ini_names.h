// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Names the game reads in Game.ini: the ones our text writes, and the ones the reader of an
// existing file looks for. Keys and section names are matched without regard to case, as the
// game does.
namespace GameIniNames {
constexpr char kSectionHeader[] = "[/script/shootergame.shootergamemode]";
// A section the game writes itself; level keys in it are its own business.
constexpr char kGameWrittenSection[] = "[ShooterGameMode_TEMPOverrides]";
constexpr char kRampKey[] = "LevelExperienceRampOverrides";
constexpr char kEntryName[] = "ExperiencePointsForLevel";
constexpr char kEngramKey[] = "OverridePlayerLevelEngramPoints";
constexpr char kPlayerCapKey[] = "OverrideMaxExperiencePointsPlayer";
constexpr char kCreatureCapKey[] = "OverrideMaxExperiencePointsDino";
constexpr char kAutoUnlockKey[] = "bAutoUnlockAllEngrams";
} // namespace GameIniNames
