// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TPayTablePanel: the pay table of the game in force as a machine shows it, highest line on
// top, each line's name and what it pays for 1, the line of the last hand lit. Screen readers
// read it as a list under the game's name, one item a line ("Flush pays 6"), not as its two
// labels a line; the lit line says it was the last hand.

#include <QFrame>
#include <vector>

#include "SpokenRows.h"
#include "game_table.h"

class QLabel;
class QGridLayout;

class TPayTablePanel : public QFrame, public TSpokenRows {
  Q_OBJECT

 public:
  explicit TPayTablePanel(QWidget* parent = nullptr);

  // The table and the lit line (0, lowest first; -1 for none).
  void Show(const TGameTable& table, int litLine);
  // Fits the text to this font (the design's, scaled).
  void SetTextFont(const QFont& font);
  // No lines: the panel is out of sight.
  void Clear();

  // Row 0 the game's name, then the lines, highest first.
  int SpokenRowCount() const override;
  QString SpokenRow(int row) const override;
  QRect SpokenRowRect(int row) const override;
  int CurrentSpokenRow() const override { return -1; }
  QString SpokenRowNote(int row) const override;

  QLabel* Title = nullptr;
  // Line k (lowest first) at index k: its name and its pay.
  std::vector<QLabel*> Names;
  std::vector<QLabel*> Pays;

 private:
  void Rebuild(const TGame& game);
  void Light(int line, bool lit);

  // The line a spoken row shows, -1 for the title.
  int LineOfRow(int row) const;

  QGridLayout* FLayout = nullptr;
  const TGame* FGame = nullptr;
  int FLitLine = -1;
};
