// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "stored_paytable.h"

#include "game_settings.h"
#include "settings_store.h"
#include "store_file.h"
#include "stored_values.h"

TStoredPayTable LoadPlayerPayTable() {
  TStoredPayTable stored;
  const QString path = SettingsFilePath();
  // The store's own check, so a file the game would refuse is named with the game's reason.
  const TStoreFile file = ReadStoreFile(path, false);
  if (file.Access == TFileAccess::Missing) {
    stored.Origin = "game defaults, no " + path.toStdString();
    return stored;
  }
  if (file.Access == TFileAccess::Unreadable) {
    stored.Origin = "game defaults: " + file.Problem.Path.toStdString() +
                    " could not be read: " + file.Problem.Reason.toStdString();
    return stored;
  }
  // The rule the game's start-up applies to the stored multipliers.
  stored.Table = PayTableFromStored(LoadGameSettings().Payouts);
  stored.Origin = path.toStdString();
  return stored;
}
