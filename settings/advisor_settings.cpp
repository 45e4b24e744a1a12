// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "advisor_settings.h"

#include <QRegularExpression>
#include <QStringList>

#include "settings_store.h"

namespace {

const QString kAdvisorSection = QStringLiteral("Advisor");
const QString kReturnKey = QStringLiteral("Return");
const QString kReturnTableKey = QStringLiteral("ReturnTable");

struct TAdvisorKey {
  const char* Name;
  bool TAdvisorState::*Value;
};

constexpr TAdvisorKey kAdvisorKeys[] = {
    {"Open", &TAdvisorState::Open},
    {"Docked", &TAdvisorState::Docked},
    {"Practice", &TAdvisorState::Practice},
    {"WarnBeforeDraw", &TAdvisorState::WarnBeforeDraw},
};

// A value of a foreign type counts as the default.
bool ReadFlag(const TSettingsStore& store, const char* key, bool def) {
  try {
    return store.ReadBooleanValue(kAdvisorSection, QString::fromLatin1(key), def);
  } catch (const ESettingsError&) {
    return def;
  }
}

QString ReadText(const TSettingsStore& store, const QString& key) {
  try {
    return store.ReadTextValue(kAdvisorSection, key, QString());
  } catch (const ESettingsError&) {
    return {};
  }
}

QString TableText(const TPayTable& table) {
  QStringList lines;
  for (const std::int32_t line : table.H) lines << QString::number(line);
  return lines.join(QLatin1Char(' '));
}

std::optional<TKnownReturn> ReadReturn(const TSettingsStore& store) {
  static const QRegularExpression percent(QStringLiteral("^[0-9]{1,6}\\.[0-9]{2}$"));
  const QString text = ReadText(store, kReturnKey);
  const QStringList lines = ReadText(store, kReturnTableKey).split(QLatin1Char(' '));
  if (!percent.match(text).hasMatch() || lines.size() != kPayLines) return std::nullopt;
  TKnownReturn known;
  for (int k = 0; k < kPayLines; ++k) {
    bool ok = false;
    known.Table.H[static_cast<std::size_t>(k)] = lines[k].toInt(&ok);
    if (!ok || known.Table.H[static_cast<std::size_t>(k)] < 0) return std::nullopt;
  }
  known.Percent = text.toStdString();
  return known;
}

TAdvisorState ReadState(const TSettingsStore& store) {
  TAdvisorState state;
  for (const TAdvisorKey& key : kAdvisorKeys)
    state.*key.Value = ReadFlag(store, key.Name, state.*key.Value);
  state.Return = ReadReturn(store);
  return state;
}

}  // namespace

TAdvisorState LoadAdvisorState() {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  const TAdvisorState state = ReadState(store);
  store.CloseSettingsStore();
  return state;
}

void SaveAdvisorState(const TAdvisorState& state) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  const TAdvisorState stored = ReadState(store);
  for (const TAdvisorKey& key : kAdvisorKeys)
    if (stored.*key.Value != state.*key.Value)
      store.WriteBooleanValue(kAdvisorSection, QString::fromLatin1(key.Name), state.*key.Value);
  // A return is never taken back: one the advisor did not count keeps the stored one.
  if (state.Return && stored.Return != state.Return) {
    store.WriteTextValue(kAdvisorSection, kReturnKey,
                         QString::fromStdString(state.Return->Percent));
    store.WriteTextValue(kAdvisorSection, kReturnTableKey, TableText(state.Return->Table));
  }
  store.CloseSettingsStore();
}
