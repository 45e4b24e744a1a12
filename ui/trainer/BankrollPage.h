// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TBankrollPage: how a session of the game in force goes under best play, as a page of the
// strategy advisor. The player gives the bankroll (the total in force, or typed, in bets),
// the bet (the one in force unless typed) and the number of hands; the page shows the chance
// of losing the whole bankroll within them, of ending ahead, even or behind, the expected
// result, its 5th, 50th and 95th percentiles and its standard deviation, in words and in
// figures, in bets and in coins, and two plots: the chance of ruin against hands played, and
// the chance of each result after the last hand. A field that can't be counted says why
// beside it.
//
// The figures are counted exactly on a worker thread while the page is in sight; a change of
// the fields cancels a count that no longer fits them. The pay of one hand under best play
// comes from GamePayDistribution, counted once for each pay table with the draw tables the
// advisor lends (held only weakly). The page waits for a running worker when it is destroyed.

#include <QString>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "game_table.h"
#include "odds.h"
#include "risk.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QTimer;
class TRiskPlot;

// The pay of one hand of the game in force for a stake of 1 under best play, exactly: the
// only place the page learns the game's odds from. Jacks or Better is counted with the
// advisor's draw tables (jacksTables); another game with its own, built once for the run.
TPayDistribution GamePayDistribution(const TDrawTables* jacksTables, const TGameTable& table);

// A field's figure, or why it has none: whole numbers only, within the limits counted.
struct TFieldValue {
  std::optional<long long> Value;
  QString Reason;
};
TFieldValue BankrollFieldValue(const QString& text);
TFieldValue BetFieldValue(const QString& text);
TFieldValue HandsFieldValue(const QString& text);

// A chance in a player's words: "no chance", "1 chance in 12", "3 chances in 10", "certain".
QString ChanceWords(double chance);

class TBankrollPage : public QWidget {
  Q_OBJECT

 public:
  explicit TBankrollPage(QWidget* parent = nullptr);
  ~TBankrollPage() override;

  // The game in force: the draw tables to count its odds with (null while the advisor builds
  // them), its pay table, the player's total and the bet in force, in coins.
  void ShowGame(const std::shared_ptr<const TDrawTables>& tables, const TGameTable& table,
                std::int32_t total, std::int32_t bet);
  // Jacks or Better with this table.
  void ShowGame(const std::shared_ptr<const TDrawTables>& tables, const TPayTable& table,
                std::int32_t total, std::int32_t bet);
  // Where the keyboard goes as it comes into the page.
  QWidget* FocusTarget() const;

  // The figures on the page are those of its fields and the pay table in force.
  bool Ready() const;
  bool Counting() const { return FWorking; }
  // The session shown, with its bankroll in bets and the bet its coins are counted in.
  const std::optional<TSessionRisk>& Shown() const { return FShown; }

  QLabel* GameLabel = nullptr;
  QRadioButton* UseTotal = nullptr;
  QRadioButton* TypeBankroll = nullptr;
  QLineEdit* BankrollEdit = nullptr;
  QLabel* BankrollMoney = nullptr;
  QLabel* BankrollReason = nullptr;
  QLineEdit* BetEdit = nullptr;
  QLabel* BetReason = nullptr;
  QLineEdit* HandsEdit = nullptr;
  QLabel* HandsReason = nullptr;
  QProgressBar* Progress = nullptr;
  QLabel* StatusLabel = nullptr;
  QLabel* RuinLabel = nullptr;
  QLabel* AheadLabel = nullptr;
  QLabel* EvenLabel = nullptr;
  QLabel* BehindLabel = nullptr;
  QLabel* ExpectedLabel = nullptr;
  QLabel* LowLabel = nullptr;
  QLabel* MedianLabel = nullptr;
  QLabel* HighLabel = nullptr;
  QLabel* DeviationLabel = nullptr;
  TRiskPlot* RuinPlot = nullptr;
  TRiskPlot* ResultPlot = nullptr;

 signals:
  // Figures were counted and are shown (tests wait for it).
  void FiguresShown();
  // Asked now and then while the page is in sight: the game's total and bet change between
  // hands without a word to the advisor, so the page looks again (ShowGame).
  void GameWanted();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What a count is of: the same key, the same figures.
  struct TRiskKey {
    TGameTable Table;
    long long Bankroll = 0;
    long long Hands = 0;
    friend bool operator==(const TRiskKey&, const TRiskKey&) = default;
  };
  struct TFields {
    std::optional<long long> Bankroll;
    std::optional<long long> Bet;
    std::optional<long long> Hands;
  };

  void BuildControls();
  void FitToFont();
  TFields ReadFields();
  void FieldsChanged();
  void CountIfWanted();
  void StartCount(const TRiskKey& key);
  void CountDone(const TRiskKey& key, std::shared_ptr<const TPayDistribution> pays,
                 std::optional<TSessionRisk> risk, const std::string& error);
  void ShowGame();
  void ShowFigures();
  void ClearFigures(const QString& why);
  void ShowPlots(const TSessionRisk& risk);
  QString BetsText(double bets, int decimals) const;

  QWidget* FContents = nullptr;
  QTimer* FLookAgain = nullptr;  // the fields, figures and plots, in a scroll area
  std::weak_ptr<const TDrawTables> FTables;
  std::optional<TGameTable> FTable;
  std::int32_t FTotal = 0;
  std::int32_t FGameBet = 0;
  bool FBetTyped = false;
  // The odds counted last, and the pay table they belong to.
  std::optional<TGameTable> FPaysTable;
  std::shared_ptr<const TPayDistribution> FPays;
  // What the fields ask for now, nothing while one of them says why not.
  std::optional<TRiskKey> FWanted;
  long long FBet = 0;
  // The count running and its cancel switch; every count has its serial.
  std::thread FWorker;
  bool FWorking = false;
  std::optional<TRiskKey> FCounting;
  std::shared_ptr<std::atomic<bool>> FCancel;
  std::uint64_t FSerial = 0;
  std::optional<TRiskKey> FShownKey;
  std::optional<TSessionRisk> FShown;
  // A count that failed, and why: not tried again until the fields change.
  std::optional<TRiskKey> FFailed;
  QString FError;
};
