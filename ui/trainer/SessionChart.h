// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TSessionChart: a small line chart of the total after each hand of the advisor's session,
// with the lowest and highest total written at its left edge.

#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;
class QRectF;

// What the game's charts share: the base colour, a line round it and, when there is
// nothing to plot, `emptyText` in its middle. Returns whether there is something to plot.
bool PaintChartFrame(QPainter& painter, const QWidget& chart, bool empty, const QString& emptyText);

// The radius of a chart's dots for the font height.
inline int ChartDotRadius(int fontHeight) {
  return fontHeight / 6 > 2 ? fontHeight / 6 : 2;
}

// The line through `shares` (0 at the bottom of `plot`, 1 at the top), evenly spread from
// left to right (a single one at the right), its width and dots sized by the font height;
// a dot on every point, or on the last one only.
void PaintChartLine(QPainter& painter, const QRectF& plot, const std::vector<double>& shares,
                    const QColor& color, int fontHeight, bool dotEveryPoint);

class TSessionChart : public QWidget {
  Q_OBJECT

 public:
  explicit TSessionChart(QWidget* parent = nullptr);

  void SetTotals(const std::vector<std::int32_t>& totals);
  const std::vector<std::int32_t>& Totals() const { return FTotals; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::int32_t> FTotals;
};
