// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "cli.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>

#include "card_text.h"
#include "game_odds.h"
#include "game_report.h"
#include "odds.h"
#include "play_stats.h"
#include "risk.h"
#include "risk_report.h"
#include "simulate.h"
#include "strategy_chart.h"
#include "strategy_report.h"
#include "whole_number.h"

namespace {

constexpr const char* kProgram = "lumaro-analyze";

struct TOptions {
  std::string Command;
  std::vector<std::string> Words;  // operands after the command
  std::map<std::string, std::string> Values;
  bool Json = false;
  bool Help = false;
};

const std::set<std::string> kValueOptions = {
    "--paytable",  "--seed", "--hands",    "--strategy", "--bet",  "--total", "--since",
    "--max-lines", "--hand", "--bankroll", "--risk",     "--game", "--pays",  "--preset"};
const std::set<std::string> kFlagOptions = {"--json", "--help"};

// Every option is taken once at most, in either form ("--seed 5" or "--seed=5").
TOptions ParseOptions(const std::vector<std::string>& args) {
  TOptions options;
  std::set<std::string> seen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if ((arg.size() > 2 && arg.compare(0, 2, "--") == 0) || arg == "-h") {
      std::string name = arg == "-h" ? "--help" : arg;
      std::optional<std::string> value;
      const auto eq = arg.find('=');
      if (eq != std::string::npos) {
        name = arg.substr(0, eq);
        value = arg.substr(eq + 1);
      }
      const bool flag = kFlagOptions.count(name) != 0;
      if (!flag && !kValueOptions.count(name)) throw TUsageError("unknown option " + Quoted(name));
      if (!seen.insert(name).second) throw TUsageError(name + " given twice");
      if (flag) {
        if (value) throw TUsageError(name + " takes no value");
        (name == "--json" ? options.Json : options.Help) = true;
        continue;
      }
      if (!value) {
        if (i + 1 >= args.size()) throw TUsageError(name + " needs a value");
        value = args[++i];
      }
      options.Values[name] = *value;
    } else if (options.Command.empty()) {
      options.Command = arg;
    } else {
      options.Words.push_back(arg);
    }
  }
  return options;
}

// Blanks around a number or a name are ignored, for every option alike.
long long NumberOption(const TOptions& options, const std::string& name, long long lo, long long hi,
                       std::optional<long long> fallback) {
  const auto it = options.Values.find(name);
  if (it == options.Values.end()) {
    if (!fallback) throw TUsageError(name + " is required");
    return *fallback;
  }
  const auto value = ParseSignedDecimal(TrimBlanks(it->second), lo, hi);
  if (!value)
    throw TUsageError("bad " + name + " " + Quoted(it->second) + ": expected a whole number " +
                      std::to_string(lo) + ".." + std::to_string(hi));
  return *value;
}

void RejectOptions(const TOptions& options, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (options.Values.count(name))
      throw TUsageError(std::string(name) + " does not apply to " + options.Command);
}

void PrintPayTable(std::ostream& out, const TStoredPayTable& table) {
  out << "Pay table H1..H9: " << PayTableText(table.Table) << " (" << table.Origin << ")\n";
}

// The pays a command counts with, in both forms: the game's pays for 1, and for Jacks or
// Better without --game today's nine multipliers, whose output stays as it was.
struct TTableInForce {
  TGamePays Game;
  TStoredPayTable Jacks;
  bool GameGiven = false;
};

void PrintTable(std::ostream& out, const TTableInForce& table) {
  if (table.GameGiven)
    WriteGameHeader(out, table.Game);
  else
    PrintPayTable(out, table.Jacks);
}

std::shared_ptr<const TDrawTables> TablesFor(const TTableInForce& table) {
  return table.GameGiven ? GameTables(*table.Game.Game) : TDrawTables::Build(2);
}

int RunReturn(const TTableInForce& inForce, bool json, std::ostream& out) {
  if (json || inForce.GameGiven) {
    const TReturnReport report = ComputeReturn(*TablesFor(inForce), UnitPaysOf(inForce.Game), 2);
    if (json)
      WriteReturnJson(out, inForce.Game, report);
    else
      WriteReturnText(out, inForce.Game, report);
    return kExitOk;
  }
  const TStoredPayTable& table = inForce.Jacks;
  const auto tables = TDrawTables::Build(2);
  const TReturnReport report = ComputeReturn(*tables, table.Table, 2);
  const TUnitPays pays = UnitPaysOf(table.Table);
  PrintPayTable(out, table);
  out << "Return under optimal play: " << report.ReturnPercentText(4) << "%\n\n";
  out << Padded("Final hand", 26) << PadLeft("Probability", 14) << PadLeft("Pays for 1", 13)
      << PadLeft("Return share", 15) << "\n";
  auto row = [&](const std::string& name, double p, std::optional<std::int64_t> pay) {
    out << Padded(name, 26) << PadLeft(Fixed(p, 10), 14)
        << PadLeft(pay ? std::to_string(*pay) : std::string(), 13)
        << PadLeft(pay ? Fixed(100.0 * p * static_cast<double>(*pay), 4) + "%" : std::string(), 15)
        << "\n";
  };
  for (int c = kHandCategoryCount - 1; c >= 0; --c) {
    const std::string name(kGridHeadings[static_cast<std::size_t>(c)]);
    if (c == hcPair) {
      row(name, report.Probability(ocLowPair) + report.Probability(ocHighPair), std::nullopt);
      row("  Jacks or Better", report.Probability(ocHighPair), pays[ocHighPair]);
      row("  Tens or lower", report.Probability(ocLowPair), pays[ocLowPair]);
    } else {
      const TOutcome o = c == hcNoPair ? ocNoPair : static_cast<TOutcome>(c + 1);
      row(name, report.Probability(o), pays[o]);
    }
  }
  return kExitOk;
}

