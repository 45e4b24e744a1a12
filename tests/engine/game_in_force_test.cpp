// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The play cycle with another game than Jacks or Better in force: its deck, evaluator, table,
// captions, sounds and statistics, and the new session a change of game starts.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game.h"
#include "game_engine.h"

namespace {

constexpr std::array<std::int32_t, kPayLines> kNothingStored = {-1, -1, -1, -1, -1, -1, -1, -1, -1};

struct TGameFixture : ::testing::Test {
  TGameEngine engine{[] { return TTimeOfDay{0, 0, 0, 0}; }};
  std::vector<int> sounds;

  void SetUp() override {
    engine.OnWinSound = [this](int slot) { sounds.push_back(slot); };
    engine.StartUp(5000, 25, kNothingStored);
  }
  // A hand with every card kept: the dealt five are the final five.
  void PlayKept() {
    engine.Deal();
    for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
    engine.DrawAndSettle();
  }
};

int OutcomeNamed(const TGame& game, std::string_view name) {
  for (int o = 0; o < game.OutcomeCount(); ++o)
    if (game.Outcomes[static_cast<std::size_t>(o)].Name == name) return o;
  return -1;
}

}  // namespace

TEST(GameTable, JacksKeepsItsNineLinesAndOtherTablesNeedOneNumberPerLine) {
  TPayTable table;
  table.SetLine(1, 5);
  EXPECT_EQ(PayTableOf(JacksTable(table)), table);
  EXPECT_EQ(PayTableOf(DefaultTable(kJacksOrBetter)), TPayTable{});
  const std::vector<std::int32_t> deuces = {0, 1, 1, 2, 4, 8, 14, 24, 199, 799};
  ASSERT_TRUE(TableFromMultipliers(kDeucesWild, deuces));
  EXPECT_EQ(*TableFromMultipliers(kDeucesWild, deuces), DefaultTable(kDeucesWild));
  EXPECT_FALSE(TableFromMultipliers(kDeucesWild, std::vector<std::int32_t>(9, 1)));
  EXPECT_FALSE(TableFromMultipliers(kJokerPoker, std::vector<std::int32_t>(10, 1)));
  std::vector<std::int32_t> negative = deuces;
  negative[3] = -1;
  EXPECT_FALSE(TableFromMultipliers(kDeucesWild, negative));
}

TEST(GameTable, EveryLineOfEveryGameSoundsOneOfTheNineSlots) {
  for (const TGame* game : kGames) {
    for (int o = 0; o < game->OutcomeCount(); ++o) {
      const int slot = game->SoundSlotNumber(o);
      if (!game->IsWin(o)) {
        EXPECT_EQ(slot, 0) << game->Id << " " << o;
        continue;
      }
      EXPECT_GE(slot, 1) << game->Id << " " << o;
      EXPECT_LE(slot, 9) << game->Id << " " << o;
      const std::string_view name = game->Outcomes[static_cast<std::size_t>(o)].Name;
      // Every four of a kind line sounds the Four of a Kind slot.
      if (name.starts_with("Four ") && name != "Four Deuces") {
        EXPECT_EQ(slot, 7) << name;
      }
    }
  }
  EXPECT_EQ(kJokerPoker.SoundSlotNumber(OutcomeNamed(kJokerPoker, "Kings or Better")), 1);
}

TEST(GameTable, CaptionsAreTodaysWordsWhereTheGameHasTheHand) {
  for (int o = 0; o < kOutcomeCount; ++o)
    EXPECT_EQ(OutcomeSaying(kJacksOrBetter, o),
              TSentence{OutcomeSentence(static_cast<TOutcome>(o))});
  const auto said = [](const TGame& game, std::string_view name) {
    return EnglishText(OutcomeSaying(game, OutcomeNamed(game, name)));
  };
  EXPECT_EQ(said(kDeucesWild, "Flush"), "Player has a Flush");
  EXPECT_EQ(said(kDeucesWild, "No Win"), "Player has No Win");
  EXPECT_EQ(said(kDeucesWild, "Four Deuces"), "Wow! Four Deuces");
  EXPECT_EQ(said(kDeucesWild, "Natural Royal Flush"), "Wow! Natural Royal Flush");
  EXPECT_EQ(said(kJokerPoker, "Kings or Better"), "Player has Kings or Better");
  EXPECT_EQ(said(kJokerPoker, "Low Pair"), "Player has One Pair");
  EXPECT_EQ(said(kDoubleDoubleBonusPoker, "Four Aces"), "Wow! Four Aces");
}

