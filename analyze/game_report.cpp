// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_report.h"

#include <algorithm>
#include <ostream>

#include "card_text.h"

namespace {

// The exact chance of each line and of a losing hand, as numerators over the report's
// denominator.
struct TLineNumerators {
  std::vector<__int128> Line;
  __int128 Losing = 0;
};

TLineNumerators LineNumeratorsOf(const TGamePays& table, const TReturnReport& report) {
  const TGame& game = *table.Game;
  TLineNumerators n;
  n.Line.assign(static_cast<std::size_t>(game.LineCount()), 0);
  for (int o = 0; o < game.OutcomeCount(); ++o) {
    const int line = game.LineOfOutcome(o);
    const __int128 count = report.OutcomeNumerators[static_cast<std::size_t>(o)];
    if (line < 0)
      n.Losing += count;
    else
      n.Line[static_cast<std::size_t>(line)] += count;
  }
  return n;
}

double Ratio(__int128 numerator, __int128 denominator) {
  return static_cast<double>(static_cast<long double>(numerator) /
                             static_cast<long double>(denominator));
}

void WriteCardList(std::ostream& out, const THandCards& cards, std::uint8_t mask) {
  out << '[';
  bool first = true;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (!(mask & (1u << i))) continue;
    out << (first ? "" : ",") << JsonString(CardText(cards[i]));
    first = false;
  }
  out << ']';
}

void WritePaysJson(std::ostream& out, const std::vector<std::int64_t>& pays) {
  out << '[';
  for (std::size_t i = 0; i < pays.size(); ++i) out << (i ? "," : "") << pays[i];
  out << ']';
}

}  // namespace

void WriteGameHeader(std::ostream& out, const TGamePays& table) {
  const TGame& game = *table.Game;
  out << "Game: " << game.Name << " (" << game.Id << "), " << DeckText(game) << "\n";
  out << "Pays for 1: " << PaysText(table.Pays) << " (" << table.Origin << ")\n";
}

void WriteReturnText(std::ostream& out, const TGamePays& table, const TReturnReport& report) {
  const TGame& game = *table.Game;
  const TLineNumerators n = LineNumeratorsOf(table, report);
  WriteGameHeader(out, table);
  out << "Return under optimal play: " << report.ReturnPercentText(4) << "%\n";
  out << "Variance " << Fixed(report.Variance(), 4) << ", standard deviation "
      << Fixed(report.StandardDeviation(), 4) << ", hit frequency "
      << Fixed(100.0 * report.HitFrequency(), 4) << "% (per unit bet)\n\n";
  std::size_t width = std::string("Losing hands").size();
  for (int l = 0; l < game.LineCount(); ++l) width = std::max(width, game.LineName(l).size());
  width += 2;
  out << Padded("Final hand", width) << PadLeft("Probability", 14) << PadLeft("Pays for 1", 13)
      << PadLeft("Return share", 15) << "\n";
  for (std::size_t l = n.Line.size(); l-- > 0;) {
    const double p = Ratio(n.Line[l], report.Denominator);
    const std::int64_t pay = table.Pays[l];
    out << Padded(std::string(game.LineName(static_cast<int>(l))), width)
        << PadLeft(Fixed(p, 10), 14) << PadLeft(std::to_string(pay), 13)
        << PadLeft(Fixed(100.0 * p * static_cast<double>(pay), 4) + "%", 15) << "\n";
  }
  out << Padded("Losing hands", width)
      << PadLeft(Fixed(Ratio(n.Losing, report.Denominator), 10), 14) << PadLeft("0", 13) << "\n";
}

void WriteReturnJson(std::ostream& out, const TGamePays& table, const TReturnReport& report) {
  const TGame& game = *table.Game;
  const TLineNumerators n = LineNumeratorsOf(table, report);
  out << "{\"game\":" << JsonString(game.Id) << ",\"name\":" << JsonString(game.Name)
      << ",\"pays\":";
  WritePaysJson(out, table.Pays);
  out << ",\"origin\":" << JsonString(table.Origin)
      << ",\"return\":" << report.ReturnPercentText(12)
      << ",\"variance\":" << JsonDouble(report.Variance())
      << ",\"standard_deviation\":" << JsonDouble(report.StandardDeviation())
      << ",\"hit_frequency\":" << JsonDouble(report.HitFrequency()) << ",\"lines\":[";
  for (std::size_t l = 0; l < n.Line.size(); ++l) {
    const double p = Ratio(n.Line[l], report.Denominator);
    out << (l ? "," : "") << "{\"name\":" << JsonString(game.LineName(static_cast<int>(l)))
        << ",\"pays\":" << table.Pays[l] << ",\"probability\":" << JsonDouble(p)
        << ",\"return_share\":" << JsonDouble(100.0 * p * static_cast<double>(table.Pays[l]))
        << "}";
  }
  out << "],\"losing_probability\":" << JsonDouble(Ratio(n.Losing, report.Denominator)) << "}\n";
}

