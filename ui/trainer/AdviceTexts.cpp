// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "AdviceTexts.h"

#include <QCoreApplication>

#include "CardDeck.h"
#include "card_text.h"

namespace {

QString Coins(double value) {
  return QString::fromStdString(CoinsText(value));
}

std::string NothingHeld() {
  //: What the player holds when no card is held: "Your hold: nothing".
  return QCoreApplication::translate("TAdvisor", "nothing").toStdString();
}

std::string CardSymbolWritten(int code) {
  // The joker has no rank nor suit to write: it goes by its name in the player's language.
  if (code == cdJoker) return CardSpokenName(code).toStdString();
  return CardSymbolText(code);
}

}  // namespace

QString CardSymbolShown(int code) {
  return QString::fromStdString(CardSymbolWritten(code));
}

QString HeldCardsShown(const THandCards& cards, std::uint8_t mask) {
  // No-break spaces: a hold is never split where the advisor wraps its lines.
  return QString::fromStdString(
      HeldCardsText(cards, mask, CardSymbolWritten, kNoBreakSpace, NothingHeld()));
}

QString ReturnComputingShown() {
  return QCoreApplication::translate("TAdvisor", "Return with best play: computing...");
}

QString ReturnLineShown(const std::string& percent) {
  //: %1 is a percentage with two decimals, "92.70".
  return QCoreApplication::translate("TAdvisor", "Return with best play: %1 %")
      .arg(QString::fromStdString(percent));
}

QString ReturnUnavailableShown(const QString& error) {
  //: %1 is why the return could not be counted.
  return QCoreApplication::translate("TAdvisor", "Return with best play: not available (%1)")
      .arg(error);
}

QString CurrentHoldShown(const THandAdvice& advice, std::uint8_t heldMask) {
  const QString held = HeldCardsShown(advice.Cards, heldMask);
  if (advice.IsBest(heldMask))
    return QCoreApplication::translate("TAdvisor", "Your hold: %1, a best hold").arg(held);
  //: %1 the held cards, %2 the hold's rank among the %3 holds, %4 the coins it gives up.
  return QCoreApplication::translate("TAdvisor", "Your hold: %1, rank %2 of %3, gives up %4 coins")
      .arg(held)
      .arg(advice.RankOf(heldMask))
      .arg(static_cast<int>(advice.Holds.size()))
      .arg(Coins(advice.CostOf(heldMask)));
}

QString VerdictShown(const THandAdvice& advice, std::uint8_t heldMask) {
  if (advice.IsBest(heldMask)) return QCoreApplication::translate("TAdvisor", "Best play");
  const THoldOdds& best = advice.Best();
  return VerdictShown(HeldCardsShown(advice.Cards, heldMask), advice.Coins(advice.Of(heldMask)),
                      HeldCardsShown(advice.Cards, best.Mask), advice.Coins(best),
                      advice.CostOf(heldMask));
}

QString VerdictShown(const QString& held, double heldCoins, const QString& best, double bestCoins,
                     double cost) {
  //: After the draw. %1 the cards held and %2 what they were expected to pay, in coins; %3
  //: and %4 the same for the best hold; %5 the coins the choice cost.
  return QCoreApplication::translate(
             "TAdvisor",
             "You held %1 (expected %2), best was %3 (expected %4): this choice cost %5 coins on "
             "average")
      .arg(held, Coins(heldCoins), best, Coins(bestCoins), Coins(cost));
}

QString DealtHandShown(const THandAdvice& advice) {
  //: Over the list of holds after the draw: %1 the five cards dealt, %2 the bet.
  return QCoreApplication::translate("TAdvisor", "Dealt %1, bet %2:")
      .arg(HeldCardsShown(advice.Cards, 31))
      .arg(advice.Bet);
}

QString DrawWarningShown(const THandAdvice& advice, std::uint8_t heldMask) {
  //: Asked before a draw in practice. %1 the cards held, %2 the coins that gives up, %3 the
  //: best hold, %4 what it is expected to pay, %5 what the player's hold is expected to pay.
  return QCoreApplication::translate(
             "TAdvisor",
             "Holding %1 gives up %2 coins on average. The best hold is %3 (expected %4 against "
             "%5).")
      .arg(HeldCardsShown(advice.Cards, heldMask), Coins(advice.CostOf(heldMask)),
           HeldCardsShown(advice.Cards, advice.Best().Mask), Coins(advice.Coins(advice.Best())),
           Coins(advice.Coins(advice.Of(heldMask))));
}

QString SessionHandsShown(const TAdvisorSession& session) {
  return QCoreApplication::translate("TAdvisor", "Hands: %1").arg(session.Hands());
}

QString SessionBestHoldsShown(const TAdvisorSession& session) {
  //: %1 of %2 holds were best ones, %3 per cent of them.
  return QCoreApplication::translate("TAdvisor", "Best holds: %1 of %2 (%3 %)")
      .arg(session.BestHolds())
      .arg(session.Hands())
      .arg(session.BestPercent());
}

QString SessionCostShown(const TAdvisorSession& session) {
  return QCoreApplication::translate("TAdvisor", "Cost of mistakes: %1 coins")
      .arg(Coins(session.MistakeCost()));
}

QString SessionReturnShown(const TAdvisorSession& session) {
  if (session.Hands() == 0) return QCoreApplication::translate("TAdvisor", "Return: no hands yet");
  //: The return of the player's holds and of the best ones, percentages with two decimals.
  return QCoreApplication::translate("TAdvisor", "Return: yours %1 %, best %2 %")
      .arg(Coins(session.PlayerReturnPercent()), Coins(session.BestReturnPercent()));
}
