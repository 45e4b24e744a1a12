// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The hand history at the size of years of play. Target on the 2-core machine: with
// 1,000,000 recorded hands the history page opens (its queries, BM_ViewQueries; the page
// itself, BM_HistoryPageRefresh) in under 0.5 s. Also: opening the file as the game does at
// start-up (BM_OpenHistory, a quick check of the whole file included) and the cost of
// recording one hand (BM_RecordHand).
//
// The million hands are recorded once, through Record as the game records them, into
// HISTORY_BENCH_DATABASE in the build tree (about a minute), and reused by later runs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "HistoryPage.h"
#include "hand_history.h"

namespace {

constexpr int kSessions = 1000;
constexpr int kHandsPerSession = 1000;
constexpr std::int64_t kHands = std::int64_t{kSessions} * kHandsPerSession;

const QString kDatabase = QStringLiteral(HISTORY_BENCH_DATABASE);

// A plausible hand: a quarter are mistakes, spread over a few dozen situations.
THandRecord MakeHand(std::mt19937& random, std::int64_t session, std::int64_t time, bool practice) {
  static const char* const kPatterns[] = {
      "low pair",        "high pair",         "four to a flush",    "three to a royal",
      "two high cards",  "suited high cards", "four to a straight", "nothing",
      "inside straight", "two pair",          "high card",          "three to a flush"};
  THandRecord hand;
  hand.Time = time;
  hand.SessionStart = session;
  hand.Practice = practice;
  hand.Bet = 5 * std::uniform_int_distribution<int>(1, 20)(random);
  std::vector<int> deck(52);
  for (int i = 0; i < 52; ++i) deck[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(deck.begin(), deck.end(), random);
  for (std::size_t i = 0; i < 5; ++i) {
    hand.Dealt[i] = static_cast<cdCardDeck>(deck[i]);
    hand.Final[i] = static_cast<cdCardDeck>(deck[i + 5]);
  }
  hand.HeldMask = static_cast<std::uint8_t>(random() & 31);
  hand.BestCoins = hand.Bet * std::uniform_real_distribution<double>(0.3, 2.0)(random);
  if (random() % 4 == 0) {
    hand.BestMask = static_cast<std::uint8_t>(random() & 31);
    hand.Cost = hand.Bet * std::uniform_real_distribution<double>(0.01, 1.0)(random);
    hand.HeldPattern = kPatterns[random() % 12];
    hand.BestPattern = kPatterns[random() % 12];
  } else {
    hand.BestMask = hand.HeldMask;
  }
  hand.HeldCoins = hand.BestCoins - hand.Cost;
  hand.Outcome = static_cast<std::uint8_t>(random() % 11);
  hand.Win = hand.Outcome > 1 ? hand.Bet : -hand.Bet;
  return hand;
}

void RemoveDatabase(const QString& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
}

// The cached million hands, recorded the first time.
void EnsureFilled() {
  {
    THandHistory history(THandHistory::omReadOnly, kDatabase);
    const THistoryTotals totals = history.Totals();
    if (totals.Hands + totals.PracticeHands == kHands) return;
  }
  const QString building = kDatabase + QStringLiteral(".building");
  QDir().mkpath(QFileInfo(kDatabase).absolutePath());
  RemoveDatabase(building);
  std::fprintf(stderr, "recording %lld hands into %s once...\n", static_cast<long long>(kHands),
               qPrintable(kDatabase));
  {
    THandHistory history(THandHistory::omRecord, building);
    std::mt19937 random(7);
    std::int64_t time = 1'700'000'000;
    for (int s = 0; s < kSessions; ++s) {
      const std::int64_t start = time;
      const bool practice = s % 10 == 9;
      for (int h = 0; h < kHandsPerSession; ++h)
        if (!history.Record(MakeHand(random, start, time += 7, practice))) std::abort();
      time += 20'000;
    }
  }
  RemoveDatabase(kDatabase);
  if (!QFile::rename(building, kDatabase)) std::abort();
}

// What the history page reads when it opens.
void ReadView(THandHistory& history) {
  benchmark::DoNotOptimize(history.Totals());
  benchmark::DoNotOptimize(history.BestRateSeries(THistoryPage::kChartSessions));
  benchmark::DoNotOptimize(history.Sessions(0, THistoryPage::kShownSessions));
  benchmark::DoNotOptimize(history.CostlySituations(0, THistoryPage::kShownSituations));
  benchmark::DoNotOptimize(history.Mistakes(THistoryPage::kShownMistakes));
}

void BM_ViewQueries(benchmark::State& state) {
  EnsureFilled();
  THandHistory history(THandHistory::omRecord, kDatabase);
  for (auto _ : state) ReadView(history);
}
BENCHMARK(BM_ViewQueries)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryPageRefresh(benchmark::State& state) {
  EnsureFilled();
  THandHistory history(THandHistory::omRecord, kDatabase);
  THistoryPage page(history);
  page.resize(480, 800);
  page.show();
  for (auto _ : state) {
    page.Refresh();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_HistoryPageRefresh)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenHistory(benchmark::State& state) {
  EnsureFilled();
  for (auto _ : state) {
    THandHistory history(THandHistory::omRecord, kDatabase);
    if (history.State() != THistoryState::Open) state.SkipWithError("not open");
  }
}
BENCHMARK(BM_OpenHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecordHand(benchmark::State& state) {
  QTemporaryDir folder;
  THandHistory history(THandHistory::omRecord, folder.filePath(QStringLiteral("history.sqlite")));
  std::mt19937 random(3);
  std::int64_t time = 1'700'000'000;
  for (auto _ : state)
    if (!history.Record(MakeHand(random, 1'700'000'000, ++time, false)))
      state.SkipWithError("not recorded");
}
BENCHMARK(BM_RecordHand)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
