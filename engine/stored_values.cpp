// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "stored_values.h"

bool TakenAtStartUp(TStoredKey key, std::int32_t value, std::int32_t restoredTotal) {
  switch (kStoredValues[key].Load) {
    case lrAlways:
      return true;
    case lrColor:
      return IsStoredColor(value);
    case lrMultiplier:
      return value > 0;
    case lrBet:
      return value > 0 && value < restoredTotal;
    case lrTotal:
      return value > 50 && value < 50000;
  }
  return false;
}

bool WrittenAtClose(TStoredKey key, std::int32_t value) {
  switch (kStoredValues[key].Save) {
    case srAlways:
      return true;
    case srColor:
      return IsStoredColor(value);
    case srMultiplier:
      return value >= 0;
    case srTotal:
      return value > 50;
  }
  return false;
}

TPayTable PayTableFromStored(const std::array<std::int32_t, kPayLines>& stored) {
  TPayTable table;
  for (int line = 1; line <= kPayLines; ++line) {
    const std::int32_t value = stored[static_cast<std::size_t>(line - 1)];
    if (TakenAtStartUp(PayoutKey(line), value)) table.SetLine(line, value);
  }
  return table;
}
