// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// A game recording hands, for the hand history's tests:
//   history_writer loop PATH FIRST
//       records NumberedHand(FIRST), FIRST + 1, ... into PATH until killed, printing
//       "committed N" after each hand Record has stored
//   history_writer limited PATH FIRST COUNT BYTES
//       the same for COUNT hands with files limited to BYTES (RLIMIT_FSIZE, SIGXFSZ
//       ignored, so a write past it fails as on a full disk), printing "committed N" or
//       "failed N" for each hand and "report: TEXT" for each report
// Exit 2: bad arguments or the history did not open.

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "hand_history.h"
#include "history_test_support.h"

namespace {

void PrintReport(THandHistory& history) {
  if (const std::optional<QString> report = history.TakeReport())
    std::printf("report: %s\n", qUtf8Printable(*report));
}

int Loop(const QString& path, long long first) {
  THandHistory history(THandHistory::omRecord, path);
  PrintReport(history);
  if (history.State() != THistoryState::Open) return 2;
  for (long long n = first;; ++n) {
    if (history.Record(history_test::NumberedHand(n))) std::printf("committed %lld\n", n);
    std::fflush(stdout);
  }
}

int Limited(const QString& path, long long first, long long count, long long bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
  THandHistory history(THandHistory::omRecord, path);
  PrintReport(history);
  if (history.State() != THistoryState::Open) return 2;
  for (long long n = first; n < first + count; ++n) {
    std::printf("%s %lld\n", history.Record(history_test::NumberedHand(n)) ? "committed" : "failed",
                n);
    PrintReport(history);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "loop") == 0)
    return Loop(QString::fromLocal8Bit(argv[2]), std::atoll(argv[3]));
  if (argc == 6 && std::strcmp(argv[1], "limited") == 0)
    return Limited(QString::fromLocal8Bit(argv[2]), std::atoll(argv[3]), std::atoll(argv[4]),
                   std::atoll(argv[5]));
  std::fprintf(stderr, "usage: history_writer loop PATH FIRST | limited PATH FIRST COUNT BYTES\n");
  return 2;
}
