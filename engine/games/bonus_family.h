// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The bonus family: Jacks or Better with four of a kind split by the rank of the four and,
// in the double double games, by the kicker. Evaluated by TNaturalEvaluator with the game's
// quad table.

#include <array>

#include "game_description.h"
#include "games/jacks_family.h"

namespace bonus_family {

// Outcome numbers shared by every game of the family: the losing pair, Jacks or Better and
// the hands up to the full house as in Jacks or Better, then the four-of-a-kind lines.
enum : std::uint8_t {
  boNoPair,
  boLowPair,
  boHighPair,
  boTwoPair,
  boThreeOfAKind,
  boStraight,
  boFlush,
  boFullHouse,
  boFirstQuad,
};

// Columns: one per outcome, the two pairs in one as in Jacks or Better.
template <std::size_t NQuads>
constexpr std::array<TGameOutcome, 10 + NQuads> Outcomes(
    const std::array<std::string_view, NQuads>& quads) {
  std::array<TGameOutcome, 10 + NQuads> o{{
      {"No Pair", 0, kNoSound},
      {"Low Pair", 1, kNoSound},
      {"Jacks or Better", 1, 0},
      {"Two Pair", 2, 1},
      {"Three of a Kind", 3, 2},
      {"Straight", 4, 3},
      {"Flush", 5, 4},
      {"Full House", 6, 5},
  }};
  for (std::size_t q = 0; q < NQuads; ++q)
    o[boFirstQuad + q] = {quads[q], static_cast<std::uint8_t>(7 + q), 6};
  o[boFirstQuad + NQuads] = {"Straight Flush", static_cast<std::uint8_t>(7 + NQuads), 7};
  o[boFirstQuad + NQuads + 1] = {"Royal Flush", static_cast<std::uint8_t>(8 + NQuads), 8};
  return o;
}

// The statistics headings: Jacks or Better's, with its "4 of a Kind" split as the lines are.
template <std::size_t NQuads>
constexpr std::array<std::string_view, 9 + NQuads> ColumnHeadings(
    const std::array<std::string_view, NQuads>& quads) {
  std::array<std::string_view, 9 + NQuads> h{};
  for (std::size_t c = 0; c < 7; ++c) h[c] = kGridHeadings[c];
  for (std::size_t q = 0; q < NQuads; ++q) h[7 + q] = quads[q];
  h[7 + NQuads] = kGridHeadings[hcStraightFlush];
  h[8 + NQuads] = kGridHeadings[hcRoyalFlush];
  return h;
}

constexpr std::array<std::uint8_t, kMadeHandCount> OutcomeOfMade(int quadLines) {
  const auto sf = static_cast<std::uint8_t>(boFirstQuad + quadLines);
  return {boNoPair,
          boLowPair,
          boHighPair,
          boTwoPair,
          boThreeOfAKind,
          boStraight,
          boFlush,
          boFullHouse,
          boFirstQuad,
          sf,
          static_cast<std::uint8_t>(sf + 1),
          kNoOutcome,
          kNoOutcome,
          kNoOutcome};
}

// Bonus Poker and Double Bonus Poker.
inline constexpr std::array<std::string_view, 3> kBonusQuadNames = {"Four 5s-Ks", "Four 2s-4s",
                                                                    "Four Aces"};
inline constexpr auto kBonusOutcomes = Outcomes(kBonusQuadNames);
inline constexpr auto kBonusHeadings = ColumnHeadings(kBonusQuadNames);
inline constexpr std::array<TQuadLine, 2> kBonusQuads = {{
    {boFirstQuad + 1, RankBits(2, 4), kAllRanks},
    {boFirstQuad + 2, RankBit(1), kAllRanks},
}};

// Double Double and Triple Double Bonus Poker: the low quads and the aces pay more still
// with a low kicker.
inline constexpr std::array<std::string_view, 5> kDoubleDoubleQuadNames = {
    "Four 5s-Ks", "Four 2s-4s", "Four Aces", "Four 2s-4s with an A, 2, 3 or 4 kicker",
    "Four Aces with a 2, 3 or 4 kicker"};
inline constexpr auto kDoubleDoubleOutcomes = Outcomes(kDoubleDoubleQuadNames);
inline constexpr auto kDoubleDoubleHeadings = ColumnHeadings(kDoubleDoubleQuadNames);
inline constexpr std::array<TQuadLine, 4> kDoubleDoubleQuads = {{
    {boFirstQuad + 1, RankBits(2, 4), kAllRanks},
    {boFirstQuad + 2, RankBit(1), kAllRanks},
    {boFirstQuad + 3, RankBits(2, 4), RankBits(1, 4)},
    {boFirstQuad + 4, RankBit(1), RankBits(2, 4)},
}};

// Aces and Faces.
inline constexpr std::array<std::string_view, 3> kAcesAndFacesQuadNames = {
    "Four 2s-10s", "Four Jacks-Kings", "Four Aces"};
inline constexpr auto kAcesAndFacesOutcomes = Outcomes(kAcesAndFacesQuadNames);
inline constexpr auto kAcesAndFacesHeadings = ColumnHeadings(kAcesAndFacesQuadNames);
inline constexpr std::array<TQuadLine, 2> kAcesAndFacesQuads = {{
    {boFirstQuad + 1, RankBits(11, 13), kAllRanks},
    {boFirstQuad + 2, RankBit(1), kAllRanks},
}};

inline constexpr std::array<TPreset, 2> kBonusPresets = {{
    {"8/5", {1, 2, 3, 4, 5, 8, 25, 40, 80, 50, 800}, {99.1660, 4}, {}, {}},
    {"7/5", {1, 2, 3, 4, 5, 7, 25, 40, 80, 50, 800}, {}, {}, {}},
}};
inline constexpr std::array<TPreset, 2> kDoubleBonusPresets = {{
    {"10/7", {1, 1, 3, 5, 7, 10, 50, 80, 160, 50, 800}, {100.1725, 4}, {}, {}},
    {"9/7", {1, 1, 3, 5, 7, 9, 50, 80, 160, 50, 800}, {}, {}, {}},
}};
inline constexpr std::array<TPreset, 3> kDoubleDoublePresets = {{
    {"10/6", {1, 1, 3, 4, 6, 10, 50, 80, 160, 160, 400, 50, 800}, {100.0670, 4}, {}, {}},
    {"9/6", {1, 1, 3, 4, 6, 9, 50, 80, 160, 160, 400, 50, 800}, {98.9808, 4}, {}, {}},
    {"9/5", {1, 1, 3, 4, 5, 9, 50, 80, 160, 160, 400, 50, 800}, {}, {}, {}},
}};
inline constexpr std::array<TPreset, 1> kTripleDoublePresets = {{
    {"9/7", {1, 1, 2, 4, 7, 9, 50, 80, 160, 400, 800, 50, 800}, {}, {}, {}},
}};
inline constexpr std::array<TPreset, 1> kAcesAndFacesPresets = {{
    {"8/5", {1, 2, 3, 4, 5, 8, 25, 40, 80, 50, 800}, {99.2555, 4}, {}, {}},
}};

template <std::size_t NQuadLines>
constexpr TGame MakeGame(std::string_view id, std::string_view name,
                         std::span<const TGameOutcome> outcomes,
                         std::span<const std::string_view> headings,
                         const std::array<TQuadLine, NQuadLines>& quads,
                         std::span<const TPreset> presets, int defaultPreset) {
  const int quadOutcomes = static_cast<int>(outcomes.size()) - 10;
  return TGame{.Id = id,
               .Name = name,
               .DeckSize = 52,
               .Wild = wcNone,
               .Family = gfBonus,
               .Outcomes = outcomes,
               .LosingOutcomes = 2,
               .ColumnHeadings = headings,
               .PayingPairRanks = RankBits(11, 13) | RankBit(1),
               .OutcomeOfMade = OutcomeOfMade(quadOutcomes),
               .QuadOutcome = SplitQuads(boFirstQuad, quads),
               .Presets = presets,
               .DefaultPreset = defaultPreset};
}

}  // namespace bonus_family

