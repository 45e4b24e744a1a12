// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "program_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramDataFolder() {
  // /proc/self/exe works before a QCoreApplication exists, and through symbolic links.
  QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  if (!programFolder.isEmpty()) {
    programFolder = QFileInfo(programFolder).absolutePath();
  } else if (QCoreApplication::instance() != nullptr) {
    programFolder = QCoreApplication::applicationDirPath();
  }
  return QDir::cleanPath(programFolder + QStringLiteral("/../share/lumaro"));
}