int RunAdvise(const TTableInForce& table, const std::vector<THandCards>& hands, bool json,
              std::ostream& out) {
  const auto tables = TablesFor(table);
  const TUnitPays pays = UnitPaysOf(table.Game);
  std::vector<TAdvisedHand> advised(hands.size());
  for (std::size_t i = 0; i < hands.size(); ++i) {
    advised[i].Cards = hands[i];
    advised[i].Holds = RankHolds(*tables, hands[i], pays);
  }
  if (json) {
    WriteAdviceJson(out, table.Game, advised);
    return kExitOk;
  }
  PrintTable(out, table);
  WriteAdviceText(out, advised);
  return kExitOk;
}

void PrintCodes(std::ostream& out, const THandCards& cards) {
  out << '[';
  for (std::size_t i = 0; i < cards.size(); ++i) out << (i ? "," : "") << int{cards[i]};
  out << ']';
}

// The start of a simulated hand's JSON line: its number, the seed, the dealt and held cards
// and the final ones.
void PrintJsonDeal(std::ostream& out, long long hand, std::uint32_t seed, const THandCards& dealt,
                   std::uint8_t heldMask, const THandCards& final) {
  out << "{\"hand\":" << hand << ",\"seed\":" << seed << ",\"dealt\":";
  PrintCodes(out, dealt);
  out << ",\"held\":[";
  bool first = true;
  for (int i = 0; i < kHandSize; ++i)
    if (heldMask & (1 << i)) {
      out << (first ? "" : ",") << i + 1;
      first = false;
    }
  out << "],\"final\":";
  PrintCodes(out, final);
}

void PrintJsonHand(std::ostream& out, long long hand, const TSimulatedHand& r) {
  PrintJsonDeal(out, hand, r.SeedBefore, r.Dealt, r.HeldMask, r.Final);
  out << ",\"category\":" << int{r.Result.Category} << ",\"name\":\""
      << kGridHeadings[r.Result.Category] << "\",\"won\":" << (r.Won ? "true" : "false")
      << ",\"total\":" << r.Total << "}\n";
}

struct TSimulationRequest {
  TSimulationSetup Setup;
  long long Hands = 0;
  bool Json = false;
};

TSimulationRequest ParseSimulation(const TOptions& options) {
  TSimulationRequest request;
  TSimulationSetup& setup = request.Setup;
  setup.Seed = static_cast<std::uint32_t>(
      NumberOption(options, "--seed", 0, std::numeric_limits<std::uint32_t>::max(), std::nullopt));
  request.Hands = NumberOption(options, "--hands", 0, kMaxSimulatedHands, std::nullopt);
  setup.Bet = static_cast<std::int32_t>(NumberOption(options, "--bet", kMinBet, kMaxBet, kMinBet));
  setup.Total = static_cast<std::int32_t>(
      NumberOption(options, "--total", std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max(), kStartTotal));
  const auto strategy = options.Values.find("--strategy");
  const std::string name(
      TrimBlanks(strategy == options.Values.end() ? "optimal" : strategy->second));
  if (name == "optimal")
    setup.Strategy = stOptimal;
  else if (name == "none")
    setup.Strategy = stNone;
  else if (name == "all")
    setup.Strategy = stAll;
  else
    throw TUsageError("bad --strategy " + Quoted(name) + ": expected optimal, none or all");
  request.Json = options.Json;
  return request;
}

std::string DurationText(double seconds) {
  const long long s = std::llround(std::max(seconds, 0.0));
  if (s < 60) return std::to_string(s) + " s";
  if (s < 3600) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
  return std::to_string(s / 3600) + " h " + std::to_string(s / 60 % 60) + " min";
}

// The line that tells a player waiting at a terminal how far a long run has got. Quiet for
// the first second, so quick runs leave no trace; cleared at the end. The clock is read every
// `every` steps; with a unit the line counts them ("40% of 20000 hands, 8192 hands/s"),
// without one it gives the share done only.
class TProgressLine {
 public:
  TProgressLine(const TProgressOptions& options, long long total, bool json, long long every = 4096,
                std::string unit = "hands")
      : FTerminal(json && options.OutputIsTerminal ? nullptr : options.Terminal),
        FSeconds(options.Seconds ? options.Seconds : SteadySeconds),
        FTotal(std::max(total, 1LL)),
        FEvery(std::max(every, 1LL)),
        FUnit(std::move(unit)),
        FStart(FTerminal ? FSeconds() : 0) {}

  void Update(long long done) {
    // A simulated hand takes about a microsecond: the clock is not read for every one.
    if (FTerminal && done % FEvery == 0) Redraw(done);
  }

  void Finish() {
    if (FShown == 0) return;
    *FTerminal << '\r' << std::string(FShown, ' ') << '\r' << std::flush;
    FShown = 0;
  }

