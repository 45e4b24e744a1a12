// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What keeps a sound file from being played, found before the audio layer loads it. SDL's
// loader reads the whole file and converts it to the device's rate in memory; for a huge
// file, or a WAV at a rate such as 1 Hz that it would blow up many thousand times, it only
// says "Out of memory", after freezing the window for seconds.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>

inline constexpr std::int64_t kMaxSoundFileBytes = 64LL * 1024 * 1024;
// The most a sound may take once converted for the device: a few minutes of CD sound.
inline constexpr std::int64_t kMaxConvertedBytes = 256LL * 1024 * 1024;
inline constexpr std::int32_t kMinSampleRate = 1000;
inline constexpr std::int32_t kMaxSampleRate = 384000;

// "Couldn't play <file>: <why>", the file made absolute: every report of a sound file that
// won't play names it.
QString SoundFileError(const std::filesystem::path& file, const QString& why);

// Nothing when the file may be handed to the audio layer (or can't be read at all, which the
// audio layer reports); otherwise why not (without a closing full stop): not a RIFF WAVE
// file, too large, an unsupported rate, or a header claiming more than the file holds. deviceRate
// and deviceFrameBytes describe the device's output.
std::optional<QString> SoundFileProblem(const std::filesystem::path& file, int deviceRate,
                                        int deviceFrameBytes);
