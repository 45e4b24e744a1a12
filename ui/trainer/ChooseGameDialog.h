// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TChooseGameDialog: Advanced > "Choose Game…". The games the machine knows, each with its
// preset tables and the player's own table, and the return of each under best play, counted
// exactly on a worker thread as the dialog opens (and kept for the run). Enter or a double
// click chooses the row; a game's own row is the player's own table of it.

#include <QDialog>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "game_table.h"

class QTreeWidget;
class QTreeWidgetItem;
class QLabel;
class QDialogButtonBox;

class TChooseGameDialog : public QDialog {
  Q_OBJECT

 public:
  // inForce is the game and table the machine plays now; ownTable gives the player's own table
  // of any other game.
  TChooseGameDialog(const TGameTable& inForce, std::function<TGameTable(const TGame&)> ownTable,
                    QWidget* parent = nullptr);
  ~TChooseGameDialog() override;

  // The table of the chosen row, once the dialog is accepted.
  const std::optional<TGameTable>& Chosen() const { return FChosen; }

  QTreeWidget* Games = nullptr;
  QLabel* Explanation = nullptr;
  QDialogButtonBox* Buttons = nullptr;

 private:
  struct TRow {
    TGameTable Table;
    QTreeWidgetItem* Item = nullptr;
  };
  void BuildRows(const TGameTable& inForce, const std::function<TGameTable(const TGame&)>& own);
  void CountReturns();
  void ShowReturn(std::size_t row, const QString& percent);
  void Accept();

  std::vector<TRow> FRows;
  std::optional<TGameTable> FChosen;
  std::thread FWorker;
  std::atomic<bool> FStop{false};
};
