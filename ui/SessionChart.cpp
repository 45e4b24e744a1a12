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
  setObjectName(QStringLiteral("SessionChart"));
}

void TSessionChart::SetTotals(const std::vector<std::int32_t>& totals) {
  FTotals = totals;
  update();
}

void TSessionChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (FTotals.empty()) {
    painter.setPen(kQuiet);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("No hands yet"));
    return;
  }
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
  const auto pointAt = [&](std::size_t i) {
    const double x = FTotals.size() == 1
                         ? plot.right()
                         : plot.left() + plot.width() * static_cast<double>(i) /
                                             static_cast<double>(FTotals.size() - 1);
    const double share =
        span > 0 ? static_cast<double>(std::int64_t{FTotals[i]} - *lowest) / span : 0.5;
    return QPointF(x, plot.bottom() - plot.height() * share);
  };
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path(pointAt(0));
  for (std::size_t i = 1; i < FTotals.size(); ++i) path.lineTo(pointAt(i));
  painter.setPen(QPen(kLine, std::max(1, metrics.height() / 8)));
  painter.drawPath(path);
  painter.setBrush(kLine);
  const double dot = std::max(2, metrics.height() / 6);
  painter.drawEllipse(pointAt(FTotals.size() - 1), dot, dot);
}
