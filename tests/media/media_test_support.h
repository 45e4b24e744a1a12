// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Scoped process state for the sound tests: environment variables, the current directory
// and small WAV files written into temporary folders.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "synth.h"

class TScopedEnv {
 public:
  TScopedEnv(const char* name, const QString& value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = std::string(old);
    setenv(name, value.toLocal8Bit().constData(), 1);
  }
  ~TScopedEnv() {
    if (FOld)
      setenv(FName, FOld->c_str(), 1);
    else
      unsetenv(FName);
  }
  TScopedEnv(const TScopedEnv&) = delete;
  TScopedEnv& operator=(const TScopedEnv&) = delete;

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

class TScopedCurrentDir {
 public:
  explicit TScopedCurrentDir(const QString& path) : FOld(QDir::currentPath()) {
    QDir::setCurrent(path);
  }
  ~TScopedCurrentDir() { QDir::setCurrent(FOld); }
  TScopedCurrentDir(const TScopedCurrentDir&) = delete;
  TScopedCurrentDir& operator=(const TScopedCurrentDir&) = delete;

 private:
  QString FOld;
};

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

// A loud steady tone of the given length: easy to find in the disk driver's output.
inline void WriteToneWav(const QString& path, double seconds) {
  const auto count = static_cast<std::size_t>(seconds * soundgen::kSampleRate);
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) samples[i] = (i / 25) % 2 == 0 ? 12000 : -12000;
  const std::vector<std::uint8_t> wav = soundgen::EncodeWav(samples, soundgen::kSampleRate);
  WriteBytes(path, QByteArray(reinterpret_cast<const char*>(wav.data()),
                              static_cast<qsizetype>(wav.size())));
}
