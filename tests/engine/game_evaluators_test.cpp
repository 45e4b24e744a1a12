// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Each family's evaluator against a slow classifier that knows nothing of its bit tricks: it
// tries every card each wild card could stand for and keeps the best line. Then every hand of
// the deck, line by line, against the known counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string_view>
#include <vector>

#include "game.h"

namespace {

struct TPlainCard {
  int Rank = 0;  // 1 ace .. 13 king
  int Suit = 0;
};

std::string_view QuadName(std::string_view id, int quad, int kicker) {
  const bool low = quad >= 2 && quad <= 4;
  if (id == "double-double-bonus" || id == "triple-double-bonus") {
    if (quad == 1 && kicker >= 2 && kicker <= 4) return "Four Aces with a 2, 3 or 4 kicker";
    if (low && kicker >= 1 && kicker <= 4) return "Four 2s-4s with an A, 2, 3 or 4 kicker";
  }
  if (id == "bonus" || id == "double-bonus" || id == "double-double-bonus" ||
      id == "triple-double-bonus")
    return quad == 1 ? "Four Aces" : low ? "Four 2s-4s" : "Four 5s-Ks";
  if (id == "aces-and-faces")
    return quad == 1 ? "Four Aces" : quad >= 11 ? "Four Jacks-Kings" : "Four 2s-10s";
  return "Four of a Kind";
}

// The line five cards make as they lie (the same card may occur twice, as a wild card's
// stand-in), by the rules as players learn them.
std::string_view Classify(const TGame& game, const std::array<TPlainCard, 5>& cards,
                          bool withWild) {
  std::array<int, 14> count{};
  for (const TPlainCard& c : cards) ++count[static_cast<std::size_t>(c.Rank)];
  const bool flush = std::all_of(cards.begin(), cards.end(),
                                 [&](const TPlainCard& c) { return c.Suit == cards[0].Suit; });
  const int most = *std::max_element(count.begin(), count.end());
  const int pairs = static_cast<int>(std::count(count.begin(), count.end(), 2));
  int low = 14, high = 0;
  for (const TPlainCard& c : cards) low = std::min(low, c.Rank), high = std::max(high, c.Rank);
  const bool broadway = count[1] && count[10] && count[11] && count[12] && count[13];
  const bool run = most == 1 && (high - low == 4 || broadway);
  if (most == 5) return "Five of a Kind";
  if (run && flush && broadway)
    return game.Wild == wcNone ? "Royal Flush"
           : withWild          ? "Wild Royal Flush"
                               : "Natural Royal Flush";
  if (run && flush) return "Straight Flush";
  if (most == 4) {
    int quad = 0, kicker = 0;
    for (int r = 1; r <= 13; ++r) {
      if (count[static_cast<std::size_t>(r)] == 4) quad = r;
      if (count[static_cast<std::size_t>(r)] == 1) kicker = r;
    }
    return QuadName(game.Id, quad, kicker);
  }
  if (most == 3 && pairs == 1) return "Full House";
  if (flush) return "Flush";
  if (run) return "Straight";
  if (most == 3) return "Three of a Kind";
  if (game.Wild == wcDeuces) return "No Win";
  if (pairs == 2) return "Two Pair";
  if (pairs == 1) {
    const int pair = static_cast<int>(std::find(count.begin(), count.end(), 2) - count.begin());
    if (game.Wild == wcJoker) return pair == 1 || pair == 13 ? "Kings or Better" : "Low Pair";
    return pair == 1 || pair >= 11 ? "Jacks or Better" : "Low Pair";
  }
  return "No Pair";
}

int OutcomeNamed(const TGame& game, std::string_view name) {
  for (int o = 0; o < game.OutcomeCount(); ++o)
    if (game.Outcomes[static_cast<std::size_t>(o)].Name == name) return o;
  ADD_FAILURE() << game.Id << " has no outcome " << name;
  return -1;
}

bool IsWild(const TGame& game, cdCardDeck code) {
  return (game.Wild == wcJoker && code == cdJoker) ||
         (game.Wild == wcDeuces && CardRank(code) == 2);
}

// The best outcome over every choice of cards the wild cards stand for. Outcomes are listed
// from the lowest hand to the highest, so the best is the largest index.
int SlowOutcome(const TGame& game, const THandCards& hand) {
  std::array<TPlainCard, 5> cards{};
  std::vector<std::size_t> wilds;
  for (std::size_t i = 0; i < 5; ++i) {
    if (IsWild(game, hand[i]))
      wilds.push_back(i);
    else
      cards[i] = {CardRank(hand[i]), CardSuit(hand[i])};
  }
  int best = -1;
  if (game.Wild == wcDeuces && wilds.size() == 4) best = OutcomeNamed(game, "Four Deuces");
  // Wild cards are alike, so choices in ascending order cover every choice.
  auto choose = [&](auto& self, std::size_t k, int from) -> void {
    if (k == wilds.size()) {
      best = std::max(best, OutcomeNamed(game, Classify(game, cards, !wilds.empty())));
      return;
    }
    for (int card = from; card < 52; ++card) {
      cards[wilds[k]] = {card % 13 + 1, card / 13 + 1};
      self(self, k + 1, card);
    }
  };
  choose(choose, 0, 0);
  return best;
}

THandCards RandomHand(std::mt19937& random, int deckSize, int wildsWanted, const TGame& game) {
  std::vector<cdCardDeck> deck;
  for (int code = 1; code <= deckSize; ++code) deck.push_back(static_cast<cdCardDeck>(code));
  for (;;) {
    std::shuffle(deck.begin(), deck.end(), random);
    THandCards hand{};
    std::copy_n(deck.begin(), 5, hand.begin());
    const auto wilds =
        std::count_if(hand.begin(), hand.end(), [&](cdCardDeck c) { return IsWild(game, c); });
    if (wildsWanted < 0 || wilds == wildsWanted) return hand;
  }
}

// Calls f with every five-card hand of the first n codes.
template <class F>
void ForEveryHand(int n, F&& f) {
  THandCards h{};
  for (int a = 1; a <= n; ++a)
    for (int b = a + 1; b <= n; ++b)
      for (int c = b + 1; c <= n; ++c)
        for (int d = c + 1; d <= n; ++d)
          for (int e = d + 1; e <= n; ++e) {
            h = {static_cast<cdCardDeck>(a), static_cast<cdCardDeck>(b), static_cast<cdCardDeck>(c),
                 static_cast<cdCardDeck>(d), static_cast<cdCardDeck>(e)};
            f(h);
          }
}

}  // namespace

