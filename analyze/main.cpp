#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "stored_paytable.h"

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  try {
    return RunAnalyze(args, std::cout, std::cerr, LoadPlayerPayTable);
  } catch (const std::exception& e) {
    std::cerr << "lumaro-analyze: " << e.what() << "\n";
    return 1;
  }
}
