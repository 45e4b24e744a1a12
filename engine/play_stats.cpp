// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "play_stats.h"

#include <limits>

namespace {

void CountOne(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

// Labels of categories 3..9 in the high-hands line.
constexpr std::array<std::string_view, 7> kHighHandLabels = {
    " 3 of a Kind=", " Straights=",      " Flushs=",     " Full House=",
    " 4 of a Kind=", " Straight Flush=", " Royal Flush="};

}  // namespace

void TPlayStats::Record(THandCategory category, bool won) {
  if (category >= kHandCategoryCount) return;
  CountOne(CategoryCount[category]);
  CountOne(won ? HandsWon : HandsLost);
}

std::optional<int> TPlayStats::WinningPercentage() const {
  if (HandsWon <= 0 && HandsLost <= 0) return std::nullopt;
  if (HandsLost <= 0) return 100;
  if (HandsWon <= 0) return 0;
  const std::int64_t won = HandsWon;
  return static_cast<int>(100 * won / (won + HandsLost));
}

std::string TPlayStats::SummaryText() const {
  return "Player has Won " + std::to_string(HandsWon) + " hands and Lost " +
         std::to_string(HandsLost) + " Total Pairs =" + std::to_string(CategoryCount[hcPair]);
}

std::string TPlayStats::HighHandsText() const {
  std::string line = " ";
  if (CategoryCount[hcTwoPair] > 0)
    line = "High Hands Two Pair=" + std::to_string(CategoryCount[hcTwoPair]);
  for (int c = hcThreeOfAKind; c <= hcRoyalFlush; ++c) {
    if (CategoryCount[c] > 0) {
      line += kHighHandLabels[c - hcThreeOfAKind];
      line += std::to_string(CategoryCount[c]);
    }
  }
  return line;
}
