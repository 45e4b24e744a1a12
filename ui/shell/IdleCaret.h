// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The text caret blinks only while the player is at the keyboard or the mouse: after some
// seconds without input it stays lit, so an idle game doesn't wake twice a second to redraw
// it, and the next key or click sets it blinking again (as GTK desktops do).

#include <QObject>
#include <QTimer>

class TIdleCaret : public QObject {
  Q_OBJECT

 public:
  // Watches the application's input from now on, for as long as it lives.
  explicit TIdleCaret(int restAfterMilliseconds = 10000);
  ~TIdleCaret() override;
  TIdleCaret(const TIdleCaret&) = delete;
  TIdleCaret& operator=(const TIdleCaret&) = delete;

  bool Resting() const { return FResting; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Rest();
  void Wake();

  QTimer FRestTimer;
  int FFlashTime;
  bool FResting = false;
};
