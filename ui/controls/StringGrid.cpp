// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "StringGrid.h"

#include <QFocusEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "FocusMark.h"

namespace {
constexpr int kGridLine = 1;
constexpr int kFixedCols = 1;
constexpr int kFixedRows = 1;
constexpr int kTextIndent = 2;
}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setRange(0, 0);
  SetSize(FColCount, FRowCount);
}

void TStringGrid::SetSize(int colCount, int rowCount) {
  FColCount = std::max(kFixedCols + 1, colCount);
  FRowCount = std::max(kFixedRows + 1, rowCount);
  FCells.assign(static_cast<std::size_t>(FColCount * FRowCount), QString());
  FitColumns();
}

void TStringGrid::SetDefaultColWidth(int width) {
  FDesignColWidth = std::max(1, width);
  FitColumns();
}

void TStringGrid::SetDefaultRowHeight(int height) {
  FDesignRowHeight = std::max(1, height);
  FRowHeight = std::max(1, MulDivRound(FDesignRowHeight, FScale.M, FScale.D));
  viewport()->update();
}

QString TStringGrid::Cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount) return {};
  return FCells[static_cast<std::size_t>(row * FColCount + col)];
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount) return;
  QString& cell = FCells[static_cast<std::size_t>(row * FColCount + col)];
  if (cell == text) return;
  cell = text;
  viewport()->update();
}

void TStringGrid::SetFixedColor(const QColor& color) {
  FFixedColor = color;
  viewport()->update();
}

void TStringGrid::SetColor(const QColor& color) {
  FColor = color;
  viewport()->update();
}

int TStringGrid::LeftCol() const {
  return kFixedCols + horizontalScrollBar()->value();
}

void TStringGrid::SetLeftCol(int col) {
  horizontalScrollBar()->setValue(col - kFixedCols);
}

int TStringGrid::ColumnLeft(int col) const {
  if (col < kFixedCols) return col * (FColWidth + kGridLine);
  return (kFixedCols + col - LeftCol()) * (FColWidth + kGridLine);
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount) return {};
  if (col >= kFixedCols && col < LeftCol()) return {};
  const QRect cell(ColumnLeft(col), row * (FRowHeight + kGridLine), FColWidth, FRowHeight);
  if (col >= kFixedCols && cell.right() >= ViewWidth()) return {};
  return cell.intersects(viewport()->rect()) ? cell : QRect();
}

int TStringGrid::ViewWidth() const {
  // The vertical scroll bar never shows: every row is in view.
  const QMargins margins = viewportMargins();
  return contentsRect().width() - margins.left() - margins.right();
}

void TStringGrid::FitColumns() {
  // Frames and grid lines keep their width when the grid is scaled, so scaled columns no
  // longer fill the view as drawn: a sliver of the next one would show beside them.
  const int scaled = std::max(1, MulDivRound(FDesignColWidth, FScale.M, FScale.D));
  const int whole = std::max(1, (ViewWidth() + kGridLine) / (scaled + kGridLine));
  FColWidth =
      whole >= FColCount ? scaled : std::max(scaled, (ViewWidth() + kGridLine) / whole - kGridLine);
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::UpdateScrollBars() {
  // Scroll until the last column is wholly in view, never further.
  const int scrollable = ViewWidth() - kFixedCols * (FColWidth + kGridLine);
  const int inView = std::max(1, (scrollable + kGridLine) / (FColWidth + kGridLine));
  const int maxLeft = std::max(0, FColCount - kFixedCols - inView);
  horizontalScrollBar()->setRange(0, maxLeft);
  horizontalScrollBar()->setPageStep(inView);
}

void TStringGrid::ChangeScale(int m, int d) {
  // Kept as one ratio from the sizes as set, so that scaling back and forth comes back to
  // them exactly.
  FScale = ScaledAgain(FScale, m, d);
  FRowHeight = std::max(1, MulDivRound(FDesignRowHeight, FScale.M, FScale.D));
  FitColumns();
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  FitColumns();
}

void TStringGrid::scrollContentsBy(int, int) {
  viewport()->update();
}

void TStringGrid::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect area = viewport()->rect();
  painter.fillRect(area, FColor);
  const QColor line = palette().color(QPalette::Dark);
  for (int row = 0; row < FRowCount; ++row) {
    for (int col = 0; col < FColCount; ++col) {
      const QRect cell = CellRect(col, row);
      if (cell.isEmpty()) continue;
      const bool fixed = col < kFixedCols || row < kFixedRows;
      painter.fillRect(cell, fixed ? FFixedColor : FColor);
      painter.setPen(line);
      painter.drawLine(cell.topRight() + QPoint(1, 0), cell.bottomRight() + QPoint(1, 1));
      painter.drawLine(cell.bottomLeft() + QPoint(0, 1), cell.bottomRight() + QPoint(1, 1));
      painter.setPen(palette().color(QPalette::Text));
      painter.drawText(cell.adjusted(kTextIndent, 0, -kTextIndent, 0),
                       Qt::AlignLeft | Qt::AlignVCenter, Cell(col, row));
    }
  }
  // In the Tab chain for its arrow keys, which scroll it: show when they would.
  if (hasFocus()) PaintFocusMark(painter, area);
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}
