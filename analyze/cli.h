// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The lumaro-analyze command line: return, advise, simulate, strategy and history.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "game_engine.h"

// The player's pay table when no --paytable is given, and where it came from.
struct TStoredPayTable {
  TPayTable Table;
  std::string Origin;
};
using TPayTableLoader = std::function<TStoredPayTable()>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// The most hands one simulation plays: the game's statistics counters stop there.
inline constexpr long long kMaxSimulatedHands = std::numeric_limits<std::int32_t>::max();

// How a long simulation shows it is alive: one line on a terminal, redrawn in place.
struct TProgressOptions {
  std::ostream* Terminal = nullptr;  // standard error when it is a terminal; null: none
  bool OutputIsTerminal = false;     // --json lines on the terminal are sign enough
  std::function<double()> Seconds;   // a monotonic clock; the steady clock when empty
};

// `history`, checked: the hand history's summary is printed by the history library, which
// the program links (the analysis itself needs no Qt).
struct THistoryRequest {
  std::optional<std::int64_t> Since;  // --since DATE: its local midnight, seconds since 1970
  std::string SinceText;              // DATE as given
  const TGame* Game = nullptr;        // --game ID; null: every game
  bool Json = false;
};
// Prints the summary; returns the exit code.
using THistoryPrinter =
    std::function<int(const THistoryRequest& request, std::ostream& out, std::ostream& err)>;

// Runs one command (args without the program name); returns the exit code. Problems with
// the input give a one-line message on `err` and kExitUsage. `input` is what "--hands -"
// reads (null: standard input).
int RunAnalyze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const TPayTableLoader& loadPayTable, const TProgressOptions& progress = {},
               const THistoryPrinter& printHistory = {}, std::istream* input = nullptr);

// The message RunAnalyze would give for this command line, or nothing when it would run it.
// Reads no file and computes nothing.
std::optional<std::string> CommandLineProblem(const std::vector<std::string>& args);

std::string AnalyzeHelpText();
