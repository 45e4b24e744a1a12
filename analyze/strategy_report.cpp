// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "strategy_report.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "card_text.h"
#include "game_description.h"

namespace {

// The held cards by rank, ace high, then the drawn ones: "TS JS QS KS | 3D".
std::string ExampleText(const TChartLine& line) {
  std::string held;
  std::string drawn;
  for (const int i : ExampleOrder(line)) {
    std::string& into = line.ExampleHold & (1 << i) ? held : drawn;
    if (!into.empty()) into += ' ';
    into += CardText(line.Example[static_cast<std::size_t>(i)]);
  }
  if (held.empty()) return "| " + drawn;
  return held + " |" + (drawn.empty() ? "" : " ") + drawn;
}

void WriteCardsJson(std::ostream& out, const THandCards& cards, std::uint8_t mask) {
  out << '[';
  bool first = true;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (!(mask & (1 << i))) continue;
    out << (first ? "" : ",") << JsonString(CardText(cards[i]));
    first = false;
  }
  out << ']';
}

}  // namespace

std::array<int, 5> ExampleOrder(const TChartLine& line) {
  std::array<int, 5> order = {0, 1, 2, 3, 4};
  auto key = [&](int i) {
    const int r = CardRank(line.Example[static_cast<std::size_t>(i)]);
    const bool held = line.ExampleHold & (1 << i);
    return (held ? 0 : 100) + (r == 1 ? 14 : r);
  };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
  return order;
}

std::string ChartCostText(const TStrategyChart& chart) {
  const TExactReturn cost = {chart.BestReturn.Numerator - chart.ChartReturn.Numerator,
                             chart.BestReturn.Denominator};
  return cost.PercentText(4);
}

std::string ChartLinesText(const TStrategyChart& chart) {
  return std::to_string(chart.Lines.size()) + (chart.Lines.size() == 1 ? " line" : " lines");
}

std::vector<std::string> ChartReturnLines(const TStrategyChart& chart) {
  return {"Return holding by the chart: " + chart.ChartReturn.PercentText(4) + "% (" +
              ChartLinesText(chart) + ")",
          "Return under optimal play:   " + chart.BestReturn.PercentText(4) + "%",
          "The chart gives up " + ChartCostText(chart) + " points of return."};
}

// A line that names a whole family takes its members in the family's order; where a deal
// can fit two of them the chart says which order that is.
std::vector<std::string> FamilyOrderNotes(const TStrategyChart& chart) {
  std::vector<std::string> notes;
  for (const TChartLine& line : chart.Lines) {
    if (!line.OrderMatters ||
        line.Text != chart.Words->PatternName(chart.Words->FamilyOf(line.Leaves.front())))
      continue;
    std::string note = line.Text + ": ";
    bool first = true;
    for (const TPatternId leaf : line.Leaves) {
      if (!chart.Words->DescribesAHold(leaf)) continue;
      note += (first ? "" : ", ") + chart.Words->VariantName(leaf);
      first = false;
    }
    notes.push_back(note);
  }
  return notes;
}

THandVerdict JudgeHand(const TDrawTables& tables, const TStrategyChart& chart,
                       const THandCards& cards) {
  THandVerdict verdict;
  verdict.Cards = cards;
  const auto holds = RankHolds(tables, cards, chart.Pays);
  const TChartPlay play = PlayChart(chart, cards, holds);
  verdict.Line = play.Line;
  verdict.ChartHold = play.Hold;
  const THoldOdds& best = holds[0];
  const THoldOdds& held = *std::find_if(holds.begin(), holds.end(),
                                        [&](const THoldOdds& h) { return h.Mask == play.Hold; });
  verdict.BestHold = best.Mask;
  verdict.BestPay = best.ExpectedPay();
  verdict.ChartPay = held.ExpectedPay();
  // Exact difference first, so a hold as good as the best gives up exactly nothing.
  const __int128 numerator = static_cast<__int128>(best.PaySum) * held.Draws -
                             static_cast<__int128>(held.PaySum) * best.Draws;
  verdict.GivesUp = numerator <= 0
                        ? 0
                        : static_cast<double>(numerator) /
                              (static_cast<double>(best.Draws) * static_cast<double>(held.Draws));
  return verdict;
}

void WriteChartText(std::ostream& out, const TStrategyChart& chart) {
  out << kChartRuleText << "\n";
  // The share column keeps a blank before its widest value: "100.000%" in a one-line chart.
  std::size_t share = 8;
  for (const TChartLine& line : chart.Lines)
    share = std::max(share, Fixed(100 * line.Share, 3).size() + 2);
  out << "Line" << PadLeft("Deals", share) << "  " << Padded("Example (held | drawn)", 24)
      << "Pattern\n";
  for (std::size_t i = 0; i < chart.Lines.size(); ++i) {
    const TChartLine& line = chart.Lines[i];
    out << PadLeft(std::to_string(i + 1), 4) << PadLeft(Fixed(100 * line.Share, 3) + "%", share)
        << "  " << Padded(ExampleText(line), 24) << line.Text << "\n";
  }
  const auto notes = FamilyOrderNotes(chart);
  if (!notes.empty()) {
    out << "\n" << kFamilyOrderHeading << "\n";
    for (const auto& note : notes) out << "  " << note << "\n";
  }
  out << "\n";
  for (const auto& line : ChartReturnLines(chart)) out << line << "\n";
}

