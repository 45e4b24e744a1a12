// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The hand history's figures on a small history made by hand, its folder, and what it does
// with files it did not write: older schemas are brought up to date, damaged files are
// moved aside, newer ones are left alone.

#include "hand_history.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>

#include "history_test_support.h"

namespace {

using history_test::FileBytes;
using history_test::NumberedHand;
using history_test::Value;
using history_test::WithDatabase;

class HistoryFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Temp.isValid()); }
  QString Path(const QString& name = QStringLiteral("history.sqlite")) const {
    return Temp.filePath(name);
  }
  // The files in the folder other than `path`'s own.
  QStringList OtherFiles() const {
    QStringList names = QDir(Temp.path()).entryList(QDir::Files);
    names.removeAll(QStringLiteral("history.sqlite"));
    names.removeAll(QStringLiteral("history.sqlite-wal"));
    names.removeAll(QStringLiteral("history.sqlite-shm"));
    return names;
  }
  static void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  QTemporaryDir Temp;
};

THandRecord Hand(std::int64_t session, std::int64_t time, bool practice, double cost,
                 const char* held = "", const char* best = "") {
  THandRecord hand = NumberedHand(time);
  hand.SessionStart = session;
  hand.Time = time;
  hand.Practice = practice;
  hand.Cost = cost;
  hand.HeldCoins = hand.BestCoins - cost;
  hand.HeldPattern = held;
  hand.BestPattern = best;
  return hand;
}

