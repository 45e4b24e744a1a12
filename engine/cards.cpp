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

template <int N>
void TDeckOf<N>::Fill() {
  for (int i = 0; i < N; ++i) Entries[static_cast<std::size_t>(i)] = i + 1;
}

template <int N>
void TDeckOf<N>::Shuffle(TRandomSource& random) {
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    const std::size_t j = random.NextInt(N);
    std::swap(Entries[i], Entries[j]);
  }
}

template <int N>
cdCardDeck TDeckOf<N>::TakeNext() {
  if (Position >= Entries.size()) return 0;
  ++Position;
  return static_cast<cdCardDeck>(Entries[Position - 1] & 0xFF);
}

template struct TDeckOf<52>;
template struct TDeckOf<53>;
