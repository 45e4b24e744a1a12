// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "settings_store.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>
#include <vector>

#include "settings_log.h"
#include "store_file.h"
#include "whole_number.h"

namespace {

bool IsPlainName(const QString& name) {
  return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
         !name.contains(QChar(0));
}

bool IsUsableKeyName(const QString& name) {
  return IsPlainName(name) && name != QLatin1String(".") && name != QLatin1String("..");
}

int RemainingMilliseconds(const QDeadlineTimer& deadline) {
  return static_cast<int>(std::clamp<qint64>(deadline.remainingTime(), 0, kSaveWaitMilliseconds));
}

// A writer killed between creating its lock file and writing its process id into it leaves
// an empty lock. QLockFile takes that as stale only after 30 s. A live writer fills its lock
// at once, so one that stays empty is abandoned.
constexpr qint64 kAbandonedLockMilliseconds = 1000;

void ClearAbandonedLock(const QString& lockPath, const QDeadlineTimer& deadline) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    const QFileInfo info(lockPath);
    if (!info.isFile() || info.size() != 0) return;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age >= kAbandonedLockMilliseconds || waited.elapsed() >= kAbandonedLockMilliseconds) {
      if (!QFile::remove(lockPath))
        qCWarning(lcSettings, "could not remove the abandoned lock %s", qUtf8Printable(lockPath));
      return;
    }
    if (deadline.hasExpired()) return;
    QThread::msleep(20);
  }
}

// What a value that is not plain text holds, for the error report.
QString StoredKind(QByteArrayView stored) {
  const QByteArrayView value = stored.trimmed();
  const qsizetype opening = value.indexOf('(');
  if (value.startsWith('@') && opening > 1)
    return QString::fromLatin1(value.first(opening)) + QStringLiteral("(...)");
  return QCoreApplication::translate("TSettingsStore", "a list");
}

// The name a running process has on this machine.
QString RunningProgramName(qint64 pid) {
  QFile name(QStringLiteral("/proc/%1/comm").arg(pid));
  if (!name.open(QIODevice::ReadOnly))
    return QCoreApplication::translate("TSettingsStore", "process %1").arg(pid);
  return QString::fromLocal8Bit(name.readAll()).trimmed();
}

// Why the lock of the file at filePath could not be taken. QLockFile keeps the locking
// program's file name in the lock: "lumaro" for the game.
TFileProblem LockProblem(const QLockFile& lock, const QString& lockPath, const QString& filePath) {
  const QString waited = QStringLiteral("%1 s").arg(kSaveWaitMilliseconds / 1000);
  if (QFileInfo(lockPath).isDir())
    return {lockPath, QCoreApplication::translate("TSettingsStore", "it is a folder, not a file")};
  const QString folder = QFileInfo(lockPath).absolutePath();
  switch (lock.error()) {
    case QLockFile::LockFailedError: {
      qint64 pid = 0;
      QString host;
      QString program;
      if (!lock.getLockInfo(&pid, &host, &program))
        return {lockPath,
                QCoreApplication::translate("TSettingsStore",
                                            "it is not a lock this program can read, and it stayed "
                                            "for %1")
                    .arg(waited)};
      const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
      const bool running = pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
      if (here && !running)
        return {lockPath,
                QCoreApplication::translate(
                    "TSettingsStore", "a program that has ended left it, and it can't be removed")};
      if (program.isEmpty() && here) program = RunningProgramName(pid);
      const QString who =
          program.compare(QLatin1String("lumaro"), Qt::CaseInsensitive) == 0
              ? QCoreApplication::translate("TSettingsStore", "another Lumaro")
              : QCoreApplication::translate("TSettingsStore", "another program (%1)").arg(program);
      const QString where = here ? QString() : QStringLiteral(" on ") + host;
      return {filePath,
              QCoreApplication::translate("TSettingsStore", "%1%2 is saving (lock held for %3)")
                  .arg(who, where, waited)};
    }
    case QLockFile::PermissionError:
      if (std::optional<TFileProblem> problem = FolderWriteProblem(folder)) return *problem;
      return {folder,
              QCoreApplication::translate("TSettingsStore", "no lock file can be created in it")};
    default:
      if (IsDiskFull(lockPath))
        return {folder, QCoreApplication::translate("TSettingsStore", "the disk is full")};
      return {lockPath,
              QCoreApplication::translate("TSettingsStore", "the lock file can't be written")};
  }
}

QString HomeFromPasswordDatabase() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  for (;;) {
    passwd entry{};
    passwd* found = nullptr;
    const int error = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found);
    if (error == ERANGE && buffer.size() < 1024 * 1024) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (error != 0 || !found || !found->pw_dir) return {};
    return QFile::decodeName(found->pw_dir);
  }
}

bool IsBlank(QChar c) {
  return c == QLatin1Char(' ');
}

int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

}  // namespace

