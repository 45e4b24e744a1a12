// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
//
// What the game in force makes of five final cards, worked out from the engine's evaluator
// and the game's table as the settings in $XDG_CONFIG_HOME give them, for the tests that play
// the real window:
//
//   settle_oracle "CARD|CARD|CARD|CARD|CARD" BET TOTAL
//
// CARD as screen readers name it ("Queen of Diamonds", "Joker"); TOTAL is the bankroll before
// the hand. Prints the game's id, the hand's line (or "none"), the caption, the statistics
// column and the total after the hand, one "key=value" a line. Exits 2 on bad arguments.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "CardDeck.h"
#include "game_choice.h"
#include "game_table.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  bool betOk = false;
  bool totalOk = false;
  const int bet = args.size() == 4 ? args[2].toInt(&betOk) : 0;
  const int total = args.size() == 4 ? args[3].toInt(&totalOk) : 0;
  const QStringList names = args.size() == 4 ? args[1].split(QLatin1Char('|')) : QStringList();
  THandCards cards{};
  int found = 0;
  for (const QString& name : names)
    for (int code = 1; code <= cdJoker; ++code)
      if (CardSpokenName(static_cast<cdCardDeck>(code)) == name && found < 5)
        cards[static_cast<std::size_t>(found++)] = static_cast<cdCardDeck>(code);
  if (!betOk || !totalOk || names.size() != 5 || found != 5) {
    std::fprintf(stderr, "usage: settle_oracle \"CARD|CARD|CARD|CARD|CARD\" BET TOTAL\n");
    return 2;
  }
  const TGameTable table = LoadChosenGame().value_or(JacksTable(TPayTable{}));
  const int outcome = EvaluateOutcome(*table.Game, cards);
  const int line = table.Game->LineOfOutcome(outcome);
  std::printf("game=%s\n", std::string(table.Game->Id).c_str());
  std::printf("line=%s\n", line < 0 ? "none" : std::string(table.Game->LineName(line)).c_str());
  std::printf("hand=%s\n", EnglishText(OutcomeSaying(*table.Game, outcome)).c_str());
  std::printf("column=%d\n", table.Game->Outcomes[static_cast<std::size_t>(outcome)].Column);
  std::printf("total=%d\n", SettledTotal(total, bet, table, outcome));
  return 0;
}
