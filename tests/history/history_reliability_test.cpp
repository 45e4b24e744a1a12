// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The history survives what happens to a game: killed while recording, it keeps every hand
// it had committed; on a full disk it reports once and keeps what was stored before.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <iostream>
#include <vector>

#include "hand_history.h"
#include "history_test_support.h"

namespace {

using history_test::NumberedHand;
using history_test::Value;
using history_test::WithDatabase;

struct TWriterOutput {
  std::int64_t LastCommitted = -1;
  int Committed = 0;
  int Failed = 0;
  // Hands committed after one had failed: recording took up again.
  int CommittedAfterAFailure = 0;
  std::vector<std::int64_t> CommittedHands;
  QStringList Reports;
};

TWriterOutput ParseOutput(const QByteArray& output) {
  TWriterOutput result;
  for (const QByteArray& line : output.split('\n')) {
    if (line.startsWith("committed ")) {
      ++result.Committed;
      result.LastCommitted = line.mid(10).toLongLong();
      result.CommittedHands.push_back(result.LastCommitted);
      if (result.Failed > 0) ++result.CommittedAfterAFailure;
    } else if (line.startsWith("failed ")) {
      ++result.Failed;
    } else if (line.startsWith("report: ")) {
      result.Reports << QString::fromUtf8(line.mid(8));
    }
  }
  return result;
}

// The file holds hands 0..count-1 exactly, and its summaries agree with them.
void ExpectWholeHistory(const QString& path, std::int64_t count) {
  {
    // Opened as the next game opens it: quick check, no report.
    THandHistory history(THandHistory::omRecord, path);
    ASSERT_EQ(history.State(), THistoryState::Open);
    EXPECT_FALSE(history.TakeReport());
  }
  WithDatabase(path, [&](QSqlDatabase& db) {
    EXPECT_EQ(Value(db, QStringLiteral("SELECT COUNT(*) FROM hands")).toLongLong(), count);
    EXPECT_EQ(Value(db, QStringLiteral("SELECT COUNT(DISTINCT time) FROM hands")).toLongLong(),
              count);
    if (count > 0) {
      EXPECT_EQ(Value(db, QStringLiteral("SELECT MAX(time) FROM hands")).toLongLong(),
                NumberedHand(count - 1).Time);
      EXPECT_EQ(Value(db, QStringLiteral("SELECT MIN(time) FROM hands")).toLongLong(),
                NumberedHand(0).Time);
    }
    EXPECT_EQ(Value(db, QStringLiteral("SELECT TOTAL(hands) FROM sessions")).toLongLong(), count);
    const std::int64_t mistakes =
        Value(db, QStringLiteral("SELECT COUNT(*) FROM hands WHERE cost > 0")).toLongLong();
    EXPECT_EQ(Value(db, QStringLiteral("SELECT TOTAL(count) FROM situations")).toLongLong(),
              mistakes);
    EXPECT_EQ(Value(db, QStringLiteral("SELECT TOTAL(count) FROM situation_totals")).toLongLong(),
              mistakes);
  });
}

TEST(HistoryReliability, AKilledGameLosesAtMostTheHandInProgress) {
  QTemporaryDir temp;
  const QString path = temp.filePath(QStringLiteral("history.sqlite"));
  std::int64_t stored = 0;
  int kills = 0;
  int killsWhileRecording = 0;
  QElapsedTimer clock;
  clock.start();
  // The first kills come early, into the creation of the file; later ones mid-recording.
  while ((kills < 12 || killsWhileRecording < 6) && clock.elapsed() < 60000) {
    QProcess writer;
    writer.start(QStringLiteral(HISTORY_WRITER_PATH),
                 {QStringLiteral("loop"), path, QString::number(stored)});
    ASSERT_TRUE(writer.waitForStarted(10000));
    if (kills < 3) {
      QThread::usleep(QRandomGenerator::global()->bounded(1000, 60000));
    } else {
      ASSERT_TRUE(writer.waitForReadyRead(20000));
      QThread::usleep(QRandomGenerator::global()->bounded(100, 30000));
    }
    writer.kill();  // SIGKILL
    ASSERT_TRUE(writer.waitForFinished(10000));
    ++kills;
    const TWriterOutput output = ParseOutput(writer.readAllStandardOutput());
    ASSERT_TRUE(output.Reports.isEmpty()) << output.Reports.join('\n').toStdString();
    if (output.Committed > 0) {
      ++killsWhileRecording;
      ASSERT_EQ(output.LastCommitted, stored + output.Committed - 1);
    }
    // Every hand it said it stored, and perhaps the one it was storing when killed.
    std::int64_t count = 0;
    WithDatabase(path, [&](QSqlDatabase& db) {
      count = Value(db, QStringLiteral("SELECT COUNT(*) FROM hands")).toLongLong();
    });
    ASSERT_GE(count, stored + output.Committed) << "kill " << kills << " lost committed hands";
    ASSERT_LE(count, stored + output.Committed + 1);
    ExpectWholeHistory(path, count);
    stored = count;
  }
  EXPECT_GE(killsWhileRecording, 6);
  std::cout << "[ figures  ] " << kills << " kills, " << killsWhileRecording << " while recording; "
            << stored << " hands stored, none lost\n";
}

// Room comes back once the WAL is checkpointed into the file: on a small disk the WAL
// holds the room it had grown to until then, and recording would stay off for good.
TEST(HistoryReliability, AFullDiskIsReportedOnceKeepsTheHandsBeforeAndRecordingResumes) {
  QTemporaryDir temp;
  const QString path = temp.filePath(QStringLiteral("history.sqlite"));
  constexpr int kBefore = 50;
  {
    THandHistory history(THandHistory::omRecord, path);
    for (int n = 0; n < kBefore; ++n) ASSERT_TRUE(history.Record(NumberedHand(n)));
  }
  // Room for a few more hands' pages in the WAL, then writes fail as on a full disk.
  const qint64 limit = QFileInfo(path).size() + 40 * 1024;
  QProcess writer;
  writer.start(QStringLiteral(HISTORY_WRITER_PATH),
               {QStringLiteral("limited"), path, QString::number(kBefore), QStringLiteral("200"),
                QString::number(limit)});
  ASSERT_TRUE(writer.waitForFinished(60000));
  ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
  const TWriterOutput output = ParseOutput(writer.readAllStandardOutput());
  EXPECT_GT(output.Failed, 0);
  EXPECT_GT(output.CommittedAfterAFailure, 0);
  ASSERT_EQ(output.Reports.size(), 1) << output.Reports.join('\n').toStdString();
  EXPECT_TRUE(output.Reports[0].contains(path)) << output.Reports[0].toStdString();
  EXPECT_TRUE(output.Reports[0].contains(QStringLiteral("full")) ||
              output.Reports[0].contains(QStringLiteral("I/O")))
      << output.Reports[0].toStdString();
  // The hands before, every hand it said it committed, in order, and none of the others.
  {
    THandHistory history(THandHistory::omRecord, path);
    ASSERT_EQ(history.State(), THistoryState::Open);
    EXPECT_FALSE(history.TakeReport());
    EXPECT_EQ(history.Totals().Hands, kBefore + output.Committed);
  }
  WithDatabase(path, [&](QSqlDatabase& db) {
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT time FROM hands ORDER BY id")));
    std::vector<std::int64_t> stored;
    while (query.next()) stored.push_back(query.value(0).toLongLong());
    std::vector<std::int64_t> expected;
    for (int n = 0; n < kBefore; ++n) expected.push_back(NumberedHand(n).Time);
    for (const std::int64_t n : output.CommittedHands) expected.push_back(NumberedHand(n).Time);
    EXPECT_EQ(stored, expected);
  });
  THandHistory history(THandHistory::omRecord, path);
  const std::vector<THandRecord> mistakes = history.Mistakes(1000);
  ASSERT_FALSE(mistakes.empty());
  EXPECT_EQ(mistakes.back().Dealt, NumberedHand(0).Dealt);
  std::cout << "[ figures  ] with files limited to " << limit << " bytes: " << output.Committed
            << " more hands stored (" << output.CommittedAfterAFailure << " after a failure), "
            << output.Failed << " refused; report: " << output.Reports[0].toStdString() << "\n";
}

// Another program holding the history's write lock for as long as it likes (an open
// transaction in a database tool, say): each hand waits in order, the game never waits for
// the lock more than a moment, and the hands go in, once each, when the lock comes free.
// At the close the waiting ends within the moment given, and hands still waiting then are
// reported.
TEST(HistoryReliability, HandsWaitInOrderWhileAnotherProgramHoldsTheLock) {
  QTemporaryDir temp;
  const QString path = temp.filePath(QStringLiteral("history.sqlite"));
  {
    THandHistory history(THandHistory::omRecord, path);
    for (int n = 0; n < 3; ++n) ASSERT_TRUE(history.Record(NumberedHand(n)));
  }
  const QString holderName = QStringLiteral("history-test-holder");
  QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holderName);
  holder.setDatabaseName(path);
  ASSERT_TRUE(holder.open());
  const auto hold = [&] { ASSERT_TRUE(QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE"))); };
  const auto release = [&] { ASSERT_TRUE(QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"))); };
  const auto storedTimes = [&] {
    std::vector<std::int64_t> times;
    QSqlQuery query(holder);
    EXPECT_TRUE(query.exec(QStringLiteral("SELECT time FROM hands ORDER BY id")));
    while (query.next()) times.push_back(query.value(0).toLongLong());
    return times;
  };
  const auto numbered = [](std::int64_t first, std::int64_t last) {
    std::vector<std::int64_t> times;
    for (std::int64_t n = first; n <= last; ++n) times.push_back(NumberedHand(n).Time);
    return times;
  };
  hold();
  {
    QElapsedTimer clock;
    clock.start();
    THandHistory history(THandHistory::omRecord, path);
    ASSERT_EQ(history.State(), THistoryState::Open);
    qint64 longest = clock.elapsed();
    for (int n = 3; n < 8; ++n) {
      clock.restart();
      EXPECT_FALSE(history.Record(NumberedHand(n)));
      longest = std::max(longest, clock.elapsed());
    }
    // The busy wait that used to be waited out for every hand was 3 s.
    EXPECT_LT(longest, 1000);
    EXPECT_EQ(history.Waiting(), 5u);
    EXPECT_FALSE(history.TakeReport());
    history.RecordWaiting();
    EXPECT_EQ(history.Waiting(), 5u);
    release();
    history.RecordWaiting();
    EXPECT_EQ(history.Waiting(), 0u);
    EXPECT_TRUE(history.Record(NumberedHand(8)));
    EXPECT_FALSE(history.TakeReport());
    EXPECT_EQ(storedTimes(), numbered(0, 8));

    // Still held at the close: the last try ends in the time given, and says what was lost.
    hold();
    EXPECT_FALSE(history.Record(NumberedHand(9)));
    EXPECT_FALSE(history.Record(NumberedHand(10)));
    clock.restart();
    history.FinishRecording(300);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(history.Waiting(), 0u);
    const std::optional<QString> report = history.TakeReport();
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->contains(QStringLiteral("2 hands could not be recorded")))
        << report->toStdString();
    EXPECT_TRUE(report->contains(path)) << report->toStdString();
    release();
  }
  EXPECT_EQ(storedTimes(), numbered(0, 8));
  holder.close();
  holder = QSqlDatabase();
  QSqlDatabase::removeDatabase(holderName);
}

}  // namespace
