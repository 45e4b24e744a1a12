// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What `lumaro-analyze strategy` prints: a strategy chart with its exact cost, and how the
// chart plays given hands against the best holds, as text or as one JSON document.

#include <array>
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

// How a chart is read, said above its lines.
inline constexpr const char* kChartRuleText =
    "Hold the first line that fits the hand; of the holds a line names, the first that fits.";
inline constexpr const char* kFamilyOrderHeading =
    "A line naming a whole family takes the first that fits, in this order:";

// The positions of the line's example in the order the chart shows them: the held cards by
// rank, ace high, then the drawn ones.
std::array<int, 5> ExampleOrder(const TChartLine& line);
// 100 x (perfect play - chart) with four decimals: "0.0010".
std::string ChartCostText(const TStrategyChart& chart);
// "24 lines", "1 line".
std::string ChartLinesText(const TStrategyChart& chart);
// The chart's return, the return of optimal play and what the chart gives up, a line each:
// "Return holding by the chart: 99.5429% (24 lines)".
std::vector<std::string> ChartReturnLines(const TStrategyChart& chart);
// For each line that names a whole family where a deal can fit two of its members, the
// order it takes them in: "two suited high cards: Q J, K Q, K J, A K, A Q, A J".
std::vector<std::string> FamilyOrderNotes(const TStrategyChart& chart);

// The chart: one row per line (its share of deals, an example, the pattern), then the
// chart's return, the return of perfect play and the difference.
void WriteChartText(std::ostream& out, const TStrategyChart& chart);
// The chart's returns in one line, then one row per hand.
void WriteHandsText(std::ostream& out, const TStrategyChart& chart,
                    const std::vector<THandVerdict>& hands);
// Everything as one JSON document; "hands" only when hands were given.
void WriteChartJson(std::ostream& out, const TStrategyChart& chart, const std::string& origin,
                    const std::vector<THandVerdict>* hands);
