// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What a video poker game is, as plain data: its deck, its wild cards, its outcomes (losing
// ones first, then one per pay line, lowest line first) and its preset pay tables. Each family
// of games fills these in its own file under games/; game.h lists them.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The most outcomes and pay lines any game has (Double Double Bonus: 2 losing, 13 lines).
inline constexpr int kMaxOutcomes = 15;
inline constexpr int kMaxPayLines = 13;
// The window's nine sound slots, 0 (Jacks or Better) .. 8 (Royal Flush).
inline constexpr int kSoundSlotCount = 9;
inline constexpr std::int8_t kNoSound = -1;

enum TWildCards : std::uint8_t {
  wcNone,    // 52 cards, nothing wild
  wcDeuces,  // 52 cards, the four 2s wild
  wcJoker,   // 53 cards, the joker (code 53) wild
};

// The family a game belongs to: the games of one family share their evaluator and hold
// patterns and differ only in data.
enum TGameFamily : std::uint8_t { gfJacks, gfBonus, gfDeuces, gfJoker };

// What the evaluators find before a game names it; each game maps these to its outcomes.
// The first eleven are the hands of a deck without wild cards.
enum TMadeHand : std::uint8_t {
  mhNoPair,
  mhLowPair,   // one pair the game doesn't pay
  mhHighPair,  // one pair the game pays
  mhTwoPair,
  mhThreeOfAKind,
  mhStraight,
  mhFlush,
  mhFullHouse,
  mhFourOfAKind,  // split further by the game's quad table
  mhStraightFlush,
  mhRoyalFlush,  // without a wild card
  mhWildRoyalFlush,
  mhFiveOfAKind,
  mhFourDeuces,
};
inline constexpr int kMadeHandCount = 14;
inline constexpr std::uint8_t kNoOutcome = 0xFF;  // a made hand the game's deck can't make

struct TGameOutcome {
  std::string_view Name;         // a pay line's name as printed on the machine
  std::uint8_t Column = 0;       // statistics column
  std::int8_t Sound = kNoSound;  // sound slot 0..8 of a winning outcome, kNoSound for a loss
};

// A figure as published: Decimals < 0 when none is.
struct TPublishedFigure {
  double Value = 0;
  int Decimals = -1;
  constexpr bool Known() const { return Decimals >= 0; }
};

// Pays "for 1" per line, lowest line first; entries past the game's lines are 0.
using TLinePays = std::array<std::int32_t, kMaxPayLines>;

struct TPreset {
  std::string_view Name;  // e.g. "9/6", "Not So Ugly Ducks"
  TLinePays Pays{};
  TPublishedFigure ReturnPercent{};  // under optimal play
  TPublishedFigure Variance{};       // of one hand, per unit bet
  TPublishedFigure StandardDeviation{};
};

// Quad table: the outcome of four of a kind by [quad rank - 1][kicker rank - 1].
using TQuadTable = std::array<std::array<std::uint8_t, 13>, 13>;

// Rank bits: bit r - 1 for rank r (ace 1 .. king 13).
constexpr std::uint16_t RankBit(int rank) {
  return static_cast<std::uint16_t>(1u << (rank - 1));
}
constexpr std::uint16_t RankBits(int from, int to) {
  std::uint16_t bits = 0;
  for (int r = from; r <= to; ++r) bits = static_cast<std::uint16_t>(bits | RankBit(r));
  return bits;
}
inline constexpr std::uint16_t kAllRanks = RankBits(1, 13);