void WriteHandsText(std::ostream& out, const TStrategyChart& chart,
                    const std::vector<THandVerdict>& hands) {
  out << "Chart: " << ChartLinesText(chart) << ", return " << chart.ChartReturn.PercentText(4)
      << "% (optimal play " << chart.BestReturn.PercentText(4) << "%)\n";
  out << Padded("Hand", 16) << "Line  " << Padded("Chart holds", 16) << Padded("Best hold", 16)
      << PadLeft("Gives up", 9) << "  Pattern\n";
  for (const THandVerdict& h : hands) {
    const bool fits = h.Line < static_cast<int>(chart.Lines.size());
    out << Padded(HeldCardsText(h.Cards, 31, CardText, " ", ""), 16)
        << PadLeft(fits ? std::to_string(h.Line + 1) : "-", 4) << "  "
        << Padded(HeldCardsText(h.Cards, h.ChartHold, CardText, " ", "nothing"), 16)
        << Padded(HeldCardsText(h.Cards, h.BestHold, CardText, " ", "nothing"), 16)
        << PadLeft(Fixed(h.GivesUp, 6), 9) << "  "
        << (fits ? chart.Lines[static_cast<std::size_t>(h.Line)].Text : "(no line fits)") << "\n";
  }
}

void WriteChartJson(std::ostream& out, const TStrategyChart& chart, const std::string& origin,
                    const std::vector<THandVerdict>* hands) {
  out << "{";
  if (chart.Game) {
    out << "\"game\":" << JsonString(std::string(chart.Game->Id)) << ",\"pays\":[";
    for (std::size_t i = 0; i < chart.GamePays.size(); ++i)
      out << (i ? "," : "") << chart.GamePays[i];
    out << "],";
  }
  out << "\"paytable\":[";
  if (chart.Game)
    for (std::size_t i = 0; i < chart.GamePays.size(); ++i)
      out << (i ? "," : "") << chart.GamePays[i] - 1;
  else
    for (std::size_t i = 0; i < chart.Table.H.size(); ++i)
      out << (i ? "," : "") << chart.Table.H[i];
  out << "],\"origin\":" << JsonString(origin) << ",\"lines\":[";
  for (std::size_t i = 0; i < chart.Lines.size(); ++i) {
    const TChartLine& line = chart.Lines[i];
    out << (i ? "," : "") << "{\"line\":" << i + 1 << ",\"pattern\":" << JsonString(line.Text)
        << ",\"holds\":[";
    bool first = true;
    for (const TPatternId leaf : line.Leaves) {
      if (!chart.Words->DescribesAHold(leaf)) continue;
      out << (first ? "" : ",") << JsonString(chart.Words->PatternName(leaf));
      first = false;
    }
    out << "],\"share\":" << Fixed(line.Share, 9) << ",\"example\":";
    WriteCardsJson(out, line.Example, 31);
    out << ",\"exampleHold\":";
    WriteCardsJson(out, line.Example, line.ExampleHold);
    out << "}";
  }
  out << "],\"chartReturn\":" << chart.ChartReturn.PercentText(6)
      << ",\"bestReturn\":" << chart.BestReturn.PercentText(6) << ",\"cost\":"
      << TExactReturn{chart.BestReturn.Numerator - chart.ChartReturn.Numerator,
                      chart.BestReturn.Denominator}
             .PercentText(6);
  if (hands) {
    out << ",\"hands\":[";
    for (std::size_t i = 0; i < hands->size(); ++i) {
      const THandVerdict& h = (*hands)[i];
      const bool fits = h.Line < static_cast<int>(chart.Lines.size());
      out << (i ? "," : "") << "{\"hand\":";
      WriteCardsJson(out, h.Cards, 31);
      out << ",\"line\":" << (fits ? std::to_string(h.Line + 1) : "null") << ",\"chartHold\":";
      WriteCardsJson(out, h.Cards, h.ChartHold);
      out << ",\"bestHold\":";
      WriteCardsJson(out, h.Cards, h.BestHold);
      out << ",\"chartPay\":" << Fixed(h.ChartPay, 6) << ",\"bestPay\":" << Fixed(h.BestPay, 6)
          << ",\"givesUp\":" << Fixed(h.GivesUp, 6) << "}";
    }
    out << "]";
  }
  out << "}\n";
}
