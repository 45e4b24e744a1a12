// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Evaluator throughput over every hand of one deck, per game, and the cost of one full hand
// cycle.
#include <benchmark/benchmark.h>

#include <string>

#include "game.h"
#include "game_engine.h"

namespace {

void BM_EvaluateAllHands(benchmark::State& state) {
  for (auto _ : state) {
    unsigned checksum = 0;
    THandCards h{};
    for (int a = 1; a <= 48; ++a) {
      h[0] = static_cast<cdCardDeck>(a);
      for (int b = a + 1; b <= 49; ++b) {
        h[1] = static_cast<cdCardDeck>(b);
        for (int c = b + 1; c <= 50; ++c) {
          h[2] = static_cast<cdCardDeck>(c);
          for (int d = c + 1; d <= 51; ++d) {
            h[3] = static_cast<cdCardDeck>(d);
            for (int e = d + 1; e <= 52; ++e) {
              h[4] = static_cast<cdCardDeck>(e);
              const THandResult r = EvaluateHand(h);
              checksum += r.Category + r.PayingPair;
            }
          }
        }
      }
    }
    benchmark::DoNotOptimize(checksum);
  }
  state.SetItemsProcessed(state.iterations() * 2598960);
  state.counters["hands/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * 2598960,
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateAllHands)->Unit(benchmark::kMillisecond);

// Every hand of the game's deck (2,598,960, or 2,869,685 with the joker) through the game's
// evaluator, picked once as the analyzer picks it.
void BM_EvaluateGame(benchmark::State& state) {
  const TGame& game = *kGames[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(std::string(game.Id));
  const int n = game.DeckSize;
  for (auto _ : state) {
    const unsigned checksum = WithEvaluator(game, [n](const auto& evaluate) {
      unsigned sum = 0;
      THandCards h{};
      for (int a = 1; a <= n - 4; ++a) {
        h[0] = static_cast<cdCardDeck>(a);
        for (int b = a + 1; b <= n - 3; ++b) {
          h[1] = static_cast<cdCardDeck>(b);
          for (int c = b + 1; c <= n - 2; ++c) {
            h[2] = static_cast<cdCardDeck>(c);
            for (int d = c + 1; d <= n - 1; ++d) {
              h[3] = static_cast<cdCardDeck>(d);
              for (int e = d + 1; e <= n; ++e) {
                h[4] = static_cast<cdCardDeck>(e);
                sum += evaluate(h);
              }
            }
          }
        }
      }
      return sum;
    });
    benchmark::DoNotOptimize(checksum);
  }
  const std::int64_t hands = n == 52 ? 2598960 : 2869685;
  state.SetItemsProcessed(state.iterations() * hands);
  state.counters["hands/s"] = benchmark::Counter(static_cast<double>(state.iterations() * hands),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateGame)
    ->DenseRange(0, static_cast<int>(kGames.size()) - 1)
    ->Unit(benchmark::kMillisecond);

void BM_HandCycle(benchmark::State& state) {
  TGameEngine engine([] { return TTimeOfDay{1, 2, 3, 4}; });
  engine.OnWinSound = [](int) {};
  engine.OnUpdateDisplay = [] {};
  engine.StartUp(-1, -1, {-1, -1, -1, -1, -1, -1, -1, -1, -1});
  int hand = 0;
  for (auto _ : state) {
    engine.SetTotal(10000);  // keep the bankroll from drifting below the low-bet limit
    engine.Deal();
    if (hand & 1) engine.ToggleHold(2);
    if (hand & 2) engine.ToggleHold(4);
    engine.DrawAndSettle();
    benchmark::DoNotOptimize(engine.View().MoneyMessage.data());
    ++hand;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["hands/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HandCycle)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
