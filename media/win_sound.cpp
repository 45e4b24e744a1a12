#include "win_sound.h"

#include <QFile>
#include <system_error>

#include "media_log.h"
#include "program_data.h"

std::filesystem::path SystemChimePath() {
  return std::filesystem::path(QFile::encodeName(ProgramDataFolder()).toStdString()) / "CHIMES.WAV";
}

bool IsExistingFile(const std::filesystem::path& name) {
  std::error_code error;
  return !name.empty() && std::filesystem::is_regular_file(name, error);
}

std::filesystem::path ChooseWinSoundFile(const std::filesystem::path& wanted,
                                         const std::filesystem::path& chimePath,
                                         const std::filesystem::path& previous) {
  if (IsExistingFile(wanted)) return wanted;
  if (IsExistingFile(kCoinsFileName)) return kCoinsFileName;
  if (IsExistingFile(chimePath)) return chimePath;
  return previous;
}

std::optional<QString> PlayWinSound(const std::filesystem::path& wanted, bool soundOn,
                                    TMediaPlayer& player) {
  const std::filesystem::path file =
      ChooseWinSoundFile(wanted, SystemChimePath(), player.FileName());
  QString errorText;
  if (player.Open(file, errorText)) {
    if (soundOn) player.Play();
    return std::nullopt;
  }
  if (!player.DeviceMissing()) return errorText;
  if (soundOn && !player.DeviceMissingReported()) {
    player.SetDeviceMissingReported();
    return errorText;
  }
  qCWarning(lcMedia) << "no audio device, not reported again:" << errorText;
  return std::nullopt;
}
