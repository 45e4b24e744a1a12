// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "stored_paytable.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <sstream>

#include "store_file.h"

namespace {

// Points $XDG_CONFIG_HOME at a private folder for the test's lifetime.
class StoredPayTable : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    FSaved = qgetenv("XDG_CONFIG_HOME");
    FHadSaved = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", FFolder.path().toUtf8());
  }
  void TearDown() override {
    if (FHadSaved)
      qputenv("XDG_CONFIG_HOME", FSaved);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }
  QString IniPath() const { return FFolder.path() + "/Quorvel.ini"; }
  void WriteIni(const QByteArray& text) const {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir FFolder;
  QByteArray FSaved;
  bool FHadSaved = false;
};

TEST_F(StoredPayTable, MissingFileGivesTheDefaultsAndIsNotCreated) {
  const TStoredPayTable stored = LoadPlayerPayTable();
  EXPECT_EQ(stored.Table, TPayTable{});
  EXPECT_NE(stored.Origin.find("game defaults"), std::string::npos);
  EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(StoredPayTable, StoredMultipliersApplyAsAtTheGamesStart) {
  // H2 = 0 and H4 unreadable keep their defaults; H1 = 0 is the default anyway; H5 in hex
  // counts; H9 above the dialog's range is taken unchanged.
  WriteIni(
      "[Payouts]\nH1=0\nH2=0\nH3=4\nH4=abc\nH5=0x6\nH6=-1\nH7=30\nH8=60\nH9=4000\n"
      "[Bet]\nTotal=2000\n");
  const TStoredPayTable stored = LoadPlayerPayTable();
  EXPECT_EQ(stored.Table.H, (std::array<std::int32_t, 9>{0, 1, 4, 3, 6, 7, 30, 60, 4000}));
  EXPECT_EQ(stored.Origin, IniPath().toStdString());
}

TEST_F(StoredPayTable, UnreadableFileGivesTheDefaultsAndSaysWhyAsTheGameDoes) {
  ASSERT_TRUE(QDir().mkpath(IniPath()));
  TStoredPayTable stored = LoadPlayerPayTable();
  EXPECT_EQ(stored.Table, TPayTable{});
  EXPECT_EQ(stored.Origin, "game defaults: " + IniPath().toStdString() +
                               " could not be read: it is a folder, not a file");

  // Too large to be ours: the game refuses it, so its pay table is not the player's.
  ASSERT_TRUE(QDir(IniPath()).removeRecursively());
  WriteIni("[Payouts]\nH1=1\n");
  ASSERT_TRUE(QFile::resize(IniPath(), kMaxStoreBytes + 1));
  stored = LoadPlayerPayTable();
  EXPECT_EQ(stored.Table, TPayTable{});
  EXPECT_EQ(stored.Origin, "game defaults: " + IniPath().toStdString() +
                               " could not be read: it is larger than 64 MB");
}

TEST_F(StoredPayTable, ControlCharactersOfThePathAreNotPrinted) {
  // A folder name with an escape and a newline: each said as '?', found or missing.
  const QString folder = FFolder.path() + QStringLiteral("/a\x1b[2Jb\nc");
  ASSERT_TRUE(QDir().mkpath(folder));
  qputenv("XDG_CONFIG_HOME", folder.toUtf8());
  const std::string shown = FFolder.path().toStdString() + "/a?[2Jb?c/Quorvel.ini";
  EXPECT_EQ(LoadPlayerPayTable().Origin, "game defaults, no " + shown);
  QFile file(folder + QStringLiteral("/Quorvel.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Payouts]\nH1=1\n");
  file.close();
  EXPECT_EQ(LoadPlayerPayTable().Origin, shown);
}

TEST_F(StoredPayTable, CorruptFileGivesTheDefaults) {
  WriteIni(QByteArray("\x00\xff[Payouts\nH1=\x01\x02", 16));
  EXPECT_EQ(LoadPlayerPayTable().Table, TPayTable{});
}

TEST_F(StoredPayTable, CommandLineUsesTheStoredTable) {
  WriteIni("[Payouts]\nH1=1\n");
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunAnalyze({"advise", "2S 3S 4S 5S 6S"}, out, err, LoadPlayerPayTable), kExitOk);
  EXPECT_EQ(out.str().rfind(
                "Pay table H1..H9: 1,1,2,3,4,7,11,49,99 (" + IniPath().toStdString() + ")\n", 0),
            0u);
}

}  // namespace
