// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The control loads its face from the resources on every paint, without a cache; these
// show what that costs per card and per deal of five.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <array>

#include "CardDeck.h"

namespace {

void BM_LoadCardFace(benchmark::State& state) {
  int code = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadCardFace(CardFaceName(code)));
    code = code % 63 + 1;
  }
}
BENCHMARK(BM_LoadCardFace);

void BM_PaintOneCard(benchmark::State& state) {
  QWidget table;
  table.resize(100, 120);
  auto* card = new TCardDeck(&table);
  QImage target(71, 96, QImage::Format_RGB32);
  int code = 1;
  for (auto _ : state) {
    card->SetValue(code);
    card->render(&target);
    code = code % 63 + 1;
  }
}
BENCHMARK(BM_PaintOneCard);

// Five visible cards set to new codes, each painted before its setter returns.
void BM_ShowFiveCards(benchmark::State& state) {
  QWidget table;
  table.resize(640, 480);
  std::array<TCardDeck*, 5> cards{};
  for (int i = 0; i < 5; ++i) {
    cards[static_cast<std::size_t>(i)] = new TCardDeck(&table);
    cards[static_cast<std::size_t>(i)]->move(136 + 80 * i, 152);
  }
  table.show();
  QCoreApplication::processEvents();
  int code = 1;
  for (auto _ : state) {
    for (TCardDeck* card : cards) {
      card->SetValue(code);
      code = code % 52 + 1;
    }
  }
}
BENCHMARK(BM_ShowFiveCards);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
