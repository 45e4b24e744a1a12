// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The strategy chart of a pay table: an ordered list of hold patterns, played by holding the
// first line that fits the dealt hand, built from the exact values of every hold of every
// deal class so that this play returns as much as such a list can, and stating its own
// exact return next to the return of perfect play.
//
// A line names one or more leaves of one pattern family ("Q J, K Q or K J suited"); when
// several of them fit a hand, the first named counts (the family's order: the lowest two
// high cards first, the open straight draws first). When that leaf fits several holds of
// the hand (two inside straight draws), the chart takes the one worth most; the return
// counts exactly that.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "hold_patterns.h"
#include "odds.h"

struct TGame;

// An exact return: expected pay for a stake of 1 as a fraction.
struct TExactReturn {
  __int128 Numerator = 0;
  __int128 Denominator = 1;
  double Value() const;
  // 100 x the return, rounded half up: "99.5439".
  std::string PercentText(int decimals = 4) const;
};

struct TChartLine {
  std::vector<TPatternId> Leaves;  // of one family, ascending
  std::string Text;
  // A deal this line decides (the most frequent kind), and the hold it gives there.
  THandCards Example{};
  std::uint8_t ExampleHold = 0;
  double Share = 0;  // of all deals, how many this line decides
  // Some deal fits two of the line's leaves, so the order they are taken in counts.
  bool OrderMatters = false;
};

struct TStrategyChart {
  TPayTable Table;   // Jacks or Better's multipliers, when the chart was built from them
  TUnitPays Pays{};  // what each outcome of the game pays for 1
  // The game, when one was named, and its lines' pays for 1.
  const TGame* Game = nullptr;
  std::vector<std::int64_t> GamePays;
  const THoldWords* Words = &JacksHoldWords();  // the game's, for its lines' leaves
  std::vector<TChartLine> Lines;
  TExactReturn ChartReturn;  // holding the first line that fits
  TExactReturn BestReturn;   // perfect play

  // 100 x (perfect play - chart), in points of return.
  double CostPoints() const;
};

// The most lines a full chart has; one that would play better with more is cut down.
inline constexpr std::size_t kMostFullChartLines = 40;

struct TChartOptions {
  // At most this many lines, the closing "discard everything" among them, as published
  // charts count; 0: as many as improve the return, up to kMostFullChartLines.
  int MaxLines = 0;
  int Threads = 2;
  // The words of the game's family; Jacks or Better's when none is given.
  const THoldWords* Words = nullptr;
};

// Builds the chart for a pay table: about 0.2 s of processor time with the draw tables built
// and 80 MB while it runs (a short chart two to four times the time), on `Threads` threads
// for the counting and the searches. Safe to run on a worker thread: it only reads the
// tables, and any number may run at once.
TStrategyChart BuildStrategyChart(const TDrawTables& tables, const TPayTable& table,
                                  const TChartOptions& options = {});
// The same for any game: `tables` are the game's, `pays` what each of its outcomes pays for
// 1, options.Words the words of its family.
TStrategyChart BuildStrategyChart(const TDrawTables& tables, const TUnitPays& pays,
                                  const TChartOptions& options);

// The holds of the hand (bit per hold mask, bit i of a mask: cards[i] held) that fit the
// first leaf of the line that fits the hand at all.
std::uint32_t LineHolds(const THoldWords& words, const TChartLine& line, const THandCards& cards);
// The same in Jacks or Better's words.
std::uint32_t LineHolds(const TChartLine& line, const THandCards& cards);
// The first line with a hold that fits the hand; Lines.size() when none does (then the
// chart holds nothing). Needs no values.
int MatchingLine(const TStrategyChart& chart, const THandCards& cards);

struct TChartPlay {
  int Line = 0;
  std::uint8_t Hold = 0;
};
// The chart's play of a hand: the first line that fits and, of the holds that fit its first
// fitting leaf, the one worth most (the lowest mask among equals). `holds` are the hand's 32 holds
// as RankHolds gives them, under the chart's pay table.
TChartPlay PlayChart(const TStrategyChart& chart, const THandCards& cards,
                     const std::array<THoldOdds, 32>& holds);