TEST_F(HistoryFolderTest, SummaryOfAHandMadeHistory) {
  constexpr std::int64_t kMonday = 1'900'000'000;
  constexpr std::int64_t kTuesday = kMonday + 86'400;
  const std::vector<THandRecord> hands = {
      Hand(kMonday, kMonday + 10, false, 0),
      Hand(kMonday, kMonday + 20, false, 1.5, "low pair", "four to a flush"),
      Hand(kMonday, kMonday + 30, false, 0.5, "low pair", "four to a flush"),
      Hand(kMonday, kMonday + 40, false, 0),
      Hand(kMonday, kMonday + 50, true, 4.0, "nothing", "three to a royal"),  // practice
      Hand(kTuesday, kTuesday + 10, false, 2.5, "two high cards", "high pair"),
      Hand(kTuesday, kTuesday + 20, false, 0.25, "low pair", "four to a flush"),
      Hand(kTuesday, kTuesday + 30, false, 0),
  };
  {
    THandHistory history(THandHistory::omRecord, Path());
    ASSERT_EQ(history.State(), THistoryState::Open);
    for (const THandRecord& hand : hands) ASSERT_TRUE(history.Record(hand));
    EXPECT_FALSE(history.TakeReport());
  }
  // What a later game and the command read back.
  for (const THandHistory::TMode mode : {THandHistory::omRecord, THandHistory::omReadOnly}) {
    THandHistory history(mode, Path());
    ASSERT_EQ(history.State(), THistoryState::Open);

    const THistoryTotals totals = history.Totals();
    EXPECT_EQ(totals.Sessions, 2);
    EXPECT_EQ(totals.Hands, 7);
    EXPECT_EQ(totals.BestHolds, 3);
    EXPECT_DOUBLE_EQ(totals.Cost, 4.75);
    EXPECT_DOUBLE_EQ(totals.CostPer100Hands(), 475.0 / 7);
    EXPECT_EQ(totals.PracticeHands, 1);

    const std::vector<THistorySession> sessions = history.Sessions();
    ASSERT_EQ(sessions.size(), 3u);
    EXPECT_EQ(sessions[0].Start, kTuesday);
    EXPECT_EQ(sessions[0].LastTime, kTuesday + 30);
    EXPECT_EQ(sessions[0].Hands, 3);
    EXPECT_DOUBLE_EQ(sessions[0].BestRate(), 1.0 / 3);
    EXPECT_DOUBLE_EQ(sessions[0].CostPer100Hands(), 275.0 / 3);
    EXPECT_FALSE(sessions[1].Practice);
    EXPECT_EQ(sessions[1].Hands, 4);
    EXPECT_EQ(sessions[1].BestHolds, 2);
    EXPECT_DOUBLE_EQ(sessions[1].Cost, 2.0);
    EXPECT_TRUE(sessions[2].Practice);
    EXPECT_EQ(sessions[2].Start, kMonday);
    EXPECT_EQ(sessions[2].Hands, 1);
    EXPECT_EQ(history.Sessions(0, 1).size(), 1u);

    // Played hands only: the practice mistake costs nothing in these.
    const std::vector<THistorySituation> situations = history.CostlySituations();
    ASSERT_EQ(situations.size(), 2u);
    EXPECT_EQ(situations[0].HeldPattern, "two high cards");
    EXPECT_DOUBLE_EQ(situations[0].Cost, 2.5);
    EXPECT_EQ(situations[1].HeldPattern, "low pair");
    EXPECT_EQ(situations[1].BestPattern, "four to a flush");
    EXPECT_EQ(situations[1].Count, 3);
    EXPECT_DOUBLE_EQ(situations[1].Cost, 2.25);
    EXPECT_DOUBLE_EQ(situations[1].AverageCost(), 0.75);
    EXPECT_EQ(history.CostlySituations(0, 1).size(), 1u);

    // Since Tuesday: its session alone, its situations counted from the per-session rows.
    EXPECT_EQ(history.Sessions(kTuesday).size(), 1u);
    EXPECT_EQ(history.Totals(kTuesday).Hands, 3);
    EXPECT_EQ(history.Totals(kTuesday).PracticeHands, 0);
    const std::vector<THistorySituation> tuesday = history.CostlySituations(kTuesday);
    ASSERT_EQ(tuesday.size(), 2u);
    EXPECT_EQ(tuesday[1].Count, 1);
    EXPECT_DOUBLE_EQ(tuesday[1].Cost, 0.25);

    // Every mistake, practice too, newest first, with all a replay needs.
    const std::vector<THandRecord> mistakes = history.Mistakes(10);
    ASSERT_EQ(mistakes.size(), 5u);
    const THandRecord& newest = mistakes[0];
    const THandRecord& original = hands[6];
    EXPECT_EQ(newest.Time, original.Time);
    EXPECT_EQ(newest.Dealt, original.Dealt);
    EXPECT_EQ(newest.Final, original.Final);
    EXPECT_EQ(newest.Table, original.Table);
    EXPECT_EQ(newest.Bet, original.Bet);
    EXPECT_EQ(newest.HeldMask, original.HeldMask);
    EXPECT_EQ(newest.BestMask, original.BestMask);
    EXPECT_DOUBLE_EQ(newest.HeldCoins, original.HeldCoins);
    EXPECT_DOUBLE_EQ(newest.BestCoins, original.BestCoins);
    EXPECT_EQ(newest.Outcome, original.Outcome);
    EXPECT_EQ(newest.Win, original.Win);
    EXPECT_EQ(newest.BestPattern, original.BestPattern);
    EXPECT_TRUE(mistakes[2].Practice);
    EXPECT_EQ(mistakes[4].Time, kMonday + 20);
    const std::vector<THandRecord> page = history.Mistakes(2, 3);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[0].Time, mistakes[3].Time);

    EXPECT_EQ(history.BestRateSeries(2), (std::vector<double>{1.0 / 2, 1.0 / 3}));
    EXPECT_EQ(history.BestRateSeries(10).size(), 3u);
    EXPECT_FALSE(history.TakeReport());
  }
}

TEST_F(HistoryFolderTest, TheFileLivesInTheUsersDataFolder) {
  const QByteArray savedData = qgetenv("XDG_DATA_HOME");
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("XDG_DATA_HOME", QFile::encodeName(Temp.filePath(QStringLiteral("data"))));
  EXPECT_EQ(HistoryFilePath(), Temp.filePath(QStringLiteral("data/lumaro/history.sqlite")));
  {
    THandHistory history;  // makes the missing folders
    EXPECT_EQ(history.State(), THistoryState::Open);
    EXPECT_TRUE(history.Record(NumberedHand(1)));
  }
  EXPECT_TRUE(QFileInfo::exists(Temp.filePath(QStringLiteral("data/lumaro/history.sqlite"))));
  for (const char* invalid : {"", "relative/data"}) {
    qputenv("XDG_DATA_HOME", invalid);
    qputenv("HOME", QFile::encodeName(Temp.path()));
    EXPECT_EQ(HistoryFilePath(),
              Temp.filePath(QStringLiteral(".local/share/lumaro/history.sqlite")));
  }
  qputenv("XDG_DATA_HOME", savedData);
  qputenv("HOME", savedHome);
}

