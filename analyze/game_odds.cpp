// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_odds.h"

#include <cctype>
#include <map>
#include <mutex>

#include "card_text.h"
#include "whole_number.h"

static_assert(kMaxOutcomes <= kMostOutcomes, "the exact count holds every game's outcomes");

TCountedGame CountedGameOf(const TGame& game) {
  TCountedGame count;
  count.Cards = game.DeckSize;
  count.Outcomes = game.OutcomeCount();
  // The family's evaluator is picked once for a whole batch of hands.
  count.Evaluate = [&game](const THandCards* hands, std::size_t n, std::uint8_t* outcomes) {
    WithEvaluator(game, [&](const auto& evaluate) {
      for (std::size_t i = 0; i < n; ++i) outcomes[i] = evaluate(hands[i]);
    });
  };
  return count;
}

std::shared_ptr<const TDrawTables> GameTables(const TGame& game) {
  static std::mutex guard;
  static std::map<std::string_view, std::shared_ptr<const TDrawTables>> built;
  const std::lock_guard<std::mutex> lock(guard);
  auto& tables = built[game.Id];
  if (!tables) tables = TDrawTables::Build(CountedGameOf(game), 2);
  return tables;
}

std::string_view DeckText(const TGame& game) {
  switch (game.Wild) {
    case wcDeuces:
      return "52 cards, the four 2s wild";
    case wcJoker:
      return "53 cards, the joker wild";
    case wcNone:
      break;
  }
  return "52 cards, nothing wild";
}

namespace {

std::string Folded(std::string_view text) {
  std::string folded;
  for (const char c : TrimBlanks(text))
    folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  return folded;
}

}  // namespace

const TPreset* FindPreset(const TGame& game, std::string_view name) {
  const std::string wanted = Folded(name);
  for (const TPreset& preset : game.Presets)
    if (Folded(preset.Name) == wanted) return &preset;
  return nullptr;
}

std::vector<std::int64_t> PresetPays(const TGame& game, const TPreset& preset) {
  std::vector<std::int64_t> pays;
  for (int k = 0; k < game.LineCount(); ++k)
    pays.push_back(preset.Pays[static_cast<std::size_t>(k)]);
  return pays;
}

TUnitPays UnitPaysOf(const TGamePays& table) {
  TUnitPays pays{};
  const TGame& game = *table.Game;
  for (int o = 0; o < game.OutcomeCount(); ++o) {
    const int line = game.LineOfOutcome(o);
    pays[static_cast<std::size_t>(o)] =
        line < 0 ? 0 : table.Pays.at(static_cast<std::size_t>(line));
  }
  return pays;
}

TUnitPays UnitPaysOf(const TGameTable& table) {
  TGamePays pays{table.Game, {}, {}};
  for (int line = 0; line < table.Game->LineCount(); ++line)
    pays.Pays.push_back(PaysOfMultiplier(table.Multipliers[static_cast<std::size_t>(line)]));
  return UnitPaysOf(pays);
}

std::string PaysText(const std::vector<std::int64_t>& pays) {
  std::string text;
  for (std::size_t i = 0; i < pays.size(); ++i) {
    if (i > 0) text += ',';
    text += std::to_string(pays[i]);
  }
  return text;
}

std::vector<std::int64_t> ParseGamePays(const TGame& game, std::string_view text,
                                        bool multipliers) {
  const auto lines = static_cast<std::size_t>(game.LineCount());
  const std::int64_t most = multipliers ? kMostPay - 1 : kMostPay;
  const std::string what = multipliers ? "multipliers (pays for 1 minus 1)" : "pays for 1";
  const std::string problem = std::string(multipliers ? "bad --paytable " : "bad --pays ") +
                              Quoted(text) + ": " + std::string(game.Name) + " takes " +
                              std::to_string(lines) + " whole " + what + " 0.." +
                              std::to_string(most) + ", separated by commas";
  auto pays = ParseWholeList(text, lines, 0, most);
  if (!pays) throw TUsageError(problem);
  if (multipliers)
    for (auto& pay : *pays) ++pay;
  return *pays;
}
