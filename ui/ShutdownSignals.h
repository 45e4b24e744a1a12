#pragma once
// Ends the game as its close command does when the system asks it to end: on SIGTERM (a
// desktop's session end, systemd, kill), SIGINT (Ctrl+C in a terminal), SIGHUP (the terminal
// gone) and the session manager's commit-data request. Whatever dialog is open is dismissed
// as Cancel would dismiss it, and then the window closes, saving the session, once.

#include <QObject>
#include <QPointer>
#include <QWidget>

class QSocketNotifier;

class TShutdownSignals : public QObject {
  Q_OBJECT

 public:
  // One at a time; the signals get their default handling back when it is destroyed.
  explicit TShutdownSignals(QWidget* window);
  ~TShutdownSignals() override;
  TShutdownSignals(const TShutdownSignals&) = delete;
  TShutdownSignals& operator=(const TShutdownSignals&) = delete;

  // Dismisses the open dialogs, then closes the window once back in the main event loop.
  void RequestClose();

 private:
  void SignalArrived();
  void CloseWhenIdle();

  QPointer<QWidget> FWindow;
  QSocketNotifier* FNotifier = nullptr;
};
