// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What `lumaro-analyze risk` prints: a session's figures as lines for a player, or one JSON
// object.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "risk.h"

struct TRiskAnswer {
  // The table asked about.
  std::vector<std::int64_t> PayTable;  // the multipliers, as the command takes them
  std::string Game;                    // the game's id, when one was picked with --game
  std::vector<std::int64_t> Pays;      // then its pays for 1 too
  std::string Origin;
  std::string ReturnText;  // percent under best play, 4 decimals: "99.5439"
  std::string ReturnJson;  // the same with 6
  bool ReturnsOverOne = false;
  std::optional<long long> Hands;   // nothing: playing on forever
  std::optional<double> AskedRisk;  // --risk
  // Given, or found for the risk asked (nothing when no bankroll is enough).
  std::optional<long long> Bankroll;
  std::optional<TBankrollNeed> Need;    // with --risk and a bankroll found
  std::optional<TSessionRisk> Session;  // over a number of hands, with a bankroll
  double LongRunRuin = 1;               // playing on forever, with a bankroll
};

void WriteRiskText(std::ostream& out, const TRiskAnswer& answer);
void WriteRiskJson(std::ostream& out, const TRiskAnswer& answer);

// A chance as a percentage with three significant digits of itself or of what it leaves
// to 100 %: "8.15%", "0.420%", "99.99900%", "3.21e-07%", "0%".
std::string ChanceText(double chance);
