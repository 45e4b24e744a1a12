// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "sound_slots.h"

#include <algorithm>
#include <stdexcept>

#include "settings_log.h"
#include "settings_store.h"
#include "store_file.h"

namespace {

const QString kSoundSection = QStringLiteral("Sound");

QString SlotKey(int slot) {
  return QStringLiteral("WAVFILE%1").arg(slot);
}

// The slots are read at every activation of the window; a large file is read again only
// when it changed.
struct TSlotsRead {
  QString Path;
  TFileStamp Stamp;
  TSoundSlots Slots;
};

std::optional<TSlotsRead>& LastRead() {
  static std::optional<TSlotsRead> last;
  return last;
}

TSoundSlots ReadSoundSlots() {
  TSoundSlots result;
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  for (int slot = 1; slot <= kWinSoundSlots; ++slot) {
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

}  // namespace

TSoundSlot SoundSlotFromPath(const QString& path) {
  qsizetype length = std::min<qsizetype>(path.size(), kSoundSlotMaxLength);
  // Half a surrogate pair would turn the last letter into garbage.
  if (length < path.size() && length > 0 && path[length - 1].isHighSurrogate()) --length;
  return path.left(length);
}

TSoundSlots LoadSoundSlots() {
  const QString path = SettingsFilePath();
  // Taken before the read, so that a change while reading shows next time.
  const std::optional<TFileStamp> stamp = StampOf(path);
  std::optional<TSlotsRead>& last = LastRead();
  if (stamp && last && last->Path == path && last->Stamp == *stamp) return last->Slots;
  TSoundSlots read = ReadSoundSlots();
  if (stamp && IsSettled(*stamp))
    last = TSlotsRead{path, *stamp, read};
  else
    last.reset();
  return read;
}

void SaveSoundSlot(int slot, const QString& path) {
  if (slot < 1 || slot > kWinSoundSlots) throw std::out_of_range("sound slot out of range");
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  store.WriteTextValue(kSoundSection, SlotKey(slot), path);
  store.CloseSettingsStore();
}
