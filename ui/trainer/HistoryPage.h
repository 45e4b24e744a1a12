// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// THistoryPage: the hand history at a glance. The totals, a chart of the best-play rate over
// the last sessions, the sessions (hands, best-play rate, cost per 100 hands, game), the
// costliest situations and the newest mistakes, each with a "Replay" button that deals it
// again in its own game. It reads through a
// THandHistory it does not own, only when told to (Refresh), and shows a plain message when
// the history is empty or unavailable. Every size follows the font it inherits, so the page
// scales with the window it is put in.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "hand_history.h"

class QLabel;
class QTableWidget;

// The best-play rate of each session, oldest at the left, on a fixed 0..100 % scale.
class TBestPlayChart : public QWidget {
  Q_OBJECT

 public:
  explicit TBestPlayChart(QWidget* parent = nullptr);

  // Rates 0..1, oldest first.
  void SetRates(const std::vector<double>& rates);
  const std::vector<double>& Rates() const { return FRates; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<double> FRates;
};

class THistoryPage : public QWidget {
  Q_OBJECT

 public:
  // How much the page shows; the history holds more.
  static constexpr int kShownSessions = 100;
  static constexpr int kChartSessions = 30;
  static constexpr int kShownSituations = 10;
  static constexpr int kShownMistakes = 50;
  // The tables' game columns, by model index (each shown beside what it names).
  static constexpr int kSessionGameColumn = 5;
  static constexpr int kSituationGameColumn = 4;
  static constexpr int kMistakeGameColumn = 5;

  explicit THistoryPage(THandHistory& history, QWidget* parent = nullptr);

  // Reads the history again, and shows a failure the history has not reported yet (its
  // opening's, a read's) with the general error report. Making the page reads it too, but
  // leaves the reports to its owner or the first Refresh.
  void Refresh();

  QLabel* MessageLabel = nullptr;  // instead of the rest when there is nothing to show
  QWidget* Contents = nullptr;
  QLabel* TotalsLabel = nullptr;
  TBestPlayChart* Chart = nullptr;
  QTableWidget* SessionTable = nullptr;
  QTableWidget* SituationTable = nullptr;
  QTableWidget* MistakeTable = nullptr;

 signals:
  // A mistake's "Replay": deal these cards again in this game and table, for this bet.
  void ReplayRequested(const THandCards& dealt, const TGameTable& table, std::int32_t bet);

 protected:
  // The tables' rows and columns follow the font the page inherits.
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void ShowHistory();
  void ShowMessage(const QString& text);
  void FillSessions(const std::vector<THistorySession>& sessions);
  void FillSituations(const std::vector<THistorySituation>& situations);
  void FillMistakes(const std::vector<THandRecord>& mistakes);
  void ReplayClick(int row);
  void FitTables();

  THandHistory& FHistory;
  std::vector<THandRecord> FMistakes;
};
