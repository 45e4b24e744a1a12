// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The game in force and its pay table as the play cycle uses them: the game's description
// and one multiplier per line, lowest line first, in the window's convention (a win adds
// multiplier x bet and keeps the stake). Jacks or Better's table is also the nine-line
// TPayTable the settings keep in H1..H9; the two convert here.

#include <cstdint>
#include <optional>
#include <span>

#include "game.h"
#include "sentences.h"
#include "settlement.h"

struct TGameTable {
  const TGame* Game = &kJacksOrBetter;
  TLinePays Multipliers = TableOf(kDefaultMultipliers);

  bool IsJacks() const { return Game == &kJacksOrBetter; }
  // The multiplier of a winning outcome; nothing for a losing one.
  std::optional<std::int32_t> MultiplierOf(int outcome) const;
  friend bool operator==(const TGameTable& a, const TGameTable& b) {
    return a.Game == b.Game && a.Multipliers == b.Multipliers;
  }

  static constexpr TLinePays TableOf(const std::array<std::int32_t, kPayLines>& h) {
    TLinePays lines{};
    for (std::size_t k = 0; k < h.size(); ++k) lines[k] = h[k];
    return lines;
  }
};

// The most the payouts dialog offers for a line of a game other than Jacks or Better: four
// digits fit its widest field.
inline constexpr std::int32_t kMostGameMultiplier = 9999;

// Jacks or Better with this nine-line table.
TGameTable JacksTable(const TPayTable& table);
// The nine lines of a Jacks or Better table.
TPayTable PayTableOf(const TGameTable& table);
// The game at the preset a new player of it meets.
TGameTable DefaultTable(const TGame& game);
TGameTable PresetTable(const TGame& game, const TPreset& preset);
// The game with these multipliers when there is one whole number from 0 up for each of its
// lines; otherwise nothing.
std::optional<TGameTable> TableFromMultipliers(const TGame& game,
                                               std::span<const std::int32_t> multipliers);

// What the machine says of the hand after the draw, for an outcome of the game: Jacks or
// Better's own sentences for the hands that game has ("Player has a Flush", "Wow! Four of a
// Kind"), else the line's name after "Player has " or, for the hands that sound as four of a
// kind or better, after "Wow! ".
TSentence OutcomeSaying(const TGame& game, int outcome);
// The bankroll after a hand of this outcome: plus multiplier x bet for a win (the stake is
// kept), minus the bet for a loss.
std::int32_t SettledTotal(std::int32_t total, std::int32_t bet, const TGameTable& table,
                          int outcome);
