// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "wav_check.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

namespace {

struct TWavFacts {
  std::int64_t Rate = 0;
  double FrameBytes = 0;       // channels x bits / 8; below 1 for compressed formats
  std::int64_t DataBytes = 0;  // as the header claims: what the loader sets aside
  std::int64_t DataInFile = 0;
};

std::uint32_t Byte(const char* b, int k) {
  return static_cast<unsigned char>(b[k]);
}
std::uint32_t Le16(const char* b) {
  return Byte(b, 0) | (Byte(b, 1) << 8);
}
std::uint32_t Le32(const char* b) {
  return Le16(b) | (Le16(b + 2) << 16);
}

bool IsRiffWave(std::ifstream& in) {
  char head[12];
  return in.read(head, sizeof head) && std::string_view(head, 4) == "RIFF" &&
         std::string_view(head + 8, 4) == "WAVE";
}

// The facts of a RIFF WAVE file's "fmt " and "data" chunks; nothing for a WAV too damaged
// to tell (the audio layer then gives its own message).
std::optional<TWavFacts> ReadWavFacts(const std::filesystem::path& file, std::int64_t fileBytes) {
  std::ifstream in(file, std::ios::binary);
  std::array<char, 8> head{};
  in.seekg(12);
  TWavFacts facts;
  bool haveFormat = false;
  std::int64_t at = 12;
  // A real file has a handful of chunks; a crafted one must not keep us reading.
  for (int chunk = 0; chunk < 64 && at + 8 <= fileBytes; ++chunk) {
    in.seekg(at);
    if (!in.read(head.data(), 8)) break;
    const std::string_view id(head.data(), 4);
    const std::int64_t size = Le32(head.data() + 4);
    if (id == "fmt " && size >= 16) {
      char format[16];
      if (!in.read(format, 16)) return std::nullopt;
      facts.Rate = Le32(format + 4);
      facts.FrameBytes = Le16(format + 2) * Le16(format + 14) / 8.0;  // channels x bits / 8
      haveFormat = true;
    } else if (id == "data") {
      facts.DataBytes = size;
      facts.DataInFile = std::min(size, fileBytes - at - 8);
      break;
    }
    at += 8 + size + (size & 1);  // chunks are padded to even sizes
  }
  if (!haveFormat) return std::nullopt;
  return facts;
}

}  // namespace

QString SoundFileError(const std::filesystem::path& file, const QString& why) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  return QCoreApplication::translate("TMediaPlayer", "Couldn't play %1: %2")
      .arg(QFile::decodeName((error ? file : absolute).c_str()), why);
}

std::optional<QString> SoundFileProblem(const std::filesystem::path& file, int deviceRate,
                                        int deviceFrameBytes) {
  std::error_code error;
  const auto fileBytes = static_cast<std::int64_t>(std::filesystem::file_size(file, error));
  if (error) return std::nullopt;  // the audio layer reports a file it can't open
  if (fileBytes > kMaxSoundFileBytes)
    return SoundFileError(file,
                          QCoreApplication::translate("TMediaPlayer", "it is larger than %1 MB")
                              .arg(kMaxSoundFileBytes >> 20));
  // The mixer would also read AIFF, VOC, Ogg and more, but its readers for those leak on a
  // damaged file; a winning sound is a WAV file, as the chooser says.
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;  // unreadable: the audio layer's open says why
  if (!IsRiffWave(in))
    return SoundFileError(file,
                          QCoreApplication::translate("TMediaPlayer", "it is not a WAV file"));
  const std::optional<TWavFacts> facts = ReadWavFacts(file, fileBytes);
  if (!facts) return std::nullopt;
  if (facts->Rate < kMinSampleRate || facts->Rate > kMaxSampleRate)
    return SoundFileError(file, QCoreApplication::translate(
                                    "TMediaPlayer", "its sample rate of %1 Hz is not supported")
                                    .arg(facts->Rate));
  // The loader allocates what the header claims before it reads a byte of it.
  if (facts->DataBytes > kMaxSoundFileBytes && facts->DataBytes > facts->DataInFile)
    return SoundFileError(
        file, QCoreApplication::translate("TMediaPlayer",
                                          "its header claims far more sound than the file holds"));
  if (facts->FrameBytes <= 0) return std::nullopt;
  const double converted = static_cast<double>(facts->DataBytes) / facts->FrameBytes * deviceRate /
                           facts->Rate * deviceFrameBytes;
  if (converted > static_cast<double>(kMaxConvertedBytes))
    return SoundFileError(
        file, QCoreApplication::translate("TMediaPlayer",
                                          "it is too long to hold in memory once converted"));
  return std::nullopt;
}
