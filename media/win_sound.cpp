#include "win_sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramDataFolder() {
  QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  if (!programFolder.isEmpty()) {
    programFolder = QFileInfo(programFolder).absolutePath();
  } else if (QCoreApplication::instance() != nullptr) {
    programFolder = QCoreApplication::applicationDirPath();
  }
  return QDir::cleanPath(programFolder + QStringLiteral("/../share/lumaro"));
}

QString SystemChimePath() {
  return ProgramDataFolder() + QStringLiteral("/CHIMES.WAV");
}

bool IsExistingFile(const QString& name) {
  return !name.isEmpty() && QFileInfo(name).isFile();
}

QString ChooseWinSoundFile(const QString& wanted, const QString& chimePath,
                           const QString& previous) {
  if (IsExistingFile(wanted)) return wanted;
  if (IsExistingFile(kCoinsFileName)) return kCoinsFileName;
  if (IsExistingFile(chimePath)) return chimePath;
  return previous;
}

std::optional<QString> PlayWinSound(int slot, const TSoundSlots& soundSlots, bool soundOn,
                                    TMediaPlayer& player) {
  const QString wanted =
      slot >= 1 && slot <= kSoundSlotCount
          ? soundSlots[static_cast<std::size_t>(slot - 1)].left(kSoundSlotMaxLength)
          : QString();
  const QString fileName = ChooseWinSoundFile(wanted, SystemChimePath(), player.FileName());
  QString errorText;
  if (!player.Open(fileName, errorText)) return errorText;
  if (soundOn) player.Play();
  return std::nullopt;
}
