// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// `lumaro-analyze history` as a player runs it: the summary of the player's history file as
// text and as one JSON document, --since by local date, and a file it may only read.

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "hand_history.h"
#include "history_test_support.h"

namespace {

using history_test::FileBytes;
using history_test::NumberedHand;

struct TRun {
  int Code = -1;
  QString Out;
  QString Err;
};

class HistoryCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Temp.isValid()); }

  QString DataFolder() const { return Temp.filePath(QStringLiteral("data")); }
  QString FilePath() const { return DataFolder() + QStringLiteral("/lumaro/history.sqlite"); }

  // With asNobody, the tool runs without root's rights, so a folder's or a file's
  // permissions hold for it as for a player.
  TRun Run(const QStringList& arguments, bool asNobody = false,
           const QString& dataFolder = {}) const {
    QProcess tool;
    if (asNobody && geteuid() == 0)
      tool.setChildProcessModifier([] {
        constexpr uid_t kNobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(99);
      });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       dataFolder.isEmpty() ? DataFolder() : dataFolder);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Temp.filePath(QStringLiteral("config")));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(LUMARO_ANALYZE_PATH), arguments);
    if (!tool.waitForFinished(20000)) {
      ADD_FAILURE() << "lumaro-analyze " << arguments.join(' ').toStdString() << " hangs";
      tool.kill();
      tool.waitForFinished();
    }
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
  }

  // Two played sessions, on 1 and 3 March 2026 at noon local time, and practice on the 3rd.
  void RecordSessions() {
    THandHistory history(THandHistory::omRecord, FilePath());
    ASSERT_EQ(history.State(), THistoryState::Open);
    const auto noon = [](int day) {
      return QDateTime(QDate(2026, 3, day), QTime(12, 0)).toSecsSinceEpoch();
    };
    for (int n = 0; n < 30; ++n) {
      THandRecord hand = NumberedHand(n);
      hand.SessionStart = noon(n < 20 ? 1 : 3);
      hand.Time = hand.SessionStart + n;
      hand.Practice = n >= 25;
      ASSERT_TRUE(history.Record(hand));
    }
  }

  QTemporaryDir Temp;
};

