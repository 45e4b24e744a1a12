// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Shared by the hand history's tests and their writer: hands made from a number, and a look
// at the file through a connection of the test's own.

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <functional>

#include "hand_record.h"

namespace history_test {

// Hand number n of a test: every third one a mistake, in one of three situations; ten hands
// a session; the numbers make every field different from its neighbours'.
inline THandRecord NumberedHand(std::int64_t n) {
  THandRecord hand;
  hand.Time = 1'800'000'000 + n;
  hand.SessionStart = 1'800'000'000 + n / 10 * 10;
  hand.Bet = 5 * static_cast<std::int32_t>(1 + n % 7);
  hand.Table.Multipliers = {0, 1, 2, 3, 4, 7, 11, 49, static_cast<std::int32_t>(99 + n % 5)};
  for (std::size_t i = 0; i < 5; ++i) {
    hand.Dealt[i] = static_cast<cdCardDeck>(1 + (n + static_cast<std::int64_t>(i) * 9) % 52);
    hand.Final[i] = static_cast<cdCardDeck>(1 + (n + static_cast<std::int64_t>(i) * 9 + 3) % 52);
  }
  hand.HeldMask = static_cast<std::uint8_t>(n % 32);
  hand.BestCoins = 5.0 + static_cast<double>(n % 11);
  if (n % 3 == 0) {
    hand.BestMask = static_cast<std::uint8_t>((n + 1) % 32);
    hand.Cost = 0.25 * static_cast<double>(1 + n % 4);
    hand.HeldPattern = n % 2 ? "low pair" : "nothing";
    hand.BestPattern = "four to a flush";
  } else {
    hand.BestMask = hand.HeldMask;
  }
  hand.HeldCoins = hand.BestCoins - hand.Cost;
  hand.Outcome = static_cast<std::uint8_t>(n % 11);
  hand.Win = hand.Outcome > 1 ? hand.Bet : -hand.Bet;
  return hand;
}

// Runs `body` with a connection of its own to the file, removed again afterwards.
inline void WithDatabase(const QString& path, const std::function<void(QSqlDatabase&)>& body) {
  const QString name = QStringLiteral("history-test-look");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (db.open()) body(db);
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
}

// The first column of the first row, or an invalid value when the statement fails.
inline QVariant Value(QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  if (!query.exec(sql) || !query.next()) return {};
  return query.value(0);
}

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace history_test
