// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "hand_history.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "file_names.h"
#include "printable_text.h"
#include "settings_store.h"
#include "store_file.h"

namespace {

Q_LOGGING_CATEGORY(lcHistory, "lumaro.history", QtCriticalMsg)

const QString kDriver = QStringLiteral("QSQLITE");
const QString kFileName = QStringLiteral("history.sqlite");
// SQLite's own files beside a database in WAL mode.
const QStringList kCompanionSuffixes = {QStringLiteral("-wal"), QStringLiteral("-shm")};
// Reading waits for a writer that holds the whole file (a migration, a checkpoint) at most
// this long; recording waits only a moment and tries again later.
constexpr int kReadBusyMilliseconds = 3000;

// Primary SQLite result codes (the driver gives extended ones).
enum : int {
  kSqliteError = 1,
  kSqlitePerm = 3,
  kSqliteBusy = 5,
  kSqliteCorrupt = 11,
  kSqliteCantOpen = 14,
  kSqliteNotADatabase = 26,
};

// Schema steps: step k brings a file of version k - 1 to version k.
// 1: every hand as recorded. Card lists and the pay table are kept as text, comma-separated
//    card codes and multipliers H1..H9, readable with any SQLite tool.
// 2: the summaries the history page reads, kept up to date by Record: each session's hands,
//    each session's mistakes by situation (for a summary since a date) and all of them by
//    situation (for the page); and an index of the mistakes by time. Filled from the hands
//    already there.
// 3: the game of every hand (its id), and the summaries by game: a session, a situation is
//    one game's. The hands before were all Jacks or Better's, whose pay table is H1..H9;
//    another game's is its multipliers, lowest line first.
const std::vector<std::vector<const char*>> kSchemaSteps = {
    {R"(CREATE TABLE hands (
          id INTEGER PRIMARY KEY,
          time INTEGER NOT NULL,
          session_start INTEGER NOT NULL,
          practice INTEGER NOT NULL,
          pay_table TEXT NOT NULL,
          bet INTEGER NOT NULL,
          dealt TEXT NOT NULL,
          final TEXT NOT NULL,
          held_mask INTEGER NOT NULL,
          best_mask INTEGER NOT NULL,
          held_coins REAL NOT NULL,
          best_coins REAL NOT NULL,
          cost REAL NOT NULL,
          outcome INTEGER NOT NULL,
          win INTEGER NOT NULL,
          held_pattern TEXT NOT NULL,
          best_pattern TEXT NOT NULL))"},
    {R"(CREATE TABLE sessions (
          start INTEGER NOT NULL,
          practice INTEGER NOT NULL,
          last_time INTEGER NOT NULL,
          hands INTEGER NOT NULL,
          best_holds INTEGER NOT NULL,
          cost REAL NOT NULL,
          PRIMARY KEY (start, practice)) WITHOUT ROWID)",
     R"(CREATE TABLE situations (
          start INTEGER NOT NULL,
          practice INTEGER NOT NULL,
          held_pattern TEXT NOT NULL,
          best_pattern TEXT NOT NULL,
          count INTEGER NOT NULL,
          cost REAL NOT NULL,
          PRIMARY KEY (start, practice, held_pattern, best_pattern)) WITHOUT ROWID)",
     R"(CREATE TABLE situation_totals (
          practice INTEGER NOT NULL,
          held_pattern TEXT NOT NULL,
          best_pattern TEXT NOT NULL,
          count INTEGER NOT NULL,
          cost REAL NOT NULL,
          PRIMARY KEY (practice, held_pattern, best_pattern)) WITHOUT ROWID)",
     "CREATE INDEX hands_mistakes ON hands (time) WHERE cost > 0",
     R"(INSERT INTO sessions
          SELECT session_start, practice, MAX(time), COUNT(*), SUM(cost <= 0), SUM(MAX(cost, 0))
          FROM hands GROUP BY session_start, practice)",
     R"(INSERT INTO situations
          SELECT session_start, practice, held_pattern, best_pattern, COUNT(*), SUM(cost)
          FROM hands WHERE cost > 0
          GROUP BY session_start, practice, held_pattern, best_pattern)",
     R"(INSERT INTO situation_totals
          SELECT practice, held_pattern, best_pattern, SUM(count), SUM(cost)
          FROM situations GROUP BY practice, held_pattern, best_pattern)"},
    // SQLite can't change a primary key: each summary is copied into a table keyed by game
    // too, which takes the old one's name.
    {"ALTER TABLE hands ADD COLUMN game TEXT NOT NULL DEFAULT 'jacks'",
     R"(CREATE TABLE game_sessions (
          start INTEGER NOT NULL,
          practice INTEGER NOT NULL,
          game TEXT NOT NULL,
          last_time INTEGER NOT NULL,
          hands INTEGER NOT NULL,
          best_holds INTEGER NOT NULL,
          cost REAL NOT NULL,
          PRIMARY KEY (start, practice, game)) WITHOUT ROWID)",
     R"(INSERT INTO game_sessions SELECT start, practice, 'jacks', last_time, hands, best_holds,
          cost FROM sessions)",
     "DROP TABLE sessions", "ALTER TABLE game_sessions RENAME TO sessions",
     R"(CREATE TABLE game_situations (
          start INTEGER NOT NULL,
          practice INTEGER NOT NULL,
          game TEXT NOT NULL,
          held_pattern TEXT NOT NULL,
          best_pattern TEXT NOT NULL,
          count INTEGER NOT NULL,
          cost REAL NOT NULL,
          PRIMARY KEY (start, practice, game, held_pattern, best_pattern)) WITHOUT ROWID)",
     R"(INSERT INTO game_situations SELECT start, practice, 'jacks', held_pattern, best_pattern,
          count, cost FROM situations)",
     "DROP TABLE situations", "ALTER TABLE game_situations RENAME TO situations",
     R"(CREATE TABLE game_situation_totals (
          practice INTEGER NOT NULL,
          game TEXT NOT NULL,
          held_pattern TEXT NOT NULL,
          best_pattern TEXT NOT NULL,
          count INTEGER NOT NULL,
          cost REAL NOT NULL,
          PRIMARY KEY (practice, game, held_pattern, best_pattern)) WITHOUT ROWID)",
     R"(INSERT INTO game_situation_totals SELECT practice, 'jacks', held_pattern, best_pattern,
          count, cost FROM situation_totals)",
     "DROP TABLE situation_totals", "ALTER TABLE game_situation_totals RENAME TO situation_totals"},
};
static_assert(kHistorySchemaVersion == 3, "one schema step per version");

