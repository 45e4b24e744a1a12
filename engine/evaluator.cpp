// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "evaluator.h"

#include <utility>

namespace {

struct TCodeTables {
  std::array<std::uint8_t, 256> Suit{};
  std::array<std::uint8_t, 256> Rank{};
  constexpr TCodeTables() {
    for (int code = 0; code < 256; ++code) {
      const int suit = (code >= 1 && code <= 52) ? (code - 1) / 13 + 1 : 0;
      Suit[code] = static_cast<std::uint8_t>(suit);
      Rank[code] = static_cast<std::uint8_t>(suit == 0 ? 0 : code - 13 * (suit - 1));
    }
  }
};
constexpr TCodeTables kTables;

inline void Order(std::uint8_t& a, std::uint8_t& b) {
  if (b < a) std::swap(a, b);
}

}  // namespace

THandResult EvaluateHand(const THandCards& cards) {
  THandResult result;

  const std::uint8_t suit = kTables.Suit[cards[0]];
  if (kTables.Suit[cards[1]] == suit && kTables.Suit[cards[2]] == suit &&
      kTables.Suit[cards[3]] == suit && kTables.Suit[cards[4]] == suit)
    result.Category = hcFlush;

  std::uint8_t r[5] = {kTables.Rank[cards[0]], kTables.Rank[cards[1]], kTables.Rank[cards[2]],
                       kTables.Rank[cards[3]], kTables.Rank[cards[4]]};
  // Optimal nine-comparator sorting network for five elements.
  Order(r[0], r[1]);
  Order(r[3], r[4]);
  Order(r[2], r[4]);
  Order(r[2], r[3]);
  Order(r[1], r[4]);
  Order(r[0], r[3]);
  Order(r[0], r[2]);
  Order(r[1], r[3]);
  Order(r[1], r[2]);

  const bool upperRun = r[1] + 1 == r[2] && r[2] + 1 == r[3] && r[3] + 1 == r[4];
  if (upperRun && r[0] + 1 == r[1]) {
    // The ace counts as 1 here, so ace-2-3-4-5 is a run too.
    result.Category = result.Category == hcFlush ? hcStraightFlush : hcStraight;
  } else if (upperRun && r[0] == 1 && r[4] == 13) {
    // Ace, 10, jack, queen, king: the ace counts high.
    result.Category = result.Category == hcFlush ? hcRoyalFlush : hcStraight;
  }
  if (result.Category != hcNoPair) return result;

  std::uint8_t p[4];
  int k = 0;
  for (int i = 0; i < 4; ++i)
    if (r[i] == r[i + 1]) p[k++] = r[i];
  switch (k) {
    case 0:
      break;
    case 1:
      result.Category = hcPair;
      result.PayingPair = p[0] == 1 || p[0] > 10;
      break;
    case 2:
      result.Category = p[0] == p[1] ? hcThreeOfAKind : hcTwoPair;
      break;
    default:
      result.Category = p[0] == p[2] ? hcFourOfAKind : hcFullHouse;
      break;
  }
  return result;
}
