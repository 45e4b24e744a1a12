// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The invisible media player of the main window: opens one sound file at a time on the
// program's audio device and plays it in the background.

#include <QString>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

struct Mix_Chunk;
class QTimer;
class TAudioDevice;

class TMediaPlayer {
 public:
  using TClock = std::chrono::steady_clock;
  // How long the audio device stays open after the last sound was heard.
  static constexpr std::chrono::milliseconds kDeviceIdleTime{5000};

  explicit TMediaPlayer(std::chrono::milliseconds deviceIdleTime = kDeviceIdleTime);
  ~TMediaPlayer();
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  // Closes what is open (stopping its sound), remembers fileName, opens the audio device if
  // this player has none yet and loads the whole file. On failure: false, the player stays
  // closed, errorText says why: the audio layer's text for a missing device, otherwise
  // "Couldn't play <file>: " and the reason (the system's or the audio layer's text,
  // "Unknown error code" when it has none, or what makes the file unplayable: too large,
  // an unsupported rate).
  bool Open(const std::filesystem::path& fileName, QString& errorText);
  // Starts the open sound from its beginning and returns at once; a failure is silent.
  void Play();
  // Stops the sound and frees it; the audio device stays with the player.
  void Close();
  // Lets the audio device go, and the sound loaded for it, once nothing has been heard for
  // the idle time: an open device keeps SDL's mixing thread waking some 43 times a second.
  // The next Open takes a device again. Returns how long to wait before asking again, or
  // nothing when the player holds no device (any more). On a thread with a Qt event loop
  // the player asks itself, from a single-shot timer armed at each Open and Play.
  std::optional<std::chrono::milliseconds> CloseIfIdle(TClock::time_point now);
  bool HasDevice() const { return FDevice != nullptr; }

  // The file last given to Open, even when that open failed; empty before the first.
  const std::filesystem::path& FileName() const { return FFileName; }
  bool IsOpen() const { return FChunk != nullptr; }
  // Whether the open sound is still being heard.
  bool IsPlaying() const;
  // Whether the last Open failed for want of an audio device (or of the audio library)
  // rather than because of its file.
  bool DeviceMissing() const { return FDeviceMissing; }
  // Whether a missing device has been reported to the player once already.
  bool DeviceMissingReported() const { return FDeviceMissingReported; }
  void SetDeviceMissingReported() { FDeviceMissingReported = true; }
  // Whether the player has been told once that no sound file could be found at all.
  bool SoundMissingReported() const { return FSoundMissingReported; }
  void SetSoundMissingReported() { FSoundMissingReported = true; }

 private:
  struct TChunkFree {
    void operator()(Mix_Chunk* chunk) const;
  };

  // The device is in use now: the idle time starts again.
  void KeepDevice();
  void ArmIdleTimer(std::chrono::milliseconds wait);

  std::filesystem::path FFileName;
  bool FDeviceMissing = false;
  bool FDeviceMissingReported = false;
  bool FSoundMissingReported = false;
  std::chrono::milliseconds FDeviceIdleTime;
  TClock::time_point FLastHeard;
  std::shared_ptr<TAudioDevice> FDevice;
  // Declared after the device: a sound must be freed before the device it was made for.
  std::unique_ptr<Mix_Chunk, TChunkFree> FChunk;
  int FChannel = -1;
  // Made on first use, and only on a thread with an event loop. Last, so it stops first.
  std::unique_ptr<QTimer> FIdleTimer;
};
