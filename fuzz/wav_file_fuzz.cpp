// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Any bytes as a winning hand's sound file, opened and played the way a win does, on SDL's
// silent dummy driver: a file that won't open gives a reason, never a crash.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "fuzz_check.h"
#include "media_player.h"

namespace {

QByteArray LittleEndian(std::uint32_t value, int bytes) {
  QByteArray out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
  return out;
}

// Eight samples of 8-bit mono PCM: the check that the audio device is there at all.
QByteArray TinyWave() {
  const QByteArray samples(8, '\x80');
  return "RIFF" + LittleEndian(36 + samples.size(), 4) + "WAVEfmt " + LittleEndian(16, 4) +
         LittleEndian(1, 2) + LittleEndian(1, 2) + LittleEndian(8000, 4) + LittleEndian(8000, 4) +
         LittleEndian(1, 2) + LittleEndian(8, 2) + "data" + LittleEndian(samples.size(), 4) +
         samples;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the sound file can be written");
  Require(file.write(bytes) == bytes.size(), "the whole sound file is written");
}

int OpenFileCount() {
  return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                              .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                              .size());
}

struct TFixture {
  QTemporaryDir Folder;
  QString Path;
  TMediaPlayer Player;

  TFixture() {
    Require(Folder.isValid(), "a temporary folder");
    Path = Folder.filePath(QStringLiteral("slot.wav"));
    // Never a sound from the speakers, whatever the environment asks for.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteFile(Path, TinyWave());
    QString error;
    if (!Open(error)) std::fprintf(stderr, "%s\n", qPrintable(error));
    Require(Player.IsOpen(), "a plain WAV opens: SDL2_mixer and its dummy driver are there");
  }

  // The one line that follows the player's Open.
  bool Open(QString& error) { return Player.Open(QFile::encodeName(Path).toStdString(), error); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TFixture fixture;
  WriteFile(fixture.Path,
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const int filesBefore = OpenFileCount();
  QString error;
  if (fixture.Open(error)) {
    fixture.Player.Play();
  } else {
    Require(!error.isEmpty() && !fixture.Player.IsOpen(), "a failed open says why");
  }
  fixture.Player.Close();
  // A win happens again and again: each one that left a file open would use up the
  // process's descriptors, and then the settings could no longer be saved.
  Require(OpenFileCount() == filesBefore, "an open leaves no file open after Close");
  return 0;
}
