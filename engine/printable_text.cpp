// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "printable_text.h"

namespace {

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string printable;
  printable.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) {
      printable += '?';
    } else if (c == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80) {
      printable += '?';
      ++i;  // both bytes of the C1 control
    } else {
      printable += text[i];
    }
  }
  return printable;
}

std::size_t Utf8CutPoint(std::string_view text, std::size_t bytes) {
  if (bytes >= text.size()) return text.size();
  // A UTF-8 character is at most four bytes; beyond that the bytes are not UTF-8 anyway.
  std::size_t cut = bytes;
  while (cut > 0 && bytes - cut < 3 && IsContinuationByte(text[cut])) --cut;
  return IsContinuationByte(text[cut]) ? bytes : cut;
}
