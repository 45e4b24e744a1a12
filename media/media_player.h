#pragma once
// The invisible media player of the main window: opens one sound file at a time on the
// program's audio device and plays it in the background.

#include <QString>
#include <filesystem>
#include <memory>

struct Mix_Chunk;
class TAudioDevice;

class TMediaPlayer {
 public:
  TMediaPlayer();
  ~TMediaPlayer();
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  // Closes what is open (stopping its sound), remembers fileName, opens the audio device if
  // this player has none yet and loads the whole file. On failure: false, the player stays
  // closed, errorText says why (the audio layer's text, "Unknown error code" when it has
  // none, or what makes the file unplayable: too large, an unsupported rate).
  bool Open(const std::filesystem::path& fileName, QString& errorText);
  // Starts the open sound from its beginning and returns at once; a failure is silent.
  void Play();
  // Stops the sound and frees it; the audio device stays with the player.
  void Close();

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

 private:
  struct TChunkFree {
    void operator()(Mix_Chunk* chunk) const;
  };

  std::filesystem::path FFileName;
  bool FDeviceMissing = false;
  bool FDeviceMissingReported = false;
  std::shared_ptr<TAudioDevice> FDevice;
  // Declared after the device: a sound must be freed before the device it was made for.
  std::unique_ptr<Mix_Chunk, TChunkFree> FChunk;
  int FChannel = -1;
};
