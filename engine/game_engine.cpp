// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_engine.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "hand_cycle.h"
#include "stored_values.h"

namespace {

// A text of the view and its wording, always set together.
void Say(std::string& text, TWording& wording, TWording said) {
  text = EnglishText(said);
  wording = std::move(said);
}

// Five different cards of a deck of `deckSize` (52, or 53 with the joker).
bool IsDealableHand(const THandCards& cards, int deckSize) {
  std::uint64_t seen = 0;
  for (const cdCardDeck card : cards) {
    if (card < 1 || card > deckSize || (seen >> card & 1u)) return false;
    seen |= std::uint64_t{1} << card;
  }
  return true;
}

// The deck of a replay: the given five first, in hand order, then the others in the order
// a fresh shuffle leaves them.
template <int N>
void DealGivenFive(TDeckOf<N>& deck, TRandomSource& random, const THandCards& cards) {
  deck.Position = 0;
  deck.Fill();
  deck.Shuffle(random);
  const auto given = [&cards](std::int32_t entry) {
    return std::find(cards.begin(), cards.end(), entry) != cards.end();
  };
  std::stable_partition(deck.Entries.begin(), deck.Entries.end(), given);
  std::copy(cards.begin(), cards.end(), deck.Entries.begin());
  deck.Position = kHandSize;
}

bool PlaysJokerDeck(const TGame& game) {
  return game.DeckSize == static_cast<int>(TJokerDeck{}.Entries.size());
}

// What a settled practice hand would have done to the total, which stays as it is.
TSentence PracticeMoneySentence(const TGameSettledHand& hand, std::int32_t bet,
                                std::int32_t total) {
  if (!hand.Won) return {snPracticeCost, {bet, total}};
  if (const std::int64_t multiplier = hand.Multiplier; multiplier != 0)
    return {snPracticePay, {multiplier * bet, total}};
  return {snPracticeEven, {total}};
}

}  // namespace

TGameEngine::TGameEngine(TClock clock) : FClock(std::move(clock)) {
  FDeck.Fill();
  FView.Cards.fill(cdTitleFace);
  FHand.Cards.fill(cdTitleFace);
  for (int i = 0; i < kHandSize; ++i) SetMark(i, hmDraw);
  ShowBet();
  ShowTotal();
}

void TGameEngine::StartUp(std::int32_t storedTotal, std::int32_t storedBet,
                          const std::array<std::int32_t, kPayLines>& storedPayouts) {
  FTotal = TakenAtStartUp(skTotal, storedTotal) ? storedTotal : kStartTotal;
  FBetMaximum = kMaxBet;
  if (TakenAtStartUp(skAmount, storedBet, FTotal))
    FBet = std::clamp(storedBet, kMinBet, FBetMaximum);
  else if (storedBet < 0)
    FBet = kMinBet;
  FPayTable = PayTableFromStored(storedPayouts);

  ResetStats();
  FRandom.SeedFromClock(FClock);
  ShowIdleTable();
}

void TGameEngine::ShowIdleTable() {
  FPhase = gpIdle;
  FDeck.Position = 0;
  FJokerDeck.Position = 0;
  FView.LitPayLine = -1;
  ShowTotal();
  FDeck.Fill();
  FJokerDeck.Fill();
  Say(FView.MoneyMessage, FView.MoneyWording, {{snBlank}});
  FView.DrawVisible = false;
  FView.DealVisible = true;
  FView.WinIconVisible = false;
  for (int i = 0; i < kHandSize; ++i) {
    SetMark(i, hmDraw);
    FView.HoldPanels[i].Enabled = true;
  }
  FHand.Cards.fill(cdTitleFace);
  FView.Cards = FHand.Cards;
  ShowBet();
}

TGameTable TGameEngine::TableInForce() const {
  if (FGame == &kJacksOrBetter) return JacksTable(FPayTable);
  return {FGame, FGameLines};
}

TGameTable TGameEngine::HandTable() const {
  return FPractice.Active ? FPractice.Table : TableInForce();
}

bool TGameEngine::SetGame(const TGameTable& table) {
  if (FPhase == gpDealt) return false;
  const bool otherGame = table.Game != FGame;
  const bool otherTable = table != TableInForce();
  FGame = table.Game;
  if (table.IsJacks())
    FPayTable = PayTableOf(table);
  else
    FGameLines = table.Multipliers;
  if (otherGame) {
    // A session is one game: its statistics and its last hand go with it.
    FPractice.Active = false;
    ResetStats();
    FView.GridFilled = false;
    // Another game's grid names its columns from the start, so that a player new to it sees
    // what it counts; today's game keeps its grid blank until the first settled hand.
    for (int c = 0; c < kMaxColumns; ++c)
      FView.GridHeadings[static_cast<std::size_t>(c)] =
          FGame == &kJacksOrBetter ? std::string_view{} : ColumnHeading(*FGame, c);
    FView.GridColumns = FGame->ColumnCount();
    FView.GaugeProgress = 0;
    Say(FView.HandText, FView.HandWording, {{snTwoBlanks}});
    Say(FView.SecondMessage, FView.SecondWording, {{snTwoBlanks}});
    ShowIdleTable();
  }
  if (otherGame || otherTable) Tell(&TGameListener::PayTableChanged);
  return true;
}

