// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "stored_paytable.h"

#include "game_settings.h"
#include "printable_text.h"
#include "settings_store.h"
#include "store_file.h"
#include "stored_values.h"

TStoredPayTable LoadPlayerPayTable() {
  TStoredPayTable stored;
  // The path comes from the environment: shown with its control characters made harmless.
  const std::string path = PrintableText(SettingsFilePath().toStdString());
  // The store's own check, so a file the game would refuse is named with the game's reason.
  const TStoreFile file = ReadStoreFile(SettingsFilePath(), false);
  if (file.Access == TFileAccess::Missing) {
    stored.Origin = "game defaults, no " + path;
    return stored;
  }
  if (file.Access == TFileAccess::Unreadable) {
    stored.Origin = "game defaults: " + PrintableText(file.Problem.Path.toStdString()) +
                    " could not be read: " + PrintableText(file.Problem.Reason.toStdString());
    return stored;
  }
  // The rule the game's start-up applies to the stored multipliers.
  stored.Table = PayTableFromStored(LoadGameSettings().Payouts);
  stored.Origin = path;
  return stored;
}
