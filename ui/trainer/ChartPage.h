// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TChartPage: the strategy chart of the game and pay table in force, as a page of the
// strategy advisor: its lines in players' words with an example each, its exact return next to
// perfect play and what it gives up, and the line the dealt hand fits marked. The chart can
// be printed or saved as a PDF, laid out for paper.
//
// The chart is built on a worker thread while the page is in sight, for Jacks or Better from
// the draw tables the advisor lends it (held only weakly, so the advisor can let them go), for
// another game from that game's own (built once for the run), and built again when the game
// or its pay table changes. The page waits for a running worker when it is destroyed.

#include <QAbstractScrollArea>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "SpokenRows.h"
#include "game_table.h"
#include "strategy_chart.h"

class QLabel;
class QPagedPaintDevice;
class QPainter;
class QPushButton;

// The chart's lines, one row each: its number, its pattern (wrapped to the width) and below
// it an example deal, the held cards before the bar, with the share of deals the line
// decides; then the order of the families named whole. The marked line is shaded and framed.
// Screen readers read the lines as a list ("Line 3: four to a royal flush. Example: ...").
class TChartList : public QAbstractScrollArea, public TSpokenRows {
  Q_OBJECT

 public:
  explicit TChartList(QWidget* parent = nullptr);

  // No chart: the list is empty and shows the message instead.
  void SetChart(std::shared_ptr<const TStrategyChart> chart);
  void SetMessage(const QString& message);
  // The line to mark, -1 for none; brought into sight.
  void SetMarked(int line);

  int Marked() const { return FMarked; }
  QString Message() const { return FMessage; }
  // Where a line's row lies in the viewport, scrolled as it is now.
  QRect RowRect(int line) const;

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

 private:
  void Relayout();
  void BringIntoSight(int line);

  std::shared_ptr<const TStrategyChart> FChart;
  // The lines' names and the family notes in the player's language, made with the chart.
  QStringList FLineTexts;
  QStringList FNotes;
  QString FMessage;
  int FMarked = -1;
  int FCursor = 0;  // the line the keyboard is on
  // Each row's top in the list's own coordinates, then the notes' top and the end.
  std::vector<int> FTops;
};

class TChartPage : public QWidget {
  Q_OBJECT

 public:
  explicit TChartPage(QWidget* parent = nullptr);
  ~TChartPage() override;

  // The game and pay table in force, and Jacks or Better's draw tables to count that game
  // with (null while the advisor is still building them; other games don't need them). The
  // chart is built when the page is in sight and it shows another table's chart or none.
  void ShowGame(const std::shared_ptr<const TDrawTables>& jacksTables, const TGameTable& table);
  // Jacks or Better with this pay table.
  void ShowPayTable(const std::shared_ptr<const TDrawTables>& tables, const TPayTable& table);
  // Marks the line the dealt hand fits, in the chart shown now and in each one built after.
  void MarkHand(const THandCards& dealt);
  // No mark; the message says why in its place.
  void ClearHand(const QString& message);

  // The chart shown: null until one is built. It may belong to an earlier pay table while
  // its successor is being built.
  const TStrategyChart* Chart() const { return FChart.get(); }
  bool Building() const { return FBuilding; }
  // The chart shown is the one of the game and pay table in force.
  bool Ready() const;
  // The game and table of the chart shown, when there is one.
  const std::optional<TGameTable>& ChartTable() const { return FChartTable; }
  int MarkedLine() const;

  // Writes the chart laid out for paper to a PDF file; throws std::runtime_error when the
  // file can't be written.
  void SaveAsPdf(const QString& fileName) const;

  // Replaces the file dialog of "Save as PDF" (tests): the file chosen, empty for none.
  std::function<QString(const QString& suggested)> AskPdfFile;

  QLabel* TitleLabel = nullptr;
  QLabel* ReturnLabel = nullptr;
  QLabel* HandLabel = nullptr;
  TChartList* Lines = nullptr;
  QPushButton* PrintButton = nullptr;
  QPushButton* PdfButton = nullptr;

 signals:
  // A chart was built and is shown (tests and the screen reader's notes wait for it).
  void ChartShown();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void FitToFont();
  void BuildIfWanted();
  void StartBuild(std::shared_ptr<const TDrawTables> tables, const TGameTable& table);
  void BuildDone(std::shared_ptr<const TStrategyChart> chart, const TGameTable& table,
                 const std::string& error);
  void ShowChart();
  void ShowMark();
  void PrintClick();
  void SavePdfClick();
  QString SuggestedPdfName() const;

  std::weak_ptr<const TDrawTables> FTables;
  std::optional<TGameTable> FWanted;
  std::shared_ptr<const TStrategyChart> FChart;
  std::optional<TGameTable> FChartTable;
  std::thread FWorker;
  bool FBuilding = false;
  // The table whose build failed, and why: not tried again until the table changes.
  std::optional<TGameTable> FFailedTable;
  std::string FError;
  std::optional<THandCards> FHand;
  QString FHandMessage;
};

// Lays the chart out for paper on a printer or a PDF writer: a title with the game and its pay
// table, the rule it is read by, the lines as a table (repeated over page breaks), the order of the
// families named whole and the returns. Returns false when the device can't be painted on.
bool PrintChartPages(const TStrategyChart& chart, QPagedPaintDevice& device);

// Builds the chart of a game's table: Jacks or Better's from `jacksTables`, another game's
// from its own draw tables, in its family's words. Throws what the build throws.
TStrategyChart BuildGameChart(const TDrawTables* jacksTables, const TGameTable& table);