int TGameEngine::Listen(TGameListener listener) {
  FListeners.emplace_back(++FLastListener, std::move(listener));
  return FLastListener;
}

void TGameEngine::StopListening(int id) {
  std::erase_if(FListeners, [id](const auto& listener) { return listener.first == id; });
}

void TGameEngine::Tell(std::function<void()> TGameListener::*event) const {
  // A copy: a listener may stop listening, or start another, while it is told.
  const auto listeners = FListeners;
  for (const auto& listener : listeners)
    if (listener.second.*event) (listener.second.*event)();
}

void TGameEngine::SetPayTable(const TPayTable& table) {
  if (table == FPayTable) return;
  FPayTable = table;
  // Kept for Jacks or Better while another game is in force; in force only with it.
  if (FGame == &kJacksOrBetter) Tell(&TGameListener::PayTableChanged);
}

void TGameEngine::DealFromGameDeck(const TGame& game) {
  if (PlaysJokerDeck(game))
    DealFive(FJokerDeck, FRandom, FHand.Cards);
  else
    DealFive(FDeck, FRandom, FHand.Cards);
}

void TGameEngine::Deal() {
  if (FPhase == gpDealt) return;
  FPractice.Active = false;
  LowerBetAtDeal(FTotal, FBet, FBetMaximum);
  DealFromGameDeck(*FGame);
  ShowDealtHand();
  Tell(&TGameListener::Dealt);
}

void TGameEngine::DealPractice() {
  if (FPhase == gpDealt) return;
  // No money is at stake, so a low total doesn't fix the bet.
  FPractice = {true, FBet, TableInForce(), FPayTable};
  DealFromGameDeck(*FGame);
  ShowDealtHand();
  Tell(&TGameListener::Dealt);
}

bool TGameEngine::DealReplay(const THandCards& cards, const TPayTable& table, std::int32_t bet) {
  return DealReplay(cards, JacksTable(table), bet);
}

bool TGameEngine::DealReplay(const THandCards& cards, const TGameTable& table, std::int32_t bet) {
  if (FPhase == gpDealt || !table.Game || !IsDealableHand(cards, table.Game->DeckSize))
    return false;
  // In the hand's own game and table, whatever game is in force; the Jacks table in force
  // stays the one kept for another game's replay.
  FPractice = {true, std::clamp(bet, kMinBet, kMaxBet), table,
               table.IsJacks() ? PayTableOf(table) : FPayTable};
  if (PlaysJokerDeck(*table.Game))
    DealGivenFive(FJokerDeck, FRandom, cards);
  else
    DealGivenFive(FDeck, FRandom, cards);
  FHand.Cards = cards;
  ShowDealtHand();
  Tell(&TGameListener::Dealt);
  return true;
}

void TGameEngine::ShowDealtHand() {
  FView.Cards = FHand.Cards;
  FPhase = gpDealt;
  FView.DrawVisible = true;
  Say(FView.MoneyMessage, FView.MoneyWording, {{snBlank}});
  FView.DealVisible = false;
  FView.WinIconVisible = false;
  Say(FView.HandText, FView.HandWording, {{snTwoBlanks}});
  FView.LitPayLine = -1;
  Say(FView.SecondMessage, FView.SecondWording,
      {{FPractice.Active ? snPracticeHand : snTwoBlanks}});
  for (int i = 0; i < kHandSize; ++i) {
    FView.HoldPanels[i].Enabled = true;
    SetMark(i, hmDraw);
  }
  ShowBet();
}

void TGameEngine::ToggleHold(int position) {
  if (position < 1 || position > kHandSize) return;
  const int i = position - 1;
  SetMark(i, FHand.Marks[i] == hmDraw ? hmHold : hmDraw);
  Tell(&TGameListener::HoldChanged);
}

void TGameEngine::DrawAndSettle() {
  if (FPhase != gpDealt) return;
  FPhase = gpSettled;
  FView.DrawVisible = false;
  FView.DealVisible = true;
  ShowBet();
  if (PlaysJokerDeck(*HandTable().Game))
    DrawReplacements(FHand.Cards, FHand.KeptMask(), FJokerDeck);
  else
    DrawReplacements(FHand.Cards, FHand.KeptMask(), FDeck);
  FView.Cards = FHand.Cards;
  for (auto& panel : FView.HoldPanels) panel.Enabled = false;
  if (FPractice.Active)
    SettlePractice();
  else
    SettleForMoney();
  Tell(&TGameListener::Drawn);
}