// The first schema, as the first version of the program wrote it, with two of its hands.
void WriteVersionOneFile(const QString& path, const std::vector<THandRecord>& hands) {
  WithDatabase(path, [&](QSqlDatabase& db) {
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral(
        "CREATE TABLE hands (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, "
        "session_start INTEGER NOT NULL, practice INTEGER NOT NULL, pay_table TEXT NOT NULL, "
        "bet INTEGER NOT NULL, dealt TEXT NOT NULL, final TEXT NOT NULL, "
        "held_mask INTEGER NOT NULL, best_mask INTEGER NOT NULL, held_coins REAL NOT NULL, "
        "best_coins REAL NOT NULL, cost REAL NOT NULL, outcome INTEGER NOT NULL, "
        "win INTEGER NOT NULL, held_pattern TEXT NOT NULL, best_pattern TEXT NOT NULL)")));
    for (const THandRecord& h : hands) {
      ASSERT_TRUE(query.prepare(QStringLiteral(
          "INSERT INTO hands VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")));
      const auto cards = [](const THandCards& c) {
        return QStringLiteral("%1,%2,%3,%4,%5").arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]).arg(c[4]);
      };
      QStringList table;
      for (const std::int32_t m : PayTableOf(h.Table).H) table << QString::number(m);
      for (const QVariant& v :
           {QVariant::fromValue<qint64>(h.Time), QVariant::fromValue<qint64>(h.SessionStart),
            QVariant(h.Practice ? 1 : 0), QVariant(table.join(QLatin1Char(','))), QVariant(h.Bet),
            QVariant(cards(h.Dealt)), QVariant(cards(h.Final)), QVariant(h.HeldMask),
            QVariant(h.BestMask), QVariant(h.HeldCoins), QVariant(h.BestCoins), QVariant(h.Cost),
            QVariant(h.Outcome), QVariant(h.Win), QVariant(QString::fromStdString(h.HeldPattern)),
            QVariant(QString::fromStdString(h.BestPattern))})
        query.addBindValue(v);
      ASSERT_TRUE(query.exec());
    }
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = 1")));
  });
}

TEST_F(HistoryFolderTest, AnOlderSchemaIsBroughtUpToDateWithItsHandsSummarised) {
  std::vector<THandRecord> hands;
  for (int n = 0; n < 40; ++n) hands.push_back(NumberedHand(n));
  hands[7].Practice = true;
  WriteVersionOneFile(Path(QStringLiteral("old.sqlite")), hands);
  THandHistory fresh(THandHistory::omRecord, Path(QStringLiteral("fresh.sqlite")));
  for (const THandRecord& hand : hands) ASSERT_TRUE(fresh.Record(hand));

  THandHistory migrated(THandHistory::omRecord, Path(QStringLiteral("old.sqlite")));
  ASSERT_EQ(migrated.State(), THistoryState::Open);
  EXPECT_FALSE(migrated.TakeReport());
  // The same hands give the same summaries whether they were recorded now or migrated.
  const auto same = [&](std::int64_t since) {
    const THistoryTotals a = migrated.Totals(since);
    const THistoryTotals b = fresh.Totals(since);
    EXPECT_EQ(a.Hands, b.Hands);
    EXPECT_EQ(a.BestHolds, b.BestHolds);
    EXPECT_DOUBLE_EQ(a.Cost, b.Cost);
    EXPECT_EQ(a.PracticeHands, b.PracticeHands);
    const auto sa = migrated.Sessions(since);
    const auto sb = fresh.Sessions(since);
    ASSERT_EQ(sa.size(), sb.size());
    for (std::size_t i = 0; i < sa.size(); ++i) {
      EXPECT_EQ(sa[i].Start, sb[i].Start);
      EXPECT_EQ(sa[i].Hands, sb[i].Hands);
      EXPECT_EQ(sa[i].BestHolds, sb[i].BestHolds);
      EXPECT_EQ(sa[i].LastTime, sb[i].LastTime);
      EXPECT_DOUBLE_EQ(sa[i].Cost, sb[i].Cost);
    }
    const auto ca = migrated.CostlySituations(since);
    const auto cb = fresh.CostlySituations(since);
    ASSERT_EQ(ca.size(), cb.size());
    for (std::size_t i = 0; i < ca.size(); ++i) {
      EXPECT_EQ(ca[i].HeldPattern, cb[i].HeldPattern);
      EXPECT_EQ(ca[i].Count, cb[i].Count);
      EXPECT_DOUBLE_EQ(ca[i].Cost, cb[i].Cost);
    }
  };
  same(0);
  same(hands[20].SessionStart);
  EXPECT_EQ(migrated.Totals().Hands, 39);
  ASSERT_EQ(migrated.Mistakes(100).size(), fresh.Mistakes(100).size());
  EXPECT_EQ(migrated.Mistakes(1)[0].Dealt, hands[39].Dealt);
  // And it records on top of them.
  EXPECT_TRUE(migrated.Record(NumberedHand(40)));
  EXPECT_EQ(migrated.Totals().Hands, 40);
}

