// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "SessionChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Colors.h"

namespace {

const QColor kLine = ToQColor(clNavy);
const QColor kQuiet = ToQColor(clQuietText);

}  // namespace

TSessionChart::TSessionChart(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Total after each hand"));
  setObjectName(QStringLiteral("SessionChart"));
}

void TSessionChart::SetTotals(const std::vector<std::int32_t>& totals) {
  FTotals = totals;
  update();
}

bool PaintChartFrame(QPainter& painter, const QWidget& chart, bool empty,
                     const QString& emptyText) {
  painter.fillRect(chart.rect(), chart.palette().color(QPalette::Base));
  painter.setPen(chart.palette().color(QPalette::Mid));
  painter.drawRect(chart.rect().adjusted(0, 0, -1, -1));
  if (!empty) return true;
  painter.setPen(kQuiet);
  painter.drawText(chart.rect(), Qt::AlignCenter, emptyText);
  return false;
}

void PaintChartLine(QPainter& painter, const QRectF& plot, const std::vector<double>& shares,
                    const QColor& color, int fontHeight, bool dotEveryPoint) {
  if (shares.empty()) return;
  const auto pointAt = [&](std::size_t i) {
    const double x = shares.size() == 1 ? plot.right()
                                        : plot.left() + plot.width() * static_cast<double>(i) /
                                                            static_cast<double>(shares.size() - 1);
    return QPointF(x, plot.bottom() - plot.height() * shares[i]);
  };
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path(pointAt(0));
  for (std::size_t i = 1; i < shares.size(); ++i) path.lineTo(pointAt(i));
  painter.setPen(QPen(color, std::max(1, fontHeight / 8)));
  painter.drawPath(path);
  painter.setBrush(color);
  const double dot = ChartDotRadius(fontHeight);
  for (std::size_t i = dotEveryPoint ? 0 : shares.size() - 1; i < shares.size(); ++i)
    painter.drawEllipse(pointAt(i), dot, dot);
}

void TSessionChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!PaintChartFrame(painter, *this, FTotals.empty(), tr("No hands yet"))) return;
  const auto extremes = std::minmax_element(FTotals.begin(), FTotals.end());
  const auto lowest = extremes.first;
  const auto highest = extremes.second;
  const QString high = QString::number(*highest);
  const QString low = QString::number(*lowest);
  const QFontMetrics metrics = fontMetrics();
  const int margin = std::max(2, metrics.height() / 4);
  const int labels = std::max(metrics.horizontalAdvance(high), metrics.horizontalAdvance(low));
  painter.setPen(kQuiet);
  painter.drawText(QRect(margin, margin, labels, metrics.height()), Qt::AlignRight | Qt::AlignTop,
                   high);
  if (*lowest != *highest)
    painter.drawText(QRect(margin, height() - margin - metrics.height(), labels, metrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, low);

  const QRectF plot = QRectF(rect()).adjusted(2 * margin + labels, margin + metrics.height() / 2.0,
                                              -margin, -margin - metrics.height() / 2.0);
  // 64-bit differences: totals may span the whole 32-bit range.
  const double span = static_cast<double>(std::int64_t{*highest} - *lowest);
  std::vector<double> shares;
  for (const std::int32_t total : FTotals)
    shares.push_back(span > 0 ? static_cast<double>(std::int64_t{total} - *lowest) / span : 0.5);
  PaintChartLine(painter, plot, shares, kLine, metrics.height(), false);
}
