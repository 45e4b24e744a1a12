// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "RiskPlot.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Colors.h"
#include "FocusMark.h"
#include "SessionChart.h"

namespace {

const QColor kLine = ToQColor(clNavy);
const QColor kMarked = ToQColor(clRedSuit);
const QColor kGuide = ToQColor(clChartGuide);
const QColor kQuiet = ToQColor(clQuietText);

QString AxisFigure(double value, bool signedAxis) {
  // Steps are 1, 2 or 5 times a power of ten: six significant digits write them exactly.
  const QString figure = QString::number(value, 'g', 6);
  return signedAxis && value > 0 ? QStringLiteral("+") + figure : figure;
}

QString PercentFigure(double chance) {
  return QString::number(100 * chance, 'g', 6) + QStringLiteral("%");
}

}  // namespace

double NiceStep(double least) {
  if (!(least > 0) || !std::isfinite(least)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(least)));
  for (const double times : {1.0, 2.0, 5.0, 10.0})
    if (times * power >= least * (1 - 1e-9)) return times * power;
  return 10 * power;
}

struct TRiskPlot::TFrame {
  QRectF Plot;
  double XMin = 0;
  double XMax = 1;
  double XStep = 1;
  double YMax = 1;
  double YStep = 1;
  double X(double x) const { return Plot.left() + (x - XMin) / (XMax - XMin) * Plot.width(); }
  double Y(double chance) const { return Plot.bottom() - chance / YMax * Plot.height(); }
};

TRiskPlot::TRiskPlot(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::TabFocus);  // reached by Tab; a click leaves the keyboard in the game
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TRiskPlot::SetTitles(const QString& title, const QString& axis, bool signedAxis) {
  FTitle = title;
  FAxis = axis;
  FSigned = signedAxis;
  setAccessibleName(title);
  update();
}

void TRiskPlot::SetCurve(std::vector<QPointF> points) {
  FCurve = std::move(points);
  FBars.clear();
  FMessage.clear();
  Changed();
}

void TRiskPlot::SetBars(std::vector<TPlotBar> bars) {
  FBars = std::move(bars);
  FCurve.clear();
  FMessage.clear();
  Changed();
}

void TRiskPlot::SetRows(std::vector<TPlotRow> rows) {
  FRows = std::move(rows);
  FCursor = std::clamp(FCursor, 0, std::max(0, static_cast<int>(FRows.size()) - 1));
  Changed();
}

void TRiskPlot::SetMessage(const QString& message) {
  FMessage = message;
  FCurve.clear();
  FBars.clear();
  FRows.clear();
  FCursor = 0;
  Changed();
}

void TRiskPlot::Changed() {
  update();
  SpokenRowsChanged(this);
}

bool TRiskPlot::Empty() const {
  return FCurve.size() < 2 && FBars.empty();
}

QSize TRiskPlot::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 20, line * 11};
}

QSize TRiskPlot::minimumSizeHint() const {
  const int line = fontMetrics().height();
  return {line * 10, line * 9};
}

