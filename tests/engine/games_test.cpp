// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The nine games: hands whose line takes some thought: wild cards that do better than the obvious
// choice, the joker as a card already in the hand, the bonus games' four-of-a-kind lines and
// kickers.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "game.h"
#include "settlement.h"

namespace {

// "Ah Td 2c JK": rank A 2..9 T J Q K, suit s h c d; JK the joker.
THandCards Hand(const std::string& text) {
  std::istringstream in(text);
  THandCards cards{};
  std::string card;
  for (auto& code : cards) {
    in >> card;
    if (card == "JK") {
      code = cdJoker;
      continue;
    }
    const int rank = static_cast<int>(std::string("A23456789TJQK").find(card[0])) + 1;
    const int suit = static_cast<int>(std::string("shcd").find(card[1]));
    code = static_cast<cdCardDeck>(suit * 13 + rank);
  }
  return cards;
}

std::string LineOf(const TGame& game, const std::string& hand) {
  return std::string(game.Outcomes[EvaluateOutcome(game, Hand(hand))].Name);
}

}  // namespace

TEST(Games, FoundByIdWithJacksDefaultTableTheMachinesOwn) {
  for (const TGame* game : kGames) EXPECT_EQ(FindGame(game->Id), game);
  EXPECT_EQ(FindGame("Jacks"), nullptr);
  const TLinePays& pays =
      kJacksOrBetter.Presets[static_cast<std::size_t>(kJacksOrBetter.DefaultPreset)].Pays;
  const TLinePays m = MultipliersOfPays(kJacksOrBetter, pays);
  EXPECT_TRUE(std::equal(kDefaultMultipliers.begin(), kDefaultMultipliers.end(), m.begin()));
  EXPECT_EQ(m[kPayLines], 0);
  EXPECT_EQ(PaysOfMultipliers(kJacksOrBetter, m), pays);
}

TEST(Games, DeucesWildEveryLine) {
  const TGame& g = kDeucesWild;
  EXPECT_EQ(LineOf(g, "3h 5c 8d Js Kh"), "No Win");
  EXPECT_EQ(LineOf(g, "2h 5c 8d Js Kh"), "No Win");  // a deuce alone is only a pair
  EXPECT_EQ(LineOf(g, "5h 5c 8d 8s Kh"), "No Win");  // two pair pays nothing here
  EXPECT_EQ(LineOf(g, "2h 5c 5d Js Kh"), "Three of a Kind");
  EXPECT_EQ(LineOf(g, "2h 2c 8d Js 4h"), "Three of a Kind");
  EXPECT_EQ(LineOf(g, "2h 4c 5d 6s 8h"), "Straight");
  EXPECT_EQ(LineOf(g, "2h 2c 3d 4s 7h"), "Straight");  // not three of a kind
  EXPECT_EQ(LineOf(g, "2c As 3h 4d 5s"), "Straight");  // the deuce as itself, ace low
  EXPECT_EQ(LineOf(g, "2h 4h 9h Jh Kh"), "Flush");
  EXPECT_EQ(LineOf(g, "2h 2c 4d 9d Kd"), "Flush");  // not three of a kind
  EXPECT_EQ(LineOf(g, "2h 5c 5d Js Jh"), "Full House");
  EXPECT_EQ(LineOf(g, "2h 5c 5d 5s Kh"), "Four of a Kind");
  EXPECT_EQ(LineOf(g, "2h 2c 2d 9s Kh"), "Four of a Kind");  // 9 to K, but of two suits
  EXPECT_EQ(LineOf(g, "2h 2c 5d 5s 9h"), "Four of a Kind");  // not a full house
  EXPECT_EQ(LineOf(g, "2h 2c 2d 5s 6s"), "Straight Flush");  // not four 6s
  EXPECT_EQ(LineOf(g, "2h 2c 5s 5d 6s"), "Four of a Kind");
  EXPECT_EQ(LineOf(g, "2c 3s 4s 5s As"), "Straight Flush");
  EXPECT_EQ(LineOf(g, "2h 6s 7s 8s 9s"), "Straight Flush");
  EXPECT_EQ(LineOf(g, "2h 2c 7d 7s 7h"), "Five of a Kind");
  EXPECT_EQ(LineOf(g, "2h 2c 2d 7s 7h"), "Five of a Kind");
  EXPECT_EQ(LineOf(g, "2h Ts Js Qs As"), "Wild Royal Flush");
  EXPECT_EQ(LineOf(g, "2h 2c 2d Ks As"), "Wild Royal Flush");  // not four or five aces
  EXPECT_EQ(LineOf(g, "2h 2c Kd Ks Kh"), "Five of a Kind");
  EXPECT_EQ(LineOf(g, "2h 2c 2d 2s 9h"), "Four Deuces");
  EXPECT_EQ(LineOf(g, "2h 2c 2d 2s As"), "Four Deuces");  // not a wild royal
  EXPECT_EQ(LineOf(g, "Th Jh Qh Kh Ah"), "Natural Royal Flush");
}