// The second schema, as the version before games were recorded wrote it: the first with the
// summaries beside it, filled as that version filled them.
void WriteVersionTwoFile(const QString& path, const std::vector<THandRecord>& hands) {
  WriteVersionOneFile(path, hands);
  WithDatabase(path, [](QSqlDatabase& db) {
    QSqlQuery query(db);
    for (const char* sql :
         {"CREATE TABLE sessions (start INTEGER NOT NULL, practice INTEGER NOT NULL, "
          "last_time INTEGER NOT NULL, hands INTEGER NOT NULL, best_holds INTEGER NOT NULL, "
          "cost REAL NOT NULL, PRIMARY KEY (start, practice)) WITHOUT ROWID",
          "CREATE TABLE situations (start INTEGER NOT NULL, practice INTEGER NOT NULL, "
          "held_pattern TEXT NOT NULL, best_pattern TEXT NOT NULL, count INTEGER NOT NULL, "
          "cost REAL NOT NULL, PRIMARY KEY (start, practice, held_pattern, best_pattern)) "
          "WITHOUT ROWID",
          "CREATE TABLE situation_totals (practice INTEGER NOT NULL, held_pattern TEXT NOT "
          "NULL, best_pattern TEXT NOT NULL, count INTEGER NOT NULL, cost REAL NOT NULL, "
          "PRIMARY KEY (practice, held_pattern, best_pattern)) WITHOUT ROWID",
          "CREATE INDEX hands_mistakes ON hands (time) WHERE cost > 0",
          "INSERT INTO sessions SELECT session_start, practice, MAX(time), COUNT(*), "
          "SUM(cost <= 0), SUM(MAX(cost, 0)) FROM hands GROUP BY session_start, practice",
          "INSERT INTO situations SELECT session_start, practice, held_pattern, best_pattern, "
          "COUNT(*), SUM(cost) FROM hands WHERE cost > 0 GROUP BY session_start, practice, "
          "held_pattern, best_pattern",
          "INSERT INTO situation_totals SELECT practice, held_pattern, best_pattern, "
          "SUM(count), SUM(cost) FROM situations GROUP BY practice, held_pattern, best_pattern",
          "PRAGMA user_version = 2"})
      ASSERT_TRUE(query.exec(QString::fromLatin1(sql))) << sql;
  });
}

// A hand of another game: its own table, and cards of its deck.
THandRecord GameHand(std::int64_t n, const TGame& game) {
  THandRecord hand = NumberedHand(n);
  hand.Table = DefaultTable(game);
  hand.Table.Multipliers[0] += static_cast<std::int32_t>(n % 3);
  return hand;
}

