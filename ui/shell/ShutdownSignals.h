// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Ends the game as its close command does when the system asks it to end: on SIGTERM (a
// desktop's session end, systemd, kill), SIGINT (Ctrl+C in a terminal), SIGHUP (the terminal
// gone) and the session manager's commit-data request. Whatever dialog is open is dismissed
// as Cancel would dismiss it, and then the window closes, saving the session, once. No one
// is there to answer a box any more: an error from then on is written to standard error and
// makes the exit status 1.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QSocketNotifier;

// From the first call on, for the rest of the process's life, SIGTERM, SIGINT and SIGHUP are
// only noted and never end the program by their default action: neither a signal during the
// start (main calls this first) nor a second one while the close runs and the program exits.
// A signal the program was started with ignored (nohup, a background job) stays ignored.
void CatchShutdownSignals();
// Whether one of them has arrived since; main ends quietly if one came before its window
// existed, as there is nothing to save yet.
bool ShutdownSignalArrived();

class TShutdownSignals : public QObject {
  Q_OBJECT

 public:
  // One at a time. Signals that arrived since CatchShutdownSignals close the window too.
  explicit TShutdownSignals(QWidget* window = nullptr);
  ~TShutdownSignals() override;
  TShutdownSignals(const TShutdownSignals&) = delete;
  TShutdownSignals& operator=(const TShutdownSignals&) = delete;

  // The window a signal closes; until there is one, a signal only dismisses open dialogs.
  void SetWindow(QWidget* window) { FWindow = window; }
  // Dismisses the open dialogs, then closes the window once back in the main event loop.
  void RequestClose();
  // 1 once an error was reported after a close was requested (the session was not saved),
  // else 0.
  int ExitStatus() const { return FErrorReported ? 1 : 0; }

 private:
  void SignalArrived();
  void CloseWhenIdle();
  void ReportUnattended(const QString& text);

  QPointer<QWidget> FWindow;
  QSocketNotifier* FNotifier = nullptr;
  bool FErrorReported = false;
};