const char* const kInsertHand = R"(INSERT INTO hands (time, session_start, practice, game,
    pay_table, bet, dealt, final, held_mask, best_mask, held_coins, best_coins, cost, outcome,
    win, held_pattern, best_pattern)
    VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))";
const char* const kUpsertSession = R"(INSERT INTO sessions VALUES (?, ?, ?, ?, 1, ?, ?)
    ON CONFLICT (start, practice, game) DO UPDATE SET
    last_time = MAX(last_time, excluded.last_time), hands = hands + 1,
    best_holds = best_holds + excluded.best_holds, cost = cost + excluded.cost)";
const char* const kUpsertSituation = R"(INSERT INTO situations VALUES (?, ?, ?, ?, ?, 1, ?)
    ON CONFLICT (start, practice, game, held_pattern, best_pattern) DO UPDATE SET
    count = count + 1, cost = cost + excluded.cost)";
const char* const kUpsertSituationTotal = R"(INSERT INTO situation_totals
    VALUES (?, ?, ?, ?, 1, ?)
    ON CONFLICT (practice, game, held_pattern, best_pattern) DO UPDATE SET
    count = count + 1, cost = cost + excluded.cost)";
// Every select that takes a game has it twice, "" for every game.
const char* const kSelectSessions = R"(SELECT start, practice, game, last_time, hands,
    best_holds, cost FROM sessions WHERE start >= ? AND (? = '' OR game = ?)
    ORDER BY start DESC, practice, last_time DESC, game LIMIT ?)";
const char* const kSelectSituationsSince = R"(SELECT game, held_pattern, best_pattern,
    SUM(count), SUM(cost) FROM situations
    WHERE practice = 0 AND start >= ? AND (? = '' OR game = ?)
    GROUP BY game, held_pattern, best_pattern
    ORDER BY SUM(cost) DESC, SUM(count) DESC, game, held_pattern, best_pattern LIMIT ?)";
const char* const kSelectSituations = R"(SELECT game, held_pattern, best_pattern, count, cost
    FROM situation_totals WHERE practice = 0 AND (? = '' OR game = ?)
    ORDER BY cost DESC, count DESC, game, held_pattern, best_pattern LIMIT ?)";
const char* const kSelectTotals = R"(SELECT TOTAL(practice = 0), TOTAL(hands * (practice = 0)),
    TOTAL(best_holds * (practice = 0)), TOTAL(cost * (practice = 0)), TOTAL(hands * practice)
    FROM sessions WHERE start >= ? AND (? = '' OR game = ?))";
const char* const kSelectMistakes = R"(SELECT time, session_start, practice, pay_table, bet,
    dealt, final, held_mask, best_mask, held_coins, best_coins, cost, outcome, win,
    held_pattern, best_pattern, game FROM hands WHERE cost > 0
    ORDER BY time DESC, id DESC LIMIT ? OFFSET ?)";
// The sessions list's order, read from the newest end.
const char* const kSelectSeries = R"(SELECT hands, best_holds FROM sessions
    ORDER BY start DESC, practice, last_time DESC, game LIMIT ?)";

int PrimaryCode(const QSqlError& error) {
  bool ok = false;
  const int code = error.nativeErrorCode().toInt(&ok);
  return ok ? code & 0xFF : -1;
}

QString ErrorText(const QSqlError& error) {
  const QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
  return text.isEmpty() ? QCoreApplication::translate("THandHistory", "unknown error") : text;
}

QString Quoted(const QString& path) {
  return QLatin1Char('"') + ShownPath(path) + QLatin1Char('"');
}

// The first `count` values, comma-separated.
template <std::size_t N, class T>
QString JoinedNumbers(const std::array<T, N>& values, std::size_t count = N) {
  QString text;
  for (std::size_t i = 0; i < std::min(count, N); ++i) {
    if (i) text += QLatin1Char(',');
    text += QString::number(values[i]);
  }
  return text;
}

// `count` (at most N) comma-separated whole numbers within lo..hi, the rest 0, or nothing.
template <std::size_t N, class T>
std::optional<std::array<T, N>> ParsedNumbers(const QString& text, int lo, int hi,
                                              std::size_t count = N) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (count > N || parts.size() != static_cast<qsizetype>(count)) return std::nullopt;
  std::array<T, N> values{};
  for (std::size_t i = 0; i < count; ++i) {
    bool ok = false;
    const int value = parts[static_cast<qsizetype>(i)].toInt(&ok);
    if (!ok || value < lo || value > hi) return std::nullopt;
    values[i] = static_cast<T>(value);
  }
  return values;
}

