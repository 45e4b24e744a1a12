// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "cards.h"

#include <chrono>

int CardSuit(int code) {
  if (code < 1 || code > 52) return 0;
  return (code - 1) / 13 + 1;
}

int CardRank(int code) {
  const int suit = CardSuit(code);
  if (suit == 0) return 0;
  return code - 13 * (suit - 1);
}

TTimeOfDay UtcTimeOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto sinceMidnight = duration_cast<milliseconds>(now - floor<days>(now)).count();
  TTimeOfDay t;
  t.Millisecond = static_cast<int>(sinceMidnight % 1000);
  t.Second = static_cast<int>(sinceMidnight / 1000 % 60);
  t.Minute = static_cast<int>(sinceMidnight / 60000 % 60);
  t.Hour = static_cast<int>(sinceMidnight / 3600000);
  return t;
}

void TRandomSource::SeedFromClock(const TClock& clock) {
  const TTimeOfDay t = clock();
  // Unsigned arithmetic: a clock that reports nonsense wraps instead of overflowing.
  Seed = ((static_cast<std::uint32_t>(t.Hour) * 60u + static_cast<std::uint32_t>(t.Minute)) * 60u +
          static_cast<std::uint32_t>(t.Second)) *
             1000u +
         static_cast<std::uint32_t>(t.Millisecond);
}

void TDeck::Fill() {
  for (int i = 0; i < 52; ++i) Entries[i] = i + 1;
}

void TDeck::Shuffle(TRandomSource& random) {
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    const std::size_t j = random.NextInt(52);
    std::swap(Entries[i], Entries[j]);
  }
}

cdCardDeck TDeck::TakeNext() {
  if (Position >= Entries.size()) return 0;
  ++Position;
  return static_cast<cdCardDeck>(Entries[Position - 1] & 0xFF);
}
