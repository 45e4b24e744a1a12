// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "IdleCaret.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

TIdleCaret::TIdleCaret(int restAfterMilliseconds)
    : FFlashTime(QGuiApplication::styleHints()->cursorFlashTime()) {
  FRestTimer.setSingleShot(true);
  FRestTimer.setInterval(restAfterMilliseconds);
  connect(&FRestTimer, &QTimer::timeout, this, &TIdleCaret::Rest);
  QCoreApplication::instance()->installEventFilter(this);
  FRestTimer.start();
}

TIdleCaret::~TIdleCaret() {
  Wake();
}

bool TIdleCaret::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
      Wake();
      FRestTimer.start();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void TIdleCaret::Rest() {
  FResting = true;
  QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void TIdleCaret::Wake() {
  if (!FResting) return;
  FResting = false;
  QGuiApplication::styleHints()->setCursorFlashTime(FFlashTime);
}