bool IsOurGame(const TGame* game) {
  return game && std::find(kGames.begin(), kGames.end(), game) != kGames.end();
}

void RequireHand(const THandRecord& hand) {
  if (!IsOurGame(hand.Table.Game))
    throw std::invalid_argument("a recorded hand needs one of the games");
  const int deck = hand.Table.Game->DeckSize;
  const auto cards = [deck](const THandCards& cards) {
    return std::all_of(cards.begin(), cards.end(),
                       [deck](cdCardDeck card) { return card >= 1 && card <= deck; });
  };
  if (!cards(hand.Dealt) || !cards(hand.Final))
    throw std::invalid_argument("a recorded hand needs five cards of its game's deck");
  if (!std::isfinite(hand.HeldCoins) || !std::isfinite(hand.BestCoins) || !std::isfinite(hand.Cost))
    throw std::invalid_argument("a recorded hand needs finite coin values");
}

// The first session start a query takes: since <= 0 takes them all.
QVariant From(std::int64_t since) {
  return QVariant::fromValue<qint64>(since > 0 ? since : std::numeric_limits<qint64>::min());
}

// The game a query takes: "" for every game.
QVariant GameId(const TGame* game) {
  return game ? QString::fromLatin1(game->Id.data(), static_cast<qsizetype>(game->Id.size()))
              : QString(QLatin1String(""));
}

double Rate(std::int64_t part, std::int64_t whole) {
  return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

double Per100(double cost, std::int64_t hands) {
  return hands > 0 ? cost * 100.0 / static_cast<double>(hands) : 0.0;
}

// How opening a file went.
enum class TOpenOutcome { Opened, Damaged, Newer, Busy, Failed };
struct TOpenResult {
  TOpenOutcome Outcome = TOpenOutcome::Opened;
  QString Why;
  int Version = 0;
};

}  // namespace

QString HistoryFolderPath() {
  const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  const QString base = QDir::isAbsolutePath(dataHome)
                           ? dataHome
                           : HomeFolderPath() + QStringLiteral("/.local/share");
  return QDir::cleanPath(base + QStringLiteral("/lumaro"));
}

QString HistoryFilePath() {
  return HistoryFolderPath() + QLatin1Char('/') + kFileName;
}

QString ShownPath(const QString& path) {
  return QString::fromStdString(PrintableText(QDir::toNativeSeparators(path).toStdString()));
}

double THistorySession::BestRate() const {
  return Rate(BestHolds, Hands);
}
double THistorySession::CostPer100Hands() const {
  return Per100(Cost, Hands);
}
double THistorySituation::AverageCost() const {
  return Count > 0 ? Cost / static_cast<double>(Count) : 0.0;
}
double THistoryTotals::BestRate() const {
  return Rate(BestHolds, Hands);
}
double THistoryTotals::CostPer100Hands() const {
  return Per100(Cost, Hands);
}

// One named Qt SQL connection and the statements Record uses, prepared once. Removed from
// Qt's list of connections when destroyed, after every query on it is gone.
struct THistoryConnection {
  enum TAccess {
    acRecord,
    acRead,           // read-only, through the -wal and -shm beside the file
    acReadImmutable,  // read-only, the file alone: SQLite neither locks it nor makes companions
  };

  THistoryConnection(const QString& name, const QString& path, TAccess access) : Name(name) {
    Db = QSqlDatabase::addDatabase(kDriver, name);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1")
                          .arg(access == acRecord ? THandHistory::kRecordWaitMilliseconds
                                                  : kReadBusyMilliseconds);
    if (access != acRecord) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    if (access == acReadImmutable) {
      // A URI names the file byte for byte, whatever its name holds.
      const QByteArray bytes = LocalBytesFromPath(QFileInfo(path).absoluteFilePath());
      Db.setDatabaseName(QStringLiteral("file://") +
                         QString::fromLatin1(bytes.toPercentEncoding("/")) +
                         QStringLiteral("?mode=ro&immutable=1"));
      options += QStringLiteral(";QSQLITE_OPEN_URI");
    } else {
      Db.setDatabaseName(path);
    }
    Db.setConnectOptions(options);
  }
  ~THistoryConnection() {
    InsertHand.reset();
    UpsertSession.reset();
    UpsertSituation.reset();
    UpsertSituationTotal.reset();
    Db.close();
    Db = QSqlDatabase();
    QSqlDatabase::removeDatabase(Name);
  }

  // Runs one statement, keeping its error; the query ends before it returns.
  bool Exec(const QString& sql) {
    QSqlQuery query(Db);
    if (query.exec(sql)) return true;
    Error = query.lastError();
    return false;
  }
  // The first column of the first row of a statement, or nothing.
  std::optional<QVariant> Value(const QString& sql) {
    QSqlQuery query(Db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
      Error = query.lastError();
      return std::nullopt;
    }
    if (!query.next()) {
      Error = query.lastError();
      return query.lastError().isValid() ? std::nullopt : std::optional<QVariant>(QVariant());
    }
    return query.value(0);
  }
  std::unique_ptr<QSqlQuery> Prepared(const char* sql) {
    auto query = std::make_unique<QSqlQuery>(Db);
    if (query->prepare(QString::fromLatin1(sql))) return query;
    Error = query->lastError();
    return nullptr;
  }
  bool Run(QSqlQuery& query) {
    const bool done = query.exec();
    if (!done) Error = query.lastError();
    query.finish();
    return done;
  }

