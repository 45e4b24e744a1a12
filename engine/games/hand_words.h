// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What every family's evaluator starts from: five card codes folded into a few bit masks
// with table look-ups and bit operations only, and the classification of a hand without a
// wild card, which every family shares.

#include <array>
#include <bit>
#include <cstdint>

#include "cards.h"
#include "evaluator.h"
#include "game_description.h"

// One word per card code: the rank bit in bits 0..12, the suit bit in bits 16..19 (all four
// for a wild card, which suits any flush) and bit 24 for a wild card, which has no rank bit.
using TCardWords = std::array<std::uint32_t, 256>;

constexpr TCardWords MakeCardWords(TWildCards wild) {
  TCardWords words{};
  for (int code = 1; code <= 53; ++code) {
    const bool joker = code == cdJoker;
    const int suit = joker ? 0 : (code - 1) / 13;
    const int rank = joker ? 0 : code - 13 * suit;
    const bool isWild = (wild == wcJoker && joker) || (wild == wcDeuces && rank == 2);
    if (isWild)
      words[code] = 0xFu << 16 | 1u << 24;
    else if (!joker)
      words[code] = std::uint32_t{RankBit(rank)} | 1u << (16 + suit);
  }
  return words;
}
inline constexpr TCardWords kNaturalWords = MakeCardWords(wcNone);
inline constexpr TCardWords kDeucesWords = MakeCardWords(wcDeuces);
inline constexpr TCardWords kJokerWords = MakeCardWords(wcJoker);

inline constexpr std::uint16_t kRoyalRanks = RankBits(10, 13) | RankBit(1);

struct THandWords {
  std::array<std::uint32_t, 5> Card{};
  std::uint32_t Ranks = 0;   // rank bits of the natural cards
  std::uint32_t Odd = 0;     // ranks held an odd number of times
  std::uint32_t Suited = 0;  // nonzero when every card (wilds included) suits one suit
  int Wilds = 0;
};

inline THandWords HandWordsOf(const TCardWords& words, const THandCards& cards) {
  THandWords h;
  for (std::size_t i = 0; i < 5; ++i) h.Card[i] = words[cards[i]];
  const auto& c = h.Card;
  h.Ranks = (c[0] | c[1] | c[2] | c[3] | c[4]) & 0x1FFFu;
  h.Odd = (c[0] ^ c[1] ^ c[2] ^ c[3] ^ c[4]) & 0x1FFFu;
  h.Suited = c[0] & c[1] & c[2] & c[3] & c[4] & 0xF0000u;
  h.Wilds =
      static_cast<int>((c[0] >> 24) + (c[1] >> 24) + (c[2] >> 24) + (c[3] >> 24) + (c[4] >> 24));
  return h;
}

// Distinct ranks that five consecutive ones take in, the ace low or high (10-A).
inline bool FitsRun(std::uint32_t ranks) {
  if ((ranks & ~std::uint32_t{kRoyalRanks}) == 0) return true;
  const int low = std::countr_zero(ranks);
  const int high = 31 - std::countl_zero(ranks);
  return high - low <= 4;
}

// Five distinct natural ranks that make a run.
inline bool IsRun(std::uint32_t ranks) {
  return ranks == kRoyalRanks || ranks >> std::countr_zero(ranks) == 0x1Fu;
}

// The outcome of a hand without a wild card, mapped by the game's tables.
inline std::uint8_t NaturalOutcome(const THandWords& h,
                                   const std::array<std::uint8_t, kMadeHandCount>& outcomeOf,
                                   const TQuadTable& quads, std::uint32_t payingPairs) {
  switch (std::popcount(h.Ranks)) {
    case 5:
      if (IsRun(h.Ranks)) {
        if (!h.Suited) return outcomeOf[mhStraight];
        return outcomeOf[h.Ranks == kRoyalRanks ? mhRoyalFlush : mhStraightFlush];
      }
      return outcomeOf[h.Suited ? mhFlush : mhNoPair];
    case 4:  // the pair is the one rank held an even number of times
      return outcomeOf[(h.Ranks ^ h.Odd) & payingPairs ? mhHighPair : mhLowPair];
    case 3:  // two pair leave one odd rank, three of a kind three
      return outcomeOf[std::popcount(h.Odd) == 1 ? mhTwoPair : mhThreeOfAKind];
    default: {  // full house or four of a kind: the odd rank is the trips or the kicker
      int held = 0;
      for (const std::uint32_t c : h.Card) held += (c & h.Odd) != 0;
      if (held == 3) return outcomeOf[mhFullHouse];
      const int quad = std::countr_zero(h.Ranks ^ h.Odd);
      const int kicker = std::countr_zero(h.Odd);
      return quads[static_cast<std::size_t>(quad)][static_cast<std::size_t>(kicker)];
    }
  }
}
