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

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "card_text.h"
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

}  // namespace

BENCHMARK_MAIN();
