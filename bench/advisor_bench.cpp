// Target on the 2-core machine: the advice for a dealt hand painted within 50 ms of the Deal,
// the tables already built (BM_DealToAdvice). BM_FirstTables is the wait from opening the
// advisor for the first time to the return of the pay table on screen.
//
// Runs the real game window and advisor on Qt's offscreen platform, in a private config
// folder; painting is forced, so the time includes drawing the advice.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <memory>

#include "Advisor.h"
#include "GameWindow.h"

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

void BM_FirstTables(benchmark::State& state) {
  for (auto _ : state) {
    auto window = ShowGame();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    OpenAdvisor(*window);
    WaitUntilReady(*window->Advisor());
    window->Advisor()->repaint();
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
  }
}
BENCHMARK(BM_FirstTables)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
