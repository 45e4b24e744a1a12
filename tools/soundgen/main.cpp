// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Writes the stock sounds into the folder given on the command line:
//   soundgen resources/sounds
#include <cstdio>
#include <fstream>
#include <string>

#include "synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen OUTPUT_FOLDER\n");
    return 2;
  }
  for (const soundgen::TSoundFile& file : soundgen::StockSounds()) {
    const std::string path = std::string(argv[1]) + "/" + file.Name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.Bytes.data()),
              static_cast<std::streamsize>(file.Bytes.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), file.Bytes.size());
  }
  return 0;
}