 private:
  static double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  void Redraw(long long done) {
    const double now = FSeconds();
    const double elapsed = now - FStart;
    if (elapsed < 1.0 || done <= 0 || (FShown != 0 && now - FLastDraw < 0.25)) return;
    FLastDraw = now;
    const double rate = static_cast<double>(done) / elapsed;
    std::string text = std::string(kProgram) + ": " + std::to_string(100 * done / FTotal) + "%";
    if (FUnit.empty())
      text += " counted, ";
    else
      text += " of " + std::to_string(FTotal) + " " + FUnit + ", " +
              std::to_string(std::llround(rate)) + " " + FUnit + "/s, ";
    text += DurationText(static_cast<double>(FTotal - done) / rate) + " left";
    const std::size_t length = text.size();
    if (length < FShown) text.append(FShown - length, ' ');
    *FTerminal << '\r' << text << std::flush;
    FShown = length;
  }

  std::ostream* FTerminal;
  std::function<double()> FSeconds;
  long long FTotal;
  long long FEvery;
  std::string FUnit;
  double FStart;
  double FLastDraw = 0;
  std::size_t FShown = 0;  // length of the line on the terminal, 0 when there is none
};

int RunSimulate(const TStoredPayTable& table, TSimulationRequest request,
                const TProgressOptions& progressOptions, std::ostream& out) {
  TSimulationSetup& setup = request.Setup;
  setup.PayTable = table.Table;
  const long long hands = request.Hands;
  TSimulator simulator(setup, setup.Strategy == stOptimal ? TDrawTables::Build(2) : nullptr);
  TProgressLine progress(progressOptions, hands, request.Json);
  if (request.Json) {
    for (long long h = 1; h <= hands; ++h) {
      PrintJsonHand(out, h, simulator.PlayHand());
      progress.Update(h);
    }
    progress.Finish();
    out.flush();
    return kExitOk;
  }
  for (long long h = 1; h <= hands; ++h) {
    simulator.PlayHand();
    progress.Update(h);
  }
  progress.Finish();
  PrintPayTable(out, table);
  out << simulator.Stats().SummaryText() << "\n"
      << simulator.Stats().HighHandsText() << "\n"
      << "Final total: " << simulator.Total() << "\n";
  return kExitOk;
}

void PrintJsonGameHand(std::ostream& out, long long hand, const TGame& game,
                       const TGameSimulatedHand& r) {
  PrintJsonDeal(out, hand, r.SeedBefore, r.Dealt, r.HeldMask, r.Final);
  out << ",\"outcome\":" << r.Outcome
      << ",\"name\":" << JsonString(game.Outcomes[static_cast<std::size_t>(r.Outcome)].Name)
      << ",\"won\":" << (r.Won ? "true" : "false") << ",\"total\":" << r.Total << "}\n";
}

// Any game picked with --game: the hands won and lost, how often each line came up, and the
// final total.
int RunGameSimulate(const TGamePays& table, const TSimulationRequest& request,
                    const TProgressOptions& progressOptions, std::ostream& out) {
  TGameSimulationSetup setup;
  setup.Seed = request.Setup.Seed;
  setup.Strategy = request.Setup.Strategy;
  setup.Bet = request.Setup.Bet;
  setup.Total = request.Setup.Total;
  setup.Table = table;
  const TGame& game = *table.Game;
  TGameSimulator simulator(setup, setup.Strategy == stOptimal ? GameTables(game) : nullptr);
  const long long hands = request.Hands;
  TProgressLine progress(progressOptions, hands, request.Json);
  for (long long h = 1; h <= hands; ++h) {
    const TGameSimulatedHand& r = simulator.PlayHand();
    if (request.Json) PrintJsonGameHand(out, h, game, r);
    progress.Update(h);
  }
  progress.Finish();
  if (request.Json) {
    out.flush();
    return kExitOk;
  }
  WriteGameHeader(out, table);
  out << "Hands: " << hands << ", won " << simulator.Won() << ", lost " << simulator.Lost() << "\n";
  for (int l = game.LineCount(); l-- > 0;)
    out << "  " << game.LineName(l) << ": " << simulator.OutcomeCounts()[game.OutcomeOfLine(l)]
        << "\n";
  out << "Final total: " << simulator.Total() << "\n";
  return kExitOk;
}

// --since DATE: YYYY-MM-DD, a real day, at local midnight.
std::int64_t ParseSinceDate(const std::string& text) {
  const auto bad = [&] {
    return TUsageError("bad --since " + Quoted(text) + ": expected a date YYYY-MM-DD");
  };
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') throw bad();
  for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (text[i] < '0' || text[i] > '9') throw bad();
  const int year = std::stoi(text.substr(0, 4));
  const unsigned month = static_cast<unsigned>(std::stoi(text.substr(5, 2)));
  const unsigned day = static_cast<unsigned>(std::stoi(text.substr(8, 2)));
  if (!std::chrono::year_month_day(std::chrono::year(year), std::chrono::month(month),
                                   std::chrono::day(day))
           .ok())
    throw bad();
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = static_cast<int>(month) - 1;
  local.tm_mday = static_cast<int>(day);
  local.tm_isdst = -1;  // whatever daylight saving time says for that day
  const std::time_t midnight = std::mktime(&local);
  if (midnight == static_cast<std::time_t>(-1)) throw bad();
  return static_cast<std::int64_t>(midnight);
}

