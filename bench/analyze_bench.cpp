// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Targets on the 2-core machine: `return` for an arbitrary pay table under 0.5 s with the
// tables built (BM_ReturnFromScratch), and the whole `lumaro-analyze return` process under
// 0.1 s (BM_ReturnCommand); a strategy chart and its return for a new pay table under 1 s,
// tables included (BM_ChartFromScratch; BM_ChartWithBuiltTables without them); `advise`
// under 2 ms per hand (BM_AdviseHand, and BM_AdviseFromScratch for a whole one-hand run);
// `simulate --strategy none` at least 2 million hands per second (BM_SimulateNone, items
// per second); `risk` over 10,000 hands from 2,000 bets under 1 s as a whole process
// (BM_RiskCommand/0), and `risk --risk 5%` over 10,000 hands under 2 s (BM_RiskCommand/1);
// BM_SessionRisk and BM_BankrollForRisk time the counts alone.
// Every game (argument: its place in the game list): `return --game ID` for an arbitrary table
// at most 0.1 s as a whole process for a 52-card game and 0.2 s for Joker Poker
// (BM_GameReturnCommand); `advise --game ID --hands FILE` at least 2,000 hands a second as a
// whole process (BM_AdviseHandsCommand, items per second); BM_BuildGameTables and
// BM_GameReturnWithBuiltTables split the first.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "card_text.h"
#include "game_odds.h"
#include "odds.h"
#include "risk.h"
#include "simulate.h"
#include "strategy_chart.h"

