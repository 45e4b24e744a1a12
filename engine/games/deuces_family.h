// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Deuces Wild: 52 cards, the four 2s stand for any card. The lowest paying hand is three of
// a kind; a hand takes the highest line any choice of its deuces reaches.

#include <array>

#include "game_description.h"
#include "games/hand_words.h"

namespace deuces_family {

enum : std::uint8_t {
  doNoWin,
  doThreeOfAKind,
  doStraight,
  doFlush,
  doFullHouse,
  doFourOfAKind,
  doStraightFlush,
  doFiveOfAKind,
  doWildRoyalFlush,
  doFourDeuces,
  doNaturalRoyalFlush,
};

// A five of a kind and four deuces sound as four of a kind does, a wild royal as a straight
// flush: the royal's sound stays the natural royal's.
inline constexpr std::array<TGameOutcome, 11> kOutcomes = {{
    {"No Win", 0, kNoSound},
    {"Three of a Kind", 1, 2},
    {"Straight", 2, 3},
    {"Flush", 3, 4},
    {"Full House", 4, 5},
    {"Four of a Kind", 5, 6},
    {"Straight Flush", 6, 7},
    {"Five of a Kind", 7, 6},
    {"Wild Royal Flush", 8, 7},
    {"Four Deuces", 9, 6},
    {"Natural Royal Flush", 10, 8},
}};

inline constexpr std::array<std::string_view, 11> kColumnHeadings = {
    "No Win",           "3 of a Kind", "Straight",           "Flush",
    "Full House",       "4 of a Kind", "Straight Flush",     "5 of a Kind",
    "Wild Royal Flush", "Four Deuces", "Natural Royal Flush"};

inline constexpr std::array<std::uint8_t, kMadeHandCount> kOutcomeOfMade = {doNoWin,
                                                                            doNoWin,
                                                                            doNoWin,
                                                                            doNoWin,
                                                                            doThreeOfAKind,
                                                                            doStraight,
                                                                            doFlush,
                                                                            doFullHouse,
                                                                            doFourOfAKind,
                                                                            doStraightFlush,
                                                                            doNaturalRoyalFlush,
                                                                            doWildRoyalFlush,
                                                                            doFiveOfAKind,
                                                                            doFourDeuces};

inline constexpr std::array<TPreset, 3> kPresets = {{
    {"Full Pay", {1, 2, 2, 3, 5, 9, 15, 25, 200, 800}, {100.7620, 4}, {}, {5.08, 2}},
    {"Not So Ugly Ducks", {1, 2, 3, 4, 4, 10, 16, 25, 200, 800}, {99.7283, 4}, {}, {}},
    {"Illinois", {1, 2, 3, 4, 4, 9, 15, 25, 200, 800}, {98.9131, 4}, {}, {}},
}};

}  // namespace deuces_family

inline constexpr TGame kDeucesWild{.Id = "deuces-wild",
                                   .Name = "Deuces Wild",
                                   .DeckSize = 52,
                                   .Wild = wcDeuces,
                                   .Family = gfDeuces,
                                   .Outcomes = deuces_family::kOutcomes,
                                   .LosingOutcomes = 1,
                                   .ColumnHeadings = deuces_family::kColumnHeadings,
                                   .PayingPairRanks = 0,
                                   .OutcomeOfMade = deuces_family::kOutcomeOfMade,
                                   .QuadOutcome = SplitQuads(deuces_family::doFourOfAKind),
                                   .Presets = deuces_family::kPresets,
                                   .DefaultPreset = 0};

class TDeucesEvaluator {
 public:
  explicit constexpr TDeucesEvaluator(const TGame& game)
      : FOutcomeOf(game.OutcomeOfMade), FQuads(&game.QuadOutcome) {}

  // Five distinct codes 1..52.
  std::uint8_t operator()(const THandCards& cards) const {
    const THandWords h = HandWordsOf(kDeucesWords, cards);
    if (h.Wilds == 0) return NaturalOutcome(h, FOutcomeOf, *FQuads, 0);
    return FOutcomeOf[Made(h)];
  }

 private:
  // The best any choice of the deuces makes of the natural cards.
  static TMadeHand Made(const THandWords& h) {
    const int naturals = 5 - h.Wilds;
    const int ranks = std::popcount(h.Ranks);
    const bool distinct = ranks == naturals;
    if (h.Wilds == 4) return mhFourDeuces;
    if (h.Suited && distinct && (h.Ranks & ~std::uint32_t{kRoyalRanks}) == 0)
      return mhWildRoyalFlush;
    if (ranks == 1) return mhFiveOfAKind;
    if (h.Suited && distinct && FitsRun(h.Ranks)) return mhStraightFlush;
    if (h.Wilds == 3) return mhFourOfAKind;
    if (h.Wilds == 2) {
      if (!distinct) return mhFourOfAKind;  // a pair and two deuces
    } else if (ranks == 2) {
      // Four naturals of two ranks: three and one (both odd) or two pairs.
      return h.Odd ? mhFourOfAKind : mhFullHouse;
    } else if (ranks == 3) {
      return mhThreeOfAKind;  // one pair and a deuce
    }
    if (h.Suited) return mhFlush;
    if (FitsRun(h.Ranks)) return mhStraight;
    return h.Wilds == 2 ? mhThreeOfAKind : mhNoPair;
  }

  std::array<std::uint8_t, kMadeHandCount> FOutcomeOf;
  const TQuadTable* FQuads;
};
