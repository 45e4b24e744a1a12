#include "media_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

// SDL's audio subsystem and SDL_mixer's output, opened on first use and closed when the
// last player lets go. Every player shares the one device; keeping it only as long as a
// player needs it means a missing device is tried again on the next request.
class TAudioDevice {
 public:
  static std::shared_ptr<TAudioDevice> Acquire(QString& errorText);
  ~TAudioDevice();
  TAudioDevice(const TAudioDevice&) = delete;
  TAudioDevice& operator=(const TAudioDevice&) = delete;

 private:
  TAudioDevice() = default;
};

namespace {

QString AudioErrorText() {
  QString text = QString::fromUtf8(SDL_GetError()).trimmed();
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
  SDL_ClearError();
  // SDL would otherwise take over SIGINT and SIGTERM, and the game would no longer end
  // when the desktop asks it to.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    errorText = AudioErrorText();
    if (SDL_WasInit(0) == 0) SDL_Quit();
    return nullptr;
  }
  // A small buffer keeps the sound close to the moment the hand is settled.
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    errorText = AudioErrorText();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(0) == 0) SDL_Quit();
    return nullptr;
  }
  std::shared_ptr<TAudioDevice> device(new TAudioDevice);
  SharedDevice() = device;
  return device;
}

TAudioDevice::~TAudioDevice() {
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (SDL_WasInit(0) == 0) SDL_Quit();
}

void TMediaPlayer::TChunkFree::operator()(Mix_Chunk* chunk) const {
  Mix_FreeChunk(chunk);
}

TMediaPlayer::TMediaPlayer() = default;

TMediaPlayer::~TMediaPlayer() {
  Close();
}

bool TMediaPlayer::Open(const QString& fileName, QString& errorText) {
  Close();
  FFileName = fileName;
  if (!FDevice) {
    FDevice = TAudioDevice::Acquire(errorText);
    if (!FDevice) return false;
  }
  SDL_ClearError();
  // Opened here rather than by Mix_LoadWAV, whose own message for a missing file names
  // only its internal call.
  SDL_RWops* stream = SDL_RWFromFile(QFile::encodeName(fileName).constData(), "rb");
  if (stream == nullptr) {
    errorText = AudioErrorText();
    return false;
  }
  Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 1);  // frees the stream either way
  if (chunk == nullptr) {
    errorText = AudioErrorText();
    return false;
  }
  FChunk.reset(chunk);
  return true;
}

void TMediaPlayer::Play() {
  if (!FChunk) return;
  if (IsPlaying()) Mix_HaltChannel(FChannel);
  FChannel = Mix_PlayChannel(-1, FChunk.get(), 0);
}

bool TMediaPlayer::IsPlaying() const {
  return FChunk && FChannel >= 0 && Mix_Playing(FChannel) != 0 &&
         Mix_GetChunk(FChannel) == FChunk.get();
}

void TMediaPlayer::Close() {
  // Only our own channel: it may have been handed to another sound since.
  if (IsPlaying()) Mix_HaltChannel(FChannel);
  FChannel = -1;
  FChunk.reset();
}
