// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The nine winning-sound slots: the WAV file path chosen for each winning result.

#include <QString>
#include <array>

#include "game_description.h"  // kWinSoundSlots, the slots every game's lines sound

// A slot keeps at most this many characters of its path; the store keeps it whole.
inline constexpr int kSoundSlotMaxLength = 80;
// What a slot holds when it has never been given a file.
inline const QString kNoSoundFile = QStringLiteral("Error");

using TSoundSlot = QString;
// Index 0 is slot 1 (jacks or better) ... index 8 is slot 9 (royal flush).
using TSoundSlots = std::array<TSoundSlot, kWinSoundSlots>;

// The first kSoundSlotMaxLength characters of a path.
TSoundSlot SoundSlotFromPath(const QString& path);
// Reads WAVFILE1..WAVFILE9 of section [Sound]; "Error" for a missing key, each cut to 80.
// Reads the file again only when it changed since the last call (store_file.h, TFileStamp).
TSoundSlots LoadSoundSlots();
// Writes the whole path under WAVFILE<slot> (slot 1..9) of section [Sound] at once.
// Throws ESettingsError (settings_store.h) when the store can't be written.
void SaveSoundSlot(int slot, const QString& path);
