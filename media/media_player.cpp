#include "media_player.h"

#include <QFile>

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

QString AudioErrorText(const TSdlLibrary& sdl) {
  QString text = QString::fromUtf8(sdl.GetError()).trimmed();
  // The window's error report adds its own full stop.
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  if (text.isEmpty()) text = QStringLiteral("Unknown error code");
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

TMediaPlayer::TMediaPlayer() = default;

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
  if (auto problem = SoundFileProblem(fileName, kOutputRate, kOutputFrameBytes)) {
    errorText = *problem;
    return false;
  }
  const TSdlLibrary& sdl = FDevice->Sdl();
  sdl.ClearError();
  // Opened here rather than by Mix_LoadWAV, whose own message for a missing file names
  // only its internal call.
  SDL_RWops* stream = sdl.RWFromFile(fileName.c_str(), "rb");
  if (stream == nullptr) {
    errorText = AudioErrorText(sdl);
    return false;
  }
  // We close the stream ourselves: SDL2_mixer 2.6 leaves it open when it can't tell the
  // file's format, and a slot pointing at such a file would use up a descriptor a win.
  Mix_Chunk* chunk = sdl.LoadWAV_RW(stream, 0);
  if (chunk == nullptr) errorText = AudioErrorText(sdl);
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
