// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The play cycle of the draw-poker machine: bankroll, bet, pay table, deal, hold, draw and
// settlement. It decides every caption, colour and visibility the window shows for the
// cycle and publishes them as a plain view that the window copies into its controls.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cards.h"
#include "color_values.h"
#include "evaluator.h"
#include "game_table.h"
#include "play_stats.h"
#include "sentences.h"
#include "settlement.h"

enum TGamePhase : std::uint8_t { gpIdle = 0, gpDealt = 1, gpSettled = 2 };

inline constexpr int kHandSize = 5;

// How a hold panel marks its card: replaced at the draw, kept, or the hand is settled.
enum THoldMark : std::uint8_t { hmDraw, hmHold, hmOver };

struct THand {
  THandCards Cards{};
  std::array<THoldMark, kHandSize> Marks{};

  // Bit i set: the card at position i + 1 stays at the draw (its panel doesn't read "Draw").
  std::uint8_t KeptMask() const {
    std::uint8_t mask = 0;
    for (int i = 0; i < kHandSize; ++i)
      if (Marks[static_cast<std::size_t>(i)] != hmDraw) mask |= static_cast<std::uint8_t>(1 << i);
    return mask;
  }
};

struct THoldPanelView {
  std::string Caption;
  TWording CaptionWording;  // what the caption says (sentences.h)
  TColorValue Color = clBtnFace;
  bool Enabled = true;
};

// Everything the window shows of the play cycle, control by control. Each text comes with its
// wording, the sentences it says and their numbers, from which the window shows it in the
// player's language (sentences.h).
struct TGameView {
  std::array<cdCardDeck, kHandSize> Cards{};         // the five cards, left to right
  std::array<THoldPanelView, kHandSize> HoldPanels;  // the panels under the cards
  std::string HandText;                              // the hand after the draw
  TWording HandWording;
  std::string MoneyMessage;  // first message line
  TWording MoneyWording;
  std::string SecondMessage;  // second message line
  TWording SecondWording;
  std::string TotalText;  // the total
  // The pay line (0, lowest first) of the hand just settled, lit in the pay table; -1 when
  // no hand is settled or it lost.
  int LitPayLine = -1;
  bool WinIconVisible = false;  // the win picture
  bool DealVisible = true;      // "Deal"
  bool DrawVisible = false;     // "Draw"
  std::int32_t BetValue = kMinBet;
  std::int32_t BetMaximum = kMaxBet;
  bool BetReadOnly = false;
  // The statistics grid's counts stay blank until the first settled hand, and so do today's
  // game's headings; another game's show as soon as it is chosen. One column per statistics
  // column of the game in force, each with its heading (ColumnHeading; empty: blank).
  bool GridFilled = false;
  int GridColumns = kHandCategoryCount;
  std::array<std::int32_t, kMaxColumns> GridCounts{};
  std::array<std::string_view, kMaxColumns> GridHeadings{};
  int GaugeProgress = 0;
};

// A hand played for practice: dealt and drawn like any other and judged by the pay table
// and the bet it is played for, but no money moves and the statistics don't count it.
struct TPracticeHand {
  bool Active = false;  // the open or the last settled hand is one
  std::int32_t Bet = kMinBet;
  TGameTable Table;
  TPayTable PayTable;  // Table's, when it is Jacks or Better's
};

// Whoever follows the game (the strategy advisor) is told after each step of play, once
// the engine's state shows it. Any of the four may be left empty.
struct TGameListener {
  std::function<void()> Dealt;        // a hand dealt: for money, for practice or a replay
  std::function<void()> HoldChanged;  // a card turned between "Hold" and "Draw"
  std::function<void()> Drawn;        // the hand drawn and settled
  // Other multipliers in force, or another game (a new session: Game() tells).
  std::function<void()> PayTableChanged;
};

class TGameEngine {
 public:
  // Asked for after a win, before it is credited, with the sound slot 1..9.
  std::function<void(int slot)> OnWinSound;
  // The window's results refresh, at the very end of every settlement.
  std::function<void()> OnUpdateDisplay;

  // Adds a listener; returns the number that takes it off again.
  int Listen(TGameListener listener);
  void StopListening(int id);

  // A fresh engine is already playable (seed 0, total 1000, bet 5, title faces), so a
  // window whose start-up failed half-way can still deal.
  explicit TGameEngine(TClock clock = UtcTimeOfDay);

