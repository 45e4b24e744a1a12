// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "whole_number.h"

namespace {

// Far beyond every range a caller accepts, and far from overflowing the accumulator.
constexpr std::int64_t kLargest = 999'999'999'999'999'999;

}  // namespace

std::optional<std::int64_t> ParseSignedDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (magnitude > (kLargest - (c - '0')) / 10) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
  }
  return negative ? -magnitude : magnitude;
}

std::optional<std::int64_t> ParseSignedDecimal(std::string_view text, std::int64_t lo,
                                               std::int64_t hi) {
  const auto value = ParseSignedDecimal(text);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return value;
}
