// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The stored-integer conversion on any text, and on every 32-bit value in the spellings a
// settings file may hold.

#include <QString>
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "settings_store.h"

namespace {

void CheckText(const QString& text) {
  const std::optional<std::int32_t> value = ParseStoredInteger(text);
  Require(StoredTextToInteger(text, 17) == value.value_or(17), "the default stands in for junk");
  if (!value) return;
  // "0x" is taken for "$" only at the very start of the text.
  if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    Require(ParseStoredInteger(QStringLiteral("  ") + text) == value, "leading blanks are skipped");
  Require(!ParseStoredInteger(text + QLatin1Char('g')), "nothing may follow the number");
  Require(!ParseStoredInteger(text + QLatin1Char(' ')), "no trailing blank");
}

void CheckValue(std::int32_t value) {
  const auto expect = [value](const QString& text) {
    Require(ParseStoredInteger(text) == value, "a stored spelling reads back as itself");
  };
  const auto magnitude = value < 0 ? -std::int64_t{value} : std::int64_t{value};
  const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral("+");
  const auto bits = static_cast<std::uint32_t>(value);
  expect(QString::number(value));
  expect(QStringLiteral(" ") + QString::number(value));
  expect(sign + QStringLiteral("000") + QString::number(magnitude));
  expect(QStringLiteral("$") + QString::number(bits, 16));
  expect(QStringLiteral("$") + QString::number(bits, 16).toUpper());
  expect(QStringLiteral("0x") + QString::number(bits, 16));
  // One past either end of the range is not a stored integer.
  if (value == INT32_MAX || value == INT32_MIN)
    Require(!ParseStoredInteger(QString::number(std::int64_t{value} + (value < 0 ? -1 : 1))),
            "decimal text outside 32 bits is refused");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto* chars = reinterpret_cast<const char*>(data);
  const auto length = static_cast<qsizetype>(size);
  CheckText(QString::fromUtf8(chars, length));
  CheckText(QString::fromLatin1(chars, length));
  if (size >= sizeof(std::int32_t)) {
    std::int32_t value = 0;
    std::memcpy(&value, data, sizeof value);
    CheckValue(value);
  }
  return 0;
}
