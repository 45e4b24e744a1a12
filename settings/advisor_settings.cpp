#include "advisor_settings.h"

#include "settings_store.h"

namespace {

const QString kAdvisorSection = QStringLiteral("Advisor");

struct TAdvisorKey {
  const char* Name;
  bool TAdvisorState::*Value;
};

constexpr TAdvisorKey kAdvisorKeys[] = {
    {"Open", &TAdvisorState::Open},
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

TAdvisorState ReadState(const TSettingsStore& store) {
  TAdvisorState state;
  for (const TAdvisorKey& key : kAdvisorKeys)
    state.*key.Value = ReadFlag(store, key.Name, state.*key.Value);
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
  store.CloseSettingsStore();
}