TEST(GameStats, ColumnsAndLinesOfTheOtherGames) {
  // Today's grid keeps its headings.
  for (int c = 0; c < kHandCategoryCount; ++c)
    EXPECT_EQ(ColumnHeading(kJacksOrBetter, c), kGridHeadings[static_cast<std::size_t>(c)]);
  EXPECT_EQ(ColumnHeading(kJacksOrBetter, 10), "");
  EXPECT_EQ(ColumnHeading(kJacksOrBetter, 7), "4 of a Kind");
  EXPECT_EQ(ColumnHeading(kDeucesWild, 0), "No Win");
  EXPECT_EQ(ColumnHeading(kDeucesWild, 1), "3 of a Kind");
  EXPECT_EQ(ColumnHeading(kDeucesWild, 9), "Four Deuces");
  EXPECT_EQ(ColumnHeading(kJokerPoker, 1), "Pairs");

  TPlayStats stats;
  EXPECT_EQ(EnglishText(stats.HighHandsWording(kDeucesWild)), " ");
  EXPECT_EQ(EnglishText(stats.SummaryWording(kDeucesWild)), "Player has Won 0 hands and Lost 0");
  stats.Record(0, false);
  stats.Record(1, true);
  stats.Record(1, true);
  stats.Record(7, true);
  EXPECT_EQ(EnglishText(stats.SummaryWording(kDeucesWild)), "Player has Won 3 hands and Lost 1");
  EXPECT_EQ(EnglishText(stats.HighHandsWording(kDeucesWild)),
            "High Hands 3 of a Kind=2 5 of a Kind=1");
  // Where pairs have a column, the first line counts them as Jacks or Better's does, and
  // the pairs (some of which pay) are no high hand.
  EXPECT_EQ(EnglishText(stats.SummaryWording(kJokerPoker)),
            "Player has Won 3 hands and Lost 1 Total Pairs =2");
  EXPECT_EQ(EnglishText(stats.HighHandsWording(kJokerPoker)), "High Hands 4 of a Kind=1");
}

TEST_F(TGameFixture, DeucesWildIsPlayedWithItsEvaluatorTableSoundsAndColumns) {
  const TGameTable table = DefaultTable(kDeucesWild);
  ASSERT_TRUE(engine.SetGame(table));
  engine.SetTotal(1000000);  // the bet stays 25 all along
  std::array<std::int32_t, kMaxColumns> columns{};
  int won = 0;
  for (int hand = 0; hand < 300; ++hand) {
    const std::int32_t before = engine.Total();
    sounds.clear();
    PlayKept();
    const int outcome = EvaluateOutcome(kDeucesWild, engine.Hand().Cards);
    const auto multiplier = table.MultiplierOf(outcome);
    EXPECT_EQ(engine.Total(), multiplier ? before + *multiplier * 25 : before - 25);
    EXPECT_EQ(engine.View().HandText, EnglishText(OutcomeSaying(kDeucesWild, outcome)));
    EXPECT_EQ(sounds, multiplier ? std::vector<int>{kDeucesWild.SoundSlotNumber(outcome)}
                                 : std::vector<int>{});
    ++columns[kDeucesWild.Outcomes[static_cast<std::size_t>(outcome)].Column];
    won += multiplier.has_value();
  }
  EXPECT_EQ(engine.Stats().CategoryCount, columns);
  EXPECT_EQ(engine.Stats().HandsWon, won);
  EXPECT_GT(won, 50);  // three of a kind or better comes up in about a quarter of dealt hands
  EXPECT_EQ(engine.View().GridColumns, 11);
  EXPECT_EQ(engine.View().GridHeadings[10], "Natural Royal Flush");
}

TEST_F(TGameFixture, JokerPokerDealsFromFiftyThreeCards) {
  ASSERT_TRUE(engine.SetGame(DefaultTable(kJokerPoker)));
  bool jokerSeen = false;
  for (int hand = 0; hand < 200; ++hand) {
    engine.Deal();
    engine.DrawAndSettle();  // all five drawn: ten different cards of the 53
    std::set<int> cards(engine.JokerDeck().Entries.begin(), engine.JokerDeck().Entries.end());
    EXPECT_EQ(cards.size(), 53u);
    EXPECT_EQ(engine.JokerDeck().Position, 10);
    for (const cdCardDeck card : engine.Hand().Cards) {
      EXPECT_TRUE(card >= 1 && card <= cdJoker);
      jokerSeen = jokerSeen || card == cdJoker;
    }
  }
  EXPECT_TRUE(jokerSeen);
}

