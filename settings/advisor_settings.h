// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The strategy advisor's stored state, section Advisor, apart from the game's own values so
// those are written as before: whether it was open when the game last closed (key Open),
// docked in the game window or in a window of its own (key Docked),
// whether practice mode is on (key Practice), whether practice asks before a draw that
// gives coins away (key WarnBeforeDraw), each "1" or "0"; and the last return it counted
// with the pay table it belongs to (keys Return, "92.70", and ReturnTable, the nine
// multipliers H1..H9 separated by blanks), shown at once when the advisor next opens under
// that pay table while it is counted again.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "settlement.h"

struct TKnownReturn {
  TPayTable Table;
  std::string Percent;  // two decimals, "92.70"
  friend bool operator==(const TKnownReturn&, const TKnownReturn&) = default;
};

struct TAdvisorState {
  bool Open = false;
  bool Docked = true;
  bool Practice = false;
  bool WarnBeforeDraw = true;
  std::optional<TKnownReturn> Return;
  friend bool operator==(const TAdvisorState&, const TAdvisorState&) = default;
};

// The defaults for keys that are missing or unreadable; no return unless both of its keys
// read as they are written.
TAdvisorState LoadAdvisorState();

// Writes only the keys whose value would change, so a game that never uses the advisor
// leaves the file as it was. Throws ESettingsError when the file can't be written.
void SaveAdvisorState(const TAdvisorState& state);