TEST_F(HistoryCommandTest, TheSummaryAsTextAndAsOneJsonDocument) {
  RecordSessions();
  const TRun text = Run({QStringLiteral("history")});
  ASSERT_EQ(text.Code, 0) << text.Err.toStdString();
  EXPECT_EQ(text.Err, QString());
  EXPECT_TRUE(text.Out.startsWith(QStringLiteral("Hand history: ") + FilePath() + '\n'))
      << text.Out.toStdString();
  // Hands 0..24 played: 9 mistakes (every third), costing 0.25 x (1 + n % 4), 5.25 in all;
  // "low pair" for odd n (4 of them, 3.00), "nothing" for even n (5, 2.25).
  EXPECT_TRUE(text.Out.contains(QStringLiteral(
      "Played hands: 25 in 2 sessions, best play 64.0 %, cost 5.25 coins (21.00 per 100 hands)\n"
      "Practice hands: 5\n")))
      << text.Out.toStdString();
  EXPECT_TRUE(text.Out.contains(QStringLiteral("2026-03-03 12:00  practice         5")))
      << text.Out.toStdString();
  EXPECT_TRUE(text.Out.contains(QStringLiteral("2026-03-01 12:00  played          20")))
      << text.Out.toStdString();
  EXPECT_TRUE(text.Out.contains(
      QStringLiteral("  low pair  four to a flush        4       3.00     0.75\n")))
      << text.Out.toStdString();

  const TRun json = Run({QStringLiteral("history"), QStringLiteral("--json")});
  ASSERT_EQ(json.Code, 0) << json.Err.toStdString();
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(json.Out.toUtf8(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.Out.toStdString();
  const QJsonObject root = document.object();
  EXPECT_EQ(root[QStringLiteral("file")].toString(), FilePath());
  EXPECT_TRUE(root[QStringLiteral("since")].isNull());
  EXPECT_TRUE(root[QStringLiteral("note")].isNull());
  const QJsonObject totals = root[QStringLiteral("totals")].toObject();
  EXPECT_EQ(totals[QStringLiteral("hands")].toInteger(), 25);
  EXPECT_EQ(totals[QStringLiteral("best_holds")].toInteger(), 16);
  EXPECT_EQ(totals[QStringLiteral("practice_hands")].toInteger(), 5);
  EXPECT_DOUBLE_EQ(totals[QStringLiteral("cost")].toDouble(), 5.25);
  EXPECT_DOUBLE_EQ(totals[QStringLiteral("best_play_rate")].toDouble(), 0.64);
  const QJsonArray sessions = root[QStringLiteral("sessions")].toArray();
  ASSERT_EQ(sessions.size(), 3);
  // Newest first; the game's played hands before its practice.
  EXPECT_FALSE(sessions[0].toObject()[QStringLiteral("practice")].toBool());
  const QJsonObject newest = sessions[1].toObject();
  for (const char* key : {"start", "start_local", "last_hand", "practice", "hands", "best_holds",
                          "best_play_rate", "cost", "cost_per_100_hands"})
    EXPECT_TRUE(newest.contains(QLatin1String(key))) << key;
  EXPECT_TRUE(newest[QStringLiteral("practice")].toBool());
  EXPECT_EQ(newest[QStringLiteral("start_local")].toString(), QStringLiteral("2026-03-03 12:00"));
  const QJsonArray situations = root[QStringLiteral("costly_situations")].toArray();
  ASSERT_EQ(situations.size(), 2);
  const QJsonObject costliest = situations[0].toObject();
  EXPECT_EQ(costliest[QStringLiteral("held")].toString(), QStringLiteral("low pair"));
  EXPECT_EQ(costliest[QStringLiteral("best")].toString(), QStringLiteral("four to a flush"));
  EXPECT_EQ(costliest[QStringLiteral("count")].toInteger(), 4);
  EXPECT_TRUE(costliest.contains(QStringLiteral("average_cost")));

  // --since by local date: the sessions started that day or later.
  const TRun since = Run({QStringLiteral("history"), QStringLiteral("--since"),
                          QStringLiteral("2026-03-02"), QStringLiteral("--json")});
  ASSERT_EQ(since.Code, 0) << since.Err.toStdString();
  const QJsonObject later = QJsonDocument::fromJson(since.Out.toUtf8()).object();
  EXPECT_EQ(later[QStringLiteral("since")].toString(), QStringLiteral("2026-03-02"));
  EXPECT_EQ(later[QStringLiteral("sessions")].toArray().size(), 2);
  EXPECT_EQ(later[QStringLiteral("totals")].toObject()[QStringLiteral("hands")].toInteger(), 5);
  const TRun sameDay = Run({QStringLiteral("history"), QStringLiteral("--since=2026-03-03")});
  EXPECT_TRUE(sameDay.Out.contains(QStringLiteral("Played hands: 5 in 1 session,")))
      << sameDay.Out.toStdString();
  EXPECT_TRUE(sameDay.Out.contains(QStringLiteral("on or after 2026-03-03")));
}

// Jacks or Better on 1 March as RecordSessions plays it, then Deuces Wild chosen the same
// day: a session of its own, whose mistake is named in Deuces Wild's words.
TEST_F(HistoryCommandTest, GameKeepsOneGamesSessionsAndSituations) {
  RecordSessions();
  {
    THandHistory history(THandHistory::omRecord, FilePath());
    const std::int64_t start = QDateTime(QDate(2026, 3, 1), QTime(15, 0)).toSecsSinceEpoch();
    for (int n = 0; n < 4; ++n) {
      THandRecord hand = NumberedHand(3 * n);
      hand.Table = DefaultTable(kDeucesWild);
      hand.SessionStart = start;
      hand.Time = start + n;
      hand.HeldPattern = "no deuce: low pair";
      hand.BestPattern = "two deuces";
      ASSERT_TRUE(history.Record(hand));
    }
  }
  const TRun all = Run({QStringLiteral("history")});
  ASSERT_EQ(all.Code, 0) << all.Err.toStdString();
  EXPECT_TRUE(all.Out.contains(QStringLiteral("Played hands: 29 in 3 sessions,")))
      << all.Out.toStdString();
  EXPECT_TRUE(all.Out.contains(QStringLiteral("2026-03-01 15:00  played           4")))
      << all.Out.toStdString();
  EXPECT_TRUE(all.Out.contains(QStringLiteral("  Deuces Wild\n"))) << all.Out.toStdString();
  EXPECT_TRUE(all.Out.contains(QStringLiteral("  Jacks or Better\n"))) << all.Out.toStdString();

  const TRun deuces =
      Run({QStringLiteral("history"), QStringLiteral("--game"), QStringLiteral("deuces-wild")});
  ASSERT_EQ(deuces.Code, 0) << deuces.Err.toStdString();
  EXPECT_TRUE(deuces.Out.contains(QStringLiteral("Game: Deuces Wild (deuces-wild)\n")))
      << deuces.Out.toStdString();
  EXPECT_TRUE(deuces.Out.contains(QStringLiteral("Played hands: 4 in 1 session,")))
      << deuces.Out.toStdString();
  EXPECT_FALSE(deuces.Out.contains(QStringLiteral("Jacks or Better"))) << deuces.Out.toStdString();
  EXPECT_TRUE(deuces.Out.contains(QStringLiteral("  Deuces Wild  no deuce: low pair  two deuces")))
      << deuces.Out.toStdString();

  const TRun json = Run({QStringLiteral("history"), QStringLiteral("--game=jacks"),
                         QStringLiteral("--json"), QStringLiteral("--since=2026-03-01")});
  ASSERT_EQ(json.Code, 0) << json.Err.toStdString();
  const QJsonObject root = QJsonDocument::fromJson(json.Out.toUtf8()).object();
  EXPECT_EQ(root[QStringLiteral("game")].toString(), QStringLiteral("jacks"));
  EXPECT_EQ(root[QStringLiteral("totals")].toObject()[QStringLiteral("hands")].toInteger(), 25);
  const QJsonArray sessions = root[QStringLiteral("sessions")].toArray();
  ASSERT_EQ(sessions.size(), 3);
  for (const QJsonValue& session : sessions) {
    EXPECT_EQ(session.toObject()[QStringLiteral("game")].toString(), QStringLiteral("jacks"));
    EXPECT_EQ(session.toObject()[QStringLiteral("game_name")].toString(),
              QStringLiteral("Jacks or Better"));
  }
  for (const QJsonValue& situation : root[QStringLiteral("costly_situations")].toArray())
    EXPECT_EQ(situation.toObject()[QStringLiteral("game")].toString(), QStringLiteral("jacks"));
  EXPECT_TRUE(QJsonDocument::fromJson(
                  Run({QStringLiteral("history"), QStringLiteral("--json")}).Out.toUtf8())
                  .object()[QStringLiteral("game")]
                  .isNull());

  // An id no game has is bad input, as for every other command; so are the pay table options.
  const TRun unknown =
      Run({QStringLiteral("history"), QStringLiteral("--game"), QStringLiteral("pai-gow")});
  EXPECT_EQ(unknown.Code, 2);
  EXPECT_EQ(unknown.Err, QStringLiteral("lumaro-analyze: unknown game 'pai-gow' (lumaro-analyze "
                                        "games lists them)\n"));
  EXPECT_EQ(unknown.Out, QString());
  EXPECT_EQ(Run({QStringLiteral("history"), QStringLiteral("--game=deuces-wild"),
                 QStringLiteral("--preset=Full Pay")})
                .Code,
            2);
}

TEST_F(HistoryCommandTest, WithoutAFileTheSummaryIsEmptyWithANoteAndNothingIsCreated) {
  const TRun text = Run({QStringLiteral("history")});
  EXPECT_EQ(text.Code, 0);
  EXPECT_TRUE(text.Out.contains(QStringLiteral("Note: no hands recorded yet")));
  EXPECT_TRUE(text.Out.contains(QStringLiteral("Played hands: 0 in 0 sessions")));
  const TRun json = Run({QStringLiteral("history"), QStringLiteral("--json")});
  EXPECT_EQ(json.Code, 0);
  const QJsonObject root = QJsonDocument::fromJson(json.Out.toUtf8()).object();
  EXPECT_TRUE(root[QStringLiteral("note")].isString());
  EXPECT_TRUE(root[QStringLiteral("sessions")].toArray().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(DataFolder()));
}

TEST_F(HistoryCommandTest, BadInputAndFilesItMayNotChange) {
  for (const char* date : {"2026-02-30", "2026-13-01", "26-03-01", "2026-3-1", "yesterday", ""}) {
    const TRun run =
        Run({QStringLiteral("history"), QStringLiteral("--since"), QString::fromLatin1(date)});
    EXPECT_EQ(run.Code, 2) << date;
    EXPECT_EQ(run.Err, QStringLiteral("lumaro-analyze: bad --since '%1': expected a date "
                                      "YYYY-MM-DD\n")
                           .arg(QLatin1String(date)));
  }
  EXPECT_EQ(Run({QStringLiteral("return"), QStringLiteral("--since=2026-01-01")}).Err,
            QStringLiteral("lumaro-analyze: --since does not apply to return\n"));
  EXPECT_EQ(
      Run({QStringLiteral("history"), QStringLiteral("--paytable=0,1,2,3,4,7,11,49,99")}).Code, 2);

  // A newer file is read by nobody but its own version; the command says so and exits 1.
  ASSERT_TRUE(QDir().mkpath(QFileInfo(FilePath()).absolutePath()));
  history_test::WithDatabase(FilePath(), [](QSqlDatabase& db) {
    QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 7"));
  });
  const QByteArray before = FileBytes(FilePath());
  const TRun newer = Run({QStringLiteral("history")});
  EXPECT_EQ(newer.Code, 1);
  EXPECT_TRUE(newer.Err.contains(QStringLiteral("newer version of Lumaro")))
      << newer.Err.toStdString();
  EXPECT_EQ(newer.Out, QString());
  EXPECT_EQ(FileBytes(FilePath()), before);

  // One below the first: no version of Lumaro wrote it, so it is damaged, and left for the
  // game to move aside.
  history_test::WithDatabase(FilePath(), [](QSqlDatabase& db) {
    QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = -1"));
  });
  const QByteArray negative = FileBytes(FilePath());
  const TRun damaged = Run({QStringLiteral("history")});
  EXPECT_EQ(damaged.Code, 1);
  EXPECT_TRUE(damaged.Err.contains(QStringLiteral("damaged"))) << damaged.Err.toStdString();
  EXPECT_FALSE(damaged.Err.contains(QStringLiteral("up to date"))) << damaged.Err.toStdString();
  EXPECT_EQ(FileBytes(FilePath()), negative);
}

// The folder's files, each as its name and a digest of its contents.
QStringList FolderFiles(const QString& folder) {
  QStringList files;
  for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
    files << name + QLatin1Char(' ') +
                 QString::fromLatin1(
                     QCryptographicHash::hash(FileBytes(folder + QLatin1Char('/') + name),
                                              QCryptographicHash::Sha256)
                         .toHex());
  return files;
}

// A reader leaves the folder as it found it, reads a folder it may not write, reads what
// another program has committed while that program writes, and says why it can't read a
// file that is no file, or one it may not read, without waiting for it.
TEST_F(HistoryCommandTest, ItReadsAsAReaderMust) {
  RecordSessions();
  const QString folder = QFileInfo(FilePath()).absolutePath();
  const QStringList before = FolderFiles(folder);
  ASSERT_EQ(before.size(), 1);
  ASSERT_TRUE(before[0].startsWith(QStringLiteral("history.sqlite "))) << before[0].toStdString();
  const TRun plain = Run({QStringLiteral("history")});
  ASSERT_EQ(plain.Code, 0) << plain.Err.toStdString();
  EXPECT_TRUE(plain.Out.contains(QStringLiteral("Played hands: 25 in 2 sessions")));
  EXPECT_EQ(FolderFiles(folder).join('\n').toStdString(), before.join('\n').toStdString());

  // The folder can't be written: the file is still read, and left as it was.
  for (const QString& path : {Temp.path(), DataFolder()})
    ASSERT_TRUE(QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther |
                                                QFile::ExeOther | QFile::ReadGroup |
                                                QFile::ExeGroup));
  const QFile::Permissions writable = QFile::permissions(folder);
  const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
  const TRun locked = Run({QStringLiteral("history")}, true);
  EXPECT_EQ(locked.Code, 0) << locked.Err.toStdString();
  EXPECT_TRUE(locked.Out.contains(QStringLiteral("Played hands: 25 in 2 sessions")))
      << locked.Out.toStdString();
  EXPECT_EQ(FolderFiles(folder).join('\n').toStdString(), before.join('\n').toStdString());
  ASSERT_TRUE(QFile::setPermissions(folder, writable));

  {
    // A game recording, and another program in the middle of writing: what is committed is
    // read, without waiting for the writer, also in a folder that can't be written.
    THandHistory game(THandHistory::omRecord, FilePath());
    ASSERT_TRUE(game.Record(NumberedHand(100)));
    const QString name = QStringLiteral("history-command-writer");
    {
      QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
      writer.setDatabaseName(FilePath());
      ASSERT_TRUE(writer.open());
      QSqlQuery(writer).exec(QStringLiteral("BEGIN IMMEDIATE"));
      ASSERT_TRUE(QSqlQuery(writer).exec(QStringLiteral("DELETE FROM sessions")));
      for (const bool asNobody : {false, true}) {
        if (asNobody) {
          ASSERT_TRUE(QFile::setPermissions(folder, readOnly));
        }
        const TRun busy = Run({QStringLiteral("history")}, asNobody);
        EXPECT_EQ(busy.Code, 0) << busy.Err.toStdString();
        EXPECT_TRUE(busy.Out.contains(QStringLiteral("Played hands: 26 in 3 sessions")))
            << busy.Out.toStdString();
      }
      ASSERT_TRUE(QFile::setPermissions(folder, writable));
      QSqlQuery(writer).exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(name);
  }

  // A game killed as it closed, leaving its -wal without the -shm: in a folder that can't be
  // written the newest hands can't be read, and the command says so rather than leave them
  // out.
  {
    THandHistory game(THandHistory::omRecord, FilePath());
    ASSERT_TRUE(game.Record(NumberedHand(101)));
    const QString copy = Temp.filePath(QStringLiteral("copy"));
    ASSERT_TRUE(QDir().mkpath(copy + QStringLiteral("/lumaro")));
    for (const char* suffix : {"", "-wal"})
      ASSERT_TRUE(
          QFile::copy(FilePath() + QLatin1String(suffix),
                      copy + QStringLiteral("/lumaro/history.sqlite") + QLatin1String(suffix)));
    ASSERT_TRUE(QFile::setPermissions(copy + QStringLiteral("/lumaro"), readOnly));
    ASSERT_TRUE(QFile::setPermissions(copy, readOnly));
    const TRun killed = Run({QStringLiteral("history")}, true, copy);
    EXPECT_EQ(killed.Code, 1);
    EXPECT_TRUE(killed.Err.contains(
        QStringLiteral("its newest hands are in history.sqlite-wal, which can't be read without "
                       "history.sqlite-shm in a folder that can't be written")))
        << killed.Err.toStdString();
    ASSERT_TRUE(QFile::setPermissions(copy + QStringLiteral("/lumaro"), writable));
    const TRun writableCopy = Run({QStringLiteral("history")}, false, copy);
    EXPECT_EQ(writableCopy.Code, 0) << writableCopy.Err.toStdString();
    EXPECT_TRUE(writableCopy.Out.contains(QStringLiteral("Played hands: 27 in 3 sessions")))
        << writableCopy.Out.toStdString();
  }

  // A file it may not read, and things that are no file: refused at once, with the reason.
  ASSERT_TRUE(QFile::setPermissions(FilePath(), QFile::WriteOwner));
  const TRun unreadable = Run({QStringLiteral("history")}, true);
  EXPECT_EQ(unreadable.Code, 1);
  EXPECT_TRUE(unreadable.Err.contains(QStringLiteral("no permission to read it")))
      << unreadable.Err.toStdString();
  ASSERT_TRUE(QFile::remove(FilePath()));
  ASSERT_EQ(mkfifo(QFile::encodeName(FilePath()).constData(), 0644), 0);
  const TRun fifo = Run({QStringLiteral("history")});
  EXPECT_EQ(fifo.Code, 1);
  EXPECT_EQ(fifo.Err, QStringLiteral("lumaro-analyze: the hand history %1 can't be read: it is "
                                     "not a regular file\n")
                          .arg(FilePath()));
  ASSERT_TRUE(QFile::remove(FilePath()));
  ASSERT_TRUE(QDir().mkdir(FilePath()));
  const TRun directory = Run({QStringLiteral("history")});
  EXPECT_EQ(directory.Code, 1);
  EXPECT_TRUE(directory.Err.contains(QStringLiteral("it is a folder, not a file")))
      << directory.Err.toStdString();
}

}  // namespace
