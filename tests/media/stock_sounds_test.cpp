// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "media_player.h"
#include "media_test_support.h"
#include "synth.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t LE(const QByteArray& bytes, int at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

class StockSoundTest : public ::testing::TestWithParam<const char*> {};

// The committed files are exactly what the generator writes, so they can always be
// regenerated from source, and the build tree carries the same bytes.
TEST_P(StockSoundTest, CommittedFileIsTheGeneratorsOutput) {
  const QString name = QString::fromLatin1(GetParam());
  const QByteArray committed =
      ReadAll(QStringLiteral(LUMARO_SOURCE_DIR "/resources/sounds/") + name);
  ASSERT_FALSE(committed.isEmpty()) << "missing resources/sounds/" << GetParam();
  bool found = false;
  for (const soundgen::TSoundFile& file : soundgen::StockSounds()) {
    if (QString::fromStdString(file.Name) != name) continue;
    found = true;
    EXPECT_TRUE(committed == QByteArray(reinterpret_cast<const char*>(file.Bytes.data()),
                                        static_cast<qsizetype>(file.Bytes.size())))
        << GetParam() << " differs from the generator; rebuild target regenerate_sounds";
  }
  EXPECT_TRUE(found);
  EXPECT_TRUE(ReadAll(QStringLiteral(LUMARO_DATA_DIR "/") + name) == committed);
}

// Short, not clipped, clearly audible, and starting and ending without a click.
TEST_P(StockSoundTest, IsAShortCleanMonoPcmWav) {
  const QByteArray wav = ReadAll(QStringLiteral(LUMARO_SOURCE_DIR "/resources/sounds/") +
                                 QString::fromLatin1(GetParam()));
  ASSERT_GE(wav.size(), 44);
  EXPECT_EQ(wav.left(4), "RIFF");
  EXPECT_EQ(LE(wav, 4, 4), static_cast<std::uint32_t>(wav.size() - 8));
  EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(LE(wav, 20, 2), 1u);   // PCM
  EXPECT_EQ(LE(wav, 22, 2), 1u);   // mono
  EXPECT_EQ(LE(wav, 34, 2), 16u);  // bits
  const std::uint32_t rate = LE(wav, 24, 4);
  EXPECT_EQ(wav.mid(36, 4), "data");
  const std::uint32_t dataBytes = LE(wav, 40, 4);
  ASSERT_EQ(dataBytes, static_cast<std::uint32_t>(wav.size() - 44));

  std::vector<std::int16_t> samples(dataBytes / 2);
  std::memcpy(samples.data(), wav.constData() + 44, dataBytes);
  const double seconds = static_cast<double>(samples.size()) / rate;
  EXPECT_GT(seconds, 0.3);
  EXPECT_LT(seconds, 2.0);
  int peak = 0;
  for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GT(peak, 32767 / 4);
  EXPECT_LT(peak, 32000);
  EXPECT_LT(std::abs(static_cast<int>(samples.front())), 500);
  EXPECT_LT(std::abs(static_cast<int>(samples.back())), 100);
}

TEST_P(StockSoundTest, AudioLayerLoadsIt) {
  TScopedEnv driver("SDL_AUDIODRIVER", QStringLiteral("dummy"));
  TMediaPlayer player;
  QString error;
  EXPECT_TRUE(player.Open(std::filesystem::path(LUMARO_DATA_DIR) / GetParam(), error))
      << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sounds, StockSoundTest, ::testing::Values("coins.Wav", "CHIMES.WAV"));

}  // namespace