void WriteAdviceText(std::ostream& out, const std::vector<TAdvisedHand>& hands) {
  for (std::size_t h = 0; h < hands.size(); ++h) {
    const TAdvisedHand& hand = hands[h];
    if (h > 0) out << "\n";
    out << "Hand: " << HeldCardsText(hand.Cards, 31, CardText, " ", "") << "\n";
    out << "Expected pay for a stake of 1 (multiplier + 1 on a win), best hold first:\n";
    for (std::size_t i = 0; i < hand.Holds.size(); ++i)
      out << PadLeft(std::to_string(i + 1), 2) << "  " << Fixed(hand.Holds[i].ExpectedPay(), 6)
          << "  "
          << HeldCardsText(hand.Cards, hand.Holds[i].Mask, CardText, " ", "(nothing, draw five)")
          << "\n";
  }
}

void WriteAdviceJson(std::ostream& out, const TGamePays& table,
                     const std::vector<TAdvisedHand>& hands) {
  out << "{\"game\":" << JsonString(table.Game->Id) << ",\"pays\":";
  WritePaysJson(out, table.Pays);
  out << ",\"origin\":" << JsonString(table.Origin) << ",\"hands\":[";
  for (std::size_t h = 0; h < hands.size(); ++h) {
    const TAdvisedHand& hand = hands[h];
    out << (h ? ",\n" : "\n") << "{\"hand\":";
    WriteCardList(out, hand.Cards, 31);
    out << ",\"holds\":[";
    for (std::size_t i = 0; i < hand.Holds.size(); ++i) {
      out << (i ? "," : "") << "{\"held\":";
      WriteCardList(out, hand.Cards, hand.Holds[i].Mask);
      out << ",\"value\":" << JsonDouble(hand.Holds[i].ExpectedPay()) << "}";
    }
    out << "]}";
  }
  out << "\n]}\n";
}

void WriteGamesText(std::ostream& out, const std::vector<TGameListing>& games) {
  for (std::size_t g = 0; g < games.size(); ++g) {
    const TGame& game = *games[g].Game;
    if (g > 0) out << "\n";
    out << game.Id << ": " << game.Name << ", " << DeckText(game) << "\n";
    out << "  Lines, lowest first: ";
    for (int l = 0; l < game.LineCount(); ++l) out << (l ? ", " : "") << game.LineName(l);
    out << "\n  Presets (pays for 1, return under optimal play):\n";
    std::size_t width = 0;
    for (const auto& p : games[g].Presets) width = std::max(width, p.Preset->Name.size());
    for (const auto& p : games[g].Presets)
      out << "    " << Padded(std::string(p.Preset->Name), width + 2)
          << Padded(PaysText(PresetPays(game, *p.Preset)), 40)
          << PadLeft(p.Report.ReturnPercentText(4) + "%", 10) << "\n";
  }
}

void WriteGamesJson(std::ostream& out, const std::vector<TGameListing>& games) {
  out << "{\"games\":[";
  for (std::size_t g = 0; g < games.size(); ++g) {
    const TGame& game = *games[g].Game;
    out << (g ? ",\n" : "\n") << "{\"id\":" << JsonString(game.Id)
        << ",\"name\":" << JsonString(game.Name) << ",\"deck\":" << JsonString(DeckText(game))
        << ",\"cards\":" << game.DeckSize << ",\"lines\":[";
    for (int l = 0; l < game.LineCount(); ++l)
      out << (l ? "," : "") << JsonString(game.LineName(l));
    out << "],\"presets\":[";
    for (std::size_t i = 0; i < games[g].Presets.size(); ++i) {
      const TPresetReturn& p = games[g].Presets[i];
      out << (i ? "," : "") << "{\"name\":" << JsonString(p.Preset->Name) << ",\"pays\":";
      WritePaysJson(out, PresetPays(game, *p.Preset));
      out << ",\"return\":" << p.Report.ReturnPercentText(12) << "}";
    }
    out << "]}";
  }
  out << "\n]}\n";
}
