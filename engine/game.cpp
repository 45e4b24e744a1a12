// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game.h"

std::uint8_t EvaluateOutcome(const TGame& game, const THandCards& cards) {
  return WithEvaluator(game, [&cards](const auto& evaluate) { return evaluate(cards); });
}

void EvaluateOutcomes(const TGame& game, std::span<const THandCards> hands,
                      std::span<std::uint8_t> outcomes) {
  WithEvaluator(game, [&](const auto& evaluate) {
    for (std::size_t i = 0; i < hands.size() && i < outcomes.size(); ++i)
      outcomes[i] = evaluate(hands[i]);
  });
}

static_assert(FindGame("jacks") == &kJacksOrBetter && FindGame("joker-poker") == &kJokerPoker &&
              FindGame("poker") == nullptr);

namespace {

// Every description keeps the promises game_description.h makes; checked when this compiles.
constexpr bool Sound(const TGame& g) {
  if (g.OutcomeCount() > kMaxOutcomes || g.LineCount() > kMaxPayLines || g.LineCount() < 1)
    return false;
  if (g.DeckSize != (g.Wild == wcJoker ? 53 : 52)) return false;
  for (int o = 0; o < g.OutcomeCount(); ++o) {
    const TGameOutcome& out = g.Outcomes[static_cast<std::size_t>(o)];
    if (out.Column >= g.ColumnCount() || out.Name.empty()) return false;
    if (g.IsWin(o) ? (out.Sound < 0 || out.Sound >= kSoundSlotCount) : out.Sound != kNoSound)
      return false;
  }
  for (const std::uint8_t o : g.OutcomeOfMade)
    if (o != kNoOutcome && o >= g.OutcomeCount()) return false;
  for (const auto& row : g.QuadOutcome)
    for (const std::uint8_t o : row)
      if (o >= g.OutcomeCount()) return false;
  if (g.Presets.empty() || g.DefaultPreset < 0 ||
      g.DefaultPreset >= static_cast<int>(g.Presets.size()))
    return false;
  for (const TPreset& p : g.Presets)
    for (int k = 0; k < kMaxPayLines; ++k)
      if ((p.Pays[static_cast<std::size_t>(k)] > 0) != (k < g.LineCount())) return false;
  for (const TGame* other : kGames)
    if (other != &g && other->Id == g.Id) return false;
  return true;
}

constexpr bool AllSound() {
  for (const TGame* g : kGames)
    if (!Sound(*g)) return false;
  return true;
}
static_assert(AllSound());

}  // namespace
