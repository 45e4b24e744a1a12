// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The values the game keeps between runs: read once when the main window is created,
// written once when it closes.
//
// What the main window does with them:
//  - at creation, inside RunGuarded:
//      TGameSettings settings = LoadGameSettings();
//      "Sound On" checked when settings.SoundOn, otherwise "Sound Off";
//      each colour for which IsStoredColor() holds is applied, in the order FormColor
//      (window background), PieColor (pie gauge fore colour), AmountColor (bet field
//      background), TotalColor (total panel background); any other value leaves the
//      control's design colour;
//      StartEngine(engine, settings);
//    and it keeps the four colour fields as its live colour state.
//  - at close, inside RunGuarded: CopyEngineValues(engine, settings), the live colour fields
//    and SoundOn = "Sound On" checked, then SaveGameSettings(settings). It throws
//    ESettingsError when the file can't be written; the window shows it and still closes.
//
// LoadGameSettings never throws for a missing, unreadable or corrupt file, nor for a value
// of the wrong type: such values count as not stored, so one bad value can't cost the
// others (they would be overwritten with defaults at the next close).

#include <array>
#include <cstdint>

#include "game_engine.h"
#include "stored_values.h"

struct TGameSettings {
  std::int32_t FormColor = kNotStored;
  std::int32_t PieColor = kNotStored;
  std::int32_t AmountColor = kNotStored;
  std::int32_t TotalColor = kNotStored;
  bool SoundOn = true;
  // H1..H9 of the pay table.
  std::array<std::int32_t, kPayLines> Payouts = {kNotStored, kNotStored, kNotStored,
                                                 kNotStored, kNotStored, kNotStored,
                                                 kNotStored, kNotStored, kNotStored};
  std::int32_t BetAmount = kNotStored;
  std::int32_t Total = kNotStored;

  friend bool operator==(const TGameSettings&, const TGameSettings&) = default;
};

// Settings, Payouts and Bet sections in one opening of the store.
TGameSettings LoadGameSettings();

// In one opening, saved atomically, each value by its rule in kStoredValues: Bet/Amount
// always; Bet/Total only above 50; each colour only when IsStoredColor; Settings/Sound always
// ("1"/"0"); each H1..H9 only when 0 or more. Skipped values keep what was stored before.
// Throws ESettingsError.
void SaveGameSettings(const TGameSettings& settings);

// Hands the stored total, bet and multipliers to the engine's StartUp, which keeps each
// only within its bounds.
void StartEngine(TGameEngine& engine, const TGameSettings& settings);

// The live total, bet and pay table, for the close-time write.
void CopyEngineValues(const TGameEngine& engine, TGameSettings& settings);
