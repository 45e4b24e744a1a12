// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The one reading of a whole number the game uses wherever a number is typed or stored: an
// optional "+" or "-", then decimal digits up to the end of the text. What comes around it
// (blanks, other scripts' digits, hexadecimal spellings, the range a caller accepts) is each
// caller's own rule.

#include <cstdint>
#include <optional>
#include <string_view>

// The number "[+|-]digits" spells, or nothing when the text is anything else (empty, no
// digits, a second sign, blanks, any other character) or its size exceeds 18 digits' worth.
std::optional<std::int64_t> ParseSignedDecimal(std::string_view text);

// The same, and only when the number lies in lo..hi.
std::optional<std::int64_t> ParseSignedDecimal(std::string_view text, std::int64_t lo,
                                               std::int64_t hi);