  // Takes over the stored values within their bounds (-1 = not stored), resets the
  // statistics, seeds the generator from the clock and shows the idle table.
  void StartUp(std::int32_t storedTotal, std::int32_t storedBet,
               const std::array<std::int32_t, kPayLines>& storedPayouts);
  // Refills, shuffles and deals five cards. Does nothing while a hand is open.
  void Deal();
  // Deals a practice hand from a fresh shuffle, for the bet and pay table in force. Does
  // nothing while a hand is open.
  void DealPractice();
  // Deals these five cards again as a practice hand for this pay table and bet (brought into
  // kMinBet..kMaxBet); the draw takes the other 47 cards in a fresh shuffle's order. False,
  // and nothing changes, while a hand is open or when the cards are not five different
  // playing cards.
  bool DealReplay(const THandCards& cards, const TPayTable& table, std::int32_t bet);
  // The same in any game: the cards of its deck (the joker's 53 for Joker Poker), the draw
  // from the rest of that deck, judged by this table.
  bool DealReplay(const THandCards& cards, const TGameTable& table, std::int32_t bet);
  // Flips position 1..5 between "Draw" and "Hold" ("Over" turns into "Draw"), in any phase.
  void ToggleHold(int position);
  // Replaces the cards marked "Draw", classifies and settles the hand. Only in gpDealt.
  void DrawAndSettle();
  void ResetStats();
  void RecordResult(THandCategory category, bool won);
  // Engine side of the results refresh: total, grid, gauge, and the panels to "Over".
  void UpdateDisplay();
  // The two statistics lines into the two message panels; nothing else changes.
  void ShowStats();

  std::int32_t Bet() const { return FBet; }
  std::int32_t BetMaximum() const { return FBetMaximum; }
  bool BetReadOnly() const { return FPhase == gpDealt; }
  // The setters refuse (return false, change nothing) while the bet is read-only;
  // otherwise the value is moved into kMinBet..BetMaximum().
  bool SetBet(std::int32_t value);
  bool StepBet(int steps);

  std::int32_t Total() const { return FTotal; }
  // "Set Total": the bankroll and its panel, nothing else.
  void SetTotal(std::int32_t total);

  TGamePhase Phase() const { return FPhase; }
  // Whether the open or the last settled hand is a practice hand, and what it is played for.
  bool PracticeHand() const { return FPractice.Active; }
  std::int32_t HandBet() const { return FPractice.Active ? FPractice.Bet : FBet; }
  const TPayTable& HandPayTable() const {
    return FPractice.Active ? FPractice.PayTable : FPayTable;
  }
  // The deck of the 52-card games, and Joker Poker's.
  const TDeck& Deck() const { return FDeck; }
  const TJokerDeck& JokerDeck() const { return FJokerDeck; }
  const THand& Hand() const { return FHand; }
  // Jacks or Better's table, kept (and stored in H1..H9) while another game is in force.
  const TPayTable& PayTable() const { return FPayTable; }
  void SetPayTable(const TPayTable& table);
  // The game in force and its table; the game and table of the open or last settled hand
  // (a practice hand's or a replay's own).
  const TGame& Game() const { return *FGame; }
  TGameTable TableInForce() const;
  TGameTable HandTable() const;
  // Puts a game and its table in force between hands; false, and nothing changes, while a
  // hand is open. Another game than the one in force starts a new session: the statistics
  // start again and the table is shown as at the start, the title faces on the cards.
  bool SetGame(const TGameTable& table);
  const TPlayStats& Stats() const { return FStats; }
  TRandomSource& Random() { return FRandom; }
  const TRandomSource& Random() const { return FRandom; }

  const TGameView& View() const { return FView; }

 private:
  void ShowDealtHand();
  void SettlePractice();
  void SettleForMoney();
  void MarkOver();
  void SetMark(int index, THoldMark mark);
  void ShowIdleTable();
  void DealFromGameDeck(const TGame& game);
  void ShowBet();
  void ShowTotal();
  void Tell(std::function<void()> TGameListener::*event) const;

  std::vector<std::pair<int, TGameListener>> FListeners;
  int FLastListener = 0;
  TClock FClock;
  std::int32_t FTotal = kStartTotal;
  std::int32_t FBet = kMinBet;
  std::int32_t FBetMaximum = kMaxBet;
  TGamePhase FPhase = gpIdle;
  TDeck FDeck;
  TJokerDeck FJokerDeck;  // Joker Poker's
  THand FHand;
  TPayTable FPayTable;
  const TGame* FGame = &kJacksOrBetter;
  TLinePays FGameLines{};  // the multipliers of a game in force other than Jacks or Better
  TPracticeHand FPractice;
  TPlayStats FStats;
  TRandomSource FRandom;
  TGameView FView;
};