TRiskPlot::TFrame TRiskPlot::Frame() const {
  TFrame f;
  double top = 0;
  if (!FCurve.empty()) {
    f.XMin = FCurve.front().x();
    f.XMax = FCurve.back().x();
    for (const QPointF& p : FCurve) top = std::max(top, p.y());
  } else if (!FBars.empty()) {
    f.XMin = FBars.front().From - 0.5;
    f.XMax = FBars.front().To + 0.5;
    for (const TPlotBar& bar : FBars) {
      f.XMin = std::min(f.XMin, bar.From - 0.5);
      f.XMax = std::max(f.XMax, bar.To + 0.5);
      top = std::max(top, bar.Chance);
    }
  }
  if (f.XMax <= f.XMin) f.XMax = f.XMin + 1;
  // About four steps up the chance axis; a chance that never comes up still gets an axis.
  f.YStep = NiceStep(std::max(top, 1e-4) / 4);
  f.YMax = std::max(1.0, std::ceil(top / f.YStep - 1e-9)) * f.YStep;

  const QFontMetrics metrics = fontMetrics();
  const int pad = std::max(2, metrics.height() / 4);
  int yLabels = 0;
  for (double y = 0; y <= f.YMax * (1 + 1e-9); y += f.YStep)
    yLabels = std::max(yLabels, metrics.horizontalAdvance(PercentFigure(y)));
  const int xLabel = std::max(metrics.horizontalAdvance(AxisFigure(f.XMin, FSigned)),
                              metrics.horizontalAdvance(AxisFigure(f.XMax, FSigned)));
  const double left = pad + yLabels + pad;
  const double right = width() - pad - xLabel / 2.0;
  const double top_ = pad + metrics.height() + metrics.height() / 2.0;
  const double bottom = height() - pad - 2 * metrics.height() - pad;
  f.Plot = QRectF(left, top_, std::max(1.0, right - left), std::max(1.0, bottom - top_));
  // Figures along the bottom as close as their widths allow.
  const double room = xLabel + 1.5 * metrics.height();
  const double fit = std::max(1.0, std::floor(f.Plot.width() / room));
  f.XStep = NiceStep((f.XMax - f.XMin) / fit);
  return f;
}

void TRiskPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int pad = std::max(2, metrics.height() / 4);
  const bool empty = Empty();
  if (!PaintChartFrame(painter, *this, empty, FMessage)) {
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(pad, pad, width() - 2 * pad, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, FTitle);
    if (hasFocus()) PaintFocusMark(painter, rect().adjusted(1, 1, -1, -1));
    return;
  }
  const TFrame f = Frame();
  const QColor text = palette().color(QPalette::Text);
  painter.setPen(text);
  painter.drawText(QRect(pad, pad, width() - 2 * pad, metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop,
                   metrics.elidedText(FTitle, Qt::ElideRight, width() - 2 * pad));

  // Chance axis: a guide at each step, its figure at the left.
  for (double y = 0; y <= f.YMax * (1 + 1e-9); y += f.YStep) {
    const double at = f.Y(y);
    painter.setPen(kGuide);
    painter.drawLine(QPointF(f.Plot.left(), at), QPointF(f.Plot.right(), at));
    painter.setPen(kQuiet);
    painter.drawText(
        QRectF(pad, at - metrics.height() / 2.0, f.Plot.left() - 2 * pad, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, PercentFigure(y));
  }
  // The counted axis: a figure at each step, the axis' name under them.
  const double first = std::ceil(f.XMin / f.XStep - 1e-9) * f.XStep;
  for (double x = first; x <= f.XMax * (1 + 1e-12) + 1e-9; x += f.XStep) {
    const double at = f.X(x);
    painter.setPen(kGuide);
    painter.drawLine(QPointF(at, f.Plot.bottom()), QPointF(at, f.Plot.bottom() + pad));
    painter.setPen(kQuiet);
    const QString figure = AxisFigure(std::abs(x) < f.XStep * 1e-9 ? 0 : x, FSigned);
    const double w = metrics.horizontalAdvance(figure);
    painter.drawText(QRectF(at - w / 2 - 1, f.Plot.bottom() + pad, w + 2, metrics.height()),
                     Qt::AlignCenter, figure);
  }
  painter.setPen(text);
  painter.drawText(QRectF(f.Plot.left(), f.Plot.bottom() + pad + metrics.height(), f.Plot.width(),
                          metrics.height()),
                   Qt::AlignHCenter | Qt::AlignTop,
                   metrics.elidedText(FAxis, Qt::ElideRight, static_cast<int>(f.Plot.width())));

  painter.setRenderHint(QPainter::Antialiasing);
  if (!FBars.empty()) {
    // Even (0) as a dashed guide: what lies right of it is ahead.
    if (f.XMin < 0 && f.XMax > 0) {
      painter.setPen(QPen(kQuiet, 1, Qt::DashLine));
      painter.drawLine(QPointF(f.X(0), f.Plot.top()), QPointF(f.X(0), f.Plot.bottom()));
    }
    painter.setPen(Qt::NoPen);
    for (const TPlotBar& bar : FBars) {
      const double x0 = f.X(bar.From - 0.5);
      const double x1 = f.X(bar.To + 0.5);
      // Every bar at least a pixel wide, with a hair of room between neighbours.
      const double gap = x1 - x0 > 4 ? 1 : 0;
      painter.setBrush(bar.Marked ? kMarked : kLine);
      painter.drawRect(QRectF(x0 + gap / 2, f.Y(bar.Chance), std::max(1.0, x1 - x0 - gap),
                              f.Plot.bottom() - f.Y(bar.Chance)));
    }
  } else {
    QPainterPath path(QPointF(f.X(FCurve.front().x()), f.Y(FCurve.front().y())));
    for (const QPointF& p : FCurve) path.lineTo(f.X(p.x()), f.Y(p.y()));
    painter.setPen(QPen(kLine, std::max(2, metrics.height() / 8)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(text);
  painter.drawLine(f.Plot.bottomLeft(), f.Plot.bottomRight());
  painter.drawLine(f.Plot.bottomLeft(), f.Plot.topLeft());

  if (hasFocus()) {
    PaintFocusMark(painter, rect().adjusted(1, 1, -1, -1));
    const QRect row = SpokenRowRect(CurrentSpokenRow());
    if (!row.isEmpty()) {
      painter.setPen(QPen(text, 1, Qt::DotLine));
      painter.drawLine(row.center().x(), row.top(), row.center().x(), row.bottom());
      painter.drawText(
          QRectF(f.Plot.left() + pad, f.Plot.top(), f.Plot.width() - 2 * pad, metrics.height()),
          Qt::AlignRight | Qt::AlignTop,
          metrics.elidedText(SpokenRow(CurrentSpokenRow()), Qt::ElideRight,
                             static_cast<int>(f.Plot.width()) - 2 * pad));
    }
  }
}

int TRiskPlot::SpokenRowCount() const {
  return static_cast<int>(FRows.size());
}

QString TRiskPlot::SpokenRow(int row) const {
  return row >= 0 && row < SpokenRowCount() ? FRows[static_cast<std::size_t>(row)].Text : QString();
}

QRect TRiskPlot::SpokenRowRect(int row) const {
  if (row < 0 || row >= SpokenRowCount() || Empty() || !isVisible()) return {};
  const TFrame f = Frame();
  const TPlotRow& r = FRows[static_cast<std::size_t>(row)];
  // Bars cover whole results; a point of the curve gets a few pixels round it.
  const double half = FBars.empty() ? 0 : 0.5;
  double x0 = f.X(r.From - half);
  double x1 = f.X(r.To + half);
  if (x1 - x0 < 4) {
    const double mid = (x0 + x1) / 2;
    x0 = mid - 2;
    x1 = mid + 2;
  }
  return QRectF(QPointF(x0, f.Plot.top()), QPointF(x1, f.Plot.bottom())).toAlignedRect() & rect();
}

int TRiskPlot::CurrentSpokenRow() const {
  return hasFocus() && FCursor < SpokenRowCount() ? FCursor : -1;
}

void TRiskPlot::keyPressEvent(QKeyEvent* event) {
  // Left and Right walk the figures as Up and Down do: the axis runs across.
  QKeyEvent same(event->type(),
                 event->key() == Qt::Key_Left    ? Qt::Key_Up
                 : event->key() == Qt::Key_Right ? Qt::Key_Down
                                                 : event->key(),
                 event->modifiers());
  const auto row = RowAfterKey(same, FCursor, SpokenRowCount(), 5);
  if (!row) {
    QWidget::keyPressEvent(event);
    return;
  }
  FCursor = *row;
  update();
  SpokenRowFocused(this, FCursor);
  event->accept();
}

void TRiskPlot::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  SpokenRowFocused(this, CurrentSpokenRow());
}

void TRiskPlot::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}
