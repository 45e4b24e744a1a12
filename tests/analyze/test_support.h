// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Shared by the analyze tests: the draw tables are built once per test program.

#include <memory>

#include "odds.h"

inline const TDrawTables& SharedTables() {
  static const std::shared_ptr<const TDrawTables> tables = TDrawTables::Build(2);
  return *tables;
}

// Sanitizer builds run the exhaustive checks on a smaller sample.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizedBuild = true;
#else
inline constexpr bool kSanitizedBuild = false;
#endif
