// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What `lumaro-analyze strategy` prints: a strategy chart with its exact cost, and how the
// chart plays given hands against the best holds, as text or as one JSON document.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "strategy_chart.h"

// How the chart plays one hand.
struct THandVerdict {
  THandCards Cards{};
  int Line = 0;  // index into the chart's lines; Lines.size(): no line fits
  std::uint8_t ChartHold = 0;
  std::uint8_t BestHold = 0;
  double ChartPay = 0;  // expected pay for a stake of 1
  double BestPay = 0;
  double GivesUp = 0;  // BestPay - ChartPay, exactly 0 when the chart's hold is a best one
};

THandVerdict JudgeHand(const TDrawTables& tables, const TStrategyChart& chart,
                       const THandCards& cards);

// The chart: one row per line (its share of deals, an example, the pattern), then the
// chart's return, the return of perfect play and the difference.
void WriteChartText(std::ostream& out, const TStrategyChart& chart);
// The chart's returns in one line, then one row per hand.
void WriteHandsText(std::ostream& out, const TStrategyChart& chart,
                    const std::vector<THandVerdict>& hands);
// Everything as one JSON document; "hands" only when hands were given.
void WriteChartJson(std::ostream& out, const TStrategyChart& chart, const std::string& origin,
                    const std::vector<THandVerdict>* hands);