ESettingsError::ESettingsError(const QString& message, QString detail)
    : std::runtime_error(message.toStdString()), FDetail(std::move(detail)) {}

QString HomeFolderPath() {
  const QString home = qEnvironmentVariable("HOME");
  if (QDir::isAbsolutePath(home)) return QDir::cleanPath(home);
  // Started without HOME (a service, "env -i"): Qt alone would give "/".
  const QString fromDatabase = HomeFromPasswordDatabase();
  if (QDir::isAbsolutePath(fromDatabase)) return QDir::cleanPath(fromDatabase);
  qCWarning(lcSettings, "no home folder for user %u", static_cast<unsigned>(getuid()));
  return QDir::rootPath();
}

QString SettingsFolderPath() {
  const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome)) return QDir::cleanPath(configHome);
  return QDir::cleanPath(HomeFolderPath() + QStringLiteral("/.config"));
}

QString SettingsFilePath() {
  return SettingsFolderPath() + QLatin1Char('/') + kSettingsKeyName;
}

std::optional<std::int32_t> ParseStoredInteger(QStringView text) {
  qsizetype i = 0;
  bool hex = false;
  if (text.size() > 2 && text[0] == QLatin1Char('0') &&
      (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X'))) {
    hex = true;
    i = 2;
  } else {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && text[i] == QLatin1Char('$')) {
      hex = true;
      ++i;
    }
  }
  if (hex) {
    const qsizetype digits = text.size() - i;
    if (digits < 1 || digits > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
      const int digit = HexDigitValue(text[i]);
      if (digit < 0) return std::nullopt;
      value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
  }

  // Decimal as everywhere else in the game; only ASCII digits are stored digits.
  std::string ascii;
  for (; i < text.size(); ++i) {
    if (text[i].unicode() > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(text[i].unicode()));
  }
  const auto value = ParseSignedDecimal(ascii, std::numeric_limits<std::int32_t>::min(),
                                        std::numeric_limits<std::int32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::int32_t StoredTextToInteger(QStringView text, std::int32_t def) {
  return ParseStoredInteger(text).value_or(def);
}

TSettingsStore TSettingsStore::OpenSettingsStore(const QString& keyName) {
  if (!IsUsableKeyName(keyName))
    throw ESettingsError(
        QCoreApplication::translate("TSettingsStore", "Failed to create key %1").arg(keyName),
        keyName + QStringLiteral(": not a plain file name"));
  return TSettingsStore(keyName, SettingsFolderPath() + QLatin1Char('/') + keyName);
}

TSettingsStore::TSettingsStore(QString keyName, QString filePath)
    : FKeyName(std::move(keyName)), FFilePath(std::move(filePath)) {
  // Created on the first opening; failing here only means the reads give defaults, and
  // the first save reports it.
  const QString folder = QFileInfo(FFilePath).absolutePath();
  if (!QDir().mkpath(folder))
    qCWarning(lcSettings, "could not create %s; using the defaults", qUtf8Printable(folder));
  TStoreFile file = ReadStoreFile(FFilePath, true);
  if (file.Access == TFileAccess::Missing && !QFileInfo(FFilePath).isSymLink()) {
    QFile created(FFilePath);
    // NewOnly: never truncate a file another copy of the game has just put in place.
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
      file = ReadStoreFile(FFilePath, true);
  }
  if (file.Access == TFileAccess::Unreadable)
    qCWarning(lcSettings, "could not read %s; using the defaults",
              qUtf8Printable(file.Problem.Detail()));
  FDocument = TIniDocument::Parse(std::move(file.Bytes));
  if (!FDocument.IsWellFormed())
    qCWarning(lcSettings, "%s has lines that are not settings; they were skipped",
              qUtf8Printable(FFilePath));
}

TSettingsStore::TSettingsStore(TSettingsStore&& other) noexcept
    : FKeyName(std::move(other.FKeyName)),
      FFilePath(std::move(other.FFilePath)),
      FDocument(std::move(other.FDocument)),
      FPending(std::move(other.FPending)),
      FOpen(std::exchange(other.FOpen, false)) {}

TSettingsStore::~TSettingsStore() {
  Release();
}

void TSettingsStore::RequireOpen() const {
  if (!FOpen) throw std::logic_error("settings store used after it was closed");
}

std::optional<QString> TSettingsStore::ReadStoredText(const QString& section,
                                                      const QString& key) const {
  RequireOpen();
  if (!IsPlainName(section) || !IsPlainName(key)) return std::nullopt;
  for (auto it = FPending.rbegin(); it != FPending.rend(); ++it)
    if (it->Section == section && it->Key == key) return it->Text;
  const std::optional<QByteArrayView> stored = FDocument.Find(section, key);
  if (!stored) return std::nullopt;
  std::optional<QString> text = DecodeStoredText(*stored);
  if (!text)
    throw ESettingsError(
        QCoreApplication::translate("TSettingsStore", "Invalid data type for '%1'").arg(key),
        FFilePath +
            QStringLiteral(": [%1] %2 holds %3, not text").arg(section, key, StoredKind(*stored)));
  return text;
}
QString TSettingsStore::ReadTextValue(const QString& section, const QString& key,
                                      const QString& def) const {
  return ReadStoredText(section, key).value_or(def);
}

std::int32_t TSettingsStore::ReadIntegerValue(const QString& section, const QString& key,
                                              std::int32_t def) const {
  const std::optional<QString> text = ReadStoredText(section, key);
  return text ? StoredTextToInteger(*text, def) : def;
}

bool TSettingsStore::ReadBooleanValue(const QString& section, const QString& key, bool def) const {
  return ReadIntegerValue(section, key, def ? 1 : 0) != 0;
}

void TSettingsStore::WriteTextValue(const QString& section, const QString& key,
                                    const QString& text) {
  RequireOpen();
  const QString rule = QStringLiteral(": a name must not be empty nor hold '/' or '\\'");
  if (!IsPlainName(section))
    throw ESettingsError(
        QCoreApplication::translate("TSettingsStore", "Failed to create key %1").arg(section),
        section + rule);
  if (!IsPlainName(key))
    throw ESettingsError(
        QCoreApplication::translate("TSettingsStore", "Failed to set data for '%1'").arg(key),
        key + rule);
  FPending.push_back({section, key, text});
}

void TSettingsStore::WriteIntegerValue(const QString& section, const QString& key,
                                       std::int32_t value) {
  WriteTextValue(section, key, QString::number(value));
}

void TSettingsStore::WriteBooleanValue(const QString& section, const QString& key, bool value) {
  WriteTextValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TSettingsStore::CloseSettingsStore() {
  RequireOpen();
  struct TReleaseOnExit {
    TSettingsStore& Store;
    ~TReleaseOnExit() { Store.Release(); }
  } release{*this};
  if (!FPending.empty()) Commit();
}

void TSettingsStore::Commit() {
  const QString firstKey = QLatin1Char('\'') + FPending.front().Key + QLatin1Char('\'');
  const QString setFailed =
      QCoreApplication::translate("TSettingsStore", "Failed to set data for %1").arg(firstKey);
  const QString getFailed =
      QCoreApplication::translate("TSettingsStore", "Failed to get data for %1").arg(firstKey);
  const auto failure = [](const QString& message, const TFileProblem& problem) {
    qCWarning(lcSettings, "%s: %s", qUtf8Printable(message), qUtf8Printable(problem.Detail()));
    return ESettingsError(message, problem.Detail());
  };
  const QDeadlineTimer deadline(kSaveWaitMilliseconds);
  const QString folder = QFileInfo(FFilePath).absolutePath();
  if (std::optional<TFileProblem> problem = MakeFolder(folder))
    throw failure(
        QCoreApplication::translate("TSettingsStore", "Failed to create key %1").arg(FKeyName),
        *problem);
  // Through a link the file is replaced where it lies, and the link kept.
  const QString target = SaveTargetPath(FFilePath);
  // Saving would replace settings we could not read.
  const TStoreFile probe = ReadStoreFile(target, false);
  if (probe.Access == TFileAccess::Unreadable) throw failure(getFailed, probe.Problem);
  if (probe.Access == TFileAccess::Readable)
    if (std::optional<TFileProblem> problem = FileWriteProblem(target))
      throw failure(setFailed, *problem);
  TFileReplacement replacement(target);
  if (replacement.Problem()) throw failure(setFailed, *replacement.Problem());

  const QString lockPath = FFilePath + QStringLiteral(".lock");
  // QLockFile guards the removal of a stale lock with a lock of the same kind.
  ClearAbandonedLock(lockPath + QStringLiteral(".rmlock"), deadline);
  ClearAbandonedLock(lockPath, deadline);
  // QSettings would wait for ever: for a lock that is a folder, for a stale one in a
  // read-only folder, for another writer that hangs.
  QLockFile lock(lockPath);
  if (!lock.tryLock(RemainingMilliseconds(deadline)))
    throw failure(setFailed, LockProblem(lock, lockPath, FFilePath));

  // What other copies of the game saved since we read the file, with our writes on top.
  TStoreFile current = ReadStoreFile(target, true);
  if (current.Access == TFileAccess::Unreadable) throw failure(getFailed, current.Problem);
  TIniDocument document = TIniDocument::Parse(std::move(current.Bytes));
  for (const TPendingWrite& write : FPending)
    document.SetText(write.Section, write.Key, write.Text);
  if (std::optional<TFileProblem> problem = replacement.Commit(document.Serialize()))
    throw failure(setFailed, *problem);
  RemoveLeftoverSaves(target);
}

void TSettingsStore::Release() noexcept {
  FDocument = TIniDocument();
  FPending.clear();
  FOpen = false;
}
