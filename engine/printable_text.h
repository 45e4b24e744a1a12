// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The one rule for showing text that came from outside the program (a command line, a
// file's name) in a message: no control character gets through to the terminal or the box
// that shows it.

#include <cstddef>
#include <string>
#include <string_view>

// The text with each control character shown as '?': C0 (below U+0020), DEL, and C1
// (U+0080..U+009F, two bytes each as UTF-8 encodes them). Every other byte stays as it is,
// valid UTF-8 or not.
std::string PrintableText(std::string_view text);

// Where to cut text to at most `bytes` bytes without splitting a UTF-8 character: `bytes`,
// or up to three bytes less when a character's continuation bytes would be cut off.
std::size_t Utf8CutPoint(std::string_view text, std::size_t bytes);
