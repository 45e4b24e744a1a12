// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The sound that greets a winning hand: the file chosen for it, else a stock fallback.

#include <QString>
#include <filesystem>
#include <optional>

#include "media_player.h"

// Looked up in the current directory at the moment of each win, so a player can drop in a
// coins.Wav of their own. Choosing a file with a Sound button of the payouts dialog moves
// the current directory to that file's folder (ui/shell/PayoutsDialog.cpp).
inline constexpr const char* kCoinsFileName = "coins.Wav";

// The chime every installation has: the program's data folder + "/CHIMES.WAV".
std::filesystem::path SystemChimePath();

// Whether name is an existing file that is not a folder.
bool IsExistingFile(const std::filesystem::path& name);

// The file a win request opens, first match wins: wanted if it exists; "coins.Wav" in the
// current directory; chimePath; otherwise previous (the player's last file, maybe empty).
std::filesystem::path ChooseWinSoundFile(const std::filesystem::path& wanted,
                                         const std::filesystem::path& chimePath,
                                         const std::filesystem::path& previous);

// What the player is told when no file of the chain exists: the stock chime is missing
// from the data folder, and the current directory has no coins.Wav.
QString NoWinSoundText(const std::filesystem::path& chimePath);

// Opens the sound for a win whether or not sound is on (so a broken file is noticed either
// way) and plays it only when soundOn. Returns the text for the error box (without a closing
// full stop) when the file can't be opened. A missing audio device is reported only once per
// player, the first time it happens while sound is on, and so is finding no sound file at
// all (NoWinSoundText), whether or not sound is on: a machine without sound, or a program
// without its data folder, would otherwise raise a box on every win.
std::optional<QString> PlayWinSound(const std::filesystem::path& wanted, bool soundOn,
                                    TMediaPlayer& player,
                                    const std::filesystem::path& chimePath = SystemChimePath());
