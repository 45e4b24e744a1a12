// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The games the machine knows, each a constexpr description from its family's file, and
// their evaluators. An evaluator is picked once per batch of hands (WithEvaluator), never
// per hand.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

#include "evaluator.h"
#include "game_description.h"
#include "games/bonus_family.h"
#include "games/deuces_family.h"
#include "games/jacks_family.h"
#include "games/joker_family.h"

// Every game, in the order lists show them. A game's place here is no key: look games up by
// their ids.
inline constexpr std::array<const TGame*, 9> kGames = {
    &kJacksOrBetter,
    &kBonusPoker,
    &kBonusPokerDeluxe,
    &kDoubleBonusPoker,
    &kDoubleDoubleBonusPoker,
    &kTripleDoubleBonusPoker,
    &kAcesAndFaces,
    &kDeucesWild,
    &kJokerPoker,
};

// The game with this id, or nullptr.
constexpr const TGame* FindGame(std::string_view id) {
  for (const TGame* game : kGames)
    if (game->Id == id) return game;
  return nullptr;
}

// Calls f with the evaluator of the game's family, a callable taking const THandCards& (codes
// of the game's deck, distinct) and returning the index of the hand's outcome in
// game.Outcomes. Returns what f returns.
template <class F>
decltype(auto) WithEvaluator(const TGame& game, F&& f) {
  switch (game.Wild) {
    case wcDeuces:
      return std::forward<F>(f)(TDeucesEvaluator(game));
    case wcJoker:
      return std::forward<F>(f)(TJokerEvaluator(game));
    case wcNone:
      break;
  }
  return std::forward<F>(f)(TNaturalEvaluator(game));
}

// One hand's outcome index; picks the evaluator each call, so loops use WithEvaluator.
std::uint8_t EvaluateOutcome(const TGame& game, const THandCards& cards);
// Every hand's outcome index: outcomes[i] for hands[i] (outcomes at least as long as hands).
void EvaluateOutcomes(const TGame& game, std::span<const THandCards> hands,
                      std::span<std::uint8_t> outcomes);
