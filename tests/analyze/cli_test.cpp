#include "cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "card_text.h"

namespace {

struct TRun {
  int Code = -1;
  std::string Out;
  std::string Err;
  int Loads = 0;
};

TRun RunTool(std::vector<std::string> args, const TProgressOptions& progress = {}) {
  TRun run;
  std::ostringstream out;
  std::ostringstream err;
  run.Code = RunAnalyze(
      args, out, err,
      [&run] {
        ++run.Loads;
        TStoredPayTable stored;
        stored.Table = ParsePayTable("0,1,2,3,5,8,24,49,799");
        stored.Origin = "player's file";
        return stored;
      },
      progress);
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
      {{"advise", "AS KH TD 2C 9S", "--json"}, "--json does not apply to advise"},
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
