#pragma once
// The window's colour values are 32-bit 0x00BBGGRR numbers, as they are stored in the
// settings; a value with the top bit set names a system colour. Conversion happens here.

#include <QColor>

#include "game_engine.h"

inline constexpr TColorValue clBlack = 0x00000000;
inline constexpr TColorValue clMaroon = 0x00000080;
inline constexpr TColorValue clNavy = 0x00800000;
inline constexpr TColorValue clYellow = 0x0000FFFF;
inline constexpr TColorValue clLime = 0x0000FF00;
inline constexpr TColorValue clSilver = 0x00C0C0C0;
inline constexpr TColorValue clWhite = 0x00FFFFFF;
inline constexpr TColorValue clWindow = static_cast<TColorValue>(0x80000005u);

// System colours come from the application palette.
QColor ToQColor(TColorValue value);
TColorValue FromQColor(const QColor& color);
