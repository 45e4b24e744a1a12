#include "settings_store.h"

#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <vector>

#include "settings_log.h"

namespace {

// Anything bigger is not a settings file we wrote; reading it whole would only hurt.
constexpr qint64 kMaxStoreBytes = 64LL * 1024 * 1024;

bool IsPlainName(const QString& name) {
  return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
         !name.contains(QChar(0));
}

bool IsUsableKeyName(const QString& name) {
  return IsPlainName(name) && name != QLatin1String(".") && name != QLatin1String("..");
}

enum class TFileAccess { Missing, Readable, Unreadable };

struct TStoreFile {
  TFileAccess Access = TFileAccess::Missing;
  QByteArray Bytes;
  QString Problem;  // why it is unreadable
};

TStoreFile ProbeFile(const QString& path, bool read) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  // A directory, a FIFO or a device would make the reader fail, block or never finish.
  if (!info.isFile()) return {TFileAccess::Unreadable, {}, QStringLiteral("not a regular file")};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {TFileAccess::Unreadable, {}, file.errorString()};
  // The size of what we opened: another file may have been put in its place meanwhile.
  const QString tooLarge = QStringLiteral("larger than 64 MB");
  if (file.size() > kMaxStoreBytes) return {TFileAccess::Unreadable, {}, tooLarge};
  TStoreFile result{TFileAccess::Readable, {}, {}};
  if (!read) return result;
  result.Bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return {TFileAccess::Unreadable, {}, file.errorString()};
  if (result.Bytes.size() > kMaxStoreBytes) return {TFileAccess::Unreadable, {}, tooLarge};
  return result;
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

// A save killed between writing its temporary file and renaming it over the settings file
// leaves "<name>.XXXXXX" (QSaveFile's pattern) beside the file it saves to. One that young
// may be another copy's save in progress.
constexpr qint64 kLeftoverSaveSeconds = 60;

bool IsLeftoverSaveName(const QString& name, const QString& savedName) {
  constexpr qsizetype kRandomLength = 6;
  if (name.size() != savedName.size() + 1 + kRandomLength || !name.startsWith(savedName) ||
      name[savedName.size()] != QLatin1Char('.'))
    return false;
  for (const QChar c : QStringView(name).sliced(savedName.size() + 1)) {
    const char16_t u = c.unicode();
    if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')))
      return false;
  }
  return true;
}

void RemoveLeftoverSaves(const QString& filePath) {
  // The temporary file sits beside the file a link leads to.
  const QFileInfo saved(QFileInfo(filePath).canonicalFilePath());
  if (saved.fileName().isEmpty()) return;
  const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverSaveSeconds);
  QDirIterator entries(saved.absolutePath(),
                       QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
  while (entries.hasNext()) {
    entries.next();
    const QFileInfo entry = entries.fileInfo();
    if (!IsLeftoverSaveName(entry.fileName(), saved.fileName()) || entry.lastModified() > cutoff)
      continue;
    if (!QFile::remove(entry.filePath()))
      qCWarning(lcSettings, "could not remove %s", qUtf8Printable(entry.filePath()));
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

ESettingsError::ESettingsError(const QString& message)
    : std::runtime_error(message.toStdString()) {}

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

  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  // Magnitude of the most negative value; the positive limit is one less.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    if (u < u'0' || u > u'9') return std::nullopt;
    magnitude = magnitude * 10 + (u - u'0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t StoredTextToInteger(QStringView text, std::int32_t def) {
  return ParseStoredInteger(text).value_or(def);
}

TSettingsStore TSettingsStore::OpenSettingsStore(const QString& keyName) {
  if (!IsUsableKeyName(keyName))
    throw ESettingsError(QStringLiteral("Failed to create key ") + keyName);
  return TSettingsStore(keyName, SettingsFolderPath() + QLatin1Char('/') + keyName);
}

TSettingsStore::TSettingsStore(QString keyName, QString filePath)
    : FKeyName(std::move(keyName)), FFilePath(std::move(filePath)) {
  // Created on the first opening; failing here only means the reads give defaults, and
  // the first save reports it.
  const QString folder = QFileInfo(FFilePath).absolutePath();
  if (!QDir().mkpath(folder))
    qCWarning(lcSettings, "could not create %s; using the defaults", qUtf8Printable(folder));
  TStoreFile file = ProbeFile(FFilePath, true);
  if (file.Access == TFileAccess::Missing && !QFileInfo(FFilePath).isSymLink()) {
    QFile created(FFilePath);
    // NewOnly: never truncate a file another copy of the game has just put in place.
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) file = ProbeFile(FFilePath, true);
  }
  if (file.Access == TFileAccess::Unreadable)
    qCWarning(lcSettings, "could not read %s (%s); using the defaults", qUtf8Printable(FFilePath),
              qUtf8Printable(file.Problem));
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
    throw ESettingsError(QStringLiteral("Invalid data type for '") + key + QLatin1Char('\''));
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
  if (!IsPlainName(section))
    throw ESettingsError(QStringLiteral("Failed to create key ") + section);
  if (!IsPlainName(key))
    throw ESettingsError(QStringLiteral("Failed to set data for '") + key + QLatin1Char('\''));
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
  const QString firstKey = FPending.front().Key;
  const auto setFailed = [&] {
    return ESettingsError(QStringLiteral("Failed to set data for '") + firstKey +
                          QLatin1Char('\''));
  };
  const auto getFailed = [&] {
    return ESettingsError(QStringLiteral("Failed to get data for '") + firstKey +
                          QLatin1Char('\''));
  };
  const QDeadlineTimer deadline(kSaveWaitMilliseconds);
  if (!QDir().mkpath(QFileInfo(FFilePath).absolutePath()))
    throw ESettingsError(QStringLiteral("Failed to create key ") + FKeyName);
  // Saving would replace settings we could not read.
  const TStoreFile probe = ProbeFile(FFilePath, false);
  if (probe.Access == TFileAccess::Unreadable) throw getFailed();
  if (probe.Access == TFileAccess::Readable && !QFileInfo(FFilePath).isWritable())
    throw setFailed();

  const QString lockPath = FFilePath + QStringLiteral(".lock");
  // QLockFile guards the removal of a stale lock with a lock of the same kind.
  ClearAbandonedLock(lockPath + QStringLiteral(".rmlock"), deadline);
  ClearAbandonedLock(lockPath, deadline);
  // QSettings would wait for ever: for a lock that is a folder, for a stale one in a
  // read-only folder, for another writer that hangs.
  QLockFile lock(lockPath);
  if (!lock.tryLock(RemainingMilliseconds(deadline))) {
    qCWarning(lcSettings, "could not lock %s (QLockFile error %d)", qUtf8Printable(lockPath),
              static_cast<int>(lock.error()));
    throw setFailed();
  }

  // What other copies of the game saved since we read the file, with our writes on top.
  TStoreFile current = ProbeFile(FFilePath, true);
  if (current.Access == TFileAccess::Unreadable) throw getFailed();
  TIniDocument document = TIniDocument::Parse(std::move(current.Bytes));
  for (const TPendingWrite& write : FPending)
    document.SetText(write.Section, write.Key, write.Text);
  const QByteArray bytes = document.Serialize();
  // A new file renamed over the old one: a save killed at any moment leaves one or the other.
  QSaveFile file(FFilePath);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    qCWarning(lcSettings, "could not save %s: %s", qUtf8Printable(FFilePath),
              qUtf8Printable(file.errorString()));
    throw setFailed();
  }
  RemoveLeftoverSaves(FFilePath);
}

void TSettingsStore::Release() noexcept {
  FDocument = TIniDocument();
  FPending.clear();
  FOpen = false;
}
