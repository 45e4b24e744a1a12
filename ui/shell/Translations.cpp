// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include "LanguageChoice.h"
#include "program_data.h"

namespace {

QString GameFile(const QString& folder, const QString& language) {
  return QDir(folder).filePath(QStringLiteral("lumaro_%1.qm").arg(language));
}

}  // namespace

QString TranslationsFolder() {
  return QDir(ProgramDataFolder()).filePath(QStringLiteral("translations"));
}

QString PlayersLanguage(const QString& folder) {
  const std::string language = ChosenLanguage(
      [](const char* variable) { return qEnvironmentVariable(variable).toStdString(); },
      [&folder](const std::string& name) {
        return QFileInfo(GameFile(folder, QString::fromStdString(name))).isFile();
      });
  return QString::fromStdString(language);
}

TInstalledLanguage::TInstalledLanguage(const QString& language, const QString& folder) {
  if (language.isEmpty()) return;
  // A damaged or missing file leaves the texts in English; the game plays on.
  FGameInstalled =
      FGame.load(GameFile(folder, language)) && QCoreApplication::installTranslator(&FGame);
  if (!FGameInstalled) return;
  FQtInstalled = FQt.load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&FQt);
}

TInstalledLanguage::~TInstalledLanguage() {
  if (FQtInstalled) QCoreApplication::removeTranslator(&FQt);
  if (FGameInstalled) QCoreApplication::removeTranslator(&FGame);
}
