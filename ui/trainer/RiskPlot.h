// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TRiskPlot: a chance plotted against a number, read at a glance: a curve (the chance of ruin
// against hands played) or bars (the chance of each range of results), the chance axis in per
// cent from 0, both axes labelled, a title above. Screen readers read its figures as a list,
// one row a point the page chose ("After 500 hands: 2.1 %"); the arrows walk the rows when it
// has the keyboard, the row the keyboard is on marked by a line across the plot.

#include <QString>
#include <QWidget>
#include <vector>

#include "SpokenRows.h"

// A bar over the results From..To (whole numbers, both included), Marked for one that
// stands apart (the ruined sessions).
struct TPlotBar {
  double From = 0;
  double To = 0;
  double Chance = 0;
  bool Marked = false;
};

// A row the screen reader reads, and where along the horizontal axis it is about.
struct TPlotRow {
  double From = 0;
  double To = 0;
  QString Text;
};

class TRiskPlot : public QWidget, public TSpokenRows {
  Q_OBJECT

 public:
  explicit TRiskPlot(QWidget* parent = nullptr);

  // The title above the plot and what the horizontal axis counts; `signedAxis` writes its
  // figures above 0 with a plus sign (results).
  void SetTitles(const QString& title, const QString& axis, bool signedAxis);
  // A curve through (x, chance) points, left to right, or bars; either clears the other and
  // the message.
  void SetCurve(std::vector<QPointF> points);
  void SetBars(std::vector<TPlotBar> bars);
  void SetRows(std::vector<TPlotRow> rows);
  // Nothing to plot: the message says why in the plot's place.
  void SetMessage(const QString& message);

  QString Title() const { return FTitle; }
  QString Message() const { return FMessage; }
  const std::vector<TPlotRow>& Rows() const { return FRows; }

  int SpokenRowCount() const override;
  QString SpokenRow(int row) const override;
  QRect SpokenRowRect(int row) const override;
  int CurrentSpokenRow() const override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct TFrame;
  TFrame Frame() const;
  bool Empty() const;
  void Changed();

  QString FTitle;
  QString FAxis;
  bool FSigned = false;
  std::vector<QPointF> FCurve;
  std::vector<TPlotBar> FBars;
  std::vector<TPlotRow> FRows;
  QString FMessage;
  int FCursor = 0;
};

// A step between an axis' figures of 1, 2 or 5 times a power of ten, at least `least`.
double NiceStep(double least);
