// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TStringGrid: a grid of text cells whose first row and first column are fixed: they
// keep their place while the other columns scroll sideways, a whole column at a time.

#include <QAbstractScrollArea>
#include <QColor>
#include <QStringList>
#include <vector>

#include "Scaling.h"

class TStringGrid : public QAbstractScrollArea, public TScalable {
  Q_OBJECT

 public:
  explicit TStringGrid(QWidget* parent = nullptr);

  int ColCount() const { return FColCount; }
  int RowCount() const { return FRowCount; }
  void SetSize(int colCount, int rowCount);
  // The columns' width as set, scaled, and widened so that the columns wholly in view fill
  // it: no part of a column beyond them shows.
  int DefaultColWidth() const { return FColWidth; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return FRowHeight; }
  void SetDefaultRowHeight(int height);

  // Empty text for a cell outside the grid; writing one does nothing.
  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);

  QColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(const QColor& color);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);

  // The first scrollable column in view.
  int LeftCol() const;
  void SetLeftCol(int col);
  // Where a cell is drawn in the viewport; empty when it is scrolled out of view, or for a
  // scrolling column, not wholly in view.
  QRect CellRect(int col, int row) const;

  void ChangeScale(int m, int d) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void FitColumns();
  void UpdateScrollBars();
  int ColumnLeft(int col) const;
  // The viewport's width, also before the viewport has been laid out.
  int ViewWidth() const;

  int FColCount = 5;
  int FRowCount = 5;
  int FDesignColWidth = 64;
  int FDesignRowHeight = 24;
  TScale FScale;
  int FColWidth = 64;
  int FRowHeight = 24;
  QColor FFixedColor = Qt::lightGray;
  QColor FColor = Qt::white;
  std::vector<QString> FCells;
};
