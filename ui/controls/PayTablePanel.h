// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TPayTablePanel: the pay table of the game in force as a machine shows it, highest line on
// top, each line's name and what it pays for 1, the line of the last hand lit. Each line is a
// label a screen reader reads ("Flush pays 6"); the lit one says it was the last hand.

#include <QFrame>
#include <vector>

#include "game_table.h"

class QLabel;
class QGridLayout;

class TPayTablePanel : public QFrame {
  Q_OBJECT

 public:
  explicit TPayTablePanel(QWidget* parent = nullptr);

  // The table and the lit line (0, lowest first; -1 for none).
  void Show(const TGameTable& table, int litLine);
  // Fits the text to this font (the design's, scaled).
  void SetTextFont(const QFont& font);
  // No lines: the panel is out of sight.
  void Clear();

  QLabel* Title = nullptr;
  // Line k (lowest first) at index k: its name and its pay.
  std::vector<QLabel*> Names;
  std::vector<QLabel*> Pays;

 private:
  void Rebuild(const TGame& game);
  void Light(int line, bool lit);

  QGridLayout* FLayout = nullptr;
  const TGame* FGame = nullptr;
};