THistoryRequest ParseHistory(const TOptions& options) {
  THistoryRequest request;
  request.Json = options.Json;
  const auto since = options.Values.find("--since");
  if (since != options.Values.end()) {
    request.Since = ParseSinceDate(since->second);
    request.SinceText = since->second;
  }
  return request;
}

// A command line checked in full, before any file is read or anything computed.
struct TStrategyRequest {
  int MaxLines = 0;
  std::optional<THandCards> Hand;
  std::optional<std::string> HandsFile;  // "-": standard input
  bool Json = false;
};

THandDeck DeckOf(const TGame& game) {
  return {game.DeckSize == 53, game.Name};
}

TStrategyRequest ParseStrategy(const TOptions& options, const TGame& game) {
  TStrategyRequest request;
  request.MaxLines = static_cast<int>(NumberOption(options, "--max-lines", 1, 999, 0));
  const auto hand = options.Values.find("--hand");
  const auto hands = options.Values.find("--hands");
  if (hand != options.Values.end() && hands != options.Values.end())
    throw TUsageError("--hand and --hands do not go together");
  if (hand != options.Values.end()) request.Hand = ParseHand({hand->second}, DeckOf(game));
  if (hands != options.Values.end()) {
    if (hands->second.empty())
      throw TUsageError("--hands needs a file name (- for standard input)");
    request.HandsFile = hands->second;
  }
  request.Json = options.Json;
  return request;
}

// `risk`: a bankroll (--bankroll B) or the risk it may run (--risk R), over a number of hands
// or playing on forever.
struct TRiskRequest {
  std::optional<long long> Bankroll;
  std::optional<double> MaxRuin;
  std::optional<long long> Hands;  // nothing: forever
  bool Json = false;
};

// "0.05" or "5%", strictly between 0 and 1.
double ParseRisk(const std::string& text) {
  const auto bad = [&] {
    return TUsageError("bad --risk " + Quoted(text) +
                       ": expected a chance between 0 and 1, such as 0.05 or 5%");
  };
  std::string_view number = TrimBlanks(text);
  const bool percent = !number.empty() && number.back() == '%';
  if (percent) number = TrimBlanks(number.substr(0, number.size() - 1));
  double value = 0;
  const auto [end, problem] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (number.empty() || problem != std::errc() || end != number.data() + number.size() ||
      !std::isfinite(value))
    throw bad();
  if (percent) value /= 100;
  if (!(value > 0 && value < 1)) throw bad();
  return value;
}

TRiskRequest ParseRiskRequest(const TOptions& options) {
  TRiskRequest request;
  const bool bankroll = options.Values.count("--bankroll") != 0;
  const bool risk = options.Values.count("--risk") != 0;
  if (bankroll && risk) throw TUsageError("--bankroll and --risk do not go together");
  if (!bankroll && !risk) throw TUsageError("--bankroll or --risk is required");
  if (bankroll)
    request.Bankroll = NumberOption(options, "--bankroll", 1, kMaxRiskBankroll, std::nullopt);
  if (risk) request.MaxRuin = ParseRisk(options.Values.at("--risk"));
  const auto hands = options.Values.find("--hands");
  if (hands == options.Values.end()) throw TUsageError("--hands is required");
  if (TrimBlanks(hands->second) != "forever") {
    const auto value = ParseSignedDecimal(TrimBlanks(hands->second), 1, kMaxRiskHands);
    if (!value)
      throw TUsageError("bad --hands " + Quoted(hands->second) + ": expected a whole number 1.." +
                        std::to_string(kMaxRiskHands) + " or forever");
    request.Hands = *value;
  }
  request.Json = options.Json;
  return request;
}

// One hand's exact pay under best play, with the return report it comes from.
struct THandPays {
  TReturnReport Report;
  TPayDistribution Pays;
};

THandPays HandPaysOf(const TTableInForce& table) {
  THandPays hand;
  hand.Report = ComputeReturn(*TablesFor(table), UnitPaysOf(table.Game), 2);
  hand.Pays = PayDistributionOf(hand.Report);
  return hand;
}

int RunRisk(const TTableInForce& table, const TRiskRequest& request,
            const TProgressOptions& progressOptions, std::ostream& out) {
  const THandPays hand = HandPaysOf(table);
  TRiskAnswer answer;
  if (table.GameGiven) {
    answer.Game = std::string(table.Game.Game->Id);
    answer.Pays = table.Game.Pays;
    for (const std::int64_t pay : table.Game.Pays) answer.PayTable.push_back(pay - 1);
  } else {
    answer.PayTable.assign(table.Jacks.Table.H.begin(), table.Jacks.Table.H.end());
  }
  answer.Origin = table.GameGiven ? table.Game.Origin : table.Jacks.Origin;
  answer.ReturnText = hand.Report.ReturnPercentText(4);
  answer.ReturnJson = hand.Report.ReturnPercentText(6);
  answer.ReturnsOverOne = ReturnsOverOne(hand.Pays);
  answer.Hands = request.Hands;
  answer.AskedRisk = request.MaxRuin;
  answer.Bankroll = request.Bankroll;
  if (request.Hands) {
    // The bankroll's search counts the hands once backwards, the session once forwards.
    const long long hands = *request.Hands;
    TProgressLine progress(progressOptions, request.MaxRuin ? 2 * hands : hands, request.Json, 1,
                           "");
    long long counted = 0;
    TRiskControl control;
    control.Progress = [&](long long done, long long) { progress.Update(counted + done); };
    if (request.MaxRuin) {
      answer.Need = BankrollForRisk(hand.Pays, *request.MaxRuin, hands, control);
      answer.Bankroll = answer.Need->Bankroll;
      counted = hands;
    }
    answer.Session = SessionRisk(hand.Pays, *answer.Bankroll, hands, control);
    progress.Finish();
  } else if (request.MaxRuin) {
    answer.Need = LongRunBankrollForRisk(hand.Pays, *request.MaxRuin);
    if (answer.Need) {
      answer.Bankroll = answer.Need->Bankroll;
      answer.LongRunRuin = answer.Need->Ruin;
    }
  } else {
    answer.LongRunRuin = LongRunRuin(hand.Pays, *answer.Bankroll);
  }
  if (request.Json) {
    WriteRiskJson(out, answer);
    return kExitOk;
  }
  PrintTable(out, table);
  WriteRiskText(out, answer);
  return kExitOk;
}

