// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TGauge: a pie gauge showing a share of a disc and the share as "N%" in its centre.

#include <QColor>
#include <QWidget>

class TGauge : public QWidget {
  Q_OBJECT

 public:
  explicit TGauge(QWidget* parent = nullptr);

  int MinValue() const { return FMinValue; }
  int MaxValue() const { return FMaxValue; }
  void SetRange(int minValue, int maxValue);
  int Progress() const { return FProgress; }
  // Held within the range.
  void SetProgress(int progress);
  int PercentDone() const;

  QColor ForeColor() const { return FForeColor; }
  void SetForeColor(const QColor& color);
  QColor BackColor() const { return FBackColor; }
  void SetBackColor(const QColor& color);
  // The control's own background around the disc.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int FMinValue = 0;
  int FMaxValue = 100;
  int FProgress = 0;
  QColor FForeColor = Qt::black;
  QColor FBackColor = Qt::white;
  QColor FColor = Qt::lightGray;
};
