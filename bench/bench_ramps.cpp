// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/game_ini_text.h"
#include "ramps/presets.h"
#include "ramps/previews.h"
#include "ramps/ramp_styles.h"

#include <benchmark/benchmark.h>

namespace {

// Above 501.5 the exponential divisor is negative and no level overflows, so the preview
// and the limit check walk all levels: their slowest case.
constexpr double kNeverOverflows = 865.692;

// Preset scaling values, by style code.
double xp_preset(int style, bool creature)
{
    switch (style) {
    case XpStyle::ComplexCurve:
        return creature ? 1448.906 : 865.692;
    case XpStyle::Exponential:
        return kNeverOverflows;
    default:
        return creature ? 36.072 : 56.785;
    }
}

void BM_PlayerPreview(benchmark::State &state)
{
    const int style = static_cast<int>(state.range(0));
    const double scale = xp_preset(style, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(player_xp_preview(style, scale, kMostLevels));
}
BENCHMARK(BM_PlayerPreview)
    ->ArgName("style")
    ->Arg(XpStyle::ComplexCurve)
    ->Arg(XpStyle::Exponential)
    ->Arg(XpStyle::Linear);

void BM_CreaturePreview(benchmark::State &state)
{
    const int style = static_cast<int>(state.range(0));
    const double scale = xp_preset(style, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(creature_xp_preview(style, scale, kMostLevels));
}
BENCHMARK(BM_CreaturePreview)
    ->ArgName("style")
    ->Arg(XpStyle::ComplexCurve)
    ->Arg(XpStyle::Exponential)
    ->Arg(XpStyle::Linear);

// The exponential preset stops at the first overflowing level (223 of 4000).
void BM_PlayerPreviewOverflowing(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(player_xp_preview(XpStyle::Exponential, 466.627, kMostLevels));
}
BENCHMARK(BM_PlayerPreviewOverflowing);

void BM_EngramPreview(benchmark::State &state)
{
    const int style = static_cast<int>(state.range(0));
    const bool reverse = state.range(1) != 0;
    const double scale = style == EngramStyle::Logarithmic ? 91.598
                         : style == EngramStyle::Linear    ? 63.987
                                                           : 37.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(engram_preview(style, scale, kMostLevels, reverse));
}
BENCHMARK(BM_EngramPreview)
    ->ArgNames({"style", "reverse"})
    ->ArgsProduct({{EngramStyle::Logarithmic, EngramStyle::Linear, EngramStyle::Static}, {0, 1}});

void BM_XpWithinLimit(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(xp_within_limit(kNeverOverflows, kMostLevels));
}
BENCHMARK(BM_XpWithinLimit);

// The largest file: two 4000-level exponential ramps whose values run to 29 digits, 3999
// engram lines, the header and a line of custom code.
void BM_LargestGameIni(benchmark::State &state)
{
    GameIniChoices choices;
    choices.player = GameIniChoices::Player::Exponential;
    choices.player_levels = kMostLevels;
    choices.player_scale = 1.5;
    choices.creature = GameIniChoices::Creature::Exponential;
    choices.creature_levels = kMostLevels;
    choices.creature_scale = 1.5;
    choices.engram = GameIniChoices::Engram::Logarithmic;
    choices.engram_reverse = true;
    choices.custom_code_enabled = true;
    choices.custom_code = QStringLiteral("MaxDifficulty=true\n");
    std::size_t bytes = 0;
    for (auto _ : state) {
        const GameIniText text = game_ini_text(choices);
        bytes = static_cast<std::size_t>(text.bytes.size());
        benchmark::DoNotOptimize(text.bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LargestGameIni)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
