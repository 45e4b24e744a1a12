// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// SDL2 and SDL2_mixer, loaded when the first sound is wanted instead of when the program
// starts: they bring some forty libraries of their own, which would otherwise slow every
// start of the game and sit in its memory even when no hand is ever won.

#include <SDL.h>
#include <SDL_mixer.h>

#include <QString>

struct TSdlLibrary {
  decltype(&::SDL_GetError) GetError;
  decltype(&::SDL_ClearError) ClearError;
  decltype(&::SDL_SetHint) SetHint;
  decltype(&::SDL_InitSubSystem) InitSubSystem;
  decltype(&::SDL_QuitSubSystem) QuitSubSystem;
  decltype(&::SDL_WasInit) WasInit;
  decltype(&::SDL_Quit) Quit;
  decltype(&::SDL_RWFromFile) RWFromFile;
  decltype(&::SDL_RWclose) RWclose;
  decltype(&::Mix_OpenAudio) OpenAudio;
  decltype(&::Mix_CloseAudio) CloseAudio;
  decltype(&::Mix_HaltChannel) HaltChannel;
  decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
  decltype(&::Mix_FreeChunk) FreeChunk;
  decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
  decltype(&::Mix_Playing) Playing;
  decltype(&::Mix_GetChunk) GetChunk;
};

// The loaded library, or null with the loader's text in errorText when it can't be had.
// Once loaded it stays loaded for the rest of the run.
const TSdlLibrary* SdlLibrary(QString& errorText);
// The library if it has been loaded already; never loads it.
const TSdlLibrary* LoadedSdlLibrary();