struct TRequest {
  std::string Command;  // help, games, return, advise, simulate, strategy, history or risk
  std::optional<THandCards> Cards;
  std::optional<std::string> HandsFile;  // advise --hands; "-": standard input
  std::optional<TSimulationRequest> Simulation;
  std::optional<TStrategyRequest> Strategy;
  std::optional<THistoryRequest> History;
  std::optional<TRiskRequest> Risk;
  const TGame* Game = &kJacksOrBetter;
  bool GameGiven = false;
  std::optional<TGamePays> GivenPays;  // --pays, --paytable or --preset
  bool Json = false;
};

// No hand takes more than this, blanks and commas between its cards included. A longer line
// is refused as soon as it is seen, so no input, not even /dev/zero, makes the reader hold
// more than one such line.
constexpr std::streamsize kLongestHandLine = 1024;
// Every hand is kept for the report; more than this in one run is refused, which bounds the
// memory of a file of valid hands too.
constexpr std::size_t kMostHands = 1'000'000;

// One hand a line; blank lines are skipped. A line that is not a hand stops everything.
std::vector<THandCards> ReadHands(const std::string& name, std::istream* input,
                                  const THandDeck& deck = {}) {
  std::ifstream file;
  std::istream* in = input ? input : &std::cin;
  if (name != "-") {
    file.open(name);
    if (!file) throw TUsageError("could not read " + Quoted(name) + ": " + std::strerror(errno));
    in = &file;
  }
  const std::string source = name == "-" ? std::string("standard input") : Quoted(name);
  std::vector<THandCards> hands;
  char text[kLongestHandLine + 1];
  for (long long line = 1;; ++line) {
    // Stops after kLongestHandLine characters with failbit set and the line not finished.
    in->getline(text, sizeof text);
    if (in->fail() && !in->bad() && !in->eof() && in->gcount() == kLongestHandLine)
      throw TUsageError(source + " line " + std::to_string(line) +
                        ": longer than any hand (more than " + std::to_string(kLongestHandLine) +
                        " characters)");
    if (in->fail()) break;
    // The count takes in the line break, when there was one.
    const std::string_view hand(text, static_cast<std::size_t>(in->gcount() - (in->eof() ? 0 : 1)));
    if (TrimBlanks(hand).empty()) continue;
    if (hands.size() == kMostHands)
      throw TUsageError(source + ": more than " + std::to_string(kMostHands) +
                        " hands (judge them in parts)");
    try {
      hands.push_back(ParseHand({std::string(hand)}, deck));
    } catch (const TUsageError& e) {
      throw TUsageError(source + " line " + std::to_string(line) + ": " + e.what());
    }
  }
  if (in->bad()) throw TUsageError("could not read " + source);
  return hands;
}

int RunStrategy(const TTableInForce& inForce, const TStrategyRequest& request, std::istream* input,
                std::ostream& out) {
  const TStoredPayTable& table = inForce.Jacks;
  const TGame& game = *inForce.Game.Game;
  std::vector<THandCards> hands;
  if (request.Hand) hands.push_back(*request.Hand);
  if (request.HandsFile) hands = ReadHands(*request.HandsFile, input, DeckOf(game));
  const auto tables = TablesFor(inForce);
  TChartOptions options;
  options.MaxLines = request.MaxLines;
  options.Words = &HoldWordsOf(game);
  TStrategyChart chart = inForce.GameGiven
                             ? BuildStrategyChart(*tables, UnitPaysOf(inForce.Game), options)
                             : BuildStrategyChart(*tables, table.Table, options);
  if (inForce.GameGiven) {
    chart.Game = &game;
    chart.GamePays = inForce.Game.Pays;
  }
  std::vector<THandVerdict> verdicts;
  for (const auto& hand : hands) verdicts.push_back(JudgeHand(*tables, chart, hand));
  const bool judged = request.Hand || request.HandsFile;
  if (request.Json) {
    WriteChartJson(out, chart, table.Origin, judged ? &verdicts : nullptr);
    return kExitOk;
  }
  PrintTable(out, inForce);
  if (judged)
    WriteHandsText(out, chart, verdicts);
  else
    WriteChartText(out, chart);
  return kExitOk;
}

