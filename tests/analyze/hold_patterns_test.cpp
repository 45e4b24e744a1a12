// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "hold_patterns.h"

#include <gtest/gtest.h>

#include <set>

#include "card_text.h"
#include "game.h"
#include "test_support.h"

namespace {

THandCards Hand(const char* text) {
  return ParseHand({text});
}

// The mask of the given cards of the hand, "KS QH" in hand positions.
std::uint8_t Held(const THandCards& hand, const char* cards) {
  std::uint8_t mask = 0;
  std::string word;
  for (const char c : std::string(cards) + " ") {
    if (c != ' ') {
      word += c;
      continue;
    }
    if (word.empty()) continue;
    for (std::size_t i = 0; i < hand.size(); ++i)
      if (hand[i] == *ParseCard(word)) mask |= static_cast<std::uint8_t>(1 << i);
    word.clear();
  }
  return mask;
}

std::vector<std::string> Names(const THoldPatterns& patterns) {
  std::vector<std::string> names;
  for (const TPatternId p : patterns) names.push_back(PatternName(p));
  return names;
}

TEST(HoldPatterns, AHoldFitsEveryPatternItIsAndIsNamedByTheBest) {
  const THandCards hand = Hand("KS QS JS TS 3H");
  const std::uint8_t royalDraw = Held(hand, "KS QS JS TS");
  EXPECT_EQ(
      Names(PatternsOfHold(hand, royalDraw)),
      (std::vector<std::string>{
          "four to a royal flush (K Q J T)", "four to a straight flush, open with 3 high cards",
          "four to a flush with 3 high cards", "four to an outside straight with 3 high cards",
          "four to a royal flush", "four to a straight flush", "four to a flush",
          "four to an outside straight"}));
  EXPECT_EQ(PatternName(DescribeHold(hand, royalDraw)), "four to a royal flush (K Q J T)");
  EXPECT_EQ(PatternName(DescribeHold(hand, 0)), "discard everything");
  EXPECT_EQ(PatternName(DescribeHold(hand, Held(hand, "3H"))), "one low card");
  EXPECT_EQ(PatternName(DescribeHold(hand, Held(hand, "QS TS"))),
            "Q T suited with a flush penalty");
  EXPECT_EQ(PatternName(DescribeHold(hand, Held(hand, "KS QS JS TS 3H"))), "five cards, no pair");

  // Made hands and matched ranks, with and without the other cards.
  const THandCards house = Hand("7S 7H 7D 2C 2S");
  EXPECT_EQ(PatternName(DescribeHold(house, 31)), "full house");
  EXPECT_EQ(PatternName(DescribeHold(house, Held(house, "7S 7H 7D"))), "three of a kind");
  EXPECT_EQ(PatternName(DescribeHold(house, Held(house, "7S 7H 2C 2S"))), "two pair");
  EXPECT_EQ(PatternName(DescribeHold(house, Held(house, "7S 7H 2C"))), "low pair and a kicker");
  EXPECT_EQ(PatternName(DescribeHold(house, Held(house, "2C 2S"))), "pair of twos");
  const THandCards aces = Hand("AS AH 9D 5C 2S");
  EXPECT_EQ(PatternName(DescribeHold(aces, 31)), "high pair and three kickers");
  EXPECT_EQ(PatternName(DescribeHold(Hand("5D 6D 7D 8D 9D"), 31)), "straight flush");
  EXPECT_EQ(PatternName(DescribeHold(Hand("AC 2D 3H 4S 5S"), 31)), "straight");

  // Straight flush draws by the stretches of five ranks they lie in and their high cards.
  const THandCards draws = Hand("AH 2H 3H 9S JS");
  EXPECT_EQ(PatternName(DescribeHold(draws, Held(draws, "AH 2H 3H"))),
            "three to a straight flush, double inside with 1 high card");
  const THandCards low = Hand("5C 6C 7C 9S JD");
  EXPECT_EQ(PatternName(DescribeHold(low, Held(low, "5C 6C 7C"))),
            "three to a straight flush, open with no high card");
  EXPECT_EQ(PatternName(DescribeHold(low, Held(low, "5C 6C 7C 9S"))),
            "four to an inside straight with no high card");
  EXPECT_EQ(PatternName(DescribeHold(low, Held(low, "9S JD"))), "two other cards");
}

// A draw names only holds that draw to more than the dealt hand already is; breaking a made
// hand for what it already makes is holding other cards.
TEST(HoldPatterns, DrawsToWhatTheHandAlreadyMakesAreOtherCards) {
  const THandCards royal = Hand("AH KH QH JH TH");
  EXPECT_EQ(PatternName(DescribeHold(royal, Held(royal, "KH QH JH TH"))), "four other cards");
  EXPECT_EQ(PatternName(DescribeHold(royal, Held(royal, "AH KH QH"))), "three other cards");
  EXPECT_EQ(PatternName(DescribeHold(royal, Held(royal, "QH JH"))),
            "Q J suited with a flush penalty");
  // Four of a straight flush that are four to a royal still draw to more.
  const THandCards nineHigh = Hand("9S TS JS QS KS");
  EXPECT_EQ(PatternName(DescribeHold(nineHigh, Held(nineHigh, "TS JS QS KS"))),
            "four to a royal flush (K Q J T)");
  EXPECT_EQ(PatternName(DescribeHold(nineHigh, Held(nineHigh, "9S TS JS QS"))), "four other cards");
  // Four of a flush may draw to a straight flush, never to a flush or a straight.
  const THandCards flush = Hand("5D 6D 7D 8D KD");
  EXPECT_EQ(PatternName(DescribeHold(flush, Held(flush, "5D 6D 7D 8D"))),
            "four to a straight flush, open with no high card");
  EXPECT_EQ(PatternName(DescribeHold(flush, Held(flush, "5D 6D 7D KD"))), "four other cards");
  const THandCards straight = Hand("5C 6D 7D 8D 9D");
  EXPECT_EQ(PatternName(DescribeHold(straight, Held(straight, "6D 7D 8D 9D"))),
            "four to a straight flush, open with no high card");
  EXPECT_EQ(PatternName(DescribeHold(straight, Held(straight, "5C 6D 7D 8D"))), "four other cards");
  EXPECT_EQ(PatternName(DescribeHold(straight, Held(straight, "7D 8D 9D"))),
            "three to a straight flush, open with no high card");
}

TEST(HoldPatterns, NamesForGroupsOfLeaves) {
  auto group = [](std::initializer_list<const char*> names) {
    std::vector<TPatternId> leaves;
    for (const char* name : names) {
      TPatternId id = 0;
      EXPECT_TRUE(FindPattern(name, id)) << name;
      // A hold named alone: with and without its penalty cards.
      for (const TPatternId twin : JacksHoldWords().PenaltyTwins(id)) leaves.push_back(twin);
    }
    return GroupName(leaves);
  };
  EXPECT_EQ(group({"K J suited", "K Q suited"}), "K Q or K J suited");
  EXPECT_EQ(
      group({"Q J suited", "K Q suited", "K J suited", "A K suited", "A Q suited", "A J suited"}),
      "two suited high cards");
  EXPECT_EQ(group({"pair of kings", "pair of aces"}), "pair of aces or kings");
  EXPECT_EQ(group({"four to an outside straight with no high card",
                   "four to an outside straight with 1 high card",
                   "four to an outside straight with 2 high cards"}),
            "four to an outside straight with 0-2 high cards");
  // Open draws with every count they can have are just "open"; K Q J T suited, open with
  // three high cards, is named as a royal draw and goes without saying.
  EXPECT_EQ(group({"four to a straight flush, open with no high card",
                   "four to a straight flush, open with 1 high card",
                   "four to a straight flush, open with 2 high cards",
                   "four to a straight flush, inside with 1 high card"}),
            "four to a straight flush, open or inside with 1 high card");
  EXPECT_EQ(group({"royal flush", "straight flush", "four of a kind"}),
            "royal flush, straight flush or four of a kind");
  TPatternId id = 0;
  ASSERT_TRUE(FindPattern("four to a straight flush, open with 3 high cards", id));
  EXPECT_FALSE(DescribesAHold(id));
  EXPECT_TRUE(IsFamily(FamilyOf(id)));
  EXPECT_EQ(PatternName(FamilyOf(id)), "four to a straight flush");
}

// A penalty card is a thrown-away card of the held suit, or one that would fill a straight
// with the cards held; a line with both leaves of a hold reads as the hold.
TEST(HoldPatterns, PenaltyCardsAreThoseThrownAway) {
  const auto leaf = [](const char* cards, const char* held) {
    const THandCards hand = Hand(cards);
    return PatternName(DescribeHold(hand, Held(hand, held)));
  };
  EXPECT_EQ(leaf("QH JH 7H 3C 2D", "QH JH"), "Q J suited with a flush penalty");
  EXPECT_EQ(leaf("QH JH 7S 3C 2D", "QH JH"), "Q J suited, no flush penalty");
  EXPECT_EQ(leaf("QH JH QS JS 2D", "QS JS"), "Q J suited, no flush penalty");
  EXPECT_EQ(leaf("KH QS JD TC 3D", "KH QS JD"), "K Q J unsuited with a straight penalty");
  EXPECT_EQ(leaf("KH QS JD 8C 3D", "KH QS JD"), "K Q J unsuited, no straight penalty");
  EXPECT_EQ(leaf("AH KS 5D 5C 3D", "AH KS"), "A K unsuited, no straight penalty");
  EXPECT_EQ(leaf("AH KS 5D 4C TD", "AH KS"), "A K unsuited with a straight penalty");
  const TPatternId qj = DescribeHold(Hand("QH JH 7H 3C 2D"), 3);
  EXPECT_EQ(GroupName(JacksHoldWords().PenaltyTwins(qj)), "Q J suited");
  // The penalty cards are no other kind of hold to a mistake.
  const THandCards two = Hand("QH JH QS JS 7H");
  EXPECT_FALSE(ClassifyMistake(two, Held(two, "QH JH"), Held(two, "QS JS")).IsMistake());
  const THandCards high = Hand("AH KH QS JS 2H");
  EXPECT_EQ(MistakeText(ClassifyMistake(high, Held(high, "AH KH"), Held(high, "QS JS"))),
            "A K suited against Q J suited");
}

TEST(ClassifyMistake, NamesThePlayersHoldAgainstTheBestOne) {
  const TUnitPays nineSix = UnitPaysOf(ParsePayTable("0,1,2,3,5,8,24,49,799"));
  struct TCase {
    const char* Hand;
    const char* Held;
    const char* Best;
    const char* Text;
  };
  // Each best hold is the best under 9/6 (checked against the exact tables below).
  const std::vector<TCase> cases = {
      {"7S 7H 2S 9S JS", "7S 7H", "7S 2S 9S JS", "low pair against four to a flush"},
      {"KS QH TC 8D 9D", "KS", "KS QH", "one high card against two unsuited high cards"},
      {"KS KH TC JC QC", "TC JC QC", "KS KH", "three to a royal flush against high pair"},
      {"TH JH QH KH 3H", "TH JH QH KH 3H", "TH JH QH KH", "flush against four to a royal flush"},
      {"KS QH JD 8C 3D", "KS QH", "KS QH JD",
       "two unsuited high cards against three unsuited high cards"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Hand);
    const THandCards hand = Hand(c.Hand);
    const std::uint8_t best = Held(hand, c.Best);
    EXPECT_EQ(BestHold(SharedTables(), hand, nineSix), best);
    const TMistakeClass mistake = ClassifyMistake(hand, Held(hand, c.Held), best);
    EXPECT_TRUE(mistake.IsMistake());
    EXPECT_EQ(MistakeText(mistake), c.Text);
  }
  // Another kicker or suit is no other kind of hold.
  const THandCards pair = Hand("7S 7H 2S 9D JC");
  EXPECT_FALSE(ClassifyMistake(pair, Held(pair, "7S 7H 2S"), Held(pair, "7S 7H 9D")).IsMistake());
}

// The wild-card games name a hold by the wild cards it holds and what its natural cards
// make with them: a joker or deuce beside one card is no flush draw, and with deuces wild
// A 3 4 5 fills only the wheel, whose 2 only a deuce fills.
TEST(HoldPatterns, WildCardHoldsAreNamedByWhatTheyDrawTo) {
  struct TCase {
    std::string_view Game;
    const char* Hand;
    std::uint8_t Mask;  // bit i: card i held
    std::string_view Name;
  };
  constexpr std::array<TCase, 15> kCases = {{
      {"joker-poker", "JK KS 8D 9C 4H", 0b00011, "joker: pair of kings or aces"},
      {"joker-poker", "AS KS QS JS TS", 0b11111, "no joker: natural royal flush"},
      // Beside the joker a king or an ace may pair: draws count them.
      {"joker-poker", "JK 9H QH AH 3C", 0b01111, "joker: four to a flush with 1 high card"},
      {"joker-poker", "JK 9H QH 4H 3C", 0b01111, "joker: four to a flush with no high card"},
      {"joker-poker", "JK AH 2H 8C 9D", 0b00111,
       "joker: three to a straight flush, consecutive at an end with 1 high card"},
      {"joker-poker", "JK KS QS 8C 9D", 0b00111, "joker: three to a royal flush (K Q)"},
      // Three in a row beside the joker fill four straights, one gap three.
      {"joker-poker", "JK 7D 8C 9H KS", 0b01111, "joker: four to a straight, consecutive"},
      {"joker-poker", "JK 6D 8C 9H KS", 0b01111, "joker: four to a straight, open"},
      // Four deuces are four deuces, the fifth card held or not.
      {"deuces-wild", "2S 2H 2C 2D KS", 0b11111, "four deuces"},
      {"deuces-wild", "2S 2H 2C 2D KS", 0b01111, "four deuces"},
      // Four cards of a dealt royal flush draw to nothing more.
      {"deuces-wild", "AS KS QS JS TS", 0b01111, "no deuce: other cards"},
      {"deuces-wild", "2D TS 8H 7C 4D", 0b00011, "one deuce: other cards"},
      {"deuces-wild", "AS 3S 4H 5H KD", 0b01111, "no deuce: four to a straight, ace low"},
      {"deuces-wild", "AS QS 2D 7C 8H", 0b00111, "one deuce: three to a royal flush, with an ace"},
      {"deuces-wild", "JS QS 6H 7C 8H", 0b00011, "no deuce: two to a royal flush (Q J)"},
  }};
  for (const TCase& c : kCases) {
    SCOPED_TRACE(c.Hand);
    const TGame& game = *FindGame(c.Game);
    const THoldWords& words = HoldWordsOf(game);
    const THandCards hand = ParseHand({c.Hand}, {game.DeckSize == 53, game.Name});
    EXPECT_EQ(words.PatternName(words.DescribeHold(hand, c.Mask)), c.Name);
  }
}

// A line's name says only hands that can be, and a line of nearly a whole family says what
// it leaves out.
TEST(HoldPatterns, WildCardGroupsNameOnlyWhatCanBe) {
  const THoldWords& deuces = HoldWordsOf(*FindGame("deuces-wild"));
  TPatternId family = 0;
  ASSERT_TRUE(deuces.FindPattern("one deuce: four to a straight flush", family));
  std::vector<TPatternId> group;
  for (const TPatternId leaf : deuces.LeavesOf(family))
    if (deuces.VariantName(leaf) != "ace low") group.push_back(leaf);
  EXPECT_EQ(deuces.GroupName(group), "one deuce: four to a straight flush, not ace low");
  // The draws that beat some paying hands are taken among them, and their family says so.
  ASSERT_TRUE(deuces.FindPattern("no deuce: three to a royal flush", family));
  std::vector<std::string> order;
  for (const TPatternId leaf : deuces.LeavesOf(deuces.FamilyOf(family)))
    if (deuces.DescribesAHold(leaf)) order.push_back(deuces.VariantName(leaf));
  EXPECT_EQ(order, (std::vector<std::string>{
                       "natural royal flush", "four to a royal flush", "straight flush",
                       "four of a kind", "full house", "flush", "straight", "three of a kind",
                       "four to a straight flush", "three to a royal flush", "pair", "two pair"}));
  EXPECT_EQ(deuces.PatternName(deuces.FamilyOf(family)),
            "no deuce: a paying hand, four to a royal flush, four to a straight flush, three to a "
            "royal flush or a pair");
  // Three deuces and two cards make no full house, flush or straight; the deuces alone come
  // below the hands they are worth less than.
  ASSERT_TRUE(deuces.FindPattern("three deuces: wild royal flush", family));
  family = deuces.FamilyOf(family);
  std::vector<std::string> made;
  for (const TPatternId leaf : deuces.LeavesOf(family))
    if (deuces.DescribesAHold(leaf)) made.push_back(deuces.VariantName(leaf));
  EXPECT_EQ(made, (std::vector<std::string>{"wild royal flush", "five of a kind", "three deuces",
                                            "straight flush", "four of a kind"}));
  // Not "three deuces, not three deuces".
  std::vector<TPatternId> paying;
  for (const TPatternId leaf : deuces.LeavesOf(family))
    if (deuces.VariantName(leaf) != "three deuces") paying.push_back(leaf);
  EXPECT_EQ(deuces.GroupName(paying),
            "three deuces: wild royal flush, five of a kind, straight flush or four of a kind");
  // Without the joker no five cards are of one rank.
  const THoldWords& joker = HoldWordsOf(*FindGame("joker-poker"));
  TPatternId leaf = 0;
  ASSERT_TRUE(joker.FindPattern("no joker: five of a kind", leaf));
  EXPECT_FALSE(joker.DescribesAHold(leaf));
  // Joker Poker's draws to a straight flush stand among the paying hands, each where it is
  // worth more than what follows: one line holds the best of them all.
  auto describing = [&joker](std::string_view name) {
    TPatternId pattern = 0;
    std::vector<std::string> variants;
    if (!joker.FindPattern(name, pattern)) return variants;
    for (const TPatternId l : joker.LeavesOf(pattern))
      if (joker.DescribesAHold(l)) variants.push_back(joker.VariantName(l));
    return variants;
  };
  EXPECT_EQ(
      describing("no joker: a paying hand, four to a straight flush or a pair"),
      (std::vector<std::string>{
          "natural royal flush", "straight flush", "four of a kind", "four to a royal flush",
          "full house", "flush", "three of a kind", "four to a straight flush, consecutive",
          "four to a straight flush, consecutive at an end", "four to a straight flush, one gap",
          "straight", "two pair", "pair of kings or aces", "low pair"}));
  const std::vector<std::string> withJoker =
      describing("joker: a paying hand or four to a straight flush");
  ASSERT_GE(withJoker.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(withJoker.begin(), withJoker.begin() + 8),
            (std::vector<std::string>{"five of a kind", "wild royal flush", "straight flush",
                                      "four of a kind", "four to a royal flush", "full house",
                                      "four to a straight flush, consecutive with no high card",
                                      "flush"}));
  EXPECT_EQ(withJoker.back(), "straight");
}

}  // namespace

