// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "card_text.h"
#include "game.h"

namespace {

struct TRun {
  int Code = -1;
  std::string Out;
  std::string Err;
  int Loads = 0;
};

TRun RunTool(std::vector<std::string> args, const TProgressOptions& progress = {},
             const std::string& input = "") {
  TRun run;
  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in(input);
  run.Code = RunAnalyze(
      args, out, err,
      [&run] {
        ++run.Loads;
        TStoredPayTable stored;
        stored.Table = ParsePayTable("0,1,2,3,5,8,24,49,799");
        stored.Origin = "player's file";
        return stored;
      },
      progress, {}, &in);
  run.Out = out.str();
  run.Err = err.str();
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(Cli, BadInputGivesOneLineAndExitCodeTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"return", "--paytable", "1,2,3"}, "malformed pay table '1,2,3'"},
      {{"advise", "AS KH TD 2C XS"}, "bad card 'XS'"},
      {{"advise", "AS KH TD 2C as"}, "duplicated card AS"},
      {{"advise", "AS KH TD 2C"}, "expected five cards, got 4"},
      {{"advise", "AS", "KH", "TD", "2C", "3C", "4C"}, "expected five cards, got 6"},
      {{}, "no command given"},
      {{"odds"}, "unknown command 'odds'"},
      {{"return", "--fast"}, "unknown option '--fast'"},
      {{"advise", "AS KH TD 2C 9\nS"}, "bad card '9?S'"},
      {{"return", "--paytable", std::string(100, '7')}, "malformed pay table '7777777777"},
      {{"return", "extra"}, "unexpected argument 'extra'"},
      {{"return", "--seed", "3"}, "--seed does not apply to return"},
      {{"advise", "AS KH TD 2C JK"}, "bad card 'JK': Jacks or Better has no joker"},
      {{"simulate", "--hands", "10"}, "--seed is required"},
      {{"simulate", "--seed", "1"}, "--hands is required"},
      {{"simulate", "--seed", "-1", "--hands", "1"}, "bad --seed '-1'"},
      {{"simulate", "--seed", "4294967296", "--hands", "1"}, "bad --seed"},
      {{"simulate", "--seed", "1", "--hands", "1x"}, "bad --hands '1x'"},
      {{"simulate", "--seed", "1", "--hands", "1", "--bet", "4"}, "bad --bet '4'"},
      {{"simulate", "--seed", "1", "--hands", "1", "--bet", "1001"}, "bad --bet"},
      {{"simulate", "--seed", "1", "--hands", "1", "--strategy", "best"}, "bad --strategy 'best'"},
      {{"simulate", "--seed", "1", "--seed", "2", "--hands", "1"}, "--seed given twice"},
      {{"simulate", "--seed"}, "--seed needs a value"},
      {{"simulate", "--seed", "1", "--hands", "1", "--total", "+-5"}, "bad --total '+-5'"},
      {{"simulate", "--seed", "1", "--hands", "2147483648"}, "bad --hands '2147483648'"},
      {{"help", "extra"}, "unexpected argument 'extra'"},
      {{"help", "--json"}, "--json does not apply to help"},
      {{"strategy", "--json", "--json"}, "--json given twice"},
      {{"strategy", "--json=yes"}, "--json takes no value"},
      {{"--help", "-h"}, "--help given twice"},
      {{"strategy", "--max-lines", "0"}, "bad --max-lines '0'"},
      {{"strategy", "--max-lines", "1000"}, "bad --max-lines '1000'"},
      {{"strategy", "--hand", "AS KS"}, "expected five cards, got 2"},
      {{"strategy", "--hand", "AS KS QS JS TS", "--hands", "-"}, "--hand and --hands do not go"},
      {{"strategy", "--hands", ""}, "--hands needs a file name"},
      {{"strategy", "--seed", "1"}, "--seed does not apply to strategy"},
      {{"strategy", "AS"}, "unexpected argument 'AS'"},
      {{"return", "--max-lines", "5"}, "--max-lines does not apply to return"},
      {{"return", "--hands", "5"}, "--hands does not apply to return"},
      {{"advise", "AS KH TD 2C 9S", "--hand", "AS KH TD 2C 9S"}, "--hand does not apply to advise"},
      {{"return", "--paytable", "0,1,2,3,4,7,11,49,2147483648"}, "malformed pay table"},
      {{"risk", "--hands", "10"}, "--bankroll or --risk is required"},
      {{"risk", "--bankroll", "10"}, "--hands is required"},
      {{"risk", "--bankroll", "10", "--risk", "0.1", "--hands", "5"}, "--bankroll and --risk do"},
      {{"risk", "--bankroll", "0", "--hands", "5"},
       "bad --bankroll '0': expected a whole number 1.."},
      {{"risk", "--bankroll", "1.5", "--hands", "5"}, "bad --bankroll '1.5'"},
      {{"risk", "--bankroll", "1000000001", "--hands", "5"}, "bad --bankroll"},
      {{"risk", "--bankroll", "5", "--hands", "0"},
       "bad --hands '0': expected a whole number 1..100000 or forever"},
      {{"risk", "--bankroll", "5", "--hands", "100001"}, "bad --hands '100001'"},
      {{"risk", "--bankroll", "5", "--hands", "always"}, "bad --hands 'always'"},
      {{"risk", "--risk", "1", "--hands", "5"},
       "bad --risk '1': expected a chance between 0 and 1"},
      {{"risk", "--risk", "0%", "--hands", "5"}, "bad --risk '0%'"},
      {{"risk", "--risk", "120%", "--hands", "5"}, "bad --risk '120%'"},
      {{"risk", "--risk", "nan", "--hands", "5"}, "bad --risk 'nan'"},
      {{"risk", "--risk", "0.05x", "--hands", "5"}, "bad --risk '0.05x'"},
      {{"risk", "--bankroll", "5", "--hands", "5", "--seed", "1"}, "--seed does not apply to risk"},
      {{"return", "--bankroll", "5"}, "--bankroll does not apply to return"},
      {{"simulate", "--seed", "1", "--hands", "1", "--risk", "0.1"},
       "--risk does not apply to simulate"},
  };
  for (const auto& [args, message] : cases) {
    const TRun run = RunTool(args);
    SCOPED_TRACE(run.Err);
    EXPECT_EQ(run.Code, kExitUsage);
    EXPECT_EQ(run.Err.rfind("lumaro-analyze: " + message, 0), 0u);
    EXPECT_EQ(Lines(run.Err).size(), 1u);
    EXPECT_EQ(run.Out, "");
    // Nothing is read from the player's file for a command line that is wrong anyway.
    EXPECT_EQ(run.Loads, 0);
  }
}

