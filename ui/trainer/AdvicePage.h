// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TAdvicePage: the strategy advisor's first page: the return of the pay table in force, the
// dealt hand's holds ranked by expected pay, the player's hold, "Hold best", the practice
// switches, the verdict on the hold drawn with, and the session so far. It only holds the
// controls and places them; the advisor fills them.
//
// Every control is placed from the font's measures, so each is as large as the longest
// text it may have to show at any scale: the page is never narrower than the hold list's
// columns need, and the verdict has room for its longest form.

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class THoldList;
class TSessionChart;

class TAdvicePage : public QWidget {
  Q_OBJECT

 public:
  explicit TAdvicePage(QWidget* parent = nullptr);

  // Places the controls for the page's font and returns the size they take, at least
  // `minimumWidth` wide.
  QSize PlaceControls(int minimumWidth);

  QLabel* ReturnLabel = nullptr;
  QLabel* HandLabel = nullptr;
  THoldList* HoldList = nullptr;
  QLabel* CurrentLabel = nullptr;
  QPushButton* HoldBest = nullptr;
  QCheckBox* ShowAll = nullptr;
  QCheckBox* Practice = nullptr;
  QCheckBox* WarnBeforeDraw = nullptr;
  QLabel* VerdictLabel = nullptr;
  QGroupBox* SessionBox = nullptr;
  QLabel* HandsLabel = nullptr;
  QLabel* BestHoldsLabel = nullptr;
  QLabel* CostLabel = nullptr;
  QLabel* SessionReturnLabel = nullptr;
  TSessionChart* Chart = nullptr;

 private:
  // The longest verdict there can be, for the room the verdict takes.
  QString LongestVerdict() const;
};