  QString Name;
  QSqlDatabase Db;
  QSqlError Error;
  std::unique_ptr<QSqlQuery> InsertHand;
  std::unique_ptr<QSqlQuery> UpsertSession;
  std::unique_ptr<QSqlQuery> UpsertSituation;
  std::unique_ptr<QSqlQuery> UpsertSituationTotal;
};

namespace {

std::atomic<int> gConnectionCount{0};

// A failure that moving the file aside may cure: it is not a database, or not one we can
// open although it is there in a folder we can write. A busy, full or read-only disk or
// folder is left alone.
TOpenResult Classify(const QSqlError& error, const QString& filePath) {
  const int code = PrimaryCode(error);
  if (code == kSqliteBusy) return {TOpenOutcome::Busy, ErrorText(error), 0};
  const QFileInfo file(filePath);
  const bool there = file.exists() || file.isSymLink();
  if (code == kSqliteCorrupt || code == kSqliteNotADatabase ||
      ((code == kSqliteCantOpen || code == kSqlitePerm) && there &&
       QFileInfo(file.absolutePath()).isWritable()))
    return {TOpenOutcome::Damaged, ErrorText(error), 0};
  if (there && !QFileInfo(file.absolutePath()).isWritable())
    return {TOpenOutcome::Failed,
            QCoreApplication::translate("THandHistory", "%1; its folder is read-only")
                .arg(ErrorText(error)),
            0};
  return {TOpenOutcome::Failed, ErrorText(error), 0};
}

TOpenResult Damaged(const QString& why) {
  return {TOpenOutcome::Damaged, why, 0};
}

// No Lumaro writes a version below 0: such a file is damaged, not an older one.
QString UnknownVersionText(int version) {
  return QCoreApplication::translate("THandHistory",
                                     "its schema version %1 is not one Lumaro writes")
      .arg(version);
}

}  // namespace

THandHistory::THandHistory(TMode mode, const QString& filePath)
    : FMode(mode),
      FFilePath(filePath),
      FConnectionName(QStringLiteral("lumaro-history-%1").arg(++gConnectionCount)) {
  if (!QSqlDatabase::isDriverAvailable(kDriver)) {
    Fail(QCoreApplication::translate("THandHistory",
                                     "Qt's SQLite driver is missing (package libqt6sql6-sqlite)"),
         {});
    return;
  }
  if (mode == omReadOnly)
    OpenReadOnly();
  else
    Open();
}

THandHistory::~THandHistory() {
  if (!FWaiting.empty())
    qCWarning(lcHistory, "%s: %zu hands were not recorded: %s", qUtf8Printable(FFilePath),
              FWaiting.size(), qUtf8Printable(FBusyText));
}

std::optional<QString> THandHistory::TakeReport() {
  return std::exchange(FReport, std::nullopt);
}

void THandHistory::Fail(const QString& problem, const QString& report) {
  FConnection.reset();
  FState = THistoryState::Unavailable;
  FProblem = problem;
  qCWarning(lcHistory, "%s: %s", qUtf8Printable(FFilePath), qUtf8Printable(problem));
  if (FMode == omRecord)
    FReport = report.isEmpty()
                  ? QCoreApplication::translate("THandHistory",
                                                "The hand history %1 could not be opened (%2); "
                                                "hands are not recorded")
                        .arg(Quoted(FFilePath), problem)
                  : report;
}

namespace {

// Brings an open file of `version` up to the schema we write, one step per transaction.
TOpenResult Migrate(THistoryConnection& c, int version) {
  if (version < 0 || version > kHistorySchemaVersion) return Damaged(UnknownVersionText(version));
  for (int step = version + 1; step <= kHistorySchemaVersion; ++step) {
    bool done = c.Exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const char* sql : kSchemaSteps[static_cast<std::size_t>(step - 1)])
      done = done && c.Exec(QString::fromLatin1(sql));
    done = done && c.Exec(QStringLiteral("PRAGMA user_version = %1").arg(step)) &&
           c.Exec(QStringLiteral("COMMIT"));
    if (!done) {
      const QSqlError error = c.Error;
      c.Exec(QStringLiteral("ROLLBACK"));
      // A table or column that is there already, or missing: not a schema of ours.
      if (PrimaryCode(error) == kSqliteError)
        return Damaged(
            QCoreApplication::translate("THandHistory", "its tables are not a hand history's (%1)")
                .arg(ErrorText(error)));
      if (PrimaryCode(error) == kSqliteBusy) return {TOpenOutcome::Busy, ErrorText(error), 0};
      return {TOpenOutcome::Failed, ErrorText(error), 0};
    }
  }
  return {};
}

}  // namespace

