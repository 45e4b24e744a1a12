// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "advice.h"

#include <charconv>

#include "card_text.h"

namespace {

constexpr const char* kRankSymbols[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
constexpr const char* kSuitSymbols[] = {"\u2660", "\u2665", "\u2663", "\u2666"};

std::string PercentText(double value) {
  return CoinsText(value) + " %";
}

}  // namespace

const THoldOdds& THandAdvice::Of(std::uint8_t mask) const {
  return Holds[static_cast<std::size_t>(RankOf(mask) - 1)];
}

int THandAdvice::RankOf(std::uint8_t mask) const {
  mask &= 31;
  for (std::size_t i = 0; i < Holds.size(); ++i)
    if (Holds[i].Mask == mask) return static_cast<int>(i) + 1;
  return static_cast<int>(Holds.size());  // not reached: the 32 holds are all there
}

double THandAdvice::Coins(const THoldOdds& hold) const {
  return hold.ExpectedPay() * Bet;
}

bool THandAdvice::IsBest(std::uint8_t mask) const {
  return !PaysMore(Best(), Of(mask));
}

double THandAdvice::CostOf(std::uint8_t mask) const {
  const THoldOdds& best = Best();
  const THoldOdds& held = Of(mask);
  // Exact difference first, so a hold that ties the best costs exactly nothing.
  const __int128 numerator = static_cast<__int128>(best.PaySum) * held.Draws -
                             static_cast<__int128>(held.PaySum) * best.Draws;
  if (numerator <= 0) return 0;
  return static_cast<double>(numerator) * Bet /
         (static_cast<double>(best.Draws) * static_cast<double>(held.Draws));
}

THandAdvice AdviseHand(const TDrawTables& tables, const THandCards& cards, const TPayTable& table,
                       std::int32_t bet) {
  return AdviseHand(tables, cards, UnitPaysOf(table), bet);
}

THandAdvice AdviseHand(const TDrawTables& tables, const THandCards& cards, const TUnitPays& pays,
                       std::int32_t bet) {
  THandAdvice advice;
  advice.Cards = cards;
  advice.Bet = bet;
  advice.Holds = RankHolds(tables, cards, pays);
  return advice;
}

std::uint8_t HeldMaskOf(const THand& hand) {
  std::uint8_t mask = 0;
  for (int i = 0; i < kHandSize; ++i)
    if (hand.Marks[static_cast<std::size_t>(i)] == hmHold)
      mask |= static_cast<std::uint8_t>(1 << i);
  return mask;
}

std::string CardSymbolText(int code) {
  if (code == cdJoker) return "Joker";
  const int rank = CardRank(code);
  const int suit = CardSuit(code);
  if (rank == 0 || suit == 0) return "?";
  return std::string(kRankSymbols[rank - 1]) + kSuitSymbols[suit - 1];
}

std::string HeldCardsText(const THandCards& cards, std::uint8_t mask) {
  // No-break spaces: a hold is never split where the advisor wraps its lines.
  return HeldCardsText(cards, mask, CardSymbolText, kNoBreakSpace, "nothing");
}

std::string CoinsText(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("?");
}

std::string CurrentHoldText(const THandAdvice& advice, std::uint8_t heldMask) {
  std::string text = "Your hold: " + HeldCardsText(advice.Cards, heldMask);
  if (advice.IsBest(heldMask)) return text + ", a best hold";
  return text + ", rank " + std::to_string(advice.RankOf(heldMask)) + " of " +
         std::to_string(advice.Holds.size()) + ", gives up " + CoinsText(advice.CostOf(heldMask)) +
         " coins";
}

std::string VerdictText(const THandAdvice& advice, std::uint8_t heldMask) {
  if (advice.IsBest(heldMask)) return "Best play";
  const THoldOdds& best = advice.Best();
  return VerdictText(HeldCardsText(advice.Cards, heldMask), advice.Coins(advice.Of(heldMask)),
                     HeldCardsText(advice.Cards, best.Mask), advice.Coins(best),
                     advice.CostOf(heldMask));
}

std::string VerdictText(const std::string& held, double heldCoins, const std::string& best,
                        double bestCoins, double cost) {
  std::string text = "You held ";
  text += held;
  text += " (expected ";
  text += CoinsText(heldCoins);
  text += "), best was ";
  text += best;
  text += " (expected ";
  text += CoinsText(bestCoins);
  text += "): this choice cost ";
  text += CoinsText(cost);
  text += " coins on average";
  return text;
}

std::string DealtHandText(const THandAdvice& advice) {
  return "Dealt " + HeldCardsText(advice.Cards, 31) + ", bet " + std::to_string(advice.Bet) + ":";
}

std::string DrawWarningText(const THandAdvice& advice, std::uint8_t heldMask) {
  std::string text = "Holding " + HeldCardsText(advice.Cards, heldMask) + " gives up ";
  text += CoinsText(advice.CostOf(heldMask));
  text += " coins on average. The best hold is ";
  text += HeldCardsText(advice.Cards, advice.Best().Mask);
  text += " (expected ";
  text += CoinsText(advice.Coins(advice.Best()));
  text += " against ";
  text += CoinsText(advice.Coins(advice.Of(heldMask)));
  text += ").";
  return text;
}

std::string ReturnLineText(const TReturnReport& report) {
  return ReturnLineText(report.ReturnPercentText(2));
}

std::string ReturnLineText(const std::string& percent) {
  return "Return with best play: " + percent + " %";
}

void TAdvisorSession::AddHand(const THandAdvice& advice, std::uint8_t heldMask,
                              std::int32_t totalAfter) {
  ++FHands;
  if (advice.IsBest(heldMask)) ++FBestHolds;
  FMistakeCost += advice.CostOf(heldMask);
  FHeldCoins += advice.Coins(advice.Of(heldMask));
  FBestCoins += advice.Coins(advice.Best());
  FStaked += advice.Bet;
  FTotals.push_back(totalAfter);
}

int TAdvisorSession::BestPercent() const {
  if (FHands == 0) return 0;
  return static_cast<int>(std::int64_t{100} * FBestHolds / FHands);
}

double TAdvisorSession::PlayerReturnPercent() const {
  return FStaked > 0 ? 100.0 * FHeldCoins / static_cast<double>(FStaked) : 0.0;
}

double TAdvisorSession::BestReturnPercent() const {
  return FStaked > 0 ? 100.0 * FBestCoins / static_cast<double>(FStaked) : 0.0;
}

std::string TAdvisorSession::HandsText() const {
  return "Hands: " + std::to_string(FHands);
}

std::string TAdvisorSession::BestHoldsText() const {
  return "Best holds: " + std::to_string(FBestHolds) + " of " + std::to_string(FHands) + " (" +
         std::to_string(BestPercent()) + " %)";
}

std::string TAdvisorSession::CostText() const {
  return "Cost of mistakes: " + CoinsText(FMistakeCost) + " coins";
}

std::string TAdvisorSession::ReturnText() const {
  if (FHands == 0) return "Return: no hands yet";
  return "Return: yours " + PercentText(PlayerReturnPercent()) + ", best " +
         PercentText(BestReturnPercent());
}
