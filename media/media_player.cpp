// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "media_player.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <system_error>

#include "sdl_library.h"
#include "wav_check.h"

// SDL's audio subsystem and SDL_mixer's output, opened on first use and closed when the
// last player lets go. Every player shares the one device; keeping it only as long as a
// player needs it means a missing device is tried again on the next request.
class TAudioDevice {
 public:
  static std::shared_ptr<TAudioDevice> Acquire(QString& errorText);
  ~TAudioDevice();
  TAudioDevice(const TAudioDevice&) = delete;
  TAudioDevice& operator=(const TAudioDevice&) = delete;

  const TSdlLibrary& Sdl() const { return FSdl; }

 private:
  explicit TAudioDevice(const TSdlLibrary& sdl) : FSdl(sdl) {}
  const TSdlLibrary& FSdl;
};

namespace {

// What the device is opened with: stereo 16-bit samples.
constexpr int kOutputRate = MIX_DEFAULT_FREQUENCY;
constexpr int kOutputFrameBytes = 4;
// While a long sound plays, how often the idle check looks again whether it has ended.
constexpr std::chrono::milliseconds kPlayingCheck{1000};

QString AudioErrorText(const TSdlLibrary& sdl) {
  QString text = QString::fromUtf8(sdl.GetError()).trimmed();
  // The window's error report adds its own full stop.
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  if (text.isEmpty()) text = QCoreApplication::translate("TMediaPlayer", "Unknown error code");
  return text;
}

std::weak_ptr<TAudioDevice>& SharedDevice() {
  static std::weak_ptr<TAudioDevice> device;
  return device;
}

}  // namespace

std::shared_ptr<TAudioDevice> TAudioDevice::Acquire(QString& errorText) {
  if (auto device = SharedDevice().lock()) return device;
  const TSdlLibrary* sdl = SdlLibrary(errorText);
  if (sdl == nullptr) return nullptr;
  sdl->ClearError();
  // SDL would otherwise take over SIGINT and SIGTERM, and the game would no longer end
  // when the desktop asks it to.
  sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
    errorText = AudioErrorText(*sdl);
    if (sdl->WasInit(0) == 0) sdl->Quit();
    return nullptr;
  }
  // A small buffer keeps the sound close to the moment the hand is settled.
  if (sdl->OpenAudio(kOutputRate, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    errorText = AudioErrorText(*sdl);
    sdl->QuitSubSystem(SDL_INIT_AUDIO);
    if (sdl->WasInit(0) == 0) sdl->Quit();
    return nullptr;
  }
  std::shared_ptr<TAudioDevice> device(new TAudioDevice(*sdl));
  SharedDevice() = device;
  return device;
}

TAudioDevice::~TAudioDevice() {
  FSdl.HaltChannel(-1);
  FSdl.CloseAudio();
  FSdl.QuitSubSystem(SDL_INIT_AUDIO);
  if (FSdl.WasInit(0) == 0) FSdl.Quit();
}

void TMediaPlayer::TChunkFree::operator()(Mix_Chunk* chunk) const {
  // A chunk only exists once the library has been loaded.
  if (const TSdlLibrary* sdl = LoadedSdlLibrary()) sdl->FreeChunk(chunk);
}

TMediaPlayer::TMediaPlayer(std::chrono::milliseconds deviceIdleTime)
    : FDeviceIdleTime(deviceIdleTime) {}

TMediaPlayer::~TMediaPlayer() {
  Close();
}

bool TMediaPlayer::Open(const std::filesystem::path& fileName, QString& errorText) {
  Close();
  FFileName = fileName;
  FDeviceMissing = false;
  if (!FDevice) {
    FDevice = TAudioDevice::Acquire(errorText);
    FDeviceMissing = !FDevice;
    if (!FDevice) return false;
  }
  KeepDevice();
  if (auto problem = SoundFileProblem(fileName, kOutputRate, kOutputFrameBytes)) {
    errorText = *problem;
    return false;
  }
  const TSdlLibrary& sdl = FDevice->Sdl();
  sdl.ClearError();
  if (fileName.empty()) {
    errorText = QCoreApplication::translate("TMediaPlayer", "No sound file to play");
    return false;
  }
  // Opened here rather than by Mix_LoadWAV, whose own message for a missing file names
  // only its internal call. The system's reason is clearer than SDL's "Couldn't open".
  errno = 0;
  SDL_RWops* stream = sdl.RWFromFile(fileName.c_str(), "rb");
  const int openError = errno;
  if (stream == nullptr) {
    const QString why = openError != 0
                            ? QString::fromStdString(std::generic_category().message(openError))
                            : AudioErrorText(sdl);
    errorText = SoundFileError(fileName, why);
    return false;
  }
  // We close the stream ourselves: SDL2_mixer 2.6 leaves it open when it can't tell the
  // file's format, and a slot pointing at such a file would use up a descriptor a win.
  Mix_Chunk* chunk = sdl.LoadWAV_RW(stream, 0);
  // SDL's text for a damaged file ("Invalid number of channels") doesn't say which.
  if (chunk == nullptr) errorText = SoundFileError(fileName, AudioErrorText(sdl));
  sdl.RWclose(stream);
  if (chunk == nullptr) return false;
  FChunk.reset(chunk);
  return true;
}

void TMediaPlayer::Play() {
  if (!FChunk) return;
  const TSdlLibrary& sdl = FDevice->Sdl();
  if (IsPlaying()) sdl.HaltChannel(FChannel);
  FChannel = sdl.PlayChannelTimed(-1, FChunk.get(), 0, -1);
  KeepDevice();
}

bool TMediaPlayer::IsPlaying() const {
  if (!FChunk || FChannel < 0) return false;
  const TSdlLibrary& sdl = FDevice->Sdl();
  return sdl.Playing(FChannel) != 0 && sdl.GetChunk(FChannel) == FChunk.get();
}

void TMediaPlayer::Close() {
  // Only our own channel: it may have been handed to another sound since.
  if (IsPlaying()) FDevice->Sdl().HaltChannel(FChannel);
  FChannel = -1;
  FChunk.reset();
}

std::optional<std::chrono::milliseconds> TMediaPlayer::CloseIfIdle(TClock::time_point now) {
  if (!FDevice) return std::nullopt;
  if (IsPlaying()) {
    FLastHeard = now;
    return std::min(kPlayingCheck, FDeviceIdleTime);
  }
  const auto quiet = now - FLastHeard;
  if (quiet < FDeviceIdleTime)
    return std::chrono::ceil<std::chrono::milliseconds>(FDeviceIdleTime - quiet);
  Close();
  FDevice.reset();
  if (FIdleTimer) FIdleTimer->stop();
  return std::nullopt;
}

void TMediaPlayer::KeepDevice() {
  FLastHeard = TClock::now();
  ArmIdleTimer(FDeviceIdleTime);
}

void TMediaPlayer::ArmIdleTimer(std::chrono::milliseconds wait) {
  // Without an event loop nothing would deliver the timeout; whoever drives such a player
  // calls CloseIfIdle itself, or lets the device go with the player.
  if (QAbstractEventDispatcher::instance() == nullptr) return;
  if (!FIdleTimer) {
    FIdleTimer = std::make_unique<QTimer>();
    FIdleTimer->setSingleShot(true);
    QObject::connect(FIdleTimer.get(), &QTimer::timeout, FIdleTimer.get(), [this] {
      if (const auto again = CloseIfIdle(TClock::now())) ArmIdleTimer(*again);
    });
  }
  FIdleTimer->start(wait);
}