// --game, and the pays of --pays, --paytable or --preset checked against the game's lines.
void ParseGameOptions(const TOptions& options, TRequest& request) {
  const auto game = options.Values.find("--game");
  if (game != options.Values.end()) {
    request.Game = FindGame(TrimBlanks(game->second));
    if (!request.Game)
      throw TUsageError("unknown game " + Quoted(game->second) +
                        " (lumaro-analyze games lists them)");
    request.GameGiven = true;
  }
  const auto paytable = options.Values.find("--paytable");
  const auto pays = options.Values.find("--pays");
  const auto preset = options.Values.find("--preset");
  const int given = (paytable != options.Values.end()) + (pays != options.Values.end()) +
                    (preset != options.Values.end());
  if (given > 1) throw TUsageError("--pays, --paytable and --preset do not go together");
  const TGame& g = *request.Game;
  TGamePays table;
  table.Game = &g;
  if (paytable != options.Values.end()) {
    table.Origin = "--paytable";
    if (request.GameGiven) {
      table.Pays = ParseGamePays(g, paytable->second, true);
    } else {
      // Today's option, its messages included.
      for (const std::int32_t m : ParsePayTable(paytable->second).H)
        table.Pays.push_back(PaysOfMultiplier(m));
    }
  } else if (pays != options.Values.end()) {
    table.Origin = "--pays";
    table.Pays = ParseGamePays(g, pays->second, false);
  } else if (preset != options.Values.end()) {
    const TPreset* found = FindPreset(g, preset->second);
    if (!found) {
      std::string names;
      for (const TPreset& p : g.Presets) names += (names.empty() ? "" : ", ") + std::string(p.Name);
      throw TUsageError("unknown preset " + Quoted(preset->second) + " of " + std::string(g.Name) +
                        " (" + names + ")");
    }
    table.Origin = "preset " + std::string(found->Name);
    table.Pays = PresetPays(g, *found);
  } else {
    return;
  }
  request.GivenPays = table;
}

TRequest ParseRequest(const std::vector<std::string>& args) {
  const TOptions options = ParseOptions(args);
  TRequest request;
  if (options.Help) {
    request.Command = "help";
    return request;
  }
  const std::string& command = options.Command;
  if (command.empty()) throw TUsageError("no command given (try --help)");
  if (command != "help" && command != "return" && command != "advise" && command != "simulate" &&
      command != "strategy" && command != "history" && command != "risk" && command != "games")
    throw TUsageError("unknown command " + Quoted(command) + " (try --help)");
  if (command != "advise" && !options.Words.empty())
    throw TUsageError("unexpected argument " + Quoted(options.Words.front()));
  if (command != "simulate") RejectOptions(options, {"--seed", "--strategy", "--bet", "--total"});
  if (command != "simulate" && command != "strategy" && command != "risk" && command != "advise")
    RejectOptions(options, {"--hands"});
  if (command != "risk") RejectOptions(options, {"--bankroll", "--risk"});
  if (options.Json && command == "help") throw TUsageError("--json does not apply to " + command);
  if (command != "strategy") RejectOptions(options, {"--max-lines", "--hand"});
  if (command != "history") RejectOptions(options, {"--since"});
  if (command == "help" || command == "history" || command == "games")
    RejectOptions(options, {"--paytable", "--pays", "--preset"});
  if (command == "help" || command == "games") RejectOptions(options, {"--game"});
  request.Command = command;
  request.Json = options.Json;
  ParseGameOptions(options, request);
  const TGame& game = *request.Game;
  if (command == "advise") {
    const auto hands = options.Values.find("--hands");
    if (hands != options.Values.end()) {
      if (!options.Words.empty()) throw TUsageError("advise takes CARDS or --hands FILE, not both");
      if (hands->second.empty())
        throw TUsageError("--hands needs a file name (- for standard input)");
      request.HandsFile = hands->second;
    } else {
      request.Cards = ParseHand(options.Words, DeckOf(game));
    }
  }
  if (command == "simulate") request.Simulation = ParseSimulation(options);
  if (command == "strategy") request.Strategy = ParseStrategy(options, game);
  if (command == "history") {
    request.History = ParseHistory(options);
    if (request.GameGiven) request.History->Game = request.Game;
  }
  if (command == "risk") request.Risk = ParseRiskRequest(options);
  return request;
}

int RunGames(bool json, std::ostream& out) {
  std::vector<TGameListing> listing;
  for (const TGame* game : kGames) {
    TGameListing entry;
    entry.Game = game;
    const auto tables = GameTables(*game);
    for (const TPreset& preset : game->Presets) {
      TGamePays pays;
      pays.Game = game;
      pays.Pays = PresetPays(*game, preset);
      entry.Presets.push_back({&preset, ComputeReturn(*tables, UnitPaysOf(pays), 2)});
    }
    listing.push_back(std::move(entry));
  }
  if (json)
    WriteGamesJson(out, listing);
  else
    WriteGamesText(out, listing);
  return kExitOk;
}