TEST_F(HistoryFolderTest, TheFileBeforeGamesKeepsEveryHandAsJacksOrBetterWithItsTable) {
  std::vector<THandRecord> hands;
  for (int n = 0; n < 40; ++n) hands.push_back(NumberedHand(n));
  hands[7].Practice = true;
  WriteVersionTwoFile(Path(), hands);

  THandHistory migrated(THandHistory::omRecord, Path());
  ASSERT_EQ(migrated.State(), THistoryState::Open);
  EXPECT_FALSE(migrated.TakeReport());
  EXPECT_TRUE(OtherFiles().isEmpty()) << OtherFiles().join(' ').toStdString();
  const THistoryTotals totals = migrated.Totals();
  EXPECT_EQ(totals.Hands, 39);
  EXPECT_EQ(totals.PracticeHands, 1);
  EXPECT_EQ(migrated.Totals(0, &kJacksOrBetter).Hands, 39);
  EXPECT_EQ(migrated.Totals(0, &kDeucesWild).Hands, 0);
  const std::vector<THistorySession> sessions = migrated.Sessions();
  ASSERT_EQ(sessions.size(), 5u);  // four of ten hands, and one of practice
  for (const THistorySession& session : sessions) EXPECT_EQ(session.Game, "jacks");
  for (const THistorySituation& situation : migrated.CostlySituations())
    EXPECT_EQ(situation.Game, "jacks");
  // Every mistake comes back with the table it was played under, ready to replay.
  const std::vector<THandRecord> mistakes = migrated.Mistakes(100);
  ASSERT_EQ(mistakes.size(), 14u);
  for (const THandRecord& mistake : mistakes) {
    const THandRecord& original = hands[static_cast<std::size_t>(mistake.Time - hands[0].Time)];
    EXPECT_EQ(mistake.Table, original.Table);
    EXPECT_EQ(mistake.Dealt, original.Dealt);
  }

  // Another game's hands in the same game's start are a session of their own.
  THandRecord deuces = GameHand(39, kDeucesWild);
  deuces.Time += 100;
  ASSERT_TRUE(migrated.Record(deuces));
  ASSERT_TRUE(migrated.Record(NumberedHand(40)));
  EXPECT_EQ(migrated.Totals().Hands, 41);
  EXPECT_EQ(migrated.Totals(0, &kDeucesWild).Hands, 1);
  const std::vector<THistorySession> deucesSessions = migrated.Sessions(0, -1, &kDeucesWild);
  ASSERT_EQ(deucesSessions.size(), 1u);
  EXPECT_EQ(deucesSessions[0].Start, hands[39].SessionStart);
  EXPECT_EQ(deucesSessions[0].Hands, 1);
  const std::vector<THistorySession> jacksSessions = migrated.Sessions(0, -1, &kJacksOrBetter);
  EXPECT_EQ(jacksSessions.size(), 6u);

  WithDatabase(Path(), [](QSqlDatabase& db) {
    EXPECT_EQ(Value(db, QStringLiteral("PRAGMA user_version")).toInt(), kHistorySchemaVersion);
    EXPECT_EQ(Value(db, QStringLiteral("SELECT COUNT(*) FROM hands WHERE game = 'jacks'")).toInt(),
              41);
  });
}

TEST_F(HistoryFolderTest, EachGameKeepsItsDeckTableSessionsAndSituations) {
  constexpr std::int64_t kStart = 1'900'000'000;
  THandRecord joker = GameHand(3, kJokerPoker);
  joker.SessionStart = kStart;
  joker.Dealt = {53, 1, 14, 27, 40};  // the joker, and four aces
  joker.Final = {53, 1, 14, 27, 40};
  joker.HeldPattern = "no joker: low pair";
  joker.BestPattern = "joker: four to a royal flush";
  THandRecord deuces = GameHand(6, kDeucesWild);
  deuces.SessionStart = kStart;
  deuces.HeldPattern = "low pair";  // the same words in another game: another situation
  deuces.BestPattern = "four to a flush";
  THandRecord jacks = NumberedHand(9);
  jacks.SessionStart = kStart;
  {
    THandHistory history(THandHistory::omRecord, Path());
    for (const THandRecord& hand : {joker, deuces, jacks}) ASSERT_TRUE(history.Record(hand));
    // The joker is a card of Joker Poker's deck only.
    THandRecord wrongDeck = jacks;
    wrongDeck.Dealt[0] = 53;
    EXPECT_THROW(history.Record(wrongDeck), std::invalid_argument);
    wrongDeck = deuces;
    wrongDeck.Final[4] = 53;
    EXPECT_THROW(history.Record(wrongDeck), std::invalid_argument);
    THandRecord noGame = jacks;
    noGame.Table.Game = nullptr;
    EXPECT_THROW(history.Record(noGame), std::invalid_argument);
    const TGame foreign = kDeucesWild;  // a copy is no game of ours
    noGame.Table.Game = &foreign;
    EXPECT_THROW(history.Record(noGame), std::invalid_argument);
  }
  THandHistory history(THandHistory::omReadOnly, Path());
  ASSERT_EQ(history.State(), THistoryState::Open);
  const std::vector<THistorySession> sessions = history.Sessions();
  ASSERT_EQ(sessions.size(), 3u);
  std::vector<std::string> games;
  for (const THistorySession& session : sessions) {
    EXPECT_EQ(session.Start, kStart);
    EXPECT_EQ(session.Hands, 1);
    games.push_back(session.Game);
  }
  std::sort(games.begin(), games.end());
  EXPECT_EQ(games, (std::vector<std::string>{"deuces-wild", "jacks", "joker-poker"}));
  EXPECT_EQ(history.Totals().Sessions, 3);
  EXPECT_EQ(history.Totals(0, &kJokerPoker).Sessions, 1);
  const std::vector<THistorySituation> situations = history.CostlySituations();
  ASSERT_EQ(situations.size(), 3u);
  const std::vector<THistorySituation> inDeuces = history.CostlySituations(0, 10, &kDeucesWild);
  ASSERT_EQ(inDeuces.size(), 1u);
  EXPECT_EQ(inDeuces[0].Game, "deuces-wild");
  EXPECT_EQ(inDeuces[0].Count, 1);
  EXPECT_EQ(history.CostlySituations(kStart, 10, &kDeucesWild).size(), 1u);
  EXPECT_TRUE(history.CostlySituations(0, 10, &kDoubleBonusPoker).empty());

  const std::vector<THandRecord> mistakes = history.Mistakes(10);
  ASSERT_EQ(mistakes.size(), 3u);
  const auto find = [&](const TGame& game) {
    for (const THandRecord& hand : mistakes)
      if (hand.Table.Game == &game) return hand;
    ADD_FAILURE() << "no mistake of " << game.Id;
    return THandRecord{};
  };
  EXPECT_EQ(find(kJokerPoker).Table, joker.Table);
  EXPECT_EQ(find(kJokerPoker).Dealt, joker.Dealt);
  EXPECT_EQ(find(kJokerPoker).HeldPattern, joker.HeldPattern);
  EXPECT_EQ(find(kDeucesWild).Table, deuces.Table);
}

