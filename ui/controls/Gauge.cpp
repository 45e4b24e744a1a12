// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Gauge.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

void TGauge::SetRange(int minValue, int maxValue) {
  FMinValue = minValue;
  FMaxValue = std::max(minValue, maxValue);
  SetProgress(FProgress);
}

void TGauge::SetProgress(int progress) {
  const int clamped = std::clamp(progress, FMinValue, FMaxValue);
  if (clamped == FProgress) return;
  FProgress = clamped;
  update();
  if (QAccessible::isActive()) {
    // Readers hear the percentage as the gauge's description.
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

int TGauge::PercentDone() const {
  if (FMaxValue == FMinValue) return 0;
  return static_cast<int>(std::int64_t{FProgress - FMinValue} * 100 / (FMaxValue - FMinValue));
}

void TGauge::SetForeColor(const QColor& color) {
  FForeColor = color;
  update();
}

void TGauge::SetBackColor(const QColor& color) {
  FBackColor = color;
  update();
}

void TGauge::SetColor(const QColor& color) {
  FColor = color;
  update();
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), FColor);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF disc = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(FBackColor);
  painter.drawEllipse(disc);
  const int percent = PercentDone();
  if (percent > 0) {
    painter.setBrush(FForeColor);
    // From twelve o'clock, clockwise; Qt counts sixteenths of a degree anticlockwise.
    const int span = -percent * 360 * 16 / 100;
    if (percent >= 100)
      painter.drawEllipse(disc);
    else
      painter.drawPie(disc, 90 * 16, span);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(percent));
}