struct TGame {
  std::string_view Id;    // as the command line and the settings use it; never reused
  std::string_view Name;  // e.g. "Deuces Wild"
  int DeckSize = 52;      // 52, or 53 with the joker
  TWildCards Wild = wcNone;
  TGameFamily Family = gfJacks;
  // Losing outcomes first, then the pay lines, lowest first: line k is outcome
  // LosingOutcomes + k.
  std::span<const TGameOutcome> Outcomes;
  int LosingOutcomes = 0;
  // Headings of the statistics columns; every outcome's Column indexes this.
  std::span<const std::string_view> ColumnHeadings;
  // Pairs of these ranks are mhHighPair (jacks or better, kings or better), others mhLowPair.
  std::uint16_t PayingPairRanks = 0;
  std::array<std::uint8_t, kMadeHandCount> OutcomeOfMade{};  // kNoOutcome where not made
  TQuadTable QuadOutcome{};  // replaces OutcomeOfMade[mhFourOfAKind] for natural quads
  std::span<const TPreset> Presets;
  int DefaultPreset = 0;  // the table a new player of this game meets

  constexpr int OutcomeCount() const { return static_cast<int>(Outcomes.size()); }
  constexpr int ColumnCount() const { return static_cast<int>(ColumnHeadings.size()); }
  // The window's sound slot number 1..9 of an outcome, 0 for a loss.
  constexpr int SoundSlotNumber(int outcome) const {
    return Outcomes[static_cast<std::size_t>(outcome)].Sound + 1;
  }
  constexpr int LineCount() const { return OutcomeCount() - LosingOutcomes; }
  constexpr std::string_view LineName(int line) const { return Outcomes[OutcomeOfLine(line)].Name; }
  constexpr std::size_t OutcomeOfLine(int line) const {
    return static_cast<std::size_t>(LosingOutcomes + line);
  }
  // The pay line 0.. of an outcome, -1 for a losing one.
  constexpr int LineOfOutcome(int outcome) const {
    return outcome < LosingOutcomes ? -1 : outcome - LosingOutcomes;
  }
  constexpr bool IsWin(int outcome) const { return outcome >= LosingOutcomes; }
};

// The machine prints what a line pays for 1, stake included; the window's multipliers are
// what a win adds, the stake kept: multiplier = pays - 1. Both directions live here.
constexpr std::int32_t MultiplierOfPays(std::int64_t pays) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(pays - 1, INT32_MIN, INT32_MAX));
}
constexpr std::int64_t PaysOfMultiplier(std::int32_t multiplier) {
  return std::int64_t{multiplier} + 1;
}
// Line by line over a game's lines; entries past them stay 0.
constexpr TLinePays MultipliersOfPays(const TGame& game, const TLinePays& pays) {
  TLinePays m{};
  for (int k = 0; k < game.LineCount(); ++k) m[k] = MultiplierOfPays(pays[k]);
  return m;
}
constexpr TLinePays PaysOfMultipliers(const TGame& game, const TLinePays& multipliers) {
  TLinePays p{};
  for (int k = 0; k < game.LineCount(); ++k)
    p[k] = static_cast<std::int32_t>(
        std::min<std::int64_t>(PaysOfMultiplier(multipliers[k]), INT32_MAX));
  return p;
}

// --- Helpers the family files build their descriptions with ---

// One quad line of a bonus game: the quad ranks and the kicker ranks it takes.
struct TQuadLine {
  int Outcome = 0;
  std::uint16_t Ranks = kAllRanks;
  std::uint16_t Kickers = kAllRanks;
};

// Every quad makes `outcome`, unless a later line in `lines` takes its rank and kicker.
template <std::size_t N>
constexpr TQuadTable SplitQuads(int outcome, const std::array<TQuadLine, N>& lines) {
  TQuadTable t{};
  for (int q = 0; q < 13; ++q)
    for (int k = 0; k < 13; ++k) {
      int o = outcome;
      for (const TQuadLine& line : lines)
        if ((line.Ranks & RankBit(q + 1)) && (line.Kickers & RankBit(k + 1))) o = line.Outcome;
      t[q][k] = static_cast<std::uint8_t>(o);
    }
  return t;
}
constexpr TQuadTable SplitQuads(int outcome) {
  return SplitQuads(outcome, std::array<TQuadLine, 0>{});
}
