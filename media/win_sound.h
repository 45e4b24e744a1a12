#pragma once
// The sound that greets a winning hand: the slot's own file, else a stock fallback.

#include <QString>
#include <optional>

#include "media_player.h"
#include "sound_slots.h"

// Looked up in the current directory at the moment of each win, so a player can drop in a
// coins.Wav of their own.
inline const QString kCoinsFileName = QStringLiteral("coins.Wav");

// The program's data folder: <folder of the running program>/../share/lumaro, which holds
// in the build tree and when installed.
QString ProgramDataFolder();
// The chime every installation has: ProgramDataFolder() + "/CHIMES.WAV".
QString SystemChimePath();

// Whether name is an existing file that is not a folder.
bool IsExistingFile(const QString& name);

// The file a win request opens, first match wins: wanted if it exists; "coins.Wav" in the
// current directory; chimePath; otherwise previous (the player's last file, maybe empty).
QString ChooseWinSoundFile(const QString& wanted, const QString& chimePath,
                           const QString& previous);

// Opens the sound for slot 1..9 whether or not sound is on (so a missing device is noticed
// either way) and plays it only when soundOn. Returns the text for the error box when the
// open fails (without a closing full stop), nothing otherwise.
std::optional<QString> PlayWinSound(int slot, const TSoundSlots& soundSlots, bool soundOn,
                                    TMediaPlayer& player);
