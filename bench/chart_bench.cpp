// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Target on the 2-core machine: the strategy chart of any game and pay table in at most 1 s
// as a whole `lumaro-analyze strategy` process. BM_ChartCommand/<game>/<lines> runs the
// command for 30 random tables of the game (lines 0: the full chart) and reports the worst
// and the mean run in seconds; the worst is the figure the target is about. The tables
// are drawn around the game's first preset, each pay from 0 to twice the preset's, so odd
// tables (a straight paying more than a flush) come up as well as common ones.
// worst_cpu_s and mean_cpu_s are the processor time of the same runs (user and system, all
// threads): on a loaded machine the wall times grow with the load, these do not. The label
// gives the pays of the slowest table, so that it can be timed again on its own.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include "game.h"

namespace {

constexpr int kTablesPerGame = 30;

std::string RandomPays(const TGame& game, std::mt19937& random) {
  const TLinePays& base = game.Presets.front().Pays;
  std::string text;
  for (int k = 0; k < game.LineCount(); ++k) {
    const int top = 2 * base[static_cast<std::size_t>(k)];
    if (k > 0) text += ',';
    text += std::to_string(std::uniform_int_distribution<int>(0, top)(random));
  }
  return text;
}

// User and system time of the finished child processes so far.
double ChildrenSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_ChartCommand(benchmark::State& state) {
  const TGame& game = *kGames[static_cast<std::size_t>(state.range(0))];
  const auto lines = state.range(1);
  std::mt19937 random(static_cast<unsigned>(29 + state.range(0)));
  double worst = 0;
  double total = 0;
  double worstCpu = 0;
  double totalCpu = 0;
  std::string slowest;
  for (auto _ : state)
    for (int t = 0; t < kTablesPerGame; ++t) {
      const std::string pays = RandomPays(game, random);
      std::string command = std::string(LUMARO_ANALYZE_PROGRAM) + " strategy --game " +
                            std::string(game.Id) + " --pays " + pays;
      if (lines > 0) command += " --max-lines " + std::to_string(lines);
      command += " >/dev/null";
      const auto start = std::chrono::steady_clock::now();
      const double cpuStart = ChildrenSeconds();
      if (std::system(command.c_str()) != 0) {
        state.SkipWithError(("failed: " + command).c_str());
        return;
      }
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      if (took.count() > worst) slowest = pays;
      worst = std::max(worst, took.count());
      total += took.count();
      const double cpu = ChildrenSeconds() - cpuStart;
      worstCpu = std::max(worstCpu, cpu);
      totalCpu += cpu;
    }
  state.SetLabel(std::string(game.Id) + " slowest --pays " + slowest);
  state.counters["worst_s"] = worst;
  state.counters["mean_s"] = total / kTablesPerGame;
  state.counters["worst_cpu_s"] = worstCpu;
  state.counters["mean_cpu_s"] = totalCpu / kTablesPerGame;
}

void ChartArguments(benchmark::internal::Benchmark* b) {
  for (int g = 0; g < static_cast<int>(kGames.size()); ++g)
    for (const int lines : {0, 15}) b->Args({g, lines});
}
BENCHMARK(BM_ChartCommand)->Apply(ChartArguments)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
