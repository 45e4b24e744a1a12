// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Play statistics of the running program and the texts that present them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "evaluator.h"
#include "game_description.h"
#include "sentences.h"

// The most statistics columns a game has: one per outcome at most.
inline constexpr int kMaxColumns = kMaxOutcomes;

// Headings of the statistics grid, one per hand category, in category order.
inline constexpr std::array<std::string_view, kHandCategoryCount> kGridHeadings = {
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "No Pair"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "Pairs"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "2 Pair"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "3 of a Kind"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "Straight"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "Flush"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "Full House"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "4 of a Kind"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "Straight Flush"),
    //: A column heading of the statistics grid, over the count of these hands.
    LUMARO_TEXT("TGameView", "Royal Flush"),
};

// The heading of a game's statistics column; empty past its columns.
std::string_view ColumnHeading(const TGame& game, int column);

struct TPlayStats {
  std::int32_t HandsWon = 0;
  std::int32_t HandsLost = 0;
  // By statistics column; Jacks or Better's are its hand categories.
  std::array<std::int32_t, kMaxColumns> CategoryCount{};

  void Reset() { *this = TPlayStats{}; }
  // Counts one settled hand. Counters stop at the 32-bit maximum instead of wrapping.
  void Record(THandCategory category, bool won) { Record(int{category}, won); }
  void Record(int column, bool won);

  // Truncated 100 * won / (won + lost); no value before the first settled hand.
  std::optional<int> WinningPercentage() const;
  // "Player has Won 3 hands and Lost 5 Total Pairs =4"
  std::string SummaryText() const;
  TWording SummaryWording() const;
  // The hands above one pair that have come up, or " " when none has.
  std::string HighHandsText() const;
  TWording HighHandsWording() const;

  // The same two lines for any game; Jacks or Better's are the ones above. The others: won
  // and lost, with the pairs counted as above where pairs have a column of their own; then
  // "High Hands" and each column of winning hands only that has come up, with its count,
  // or " " when none has.
  TWording SummaryWording(const TGame& game) const;
  TWording HighHandsWording(const TGame& game) const;
};