// Rows changed by hand: a game no Lumaro has, a table of the wrong length for its game, a
// negative multiplier no table of the game has. They are left out of the mistakes, the rest
// still replay.
TEST_F(HistoryFolderTest, AMistakeOfAnUnknownGameOrAMisfitTableIsLeftOut) {
  {
    THandHistory history(THandHistory::omRecord, Path());
    for (const std::int64_t n : {0, 3, 6, 9}) ASSERT_TRUE(history.Record(GameHand(n, kDeucesWild)));
  }
  WithDatabase(Path(), [](QSqlDatabase& db) {
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("UPDATE hands SET game = 'pai-gow' WHERE time = %1")
                               .arg(NumberedHand(0).Time)));
    ASSERT_TRUE(query.exec(QStringLiteral("UPDATE hands SET pay_table = '0,1,2,3,4,6,9,25,800' "
                                          "WHERE time = %1")
                               .arg(NumberedHand(3).Time)));
    ASSERT_TRUE(
        query.exec(QStringLiteral("UPDATE hands SET pay_table = '-1,1,1,2,4,8,14,24,199,799' "
                                  "WHERE time = %1")
                       .arg(NumberedHand(9).Time)));
  });
  THandHistory history(THandHistory::omReadOnly, Path());
  const std::vector<THandRecord> mistakes = history.Mistakes(10);
  ASSERT_EQ(mistakes.size(), 1u);
  EXPECT_EQ(mistakes[0].Time, NumberedHand(6).Time);
  EXPECT_FALSE(history.TakeReport());
}

TEST_F(HistoryFolderTest, AFileOfANewerVersionIsLeftAloneAndReportedOnce) {
  WithDatabase(Path(), [](QSqlDatabase& db) {
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE hands_v9 (x)")));
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = 9")));
  });
  const QByteArray before = FileBytes(Path());
  {
    THandHistory history(THandHistory::omRecord, Path());
    EXPECT_EQ(history.State(), THistoryState::Unavailable);
    const std::optional<QString> report = history.TakeReport();
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->contains(QStringLiteral("newer version of Lumaro")))
        << report->toStdString();
    EXPECT_TRUE(report->contains(Path())) << report->toStdString();
    EXPECT_FALSE(history.Record(NumberedHand(1)));
    EXPECT_FALSE(history.TakeReport());
    EXPECT_TRUE(history.Sessions().empty());
  }
  EXPECT_EQ(FileBytes(Path()), before);
  EXPECT_TRUE(OtherFiles().isEmpty()) << OtherFiles().join(' ').toStdString();
}