TEST(GameEvaluators, AgreeWithTryingEveryWildCard) {
  std::mt19937 random(27);
  for (const TGame* game : kGames) {
    // How many hands of each wild card count: three deuces take 24,804 tries a hand.
    const std::vector<std::pair<int, int>> samples =
        game->Wild == wcNone ? std::vector<std::pair<int, int>>{{-1, 30000}}
        : game->Wild == wcDeuces
            ? std::vector<std::pair<int, int>>{{0, 10000}, {1, 10000}, {2, 1500}, {3, 60}, {4, 50}}
            : std::vector<std::pair<int, int>>{{0, 20000}};
    for (const auto& [wilds, hands] : samples)
      for (int i = 0; i < hands; ++i) {
        const THandCards hand = RandomHand(random, game->DeckSize, wilds, *game);
        ASSERT_EQ(EvaluateOutcome(*game, hand), SlowOutcome(*game, hand))
            << game->Id << " " << int{hand[0]} << " " << int{hand[1]} << " " << int{hand[2]} << " "
            << int{hand[3]} << " " << int{hand[4]};
      }
  }
}

TEST(GameEvaluators, EveryJokerHandAgreesWithTryingEveryCard) {
  const TGame& game = kJokerPoker;
  THandCards hand{};
  hand[4] = cdJoker;
  int checked = 0;
  for (int a = 1; a <= 52; ++a)
    for (int b = a + 1; b <= 52; ++b)
      for (int c = b + 1; c <= 52; ++c)
        for (int d = c + 1; d <= 52; ++d) {
          hand[0] = static_cast<cdCardDeck>(a);
          hand[1] = static_cast<cdCardDeck>(b);
          hand[2] = static_cast<cdCardDeck>(c);
          hand[3] = static_cast<cdCardDeck>(d);
          ASSERT_EQ(EvaluateOutcome(game, hand), SlowOutcome(game, hand))
              << a << " " << b << " " << c << " " << d;
          ++checked;
        }
  EXPECT_EQ(checked, 270725);
}

TEST(GameEvaluators, CountsOverTheWholeDeck) {
  // Jacks or Better's are the machine's own categories' counts, the pair split by what pays
  // (337,920 pairs of jacks or better); the others split them, or
  // count what the wild cards make (Deuces Wild: 4 natural royals, 48 four deuces, 480 wild
  // royals, 624 five of a kind; Joker Poker: 13 five of a kind over 2,869,685 hands).
  const std::vector<std::int64_t> jacks = {1302540, 760320, 337920, 123552, 54912, 10200,
                                           5108,    3744,   624,    36,     4};
  const std::vector<std::int64_t> bonus = {1302540, 760320, 337920, 123552, 54912, 10200, 5108,
                                           3744,    432,    144,    48,     36,    4};
  const std::vector<std::int64_t> doubleDouble = {
      1302540, 760320, 337920, 123552, 54912, 10200, 5108, 3744, 432, 108, 36, 36, 12, 36, 4};
  const std::vector<std::pair<const TGame*, std::vector<std::int64_t>>> expected = {
      {&kJacksOrBetter, jacks},
      {&kBonusPoker, bonus},
      {&kBonusPokerDeluxe, jacks},
      {&kDoubleBonusPoker, bonus},
      {&kDoubleDoubleBonusPoker, doubleDouble},
      {&kTripleDoubleBonusPoker, doubleDouble},
      {&kAcesAndFaces, bonus},
      {&kDeucesWild, {2119728, 355080, 62232, 14472, 12672, 31552, 2068, 624, 480, 48, 4}},
      {&kJokerPoker,
       {1302540, 1005132, 262956, 123552, 137280, 20532, 7804, 6552, 3120, 180, 20, 13, 4}},
  };
  for (const auto& entry : expected) {
    // Named apart: a lambda may not capture a structured binding in clang 14.
    const TGame* game = entry.first;
    const std::vector<std::int64_t>& counts = entry.second;
    std::vector<std::int64_t> seen(static_cast<std::size_t>(game->OutcomeCount()), 0);
    WithEvaluator(*game, [&](const auto& evaluate) {
      ForEveryHand(game->DeckSize, [&](const THandCards& h) { ++seen[evaluate(h)]; });
    });
    EXPECT_EQ(seen, counts) << game->Id;
  }
}
