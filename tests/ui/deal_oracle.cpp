// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
//
// What the game's own engine makes of a hand played in the real window, for the tests
// that play it through the keyboard and the accessibility bus:
//
//   deal_oracle FROM_MS TO_MS "CARD|CARD|CARD|CARD|CARD" HELD [BET]
//
// The game seeds its generator once at start from the time of day (milliseconds since
// midnight UTC). Every time from FROM_MS to TO_MS (wrapping at midnight) is tried: a game
// started then, with the settings in $XDG_CONFIG_HOME, deals its first hand; the one that
// deals the five cards named (as screen readers name them) is played on with the positions
// in HELD ("13" holds cards 1 and 3; "-" holds none), drawn and settled, at the stored bet or
// at BET when the player set another before the deal. Prints the seed, the
// five cards after the draw, the hand, the money message and the total, one "key=value"
// a line. Exits 1 unless exactly one time deals those cards.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "CardDeck.h"
#include "game_engine.h"
#include "game_settings.h"

namespace {

constexpr int kDayMs = 86'400'000;

TTimeOfDay TimeOf(int ms) {
  return {ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60, ms % 1000};
}

QStringList Names(const TGameEngine& engine) {
  QStringList names;
  for (const cdCardDeck card : engine.View().Cards) names << CardSpokenName(card);
  return names;
}

void Print(const char* key, const QString& value) {
  std::printf("%s=%s\n", key, value.toUtf8().constData());
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  bool fromOk = false;
  bool toOk = false;
  const bool counted = args.size() == 5 || args.size() == 6;
  const int from = counted ? args[1].toInt(&fromOk) : 0;
  const int to = counted ? args[2].toInt(&toOk) : 0;
  bool betOk = true;
  const int bet = args.size() == 6 ? args[5].toInt(&betOk) : 0;
  if (!fromOk || !toOk || !betOk || from < 0 || to < 0 || from >= kDayMs || to >= kDayMs) {
    std::fprintf(stderr, "usage: deal_oracle FROM_MS TO_MS \"CARD|...\" HELD [BET]\n");
    return 2;
  }
  const QStringList dealt = args[3].split(QLatin1Char('|'));
  const QString held = args[4];
  const TGameSettings settings = LoadGameSettings();

  std::vector<int> matches;
  const int span = (to - from + kDayMs) % kDayMs;
  for (int step = 0; step <= span; ++step) {
    const int ms = (from + step) % kDayMs;
    TGameEngine engine([ms] { return TimeOf(ms); });
    StartEngine(engine, settings);
    engine.Deal();
    if (Names(engine) == dealt) matches.push_back(ms);
  }
  if (matches.size() != 1) {
    std::fprintf(stderr, "deal_oracle: %zu start times from %d to %d deal %s\n", matches.size(),
                 from, to, args[3].toUtf8().constData());
    return 1;
  }

  const int ms = matches.front();
  TGameEngine engine([ms] { return TimeOf(ms); });
  StartEngine(engine, settings);
  if (bet != 0) engine.SetBet(bet);
  engine.Deal();
  for (const QChar position : held)
    if (position >= QLatin1Char('1') && position <= QLatin1Char('5'))
      engine.ToggleHold(position.digitValue());
  engine.DrawAndSettle();
  const TGameView& view = engine.View();
  std::printf("seed=%d\n", ms);
  Print("final", Names(engine).join(QLatin1Char('|')));
  Print("hand", QString::fromStdString(view.HandText));
  Print("money", QString::fromStdString(view.MoneyMessage));
  Print("total", QString::fromStdString(view.TotalText));
  return 0;
}