// A schema version no Lumaro writes, below the first: one damaged header field. The file is
// moved aside as damaged files are, once, and a fresh history records; reading only, the
// command says the file is damaged and leaves it alone.
TEST_F(HistoryFolderTest, ANegativeSchemaVersionIsDamageNotAnOlderForm) {
  const auto damage = [this](const std::function<void()>& how) {
    for (const QString& name : QDir(Temp.path()).entryList(QDir::Files))
      QFile::remove(Temp.filePath(name));
    {
      THandHistory history(THandHistory::omRecord, Path());
      for (int n = 0; n < 5; ++n) ASSERT_TRUE(history.Record(NumberedHand(n)));
    }
    how();
  };
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"pragma user_version = -1",
       [this] {
         WithDatabase(Path(), [](QSqlDatabase& db) {
           ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = -1")));
         });
       }},
      {"header byte 60 set to 0x80",
       [this] {
         QFile file(Path());
         ASSERT_TRUE(file.open(QIODevice::ReadWrite));
         ASSERT_TRUE(file.seek(60));
         ASSERT_EQ(file.write("\x80", 1), 1);
       }},
  };
  for (const auto& [name, how] : cases) {
    SCOPED_TRACE(name);
    damage(how);
    const QByteArray damaged = FileBytes(Path());
    {
      THandHistory reader(THandHistory::omReadOnly, Path());
      EXPECT_EQ(reader.State(), THistoryState::Unavailable);
      EXPECT_TRUE(reader.Problem().contains(QStringLiteral("damaged")))
          << reader.Problem().toStdString();
      EXPECT_FALSE(reader.Problem().contains(QStringLiteral("older form")));
    }
    EXPECT_EQ(FileBytes(Path()), damaged);
    {
      THandHistory history(THandHistory::omRecord, Path());
      ASSERT_EQ(history.State(), THistoryState::Open);
      const std::optional<QString> report = history.TakeReport();
      ASSERT_TRUE(report);
      EXPECT_TRUE(report->contains(QStringLiteral("schema version"))) << report->toStdString();
      const QStringList moved = OtherFiles().filter(QStringLiteral("history.damaged-"));
      ASSERT_EQ(moved.size(), 1) << OtherFiles().join(' ').toStdString();
      EXPECT_EQ(FileBytes(Temp.filePath(moved[0])), damaged);
      EXPECT_FALSE(history.TakeReport());
      EXPECT_TRUE(history.Record(NumberedHand(1)));
      EXPECT_EQ(history.Totals().Hands, 1);
    }
    THandHistory again(THandHistory::omRecord, Path());
    EXPECT_FALSE(again.TakeReport());
    EXPECT_EQ(again.Totals().Hands, 1);
  }
}

// A file after `count` hands, closed again.
void RecordHands(const QString& path, int count) {
  THandHistory history(THandHistory::omRecord, path);
  for (int n = 0; n < count; ++n) ASSERT_TRUE(history.Record(NumberedHand(n)));
}

