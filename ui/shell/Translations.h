// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The game's translations: lumaro_<language>.qm in the translations folder of its data folder,
// found from the program's own place as its help is; with each, Qt's own translation of the
// same language for the texts of its dialogs (buttons, the file and colour choosers).

#include <QString>
#include <QTranslator>

// <data folder>/translations.
QString TranslationsFolder();
// The player's language among those the folder has, by the locale variables (LanguageChoice.h);
// empty for English.
QString PlayersLanguage(const QString& folder = TranslationsFolder());

// A language's translations, installed in the application while this lives; English (an
// empty language) installs nothing. Needs the application made first.
class TInstalledLanguage {
 public:
  explicit TInstalledLanguage(const QString& language,
                              const QString& folder = TranslationsFolder());
  TInstalledLanguage(const TInstalledLanguage&) = delete;
  TInstalledLanguage& operator=(const TInstalledLanguage&) = delete;
  ~TInstalledLanguage();

  // Whether the game's own translation was found and installed.
  bool Installed() const { return FGameInstalled; }

 private:
  QTranslator FGame;
  QTranslator FQt;
  bool FGameInstalled = false;
  bool FQtInstalled = false;
};
