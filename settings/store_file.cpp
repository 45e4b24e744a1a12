// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers

#include "store_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <ctime>
#include <utility>

#include "settings_log.h"

namespace {

// What was being done when an error came: "permission denied" means something else for each.
enum class TDoing { Reading, WritingFile, CreatingInFolder };

QString ErrorReason(int error, TDoing doing) {
  switch (error) {
    case EACCES:
    case EPERM:
      if (doing == TDoing::Reading)
        return QCoreApplication::translate("TSettingsStore", "you have no permission to read it");
      if (doing == TDoing::WritingFile)
        return QCoreApplication::translate("TSettingsStore", "the file is read-only");
      return QCoreApplication::translate("TSettingsStore", "the folder is read-only");
    case ENOSPC:
      return QCoreApplication::translate("TSettingsStore", "the disk is full");
    case EDQUOT:
      return QCoreApplication::translate("TSettingsStore", "your disk quota is used up");
    case EFBIG:
      return QCoreApplication::translate("TSettingsStore",
                                         "the file would be larger than the system allows");
    case EROFS:
      return QCoreApplication::translate("TSettingsStore", "the disk is read-only");
    case EIO:
      return QCoreApplication::translate("TSettingsStore",
                                         "the disk reported an input/output error");
    case ENAMETOOLONG:
      return QCoreApplication::translate("TSettingsStore", "its name is too long");
    case ELOOP:
      return QCoreApplication::translate("TSettingsStore", "its links lead round in a circle");
    case EISDIR:
      return QCoreApplication::translate("TSettingsStore", "it is a folder, not a file");
    case ENOTDIR:
      return QCoreApplication::translate("TSettingsStore", "a folder on its path is a file");
    case ENOENT:
      if (doing == TDoing::CreatingInFolder)
        return QCoreApplication::translate("TSettingsStore", "no file can be created in it");
      return QCoreApplication::translate("TSettingsStore", "it does not exist");
    default:
      return qt_error_string(error);
  }
}

QByteArray NativeName(const QString& path) {
  return QFile::encodeName(path);
}

QString FolderOf(const QString& path) {
  return QFileInfo(path).absolutePath();
}

// Closes a descriptor on every path.
class TDescriptor {
 public:
  explicit TDescriptor(int fd) : FFd(fd) {}
  ~TDescriptor() {
    if (FFd >= 0) close(FFd);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return FFd; }
  void Reset(int fd) {
    if (FFd >= 0) close(FFd);
    FFd = fd;
  }

 private:
  int FFd;
};

const QString kTooLarge = QStringLiteral("it is larger than %1 MB").arg(kMaxStoreBytes >> 20);

// "<name>.lumaro-XXXXXX", hidden: a name no person would give a file, so that removing
// leftovers can never take one of theirs.
QString NewFilePrefix(const QString& target) {
  return QLatin1Char('.') + QFileInfo(target).fileName() + QStringLiteral(".lumaro-");
}
constexpr int kNewFileRandomLength = 6;
constexpr char kRandomCharacters[] =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool IsRandomCharacter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// A save killed between creating its new file and renaming it leaves the file behind. One
// younger than this may be another copy's save in progress.
constexpr int kLeftoverSaveSeconds = 60;

// Writes all of bytes, or gives the error.
int WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = write(fd, data, static_cast<std::size_t>(left));
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    left -= written;
  }
  return 0;
}

// So that the rename itself survives a power cut. A file system that can't is no reason to
// fail the save: the rename has happened.
void SyncFolder(const QString& folder) {
  const int fd = open(NativeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 || fsync(fd) != 0)
    qCWarning(lcSettings, "could not sync the folder %s", qUtf8Printable(folder));
  if (fd >= 0) close(fd);
}

}  // namespace