TEST_F(HistoryFolderTest, ADamagedFileIsMovedAsideOnceAndAFreshOneUsed) {
  struct TCase {
    const char* Name;
    std::function<void(const QString& path)> Damage;
    const char* Why;
  };
  const std::vector<TCase> cases = {
      {"text", [](const QString& path) { WriteBytes(path, QByteArray("hands: 12\n", 10)); },
       "file is not a database"},
      {"torn pages",
       [](const QString& path) {
         RecordHands(path, 3000);
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::ReadWrite));
         ASSERT_GT(file.size(), 40 * 4096);
         // Pages in the middle of the hands' tree overwritten: the header still reads.
         ASSERT_TRUE(file.seek(20 * 4096));
         file.write(QByteArray(6 * 4096, '\x5a'));
       },
       "quick check"},
      {"another program's database",
       [](const QString& path) {
         WithDatabase(path, [](QSqlDatabase& db) {
           QSqlQuery(db).exec(QStringLiteral("CREATE TABLE scores (name TEXT, points INTEGER)"));
         });
       },
       "not a hand history"},
      {"our version with other tables",
       [](const QString& path) {
         WithDatabase(path, [](QSqlDatabase& db) {
           QSqlQuery query(db);
           query.exec(QStringLiteral("CREATE TABLE hands (id INTEGER PRIMARY KEY)"));
           query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kHistorySchemaVersion));
         });
       },
       "not a hand history's"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    for (const QString& name : QDir(Temp.path()).entryList(QDir::Files))
      QFile::remove(Temp.filePath(name));
    c.Damage(Path());
    const QByteArray damaged = FileBytes(Path());
    {
      THandHistory history(THandHistory::omRecord, Path());
      ASSERT_EQ(history.State(), THistoryState::Open);
      const std::optional<QString> report = history.TakeReport();
      ASSERT_TRUE(report);
      EXPECT_TRUE(report->contains(QLatin1String(c.Why))) << report->toStdString();
      const QStringList moved = OtherFiles().filter(QStringLiteral(".sqlite"));
      ASSERT_EQ(moved.size(), 1) << OtherFiles().join(' ').toStdString();
      EXPECT_TRUE(moved[0].startsWith(QStringLiteral("history.damaged-")));
      EXPECT_TRUE(moved[0].endsWith(QStringLiteral(".sqlite")));
      EXPECT_TRUE(report->contains(Temp.filePath(moved[0]))) << report->toStdString();
      EXPECT_EQ(FileBytes(Temp.filePath(moved[0])), damaged);
      EXPECT_FALSE(history.TakeReport());
      EXPECT_TRUE(history.Record(NumberedHand(1)));
      EXPECT_EQ(history.Totals().Hands, 1);
    }
    THandHistory again(THandHistory::omRecord, Path());
    EXPECT_EQ(again.State(), THistoryState::Open);
    EXPECT_FALSE(again.TakeReport());
    EXPECT_EQ(again.Totals().Hands, 1);
  }
}

TEST_F(HistoryFolderTest, ReadingOnlyNeverCreatesMigratesOrMovesTheFile) {
  {
    THandHistory missing(THandHistory::omReadOnly, Path());
    EXPECT_EQ(missing.State(), THistoryState::Missing);
    EXPECT_TRUE(missing.Sessions().empty());
    EXPECT_FALSE(missing.Record(NumberedHand(1)));
  }
  EXPECT_FALSE(QFileInfo::exists(Path()));

  WriteVersionOneFile(Path(), {NumberedHand(1)});
  const QByteArray old = FileBytes(Path());
  {
    THandHistory older(THandHistory::omReadOnly, Path());
    EXPECT_EQ(older.State(), THistoryState::Unavailable);
    EXPECT_TRUE(older.Problem().contains(QStringLiteral("older form")));
  }
  EXPECT_EQ(FileBytes(Path()), old);

  WriteBytes(Path(), "not a database at all, not even close to one......................");
  {
    THandHistory damaged(THandHistory::omReadOnly, Path());
    EXPECT_EQ(damaged.State(), THistoryState::Unavailable);
    EXPECT_FALSE(damaged.TakeReport());  // the command says why, from Problem()
  }
  EXPECT_TRUE(OtherFiles().isEmpty());
}

// A report shows the file's path with its control characters, C1 ones as UTF-8 encodes
// them too, as '?': a folder's name can't clear the terminal or the line a report is on.
TEST_F(HistoryFolderTest, AReportShowsNoControlCharactersOfThePath) {
  const QString folder =
      Temp.filePath(QString::fromUtf8("odd\x1b[2J\xC2\x85\xC2\x9B"
                                      "1m\xC2\xA0name"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = folder + QStringLiteral("/history.sqlite");
  WithDatabase(path, [](QSqlDatabase& db) {
    ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 9")));
  });
  THandHistory history(THandHistory::omRecord, path);
  const std::optional<QString> report = history.TakeReport();
  ASSERT_TRUE(report);
  EXPECT_TRUE(report->contains(QString::fromUtf8("odd?[2J??1m\xC2\xA0name/history.sqlite")))
      << report->toStdString();
  for (const QChar c : *report) EXPECT_NE(c.category(), QChar::Other_Control) << int{c.unicode()};
}

TEST_F(HistoryFolderTest, ARecordThatIsNoHandIsRefused) {
  THandHistory history(THandHistory::omRecord, Path());
  THandRecord hand = NumberedHand(1);
  hand.Dealt[2] = 0;
  EXPECT_THROW(history.Record(hand), std::invalid_argument);
  hand = NumberedHand(1);
  hand.Cost = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(history.Record(hand), std::invalid_argument);
  EXPECT_EQ(history.Totals().Hands, 0);
}

}  // namespace