void THandHistory::Open() {
  const QString folder = QFileInfo(FFilePath).absolutePath();
  if (!QDir().mkpath(folder)) {
    Fail(QCoreApplication::translate("THandHistory", "the folder %1 can't be created")
             .arg(Quoted(folder)),
         {});
    return;
  }
  const auto tryOpen = [this]() -> TOpenResult {
    FConnection = std::make_unique<THistoryConnection>(FConnectionName, FFilePath,
                                                       THistoryConnection::acRecord);
    THistoryConnection& c = *FConnection;
    if (!c.Db.open()) return Classify(c.Db.lastError(), FFilePath);
    const std::optional<QVariant> version = c.Value(QStringLiteral("PRAGMA user_version"));
    if (!version) return Classify(c.Error, FFilePath);
    const int known = version->toInt();
    if (known > kHistorySchemaVersion) return {TOpenOutcome::Newer, {}, known};
    if (known < 0) return Damaged(UnknownVersionText(known));
    if (known == 0) {
      const std::optional<QVariant> tables =
          c.Value(QStringLiteral("SELECT COUNT(*) FROM sqlite_schema"));
      if (!tables) return Classify(c.Error, FFilePath);
      if (tables->toInt() != 0)
        return Damaged(QCoreApplication::translate("THandHistory", "it is not a hand history"));
    }
    const std::optional<QVariant> check = c.Value(QStringLiteral("PRAGMA quick_check"));
    if (!check) return Classify(c.Error, FFilePath);
    if (check->toString() != QLatin1String("ok"))
      return Damaged(
          QCoreApplication::translate("THandHistory", "it failed SQLite's quick check: %1")
              .arg(check->toString()));
    // A file of our version is checked before anything in it changes, so a foreign one is
    // moved aside as it was found.
    const auto prepare = [&c] {
      c.InsertHand = c.Prepared(kInsertHand);
      if (c.InsertHand) c.UpsertSession = c.Prepared(kUpsertSession);
      if (c.UpsertSession) c.UpsertSituation = c.Prepared(kUpsertSituation);
      if (c.UpsertSituation) c.UpsertSituationTotal = c.Prepared(kUpsertSituationTotal);
      return c.UpsertSituationTotal != nullptr;
    };
    const auto foreignTables = [&c] {
      return Damaged(
          QCoreApplication::translate("THandHistory", "its tables are not a hand history's (%1)")
              .arg(ErrorText(c.Error)));
    };
    if (known == kHistorySchemaVersion && !prepare()) return foreignTables();
    // Steps run before the switch to WAL: a step that fails is rolled back to the file as
    // it was.
    if (const TOpenResult migrated = Migrate(c, known); migrated.Outcome != TOpenOutcome::Opened)
      return migrated;
    const std::optional<QVariant> journal = c.Value(QStringLiteral("PRAGMA journal_mode = WAL"));
    if (!journal) return Classify(c.Error, FFilePath);
    if (journal->toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
      return {TOpenOutcome::Failed,
              QCoreApplication::translate("THandHistory", "it can't be written (no WAL journal)"),
              0};
    // NORMAL: a commit is in the WAL file when Record returns, so a killed game keeps it.
    if (!c.Exec(QStringLiteral("PRAGMA synchronous = NORMAL"))) return Classify(c.Error, FFilePath);
    if (!c.UpsertSituationTotal && !prepare()) return foreignTables();
    return {};
  };

  TOpenResult result = tryOpen();
  if (result.Outcome == TOpenOutcome::Damaged) {
    if (!MoveAside(result.Why)) return;
    result = tryOpen();
  }
  FOpenWaiting = false;
  switch (result.Outcome) {
    case TOpenOutcome::Opened:
      FState = THistoryState::Open;
      FBusyWait = kRecordWaitMilliseconds;
      return;
    case TOpenOutcome::Busy:
      // Making or bringing up to date a file another program is writing: tried again with
      // the next hand.
      FConnection.reset();
      FState = THistoryState::Unavailable;
      FProblem = QCoreApplication::translate("THandHistory", "another program is writing it (%1)")
                     .arg(result.Why);
      FBusyText = result.Why;
      FOpenWaiting = true;
      qCWarning(lcHistory, "%s: %s", qUtf8Printable(FFilePath), qUtf8Printable(FProblem));
      return;
    case TOpenOutcome::Newer:
      Fail(QCoreApplication::translate(
               "THandHistory", "it was written by a newer version of Lumaro (schema version %1)")
               .arg(result.Version),
           QCoreApplication::translate(
               "THandHistory",
               "The hand history %1 was written by a newer version of Lumaro; it "
               "is left as it is and hands are not recorded")
               .arg(Quoted(FFilePath)));
      return;
    case TOpenOutcome::Damaged:  // a fresh file that is damaged too: give up for this game
    case TOpenOutcome::Failed:
      Fail(result.Why, {});
      return;
  }
}

bool THandHistory::MoveAside(const QString& why) {
  FConnection.reset();
  const QFileInfo file(FFilePath);
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
  QString target;
  for (int n = 1; target.isEmpty() || QFileInfo::exists(target) || QFileInfo(target).isSymLink();
       ++n)
    target = file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
             QStringLiteral(".damaged-") + stamp +
             (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + suffix;
  // The WAL goes with its database: left behind, it would be replayed into the new file.
  bool moved = QFile::rename(FFilePath, target);
  for (const QString& companion : kCompanionSuffixes)
    if (moved && QFileInfo::exists(FFilePath + companion))
      moved = QFile::rename(FFilePath + companion, target + companion);
  if (!moved) {
    Fail(
        QCoreApplication::translate("THandHistory", "%1, and it could not be moved aside").arg(why),
        QCoreApplication::translate(
            "THandHistory",
            "The hand history %1 is damaged (%2) and could not be moved aside; "
            "hands are not recorded")
            .arg(Quoted(FFilePath), why));
    return false;
  }
  qCWarning(lcHistory, "%s: %s; moved to %s", qUtf8Printable(FFilePath), qUtf8Printable(why),
            qUtf8Printable(target));
  FReport = QCoreApplication::translate(
                "THandHistory",
                "The hand history %1 is damaged (%2); it was moved to %3 and a new "
                "history was started")
                .arg(Quoted(FFilePath), why, Quoted(target));
  return true;
}

namespace {

// Whether the file's header says it is in WAL mode (file format versions 2 at bytes 18, 19).
bool InWalMode(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray header = file.read(20);
  return header.size() == 20 && header[18] == 2 && header[19] == 2;
}

struct TReaderAccess {
  THistoryConnection::TAccess Access = THistoryConnection::acRead;
  QString Problem;  // when the file can't be read as it is
};

// How a reader opens the file so that it changes nothing and leaves nothing behind, in a
// folder it may write or not. A file in WAL mode whose -wal is there is being written, or was
// left so by a game that was killed: SQLite reads it through that -wal and the -shm beside
// it, which stay as they were. Without a -wal, or with an empty one, all there is is in the
// file: it is read immutable, so SQLite makes no -wal and -shm (which a reader could not
// remove again) and needs no folder it can write. A game that starts meanwhile writes into
// a new -wal, which this read does not see; the file itself changes only when that game
// checkpoints, after a thousand pages or at its close. A file in the older rollback mode is
// read as it is: reading it makes nothing beside it.
TReaderAccess ReaderAccess(const QString& path) {
  if (!InWalMode(path)) return {};
  // SQLite keeps the companions beside the file that links lead to.
  const QString file = SaveTargetPath(path);
  const QFileInfo wal(file + QStringLiteral("-wal"));
  if (!wal.exists() || wal.size() == 0) return {THistoryConnection::acReadImmutable, {}};
  if (QFileInfo::exists(file + QStringLiteral("-shm")) ||
      !FolderWriteProblem(QFileInfo(file).absolutePath()))
    return {};
  return {
      THistoryConnection::acRead,
      QCoreApplication::translate("THandHistory",
                                  "its newest hands are in %1, which can't be read without %2 in a "
                                  "folder that can't be written")
          .arg(wal.fileName(), QFileInfo(file + QStringLiteral("-shm")).fileName())};
}

}  // namespace

void THandHistory::OpenReadOnly() {
  // What is in the file's place, before SQLite opens it: a FIFO would keep it waiting for a
  // writer, a folder or a device would give a reason no one understands.
  const TStoreFile file = ProbeFile(FFilePath);
  if (file.Access == TFileAccess::Missing) {
    FState = THistoryState::Missing;
    return;
  }
  if (file.Access == TFileAccess::Unreadable) {
    Fail(file.Problem.Reason, {});
    return;
  }
  const TReaderAccess access = ReaderAccess(FFilePath);
  if (!access.Problem.isEmpty()) {
    Fail(access.Problem, {});
    return;
  }
  FConnection = std::make_unique<THistoryConnection>(FConnectionName, FFilePath, access.Access);
  THistoryConnection& c = *FConnection;
  std::optional<QVariant> version;
  if (!c.Db.open() || !(version = c.Value(QStringLiteral("PRAGMA user_version")))) {
    const QSqlError error = c.Db.isOpen() ? c.Error : c.Db.lastError();
    if (PrimaryCode(error) == kSqliteBusy)
      Fail(QCoreApplication::translate("THandHistory", "another program holds it locked (%1)")
               .arg(ErrorText(error)),
           {});
    else
      Fail(ErrorText(error), {});
    return;
  }
  const int known = version->toInt();
  if (known < 0) {
    Fail(QCoreApplication::translate("THandHistory",
                                     "it is damaged (%1); the game moves it aside when it starts")
             .arg(UnknownVersionText(known)),
         {});
  } else if (known == 0) {
    const std::optional<QVariant> tables =
        c.Value(QStringLiteral("SELECT COUNT(*) FROM sqlite_schema"));
    if (tables && tables->toInt() == 0) {  // created and never written: nothing recorded
      FConnection.reset();
      FState = THistoryState::Missing;
      return;
    }
    Fail(QCoreApplication::translate("THandHistory", "it is not a hand history"), {});
  } else if (known < kHistorySchemaVersion) {
    Fail(QCoreApplication::translate(
             "THandHistory",
             "it is in an older form (schema version %1): the game brings it up to "
             "date when it starts")
             .arg(known),
         {});
  } else if (known > kHistorySchemaVersion) {
    Fail(QCoreApplication::translate(
             "THandHistory", "it was written by a newer version of Lumaro (schema version %1)")
             .arg(known),
         {});
  } else if (!c.Prepared(kSelectSessions) || !c.Prepared(kSelectSituations) ||
             !c.Prepared(kSelectSituationsSince) || !c.Prepared(kSelectMistakes)) {
    Fail(QCoreApplication::translate("THandHistory", "its tables are not a hand history's (%1)")
             .arg(ErrorText(c.Error)),
         {});
  } else {
    FState = THistoryState::Open;
  }
}

bool THandHistory::Record(const THandRecord& hand) {
  RequireHand(hand);
  if (FMode != omRecord || (FState != THistoryState::Open && !FOpenWaiting)) return false;
  if (FWaiting.size() >= kMostWaitingHands) {
    if (!FCrowdReported) {
      FCrowdReported = true;
      const int waiting = static_cast<int>(FWaiting.size());
      FReport = QCoreApplication::translate(
                    "THandHistory",
                    "Hands are not recorded in the hand history %1 while another program "
                    "keeps it busy (%2); %n hands wait for it",
                    nullptr, waiting)
                    .arg(Quoted(FFilePath), FBusyText);
    }
    return false;
  }
  FWaiting.push_back(hand);
  RecordWaiting();
  return FWaiting.empty() && FLastStored;
}

void THandHistory::RecordWaiting(int waitMilliseconds) {
  if (FWaiting.empty()) return;
  if (FOpenWaiting) {
    Open();
    if (FOpenWaiting) return;
    if (FState != THistoryState::Open) {
      // Opening failed for good, and said so.
      FWaiting.clear();
      return;
    }
  }
  SetBusyWait(waitMilliseconds);
  while (!FWaiting.empty()) {
    const TStoreOutcome outcome = Store(FWaiting.front());
    if (outcome == TStoreOutcome::Busy) break;
    FLastStored = outcome == TStoreOutcome::Stored;
    FWaiting.pop_front();
  }
  SetBusyWait(kRecordWaitMilliseconds);
}

void THandHistory::FinishRecording(int waitMilliseconds) {
  RecordWaiting(waitMilliseconds);
  if (FWaiting.empty()) return;
  const std::size_t lost = FWaiting.size();
  const int lostCount = static_cast<int>(lost);
  FWaiting.clear();
  qCWarning(lcHistory, "%s: %zu hands were not recorded: %s", qUtf8Printable(FFilePath), lost,
            qUtf8Printable(FBusyText));
  FReport = QCoreApplication::translate(
                "THandHistory",
                "%1 could not be recorded in the hand history %2: another program kept it "
                "busy (%3); the hands recorded before are kept")
                .arg(lost == 1 ? QCoreApplication::translate("THandHistory", "1 hand")
                               : QCoreApplication::translate("THandHistory", "%n hands", nullptr,
                                                             lostCount),
                     Quoted(FFilePath), FBusyText);
}

void THandHistory::SetBusyWait(int milliseconds) {
  if (milliseconds == FBusyWait || !FConnection) return;
  if (FConnection->Exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds)))
    FBusyWait = milliseconds;
}

