// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The strategy advisor's plain rules: a dealt hand's holds ranked for the bet in play, the
// verdict on the hold the player drew with, and the tally of a session. The game's advisor
// window shows these; they need no window.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "odds.h"

// One dealt hand with its 32 holds, best first, valued for the bet in play.
struct THandAdvice {
  THandCards Cards{};
  std::int32_t Bet = kMinBet;
  std::array<THoldOdds, 32> Holds{};

  const THoldOdds& Best() const { return Holds[0]; }
  const THoldOdds& Of(std::uint8_t mask) const;
  // 1 for the best hold .. 32.
  int RankOf(std::uint8_t mask) const;
  // Expected pay of a hold in coins for the bet (the stake comes back inside it).
  double Coins(const THoldOdds& hold) const;
  // A hold worth exactly as much as the best one is a best hold too.
  bool IsBest(std::uint8_t mask) const;
  // What the hold gives up against the best, in coins on average; 0 for a best hold.
  double CostOf(std::uint8_t mask) const;
};

THandAdvice AdviseHand(const TDrawTables& tables, const THandCards& cards, const TPayTable& table,
                       std::int32_t bet);
// For any game: `pays` is what each of the tables' outcomes pays for 1.
THandAdvice AdviseHand(const TDrawTables& tables, const THandCards& cards, const TUnitPays& pays,
                       std::int32_t bet);

// Bit k - 1 set for every position k whose panel reads "Hold".
std::uint8_t HeldMaskOf(const THand& hand);

// "10♥", "A♠": rank, then the suit's symbol; "Joker" for the joker.
std::string CardSymbolText(int code);
// U+00A0 in UTF-8.
inline constexpr char kNoBreakSpace[] = "\xC2\xA0";
// The held cards in hand order, "7♣ 6♦ 5♠" (no-break spaces between them), or "nothing".
std::string HeldCardsText(const THandCards& cards, std::uint8_t mask);
// Two decimals, a point whatever the locale: "3.40".
std::string CoinsText(double value);

// The player's hold while it can still change: its rank and what it gives up.
std::string CurrentHoldText(const THandAdvice& advice, std::uint8_t heldMask);
// After the draw: "Best play", or what the hold cost against the best.
std::string VerdictText(const THandAdvice& advice, std::uint8_t heldMask);
// The verdict on a mistake from its pieces: the held and the best cards as HeldCardsText
// writes them, their expected pay and the cost, in coins.
std::string VerdictText(const std::string& held, double heldCoins, const std::string& best,
                        double bestCoins, double cost);
// After the draw, over the list of the dealt hand's holds: "Dealt 7♣ K♣ 6♦ 5♠ 4♠, bet 25:".
std::string DealtHandText(const THandAdvice& advice);
// Practice asks this before a draw with a hold that is not a best one: what it gives up
// and which hold is best.
std::string DrawWarningText(const THandAdvice& advice, std::uint8_t heldMask);

inline constexpr const char* kReturnComputingText = "Return with best play: computing...";
// "Return with best play: 92.70 %", from the report or from its two-decimal percentage.
std::string ReturnLineText(const TReturnReport& report);
std::string ReturnLineText(const std::string& percent);

// The hands judged while the advisor was open.
class TAdvisorSession {
 public:
  void AddHand(const THandAdvice& advice, std::uint8_t heldMask, std::int32_t totalAfter);

  int Hands() const { return FHands; }
  int BestHolds() const { return FBestHolds; }
  // Whole percent, truncated, so 100 means every hold was a best one.
  int BestPercent() const;
  double MistakeCost() const { return FMistakeCost; }
  // Expected pay over the stakes, as a percentage, of the holds played and of the best ones.
  double PlayerReturnPercent() const;
  double BestReturnPercent() const;
  // The total after each judged hand, oldest first.
  const std::vector<std::int32_t>& Totals() const { return FTotals; }

  std::string HandsText() const;
  std::string BestHoldsText() const;
  std::string CostText() const;
  std::string ReturnText() const;

 private:
  int FHands = 0;
  int FBestHolds = 0;
  double FMistakeCost = 0;
  double FHeldCoins = 0;
  double FBestCoins = 0;
  std::int64_t FStaked = 0;
  std::vector<std::int32_t> FTotals;
};
