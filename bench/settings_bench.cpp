// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The settings store's costs at its four moments: window creation (LoadGameSettings), every
// window activation (LoadSoundSlots), a sound choice (SaveSoundSlot) and the close
// (SaveGameSettings), against a real file in a private config folder.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include "game_settings.h"
#include "settings_store.h"
#include "sound_slots.h"

namespace {

// A config folder holding a full settings file, as after some play.
struct TFilledFolder {
  TFilledFolder() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Temp.path()));
    TGameSettings settings;
    settings.FormColor = 0x00336699;
    settings.Total = 4321;
    settings.BetAmount = 25;
    settings.Payouts = {0, 1, 2, 3, 4, 7, 11, 49, 99};
    SaveGameSettings(settings);
    for (int slot = 1; slot <= kWinSoundSlots; ++slot)
      SaveSoundSlot(slot, QStringLiteral("/home/player/Sounds/win number %1.wav").arg(slot));
  }
  QTemporaryDir Temp;
};

void BM_LoadGameSettings(benchmark::State& state) {
  TFilledFolder folder;
  for (auto _ : state) benchmark::DoNotOptimize(LoadGameSettings());
}
BENCHMARK(BM_LoadGameSettings)->Unit(benchmark::kMicrosecond);

void BM_LoadSoundSlots(benchmark::State& state) {
  TFilledFolder folder;
  for (auto _ : state) benchmark::DoNotOptimize(LoadSoundSlots());
}
BENCHMARK(BM_LoadSoundSlots)->Unit(benchmark::kMicrosecond);

// A window activation with a large file that has not changed (60 MB of another program's
// values): read once, then kept.
void BM_LoadSoundSlotsUnchangedLargeFile(benchmark::State& state) {
  static const struct TLargeFile {
    TLargeFile() {
      qputenv("XDG_CONFIG_HOME", QFile::encodeName(Temp.path()));
      QFile file(SettingsFilePath());
      if (!file.open(QIODevice::WriteOnly)) return;
      file.write("[Sound]\nWAVFILE1=/home/player/Sounds/win.wav\n[Other]\n");
      const QByteArray line = "value=" + QByteArray(94, 'v') + '\n';
      for (qint64 size = 0; size < 60LL * 1024 * 1024; size += line.size()) file.write(line);
      file.close();
      // Only a file last changed a while ago is kept between reads.
      QThread::msleep(2100);
    }
    QTemporaryDir Temp;
  } large;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(large.Temp.path()));
  for (auto _ : state) benchmark::DoNotOptimize(LoadSoundSlots());
}
BENCHMARK(BM_LoadSoundSlotsUnchangedLargeFile)->Unit(benchmark::kMicrosecond);

void BM_SaveSoundSlot(benchmark::State& state) {
  TFilledFolder folder;
  int round = 0;
  for (auto _ : state) SaveSoundSlot(1 + round++ % kWinSoundSlots, QStringLiteral("/a/b.wav"));
}
BENCHMARK(BM_SaveSoundSlot)->Unit(benchmark::kMillisecond);

void BM_SaveGameSettings(benchmark::State& state) {
  TFilledFolder folder;
  TGameSettings settings = LoadGameSettings();
  for (auto _ : state) {
    ++settings.Total;
    SaveGameSettings(settings);
  }
}
BENCHMARK(BM_SaveGameSettings)->Unit(benchmark::kMillisecond);

void BM_ParseStoredInteger(benchmark::State& state) {
  const QString texts[] = {QStringLiteral("1000"), QStringLiteral("0x1F"), QStringLiteral("abc"),
                           QStringLiteral("-2147483648")};
  for (auto _ : state)
    for (const QString& text : texts) benchmark::DoNotOptimize(ParseStoredInteger(text));
}
BENCHMARK(BM_ParseStoredInteger);

}  // namespace

BENCHMARK_MAIN();