THandHistory::TStoreOutcome THandHistory::Store(const THandRecord& hand) {
  THistoryConnection& c = *FConnection;
  if (FCheckpointDue) {
    // After a failed write the WAL may hold all the room there was: once its pages are in
    // the file it is emptied (TRUNCATE gives its room back) and starts again.
    const std::optional<QVariant> busy = c.Value(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    if (busy && busy->toInt() == 0) FCheckpointDue = false;
  }
  const bool mistake = hand.Cost > 0;
  const double cost = mistake ? hand.Cost : 0.0;
  const auto bind = [](QSqlQuery& query, std::initializer_list<QVariant> values) {
    int i = 0;
    for (const QVariant& value : values) query.bindValue(i++, value);
    return true;
  };
  const QVariant start = QVariant::fromValue<qint64>(hand.SessionStart);
  const QVariant practice = hand.Practice ? 1 : 0;
  const QVariant game = GameId(hand.Table.Game);
  const auto lines = static_cast<std::size_t>(hand.Table.Game->LineCount());
  const QVariant heldPattern = QString::fromStdString(hand.HeldPattern);
  const QVariant bestPattern = QString::fromStdString(hand.BestPattern);

  bool done = c.Exec(QStringLiteral("BEGIN IMMEDIATE"));
  done = done &&
         bind(*c.InsertHand,
              {QVariant::fromValue<qint64>(hand.Time), start, practice, game,
               JoinedNumbers(hand.Table.Multipliers, lines), hand.Bet, JoinedNumbers(hand.Dealt),
               JoinedNumbers(hand.Final), hand.HeldMask, hand.BestMask, hand.HeldCoins,
               hand.BestCoins, hand.Cost, hand.Outcome, hand.Win, heldPattern, bestPattern}) &&
         c.Run(*c.InsertHand);
  done = done &&
         bind(*c.UpsertSession, {start, practice, game, QVariant::fromValue<qint64>(hand.Time),
                                 mistake ? 0 : 1, cost}) &&
         c.Run(*c.UpsertSession);
  if (mistake)
    done = done &&
           bind(*c.UpsertSituation, {start, practice, game, heldPattern, bestPattern, cost}) &&
           c.Run(*c.UpsertSituation) &&
           bind(*c.UpsertSituationTotal, {practice, game, heldPattern, bestPattern, cost}) &&
           c.Run(*c.UpsertSituationTotal);
  done = done && c.Exec(QStringLiteral("COMMIT"));
  if (done) return TStoreOutcome::Stored;

  // Nothing of the hand stays: a failed commit leaves its transaction open.
  const QSqlError error = c.Error;
  c.Exec(QStringLiteral("ROLLBACK"));
  if (PrimaryCode(error) == kSqliteBusy) {
    FBusyText = ErrorText(error);
    return TStoreOutcome::Busy;
  }
  FCheckpointDue = true;
  qCWarning(lcHistory, "%s: a hand was not recorded: %s", qUtf8Printable(FFilePath),
            qUtf8Printable(ErrorText(error)));
  if (!FWriteReported) {
    FWriteReported = true;
    FReport =
        QCoreApplication::translate("THandHistory",
                                    "A hand could not be recorded in the hand history %1 (%2); the "
                                    "hands recorded before are kept")
            .arg(Quoted(FFilePath), ErrorText(error));
  }
  return TStoreOutcome::Failed;
}

QSqlQuery THandHistory::Select(const char* sql, std::initializer_list<QVariant> values,
                               const QString& what) {
  // Without a file, a query that gives no rows.
  if (FState != THistoryState::Open) return QSqlQuery();
  QSqlQuery query(FConnection->Db);
  query.setForwardOnly(true);
  query.prepare(QString::fromLatin1(sql));
  for (const QVariant& value : values) query.addBindValue(value);
  if (query.exec()) return query;
  const QString error = ErrorText(query.lastError());
  qCWarning(lcHistory, "%s: could not read %s: %s", qUtf8Printable(FFilePath), qUtf8Printable(what),
            qUtf8Printable(error));
  if (!FReadReported) {
    FReadReported = true;
    FReport =
        QCoreApplication::translate("THandHistory", "The hand history %1 could not be read (%2)")
            .arg(Quoted(FFilePath), error);
  }
  return QSqlQuery();
}

std::vector<THistorySession> THandHistory::Sessions(std::int64_t since, int limit,
                                                    const TGame* game) {
  std::vector<THistorySession> sessions;
  QSqlQuery query = Select(kSelectSessions, {From(since), GameId(game), GameId(game), limit},
                           QStringLiteral("the sessions"));
  while (query.next()) {
    THistorySession& s = sessions.emplace_back();
    s.Start = query.value(0).toLongLong();
    s.Practice = query.value(1).toInt() != 0;
    s.Game = query.value(2).toString().toStdString();
    s.LastTime = query.value(3).toLongLong();
    s.Hands = query.value(4).toLongLong();
    s.BestHolds = query.value(5).toLongLong();
    s.Cost = query.value(6).toDouble();
  }
  return sessions;
}

std::vector<THistorySituation> THandHistory::CostlySituations(std::int64_t since, int limit,
                                                              const TGame* game) {
  std::vector<THistorySituation> situations;
  const QString what = QStringLiteral("the situations");
  // Since the beginning: the running totals, however many sessions there are.
  QSqlQuery query =
      since > 0
          ? Select(kSelectSituationsSince, {From(since), GameId(game), GameId(game), limit}, what)
          : Select(kSelectSituations, {GameId(game), GameId(game), limit}, what);
  while (query.next())
    situations.push_back({query.value(0).toString().toStdString(),
                          query.value(1).toString().toStdString(),
                          query.value(2).toString().toStdString(), query.value(3).toLongLong(),
                          query.value(4).toDouble()});
  return situations;
}

THistoryTotals THandHistory::Totals(std::int64_t since, const TGame* game) {
  THistoryTotals totals;
  QSqlQuery query = Select(kSelectTotals, {From(since), GameId(game), GameId(game)},
                           QStringLiteral("the totals"));
  if (!query.next()) return totals;
  // TOTAL() sums as a floating-point number: exact for counts below 2^53.
  totals.Sessions = static_cast<std::int64_t>(query.value(0).toDouble());
  totals.Hands = static_cast<std::int64_t>(query.value(1).toDouble());
  totals.BestHolds = static_cast<std::int64_t>(query.value(2).toDouble());
  totals.Cost = query.value(3).toDouble();
  totals.PracticeHands = static_cast<std::int64_t>(query.value(4).toDouble());
  return totals;
}

std::vector<THandRecord> THandHistory::Mistakes(int limit, int offset) {
  std::vector<THandRecord> mistakes;
  QSqlQuery query =
      Select(kSelectMistakes, {limit, std::max(offset, 0)}, QStringLiteral("the mistakes"));
  while (query.next()) {
    const TGame* game = FindGame(query.value(16).toString().toStdString());
    std::optional<TLinePays> payTable;
    std::optional<THandCards> dealt;
    std::optional<THandCards> final;
    if (game) {
      // Jacks or Better's H1..H9 as they always were read; another game's multipliers as
      // its tables allow them, from 0 up.
      payTable = ParsedNumbers<kMaxPayLines, std::int32_t>(
          query.value(3).toString(), game == &kJacksOrBetter ? std::numeric_limits<int>::min() : 0,
          std::numeric_limits<int>::max(), static_cast<std::size_t>(game->LineCount()));
      dealt = ParsedNumbers<5, cdCardDeck>(query.value(5).toString(), 1, game->DeckSize);
      final = ParsedNumbers<5, cdCardDeck>(query.value(6).toString(), 1, game->DeckSize);
    }
    // A row changed by hand could not be replayed; the others still can.
    if (!payTable || !dealt || !final) {
      qCWarning(lcHistory,
                "%s: skipped a mistake with an unknown game or unreadable cards or pay "
                "table",
                qUtf8Printable(FFilePath));
      continue;
    }
    THandRecord& hand = mistakes.emplace_back();
    hand.Time = query.value(0).toLongLong();
    hand.SessionStart = query.value(1).toLongLong();
    hand.Practice = query.value(2).toInt() != 0;
    hand.Table = {game, *payTable};
    hand.Bet = query.value(4).toInt();
    hand.Dealt = *dealt;
    hand.Final = *final;
    hand.HeldMask = static_cast<std::uint8_t>(query.value(7).toUInt() & 0x1F);
    hand.BestMask = static_cast<std::uint8_t>(query.value(8).toUInt() & 0x1F);
    hand.HeldCoins = query.value(9).toDouble();
    hand.BestCoins = query.value(10).toDouble();
    hand.Cost = query.value(11).toDouble();
    hand.Outcome = static_cast<std::uint8_t>(query.value(12).toUInt());
    hand.Win = query.value(13).toInt();
    hand.HeldPattern = query.value(14).toString().toStdString();
    hand.BestPattern = query.value(15).toString().toStdString();
  }
  return mistakes;
}

std::vector<double> THandHistory::BestRateSeries(int sessions) {
  std::vector<double> series;
  QSqlQuery query = Select(kSelectSeries, {sessions}, QStringLiteral("the sessions"));
  while (query.next())
    series.push_back(Rate(query.value(1).toLongLong(), query.value(0).toLongLong()));
  std::reverse(series.begin(), series.end());
  return series;
}