namespace {

// A different, arbitrary pay table every call, so nothing can be carried over.
TPayTable ArbitraryTable(std::mt19937& random) {
  TPayTable table;
  const std::array<int, kPayLines> top = {5, 5, 5, 9, 9, 99, 99, 999, 999};
  for (int k = 0; k < kPayLines; ++k)
    table.H[static_cast<std::size_t>(k)] =
        std::uniform_int_distribution<int>(0, top[static_cast<std::size_t>(k)])(random);
  return table;
}

const TDrawTables& Tables() {
  static const auto tables = TDrawTables::Build(2);
  return *tables;
}

void BM_ReturnFromScratch(benchmark::State& state) {
  std::mt19937 random(1);
  for (auto _ : state) {
    const auto tables = TDrawTables::Build(2);
    benchmark::DoNotOptimize(ComputeReturn(*tables, ArbitraryTable(random), 2).PayNumerator);
  }
}
// The machine is shared; the fastest of the repetitions is the figure to compare.
double Fastest(const std::vector<double>& v) {
  return *std::min_element(v.begin(), v.end());
}

BENCHMARK(BM_ReturnFromScratch)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ComputeStatistics("min", Fastest);

void BM_BuildTables(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(TDrawTables::Build(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_BuildTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReturnWithBuiltTables(benchmark::State& state) {
  std::mt19937 random(2);
  Tables();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        ComputeReturn(Tables(), ArbitraryTable(random), static_cast<int>(state.range(0)))
            .PayNumerator);
}
BENCHMARK(BM_ReturnWithBuiltTables)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command as a player runs it: start-up, tables, return, output.
void BM_ReturnCommand(benchmark::State& state) {
  std::mt19937 random(5);
  for (auto _ : state) {
    const std::string command = std::string(LUMARO_ANALYZE_PROGRAM) + " return --paytable " +
                                PayTableText(ArbitraryTable(random)) + " >/dev/null";
    if (std::system(command.c_str()) != 0) state.SkipWithError("lumaro-analyze failed");
  }
}
BENCHMARK(BM_ReturnCommand)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ComputeStatistics("min", Fastest);

void BM_ChartWithBuiltTables(benchmark::State& state) {
  std::mt19937 random(6);
  Tables();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        BuildStrategyChart(Tables(), ArbitraryTable(random), {static_cast<int>(state.range(0)), 2})
            .ChartReturn.Numerator);
}
// 0: the full chart; 15: --max-lines 15.
BENCHMARK(BM_ChartWithBuiltTables)->Arg(0)->Arg(15)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartFromScratch(benchmark::State& state) {
  std::mt19937 random(7);
  for (auto _ : state) {
    const auto tables = TDrawTables::Build(2);
    benchmark::DoNotOptimize(
        BuildStrategyChart(*tables, ArbitraryTable(random)).ChartReturn.Numerator);
  }
}
BENCHMARK(BM_ChartFromScratch)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2)
    ->Repetitions(3)
    ->ComputeStatistics("min", Fastest);

THandCards RandomHand(std::mt19937& random) {
  std::array<cdCardDeck, 52> deck{};
  for (int i = 0; i < 52; ++i) deck[static_cast<std::size_t>(i)] = static_cast<cdCardDeck>(i + 1);
  for (int i = 0; i < 5; ++i)
    std::swap(deck[static_cast<std::size_t>(i)],
              deck[static_cast<std::size_t>(std::uniform_int_distribution<int>(i, 51)(random))]);
  return {deck[0], deck[1], deck[2], deck[3], deck[4]};
}

void BM_AdviseHand(benchmark::State& state) {
  std::mt19937 random(3);
  const TUnitPays pays = UnitPaysOf(TPayTable{});
  Tables();
  for (auto _ : state) benchmark::DoNotOptimize(RankHolds(Tables(), RandomHand(random), pays));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AdviseHand)->Unit(benchmark::kMicrosecond);

void BM_AdviseFromScratch(benchmark::State& state) {
  std::mt19937 random(4);
  const TUnitPays pays = UnitPaysOf(TPayTable{});
  for (auto _ : state) {
    const auto tables = TDrawTables::Build(2);
    benchmark::DoNotOptimize(RankHolds(*tables, RandomHand(random), pays));
  }
}
BENCHMARK(BM_AdviseFromScratch)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SimulateNone(benchmark::State& state) {
  TSimulationSetup setup;
  setup.Strategy = stNone;
  TSimulator simulator(setup, nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(simulator.PlayHand().Total);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulateNone);

void BM_SimulateOptimal(benchmark::State& state) {
  TSimulationSetup setup;
  setup.Strategy = stOptimal;
  TSimulator simulator(setup, TDrawTables::Build(2));
  for (auto _ : state) benchmark::DoNotOptimize(simulator.PlayHand().Total);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulateOptimal);

// 9/6 Jacks or Better: the table of the published risk figures.
const TPayDistribution& NineSixPays() {
  static const TPayDistribution pays = [] {
    TPayTable table;
    table.H = {0, 1, 2, 3, 5, 8, 24, 49, 799};
    return PayDistributionOf(ComputeReturn(Tables(), table, 2), table);
  }();
  return pays;
}

// The whole command: start-up, tables, return, the count, output.
void BM_RiskCommand(benchmark::State& state) {
  const std::string command = std::string(LUMARO_ANALYZE_PROGRAM) +
                              " risk --paytable 0,1,2,3,5,8,24,49,799 --hands 10000 " +
                              (state.range(0) ? "--risk 5%" : "--bankroll 2000") + " >/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("lumaro-analyze failed");
}
BENCHMARK(BM_RiskCommand)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2)
    ->Repetitions(5)
    ->ComputeStatistics("min", Fastest);

// Session figures by hands and bankroll.
void BM_SessionRisk(benchmark::State& state) {
  NineSixPays();
  for (auto _ : state)
    benchmark::DoNotOptimize(SessionRisk(NineSixPays(), state.range(1), state.range(0))->Ruin);
}
BENCHMARK(BM_SessionRisk)
    ->Args({1600, 160})
    ->Args({10000, 2000})
    ->Args({100000, 2000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_BankrollForRisk(benchmark::State& state) {
  NineSixPays();
  for (auto _ : state)
    benchmark::DoNotOptimize(BankrollForRisk(NineSixPays(), 0.05, state.range(0))->Bankroll);
}
BENCHMARK(BM_BankrollForRisk)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

const TGame& GameAt(const benchmark::State& state) {
  return *kGames[static_cast<std::size_t>(state.range(0))];
}

// The game's default table with each line moved a little, differently every call.
std::vector<std::int64_t> ArbitraryPays(const TGame& game, std::mt19937& random) {
  std::vector<std::int64_t> pays =
      PresetPays(game, game.Presets[static_cast<std::size_t>(game.DefaultPreset)]);
  for (auto& pay : pays) pay += std::uniform_int_distribution<int>(0, 2)(random);
  return pays;
}

void BM_BuildGameTables(benchmark::State& state) {
  const TCountedGame game = CountedGameOf(GameAt(state));
  for (auto _ : state) benchmark::DoNotOptimize(TDrawTables::Build(game, 2));
  state.SetLabel(std::string(GameAt(state).Id));
}
BENCHMARK(BM_BuildGameTables)->DenseRange(0, 8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GameReturnWithBuiltTables(benchmark::State& state) {
  const TGame& game = GameAt(state);
  std::mt19937 random(8);
  const auto tables = GameTables(game);
  for (auto _ : state) {
    const TGamePays table{&game, ArbitraryPays(game, random), ""};
    benchmark::DoNotOptimize(ComputeReturn(*tables, UnitPaysOf(table), 2).PayNumerator);
  }
  state.SetLabel(std::string(game.Id));
}
BENCHMARK(BM_GameReturnWithBuiltTables)
    ->DenseRange(0, 8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_GameReturnCommand(benchmark::State& state) {
  const TGame& game = GameAt(state);
  std::mt19937 random(9);
  for (auto _ : state) {
    const std::string command = std::string(LUMARO_ANALYZE_PROGRAM) + " return --game " +
                                std::string(game.Id) + " --pays " +
                                PaysText(ArbitraryPays(game, random)) + " >/dev/null";
    if (std::system(command.c_str()) != 0) state.SkipWithError("lumaro-analyze failed");
  }
  state.SetLabel(std::string(game.Id));
}
BENCHMARK(BM_GameReturnCommand)
    ->DenseRange(0, 8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(3)
    ->ComputeStatistics("min", Fastest);

// A file of random hands of the game's deck, judged whole by the program.
void BM_AdviseHandsCommand(benchmark::State& state) {
  const TGame& game = GameAt(state);
  constexpr int kHands = 20000;
  const std::string file = "/tmp/lumaro-bench-hands-" + std::string(game.Id) + ".txt";
  {
    std::mt19937 random(10);
    std::vector<cdCardDeck> deck(static_cast<std::size_t>(game.DeckSize));
    for (std::size_t i = 0; i < deck.size(); ++i) deck[i] = static_cast<cdCardDeck>(i + 1);
    std::FILE* out = std::fopen(file.c_str(), "w");
    if (!out) {
      state.SkipWithError("can't write the hands");
      return;
    }
    for (int h = 0; h < kHands; ++h) {
      for (std::size_t i = 0; i < 5; ++i)
        std::swap(deck[i],
                  deck[std::uniform_int_distribution<std::size_t>(i, deck.size() - 1)(random)]);
      std::fprintf(out, "%s %s %s %s %s\n", CardText(deck[0]).c_str(), CardText(deck[1]).c_str(),
                   CardText(deck[2]).c_str(), CardText(deck[3]).c_str(), CardText(deck[4]).c_str());
    }
    std::fclose(out);
  }
  const std::string command = std::string(LUMARO_ANALYZE_PROGRAM) + " advise --game " +
                              std::string(game.Id) + " --json --hands " + file + " >/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("lumaro-analyze failed");
  state.SetItemsProcessed(state.iterations() * kHands);
  state.SetLabel(std::string(game.Id));
  std::remove(file.c_str());
}
BENCHMARK(BM_AdviseHandsCommand)
    ->Arg(0)
    ->Arg(7)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();
