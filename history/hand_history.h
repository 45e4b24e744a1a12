// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// THandHistory: every hand the game records, kept in an SQLite database in the user's data
// folder, and the summaries the history page and `lumaro-analyze history` show.
//
// Each Record is one transaction in WAL mode with synchronous=NORMAL: a committed hand is in
// the file the moment Record returns, so a game killed at any point loses at most the hand it
// was recording (a power cut may lose the last few hands, never the file). The summaries the
// page reads are kept up to date by Record in the same transaction, so opening the page costs
// the same for ten hands as for a million.
//
// Another program (a second copy of the game, a database tool) may hold the write lock for
// as long as it likes. A hand then waits, in order after the ones before it, and is stored
// by a later Record or RecordWaiting once the lock is free; no call waits for the lock more
// than a moment (kRecordWaitMilliseconds), so the window that records never stops for it.
//
// Failures never stop the game. Each is logged under lumaro.history and handed out once as a
// report (TakeReport), which the window shows with its general error report:
//  - a file that is not a database, fails SQLite's quick check or has a schema we don't
//    know is moved aside (renamed with a time stamp, never deleted) and a new one started;
//  - a file written by a newer Lumaro is left as it is, and nothing is recorded;
//  - a folder or file that can't be opened or written (no SQLite driver, no permission,
//    a full disk) leaves recording off, or skips the hand; what was stored stays intact.
//    After a failed write the WAL is checkpointed before the next hand, so the room it had
//    grown into is the file's again and recording takes up when there is room;
//  - hands still waiting for the lock when the game closes are reported.
//
// A THandHistory and its connection belong to the thread that made it.

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hand_record.h"

// $XDG_DATA_HOME/lumaro, or ~/.local/share/lumaro when that is unset, empty or relative.
QString HistoryFolderPath();
// HistoryFolderPath()/history.sqlite.
QString HistoryFilePath();
// A path as a message shows it: control characters as '?' (PrintableText).
QString ShownPath(const QString& path);

// The schema this program writes (PRAGMA user_version). Older files are brought up to it
// step by step; newer ones are not touched.
inline constexpr int kHistorySchemaVersion = 3;

// Part of a game played for money, or its practice hands (practice mode and replays), from
// its start. A game with both has two sessions of the same start; so has a start whose
// practice replayed hands of another game.
struct THistorySession {
  std::int64_t Start = 0;     // THandRecord::SessionStart
  std::int64_t LastTime = 0;  // the newest hand's Time
  bool Practice = false;
  std::string Game;  // the game's id as recorded
  std::int64_t Hands = 0;
  std::int64_t BestHolds = 0;
  double Cost = 0;  // summed cost of the mistakes, in coins

  // 0..1; 0 for no hands.
  double BestRate() const;
  double CostPer100Hands() const;
};

// One kind of mistake in one game: the pattern held against the pattern that was best, in
// that game's words.
struct THistorySituation {
  std::string Game;  // the game's id as recorded
  std::string HeldPattern;
  std::string BestPattern;
  std::int64_t Count = 0;
  double Cost = 0;
  double AverageCost() const;
};

struct THistoryTotals {
  std::int64_t Sessions = 0;  // played ones
  std::int64_t Hands = 0;     // played hands only, as Cost and BestHolds
  std::int64_t BestHolds = 0;
  double Cost = 0;
  std::int64_t PracticeHands = 0;

  double BestRate() const;
  double CostPer100Hands() const;
};

enum class THistoryState {
  Open,         // recording, or readable when read-only
  Missing,      // read-only and there is no file: every summary is empty
  Unavailable,  // not recording: Problem() says why
};

struct THistoryConnection;

class THandHistory {
 public:
  enum TMode {
    omRecord,    // opens the file, creating folder and file, and brings it up to date
    omReadOnly,  // reads a file as it is: never creates, migrates or moves it
  };