void TGameEngine::SettleForMoney() {
  const TGameTable table = TableInForce();
  const TGameSettledHand hand = SettleGameHand(table, FHand.Cards, FTotal, FBet);
  const TGameOutcome& outcome = table.Game->Outcomes[static_cast<std::size_t>(hand.Outcome)];
  Say(FView.HandText, FView.HandWording, {OutcomeSaying(*table.Game, hand.Outcome)});
  FView.LitPayLine = table.Game->LineOfOutcome(hand.Outcome);
  FStats.Record(int{outcome.Column}, hand.Won);

  if (!hand.Won) {
    FTotal = hand.Total;
    Say(FView.MoneyMessage, FView.MoneyWording, {{snLost, {FTotal}}});
  } else {
    if (OnWinSound) OnWinSound(table.Game->SoundSlotNumber(hand.Outcome));
    FView.WinIconVisible = true;
    const std::int64_t multiplier = hand.Multiplier;
    // Credited only after the sound: the window shows the hand before the money.
    FTotal = hand.Total;
    if (multiplier == 0)
      Say(FView.MoneyMessage, FView.MoneyWording, {{snWin, {FTotal}}});
    else
      Say(FView.MoneyMessage, FView.MoneyWording, {{snBonus, {multiplier + 1, FTotal}}});
  }
  UpdateDisplay();
  if (OnUpdateDisplay) OnUpdateDisplay();
}

void TGameEngine::SettlePractice() {
  // Judged as any hand, but the total, the statistics and the sound are left alone.
  const TGameSettledHand hand = SettleGameHand(FPractice.Table, FHand.Cards, FTotal, FPractice.Bet);
  Say(FView.HandText, FView.HandWording, {OutcomeSaying(*FPractice.Table.Game, hand.Outcome)});
  FView.LitPayLine = FPractice.Table.Game->LineOfOutcome(hand.Outcome);
  FView.WinIconVisible = hand.Won;
  Say(FView.MoneyMessage, FView.MoneyWording, {PracticeMoneySentence(hand, FPractice.Bet, FTotal)});
  ShowTotal();
  MarkOver();
  if (OnUpdateDisplay) OnUpdateDisplay();
}

void TGameEngine::ResetStats() {
  FStats.Reset();
}

void TGameEngine::RecordResult(THandCategory category, bool won) {
  FStats.Record(category, won);
}

void TGameEngine::UpdateDisplay() {
  ShowTotal();
  FView.GridFilled = true;
  FView.GridColumns = FGame->ColumnCount();
  FView.GridCounts = FStats.CategoryCount;
  for (int c = 0; c < kMaxColumns; ++c)
    FView.GridHeadings[static_cast<std::size_t>(c)] = ColumnHeading(*FGame, c);
  if (const auto percent = FStats.WinningPercentage()) FView.GaugeProgress = *percent;
  MarkOver();
}

void TGameEngine::MarkOver() {
  for (int i = 0; i < kHandSize; ++i) {
    SetMark(i, hmOver);
    FView.HoldPanels[i].Enabled = false;
  }
}

void TGameEngine::ShowStats() {
  Say(FView.MoneyMessage, FView.MoneyWording, FStats.SummaryWording(*FGame));
  Say(FView.SecondMessage, FView.SecondWording, FStats.HighHandsWording(*FGame));
}

bool TGameEngine::SetBet(std::int32_t value) {
  if (BetReadOnly()) return false;
  FBet = std::clamp(value, kMinBet, FBetMaximum);
  ShowBet();
  return true;
}

bool TGameEngine::StepBet(int steps) {
  if (BetReadOnly()) return false;
  return SetBet(ClampMoney(std::int64_t{FBet} + std::int64_t{steps} * kBetStep));
}

void TGameEngine::SetTotal(std::int32_t total) {
  FTotal = total;
  ShowTotal();
}

void TGameEngine::SetMark(int index, THoldMark mark) {
  FHand.Marks[index] = mark;
  THoldPanelView& panel = FView.HoldPanels[index];
  switch (mark) {
    case hmDraw:
      Say(panel.Caption, panel.CaptionWording, {{snHoldDraw}});
      panel.Color = clBtnFace;
      break;
    case hmHold:
      Say(panel.Caption, panel.CaptionWording, {{snHoldHold}});
      panel.Color = clRed;
      break;
    case hmOver:
      Say(panel.Caption, panel.CaptionWording, {{snHoldOver}});
      panel.Color = clBlue;
      break;
  }
}

void TGameEngine::ShowBet() {
  // A practice hand shows the bet it is played for until its draw; the player's own bet
  // stays as it was.
  FView.BetValue = FPhase == gpDealt ? HandBet() : FBet;
  FView.BetMaximum = FBetMaximum;
  FView.BetReadOnly = BetReadOnly();
}

void TGameEngine::ShowTotal() {
  FView.TotalText = std::to_string(FTotal);
}
