// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The engine's games as the exact count sees them: a game's deck and evaluator for the draw
// tables (built once per game and kept for the run), the pays in force, and the pays or
// multipliers given on the command line in the game's own line order.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game.h"
#include "game_table.h"
#include "odds.h"

// The deck and evaluator of a game, for the draw tables.
TCountedGame CountedGameOf(const TGame& game);
// The game's draw tables, built at the first call and kept for the run.
std::shared_ptr<const TDrawTables> GameTables(const TGame& game);

// "52 cards", "52 cards, the four 2s wild", "53 cards, the joker wild".
std::string_view DeckText(const TGame& game);
// A preset by name, any case, blanks around it ignored; nothing for an unknown one.
const TPreset* FindPreset(const TGame& game, std::string_view name);
// The game's lines' pays for 1 in a preset.
std::vector<std::int64_t> PresetPays(const TGame& game, const TPreset& preset);

// The game's pay table in force: what a count of lumaro-analyze is for.
struct TGamePays {
  const TGame* Game = &kJacksOrBetter;
  std::vector<std::int64_t> Pays;  // for 1, in the game's line order
  std::string Origin;              // where the pays came from
};

// What each outcome pays for 1.
TUnitPays UnitPaysOf(const TGamePays& table);
// The same of a table in the window's convention (multiplier + 1 for a win).
TUnitPays UnitPaysOf(const TGameTable& table);
// "1,2,3,4,6,9,25,50,800".
std::string PaysText(const std::vector<std::int64_t>& pays);

// The largest pay for 1 a line may have: a multiplier at the 32-bit limit, plus the stake.
inline constexpr std::int64_t kMostPay = 2147483648LL;
// "--pays P1,...,Pn" (pays for 1, 0..kMostPay) or "--paytable M1,...,Mn" (multipliers, pays
// minus 1, 0..kMostPay - 1) for the game's n lines; throws TUsageError for a wrong count or a
// bad number.
std::vector<std::int64_t> ParseGamePays(const TGame& game, std::string_view text, bool multipliers);
