// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Card codes, the 52-card deck and the program's one pseudo-random generator.

#include <array>
#include <cstdint>
#include <functional>

// One byte naming a card or a card face: 1..13 spades, 14..26 hearts, 27..39 clubs,
// 40..52 diamonds (ace first, king last), 53 joker, 54..62 backs 1..9, 63 title face.
using cdCardDeck = std::uint8_t;

constexpr cdCardDeck cdJoker = 53;
constexpr cdCardDeck cdFirstBack = 54;
constexpr cdCardDeck cdTitleFace = 63;

// Suit 1 spades, 2 hearts, 3 clubs, 4 diamonds; 0 for anything that is not a playing card.
int CardSuit(int code);
// Rank 1 (ace) .. 13 (king); 0 for anything that is not a playing card.
int CardRank(int code);

struct TTimeOfDay {
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// The current time of day in UTC, to the millisecond.
TTimeOfDay UtcTimeOfDay();
using TClock = std::function<TTimeOfDay()>;

// A linear congruential generator. Its sequence decides which cards are dealt, so it must
// stay bit-for-bit as it is: the same seed always deals the same hands.
struct TRandomSource {
  std::uint32_t Seed = 0;

  // Milliseconds since midnight UTC (0 .. 86,399,999).
  void SeedFromClock(const TClock& clock = UtcTimeOfDay);
  // 0 .. n-1 for n >= 1; always advances the state by one step.
  std::uint32_t NextInt(std::uint32_t n) {
    Seed = Seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Seed) * n) >> 32);
  }
};

// A deck of N cards: the codes 1..N, so 52 for most games and 53 with the joker.
template <int N>
struct TDeckOf {
  // Entries[i - 1] holds the card at deck position i (1..N), in dealing order.
  std::array<std::int32_t, N> Entries{};
  // Cards taken since the last reset; the next card comes from position Position + 1.
  std::uint8_t Position = 0;

  // Codes 1..N in ascending order; Position is left alone.
  void Fill();
  // Swaps every position in turn with a partner drawn from all N: exactly N draws.
  void Shuffle(TRandomSource& random);
  // Advances Position, then returns the card there. An exhausted deck gives 0, which
  // names no card (play never takes more than ten).
  cdCardDeck TakeNext();
};
extern template struct TDeckOf<52>;
extern template struct TDeckOf<53>;

using TDeck = TDeckOf<52>;
// Joker Poker's deck: the 52 cards and the joker, code 53, last before the shuffle.
using TJokerDeck = TDeckOf<53>;
