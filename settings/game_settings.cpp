#include "game_settings.h"

#include <QString>

#include "settings_log.h"
#include "settings_store.h"

namespace {

const QString kSettingsSection = QStringLiteral("Settings");
const QString kPayoutsSection = QStringLiteral("Payouts");
const QString kBetSection = QStringLiteral("Bet");

QString PayoutKey(std::size_t index) {
  return QStringLiteral("H%1").arg(index + 1);
}

// A value of a foreign type counts as not stored.
std::int32_t ReadInteger(const TSettingsStore& store, const QString& section, const QString& key,
                         std::int32_t def) {
  try {
    return store.ReadIntegerValue(section, key, def);
  } catch (const ESettingsError& error) {
    qCWarning(lcSettings, "%s; counted as not stored", error.what());
    return def;
  }
}

}  // namespace

TGameSettings LoadGameSettings() {
  TGameSettings settings;
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  settings.FormColor =
      ReadInteger(store, kSettingsSection, QStringLiteral("FormColor"), kNotStored);
  settings.PieColor = ReadInteger(store, kSettingsSection, QStringLiteral("PieColor"), kNotStored);
  settings.AmountColor =
      ReadInteger(store, kSettingsSection, QStringLiteral("AmountColor"), kNotStored);
  settings.TotalColor =
      ReadInteger(store, kSettingsSection, QStringLiteral("TotalColor"), kNotStored);
  settings.SoundOn = ReadInteger(store, kSettingsSection, QStringLiteral("Sound"), 1) != 0;
  for (std::size_t i = 0; i < settings.Payouts.size(); ++i)
    settings.Payouts[i] = ReadInteger(store, kPayoutsSection, PayoutKey(i), kNotStored);
  settings.BetAmount = ReadInteger(store, kBetSection, QStringLiteral("Amount"), kNotStored);
  settings.Total = ReadInteger(store, kBetSection, QStringLiteral("Total"), kNotStored);
  store.CloseSettingsStore();
  return settings;
}

void SaveGameSettings(const TGameSettings& settings) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  store.WriteIntegerValue(kBetSection, QStringLiteral("Amount"), settings.BetAmount);
  if (settings.Total > 50)
    store.WriteIntegerValue(kBetSection, QStringLiteral("Total"), settings.Total);
  const std::pair<const char*, std::int32_t> colors[] = {{"FormColor", settings.FormColor},
                                                         {"PieColor", settings.PieColor},
                                                         {"AmountColor", settings.AmountColor},
                                                         {"TotalColor", settings.TotalColor}};
  for (const auto& [key, color] : colors)
    if (IsStoredColor(color)) store.WriteIntegerValue(kSettingsSection, QLatin1String(key), color);
  store.WriteBooleanValue(kSettingsSection, QStringLiteral("Sound"), settings.SoundOn);
  for (std::size_t i = 0; i < settings.Payouts.size(); ++i)
    if (settings.Payouts[i] >= 0)
      store.WriteIntegerValue(kPayoutsSection, PayoutKey(i), settings.Payouts[i]);
  store.CloseSettingsStore();
}

void StartEngine(TGameEngine& engine, const TGameSettings& settings) {
  engine.StartUp(settings.Total, settings.BetAmount, settings.Payouts);
}

void CopyEngineValues(const TGameEngine& engine, TGameSettings& settings) {
  settings.Total = engine.Total();
  settings.BetAmount = engine.Bet();
  settings.Payouts = engine.PayTable().H;
}
