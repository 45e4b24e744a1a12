// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "hand_history.h"
#include "history_report.h"
#include "stored_paytable.h"

int main(int argc, char** argv) {
  // A write past a file-size limit (ulimit -f) fails, and is reported as a full disk is.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  TProgressOptions progress;
  if (isatty(STDERR_FILENO)) progress.Terminal = &std::cerr;
  progress.OutputIsTerminal = isatty(STDOUT_FILENO);
  try {
    const auto printHistory = [](const THistoryRequest& request, std::ostream& out,
                                 std::ostream& err) {
      return PrintHistorySummary(HistoryFilePath(), request.Since, request.SinceText, request.Json,
                                 out, err, request.Game);
    };
    const int code =
        RunAnalyze(args, std::cout, std::cerr, LoadPlayerPayTable, progress, printHistory);
    // A full disk or a closed pipe must not pass for a finished run.
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "lumaro-analyze: could not write the output\n";
      return 1;
    }
    return code;
  } catch (const std::exception& e) {
    std::cerr << "lumaro-analyze: " << e.what() << "\n";
    return 1;
  }
}
