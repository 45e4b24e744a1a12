// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// THoldList: the holds of a dealt hand, best first, one row each: rank, the held cards in
// their suit colours, the expected pay in coins and per coin. The best holds are shaded
// and the player's current hold is framed. Shows the best five (and the current hold if it
// ranks lower) or, on demand, all 32.
//
// Each column is as wide as the widest value it can show: a five-card hold with four tens,
// and the pays of the highest multiplier the pay table in force or the payouts dialog allows
// at the highest bet. Whatever the list can't fit in its width it scrolls sideways.

#include <QAbstractScrollArea>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "SpokenRows.h"
#include "advice.h"

class QPainter;

// Screen readers read it as a list, one item a row ("Hold Ace of Spades, King of Spades:
// 1.49 per coin, best"); the arrows move the keyboard from row to row.
class THoldList : public QAbstractScrollArea, public TSpokenRows {
  Q_OBJECT

 public:
  static constexpr int kShortList = 5;

  explicit THoldList(QWidget* parent = nullptr);

  // No advice: the list is empty and shows the message instead.
  void SetAdvice(const std::optional<THandAdvice>& advice);
  void SetMessage(const QString& message);
  void SetCurrent(std::uint8_t mask);
  void SetShowAll(bool showAll);
  // The table whose highest line sizes the pay columns; with the joker in its deck, the
  // hold column has room for it.
  void SetPayTable(const TGameTable& table);

  const std::optional<THandAdvice>& Advice() const { return FAdvice; }
  QString Message() const { return FMessage; }
  bool ShowAll() const { return FShowAll; }
  std::uint8_t Current() const { return FCurrent; }
  // The ranks (1..32) of the rows shown, top to bottom.
  std::vector<int> ShownRanks() const;
  // The width the four columns need, and the list's own width that shows them all without
  // scrolling sideways (frame and vertical scroll bar included).
  int ContentWidth() const;
  int WidthForContent() const;
  // The list's height that shows the header and `rows` rows.
  int HeightForRows(int rows) const;
  // The widest text each column may have to show: rank, hold, coins, per coin.
  std::array<QString, 4> WidestTexts() const;
  // Left edges of the four columns and the right edge of the last, in content pixels; each
  // column keeps a space's width free on either side of its text.
  std::array<int, 5> ColumnEdges() const;

  int SpokenRowCount() const override;
  QString SpokenRow(int row) const override;
  QRect SpokenRowRect(int row) const override;
  int CurrentSpokenRow() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  int RowHeight() const;
  int Pad() const;
  void Relayout();
  // What each column needs, in pixels, padding included.
  std::array<int, 4> NeededWidths() const;
  void PaintHeader(QWidget* header);
  void PaintRow(QPainter& painter, const QRect& rect, int rank);
  void MoveCursor(int row);

  std::optional<THandAdvice> FAdvice;
  QString FMessage;
  std::uint8_t FCurrent = 0;
  bool FShowAll = false;
  int FCursor = 0;  // the row the keyboard is on
  TGameTable FPayTable;
  QWidget* FHeader;
};
