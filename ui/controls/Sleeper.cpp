// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Sleeper.h"

#include <QTimer>

TSleeper::TSleeper(QObject* parent) : QObject(parent), FTimer(new QTimer(this)) {
  // The classic timer's default period; never started, so it never fires.
  FTimer->setInterval(1000);
  FTimer->stop();
}

TSleeper::~TSleeper() {
  delete FTimer;
  FTimer = nullptr;
}

int TSleeper::Interval() const {
  return FTimer != nullptr ? FTimer->interval() : 0;
}

void TSleeper::SetInterval(int value) {
  if (FTimer != nullptr) FTimer->setInterval(value);
}
