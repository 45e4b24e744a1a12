// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "evaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

// Codes from rank (1 = ace .. 13 = king) and suit (0 spades, 1 hearts, 2 clubs, 3 diamonds).
constexpr cdCardDeck C(int rank, int suit) {
  return static_cast<cdCardDeck>(suit * 13 + rank);
}

THandResult Eval(THandCards cards) {
  return EvaluateHand(cards);
}

}  // namespace

TEST(Evaluator, RunsFlushesAndTheAce) {
  EXPECT_EQ(Eval({1, 15, 29, 43, 5}).Category, hcStraight);         // ace-low, mixed
  EXPECT_EQ(Eval({14, 15, 16, 17, 18}).Category, hcStraightFlush);  // ace-low hearts
  EXPECT_EQ(Eval({49, 50, 51, 52, 40}).Category, hcRoyalFlush);
  EXPECT_EQ(Eval({49, 11, 51, 26, 40}).Category, hcStraight);  // ace-high, mixed
  EXPECT_EQ(Eval({35, 36, 37, 38, 39}).Category, hcStraightFlush);
  EXPECT_EQ(Eval({11, 25, 39, 40, 2}).Category, hcNoPair);  // no wrap past the king
  EXPECT_EQ(Eval({15, 18, 20, 22, 24}).Category, hcFlush);
  EXPECT_EQ(Eval({C(2, 0), C(3, 1), C(4, 2), C(5, 3), C(6, 0)}).Category, hcStraight);
  EXPECT_EQ(Eval({C(9, 1), C(10, 1), C(11, 1), C(12, 1), C(13, 1)}).Category, hcStraightFlush);
}

TEST(Evaluator, PairsAndWhichOnesPay) {
  const THandResult aces = Eval({1, 40, C(3, 1), C(7, 2), C(9, 0)});
  EXPECT_EQ(aces, (THandResult{hcPair, true}));
  EXPECT_EQ(Eval({C(11, 0), C(11, 3), C(2, 1), C(5, 2), C(9, 0)}), (THandResult{hcPair, true}));
  EXPECT_EQ(Eval({C(12, 1), C(12, 2), C(2, 1), C(5, 2), C(9, 0)}), (THandResult{hcPair, true}));
  EXPECT_EQ(Eval({C(13, 1), C(13, 2), C(2, 1), C(5, 2), C(9, 0)}), (THandResult{hcPair, true}));
  EXPECT_EQ(Eval({C(10, 0), C(10, 1), C(2, 1), C(5, 2), C(9, 0)}), (THandResult{hcPair, false}));
  EXPECT_EQ(Eval({C(2, 0), C(2, 1), C(3, 1), C(5, 2), C(9, 0)}), (THandResult{hcPair, false}));
}

TEST(Evaluator, MatchingRanks) {
  EXPECT_EQ(Eval({C(4, 0), C(4, 1), C(9, 2), C(9, 3), C(13, 0)}).Category, hcTwoPair);
  EXPECT_EQ(Eval({C(4, 0), C(4, 1), C(4, 2), C(9, 3), C(13, 0)}).Category, hcThreeOfAKind);
  EXPECT_EQ(Eval({C(4, 0), C(4, 1), C(4, 2), C(9, 3), C(9, 0)}).Category, hcFullHouse);
  EXPECT_EQ(Eval({C(4, 0), C(4, 1), C(9, 2), C(9, 3), C(9, 0)}).Category, hcFullHouse);
  EXPECT_EQ(Eval({C(4, 0), C(4, 1), C(4, 2), C(4, 3), C(9, 0)}).Category, hcFourOfAKind);
  EXPECT_EQ(Eval({C(4, 0), C(9, 1), C(9, 2), C(9, 3), C(9, 0)}).Category, hcFourOfAKind);
  // PayingPair belongs to one pair only, even with a high pair inside.
  EXPECT_FALSE(Eval({C(13, 0), C(13, 1), C(9, 2), C(9, 3), C(2, 0)}).PayingPair);
  EXPECT_FALSE(Eval({C(1, 0), C(1, 1), C(1, 2), C(9, 3), C(2, 0)}).PayingPair);
}

TEST(Evaluator, OrderOfTheCardsDoesNotMatter) {
  const THandCards hands[] = {{1, 15, 29, 43, 5},
                              {49, 50, 51, 52, 40},
                              {C(4, 0), C(4, 1), C(9, 2), C(9, 3), C(9, 0)},
                              {C(12, 1), C(12, 2), C(2, 1), C(5, 2), C(9, 0)},
                              {11, 25, 39, 40, 2}};
  for (THandCards hand : hands) {
    const THandResult expected = Eval(hand);
    std::sort(hand.begin(), hand.end());
    do {
      ASSERT_EQ(Eval(hand), expected);
    } while (std::next_permutation(hand.begin(), hand.end()));
  }
}

TEST(Evaluator, CountsOverEveryHandOfOneDeck) {
  std::array<int, kHandCategoryCount> counts{};
  int payingPairs = 0;
  THandCards h{};
  for (int a = 1; a <= 48; ++a)
    for (int b = a + 1; b <= 49; ++b)
      for (int c = b + 1; c <= 50; ++c)
        for (int d = c + 1; d <= 51; ++d)
          for (int e = d + 1; e <= 52; ++e) {
            h = {static_cast<cdCardDeck>(a), static_cast<cdCardDeck>(b), static_cast<cdCardDeck>(c),
                 static_cast<cdCardDeck>(d), static_cast<cdCardDeck>(e)};
            const THandResult r = EvaluateHand(h);
            ++counts[r.Category];
            payingPairs += r.PayingPair;
          }
  EXPECT_EQ(counts, (std::array<int, kHandCategoryCount>{1302540, 1098240, 123552, 54912, 10200,
                                                         5108, 3744, 624, 36, 4}));
  EXPECT_EQ(payingPairs, 337920);
}

TEST(Evaluator, CodesThatAreNoCardsAreSafe) {
  // Not hands from one deck, but they must still give some category without reading
  // outside the tables (the sanitizer build checks the reads).
  for (const THandCards& odd :
       {THandCards{0, 0, 0, 0, 0}, THandCards{255, 53, 63, 0, 1}, THandCards{7, 7, 7, 7, 7}})
    EXPECT_LE(Eval(odd).Category, hcRoyalFlush);
}