namespace {

// The bonus games name four of a kind and three of a kind by the ranks and kickers their
// quads pay for, a straight draw by how open it is, and a mistake with a high pair by the
// pair: what their charts and hand histories say.
TEST(HoldPatterns, BonusHoldsAreNamedByWhatTheirQuadsPay) {
  struct TCase {
    std::string_view Game;
    const char* Hand;
    const char* Held;
    std::string_view Name;
  };
  constexpr std::array<TCase, 12> kCases = {{
      {"double-double-bonus", "AS AH AC AD 5S", "AS AH AC AD", "four aces"},
      {"double-double-bonus", "AS AH AC AD 5S", "AS AH AC AD 5S",
       "four of a kind with another kicker"},
      {"double-double-bonus", "AS AH AC AD 3S", "AS AH AC AD 3S",
       "four aces with a 2, 3 or 4 kicker"},
      {"triple-double-bonus", "4S 4H 4C 4D AS", "4S 4H 4C 4D AS",
       "four 2s-4s with an A, 2, 3 or 4 kicker"},
      {"double-double-bonus", "KS KH KC KD 3S", "KS KH KC KD 3S", "four 5s-Ks"},
      {"double-bonus", "AS AH AC KS KH", "AS AH AC", "three aces"},
      {"double-bonus", "AS AH AC KS KH", "AS AH AC KS KH", "full house"},
      {"double-bonus", "QS JH TC 6D 7D", "QS JH TC", "three to a straight, open with 2 high cards"},
      {"double-bonus", "KS JH TC 6D 7D", "KS JH TC",
       "three to a straight, inside with 2 high cards"},
      // Two pair that a pair of aces may be worth more than.
      {"triple-double-bonus", "AS AH KS KH 7C", "AS AH KS KH", "two pair with aces"},
      {"triple-double-bonus", "QS QH KS KH 7C", "QS QH KS KH", "two pair without aces"},
      // Three high cards are named by themselves, not as a straight draw.
      {"double-bonus", "KS QH JC 6D 7D", "KS QH JC", "K Q J unsuited, no straight penalty"},
  }};
  for (const TCase& c : kCases) {
    SCOPED_TRACE(c.Hand);
    const THoldWords& words = HoldWordsOf(*FindGame(c.Game));
    const THandCards hand = Hand(c.Hand);
    EXPECT_EQ(words.PatternName(words.DescribeHold(hand, Held(hand, c.Held))), c.Name);
  }
  const THoldWords& words = HoldWordsOf(*FindGame("double-bonus"));
  const THandCards hand = Hand("AS AH KH QH JH");
  EXPECT_EQ(words.MistakeText(
                words.ClassifyMistake(hand, Held(hand, "AS AH"), Held(hand, "AH KH QH JH"))),
            "pair of aces against four to a royal flush");
  // Three aces beside a full house: a made hand against a made hand.
  const THandCards house = Hand("AS AH AC KS KH");
  EXPECT_EQ(words.MistakeText(words.ClassifyMistake(house, 31, Held(house, "AS AH AC"))),
            "full house against three aces");
  // A line of made hands with both kinds of two pair says two pair; one without the pair of
  // aces that ends the family names what it holds.
  TPatternId made = 0;
  ASSERT_TRUE(words.FindPattern("pair of aces or better", made));
  std::vector<TPatternId> noPair;
  std::vector<TPatternId> twoPairs;
  for (const TPatternId leaf : words.LeavesOf(made)) {
    const std::string name = words.VariantName(leaf);
    if (name != "pair of aces") noPair.push_back(leaf);
    if (name.rfind("two pair", 0) == 0) twoPairs.push_back(leaf);
  }
  EXPECT_EQ(words.GroupName(twoPairs), "two pair");
  EXPECT_EQ(words.GroupName(noPair),
            "royal flush, straight flush, four of a kind, three aces, full house, flush, "
            "straight, three 2s-4s, three 5s-Ks or two pair");
  // High cards of different suits are one family, taken K Q J first; the draws without a
  // high card another.
  TPatternId unsuited = 0;
  ASSERT_TRUE(words.FindPattern("unsuited high cards", unsuited));
  const std::vector<TPatternId> highs = words.LeavesOf(unsuited);
  // Each hold twice, without and with a penalty card.
  EXPECT_EQ(words.GroupName({highs.begin(), highs.begin() + 6}), "K Q J, Q J or K Q unsuited");
  const THandCards low = Hand("5S 6S 8S 9H KD");
  EXPECT_EQ(words.PatternName(words.DescribeHold(low, Held(low, "5S 6S 8S 9H"))),
            "four to an inside straight with no high card");
  TPatternId lowDraws = 0;
  ASSERT_TRUE(words.FindPattern("draws with no high card", lowDraws));
  const THandCards flush = Hand("3S 6S 9S TH KD");
  EXPECT_EQ(words.FamilyOf(words.DescribeHold(flush, Held(flush, "3S 6S 9S"))), lowDraws);
}

// Every pattern of the games without wild cards has a name, and a name of its own: the
// chart's lines, the history's mistakes and the translations find a pattern by its name.
TEST(HoldPatterns, NaturalGamesPatternsHaveNamesOfTheirOwn) {
  for (const TGame* game : kGames) {
    if (game->Wild != wcNone) continue;
    SCOPED_TRACE(std::string(game->Name));
    const THoldWords& words = HoldWordsOf(*game);
    std::set<std::string> names;
    for (int id = 0; id < words.PatternCount(); ++id) {
      const std::string name = words.PatternName(static_cast<TPatternId>(id));
      EXPECT_FALSE(name.empty()) << id;
      EXPECT_TRUE(names.insert(name).second) << name;
    }
  }
}

}  // namespace