namespace {

// Opens what is at path for reading, without waiting: a FIFO put in its place would otherwise
// wait for a writer. Missing or unreadable, the result says so; readable, it is left to the
// caller, with `info` filled in.
std::optional<TStoreFile> OpenRegularFile(const QString& path, TDescriptor& fd, struct stat& info) {
  const auto unreadable = [&path](QString reason) {
    return TStoreFile{TFileAccess::Unreadable, {}, {path, std::move(reason)}};
  };
  fd.Reset(open(NativeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.Get() < 0) {
    // A folder on the way that is a file: the save reports that folder.
    if (errno == ENOENT || errno == ENOTDIR) return TStoreFile{};
    return unreadable(ErrorReason(errno, TDoing::Reading));
  }
  if (fstat(fd.Get(), &info) != 0) return unreadable(ErrorReason(errno, TDoing::Reading));
  if (S_ISDIR(info.st_mode))
    return unreadable(QCoreApplication::translate("TSettingsStore", "it is a folder, not a file"));
  if (!S_ISREG(info.st_mode))
    return unreadable(QCoreApplication::translate("TSettingsStore", "it is not a regular file"));
  return std::nullopt;
}

}  // namespace

TStoreFile ProbeFile(const QString& path) {
  TDescriptor fd(-1);
  struct stat info {};
  if (std::optional<TStoreFile> problem = OpenRegularFile(path, fd, info)) return *problem;
  return TStoreFile{TFileAccess::Readable, {}, {}};
}

TStoreFile ReadStoreFile(const QString& path, bool read) {
  const auto unreadable = [&path](QString reason) {
    return TStoreFile{TFileAccess::Unreadable, {}, {path, std::move(reason)}};
  };
  TDescriptor fd(-1);
  struct stat info {};
  if (std::optional<TStoreFile> problem = OpenRegularFile(path, fd, info)) return *problem;
  if (info.st_size > kMaxStoreBytes) return unreadable(kTooLarge);
  TStoreFile result{TFileAccess::Readable, {}, {}};
  if (!read) return result;
  // Read at its own size, and a little more: it may grow while we read.
  QByteArray& bytes = result.Bytes;
  bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
  qsizetype got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (got > kMaxStoreBytes) return unreadable(kTooLarge);
      bytes.resize(std::min<qsizetype>(got * 2 + 4096, kMaxStoreBytes + 1));
    }
    const ssize_t n =
        ::read(fd.Get(), bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
    if (n < 0) {
      if (errno == EINTR) continue;
      return unreadable(ErrorReason(errno, TDoing::Reading));
    }
    if (n == 0) break;
    got += n;
  }
  if (got > kMaxStoreBytes) return unreadable(kTooLarge);
  bytes.truncate(got);
  return result;
}

QString SaveTargetPath(const QString& path) {
  QString target = path;
  // As many links as the system itself follows; a circle is reported by the save.
  for (int links = 0; links < 40; ++links) {
    const QFileInfo info(target);
    if (!info.isSymLink()) return target;
    target = info.symLinkTarget();
  }
  return path;
}

std::optional<TFileProblem> MakeFolder(const QString& folder) {
  const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  // Each folder from the top down, so that the one that fails is named.
  for (qsizetype at = 0;;) {
    at = clean.indexOf(QLatin1Char('/'), at + 1);
    const QString part = at < 0 ? clean : clean.left(at);
    const QByteArray name = NativeName(part);
    struct stat info {};
    if (stat(name.constData(), &info) == 0) {
      if (!S_ISDIR(info.st_mode))
        return TFileProblem{
            part, QCoreApplication::translate("TSettingsStore", "it is a file, not a folder")};
    } else if (errno != ENOENT) {
      return TFileProblem{part, ErrorReason(errno, TDoing::Reading)};
    } else if (mkdir(name.constData(), 0777) != 0 && errno != EEXIST) {
      const int error = errno;
      return TFileProblem{error == EACCES || error == EPERM ? FolderOf(part) : part,
                          ErrorReason(error, TDoing::CreatingInFolder)};
    }
    if (at < 0) return std::nullopt;
  }
}

std::optional<TFileProblem> FolderWriteProblem(const QString& folder) {
  if (access(NativeName(folder).constData(), W_OK | X_OK) == 0) return std::nullopt;
  return TFileProblem{folder, ErrorReason(errno, TDoing::CreatingInFolder)};
}

std::optional<TFileProblem> FileWriteProblem(const QString& path) {
  if (access(NativeName(path).constData(), W_OK) == 0) return std::nullopt;
  return TFileProblem{path, ErrorReason(errno, TDoing::WritingFile)};
}

