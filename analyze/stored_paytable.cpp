#include "stored_paytable.h"

#include <QFileInfo>

#include "game_settings.h"
#include "settings_store.h"

TStoredPayTable LoadPlayerPayTable() {
  TStoredPayTable stored;
  const QString path = SettingsFilePath();
  if (!QFileInfo::exists(path)) {
    stored.Origin = "game defaults, no " + path.toStdString();
    return stored;
  }
  // The engine's own start-up decides which stored multipliers count.
  TGameEngine engine;
  StartEngine(engine, LoadGameSettings());
  stored.Table = engine.PayTable();
  stored.Origin = path.toStdString();
  return stored;
}
