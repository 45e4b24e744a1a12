#include "stored_paytable.h"

#include <QFileInfo>

#include "game_settings.h"
#include "settings_store.h"
#include "stored_values.h"

TStoredPayTable LoadPlayerPayTable() {
  TStoredPayTable stored;
  const QString path = SettingsFilePath();
  if (!QFileInfo::exists(path)) {
    stored.Origin = "game defaults, no " + path.toStdString();
    return stored;
  }
  // The rule the game's start-up applies to the stored multipliers.
  stored.Table = PayTableFromStored(LoadGameSettings().Payouts);
  stored.Origin = path.toStdString();
  return stored;
}
