// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/read_file.h"
#include "files/replace_file.h"
#include "gameini/game_ini_check.h"
#include "gameini/game_ini_encoding.h"
#include "gameini/game_ini_file.h"
#include "gameini/game_ini_merge.h"
#include "gameini/unified_diff.h"
#include "output/game_ini_text.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The largest level progression: two 4000-level ramps of the steepest exponential and 3999
// engram lines.
GameIniChoices largest_choices()
{
    GameIniChoices choices;
    choices.section_header = false;
    choices.player_levels = 4000;
    choices.player_scale = 1.5;
    choices.creature_levels = 4000;
    choices.creature_scale = 1.5;
    choices.max_xp_overrides = true;
    return choices;
}

// A server's Game.ini with other settings around an old level progression of the same size.
QByteArray largest_game_ini()
{
    QByteArray file =
        "[ServerSettings]\r\nPort=7777\r\n\r\n[/script/shootergame.shootergamemode]\r\n";
    for (int k = 0; k < 50; ++k)
        file += "PerLevelStatsMultiplier_Player[" + QByteArray::number(k) + "]=1.0\r\n";
    file += game_ini_text(largest_choices()).bytes;
    return file + "\r\n[Other]\r\nA=1\r\n";
}

// The largest file the tool reads: server settings around the largest level progression,
// filled up to 64 MiB with settings lines.
QByteArray file_of_64_mib()
{
    const QByteArray progression = largest_game_ini();
    const QByteArray setting = "PerLevelStatsMultiplier_DinoTamed[1]=1.0\r\n";
    return QByteArray("[ServerSettings]\r\n") +
           setting.repeated((64 * 1024 * 1024 - progression.size()) / setting.size()) + progression;
}

void BM_MergeLargest(benchmark::State &state)
{
    const QByteArray file = largest_game_ini();
    const GameIniChoices choices = largest_choices();
    for (auto _ : state)
        benchmark::DoNotOptimize(merge_level_progression(file, choices));
}
BENCHMARK(BM_MergeLargest)->Unit(benchmark::kMillisecond);

void BM_CheckLargest(benchmark::State &state)
{
    const QByteArray file = largest_game_ini();
    for (auto _ : state)
        benchmark::DoNotOptimize(check_level_lines(file));
}
BENCHMARK(BM_CheckLargest)->Unit(benchmark::kMillisecond);

// Reading, merging and writing back a 64 MiB file, as --merge-into does in memory.
void BM_Merge64MiB(benchmark::State &state)
{
    const QByteArray file = file_of_64_mib();
    const GameIniChoices choices = largest_choices();
    for (auto _ : state) {
        const auto decoded = *decode_game_ini(file);
        benchmark::DoNotOptimize(
            encode_game_ini(merge_level_progression(decoded.text, choices).text, decoded.encoding));
    }
}
BENCHMARK(BM_Merge64MiB)->Unit(benchmark::kMillisecond);

void BM_Check64MiB(benchmark::State &state)
{
    const QByteArray file = file_of_64_mib();
    for (auto _ : state)
        benchmark::DoNotOptimize(check_level_lines(decode_game_ini(file)->text));
}
BENCHMARK(BM_Check64MiB)->Unit(benchmark::kMillisecond);

// A 64 MiB file with a million scattered changes: a million level lines standing outside the
// level section, each between settings lines, which the merge removes one by one.
QByteArray file_of_a_million_changes()
{
    const QByteArray pair = "PerLevelStatsMultiplier_DinoTamed[1]=1.0\r\n"
                            "OverridePlayerLevelEngramPoints=3\r\n";
    const QByteArray progression = largest_game_ini();
    return "[Other]\r\n" + pair.repeated(1000 * 1000) + "[Filler]\r\n" +
           QByteArray("A=1\r\n").repeated(
               (64 * 1024 * 1024 - progression.size() - 1000 * 1000 * pair.size()) / 5) +
           progression;
}

// --merge-into on it, in memory, beside --diff on it: the diff follows the merge's edits, so
// it costs about what the merge costs.
void BM_MergeMillionChanges(benchmark::State &state)
{
    const QByteArray file = file_of_a_million_changes();
    const GameIniChoices choices = largest_choices();
    for (auto _ : state)
        benchmark::DoNotOptimize(merge_level_progression(file, choices));
}
BENCHMARK(BM_MergeMillionChanges)->Unit(benchmark::kMillisecond);

void BM_DiffMillionChanges(benchmark::State &state)
{
    const QByteArray file = file_of_a_million_changes();
    const GameIniChoices choices = largest_choices();
    for (auto _ : state) {
        const GameIniMerge merged = merge_level_progression(file, choices);
        benchmark::DoNotOptimize(unified_diff(file, merged.edits, QStringLiteral("Game.ini")));
    }
}
BENCHMARK(BM_DiffMillionChanges)->Unit(benchmark::kMillisecond);

// The largest Game.ini that is read: the largest one above, grown to just under 64 MiB with
// engram overrides of a heavily modded server.
class LargestFile
{
public:
    LargestFile()
    {
        QByteArray file = largest_game_ini();
        file += "[/script/shootergame.shootergamemode]\r\n";
        const QByteArray entry = "OverrideNamedEngramEntries=(EngramClassName=\"EngramEntry_Mod";
        const QByteArray rest = "\",EngramHidden=false,EngramPointsCost=3,EngramLevelRequirement="
                                "12,RemoveEngramPreReq=false)\r\n";
        for (int k = 0; file.size() + 200 < kGameIniMaxBytes; ++k)
            file += entry + QByteArray::number(k) + rest;
        name = folder.filePath(QStringLiteral("Game.ini"));
        if (!write_user_file(name, file))
            std::abort();
    }

    QTemporaryDir folder;
    QString name;
};

// --check on the largest file: reading through the file module and checking.
void BM_CheckLargestFile(benchmark::State &state)
{
    const LargestFile largest;
    for (auto _ : state) {
        const auto read = read_game_ini(largest.name);
        benchmark::DoNotOptimize(check_level_lines(read->text));
    }
}
BENCHMARK(BM_CheckLargestFile)->Unit(benchmark::kMillisecond);

// --merge-into the largest file: locked read, merge, backup and file written and synced. The
// level count alternates, since a merge that changes nothing writes nothing.
void BM_MergeIntoLargestFile(benchmark::State &state)
{
    const LargestFile largest;
    GameIniChoices choices = largest_choices();
    choices.max_xp_overrides = true;
    for (auto _ : state) {
        choices.player_levels += choices.player_levels % 2 == 0 ? 1 : -1;
        benchmark::DoNotOptimize(merge_into_file(largest.name, choices));
    }
}
BENCHMARK(BM_MergeIntoLargestFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
