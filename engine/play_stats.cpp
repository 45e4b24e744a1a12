// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "play_stats.h"

#include <limits>

namespace {

void CountOne(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

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
  return EnglishText(SummaryWording());
}

TWording TPlayStats::SummaryWording() const {
  return {{snSummary, {HandsLost, CategoryCount[hcPair]}, HandsWon}};
}

std::string TPlayStats::HighHandsText() const {
  return EnglishText(HighHandsWording());
}

TWording TPlayStats::HighHandsWording() const {
  // Two pair opens the line; without it the line starts with a blank. Each hand above it
  // that has come up adds its item, in category order.
  TWording line;
  if (CategoryCount[hcTwoPair] > 0)
    line.push_back({snHighTwoPair, {CategoryCount[hcTwoPair]}});
  else
    line.push_back({snBlank});
  for (int c = hcThreeOfAKind; c <= hcRoyalFlush; ++c)
    if (CategoryCount[c] > 0)
      line.push_back({static_cast<TSentenceId>(int{snHighThreeOfAKind} + (c - hcThreeOfAKind)),
                      {CategoryCount[c]}});
  return line;
}