TFileReplacement::TFileReplacement(QString target) : FTarget(std::move(target)) {
  const QString prefix = FolderOf(FTarget) + QLatin1Char('/') + NewFilePrefix(FTarget);
  int error = EEXIST;
  for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
    QString path = prefix;
    for (int i = 0; i < kNewFileRandomLength; ++i)
      path += QLatin1Char(kRandomCharacters[QRandomGenerator::global()->bounded(
          static_cast<int>(sizeof kRandomCharacters - 1))]);
    // The permissions of a new file: the same as any the user makes (umask).
    FDescriptor = open(NativeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (FDescriptor >= 0) {
      FNewPath = path;
      return;
    }
    error = errno;
  }
  const QString folder = FolderOf(FTarget);
  // A link may lead into a folder that is gone.
  if (error == ENOENT && !QFileInfo(folder).isDir())
    FProblem =
        TFileProblem{folder, QCoreApplication::translate("TSettingsStore", "it does not exist")};
  else
    FProblem = TFileProblem{folder, ErrorReason(error, TDoing::CreatingInFolder)};
}

TFileReplacement::~TFileReplacement() {
  Discard();
}

void TFileReplacement::Discard() {
  if (FDescriptor >= 0) close(FDescriptor);
  FDescriptor = -1;
  if (!FNewPath.isEmpty() && unlink(NativeName(FNewPath).constData()) != 0)
    qCWarning(lcSettings, "could not remove %s", qUtf8Printable(FNewPath));
  FNewPath.clear();
}

std::optional<TFileProblem> TFileReplacement::Commit(const QByteArray& bytes) {
  if (FProblem) return FProblem;
  const auto failed = [this](int error) {
    Discard();
    return TFileProblem{FTarget, ErrorReason(error, TDoing::WritingFile)};
  };
  // Unbuffered, and synced: a full disk shows here, before the old file is replaced.
  if (const int error = WriteAll(FDescriptor, bytes)) return failed(error);
  struct stat old {};
  if (stat(NativeName(FTarget).constData(), &old) == 0 &&
      fchmod(FDescriptor, old.st_mode & 07777) != 0)
    qCWarning(lcSettings, "could not give %s the permissions of %s", qUtf8Printable(FNewPath),
              qUtf8Printable(FTarget));
  // A file system that can't sync at all still took every byte without an error.
  if (fsync(FDescriptor) != 0) {
    if (errno != EINVAL && errno != ENOTSUP && errno != ENOSYS) return failed(errno);
    qCWarning(lcSettings, "%s can't be synced", qUtf8Printable(FNewPath));
  }
  const int descriptor = std::exchange(FDescriptor, -1);
  if (close(descriptor) != 0) return failed(errno);
  if (rename(NativeName(FNewPath).constData(), NativeName(FTarget).constData()) != 0)
    return failed(errno);
  FNewPath.clear();
  SyncFolder(FolderOf(FTarget));
  return std::nullopt;
}

void RemoveLeftoverSaves(const QString& target) {
  const QString prefix = NewFilePrefix(target);
  const QDir folder(FolderOf(target));
  const std::time_t cutoff = std::time(nullptr) - kLeftoverSaveSeconds;
  const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    if (name.size() != prefix.size() + kNewFileRandomLength || !name.startsWith(prefix) ||
        !std::all_of(name.begin() + prefix.size(), name.end(), IsRandomCharacter))
      continue;
    const QString path = folder.filePath(name);
    struct stat info {};
    // Only regular files; a link of that name is not ours to follow or remove.
    if (lstat(NativeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_mtime > cutoff)
      continue;
    if (unlink(NativeName(path).constData()) != 0)
      qCWarning(lcSettings, "could not remove %s", qUtf8Printable(path));
  }
}

bool IsDiskFull(const QString& path) {
  struct statvfs disk {};
  return statvfs(NativeName(FolderOf(path)).constData(), &disk) == 0 && disk.f_bavail == 0;
}

std::optional<TFileStamp> StampOf(const QString& path) {
  struct stat info {};
  if (stat(NativeName(path).constData(), &info) != 0) return std::nullopt;
  return TFileStamp{info.st_dev,         info.st_ino,          info.st_size,
                    info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_ctim.tv_sec,
                    info.st_ctim.tv_nsec};
}

bool IsSettled(const TFileStamp& stamp) {
  // File times come from a clock that ticks in milliseconds (seconds on some file
  // systems): a change within the same tick would not show.
  constexpr std::int64_t kSettledNanoseconds = 2'000'000'000;
  constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t last =
      std::max(stamp.ModifiedSeconds * kNanosecondsPerSecond + stamp.ModifiedNanoseconds,
               stamp.ChangedSeconds * kNanosecondsPerSecond + stamp.ChangedNanoseconds);
  return now.tv_sec * kNanosecondsPerSecond + now.tv_nsec - last >= kSettledNanoseconds;
}
