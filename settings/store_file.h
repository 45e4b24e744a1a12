// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers

#pragma once
// The settings file on disk: read whole, replaced safely, this program's leftovers cleaned
// up, and for every failure the file it concerns and a reason a player can act on.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// Anything bigger is not a settings file we wrote; reading it whole would only hurt.
inline constexpr qint64 kMaxStoreBytes = 64LL * 1024 * 1024;

struct TFileProblem {
  QString Path;
  QString Reason;  // "the disk is full", "it is a folder, not a file", ...
  // "<path>: <reason>", the second line of the error report.
  QString Detail() const { return Path + QStringLiteral(": ") + Reason; }
};

enum class TFileAccess { Missing, Readable, Unreadable };

struct TStoreFile {
  TFileAccess Access = TFileAccess::Missing;
  QByteArray Bytes;      // when read
  TFileProblem Problem;  // when unreadable
};

// The file at path (links followed): missing, readable (and read, when `read`), or
// unreadable and why. Never blocks on a FIFO nor reads a device.
TStoreFile ReadStoreFile(const QString& path, bool read);

// The same checks without reading, and without a limit on the size: what a reader of
// another kind of file (the hand history) checks before it opens one.
TStoreFile ProbeFile(const QString& path);

// Where a save of path writes: the file its links lead to, which need not exist yet.
QString SaveTargetPath(const QString& path);

// Makes the folder and the ones above it as needed.
std::optional<TFileProblem> MakeFolder(const QString& folder);

// Why no file can be created in the folder, if none can.
std::optional<TFileProblem> FolderWriteProblem(const QString& folder);

// Why an existing file may not be written, if it may not.
std::optional<TFileProblem> FileWriteProblem(const QString& path);

// A new hidden file beside target that replaces it: created first, so that a folder where
// nothing can be created is known before anything else is done; then filled, every byte
// made sure to be on the disk, and renamed over target, whose permissions it takes. Until
// Commit succeeds target stays exactly as it was; an uncommitted new file is removed.
class TFileReplacement {
 public:
  explicit TFileReplacement(QString target);
  ~TFileReplacement();
  TFileReplacement(const TFileReplacement&) = delete;
  TFileReplacement& operator=(const TFileReplacement&) = delete;

  // Why the new file could not be created.
  const std::optional<TFileProblem>& Problem() const { return FProblem; }
  std::optional<TFileProblem> Commit(const QByteArray& bytes);

 private:
  void Discard();

  QString FTarget;
  QString FNewPath;
  int FDescriptor = -1;
  std::optional<TFileProblem> FProblem;
};

// Removes the new files of TFileReplacement for target that a save killed midway left behind,
// once they are a minute old. Nothing else: every other name may be the player's.
void RemoveLeftoverSaves(const QString& target);

// Whether the disk holding path has no room left.
bool IsDiskFull(const QString& path);

// Identifies what a file holds without reading it: a file replaced, rewritten or touched
// gets another stamp. Timestamps are kept with the file system's granularity, so a stamp
// only tells a change reliably once that much time has passed since it was taken
// (IsSettled).
struct TFileStamp {
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  std::int64_t Size = 0;
  std::int64_t ModifiedSeconds = 0;
  std::int64_t ModifiedNanoseconds = 0;
  std::int64_t ChangedSeconds = 0;
  std::int64_t ChangedNanoseconds = 0;

  friend bool operator==(const TFileStamp&, const TFileStamp&) = default;
};

// The stamp of the file at path (links followed); nothing when there is no such file.
std::optional<TFileStamp> StampOf(const QString& path);

// Whether the file last changed long enough ago that a change made now would show in its
// stamp.
bool IsSettled(const TFileStamp& stamp);
