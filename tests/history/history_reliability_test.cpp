// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The history survives what happens to a game: killed while recording, it keeps every hand
// it had committed; on a full disk it reports once and keeps what was stored before.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <iostream>

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
  QStringList Reports;
};

TWriterOutput ParseOutput(const QByteArray& output) {
  TWriterOutput result;
  for (const QByteArray& line : output.split('\n')) {
    if (line.startsWith("committed ")) {
      ++result.Committed;
      result.LastCommitted = line.mid(10).toLongLong();
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

TEST(HistoryReliability, AFullDiskIsReportedOnceAndKeepsTheHandsBefore) {
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
  ASSERT_EQ(output.Reports.size(), 1) << output.Reports.join('\n').toStdString();
  EXPECT_TRUE(output.Reports[0].contains(path)) << output.Reports[0].toStdString();
  EXPECT_TRUE(output.Reports[0].contains(QStringLiteral("full")) ||
              output.Reports[0].contains(QStringLiteral("I/O")))
      << output.Reports[0].toStdString();
  // The hands committed before the disk filled, in order, and nothing of the failed ones.
  ASSERT_EQ(output.LastCommitted, kBefore + output.Committed - 1);
  ExpectWholeHistory(path, kBefore + output.Committed);
  THandHistory history(THandHistory::omRecord, path);
  const std::vector<THandRecord> mistakes = history.Mistakes(1000);
  ASSERT_FALSE(mistakes.empty());
  EXPECT_EQ(mistakes.back().Dealt, NumberedHand(0).Dealt);
  std::cout << "[ figures  ] with files limited to " << limit << " bytes: " << output.Committed
            << " more hands stored, " << output.Failed
            << " refused; report: " << output.Reports[0].toStdString() << "\n";
}

}  // namespace
