// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <stdexcept>

#include "MessageBoxes.h"
#include "printable_text.h"

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may only do async-signal-safe things: it notes the signal and writes a
// byte, which the event loop reads. The pipe is never closed, so the handler, which stays
// for good, never writes into a descriptor reused for something else.
int gWakeWrite = -1;
int gWakeRead = -1;
std::atomic<bool> gSignalArrived{false};
static_assert(std::atomic<bool>::is_always_lock_free);
const TShutdownSignals* gReader = nullptr;  // the one that reads the pipe

extern "C" void OnShutdownSignal(int) {
  const int saved = errno;
  gSignalArrived.store(true, std::memory_order_relaxed);
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(gWakeWrite, &byte, 1);
  errno = saved;
}

}  // namespace

void CatchShutdownSignals() {
  if (gWakeWrite >= 0) return;
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("no pipe for signals");
  gWakeRead = ends[0];
  gWakeWrite = ends[1];
  struct sigaction action {};
  action.sa_handler = OnShutdownSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) {
    struct sigaction inherited {};
    ::sigaction(signal, nullptr, &inherited);
    if (inherited.sa_handler != SIG_IGN) ::sigaction(signal, &action, nullptr);
  }
}

bool ShutdownSignalArrived() {
  return gSignalArrived.load(std::memory_order_relaxed);
}

TShutdownSignals::TShutdownSignals(QWidget* window) : FWindow(window) {
  CatchShutdownSignals();
  if (gReader) throw std::logic_error("shutdown signals are already handled");
  gReader = this;
  FNotifier = new QSocketNotifier(gWakeRead, QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, &TShutdownSignals::SignalArrived);
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    connect(app, &QGuiApplication::commitDataRequest, this, &TShutdownSignals::RequestClose);
}

TShutdownSignals::~TShutdownSignals() {
  // The handlers stay: a signal from here until the process is gone is only noted.
  SetErrorReportSink(nullptr);
  gReader = nullptr;
}

void TShutdownSignals::SignalArrived() {
  char bytes[16];
  while (::read(gWakeRead, bytes, sizeof bytes) > 0) {
  }
  RequestClose();
}

void TShutdownSignals::RequestClose() {
  SetErrorReportSink([this](const QString& text) { ReportUnattended(text); });
  // Asked again, it tries again.
  CloseWhenIdle();
}

void TShutdownSignals::ReportUnattended(const QString& text) {
  FErrorReported = true;
  const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  // A report names files, whose names may hold control characters; its own lines stay.
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) line = QString::fromStdString(PrintableText(line.toStdString()));
  std::fprintf(stderr, "%s: %s\n", program.toLocal8Bit().constData(),
               lines.join(QLatin1Char('\n')).toLocal8Bit().constData());
  std::fflush(stderr);
}

void TShutdownSignals::CloseWhenIdle() {
  // Each dismissed dialog returns to the handler that opened it, which finishes first: a
  // colour command, say, still records its colour before the close saves it.
  if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
  } else if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  } else if (FWindow.isNull()) {
    return;  // nothing is there to close yet
  } else if (QThread::currentThread()->loopLevel() <= 1) {
    FWindow->close();
    return;
  }
  QTimer::singleShot(10, this, &TShutdownSignals::CloseWhenIdle);
}
