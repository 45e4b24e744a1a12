#include "sound_slots.h"

#include <algorithm>
#include <stdexcept>

#include "settings_log.h"
#include "settings_store.h"

namespace {

const QString kSoundSection = QStringLiteral("Sound");

QString SlotKey(int slot) {
  return QStringLiteral("WAVFILE%1").arg(slot);
}

}  // namespace

TSoundSlot SoundSlotFromPath(const QString& path) {
  qsizetype length = std::min<qsizetype>(path.size(), kSoundSlotMaxLength);
  // Half a surrogate pair would turn the last letter into garbage.
  if (length < path.size() && length > 0 && path[length - 1].isHighSurrogate()) --length;
  return path.left(length);
}

TSoundSlots LoadSoundSlots() {
  TSoundSlots result;
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  for (int slot = 1; slot <= kSoundSlotCount; ++slot) {
    QString path;
    try {
      path = store.ReadTextValue(kSoundSection, SlotKey(slot), kNoSoundFile);
    } catch (const ESettingsError& error) {
      // Read at every activation of the window: reporting it would report it forever.
      qCWarning(lcSettings, "%s; sound slot %d counted as not chosen", error.what(), slot);
      path = kNoSoundFile;
    }
    result[static_cast<std::size_t>(slot - 1)] = SoundSlotFromPath(path);
  }
  store.CloseSettingsStore();
  return result;
}

void SaveSoundSlot(int slot, const QString& path) {
  if (slot < 1 || slot > kSoundSlotCount) throw std::out_of_range("sound slot out of range");
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  store.WriteTextValue(kSoundSection, SlotKey(slot), path);
  store.CloseSettingsStore();
}
