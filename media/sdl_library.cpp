// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "sdl_library.h"

#include <dlfcn.h>

#include <QCoreApplication>

namespace {

constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

struct TLoadResult {
  TSdlLibrary Library{};
  bool Loaded = false;
  QString Error;
};

template <class Function>
bool Resolve(void* handle, const char* name, Function& function, QString& error) {
  // The mixer's handle also finds the symbols of SDL itself, one of its dependencies.
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (function == nullptr && error.isEmpty())
    error = QCoreApplication::translate("TMediaPlayer", "%1 lacks %2")
                .arg(QString::fromLatin1(kMixerLibrary), QString::fromLatin1(name));
  return function != nullptr;
}

TLoadResult Load() {
  TLoadResult result;
  void* handle = dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    result.Error = why ? QString::fromLocal8Bit(why)
                       : QCoreApplication::translate("TMediaPlayer", "Unknown error code");
    return result;
  }
  TSdlLibrary& l = result.Library;
  QString& e = result.Error;
  const bool all = Resolve(handle, "SDL_GetError", l.GetError, e) &&
                   Resolve(handle, "SDL_ClearError", l.ClearError, e) &&
                   Resolve(handle, "SDL_SetHint", l.SetHint, e) &&
                   Resolve(handle, "SDL_InitSubSystem", l.InitSubSystem, e) &&
                   Resolve(handle, "SDL_QuitSubSystem", l.QuitSubSystem, e) &&
                   Resolve(handle, "SDL_WasInit", l.WasInit, e) &&
                   Resolve(handle, "SDL_Quit", l.Quit, e) &&
                   Resolve(handle, "SDL_RWFromFile", l.RWFromFile, e) &&
                   Resolve(handle, "SDL_RWclose", l.RWclose, e) &&
                   Resolve(handle, "Mix_OpenAudio", l.OpenAudio, e) &&
                   Resolve(handle, "Mix_CloseAudio", l.CloseAudio, e) &&
                   Resolve(handle, "Mix_HaltChannel", l.HaltChannel, e) &&
                   Resolve(handle, "Mix_LoadWAV_RW", l.LoadWAV_RW, e) &&
                   Resolve(handle, "Mix_FreeChunk", l.FreeChunk, e) &&
                   Resolve(handle, "Mix_PlayChannelTimed", l.PlayChannelTimed, e) &&
                   Resolve(handle, "Mix_Playing", l.Playing, e) &&
                   Resolve(handle, "Mix_GetChunk", l.GetChunk, e);
  // Never unloaded: SDL keeps threads and handlers of its own while it is in use.
  result.Loaded = all;
  return result;
}

const TLoadResult& Result() {
  static const TLoadResult result = Load();
  return result;
}

bool& Attempted() {
  static bool attempted = false;
  return attempted;
}

}  // namespace

const TSdlLibrary* SdlLibrary(QString& errorText) {
  Attempted() = true;
  const TLoadResult& result = Result();
  if (!result.Loaded) {
    errorText = result.Error;
    return nullptr;
  }
  return &result.Library;
}

const TSdlLibrary* LoadedSdlLibrary() {
  if (!Attempted()) return nullptr;
  const TLoadResult& result = Result();
  return result.Loaded ? &result.Library : nullptr;
}
