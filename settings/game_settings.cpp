// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_settings.h"

#include <QString>

#include "settings_log.h"
#include "settings_store.h"

namespace {

QString Text(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A value of a foreign type counts as not stored.
std::int32_t ReadStored(const TSettingsStore& store, TStoredKey key) {
  const TStoredValue& value = kStoredValues[key];
  try {
    return store.ReadIntegerValue(Text(value.Section), Text(value.Key), value.Missing);
  } catch (const ESettingsError& e) {
    qCWarning(lcSettings) << "read as not stored:" << e.Message();
    return value.Missing;
  }
}

// The record's field of an integer value (not skSound, a flag of its own).
template <class Settings>
auto& Field(Settings& settings, TStoredKey key) {
  switch (key) {
    case skFormColor:
      return settings.FormColor;
    case skPieColor:
      return settings.PieColor;
    case skAmountColor:
      return settings.AmountColor;
    case skTotalColor:
      return settings.TotalColor;
    case skAmount:
      return settings.BetAmount;
    case skTotal:
      return settings.Total;
    default:
      return settings.Payouts[static_cast<std::size_t>(key - skH1)];
  }
}

std::int32_t ValueOf(const TGameSettings& settings, TStoredKey key) {
  if (key == skSound) return settings.SoundOn ? 1 : 0;
  return Field(settings, key);
}

}  // namespace

TGameSettings LoadGameSettings() {
  TGameSettings settings;
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  for (int k = 0; k < kStoredKeyCount; ++k) {
    const auto key = static_cast<TStoredKey>(k);
    const std::int32_t value = ReadStored(store, key);
    if (key == skSound)
      settings.SoundOn = value != 0;
    else
      Field(settings, key) = value;
  }
  store.CloseSettingsStore();
  return settings;
}

void SaveGameSettings(const TGameSettings& settings) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  for (const TStoredKey key : kCloseOrder) {
    const std::int32_t value = ValueOf(settings, key);
    if (WrittenAtClose(key, value))
      store.WriteIntegerValue(Text(kStoredValues[key].Section), Text(kStoredValues[key].Key),
                              value);
  }
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
