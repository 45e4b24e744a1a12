// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The Jacks or Better family: 52 cards, nothing wild, a pair of jacks or better pays, one
// four-of-a-kind line. Jacks or Better is the machine's own game, so its outcomes are the
// rows of TOutcome, in the same order.

#include <array>

#include "game_description.h"
#include "games/hand_words.h"
#include "play_stats.h"
#include "settlement.h"

namespace jacks_family {

inline constexpr std::array<TGameOutcome, 11> kOutcomes = {{
    {"No Pair", 0, kNoSound},
    {"Low Pair", 1, kNoSound},
    {"Jacks or Better", 1, 0},
    {"Two Pair", 2, 1},
    {"Three of a Kind", 3, 2},
    {"Straight", 4, 3},
    {"Flush", 5, 4},
    {"Full House", 6, 5},
    {"Four of a Kind", 7, 6},
    {"Straight Flush", 8, 7},
    {"Royal Flush", 9, 8},
}};
static_assert(kOutcomes.size() == kOutcomeCount);

// The natural hands name the outcomes of the same number.
inline constexpr std::array<std::uint8_t, kMadeHandCount> kOutcomeOfMade = {
    ocNoPair,     ocLowPair,  ocHighPair,  ocTwoPair,     ocThreeOfAKind,
    ocStraight,   ocFlush,    ocFullHouse, ocFourOfAKind, ocStraightFlush,
    ocRoyalFlush, kNoOutcome, kNoOutcome,  kNoOutcome};

inline constexpr std::array<TPreset, 5> kJacksPresets = {{
    {"9/6", {1, 2, 3, 4, 6, 9, 25, 50, 800}, {99.5439, 4}, {19.5147, 4}, {}},
    {"8/6", {1, 2, 3, 4, 6, 8, 25, 50, 800}, {}, {}, {}},
    {"8/5", {1, 2, 3, 4, 5, 8, 25, 50, 800}, {97.2984, 4}, {}, {}},
    {"7/5", {1, 2, 3, 4, 5, 7, 25, 50, 800}, {}, {}, {}},
    // The machine's own table as it comes: multipliers 0, 1, 2, 3, 4, 7, 11, 49, 99.
    {"Lumaro", {1, 2, 3, 4, 5, 8, 12, 50, 100}, {}, {}, {}},
}};

inline constexpr std::array<TPreset, 2> kBonusDeluxePresets = {{
    {"9/6", {1, 1, 3, 4, 6, 9, 80, 50, 800}, {99.6417, 4}, {}, {}},
    {"8/6", {1, 1, 3, 4, 6, 8, 80, 50, 800}, {}, {}, {}},
}};

constexpr TGame MakeGame(std::string_view id, std::string_view name,
                         std::span<const TPreset> presets, int defaultPreset) {
  return TGame{.Id = id,
               .Name = name,
               .DeckSize = 52,
               .Wild = wcNone,
               .Family = gfJacks,
               .Outcomes = kOutcomes,
               .LosingOutcomes = 2,
               .ColumnHeadings = kGridHeadings,
               .PayingPairRanks = RankBits(11, 13) | RankBit(1),
               .OutcomeOfMade = kOutcomeOfMade,
               .QuadOutcome = SplitQuads(ocFourOfAKind),
               .Presets = presets,
               .DefaultPreset = defaultPreset};
}

}  // namespace jacks_family

inline constexpr TGame kJacksOrBetter =
    jacks_family::MakeGame("jacks", "Jacks or Better", jacks_family::kJacksPresets, 4);
inline constexpr TGame kBonusPokerDeluxe = jacks_family::MakeGame(
    "bonus-deluxe", "Bonus Poker Deluxe", jacks_family::kBonusDeluxePresets, 0);

// Evaluates the games without wild cards (the Jacks or Better and the bonus families): the
// game's data decides which pairs pay and how four of a kind splits.
class TNaturalEvaluator {
 public:
  explicit constexpr TNaturalEvaluator(const TGame& game)
      : FOutcomeOf(game.OutcomeOfMade), FQuads(&game.QuadOutcome), FPaying(game.PayingPairRanks) {}

  // Five distinct codes 1..52.
  std::uint8_t operator()(const THandCards& cards) const {
    return NaturalOutcome(HandWordsOf(kNaturalWords, cards), FOutcomeOf, *FQuads, FPaying);
  }

 private:
  std::array<std::uint8_t, kMadeHandCount> FOutcomeOf;
  const TQuadTable* FQuads;
  std::uint32_t FPaying;
};
