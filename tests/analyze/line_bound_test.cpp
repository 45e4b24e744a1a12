// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// lumaro-analyze reading hands a line at a time keeps its memory bounded whatever it is
// given: a line longer than any hand is refused as soon as it is seen. Measured on the
// program itself, as a child whose peak memory the system reports.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct TChildRun {
  int Status = -1;          // exit status, or -1 when it did not exit by itself
  long PeakKilobytes = -1;  // its largest resident set
  std::string Err;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TChildRun RunAnalyzer(const std::vector<std::string>& args, const std::string& errPath) {
  std::vector<char*> argv;
  std::string program = LUMARO_ANALYZE_PATH;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  TChildRun run;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  if (WIFEXITED(status)) run.Status = WEXITSTATUS(status);
  run.PeakKilobytes = usage.ru_maxrss;
  run.Err = FileText(errPath);
  return run;
}

TEST(LineBound, ALineLongerThanAnyHandIsRefusedWithBoundedMemory) {
  char folder[] = "/tmp/lumaro-line-bound-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string hands = std::string(folder) + "/hands.txt";
  const std::string err = std::string(folder) + "/err.txt";
  {
    // A valid hand, then 60 MB of cards on one line with no end.
    std::ofstream out(hands, std::ios::binary);
    out << "AS KH TD 2C 9S\n";
    const std::string block = [] {
      std::string text;
      for (int i = 0; i < 4096; ++i) text += "AS ";
      return text;
    }();
    for (std::size_t written = 0; written < 60u << 20; written += block.size()) out << block;
  }
  constexpr long kMostKilobytes = 300 * 1024;
  const std::vector<std::string> common = {"strategy", "--paytable", "0,1,2,3,4,7,24,49,799",
                                           "--hands"};
  for (const std::string& file : {hands, std::string("/dev/zero")}) {
    SCOPED_TRACE(file);
    std::vector<std::string> args = common;
    args.push_back(file);
    const TChildRun run = RunAnalyzer(args, err);
    EXPECT_EQ(run.Status, 2) << run.Err;
    EXPECT_LT(run.PeakKilobytes, kMostKilobytes);
    const std::string line = file == hands ? "line 2" : "line 1";
    EXPECT_EQ(run.Err.rfind("lumaro-analyze: '", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("' " + line + ": longer than any hand (more than 1024 characters)\n"),
              std::string::npos)
        << run.Err;
    std::printf("[ figures  ] %s: peak resident set %ld KiB\n", file.c_str(), run.PeakKilobytes);
  }
  std::remove(hands.c_str());
  std::remove(err.c_str());
  rmdir(folder);
}

}  // namespace