TEST_F(TGameFixture, AnotherGameStartsANewSessionAndKeepsJacksTable) {
  TPayTable jacks;
  jacks.SetLine(1, 3);
  engine.SetPayTable(jacks);
  PlayKept();
  int tables = 0;
  engine.Listen({nullptr, nullptr, nullptr, [&] { ++tables; }});

  engine.Deal();
  EXPECT_FALSE(engine.SetGame(DefaultTable(kDeucesWild)));  // not while a hand is open
  EXPECT_EQ(&engine.Game(), &kJacksOrBetter);
  engine.DrawAndSettle();

  const std::int32_t total = engine.Total();
  ASSERT_TRUE(engine.SetGame(DefaultTable(kDeucesWild)));
  EXPECT_EQ(tables, 1);
  EXPECT_EQ(engine.Stats().HandsWon + engine.Stats().HandsLost, 0);
  EXPECT_FALSE(engine.View().GridFilled);
  // The new game's columns are named before its first hand; no count of the last game stays.
  EXPECT_EQ(engine.View().GridColumns, kDeucesWild.ColumnCount());
  EXPECT_EQ(engine.View().GridHeadings[0], "No Win");
  EXPECT_EQ(engine.View().GridHeadings[10], "Natural Royal Flush");
  EXPECT_EQ(engine.View().Cards[0], cdTitleFace);
  EXPECT_EQ(engine.Total(), total);  // the money stays the player's
  EXPECT_EQ(engine.PayTable(), jacks);

  TGameTable other = DefaultTable(kDeucesWild);
  other.Multipliers[0] = 1;
  engine.Deal();
  engine.DrawAndSettle();
  ASSERT_TRUE(engine.SetGame(other));  // the same game: the session goes on
  EXPECT_EQ(tables, 2);
  EXPECT_EQ(engine.Stats().HandsWon + engine.Stats().HandsLost, 1);
  EXPECT_EQ(engine.TableInForce(), other);
  ASSERT_TRUE(engine.SetGame(other));
  EXPECT_EQ(tables, 2);

  ASSERT_TRUE(engine.SetGame(JacksTable(engine.PayTable())));
  EXPECT_EQ(engine.TableInForce(), JacksTable(jacks));
  // Today's game: blank again until its first hand, as at start-up.
  EXPECT_EQ(engine.View().GridColumns, kHandCategoryCount);
  for (const std::string_view heading : engine.View().GridHeadings) EXPECT_TRUE(heading.empty());
  EXPECT_EQ(engine.Stats().HandsWon + engine.Stats().HandsLost, 0);
  EXPECT_EQ(tables, 3);
}

// A hand of the history replayed while Jacks or Better is in force: dealt from its own game's
// deck, judged by its own table, and the game in force left as it was.
TEST_F(TGameFixture, AReplayIsPlayedInItsOwnGameAndTable) {
  const std::int32_t total = engine.Total();
  const TPayTable jacks = engine.PayTable();
  TGameTable joker = DefaultTable(kJokerPoker);
  const int five = OutcomeNamed(kJokerPoker, "Five of a Kind");
  joker.Multipliers[static_cast<std::size_t>(kJokerPoker.LineOfOutcome(five))] = 300;
  const THandCards cards = {cdJoker, 1, 14, 27, 40};  // the joker and four aces
  ASSERT_TRUE(engine.DealReplay(cards, joker, 20));
  EXPECT_EQ(engine.View().Cards, cards);
  EXPECT_TRUE(engine.PracticeHand());
  EXPECT_EQ(engine.HandTable(), joker);
  EXPECT_EQ(&engine.Game(), &kJacksOrBetter);
  // The draw comes from the other 48 cards of the joker's deck.
  const std::set<int> rest(engine.JokerDeck().Entries.begin() + kHandSize,
                           engine.JokerDeck().Entries.end());
  EXPECT_EQ(rest.size(), 48u);
  for (const cdCardDeck card : cards) EXPECT_EQ(rest.count(card), 0u);
  for (int p = 1; p <= kHandSize; ++p) engine.ToggleHold(p);
  engine.DrawAndSettle();
  EXPECT_EQ(engine.View().LitPayLine, kJokerPoker.LineOfOutcome(five));
  EXPECT_EQ(engine.Total(), total);
  EXPECT_EQ(engine.PayTable(), jacks);
  EXPECT_TRUE(sounds.empty());

  // A deuces hand is no joker hand; the joker is no card of a 52-card game.
  EXPECT_FALSE(engine.DealReplay(cards, DefaultTable(kDeucesWild), 20));
  EXPECT_FALSE(engine.DealReplay(cards, JacksTable(jacks), 20));
  TGameTable noGame = joker;
  noGame.Game = nullptr;
  EXPECT_FALSE(engine.DealReplay(cards, noGame, 20));
  EXPECT_EQ(engine.Phase(), gpSettled);
}
