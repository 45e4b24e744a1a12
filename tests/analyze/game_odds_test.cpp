// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>

#include "card_text.h"
#include "test_support.h"

namespace {

const TGame& Game(std::string_view id) {
  const TGame* game = FindGame(id);
  if (!game) throw std::invalid_argument("no such game");
  return *game;
}

TGamePays Preset(const TGame& game, std::string_view name) {
  const TPreset* preset = FindPreset(game, name);
  if (!preset) throw std::invalid_argument("no such preset");
  return {&game, PresetPays(game, *preset), std::string(name)};
}

TReturnReport ReturnOf(const TGamePays& table) {
  return ComputeReturn(*GameTables(*table.Game), UnitPaysOf(table), 2);
}

struct TPublishedReturn {
  const char* Game;
  const char* Preset;
  const char* Percent;  // rounded to the places given
};

// One known answer per family and more: the returns of optimal play as published.
TEST(GameReturns, ReproduceThePublishedFigures) {
  const std::vector<TPublishedReturn> published = {
      {"jacks", "9/6", "99.5439"},
      {"jacks", "8/5", "97.2984"},
      {"bonus", "8/5", "99.1660"},
      {"bonus-deluxe", "9/6", "99.6417"},
      {"double-bonus", "10/7", "100.1725"},
      {"double-double-bonus", "9/6", "98.9808"},
      {"double-double-bonus", "10/6", "100.0670"},
      {"aces-and-faces", "8/5", "99.2555"},
      {"deuces-wild", "Full Pay", "100.7620"},
      {"deuces-wild", "Not So Ugly Ducks", "99.7283"},
      {"deuces-wild", "Illinois", "98.9131"},
      {"joker-poker", "Full Pay", "100.65"},
  };
  for (const auto& p : published) {
    const TGamePays table = Preset(Game(p.Game), p.Preset);
    const std::string percent(p.Percent);
    const int places = static_cast<int>(percent.size() - percent.find('.') - 1);
    EXPECT_EQ(ReturnOf(table).ReturnPercentText(places), percent) << p.Game << " " << p.Preset;
  }
  EXPECT_EQ(Fixed(ReturnOf(Preset(Game("jacks"), "9/6")).Variance(), 4), "19.5147");
  EXPECT_EQ(Fixed(ReturnOf(Preset(Game("deuces-wild"), "Full Pay")).StandardDeviation(), 2),
            "5.08");
}

// What every game's own data publishes agrees with the count too.
TEST(GameReturns, AgreeWithEveryFigureTheGamesPublish) {
  for (const TGame* game : kGames)
    for (const TPreset& preset : game->Presets) {
      const TReturnReport report = ReturnOf({game, PresetPays(*game, preset), ""});
      SCOPED_TRACE(std::string(game->Id) + " " + std::string(preset.Name));
      if (preset.ReturnPercent.Known()) {
        EXPECT_EQ(report.ReturnPercentText(preset.ReturnPercent.Decimals),
                  Fixed(preset.ReturnPercent.Value, preset.ReturnPercent.Decimals));
      }
      if (preset.Variance.Known()) {
        EXPECT_EQ(Fixed(report.Variance(), preset.Variance.Decimals),
                  Fixed(preset.Variance.Value, preset.Variance.Decimals));
      }
      if (preset.StandardDeviation.Known()) {
        EXPECT_EQ(Fixed(report.StandardDeviation(), preset.StandardDeviation.Decimals),
                  Fixed(preset.StandardDeviation.Value, preset.StandardDeviation.Decimals));
      }
      // Every deal ends in one outcome, and the outcomes weighed by their pays are the return.
      __int128 all = 0;
      __int128 pay = 0;
      for (int o = 0; o < game->OutcomeCount(); ++o) {
        all += report.OutcomeNumerators[static_cast<std::size_t>(o)];
        pay += report.OutcomeNumerators[static_cast<std::size_t>(o)] *
               report.Pays[static_cast<std::size_t>(o)];
      }
      EXPECT_TRUE(all == report.Denominator);
      EXPECT_TRUE(pay == report.PayNumerator);
    }
}

TEST(GameReturns, JacksThroughTheGameListIsTodaysCountExactly) {
  for (const char* name : {"9/6", "Lumaro"}) {
    const TGamePays table = Preset(Game("jacks"), name);
    const TReturnReport game = ReturnOf(table);
    const TReturnReport today = ComputeReturn(SharedTables(), UnitPaysOf(table), 2);
    EXPECT_TRUE(game.PayNumerator == today.PayNumerator) << name;
    EXPECT_TRUE(game.OutcomeNumerators == today.OutcomeNumerators) << name;
  }
}

TEST(DealClasses, OfTheJokerDeckCoverEveryDealOnce) {
  const auto& classes = DealClasses(53);
  std::int64_t deals = 0;
  std::set<THandCards> seen;
  for (const auto& k : classes) {
    deals += k.Weight;
    EXPECT_TRUE(std::is_sorted(k.Cards.begin(), k.Cards.end()));
    EXPECT_TRUE(seen.insert(k.Cards).second);
  }
  EXPECT_EQ(deals, DealCount(53));
  // The 52-card classes, and those with the joker: the classes of four cards with it.
  EXPECT_EQ(classes.size(), DealClasses().size() + 16432u);
}

// Plain enumeration of every draw of one hold from the game's deck.
TOutcomeCounts CountDraws(const TGame& game, const THandCards& dealt, std::uint8_t mask) {
  std::vector<cdCardDeck> unseen;
  for (int code = 1; code <= game.DeckSize; ++code)
    if (std::find(dealt.begin(), dealt.end(), code) == dealt.end())
      unseen.push_back(static_cast<cdCardDeck>(code));
  std::vector<int> replaced;
  for (int i = 0; i < 5; ++i)
    if (!(mask & (1 << i))) replaced.push_back(i);
  TOutcomeCounts counts{};
  THandCards hand = dealt;
  auto draw = [&](auto&& self, std::size_t slot, std::size_t from) -> void {
    if (slot == replaced.size()) {
      ++counts[EvaluateOutcome(game, hand)];
      return;
    }
    for (std::size_t i = from; i + (replaced.size() - slot) <= unseen.size(); ++i) {
      hand[static_cast<std::size_t>(replaced[slot])] = unseen[i];
      self(self, slot + 1, i + 1);
    }
  };
  draw(draw, 0, 0);
  return counts;
}

// The tables of every game, the joker's deck and the wild cards included, count each hold's
// draws as a plain enumeration does.
TEST(GameTables, AgreeWithPlainEnumerationOfAllDraws) {
  std::mt19937 random(20261209);
  for (const TGame* game : kGames) {
    SCOPED_TRACE(std::string(game->Id));
    const auto tables = GameTables(*game);
    ASSERT_EQ(tables->Cards(), game->DeckSize);
    std::vector<THandCards> hands;
    const THandDeck deck{game->DeckSize == 53, game->Name};
    if (game->Wild == wcJoker) hands.push_back(ParseHand({"JK AS KS QS 3D"}, deck));
    if (game->Wild == wcDeuces) hands.push_back(ParseHand({"2C 2H 7S 8S 3D"}, deck));
    std::vector<cdCardDeck> cards(static_cast<std::size_t>(game->DeckSize));
    for (std::size_t i = 0; i < cards.size(); ++i) cards[i] = static_cast<cdCardDeck>(i + 1);
    while (hands.size() < (kSanitizedBuild ? 1u : 2u)) {
      std::shuffle(cards.begin(), cards.end(), random);
      hands.push_back({cards[0], cards[1], cards[2], cards[3], cards[4]});
    }
    const TUnitPays pays = UnitPaysOf(TGamePays{game, PresetPays(*game, game->Presets[0]), ""});
    for (const auto& hand : hands) {
      SCOPED_TRACE(HeldCardsText(hand, 31, CardText, " ", ""));
      const auto holds = RankHolds(*tables, hand, pays);
      for (std::size_t i = 0; i < holds.size(); ++i) {
        const THoldOdds& h = holds[i];
        ASSERT_EQ(h.Counts, CountDraws(*game, hand, h.Mask)) << "hold mask " << int{h.Mask};
        EXPECT_EQ(h.Draws, DrawCount(game->DeckSize, 5 - std::popcount(unsigned{h.Mask})));
        if (i > 0) {
          EXPECT_FALSE(PaysMore(h, holds[i - 1]));
        }
      }
      EXPECT_EQ(BestHold(*tables, hand, pays), holds[0].Mask);
    }
  }
}

TEST(GamePays, ReadPaysOrMultipliersInTheGamesLineOrder) {
  const TGame& deuces = Game("deuces-wild");
  const std::vector<std::int64_t> fullPay = {1, 2, 2, 3, 5, 9, 15, 25, 200, 800};
  EXPECT_EQ(ParseGamePays(deuces, "1,2,2,3,5,9,15,25,200,800", false), fullPay);
  EXPECT_EQ(ParseGamePays(deuces, " 0, 1,1,2,4,8,14,24,199 ,799", true), fullPay);
  EXPECT_EQ(ParseGamePays(deuces, "0,0,0,0,0,0,0,0,0,2147483648", false).back(), kMostPay);
  for (const char* bad : {"", "1,2,3", "1,2,2,3,5,9,15,25,200,800,1", "1,2,2,3,5,9,15,25,200,",
                          "1,2,2,3,5,9,15,25,200,-1", "1,2,2,3,5,9,15,25,200,2147483649",
                          "1,2,2,3,5,9,15,25,200,8e2", "1;2;2;3;5;9;15;25;200;800"})
    EXPECT_THROW(ParseGamePays(deuces, bad, false), TUsageError) << bad;
  EXPECT_THROW(ParseGamePays(deuces, "0,1,1,2,4,8,14,24,199,2147483648", true), TUsageError);
  EXPECT_EQ(FindPreset(deuces, " not so ugly DUCKS "), &deuces.Presets[1]);
  EXPECT_EQ(FindPreset(deuces, "9/6"), nullptr);
}

}  // namespace
