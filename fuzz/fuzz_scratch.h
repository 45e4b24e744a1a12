#pragma once
// Scratch files for the targets that go through the file system.

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

// In memory when the machine has /dev/shm: the settings store syncs every save to disk,
// which would make a fuzz run wait on the disk instead of trying inputs.
inline QString ScratchFolderTemplate() {
  const QFileInfo shm(QStringLiteral("/dev/shm"));
  const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
  return base + QStringLiteral("/lumaro-fuzz-XXXXXX");
}
