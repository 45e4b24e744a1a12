// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "stored_paytable.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "game_settings.h"
#include "settings_store.h"
#include "stored_values.h"

namespace {

// Why the settings file can't be read, or nothing when it can. The store reads such a file
// as empty, so the game starts with its defaults.
std::optional<QString> ReadProblem(const QString& path) {
  if (!QFileInfo(path).isFile()) return QStringLiteral("not a regular file");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString();
  return std::nullopt;
}

}  // namespace

TStoredPayTable LoadPlayerPayTable() {
  TStoredPayTable stored;
  const QString path = SettingsFilePath();
  if (!QFileInfo::exists(path)) {
    stored.Origin = "game defaults, no " + path.toStdString();
    return stored;
  }
  if (const auto problem = ReadProblem(path)) {
    stored.Origin =
        "game defaults: " + path.toStdString() + " could not be read: " + problem->toStdString();
    return stored;
  }
  // The rule the game's start-up applies to the stored multipliers.
  stored.Table = PayTableFromStored(LoadGameSettings().Payouts);
  stored.Origin = path.toStdString();
  return stored;
}
