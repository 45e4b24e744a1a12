// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "play_stats.h"

#include <limits>

#include "game.h"

namespace {

void CountOne(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

// The column that counts pairs, losing and paying, or -1 when the game has none.
int PairsColumn(const TGame& game) {
  for (const TGameOutcome& o : game.Outcomes)
    for (const TGameOutcome& other : game.Outcomes)
      if (&other != &o && other.Column == o.Column) return o.Column;
  return -1;
}

bool OnlyWins(const TGame& game, int column) {
  for (int o = 0; o < game.OutcomeCount(); ++o)
    if (game.Outcomes[static_cast<std::size_t>(o)].Column == column && !game.IsWin(o)) return false;
  return true;
}

}  // namespace

std::string_view ColumnHeading(const TGame& game, int column) {
  if (column < 0 || column >= game.ColumnCount()) return {};
  return game.ColumnHeadings[static_cast<std::size_t>(column)];
}

void TPlayStats::Record(int column, bool won) {
  if (column < 0 || column >= kMaxColumns) return;
  CountOne(CategoryCount[static_cast<std::size_t>(column)]);
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

TWording TPlayStats::SummaryWording(const TGame& game) const {
  if (&game == &kJacksOrBetter) return SummaryWording();
  const int pairs = PairsColumn(game);
  if (pairs >= 0)
    return {{snSummary, {HandsLost, CategoryCount[static_cast<std::size_t>(pairs)]}, HandsWon}};
  return {{snGameSummary, {HandsLost}, HandsWon}};
}

TWording TPlayStats::HighHandsWording(const TGame& game) const {
  if (&game == &kJacksOrBetter) return HighHandsWording();
  TWording line;
  for (int c = 0; c < game.ColumnCount(); ++c) {
    const std::int32_t count = CategoryCount[static_cast<std::size_t>(c)];
    if (count <= 0 || !OnlyWins(game, c)) continue;
    if (line.empty()) line.push_back({snGameHighHands});
    TSentence item{snGameHighItem, {count}};
    item.Term = ColumnHeading(game, c);
    line.push_back(item);
  }
  if (line.empty()) line.push_back({snBlank});
  return line;
}
