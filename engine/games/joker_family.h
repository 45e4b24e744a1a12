// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Joker Poker, Kings or Better: 53 cards, the joker (code 53) stands for any card, also for
// one of a rank or suit already in the hand, so it always pairs a card. A pair of kings or
// aces pays.

#include <array>

#include "game_description.h"
#include "games/hand_words.h"

namespace joker_family {

enum : std::uint8_t {
  joNoPair,
  joLowPair,
  joKingsOrBetter,
  joTwoPair,
  joThreeOfAKind,
  joStraight,
  joFlush,
  joFullHouse,
  joFourOfAKind,
  joStraightFlush,
  joWildRoyalFlush,
  joFiveOfAKind,
  joNaturalRoyalFlush,
};

// Kings or Better sounds as Jacks or Better does; a five of a kind as four of a kind, a wild
// royal as a straight flush: the royal's sound stays the natural royal's.
inline constexpr std::array<TGameOutcome, 13> kOutcomes = {{
    {"No Pair", 0, kNoSound},
    {"Low Pair", 1, kNoSound},
    {"Kings or Better", 1, 0},
    {"Two Pair", 2, 1},
    {"Three of a Kind", 3, 2},
    {"Straight", 4, 3},
    {"Flush", 5, 4},
    {"Full House", 6, 5},
    {"Four of a Kind", 7, 6},
    {"Straight Flush", 8, 7},
    {"Wild Royal Flush", 9, 7},
    {"Five of a Kind", 10, 6},
    {"Natural Royal Flush", 11, 8},
}};

inline constexpr std::array<std::string_view, 12> kColumnHeadings = {
    "No Pair",          "Pairs",       "2 Pair",
    "3 of a Kind",      "Straight",    "Flush",
    "Full House",       "4 of a Kind", "Straight Flush",
    "Wild Royal Flush", "5 of a Kind", "Natural Royal Flush"};

inline constexpr std::array<std::uint8_t, kMadeHandCount> kOutcomeOfMade = {
    joNoPair,        joLowPair,           joKingsOrBetter,
    joTwoPair,       joThreeOfAKind,      joStraight,
    joFlush,         joFullHouse,         joFourOfAKind,
    joStraightFlush, joNaturalRoyalFlush, joWildRoyalFlush,
    joFiveOfAKind,   kNoOutcome};

inline constexpr std::array<TPreset, 1> kPresets = {{
    {"Full Pay", {1, 1, 2, 3, 5, 7, 20, 50, 100, 200, 800}, {100.65, 2}, {}, {}},
}};

}  // namespace joker_family

inline constexpr TGame kJokerPoker{.Id = "joker-poker",
                                   .Name = "Joker Poker",
                                   .DeckSize = 53,
                                   .Wild = wcJoker,
                                   .Family = gfJoker,
                                   .Outcomes = joker_family::kOutcomes,
                                   .LosingOutcomes = 2,
                                   .ColumnHeadings = joker_family::kColumnHeadings,
                                   .PayingPairRanks = RankBit(13) | RankBit(1),
                                   .OutcomeOfMade = joker_family::kOutcomeOfMade,
                                   .QuadOutcome = SplitQuads(joker_family::joFourOfAKind),
                                   .Presets = joker_family::kPresets,
                                   .DefaultPreset = 0};

class TJokerEvaluator {
 public:
  explicit constexpr TJokerEvaluator(const TGame& game)
      : FOutcomeOf(game.OutcomeOfMade), FQuads(&game.QuadOutcome), FPaying(game.PayingPairRanks) {}

  // Five distinct codes 1..53.
  std::uint8_t operator()(const THandCards& cards) const {
    const THandWords h = HandWordsOf(kJokerWords, cards);
    if (h.Wilds == 0) return NaturalOutcome(h, FOutcomeOf, *FQuads, FPaying);
    return FOutcomeOf[Made(h, FPaying)];
  }

 private:
  // The best the joker makes of the four natural cards.
  static TMadeHand Made(const THandWords& h, std::uint32_t paying) {
    const int ranks = std::popcount(h.Ranks);
    if (ranks == 1) return mhFiveOfAKind;
    if (ranks == 2) return h.Odd ? mhFourOfAKind : mhFullHouse;  // three and one, or two pairs
    if (ranks == 3) return mhThreeOfAKind;
    // Four distinct ranks.
    if (h.Suited && (h.Ranks & ~std::uint32_t{kRoyalRanks}) == 0) return mhWildRoyalFlush;
    const bool run = FitsRun(h.Ranks);
    if (h.Suited) return run ? mhStraightFlush : mhFlush;
    if (run) return mhStraight;
    // The joker pairs the best card.
    return h.Ranks & paying ? mhHighPair : mhLowPair;
  }

  std::array<std::uint8_t, kMadeHandCount> FOutcomeOf;
  const TQuadTable* FQuads;
  std::uint32_t FPaying;
};
