// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "win_sound.h"

#include <QCoreApplication>
#include <QDir>
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

QString NoWinSoundText(const std::filesystem::path& chimePath) {
  return QCoreApplication::translate(
             "TMediaPlayer",
             "Couldn't play the win sound: %1 is missing from %2, and there is no %3 in %4")
      .arg(QFile::decodeName(chimePath.filename().c_str()),
           QFile::decodeName(chimePath.parent_path().c_str()), QString::fromLatin1(kCoinsFileName),
           QDir::currentPath());
}

std::optional<QString> PlayWinSound(const std::filesystem::path& wanted, bool soundOn,
                                    TMediaPlayer& player, const std::filesystem::path& chimePath) {
  const std::filesystem::path file = ChooseWinSoundFile(wanted, chimePath, player.FileName());
  QString errorText;
  if (player.Open(file, errorText)) {
    if (soundOn) player.Play();
    return std::nullopt;
  }
  if (player.DeviceMissing()) {
    if (soundOn && !player.DeviceMissingReported()) {
      player.SetDeviceMissingReported();
      return errorText;
    }
    qCWarning(lcMedia) << "no audio device, not reported again:" << errorText;
    return std::nullopt;
  }
  if (IsExistingFile(file)) return errorText;
  // Not one file of the chain is there (a program without its data folder): said once, as
  // it would otherwise greet every win.
  if (!player.SoundMissingReported()) {
    player.SetSoundMissingReported();
    return NoWinSoundText(chimePath);
  }
  qCWarning(lcMedia) << "no win sound file, not reported again:" << errorText;
  return std::nullopt;
}
