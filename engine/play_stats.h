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
#include "sentences.h"

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

struct TPlayStats {
  std::int32_t HandsWon = 0;
  std::int32_t HandsLost = 0;
  std::array<std::int32_t, kHandCategoryCount> CategoryCount{};

  void Reset() { *this = TPlayStats{}; }
  // Counts one settled hand. Counters stop at the 32-bit maximum instead of wrapping.
  void Record(THandCategory category, bool won);

  // Truncated 100 * won / (won + lost); no value before the first settled hand.
  std::optional<int> WinningPercentage() const;
  // "Player has Won 3 hands and Lost 5 Total Pairs =4"
  std::string SummaryText() const;
  TWording SummaryWording() const;
  // The hands above one pair that have come up, or " " when none has.
  std::string HighHandsText() const;
  TWording HighHandsWording() const;
};
