// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Targets on the 2-core machine: the advice for a dealt hand painted within 50 ms of the Deal,
// the tables already built (BM_DealToAdvice); opening the advisor for the first time with a
// hand dealt, the return and the hand's advice on screen within 150 ms (BM_FirstOpening: /0
// with nothing stored, the return counted; /1 with the return an earlier game counted stored,
// shown at once and counted again behind it).
//
// BM_PayoutsToChart: from a change of multipliers (as Payouts Options' OK tells the advisor)
// to the Chart page showing the new table's chart with the dealt hand's line marked, about
// 0.3 s; its counter longest_stall_ms is the longest the game's event loop waited meanwhile.
//
// Runs the real game window and advisor on Qt's offscreen platform, in a private config
// folder; painting is forced, so the time includes drawing the advice.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "AdvicePage.h"
#include "Advisor.h"
#include "ChartPage.h"
#include "GameWindow.h"
#include "HoldList.h"

namespace {

std::unique_ptr<TGameWindow> ShowGame() {
  auto window = std::make_unique<TGameWindow>(QSize(1280, 1024));
  window->show();
  return window;
}

void OpenAdvisor(TGameWindow& window) {
  window.findChild<QAction*>(QStringLiteral("StrategyAdvisor"))->trigger();
}

void WaitUntilReady(const TAdvisor& advisor) {
  while (!advisor.Ready()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// The return counted and the dealt hand's advice on screen.
void WaitUntilAdvised(const TAdvisor& advisor) {
  while (!advisor.Ready() || !advisor.Advice->HoldList->Advice())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// The return and the hand's advice on screen, the return maybe the stored one still being
// counted again.
void WaitUntilShown(const TAdvisor& advisor) {
  while (!advisor.ReturnShown() || !advisor.Advice->HoldList->Advice())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

void BM_DealToAdvice(benchmark::State& state) {
  auto window = ShowGame();
  OpenAdvisor(*window);
  WaitUntilReady(*window->Advisor());
  std::uint32_t seed = 1;
  for (auto _ : state) {
    window->Engine().Random().Seed = seed++;
    QElapsedTimer timer;
    timer.start();
    window->DealClick();
    window->Advisor()->repaint();
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    window->DrawClick();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_DealToAdvice)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);

void BM_PayoutsToChart(benchmark::State& state) {
  auto window = ShowGame();
  OpenAdvisor(*window);
  TAdvisor& advisor = *window->Advisor();
  advisor.PageTabs->setCurrentIndex(advisor.Pages->indexOf(advisor.ChartPage));
  window->DealClick();
  const TChartPage& chart = *advisor.ChartPage;
  // Two tables in turn, so every change builds a chart.
  const TPayTable tables[2] = {TPayTable{{0, 1, 2, 3, 5, 8, 24, 49, 799}}, TPayTable{}};
  // A timer that should fire at once whenever the event loop is free: the longest gap between
  // its firings is the longest the game could not react.
  QElapsedTimer loop;
  qint64 longest = 0;
  QTimer ticker;
  ticker.setInterval(0);
  QObject::connect(&ticker, &QTimer::timeout, [&] { longest = std::max(longest, loop.restart()); });
  int turn = 0;
  for (auto _ : state) {
    while (!chart.Ready()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QElapsedTimer timer;
    timer.start();
    loop.start();
    ticker.start();
    // The advisor hears of the change from the engine.
    window->Engine().SetPayTable(tables[turn++ % 2]);
    while (!chart.Ready() || chart.MarkedLine() < 0)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    advisor.repaint();
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    ticker.stop();
  }
  state.counters["longest_stall_ms"] = static_cast<double>(longest);
}
BENCHMARK(BM_PayoutsToChart)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void StoreSettings(const QByteArray& text) {
  QFile ini(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Quorvel.ini")));
  if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) ini.write(text);
}

void BM_FirstOpening(benchmark::State& state) {
  const bool stored = state.range(0) != 0;
  StoreSettings(stored ? "[Advisor]\nReturn=92.70\nReturnTable=0 1 2 3 4 7 11 49 99\n" : "");
  for (auto _ : state) {
    auto window = ShowGame();
    window->DealClick();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    OpenAdvisor(*window);
    if (stored)
      WaitUntilShown(*window->Advisor());
    else
      WaitUntilAdvised(*window->Advisor());
    window->Advisor()->repaint();
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    WaitUntilReady(*window->Advisor());  // the count behind it is not the next one's
  }
  StoreSettings("");
}
BENCHMARK(BM_FirstOpening)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

// Resident memory of the game with a hand dealt: before the advisor first opens, with it open
// and its tables built, and after it is closed again (it gives its tables back). Run it on
// its own (--benchmark_filter=Memory): the windows of the benchmarks before it leave memory
// behind that blurs the figures.
long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

void BM_MemoryGivenBack(benchmark::State& state) {
  for (auto _ : state) {
    auto window = ShowGame();
    window->DealClick();
    QCoreApplication::processEvents();
    const long before = ResidentKilobytes();
    OpenAdvisor(*window);
    WaitUntilReady(*window->Advisor());
    const long open = ResidentKilobytes();
    OpenAdvisor(*window);  // the same command closes it
    QCoreApplication::processEvents();
    state.counters["closed_kB"] = static_cast<double>(before);
    state.counters["open_kB"] = static_cast<double>(open);
    state.counters["closed_again_kB"] = static_cast<double>(ResidentKilobytes());
  }
}
BENCHMARK(BM_MemoryGivenBack)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A win's sound must not wait for a sound device, nor fail for want of one.
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
