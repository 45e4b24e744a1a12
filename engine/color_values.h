// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Colour values as the window toolkit spells them, and as they are stored: 32-bit
// 0x00BBGGRR for a plain colour; the top bit set names a system colour. The window
// converts them to its own colours at its boundary (ui/controls/Colors.h).

#include <cstdint>

using TColorValue = std::int32_t;

inline constexpr TColorValue clBlack = 0x00000000;
inline constexpr TColorValue clMaroon = 0x00000080;
inline constexpr TColorValue clRed = 0x000000FF;
inline constexpr TColorValue clLime = 0x0000FF00;
inline constexpr TColorValue clYellow = 0x0000FFFF;
inline constexpr TColorValue clNavy = 0x00800000;
inline constexpr TColorValue clBlue = 0x00FF0000;
inline constexpr TColorValue clSilver = 0x00C0C0C0;
inline constexpr TColorValue clWhite = 0x00FFFFFF;
inline constexpr TColorValue clBtnFace = static_cast<TColorValue>(0x8000000Fu);
inline constexpr TColorValue clWindow = static_cast<TColorValue>(0x80000005u);

// The strategy advisor's own colours: the best hold's shade, red suits, quiet notes.
inline constexpr TColorValue clBestHoldShade = 0x00C8F0C8;
inline constexpr TColorValue clRedSuit = 0x000000C8;
inline constexpr TColorValue clQuietText = 0x006E6E6E;
// The hand history's chart: the best-play rate, and its guide lines at 50 % and 100 %.
inline constexpr TColorValue clBestRateLine = 0x00307A1E;
inline constexpr TColorValue clChartGuide = 0x00D8D8D8;

// Black (0) and system colours (negative as signed numbers) are neither stored nor applied
// from the store, so a control keeps its own colour for them.
inline constexpr bool IsStoredColor(TColorValue color) {
  return color > 0;
}