  explicit THandHistory(TMode mode = omRecord, const QString& filePath = HistoryFilePath());
  ~THandHistory();
  THandHistory(const THandHistory&) = delete;
  THandHistory& operator=(const THandHistory&) = delete;

  THistoryState State() const { return FState; }
  const QString& FilePath() const { return FFilePath; }
  // Why the history is unavailable, in a few words.
  const QString& Problem() const { return FProblem; }
  // A failure not yet shown to the player, at most once per kind of failure and history;
  // the text reads as an error report (no final full stop).
  std::optional<QString> TakeReport();

  // The longest a write waits for the lock another program holds, each time it tries.
  static constexpr int kRecordWaitMilliseconds = 20;
  // The most hands that wait; more are not recorded (reported once).
  static constexpr std::size_t kMostWaitingHands = 10000;

  // Stores one hand and updates the summaries, all or nothing, after the hands that wait.
  // True when it is in the file on return. False when it is not: the history is unavailable
  // or the write failed (see TakeReport), or another program holds the lock and the hand
  // waits (Waiting). Throws std::invalid_argument for a record that is not a hand (no game
  // of ours, cards outside its deck, coin values that are not finite).
  bool Record(const THandRecord& hand);
  // Hands waiting for another program to let go of the lock, oldest first.
  std::size_t Waiting() const { return FWaiting.size(); }
  // Stores the hands that wait, in order, as far as the lock lets it, waiting for the lock
  // at most `waitMilliseconds`.
  void RecordWaiting(int waitMilliseconds = kRecordWaitMilliseconds);
  // At the close: RecordWaiting with the wait given; the hands still waiting then are not
  // recorded, and a report says how many.
  void FinishRecording(int waitMilliseconds);

  // Each summary takes the sessions of one game, or with `game` null those of every game.
  // Sessions started at or after `since` (seconds since 1970; 0 or less: all of them),
  // newest first; limit < 0: no limit.
  std::vector<THistorySession> Sessions(std::int64_t since = 0, int limit = -1,
                                        const TGame* game = nullptr);
  // The played hands' mistakes grouped by game and situation, the costliest first.
  std::vector<THistorySituation> CostlySituations(std::int64_t since = 0, int limit = 10,
                                                  const TGame* game = nullptr);
  THistoryTotals Totals(std::int64_t since = 0, const TGame* game = nullptr);
  // The mistakes (hands whose cost is above 0), played and practice, newest first; each
  // record holds what a replay needs: dealt cards, game and pay table, and bet. A row
  // whose game, cards or table can't be read back is left out.
  std::vector<THandRecord> Mistakes(int limit, int offset = 0);
  // The best-play rate (0..1) of the last `sessions` sessions, oldest first.
  std::vector<double> BestRateSeries(int sessions);

 private:
  enum class TStoreOutcome { Stored, Busy, Failed };

  void Open();
  void OpenReadOnly();
  TStoreOutcome Store(const THandRecord& hand);
  void SetBusyWait(int milliseconds);
  // False when it could not be moved: the history is then unavailable.
  bool MoveAside(const QString& why);
  void Fail(const QString& problem, const QString& report);
  // The query run on the history's connection; on failure (reported once) or without an
  // open file, an inactive query, which gives no rows.
  QSqlQuery Select(const char* sql, std::initializer_list<QVariant> values, const QString& what);

  TMode FMode;
  QString FFilePath;
  QString FConnectionName;
  std::unique_ptr<THistoryConnection> FConnection;
  THistoryState FState = THistoryState::Unavailable;
  QString FProblem;
  std::optional<QString> FReport;
  bool FWriteReported = false;
  bool FReadReported = false;
  // Recording: hands waiting for the lock; whether the open itself waits for it, whether
  // the WAL waits for a checkpoint after a failed write, and the connection's busy wait.
  std::deque<THandRecord> FWaiting;
  bool FLastStored = false;
  bool FOpenWaiting = false;
  bool FCheckpointDue = false;
  bool FCrowdReported = false;
  int FBusyWait = kRecordWaitMilliseconds;
  QString FBusyText;
};
