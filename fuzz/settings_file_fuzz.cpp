// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Any bytes as Quorvel.ini: the game's loads must give sane values without throwing, and a
// save over the file must succeed and read back as written.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

#include "fuzz_check.h"
#include "game_settings.h"
#include "settings_store.h"
#include "sound_slots.h"

namespace {

// A private config folder for the whole run; Qt's warnings about the file stay quiet.
const QString& SettingsFile() {
  static QTemporaryDir folder;
  static const QString path = [] {
    Require(folder.isValid(), "a temporary config folder");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return SettingsFilePath();
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    QFile file(SettingsFile());
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the file can be written");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Require(file.write(bytes) == bytes.size(), "the whole file is written");
  }
  TGameSettings settings;
  try {
    settings = LoadGameSettings();
    for (const TSoundSlot& slot : LoadSoundSlots())
      Require(slot.size() <= kSoundSlotMaxLength, "a sound slot holds at most 80 characters");
  } catch (const ESettingsError&) {
    Require(false, "loading never throws");
  }

  // The close: what the engine made of the file, with a total that is always saved.
  TGameEngine engine;
  StartEngine(engine, settings);
  CopyEngineValues(engine, settings);
  settings.Total = 4321;
  try {
    SaveGameSettings(settings);
  } catch (const ESettingsError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    Require(false, "a save into a writable folder succeeds");
  }
  Require(LoadGameSettings() == settings, "a save reads back as written");
  return 0;
}
