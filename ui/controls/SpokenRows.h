// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// A control that paints its contents as rows (the advisor's ranked holds, the chart's lines)
// tells screen readers what each row says: they read it as a list, one item a row.

#include <QRect>
#include <QString>
#include <optional>

class TSpokenRows {
 public:
  virtual int SpokenRowCount() const = 0;
  // What the row says in words, as a player needs to hear it.
  virtual QString SpokenRow(int row) const = 0;
  // Where the row lies, in the control's own coordinates; empty while out of sight.
  virtual QRect SpokenRowRect(int row) const = 0;
  // The row the keyboard is on, -1 for none.
  virtual int CurrentSpokenRow() const = 0;
  // What a reader adds after the row's words, if anything ("the last hand").
  virtual QString SpokenRowNote(int) const { return {}; }

 protected:
  ~TSpokenRows() = default;
};

class QKeyEvent;
class QObject;

// The row the arrows, Page Up and Down, Home and End move the keyboard to from `row`, of
// `count` rows, `page` of them in sight; nothing for any other key.
std::optional<int> RowAfterKey(const QKeyEvent& key, int row, int count, int page);

// Tells screen readers that the control's rows changed, or that the keyboard moved to `row`.
void SpokenRowsChanged(QObject* control);
void SpokenRowFocused(QObject* control, int row);
