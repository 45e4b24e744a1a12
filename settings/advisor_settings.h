#pragma once
// Whether the strategy advisor was open when the game last closed: key Open ("1" or "0") of
// section Advisor. Kept apart from the game's own values so those are written as before.

// False when the key is missing or unreadable.
bool LoadAdvisorOpen();

// Writes the key only when it would change, so a game that never opens the advisor leaves
// the file as it was. Throws ESettingsError when the file can't be written.
void SaveAdvisorOpen(bool open);
