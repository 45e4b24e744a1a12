// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "risk_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "card_text.h"

namespace {

std::string Bets(long long bets) {
  return std::to_string(bets) + (bets == 1 || bets == -1 ? " bet" : " bets");
}

std::string SignedBets(long long bets) {
  return (bets > 0 ? "+" : "") + Bets(bets);
}

std::string JsonNumber(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.12g", value);
  return buffer;
}

std::string Ordinal(int percent) {
  return std::to_string(percent) + "th";
}

void WriteNeedText(std::ostream& out, const TRiskAnswer& a) {
  const std::string risk = ChanceText(*a.AskedRisk);
  if (!a.Hands) {
    out << "Smallest bankroll for a long-run chance of ruin of at most " << risk << ": ";
    if (!a.Bankroll) {
      if (a.ReturnsOverOne)
        out << "more than " << Bets(kMaxRiskBankroll) << "\n";
      else
        out << "none: the table returns " << a.ReturnText
            << "%, not over 100%, and every bankroll is lost in the long run\n";
      return;
    }
  } else {
    out << "Smallest bankroll for a chance of ruin within " << *a.Hands << " hands of at most "
        << risk << ": ";
  }
  out << Bets(*a.Bankroll) << " (ruin " << ChanceText(a.Need->Ruin);
  if (*a.Bankroll > 1)
    out << "; with " << Bets(*a.Bankroll - 1) << " " << ChanceText(a.Need->RuinOneLess);
  out << ")\n";
}

void WriteSessionText(std::ostream& out, const TSessionRisk& s) {
  const std::string after = "after " + std::to_string(s.Hands) + " hands";
  out << "Bankroll " << Bets(s.Bankroll) << ", " << s.Hands << " hands, best play throughout\n"
      << "Chance of ruin within " << s.Hands << " hands: " << ChanceText(s.Ruin) << "\n"
      << "Chance of being ahead " << after << ": " << ChanceText(s.Ahead) << ", even "
      << ChanceText(s.Even) << ", behind " << ChanceText(s.Behind)
      << " (ruined sessions among them)\n"
      << "Expected result: " << Fixed(s.Expected, 2) << " bets, standard deviation "
      << Fixed(s.StandardDeviation, 2) << " bets\n"
      << "Percentiles of the result " << after << ":";
  const long long ceiling = s.LowestResult + static_cast<long long>(s.ResultChances.size()) - 1;
  for (std::size_t i = 0; i < s.Percentiles.size(); ++i) {
    const TPercentile& p = s.Percentiles[i];
    out << (i ? ", " : " ") << Ordinal(p.Percent) << " ";
    if (!p.Result) {
      out << "above " << SignedBets(ceiling);
      continue;
    }
    out << SignedBets(*p.Result);
    if (*p.Result == -s.Bankroll) out << " (ruined)";
  }
  out << "\n";
  char error[32];
  std::snprintf(error, sizeof error, "%.0e", std::max(s.RelativeError, 1e-16));
  out << "Counted exactly from the chance of every final hand (each chance above to within "
         "a relative "
      << error << ")\n";
}

}  // namespace

std::string ChanceText(double chance) {
  if (chance <= 0) return "0%";
  if (chance >= 1) return "100%";
  const double percent = 100 * chance;
  char buffer[40];
  if (percent < 0.001) {
    std::snprintf(buffer, sizeof buffer, "%.2e%%", percent);
    return buffer;
  }
  const double smaller = std::min(percent, 100 - percent);
  const int decimals = std::clamp(2 - static_cast<int>(std::floor(std::log10(smaller))), 2, 12);
  std::snprintf(buffer, sizeof buffer, "%.*f%%", decimals, percent);
  return buffer;
}

void WriteRiskText(std::ostream& out, const TRiskAnswer& a) {
  out << "Return under optimal play: " << a.ReturnText << "%\n";
  if (a.AskedRisk) WriteNeedText(out, a);
  if (a.Session) {
    WriteSessionText(out, *a.Session);
    return;
  }
  if (a.Hands || a.AskedRisk) return;
  out << "Bankroll " << Bets(*a.Bankroll) << ", playing on forever with best play\n"
      << "Long-run chance of ruin: " << ChanceText(a.LongRunRuin);
  if (a.ReturnsOverOne)
    out << " (falling below one bet at some time, however long the play goes on)\n";
  else
    out << " (certain: the table returns " << a.ReturnText
        << "%, not over 100%, and every bankroll is lost in the long run)\n";
}

void WriteRiskJson(std::ostream& out, const TRiskAnswer& a) {
  out << "{";
  if (!a.Game.empty()) {
    out << "\"game\":" << JsonString(a.Game) << ",\"pays\":[";
    for (std::size_t i = 0; i < a.Pays.size(); ++i) out << (i ? "," : "") << a.Pays[i];
    out << "],";
  }
  out << "\"paytable\":[";
  for (std::size_t i = 0; i < a.PayTable.size(); ++i) out << (i ? "," : "") << a.PayTable[i];
  out << "],\"origin\":" << JsonString(a.Origin) << ",\"return\":" << a.ReturnJson
      << ",\"returnsOver100\":" << (a.ReturnsOverOne ? "true" : "false") << ",\"hands\":";
  if (a.Hands)
    out << *a.Hands;
  else
    out << "\"forever\"";
  if (a.AskedRisk) out << ",\"risk\":" << JsonNumber(*a.AskedRisk);
  out << ",\"bankroll\":";
  if (a.Bankroll)
    out << *a.Bankroll;
  else
    out << "null";
  if (a.Need) out << ",\"ruinOneBetLess\":" << JsonNumber(a.Need->RuinOneLess);
  if (a.Session) {
    const TSessionRisk& s = *a.Session;
    out << ",\"ruin\":" << JsonNumber(s.Ruin) << ",\"ahead\":" << JsonNumber(s.Ahead)
        << ",\"even\":" << JsonNumber(s.Even) << ",\"behind\":" << JsonNumber(s.Behind)
        << ",\"expected\":" << JsonNumber(s.Expected)
        << ",\"standardDeviation\":" << JsonNumber(s.StandardDeviation) << ",\"percentiles\":{";
    for (std::size_t i = 0; i < s.Percentiles.size(); ++i) {
      const TPercentile& p = s.Percentiles[i];
      out << (i ? "," : "") << "\"" << p.Percent << "\":";
      if (p.Result)
        out << *p.Result;
      else
        out << "null";
    }
    out << "},\"relativeError\":" << JsonNumber(s.RelativeError);
  } else if (!a.Hands) {
    out << ",\"ruin\":";
    if (a.Bankroll)
      out << JsonNumber(a.LongRunRuin);
    else
      out << "null";
  }
  out << "}\n";
}
