// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// A component that holds one timer, stopped, and shows its period as a property.

#include <QObject>

class QTimer;

class TSleeper : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Interval READ Interval WRITE SetInterval)

 public:
  explicit TSleeper(QObject* parent = nullptr);
  ~TSleeper() override;

  // The timer's period in milliseconds; 0 when there is no timer.
  int Interval() const;
  // Sets the period; never starts the timer.
  void SetInterval(int value);

  const QTimer* Timer() const { return FTimer; }

 private:
  QTimer* FTimer = nullptr;
};
