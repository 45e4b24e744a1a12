#include "ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <array>
#include <csignal>
#include <stdexcept>

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may only do async-signal-safe things: it writes a byte, and the event
// loop reads it.
int gWakeWrite = -1;
int gWakeRead = -1;

extern "C" void OnShutdownSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(gWakeWrite, &byte, 1);
  errno = saved;
}

void SetHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

TShutdownSignals::TShutdownSignals(QWidget* window) : FWindow(window) {
  if (gWakeWrite >= 0) throw std::logic_error("shutdown signals are already handled");
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("no pipe for signals");
  gWakeRead = ends[0];
  gWakeWrite = ends[1];
  FNotifier = new QSocketNotifier(gWakeRead, QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, &TShutdownSignals::SignalArrived);
  SetHandler(OnShutdownSignal);
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    connect(app, &QGuiApplication::commitDataRequest, this, &TShutdownSignals::RequestClose);
}

TShutdownSignals::~TShutdownSignals() {
  SetHandler(SIG_DFL);
  delete FNotifier;
  ::close(gWakeRead);
  ::close(gWakeWrite);
  gWakeRead = gWakeWrite = -1;
}

void TShutdownSignals::SignalArrived() {
  char bytes[16];
  while (::read(gWakeRead, bytes, sizeof bytes) > 0) {
  }
  RequestClose();
}

void TShutdownSignals::RequestClose() {
  // Asked again, it tries again: a box the close itself raised is dismissed too.
  CloseWhenIdle();
}

void TShutdownSignals::CloseWhenIdle() {
  if (FWindow.isNull()) return;
  // Each dismissed dialog returns to the handler that opened it, which finishes first: a
  // colour command, say, still records its colour before the close saves it.
  if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
  } else if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  } else if (QThread::currentThread()->loopLevel() <= 1) {
    FWindow->close();
    return;
  }
  QTimer::singleShot(10, this, &TShutdownSignals::CloseWhenIdle);
}
