#include "settings_store.h"

#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QVariant>
#include <limits>

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

QString ValuePath(const QString& section, const QString& key) {
  return section + QLatin1Char('/') + key;
}

enum class TFileAccess { Missing, Readable, Unreadable };

TFileAccess ProbeFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return TFileAccess::Missing;
  // A directory, a FIFO or a device would make the reader fail, block or never finish.
  if (!info.isFile() || info.size() > kMaxStoreBytes) return TFileAccess::Unreadable;
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? TFileAccess::Readable : TFileAccess::Unreadable;
}

// Tells a file that was replaced apart from one that wasn't: every save puts a new file in.
struct TFileIdentity {
  bool Exists = false;
  dev_t Device = 0;
  ino_t Inode = 0;
  time_t ModifiedSeconds = 0;
  long ModifiedNanoseconds = 0;
  off_t Size = 0;

  friend bool operator==(const TFileIdentity&, const TFileIdentity&) = default;
};

TFileIdentity IdentifyFile(const QString& path) {
  struct stat status {};
  TFileIdentity identity;
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return identity;
  identity.Exists = true;
  identity.Device = status.st_dev;
  identity.Inode = status.st_ino;
  identity.ModifiedSeconds = status.st_mtim.tv_sec;
  identity.ModifiedNanoseconds = status.st_mtim.tv_nsec;
  identity.Size = status.st_size;
  return identity;
}

// A writer killed between creating its lock file and writing its process id into it leaves
// an empty lock. QLockFile takes that as stale only after 30 s, and QSettings waits that long
// before saving. A live writer fills its lock at once, so one that stays empty is abandoned.
constexpr qint64 kAbandonedLockMilliseconds = 1000;

void ClearAbandonedLock(const QString& lockPath) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    const QFileInfo info(lockPath);
    if (!info.exists() || info.size() != 0) return;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age >= kAbandonedLockMilliseconds || waited.elapsed() >= kAbandonedLockMilliseconds) {
      QFile::remove(lockPath);
      return;
    }
    QThread::msleep(20);
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

QString SettingsFolderPath() {
  const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome)) return QDir::cleanPath(configHome);
  return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config"));
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
  QDir().mkpath(QFileInfo(FFilePath).absolutePath());
  if (ProbeFile(FFilePath) == TFileAccess::Missing && !QFileInfo(FFilePath).isSymLink()) {
    QFile file(FFilePath);
    // NewOnly: never truncate a file another copy of the game has just put in place.
    (void)file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
  }
  if (ProbeFile(FFilePath) == TFileAccess::Readable)
    FSettings = std::make_unique<QSettings>(FFilePath, QSettings::IniFormat);
}

TSettingsStore::TSettingsStore(TSettingsStore&& other) noexcept
    : FKeyName(std::move(other.FKeyName)),
      FFilePath(std::move(other.FFilePath)),
      FSettings(std::move(other.FSettings)),
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
  const QString path = ValuePath(section, key);
  for (auto it = FPending.rbegin(); it != FPending.rend(); ++it)
    if (it->Path == path) return it->Text;
  if (!FSettings || !FSettings->contains(path)) return std::nullopt;
  const QVariant value = FSettings->value(path);
  if (value.typeId() != QMetaType::QString)
    throw ESettingsError(QStringLiteral("Invalid data type for '") + key + QLatin1Char('\''));
  return value.toString();
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
  FPending.push_back({ValuePath(section, key), key, text});
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
  if (!QDir().mkpath(QFileInfo(FFilePath).absolutePath()))
    throw ESettingsError(QStringLiteral("Failed to create key ") + FKeyName);
  // QSettings would refuse too, but say why: the file holds settings we could not read.
  if (ProbeFile(FFilePath) == TFileAccess::Unreadable)
    throw ESettingsError(QStringLiteral("Failed to get data for '") + firstKey + QLatin1Char('\''));
  if (!FSettings) FSettings = std::make_unique<QSettings>(FFilePath, QSettings::IniFormat);

  // QLockFile clears its own stale-lock guard the same way it clears the lock.
  ClearAbandonedLock(FFilePath + QStringLiteral(".lock.rmlock"));
  ClearAbandonedLock(FFilePath + QStringLiteral(".lock"));

  const TFileIdentity before = IdentifyFile(FFilePath);
  for (const TPendingWrite& write : FPending) FSettings->setValue(write.Path, write.Text);
  // Writes a new file and renames it over the old one, under a lock file, after merging
  // in what other copies of the game saved since we read it.
  FSettings->sync();
  bool saved = FSettings->status() == QSettings::NoError;
  if (FSettings->status() == QSettings::FormatError) {
    // The status keeps its first error: a corrupt file read earlier hides whether this
    // save failed. A successful save always leaves a different file behind.
    const TFileIdentity after = IdentifyFile(FFilePath);
    saved = after.Exists && after != before;
  }
  if (!saved)
    throw ESettingsError(QStringLiteral("Failed to set data for '") + firstKey + QLatin1Char('\''));
}

void TSettingsStore::Release() noexcept {
  FSettings.reset();
  FPending.clear();
  FOpen = false;
}
