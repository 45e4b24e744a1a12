// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// A second copy of the game for the settings tests, working on the store named by
// XDG_CONFIG_HOME:
//   settings_writer [--as-nobody] loop START    saves generation START, START+1, ... until killed
//   settings_writer [--as-nobody] close TOTAL FORMCOLOR
//                  loads, then closes the way the window does, with this total and colour
//   settings_writer [--as-nobody] slot N PATH   saves one sound path
//   settings_writer [--as-nobody] advisor 0|1   saves whether the advisor is open
// --as-nobody gives up root first, so permission failures can be tested as root too.
// --file-size-limit BYTES makes writes past that size fail as on a full disk (EFBIG).
// Prints "loaded <total> <amount> <soundOn>" after a load and "saved", or "error: <text>"
// and "detail: <file>: <reason>".
// Exit 3: could not give up root; 4: could not limit the file size.

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "advisor_settings.h"
#include "game_settings.h"
#include "settings_store.h"
#include "settings_test_support.h"
#include "sound_slots.h"

namespace {

constexpr uid_t kNobody = 65534;

bool DropRoot() {
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 &&
         geteuid() == kNobody;
}

// Runs one save and prints how it went.
int Save(const std::function<void()>& save) {
  try {
    save();
  } catch (const ESettingsError& error) {
    std::printf("error: %s\n", error.what());
    if (!error.Detail().isEmpty()) std::printf("detail: %s\n", qUtf8Printable(error.Detail()));
    return 0;
  }
  std::printf("saved\n");
  return 0;
}

bool LimitFileSize(const char* bytes) {
  const auto limit = static_cast<rlim_t>(std::strtoull(bytes, nullptr, 10));
  const rlimit fileSize{limit, limit};
  // Ignored, the signal lets the write fail with EFBIG instead of ending the process.
  return signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &fileSize) == 0;
}

int Loop(int generation) {
  for (;; ++generation) {
    TSettingsStore store = TSettingsStore::OpenSettingsStore();
    settings_test::WriteGeneration(store, generation);
    store.CloseSettingsStore();
  }
}

int Close(int total, int formColor) {
  TGameSettings settings = LoadGameSettings();
  std::printf("loaded %d %d %d\n", settings.Total, settings.BetAmount, settings.SoundOn ? 1 : 0);
  settings.Total = total;
  settings.FormColor = formColor;
  return Save([&] { SaveGameSettings(settings); });
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  for (; arg < argc && std::strncmp(argv[arg], "--", 2) == 0; ++arg) {
    if (std::strcmp(argv[arg], "--as-nobody") == 0) {
      if (!DropRoot()) return 3;
    } else if (std::strcmp(argv[arg], "--file-size-limit") == 0 && arg + 1 < argc) {
      if (!LimitFileSize(argv[++arg])) return 4;
    } else {
      break;
    }
  }
  const int left = argc - arg;
  if (left == 2 && std::strcmp(argv[arg], "loop") == 0) return Loop(std::atoi(argv[arg + 1]));
  if (left == 3 && std::strcmp(argv[arg], "close") == 0)
    return Close(std::atoi(argv[arg + 1]), std::atoi(argv[arg + 2]));
  if (left == 3 && std::strcmp(argv[arg], "slot") == 0)
    return Save([&] { SaveSoundSlot(std::atoi(argv[arg + 1]), QString::fromUtf8(argv[arg + 2])); });
  if (left == 2 && std::strcmp(argv[arg], "advisor") == 0)
    return Save([&] {
      TAdvisorState state;
      state.Open = std::atoi(argv[arg + 1]) != 0;
      SaveAdvisorState(state);
    });
  std::fprintf(stderr,
               "usage: settings_writer [--as-nobody] [--file-size-limit BYTES] loop START | "
               "close TOTAL COLOR | slot N PATH | advisor 0|1\n");
  return 2;
}
