// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Synthesiser for the game's two stock sounds: the coin clinks of a win and the system
// chime. Everything is plain IEEE arithmetic (no libm transcendental calls), so the same
// source writes the same bytes on every machine.

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

inline constexpr int kSampleRate = 22050;

// Mono samples, full scale +-32767.
std::vector<std::int16_t> SynthCoins();
std::vector<std::int16_t> SynthChimes();

// A canonical 44-byte-header RIFF/WAVE file: PCM, mono, 16 bits, little-endian.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

// The files the game ships, by their on-disk names.
struct TSoundFile {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};
std::vector<TSoundFile> StockSounds();

}  // namespace soundgen