// The pays given on the command line; otherwise the player's table for Jacks or Better and
// the game's default preset for the others.
TTableInForce TableInForce(const TRequest& request, const TPayTableLoader& loadPayTable) {
  TTableInForce table;
  table.GameGiven = request.GameGiven;
  const TGame& game = *request.Game;
  if (request.GivenPays) {
    table.Game = *request.GivenPays;
  } else if (&game == &kJacksOrBetter) {
    const TStoredPayTable stored = loadPayTable();
    table.Game.Game = &game;
    table.Game.Origin = stored.Origin;
    for (const std::int32_t m : stored.Table.H) table.Game.Pays.push_back(PaysOfMultiplier(m));
  } else {
    const TPreset& preset = game.Presets[static_cast<std::size_t>(game.DefaultPreset)];
    table.Game.Game = &game;
    table.Game.Origin = "preset " + std::string(preset.Name);
    table.Game.Pays = PresetPays(game, preset);
  }
  if (&game == &kJacksOrBetter) {
    for (std::size_t k = 0; k < table.Jacks.Table.H.size(); ++k)
      table.Jacks.Table.H[k] = MultiplierOfPays(table.Game.Pays[k]);
    table.Jacks.Origin = table.Game.Origin;
  }
  return table;
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const TPayTableLoader& loadPayTable, const TProgressOptions& progress,
             const THistoryPrinter& printHistory, std::istream* input) {
  const TRequest request = ParseRequest(args);
  if (request.Command == "help") {
    out << AnalyzeHelpText();
    return kExitOk;
  }
  if (request.Command == "history") {
    if (!printHistory) throw std::logic_error("no hand history in this build");
    return printHistory(*request.History, out, err);
  }
  if (request.Command == "games") return RunGames(request.Json, out);
  const TTableInForce table = TableInForce(request, loadPayTable);
  if (request.Command == "return") return RunReturn(table, request.Json, out);
  if (request.Command == "advise") {
    const std::vector<THandCards> hands =
        request.HandsFile ? ReadHands(*request.HandsFile, input, DeckOf(*request.Game))
                          : std::vector<THandCards>{*request.Cards};
    return RunAdvise(table, hands, request.Json, out);
  }
  if (request.Command == "strategy") return RunStrategy(table, *request.Strategy, input, out);
  if (request.Command == "risk") return RunRisk(table, *request.Risk, progress, out);
  if (request.GameGiven) return RunGameSimulate(table.Game, *request.Simulation, progress, out);
  return RunSimulate(table.Jacks, *request.Simulation, progress, out);
}

}  // namespace

int RunAnalyze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const TPayTableLoader& loadPayTable, const TProgressOptions& progress,
               const THistoryPrinter& printHistory, std::istream* input) {
  try {
    return Dispatch(args, out, err, loadPayTable, progress, printHistory, input);
  } catch (const TUsageError& e) {
    err << kProgram << ": " << e.what() << "\n";
    return kExitUsage;
  }
}

std::optional<std::string> CommandLineProblem(const std::vector<std::string>& args) {
  try {
    ParseRequest(args);
    return std::nullopt;
  } catch (const TUsageError& e) {
    return e.what();
  }
}

namespace {

// Each game's id, name, deck and lines, from the game list itself.
std::string GamesHelpText() {
  std::string text;
  for (const TGame* game : kGames) {
    const TPreset& full = game->Presets[0];
    std::string line = "  " + std::string(game->Id);
    line.append(line.size() < 27 ? 27 - line.size() : 1, ' ');
    line += std::string(game->Name) + ", " + std::string(DeckText(*game)) + ":";
    for (int l = 0; l < game->LineCount(); ++l) {
      const std::string part = " " + std::string(game->LineName(l)) + " (" +
                               std::to_string(full.Pays[static_cast<std::size_t>(l)]) + ")" +
                               (l + 1 < game->LineCount() ? "," : ".");
      const std::size_t start = line.rfind('\n') == std::string::npos ? 0 : line.rfind('\n') + 1;
      if (line.size() - start + part.size() > 90) {
        text += line + "\n";
        line = std::string(26, ' ');
      }
      line += part;
    }
    text += line + "\n";
  }
  return text;
}

}  // namespace

