// A second copy of the game for the settings tests, working on the store named by
// XDG_CONFIG_HOME:
//   settings_writer [--as-nobody] loop START    saves generation START, START+1, ... until killed
//   settings_writer [--as-nobody] close TOTAL FORMCOLOR
//                  loads, then closes the way the window does, with this total and colour
//   settings_writer [--as-nobody] slot N PATH   saves one sound path
// --as-nobody gives up root first, so permission failures can be tested as root too.
// Prints "loaded <total> <amount> <soundOn>" after a load and "saved" or "error: <text>".
// Exit 3: could not give up root.

#include <grp.h>
#include <unistd.h>

#include <QString>
#include <cstdio>
#include <cstring>
#include <exception>

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

int Report(const std::exception& error) {
  std::printf("error: %s\n", error.what());
  return 0;
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
  try {
    SaveGameSettings(settings);
  } catch (const ESettingsError& error) {
    return Report(error);
  }
  std::printf("saved\n");
  return 0;
}

int Slot(int slot, const char* path) {
  try {
    SaveSoundSlot(slot, QString::fromUtf8(path));
  } catch (const ESettingsError& error) {
    return Report(error);
  }
  std::printf("saved\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  if (arg < argc && std::strcmp(argv[arg], "--as-nobody") == 0) {
    if (!DropRoot()) return 3;
    ++arg;
  }
  const int left = argc - arg;
  if (left == 2 && std::strcmp(argv[arg], "loop") == 0) return Loop(std::atoi(argv[arg + 1]));
  if (left == 3 && std::strcmp(argv[arg], "close") == 0)
    return Close(std::atoi(argv[arg + 1]), std::atoi(argv[arg + 2]));
  if (left == 3 && std::strcmp(argv[arg], "slot") == 0)
    return Slot(std::atoi(argv[arg + 1]), argv[arg + 2]);
  std::fprintf(
      stderr,
      "usage: settings_writer [--as-nobody] loop START | close TOTAL COLOR | slot N PATH\n");
  return 2;
}
