#include "advisor_settings.h"

#include "settings_store.h"

namespace {

const QString kAdvisorSection = QStringLiteral("Advisor");
const QString kOpenKey = QStringLiteral("Open");

// A value of a foreign type counts as closed.
bool ReadOpen(const TSettingsStore& store) {
  try {
    return store.ReadBooleanValue(kAdvisorSection, kOpenKey, false);
  } catch (const ESettingsError&) {
    return false;
  }
}

}  // namespace

bool LoadAdvisorOpen() {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  const bool open = ReadOpen(store);
  store.CloseSettingsStore();
  return open;
}

void SaveAdvisorOpen(bool open) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  if (ReadOpen(store) != open) store.WriteBooleanValue(kAdvisorSection, kOpenKey, open);
  store.CloseSettingsStore();
}
