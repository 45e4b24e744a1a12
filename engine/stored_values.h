// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The values the game keeps between runs, in one table: where each is stored, what a read
// gives when it is missing, which stored values the start-up takes, which values the close
// writes, and the range the payouts dialog offers for each multiplier. The settings layer
// reads and writes by this table, the engine's start-up and the dialog take their rules
// from it.

#include <array>
#include <cstdint>
#include <string_view>

#include "color_values.h"
#include "settlement.h"

// What a read gives for a key that is missing or unreadable; never taken at start-up.
inline constexpr std::int32_t kNotStored = -1;

enum TStoredKey : std::uint8_t {
  skFormColor,
  skPieColor,
  skAmountColor,
  skTotalColor,
  skSound,
  skH1,
  skH2,
  skH3,
  skH4,
  skH5,
  skH6,
  skH7,
  skH8,
  skH9,
  skAmount,
  skTotal,
};
inline constexpr int kStoredKeyCount = 16;

enum TLoadRule : std::uint8_t {
  lrAlways,
  lrColor,       // only a storable colour (IsStoredColor)
  lrMultiplier,  // only above 0: a stored 0 gives the line's default back
  lrBet,         // only above 0 and below the total just restored
  lrTotal,       // only strictly between 50 and 50000
};

enum TSaveRule : std::uint8_t {
  srAlways,
  srColor,       // only a storable colour
  srMultiplier,  // only 0 or more
  srTotal,       // only above 50
};

struct TStoredValue {
  std::string_view Section;
  std::string_view Key;
  std::int32_t Missing;
  TLoadRule Load;
  TSaveRule Save;
  // Multipliers: the payouts dialog offers 0 to this; 0 for the other values.
  std::int32_t DialogMaximum = 0;
};

// In the order the start-up reads them.
inline constexpr std::array<TStoredValue, kStoredKeyCount> kStoredValues = {{
    {"Settings", "FormColor", kNotStored, lrColor, srColor},
    {"Settings", "PieColor", kNotStored, lrColor, srColor},
    {"Settings", "AmountColor", kNotStored, lrColor, srColor},
    {"Settings", "TotalColor", kNotStored, lrColor, srColor},
    {"Settings", "Sound", 1, lrAlways, srAlways},
    {"Payouts", "H1", kNotStored, lrMultiplier, srMultiplier, 5},
    {"Payouts", "H2", kNotStored, lrMultiplier, srMultiplier, 5},
    {"Payouts", "H3", kNotStored, lrMultiplier, srMultiplier, 5},
    {"Payouts", "H4", kNotStored, lrMultiplier, srMultiplier, 9},
    {"Payouts", "H5", kNotStored, lrMultiplier, srMultiplier, 9},
    {"Payouts", "H6", kNotStored, lrMultiplier, srMultiplier, 99},
    {"Payouts", "H7", kNotStored, lrMultiplier, srMultiplier, 99},
    {"Payouts", "H8", kNotStored, lrMultiplier, srMultiplier, 999},
    {"Payouts", "H9", kNotStored, lrMultiplier, srMultiplier, 999},
    {"Bet", "Amount", kNotStored, lrBet, srAlways},
    {"Bet", "Total", kNotStored, lrTotal, srTotal},
}};

// The order the close writes them in.
inline constexpr std::array<TStoredKey, kStoredKeyCount> kCloseOrder = {
    skAmount, skTotal, skFormColor, skPieColor, skAmountColor, skTotalColor, skSound, skH1,
    skH2,     skH3,    skH4,        skH5,       skH6,          skH7,         skH8,    skH9};

inline constexpr TStoredKey PayoutKey(int line) {
  return static_cast<TStoredKey>(skH1 + line - 1);
}

// restoredTotal matters only to the bet.
bool TakenAtStartUp(TStoredKey key, std::int32_t value, std::int32_t restoredTotal = 0);
bool WrittenAtClose(TStoredKey key, std::int32_t value);

// The pay table a start-up makes of the stored multipliers H1..H9.
TPayTable PayTableFromStored(const std::array<std::int32_t, kPayLines>& stored);
