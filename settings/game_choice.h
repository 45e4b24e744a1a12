// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The game the player chose and the tables the player set for the other games, section Games:
// key Current holds the game's id, and a key named after a game's id holds its multipliers
// in line order, lowest line first, separated by blanks ("0 1 1 2 4 8 14 24 199 799"), in the
// window's convention (a win adds multiplier x bet and keeps the stake). Today's game keeps
// its table in Payouts H1..H9 and has no key of its own here.
//
// Nothing here is ever an error for the game: a missing, unknown or damaged entry reads as
// not stored, and the game in force is then today's game with its own keys.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game_table.h"

// The id under [Games] Current, or nothing when it is missing, empty or not a plain id
// (lower-case letters, digits and '-').
std::optional<std::string> LoadCurrentGameId();
// The multipliers stored for a game, or nothing when missing or damaged (no numbers, a number
// that isn't a whole number from 0 up, more numbers than any game has lines). The caller
// checks the count against the game's lines.
std::optional<std::vector<std::int32_t>> LoadGameMultipliers(const std::string& id);

// Writes Current and the game's table in one opening, each only when it would change, so a
// choice that changes nothing leaves the file as it was. No table is written for today's
// game (jacksId), whose table the close writes to H1..H9. Throws ESettingsError.
void SaveGameChoice(const std::string& id, const std::vector<std::int32_t>& multipliers,
                    const std::string& jacksId);

// The stored text of a table, and back; the reading refuses what LoadGameMultipliers refuses.
std::string MultipliersText(const std::vector<std::int32_t>& multipliers);
std::optional<std::vector<std::int32_t>> ParseMultipliers(const std::string& text);

// The game the store names with its stored table, or the game's default preset when that table
// is missing or damaged; nothing when no other game than today's is chosen (the game then
// stays today's with its own keys).
std::optional<TGameTable> LoadChosenGame();
// A game's table as the player last set it (its stored table), or its default preset.
TGameTable StoredTableOf(const TGame& game);
// The game in force and its table, stored (jacks: only Current; its table is H1..H9).
void SaveChosenGame(const TGameTable& table);
