// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_table.h"

#include <algorithm>

std::optional<std::int32_t> TGameTable::MultiplierOf(int outcome) const {
  const int line = Game->LineOfOutcome(outcome);
  if (line < 0 || line >= Game->LineCount()) return std::nullopt;
  return Multipliers[static_cast<std::size_t>(line)];
}

TGameTable JacksTable(const TPayTable& table) {
  return {&kJacksOrBetter, TGameTable::TableOf(table.H)};
}

TPayTable PayTableOf(const TGameTable& table) {
  TPayTable jacks;
  std::copy_n(table.Multipliers.begin(), kPayLines, jacks.H.begin());
  return jacks;
}

TGameTable PresetTable(const TGame& game, const TPreset& preset) {
  return {&game, MultipliersOfPays(game, preset.Pays)};
}

TGameTable DefaultTable(const TGame& game) {
  return PresetTable(game, game.Presets[static_cast<std::size_t>(game.DefaultPreset)]);
}

std::optional<TGameTable> TableFromMultipliers(const TGame& game,
                                               std::span<const std::int32_t> multipliers) {
  if (static_cast<int>(multipliers.size()) != game.LineCount()) return std::nullopt;
  TGameTable table{&game, {}};
  for (std::size_t k = 0; k < multipliers.size(); ++k) {
    if (multipliers[k] < 0) return std::nullopt;
    table.Multipliers[k] = multipliers[k];
  }
  return table;
}

namespace {

// Sound slots 7..9 (index 6..8): four of a kind, straight flush, royal flush.
constexpr int kFirstBigSound = 6;

}  // namespace

TSentence OutcomeSaying(const TGame& game, int outcome) {
  if (outcome < 0 || outcome >= game.OutcomeCount()) return {snNoPair};
  const TGameOutcome& o = game.Outcomes[static_cast<std::size_t>(outcome)];
  for (int k = 0; k < kOutcomeCount; ++k)
    if (jacks_family::kOutcomes[static_cast<std::size_t>(k)].Name == o.Name)
      return {OutcomeSentence(static_cast<TOutcome>(k))};
  TSentence said{o.Sound >= kFirstBigSound ? snBigGameHand : snGameHand};
  said.Term = o.Name;
  return said;
}

std::int32_t SettledTotal(std::int32_t total, std::int32_t bet, const TGameTable& table,
                          int outcome) {
  const auto multiplier = table.MultiplierOf(outcome);
  if (!multiplier) return ClampMoney(std::int64_t{total} - bet);
  return ClampMoney(total + std::int64_t{*multiplier} * bet);
}
