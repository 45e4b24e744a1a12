// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "ChooseGameDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>
#include <mutex>

#include "MessageBoxes.h"
#include "ViewTexts.h"
#include "game_odds.h"

namespace {

enum TColumn { kTableColumn, kReturnColumn, kPaysColumn };

// The returns counted in this run, by game and pays: each is counted once.
std::mutex gReturnsGuard;
std::map<std::pair<std::string_view, std::vector<std::int64_t>>, std::string> gReturns;

std::vector<std::int64_t> PaysOf(const TGameTable& table) {
  std::vector<std::int64_t> pays;
  for (int k = 0; k < table.Game->LineCount(); ++k)
    pays.push_back(PaysOfMultiplier(table.Multipliers[static_cast<std::size_t>(k)]));
  return pays;
}

QString ShownPays(const TGameTable& table) {
  return QString::fromStdString(PaysText(PaysOf(table)));
}

std::string CountedReturn(const TGameTable& table) {
  const auto key = std::make_pair(table.Game->Id, PaysOf(table));
  {
    const std::lock_guard<std::mutex> lock(gReturnsGuard);
    if (const auto known = gReturns.find(key); known != gReturns.end()) return known->second;
  }
  const TGamePays pays{table.Game, key.second, {}};
  const std::string percent =
      ComputeReturn(*GameTables(*table.Game), UnitPaysOf(pays), 1).ReturnPercentText(4);
  const std::lock_guard<std::mutex> lock(gReturnsGuard);
  gReturns[key] = percent;
  return percent;
}

}  // namespace

TChooseGameDialog::TChooseGameDialog(const TGameTable& inForce,
                                     std::function<TGameTable(const TGame&)> ownTable,
                                     QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("ChooseGameDialog"));
  setWindowTitle(tr("Choose Game"));
  auto* layout = new QVBoxLayout(this);
  Explanation = new QLabel(
      tr("Choose a game and its pay table. Each table shows what it pays for 1 coin, lowest "
         "hand first, and its return under best play. A new game starts a new session."),
      this);
  Explanation->setObjectName(QStringLiteral("Explanation"));
  Explanation->setWordWrap(true);
  layout->addWidget(Explanation);

  Games = new QTreeWidget(this);
  Games->setObjectName(QStringLiteral("Games"));
  Games->setAccessibleName(tr("Games"));
  Games->setColumnCount(3);
  Games->setHeaderLabels({tr("Game and table"), tr("Return"), tr("Pays for 1")});
  Games->setRootIsDecorated(true);
  Games->setUniformRowHeights(true);
  Games->setAllColumnsShowFocus(true);
  Explanation->setBuddy(Games);
  layout->addWidget(Games, 1);

  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Buttons->setObjectName(QStringLiteral("Buttons"));
  layout->addWidget(Buttons);
  connect(Buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(Games, &QTreeWidget::itemActivated, this, [this] { Accept(); });

  BuildRows(inForce, ownTable);
  Games->expandAll();
  for (int c = 0; c < Games->columnCount(); ++c) Games->resizeColumnToContents(c);
  Games->collapseAll();
  if (Games->currentItem()) Games->currentItem()->setExpanded(true);
  // Every column in sight: the tree as wide as its columns, the counted returns' room kept.
  Games->setColumnWidth(kReturnColumn,
                        Games->fontMetrics().horizontalAdvance(QStringLiteral("100.0000 %  ")));
  int width = 0;
  for (int c = 0; c < Games->columnCount(); ++c) width += Games->columnWidth(c);
  Games->setMinimumWidth(width + 2 * Games->frameWidth() + 24);
  resize(sizeHint().width(), std::max(sizeHint().height(), 480));
  Games->setFocus();
  CountReturns();
}

TChooseGameDialog::~TChooseGameDialog() {
  FStop = true;
  if (FWorker.joinable()) FWorker.join();
}

void TChooseGameDialog::BuildRows(const TGameTable& inForce,
                                  const std::function<TGameTable(const TGame&)>& own) {
  const auto add = [this](QTreeWidgetItem* item, const TGameTable& table) {
    item->setText(kPaysColumn, ShownPays(table));
    //: The return of a table while it is being counted.
    item->setText(kReturnColumn, tr("counting…"));
    FRows.push_back({table, item});
  };
  for (const TGame* game : kGames) {
    const TGameTable mine = game == inForce.Game ? inForce : own(*game);
    // The game's own row is the player's own table of it.
    auto* gameItem = new QTreeWidgetItem(Games);
    gameItem->setText(kTableColumn, ShownTerm(game->Name));
    add(gameItem, mine);
    for (const TPreset& preset : game->Presets) {
      auto* item = new QTreeWidgetItem(gameItem);
      item->setText(kTableColumn, QString::fromUtf8(preset.Name.data(),
                                                    static_cast<qsizetype>(preset.Name.size())));
      add(item, PresetTable(*game, preset));
    }
    auto* ownItem = new QTreeWidgetItem(gameItem);
    //: The row of the player's own pay table of a game (for Jacks or Better, the one set in
    //: Payouts Options).
    ownItem->setText(kTableColumn, tr("my own table"));
    add(ownItem, mine);
    if (game == inForce.Game) {
      Games->setCurrentItem(gameItem);
      gameItem->setExpanded(true);
    }
  }
}

void TChooseGameDialog::CountReturns() {
  std::vector<TGameTable> tables;
  for (const TRow& row : FRows) tables.push_back(row.Table);
  QPointer<TChooseGameDialog> self(this);
  FWorker = std::thread([this, self, tables] {
    for (std::size_t i = 0; i < tables.size() && !FStop; ++i) {
      QString percent;
      try {
        percent = QString::fromStdString(CountedReturn(tables[i])) + QStringLiteral(" %");
      } catch (const std::exception&) {
        //: The return of a table that could not be counted (out of memory).
        percent = tr("not counted");
      }
      QMetaObject::invokeMethod(
          self.data(),
          [self, i, percent] {
            if (self) self->ShowReturn(i, percent);
          },
          Qt::QueuedConnection);
    }
  });
}

void TChooseGameDialog::ShowReturn(std::size_t row, const QString& percent) {
  if (row < FRows.size()) FRows[row].Item->setText(kReturnColumn, percent);
}

void TChooseGameDialog::Accept() {
  const QTreeWidgetItem* current = Games->currentItem();
  for (const TRow& row : FRows)
    if (row.Item == current) {
      FChosen = row.Table;
      accept();
      return;
    }
}