TEST(Cli, HelpNamesEveryCommand) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h"}, {"help"}}) {
    const TRun run = RunTool(args);
    EXPECT_EQ(run.Code, kExitOk);
    EXPECT_EQ(run.Err, "");
    for (const char* word : {"return", "advise CARDS", "simulate --seed N --hands K", "--paytable"})
      EXPECT_NE(run.Out.find(word), std::string::npos) << word;
  }
}

TEST(Cli, AdviseRanksAllHoldsWithThePlayersTable) {
  const TRun run = RunTool({"advise", "ts", "js", "qs", "ks", "3s"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  EXPECT_EQ(run.Loads, 1);
  const auto lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 3u + 32u);
  EXPECT_EQ(lines[0], "Pay table H1..H9: 0,1,2,3,5,8,24,49,799 (player's file)");
  EXPECT_EQ(lines[1], "Hand: TS JS QS KS 3S");
  // Four to the royal: 1 royal, 1 straight flush, 6 flushes, 6 straights, 9 pairs of jacks
  // among the 47 draws.
  const double fourToRoyal = (800.0 + 50 + 6 * 6 + 6 * 4 + 9 * 1) / 47;
  EXPECT_EQ(lines[3], " 1  " + std::to_string(fourToRoyal).substr(0, 9) + "  TS JS QS KS");
  EXPECT_NE(run.Out.find("  (nothing, draw five)\n"), std::string::npos);
}

TEST(Cli, GivenPayTableWinsOverTheStoredOne) {
  const TRun run = RunTool({"advise", "--paytable=0,1,2,3,5,8,24,49,49", "TH JH QH KH 3H"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  EXPECT_EQ(run.Loads, 0);
  const auto lines = Lines(run.Out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Pay table H1..H9: 0,1,2,3,5,8,24,49,49 (--paytable)");
  EXPECT_EQ(lines[3], " 1  6.000000  TH JH QH KH 3H");
}

TEST(Cli, SimulatePrintsTheGameStatisticsOrOneJsonLinePerHand) {
  const TRun json = RunTool({"simulate", "--seed", "0", "--hands", "40", "--strategy", "none",
                             "--json", "--bet", "10", "--total", "500"});
  ASSERT_EQ(json.Code, kExitOk) << json.Err;
  const auto hands = Lines(json.Out);
  ASSERT_EQ(hands.size(), 40u);
  EXPECT_EQ(
      hands[0].rfind("{\"hand\":1,\"seed\":0,\"dealt\":[33,39,45,5,4],\"held\":[],\"final\":[", 0),
      0u)
      << hands[0];
  EXPECT_NE(hands[1].find("\"seed\":884892524,"), std::string::npos) << hands[1];
  const std::string last = hands.back();
  const std::string total =
      last.substr(last.find("\"total\":") + 8, last.size() - last.find("\"total\":") - 9);

  const TRun text = RunTool({"simulate", "--seed", "0", "--hands", "40", "--strategy", "none",
                             "--bet", "10", "--total", "500"});
  ASSERT_EQ(text.Code, kExitOk) << text.Err;
  const auto lines = Lines(text.Out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].rfind("Player has Won ", 0), 0u);
  EXPECT_EQ(lines[3], "Final total: " + total);
}

// A terminal sees one line redrawn in place once a run has taken a second, then cleared;
// quick runs, other outputs and the results themselves are untouched.
TEST(Cli, SimulateShowsProgressOnATerminalOnlyWhenSlow) {
  const std::vector<std::string> args = {"simulate", "--seed",     "3",   "--hands",
                                         "20000",    "--strategy", "none"};
  const TRun plain = RunTool(args);
  auto runWithClock = [&](double step, std::vector<std::string> extra, bool outputIsTerminal) {
    std::ostringstream terminal;
    double now = 0;
    TProgressOptions progress;
    progress.Terminal = &terminal;
    progress.OutputIsTerminal = outputIsTerminal;
    progress.Seconds = [&now, step] { return now += step; };
    std::vector<std::string> all = args;
    all.insert(all.end(), extra.begin(), extra.end());
    const TRun run = RunTool(all, progress);
    EXPECT_EQ(run.Code, kExitOk) << run.Err;
    EXPECT_EQ(run.Err, "");
    return std::make_pair(run, terminal.str());
  };

  // The clock is read at the start and after every 4096 hands, half a second apart.
  const auto [slow, shown] = runWithClock(0.5, {}, false);
  EXPECT_EQ(slow.Out, plain.Out);
  std::vector<std::string> frames;
  std::istringstream in(shown);
  for (std::string frame; std::getline(in, frame, '\r');) frames.push_back(frame);
  ASSERT_EQ(frames.size(), 5u) << shown;
  EXPECT_EQ(frames[0], "");
  EXPECT_EQ(frames[1], "lumaro-analyze: 40% of 20000 hands, 8192 hands/s, 1 s left");
  EXPECT_EQ(frames[3].rfind("lumaro-analyze: 81% of 20000 hands, ", 0), 0u) << frames[3];
  EXPECT_EQ(frames[4], std::string(frames[3].size(), ' '));
  EXPECT_EQ(shown.back(), '\r');

  EXPECT_EQ(runWithClock(0.1, {}, false).second, "");
  EXPECT_EQ(runWithClock(0.5, {"--json"}, true).second, "");
  EXPECT_NE(runWithClock(0.5, {"--json"}, false).second, "");
}

// A count reads the clock after every hand it counts, and says how far it has got in percent.
TEST(Cli, RiskShowsItsProgressOnATerminal) {
  const std::vector<std::string> args = {"risk", "--risk", "0.1", "--hands", "40"};
  std::ostringstream terminal;
  double now = 0;
  TProgressOptions progress;
  progress.Terminal = &terminal;
  progress.Seconds = [&now] { return now += 0.3; };
  const TRun run = RunTool(args, progress);
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  EXPECT_EQ(run.Out, RunTool(args).Out);
  const std::string shown = terminal.str();
  // Both counts, 80 hands in all: the first frame after a second, at the fourth hand.
  EXPECT_EQ(shown.rfind("\rlumaro-analyze: 5% counted, 23 s left\r", 0), 0u) << shown;
  EXPECT_NE(shown.find("\rlumaro-analyze: 100% counted, 0 s left\r"), std::string::npos);
  EXPECT_EQ(shown.back(), '\r');
}

// Blanks around numbers and names count for nothing, whichever the option.
TEST(Cli, BlanksAroundValuesAreIgnoredForEveryOption) {
  const TRun blanks =
      RunTool({"simulate", "--seed", " 0", "--hands=2 ", "--strategy", "\tall ", "--bet", " 10",
               "--total", "500 ", "--paytable", " 0, 1,2,3,4,7,11,49,99"});
  const TRun plain =
      RunTool({"simulate", "--seed", "0", "--hands", "2", "--strategy", "all", "--bet", "10",
               "--total", "500", "--paytable", "0,1,2,3,4,7,11,49,99"});
  ASSERT_EQ(blanks.Code, kExitOk) << blanks.Err;
  EXPECT_EQ(blanks.Out, plain.Out);
}

// The table keeps a blank between its columns for the largest multipliers too.
TEST(Cli, ReturnColumnsStayApartForTheLargestMultipliers) {
  const TRun run = RunTool({"return", "--paytable",
                            "2147483647,2147483647,2147483647,1,1,1,1,1,"
                            "2147483647"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  const auto lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 4u + 12u);
  EXPECT_EQ(lines[11].rfind("2 Pair", 0), 0u);
  EXPECT_NE(lines[11].find(" 2147483648 "), std::string::npos) << lines[11];
}

TEST(Cli, StrategyPrintsTheChartWithItsCost) {
  const TRun run = RunTool({"strategy", "--max-lines", "15"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  const auto lines = Lines(run.Out);
  ASSERT_GE(lines.size(), 3u + 15u + 4u);
  EXPECT_EQ(lines[0], "Pay table H1..H9: 0,1,2,3,5,8,24,49,799 (player's file)");
  EXPECT_EQ(lines[2], "Line   Deals  Example (held | drawn)  Pattern");
  EXPECT_EQ(lines[3].rfind("   1  ", 0), 0u) << lines[3];
  // Fifteen lines in all, "discard everything" the last of them.
  EXPECT_EQ(lines[17].rfind("  15  ", 0), 0u) << lines[17];
  EXPECT_NE(lines[17].find("  | 5D 6D 8C 9H TS "), std::string::npos) << lines[17];
  EXPECT_EQ(lines[17].substr(lines[17].size() - 20), "  discard everything");
  const std::size_t n = lines.size();
  EXPECT_EQ(lines[n - 3].rfind("Return holding by the chart: 99.4", 0), 0u) << lines[n - 3];
  EXPECT_NE(lines[n - 3].find("% (15 lines)"), std::string::npos);
  EXPECT_EQ(lines[n - 2], "Return under optimal play:   99.5439%");
  EXPECT_EQ(lines[n - 1].rfind("The chart gives up 0.0", 0), 0u) << lines[n - 1];
}

TEST(Cli, AOneLineChartKeepsItsColumns) {
  // Its one line decides every deal: "100.000%" is the widest share there is.
  const TRun run = RunTool({"strategy", "--max-lines", "1"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  const auto lines = Lines(run.Out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[3].find("100.000%  |"), lines[2].find("Deals") - 3) << lines[3];
  EXPECT_EQ(lines[3].find("| "), lines[2].find("Example")) << lines[2] << "\n" << lines[3];
  EXPECT_EQ(lines[3].find("discard everything"), lines[2].find("Pattern")) << lines[3];
}

TEST(Cli, StrategyJudgesHandsAsTextOrOneJsonDocument) {
  const TRun text = RunTool({"strategy", "--paytable", "0,1,2,3,5,8,24,49,799", "--hands", "-"}, {},
                            "AS KS QS JS 9H\n\n  2c 3d 4h 5s 7c\n");
  ASSERT_EQ(text.Code, kExitOk) << text.Err;
  EXPECT_EQ(text.Loads, 0);
  const auto lines = Lines(text.Out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(
      lines[3],
      "AS KS QS JS 9H     2  AS KS QS JS     AS KS QS JS      0.000000  four to a royal flush");
  EXPECT_EQ(lines[4].rfind("2C 3D 4H 5S 7C", 0), 0u);

  const TRun bad = RunTool({"strategy", "--hands", "-"}, {}, "AS KS QS JS 9H\nAS KS\n");
  EXPECT_EQ(bad.Code, kExitUsage);
  EXPECT_EQ(bad.Err, "lumaro-analyze: standard input line 2: expected five cards, got 2\n");
  EXPECT_EQ(bad.Out, "");

  // The chart's hold gives up something against the best one: a high pair over a royal draw.
  const TRun json = RunTool({"strategy", "--json", "--hand", "QS JS 9S QH 3C"});
  ASSERT_EQ(json.Code, kExitOk) << json.Err;
  const std::string& doc = json.Out;
  EXPECT_EQ(doc.rfind("{\"paytable\":[0,1,2,3,5,8,24,49,799],\"origin\":\"player's file\","
                      "\"lines\":[{\"line\":1,\"pattern\":",
                      0),
            0u)
      << doc;
  EXPECT_NE(doc.find(",\"chartReturn\":99.5"), std::string::npos);
  EXPECT_NE(doc.find(",\"bestReturn\":99.543904,"), std::string::npos);
  EXPECT_NE(doc.find(",\"hands\":[{\"hand\":[\"QS\",\"JS\",\"9S\",\"QH\",\"3C\"],\"line\":"),
            std::string::npos);
  EXPECT_NE(doc.find(",\"chartHold\":[\"QS\",\"QH\"],\"bestHold\":[\"QS\",\"QH\"],"),
            std::string::npos)
      << doc;
  EXPECT_EQ(doc.back(), '\n');
  EXPECT_EQ(std::count(doc.begin(), doc.end(), '\n'), 1);
  EXPECT_EQ(std::count(doc.begin(), doc.end(), '{'), std::count(doc.begin(), doc.end(), '}'));
  EXPECT_EQ(std::count(doc.begin(), doc.end(), '['), std::count(doc.begin(), doc.end(), ']'));
}

TEST(Cli, RiskPrintsTheSessionOrTheBankrollForARisk) {
  const TRun text = RunTool({"risk", "--bankroll", "160", "--hands", "1600"});
  ASSERT_EQ(text.Code, kExitOk) << text.Err;
  EXPECT_EQ(text.Loads, 1);
  const auto lines = Lines(text.Out);
  ASSERT_EQ(lines.size(), 8u) << text.Out;
  EXPECT_EQ(lines[0], "Pay table H1..H9: 0,1,2,3,5,8,24,49,799 (player's file)");
  EXPECT_EQ(lines[2], "Bankroll 160 bets, 1600 hands, best play throughout");
  EXPECT_EQ(lines[3], "Chance of ruin within 1600 hands: 8.15%");
  EXPECT_EQ(lines[6].rfind("Percentiles of the result after 1600 hands: 5th -160 bets (ruined), "
                           "50th -",
                           0),
            0u)
      << lines[6];

  const TRun json = RunTool(
      {"risk", "--risk", "5%", "--hands=1000", "--json", "--paytable", "0,1,2,3,5,8,24,49,799"});
  ASSERT_EQ(json.Code, kExitOk) << json.Err;
  const std::string& doc = json.Out;
  EXPECT_EQ(doc.rfind("{\"paytable\":[0,1,2,3,5,8,24,49,799],\"origin\":\"--paytable\","
                      "\"return\":99.543904,\"returnsOver100\":false,\"hands\":1000,"
                      "\"risk\":0.05,\"bankroll\":132,\"ruinOneBetLess\":0.05",
                      0),
            0u)
      << doc;
  for (const char* key : {"\"ruin\":0.049", "\"ahead\":", "\"even\":", "\"behind\":",
                          "\"expected\":-", "\"standardDeviation\":", "\"percentiles\":{\"5\":-"})
    EXPECT_NE(doc.find(key), std::string::npos) << key;
  EXPECT_EQ(std::count(doc.begin(), doc.end(), '\n'), 1);
}

// Playing on forever: certain ruin said so under 100 %, a chance and a bankroll above it.
TEST(Cli, RiskForeverSaysWhenRuinIsCertain) {
  const TRun under = RunTool({"risk", "--bankroll", "5000", "--hands", "forever"});
  ASSERT_EQ(under.Code, kExitOk) << under.Err;
  EXPECT_NE(under.Out.find("Long-run chance of ruin: 100% (certain: the table returns 99.5439%, "
                           "not over 100%"),
            std::string::npos)
      << under.Out;
  const TRun none = RunTool({"risk", "--risk", "0.01", "--hands", "forever", "--json"});
  ASSERT_EQ(none.Code, kExitOk) << none.Err;
  EXPECT_NE(none.Out.find("\"hands\":\"forever\",\"risk\":0.01,\"bankroll\":null,\"ruin\":null}"),
            std::string::npos)
      << none.Out;

  const std::vector<std::string> over = {"--paytable", "0,1,2,3,5,8,24,49,3999", "--hands",
                                         "forever", "--json"};
  std::vector<std::string> bankroll = {"risk", "--bankroll", "5336"};
  bankroll.insert(bankroll.end(), over.begin(), over.end());
  std::vector<std::string> risk = {"risk", "--risk", "0.01"};
  risk.insert(risk.end(), over.begin(), over.end());
  const TRun found = RunTool(risk);
  ASSERT_EQ(found.Code, kExitOk) << found.Err;
  const std::size_t at = found.Out.find("\"bankroll\":");
  ASSERT_NE(at, std::string::npos) << found.Out;
  EXPECT_EQ(found.Out.substr(at, 16), "\"bankroll\":5336,") << found.Out;
  const TRun given = RunTool(bankroll);
  ASSERT_EQ(given.Code, kExitOk) << given.Err;
  EXPECT_NE(given.Out.find("\"returnsOver100\":true"), std::string::npos);
  EXPECT_NE(given.Out.find("\"ruin\":0.0099"), std::string::npos) << given.Out;
}

// Refused before the chart is built: a line too long for a hand, on its line, however long
// it is; a line with a NUL in it is a line with a bad card; and more hands than one run
// keeps.
TEST(Cli, StrategyHandsReaderHasBoundsOnALineAndOnTheHands) {
  const std::string hand = "AS KH TD 2C 9S\n";
  const std::string blanks(1024 - 14, ' ');
  const TRun longest =
      RunTool({"strategy", "--hands", "-"}, {}, hand + "AS KH TD 2C 9S" + blanks + "X\n");
  EXPECT_EQ(longest.Err,
            "lumaro-analyze: standard input line 2: longer than any hand (more than 1024 "
            "characters)\n");
  const TRun fits =
      RunTool({"strategy", "--hands", "-"}, {}, hand + "AS KH TD 2C 9S" + blanks + "\nX");
  EXPECT_EQ(
      fits.Err,
      "lumaro-analyze: standard input line 3: bad card 'X' (rank A K Q J T 9..2, suit S H C D)\n");
  const TRun nul = RunTool({"strategy", "--hands", "-"}, {}, std::string("AS KH\0TD 2C 9S\n", 15));
  EXPECT_EQ(nul.Err.rfind("lumaro-analyze: standard input line 1: bad card 'KH?TD'", 0), 0u)
      << nul.Err;

  std::string many;
  for (int i = 0; i <= 1'000'000; ++i) many += hand;
  const TRun tooMany = RunTool({"strategy", "--hands", "-"}, {}, many);
  EXPECT_EQ(tooMany.Code, kExitUsage);
  EXPECT_EQ(tooMany.Err,
            "lumaro-analyze: standard input: more than 1000000 hands (judge them in parts)\n");
}

TEST(Cli, ReturnPrintsTheExactReturnAndEveryCategory) {
  const TRun run = RunTool({"return", "--paytable", "0,1,2,3,4,7,24,49,799"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  const auto lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 4u + 12u);
  EXPECT_EQ(lines[1], "Return under optimal play: 97.2984%");
  EXPECT_EQ(lines[4].rfind("Royal Flush", 0), 0u);
  EXPECT_EQ(lines.back().rfind("No Pair", 0), 0u);
}

}  // namespace

namespace {

TEST(Cli, GameOptionsAreCheckedBeforeAnythingIsRead) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"return", "--game", "poker"}, "unknown game 'poker' (lumaro-analyze games lists them)"},
      {{"return", "--game", "deuces-wild", "--pays", "1,2,3"},
       "bad --pays '1,2,3': Deuces Wild takes 10 whole pays for 1"},
      {{"return", "--game", "bonus", "--paytable", "0,1,2,3,4,7,24,39,79,49,x"},
       "bad --paytable '0,1,2,3,4,7,24,39,79,49,x': Bonus Poker takes 11 whole multipliers"},
      {{"return", "--pays", "1,2,3,4,6,9,25,50,-800"}, "bad --pays"},
      {{"return", "--game", "bonus", "--preset", "9/6"},
       "unknown preset '9/6' of Bonus Poker (8/5, 7/5)"},
      {{"return", "--preset", "9/6", "--paytable", "0,1,2,3,5,8,24,49,799"},
       "--pays, --paytable and --preset do not go together"},
      {{"advise", "--game", "deuces-wild", "JK 2S 3S 4S 5S"},
       "bad card 'JK': Deuces Wild has no joker"},
      {{"advise", "--game", "joker-poker", "JK joker 2S 3S 4S"}, "duplicated card JK"},
      {{"advise", "--hands", "-", "AS KH TD 2C 9S"}, "advise takes CARDS or --hands FILE"},
      {{"games", "--game", "jacks"}, "--game does not apply to games"},
      {{"history", "--pays", "1"}, "--pays does not apply to history"},
      {{"simulate", "--game", "bonus", "--seed", "1", "--hands", "1", "--pays", "1"},
       "bad --pays '1'"},
      {{"strategy", "--game", "deuces-wild", "--hand", "JK 2S 3S 4S 5S"},
       "bad card 'JK': Deuces Wild has no joker"},
  };
  for (const auto& [args, message] : cases) {
    const TRun run = RunTool(args);
    SCOPED_TRACE(run.Err);
    EXPECT_EQ(run.Code, kExitUsage);
    EXPECT_EQ(run.Err.rfind("lumaro-analyze: " + message, 0), 0u);
    EXPECT_EQ(Lines(run.Err).size(), 1u);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Loads, 0);
  }
}

TEST(Cli, ReturnOfAnyGameShowsItsLinesAsTextOrJson) {
  const TRun text = RunTool({"return", "--game", "deuces-wild"});
  ASSERT_EQ(text.Code, kExitOk) << text.Err;
  EXPECT_EQ(text.Loads, 0);
  const auto lines = Lines(text.Out);
  ASSERT_EQ(lines.size(), 6u + 10u + 1u);
  EXPECT_EQ(lines[0], "Game: Deuces Wild (deuces-wild), 52 cards, the four 2s wild");
  EXPECT_EQ(lines[1], "Pays for 1: 1,2,2,3,5,9,15,25,200,800 (preset Full Pay)");
  EXPECT_EQ(lines[2], "Return under optimal play: 100.7620%");
  EXPECT_EQ(lines[3].rfind("Variance 25.8378, standard deviation 5.0831, hit frequency ", 0), 0u);
  EXPECT_EQ(lines[6].rfind("Natural Royal Flush ", 0), 0u);
  EXPECT_EQ(lines.back().rfind("Losing hands ", 0), 0u);

  // Today's game and the player's table, in the game's form.
  const TRun json = RunTool({"return", "--game", "jacks", "--json"});
  ASSERT_EQ(json.Code, kExitOk) << json.Err;
  EXPECT_EQ(json.Loads, 1);
  for (const char* part :
       {"{\"game\":\"jacks\",\"name\":\"Jacks or Better\",\"pays\":[1,2,3,4,6,9,25,50,800],"
        "\"origin\":\"player's file\",\"return\":99.543904369512,\"variance\":19.5146",
        ",\"standard_deviation\":4.4175", ",\"hit_frequency\":0.4545",
        ",\"lines\":[{\"name\":\"Jacks or Better\",\"pays\":1,\"probability\":0.2145",
        "{\"name\":\"Royal Flush\",\"pays\":800,\"probability\":2.4758", "\"losing_probability\":"})
    EXPECT_NE(json.Out.find(part), std::string::npos) << part << "\n" << json.Out;
  EXPECT_EQ(Lines(json.Out).size(), 1u);
}

TEST(Cli, AdviseJudgesEveryHandOfAFileBestHoldFirst) {
  const TRun run = RunTool({"advise", "--game", "joker-poker", "--hands", "-", "--json"}, {},
                           "JK AS KS QS 3D\n\n qh,joker,2c 7d 9s\n");
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  EXPECT_EQ(run.Out.rfind("{\"game\":\"joker-poker\",\"pays\":[1,1,2,3,5,7,20,50,100,200,800],"
                          "\"origin\":\"preset Full Pay\",\"hands\":[\n"
                          "{\"hand\":[\"JK\",\"AS\",\"KS\",\"QS\",\"3D\"],\"holds\":[{\"held\":"
                          "[\"JK\",\"AS\",\"KS\",\"QS\"],\"value\":6.229166666666667}",
                          0),
            0u)
      << run.Out;
  EXPECT_NE(run.Out.find("{\"hand\":[\"QH\",\"JK\",\"2C\",\"7D\",\"9S\"]"), std::string::npos);
  // All 32 holds of each hand, the values never rising.
  std::size_t holds = 0;
  double previous = 1e9;
  for (std::size_t at = run.Out.find("\"value\":"); at != std::string::npos;
       at = run.Out.find("\"value\":", at + 1)) {
    const double value = std::stod(run.Out.substr(at + 8));
    if (holds % 32 == 0) previous = 1e9;
    EXPECT_LE(value, previous);
    previous = value;
    ++holds;
  }
  EXPECT_EQ(holds, 64u);

  // Without --json, today's lines for each hand, a blank line between them.
  const TRun text = RunTool({"advise", "--hands", "-"}, {}, "AS KH TD 2C 9S\nTS JS QS KS 3S\n");
  ASSERT_EQ(text.Code, kExitOk) << text.Err;
  const auto lines = Lines(text.Out);
  ASSERT_EQ(lines.size(), 1u + 2 * 34u + 1u);
  EXPECT_EQ(lines[0], "Pay table H1..H9: 0,1,2,3,5,8,24,49,799 (player's file)");
  EXPECT_EQ(lines[35], "");
  EXPECT_EQ(lines[36], "Hand: TS JS QS KS 3S");
}

TEST(Cli, GamesListsEveryGameWithItsLinesAndPresets) {
  const TRun run = RunTool({"games"});
  ASSERT_EQ(run.Code, kExitOk) << run.Err;
  EXPECT_EQ(run.Loads, 0);
  for (const char* part : {"jacks: Jacks or Better, 52 cards, nothing wild\n",
                           "joker-poker: Joker Poker, 53 cards, the joker wild\n",
                           "  Lines, lowest first: Three of a Kind, Straight, Flush,",
                           "Not So Ugly Ducks  1,2,3,4,4,10,16,25,200,800", " 99.7283%\n",
                           " 100.0670%\n", " 92.7049%\n"})
    EXPECT_NE(run.Out.find(part), std::string::npos) << part;
  const TRun json = RunTool({"games", "--json"});
  ASSERT_EQ(json.Code, kExitOk) << json.Err;
  EXPECT_NE(json.Out.find("{\"name\":\"10/7\",\"pays\":[1,1,3,5,7,10,50,80,160,50,800],"
                          "\"return\":100.1725"),
            std::string::npos);
}

}  // namespace

namespace {

// The cards of every "key":[...] list in a JSON document, in order.
std::vector<std::string> CardLists(const std::string& json, const std::string& key) {
  std::vector<std::string> lists;
  const std::string start = "\"" + key + "\":[";
  for (std::size_t at = json.find(start); at != std::string::npos; at = json.find(start, at + 1)) {
    const std::size_t from = at + start.size();
    lists.push_back(json.substr(from, json.find(']', from) - from));
  }
  return lists;
}

// What `advise --json` writes first for each hand: the best hold.
std::vector<std::string> BestHolds(const std::string& json) {
  std::vector<std::string> best;
  const std::string start = "\"holds\":[{\"held\":[";
  for (std::size_t at = json.find(start); at != std::string::npos; at = json.find(start, at + 1)) {
    const std::size_t from = at + start.size();
    best.push_back(json.substr(from, json.find(']', from) - from));
  }
  return best;
}

}  // namespace

TEST(Cli, StrategyHandsAgreeWithAdviseOnTheBestHoldOfEveryGame) {
  std::mt19937 random(29);
  for (const TGame* game : kGames) {
    SCOPED_TRACE(std::string(game->Id));
    std::vector<std::string> deck;
    for (int code = 1; code <= game->DeckSize; ++code) deck.push_back(CardText(code));
    std::string hands;
    for (int h = 0; h < 1000; ++h) {
      std::shuffle(deck.begin(), deck.end(), random);
      for (int i = 0; i < 5; ++i) hands += deck[static_cast<std::size_t>(i)] + (i < 4 ? " " : "\n");
    }
    const std::string id(game->Id);
    const TRun chart = RunTool({"strategy", "--game", id, "--hands", "-", "--json"}, {}, hands);
    const TRun advice = RunTool({"advise", "--game", id, "--hands", "-", "--json"}, {}, hands);
    ASSERT_EQ(chart.Code, kExitOk) << chart.Err;
    ASSERT_EQ(advice.Code, kExitOk) << advice.Err;
    const auto fromChart = CardLists(chart.Out, "bestHold");
    ASSERT_EQ(fromChart.size(), 1000u);
    EXPECT_EQ(fromChart, BestHolds(advice.Out));
  }
}