std::string AnalyzeHelpText() {
  return R"(Usage: lumaro-analyze COMMAND [OPTIONS]

Exact odds, best holds, session simulation and strategy charts for Lumaro's pay table or
any of its games, and the summary of the hands the game recorded.

Commands:
  games [--json]           Every game: its id, name, deck and wild cards, its lines
                           lowest first, and its presets with the return of each under
                           optimal play, counted exactly. --json prints one JSON
                           document.
  return [--json]          The return of the pay table under optimal play (every deal
                           and every hold counted exactly) and how often each final
                           hand comes up under that play. With --game, also the
                           variance, standard deviation and hit frequency (the chance
                           that a hand pays anything) of one hand's pay for 1. --json
                           prints one JSON object: game, pays, return (per cent, full
                           precision), variance, standard_deviation, hit_frequency,
                           lines (name, pays, probability, return_share in per cent of
                           the stake; lowest line first) and losing_probability.
  advise CARDS | --hands FILE [--json]
                           The expected pay of all 32 holds of five cards, best first.
                           Cards like "AS KH TD 2C 9S": rank A K Q J T 9..2 (or 10),
                           suit S H C D, any case; the joker is JK (or Joker), in Joker
                           Poker only. --hands FILE judges one hand a line (- for
                           standard input; a line of up to 1024 characters, up to
                           1000000 hands). --json prints {"hands": [{"hand": [...],
                           "holds": [{"held": [...], "value": V}, ...]}, ...]}: all 32
                           holds best first, the held cards in the order given, V the
                           expected pay for 1.
  simulate --seed N --hands K [--strategy optimal|none|all] [--bet B] [--total T] [--json]
                           Plays K hands exactly as the game does, its generator seeded
                           with N (0..4294967295), and prints the game's two statistics
                           lines and the final total. K is 0..2147483647, the most the
                           game's statistics count. Strategy: optimal holds (default),
                           none (draw five), all (stand pat). Bet 5..1000 (default 5),
                           starting total -2147483648..2147483647 (default 1000).
                           --json prints one line per hand instead: the seed before the
                           shuffle, the dealt card codes, the held positions, the final
                           codes, the category, won or lost, and the total after.
                           With --game, any game is played from a fresh shuffle of its
                           deck each hand (the joker's 53 cards for Joker Poker), and
                           the hands won and lost and each line's count are printed;
                           --json lines give the outcome's index and name instead of the
                           category.
                           A run that takes over a second shows its progress (percentage,
                           hands per second, time left) on standard error when that is a
                           terminal, unless --json lines go to that terminal too.
  strategy [--max-lines N] [--hand CARDS | --hands FILE] [--json]
                           The strategy chart of the pay table: hold the first line
                           that fits the hand. Each line shows how many deals it
                           decides and an example; below, the chart's exact return,
                           the return of optimal play and what the chart gives up.
                           The chart is built from the exact value of every hold of
                           every deal. --max-lines N (1..999) keeps it to N lines in
                           all, the closing "discard everything" among them, that lose
                           least.
                           Any game (--game with --pays, --paytable or --preset) has
                           its chart in its own words: a Deuces Wild line begins with
                           the deuces held, a Joker Poker line with the joker or not,
                           a bonus game names three and four of a kind by rank and
                           kicker. A full chart has at most 40 lines.
                           --hand CARDS, or --hands FILE with one hand a line (- for
                           standard input; a line of up to 1024 characters, up to
                           1000000 hands), shows for each hand the line that fits,
                           the hold it gives, the best hold and what the chart's hold
                           gives up there. --json prints all of it as one JSON
                           document: the lines, the returns and, for each hand, the
                           line, the chart's hold and the best hold (cards in the
                           order given).
  history [--game ID] [--since DATE] [--json]
                           The hand history the game records: the totals, each session
                           (hands, best play rate, cost of the mistakes per 100 hands,
                           its game: a session is one game) and the ten costliest
                           situations of the hands played for money (the pattern held
                           against the pattern that was best, in the words of the
                           hand's game), from history.sqlite in $XDG_DATA_HOME/lumaro
                           (or ~/.local/share/lumaro). --game keeps that game's
                           sessions. --since keeps the sessions started on or after
                           DATE, YYYY-MM-DD at local midnight (any other text is bad
                           input). --json prints one JSON document instead. The file
                           is only read, never created or changed, nothing is left beside
                           it, and a game or another program writing it meanwhile is not
                           waited for: what it has committed is read. Without a file the
                           summary is empty, with a note; one it can't read (damaged, of
                           another version, no regular file, not readable) gives the
                           reason and exit status 1.
  risk (--bankroll B | --risk R) --hands N|forever [--json]
                           How a session of N hands from a bankroll of B bets goes
                           (one bet = one hand's stake, best play throughout), counted
                           exactly from the chance of every final hand: the chance of
                           ruin (the bankroll falls below one bet before the N hands
                           are played), the chances of being ahead, even and behind
                           after them (ruined sessions are behind), the expected
                           result, its standard deviation and its 5th, 50th and 95th
                           percentiles. B is 1..1000000000, N 1..100000.
                           --risk R (between 0 and 1, such as 0.05 or 5%) instead
                           finds the smallest bankroll whose chance of ruin within N
                           hands is at most R, and gives its session. --hands forever
                           gives the chance of ever being ruined playing on: below 1
                           only for a table that returns over 100%. --json prints
                           one JSON object. A count that takes over a second shows its
                           progress on standard error when that is a terminal, as
                           simulate does.
  help                     This text.

Options:
  --game ID                The game (ids below); jacks, the game's own, by default.
                           Without --game every command prints what it always printed;
                           with it, return, advise, risk, simulate and strategy name the
                           game and its pays, and history keeps that game's sessions.
  --paytable H1,...,H9     The nine multipliers, Jacks or Better up to Royal Flush. A win
                           adds multiplier x bet and keeps the stake (pays multiplier + 1
                           for 1); no pair and pairs below jacks lose the bet. Without it
                           the player's pay table is read from Quorvel.ini in
                           $XDG_CONFIG_HOME (or ~/.config), as the game reads it. With
                           --game, the game's multipliers M1,...,Mn, lowest line first,
                           0..2147483647 each.
  --pays P1,...,Pn         What the game's n lines pay for 1, as casinos print it,
                           lowest line first, 0..2147483648 each (a royal of 4000 for 5
                           coins is 800).
  --preset NAME            One of the game's pay tables by name (games lists them), such
                           as 9/6 or "Not So Ugly Ducks". Without --paytable, --pays or
                           --preset a game other than jacks is counted with its first
                           preset, its full-pay table.
  --help                   This text.

Blanks around a number, a name or a multiplier are ignored; every option may be given
once.

Games (pays for 1 of the full-pay table in brackets):
)" + GamesHelpText() +
         R"(
Wild cards: a wild card stands for any card, so five of a kind exists, and a hand takes the
highest line any choice of its wild cards reaches. In Deuces Wild the four 2s are wild; in
Joker Poker the joker is, and it may stand for a card of a rank or suit the hand already
holds. A Natural Royal Flush has no wild card, a Wild Royal Flush at least one.

Exit status: 0 on success, 2 for bad input (with a one-line message), 1 when the run
fails otherwise (the output can't be written, for one).
)";
}
