// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What lumaro-analyze prints for a game picked with --game: the return with its lines, the
// holds of dealt hands, and the list of the games; as text and as JSON.

#include <array>
#include <iosfwd>
#include <vector>

#include "game_odds.h"

// "Game: Deuces Wild (deuces-wild), 52 cards, the four 2s wild" and the pays with their origin.
void WriteGameHeader(std::ostream& out, const TGamePays& table);

// Each line with its probability and share of the return; the return, variance, standard
// deviation and hit frequency.
void WriteReturnText(std::ostream& out, const TGamePays& table, const TReturnReport& report);
void WriteReturnJson(std::ostream& out, const TGamePays& table, const TReturnReport& report);

struct TAdvisedHand {
  THandCards Cards{};
  std::array<THoldOdds, 32> Holds{};  // best first
};
void WriteAdviceText(std::ostream& out, const std::vector<TAdvisedHand>& hands);
void WriteAdviceJson(std::ostream& out, const TGamePays& table,
                     const std::vector<TAdvisedHand>& hands);

struct TPresetReturn {
  const TPreset* Preset = nullptr;
  TReturnReport Report;
};
struct TGameListing {
  const TGame* Game = nullptr;
  std::vector<TPresetReturn> Presets;
};
void WriteGamesText(std::ostream& out, const std::vector<TGameListing>& games);
void WriteGamesJson(std::ostream& out, const std::vector<TGameListing>& games);
