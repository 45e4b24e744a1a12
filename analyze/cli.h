#pragma once
// The lumaro-analyze command line: return, advise and simulate.

#include <functional>
#include <iosfwd>
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

// Runs one command (args without the program name); returns the exit code. Problems with
// the input give a one-line message on `err` and kExitUsage.
int RunAnalyze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const TPayTableLoader& loadPayTable);

std::string AnalyzeHelpText();