inline constexpr TGame kBonusPoker = bonus_family::MakeGame(
    "bonus", "Bonus Poker", bonus_family::kBonusOutcomes, bonus_family::kBonusHeadings,
    bonus_family::kBonusQuads, bonus_family::kBonusPresets, 0);
inline constexpr TGame kDoubleBonusPoker = bonus_family::MakeGame(
    "double-bonus", "Double Bonus Poker", bonus_family::kBonusOutcomes,
    bonus_family::kBonusHeadings, bonus_family::kBonusQuads, bonus_family::kDoubleBonusPresets, 0);
inline constexpr TGame kDoubleDoubleBonusPoker =
    bonus_family::MakeGame("double-double-bonus", "Double Double Bonus Poker",
                           bonus_family::kDoubleDoubleOutcomes, bonus_family::kDoubleDoubleHeadings,
                           bonus_family::kDoubleDoubleQuads, bonus_family::kDoubleDoublePresets, 1);
inline constexpr TGame kTripleDoubleBonusPoker =
    bonus_family::MakeGame("triple-double-bonus", "Triple Double Bonus Poker",
                           bonus_family::kDoubleDoubleOutcomes, bonus_family::kDoubleDoubleHeadings,
                           bonus_family::kDoubleDoubleQuads, bonus_family::kTripleDoublePresets, 0);
inline constexpr TGame kAcesAndFaces =
    bonus_family::MakeGame("aces-and-faces", "Aces and Faces", bonus_family::kAcesAndFacesOutcomes,
                           bonus_family::kAcesAndFacesHeadings, bonus_family::kAcesAndFacesQuads,
                           bonus_family::kAcesAndFacesPresets, 0);