TEST(Games, JokerPokerEveryLine) {
  const TGame& g = kJokerPoker;
  EXPECT_EQ(LineOf(g, "3h 5c 8d Js Kh"), "No Pair");
  EXPECT_EQ(LineOf(g, "3h 3c 8d Js Qh"), "Low Pair");
  EXPECT_EQ(LineOf(g, "JK 3c 8d Js Qh"), "Low Pair");  // the joker pairs the queen at best
  EXPECT_EQ(LineOf(g, "Kh Kc 8d Js 3h"), "Kings or Better");
  EXPECT_EQ(LineOf(g, "JK Kc 8d 5s 3h"), "Kings or Better");  // the joker is a second king
  EXPECT_EQ(LineOf(g, "JK Ac 8d 5s 3h"), "Kings or Better");
  EXPECT_EQ(LineOf(g, "Kh Kc 8d 8s 3h"), "Two Pair");
  EXPECT_EQ(LineOf(g, "JK 5c 5d Js Kh"), "Three of a Kind");  // the joker as a third 5
  EXPECT_EQ(LineOf(g, "JK 4c 5d 6s 8h"), "Straight");
  EXPECT_EQ(LineOf(g, "JK Ac 2d 3s 5h"), "Straight");
  EXPECT_EQ(LineOf(g, "JK 4h 9h Jh Kh"), "Flush");       // not kings
  EXPECT_EQ(LineOf(g, "JK 5c 5d Js Jh"), "Full House");  // not three of a kind
  EXPECT_EQ(LineOf(g, "JK 5c 5d 5s Kh"), "Four of a Kind");
  EXPECT_EQ(LineOf(g, "JK 5h 6h 7h 9h"), "Straight Flush");    // the joker fills the 8
  EXPECT_EQ(LineOf(g, "JK 9s Ts Js Qs"), "Straight Flush");    // the 8 or the king: no royal
  EXPECT_EQ(LineOf(g, "JK Ts Js Qs Ks"), "Wild Royal Flush");  // the ace, not the 9
  EXPECT_EQ(LineOf(g, "JK Ts Js Qs As"), "Wild Royal Flush");
  EXPECT_EQ(LineOf(g, "JK 7c 7d 7s 7h"), "Five of a Kind");  // a second 7 of a suit held
  EXPECT_EQ(LineOf(g, "Th Jh Qh Kh Ah"), "Natural Royal Flush");
  EXPECT_EQ(LineOf(g, "9h Th Jh Qh Kh"), "Straight Flush");
}

TEST(Games, BonusQuadsByRankAndKicker) {
  struct TCase {
    std::string Hand, Bonus, DoubleDouble, AcesAndFaces;
  };
  const std::vector<TCase> cases = {
      {"4s 4h 4c 4d Ac", "Four 2s-4s", "Four 2s-4s with an A, 2, 3 or 4 kicker", "Four 2s-10s"},
      {"2s 2h 2c 2d 3c", "Four 2s-4s", "Four 2s-4s with an A, 2, 3 or 4 kicker", "Four 2s-10s"},
      {"3s 3h 3c 3d 4c", "Four 2s-4s", "Four 2s-4s with an A, 2, 3 or 4 kicker", "Four 2s-10s"},
      {"4s 4h 4c 4d 5c", "Four 2s-4s", "Four 2s-4s", "Four 2s-10s"},
      {"As Ah Ac Ad 2c", "Four Aces", "Four Aces with a 2, 3 or 4 kicker", "Four Aces"},
      {"As Ah Ac Ad 4c", "Four Aces", "Four Aces with a 2, 3 or 4 kicker", "Four Aces"},
      {"As Ah Ac Ad 5c", "Four Aces", "Four Aces", "Four Aces"},
      {"As Ah Ac Ad Kc", "Four Aces", "Four Aces", "Four Aces"},
      {"5s 5h 5c 5d Ac", "Four 5s-Ks", "Four 5s-Ks", "Four 2s-10s"},
      {"Ts Th Tc Td 2c", "Four 5s-Ks", "Four 5s-Ks", "Four 2s-10s"},
      {"Js Jh Jc Jd 2c", "Four 5s-Ks", "Four 5s-Ks", "Four Jacks-Kings"},
      {"Ks Kh Kc Kd As", "Four 5s-Ks", "Four 5s-Ks", "Four Jacks-Kings"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(LineOf(kBonusPoker, c.Hand), c.Bonus) << c.Hand;
    EXPECT_EQ(LineOf(kDoubleBonusPoker, c.Hand), c.Bonus) << c.Hand;
    EXPECT_EQ(LineOf(kDoubleDoubleBonusPoker, c.Hand), c.DoubleDouble) << c.Hand;
    EXPECT_EQ(LineOf(kTripleDoubleBonusPoker, c.Hand), c.DoubleDouble) << c.Hand;
    EXPECT_EQ(LineOf(kAcesAndFaces, c.Hand), c.AcesAndFaces) << c.Hand;
    EXPECT_EQ(LineOf(kJacksOrBetter, c.Hand), "Four of a Kind") << c.Hand;
  }
  EXPECT_EQ(LineOf(kDoubleDoubleBonusPoker, "4s 4h 4c As Ac"), "Full House");
}

TEST(Games, JokerDeckShufflesWithTheSameGenerator) {
  TJokerDeck deck;
  deck.Fill();
  for (int i = 0; i < 53; ++i) EXPECT_EQ(deck.Entries[static_cast<std::size_t>(i)], i + 1);
  TRandomSource random;
  TRandomSource steps;
  deck.Shuffle(random);
  std::vector<int> seen(54, 0);
  for (const std::int32_t code : deck.Entries) ++seen[static_cast<std::size_t>(code)];
  for (int code = 1; code <= 53; ++code) EXPECT_EQ(seen[static_cast<std::size_t>(code)], 1);
  for (int i = 0; i < 53; ++i) steps.NextInt(53);
  EXPECT_EQ(random.Seed, steps.Seed);  // one draw per card, as the deck of 52
  for (int i = 0; i < 10; ++i) deck.TakeNext();
  EXPECT_EQ(deck.Position, 10);
}
