// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The [Games] section through real files, with QSettings reading and writing the other side.

#include "game_choice.h"

#include <gtest/gtest.h>

#include <QSettings>

#include "settings_test_support.h"

namespace {

using settings_test::ConfigFolderTest;
using Table = std::vector<std::int32_t>;

class GameChoiceTest : public ConfigFolderTest {
 protected:
  QSettings Oracle() const { return QSettings(FilePath(), QSettings::IniFormat); }
};

TEST_F(GameChoiceTest, NothingStoredIsNoChoice) {
  EXPECT_EQ(LoadCurrentGameId(), std::nullopt);
  EXPECT_EQ(LoadGameMultipliers("deuces-wild"), std::nullopt);
  WriteRaw("[Payouts]\nH1=3\n");
  EXPECT_EQ(LoadCurrentGameId(), std::nullopt);
}

TEST_F(GameChoiceTest, WhatQSettingsWritesIsRead) {
  {
    QSettings ini = Oracle();
    ini.setValue(QStringLiteral("Games/Current"), QStringLiteral("deuces-wild"));
    ini.setValue(QStringLiteral("Games/deuces-wild"), QStringLiteral("0 1 1 2 4 8 14 24 199 799"));
  }
  EXPECT_EQ(LoadCurrentGameId(), "deuces-wild");
  EXPECT_EQ(LoadGameMultipliers("deuces-wild"), (Table{0, 1, 1, 2, 4, 8, 14, 24, 199, 799}));
}

TEST_F(GameChoiceTest, DamagedEntriesReadAsNotStored) {
  // A comma list is what QSettings makes of a list: of a foreign type for us.
  WriteRaw(
      "[Games]\nCurrent=Deuces Wild\nbonus=0, 1, 2\ndouble-bonus=0 1 x\naces-and-faces=0 -1 2\n"
      "joker-poker=\ndeuces-wild=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
      "triple-double-bonus=0 1 99999999999\n");
  EXPECT_EQ(LoadCurrentGameId(), std::nullopt);
  for (const char* id : {"bonus", "double-bonus", "aces-and-faces", "joker-poker", "deuces-wild",
                         "triple-double-bonus", "../Payouts"})
    EXPECT_EQ(LoadGameMultipliers(id), std::nullopt) << id;
  WriteRaw("[Games]\nCurrent=@Invalid()\n");
  EXPECT_EQ(LoadCurrentGameId(), std::nullopt);
}

TEST_F(GameChoiceTest, ChoosingWritesOnlyWhatChanges) {
  // Today's game chosen by a player who never chose anything: the file stays as it was.
  WriteRaw("[Payouts]\nH1=0\n");
  SaveGameChoice("jacks", {0, 1, 2, 3, 4, 7, 11, 49, 99}, "jacks");
  EXPECT_EQ(ReadRaw(), QByteArray("[Payouts]\nH1=0\n"));

  SaveGameChoice("deuces-wild", {0, 1, 1, 2, 4, 8, 14, 24, 199, 799}, "jacks");
  {
    QSettings ini = Oracle();
    EXPECT_EQ(ini.value(QStringLiteral("Games/Current")).toString(), QStringLiteral("deuces-wild"));
    EXPECT_EQ(ini.value(QStringLiteral("Games/deuces-wild")).toString(),
              QStringLiteral("0 1 1 2 4 8 14 24 199 799"));
    EXPECT_EQ(ini.value(QStringLiteral("Payouts/H1")).toString(), QStringLiteral("0"));
  }
  // Back to today's game: Current says so, its table stays in H1..H9 and the other game's
  // table is kept for the next time it is chosen.
  SaveGameChoice("jacks", {5, 1, 2, 3, 4, 7, 11, 49, 99}, "jacks");
  QSettings ini = Oracle();
  EXPECT_EQ(ini.value(QStringLiteral("Games/Current")).toString(), QStringLiteral("jacks"));
  EXPECT_FALSE(ini.contains(QStringLiteral("Games/jacks")));
  EXPECT_EQ(ini.value(QStringLiteral("Games/deuces-wild")).toString(),
            QStringLiteral("0 1 1 2 4 8 14 24 199 799"));
}

}  // namespace
