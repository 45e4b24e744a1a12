// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// What the game reads at start-up and writes at close, and the sound slots, through real
// files and a real engine.

#include "game_settings.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include "file_names.h"
#include "game_engine.h"
#include "settings_store.h"
#include "settings_test_support.h"
#include "sound_slots.h"

namespace {

using settings_test::ConfigFolderTest;

class GameSettingsTest : public ConfigFolderTest {
 protected:
  // Stores raw text values, then starts an engine the way the window does.
  TGameEngine StartWith(const QByteArray& iniText) {
    WriteRaw(iniText);
    Loaded = LoadGameSettings();
    TGameEngine engine;
    StartEngine(engine, Loaded);
    return engine;
  }

  TGameSettings Loaded;
};

const std::array<std::int32_t, kPayLines> kDefaultPayTable = {0, 1, 2, 3, 4, 7, 11, 49, 99};

TEST_F(GameSettingsTest, FirstStartWithoutAFile) {
  const TGameSettings settings = LoadGameSettings();
  EXPECT_EQ(settings, TGameSettings{});
  EXPECT_TRUE(settings.SoundOn);
  for (std::int32_t color :
       {settings.FormColor, settings.PieColor, settings.AmountColor, settings.TotalColor})
    EXPECT_FALSE(IsStoredColor(color));
  TGameEngine engine;
  engine.SetTotal(5);
  StartEngine(engine, settings);
  EXPECT_EQ(engine.Total(), 1000);
  EXPECT_EQ(engine.Bet(), 5);
  EXPECT_EQ(engine.PayTable().H, kDefaultPayTable);
  for (const TSoundSlot& slot : LoadSoundSlots()) EXPECT_EQ(slot, QStringLiteral("Error"));
  EXPECT_TRUE(QFileInfo(FilePath()).isFile());
}

TEST_F(GameSettingsTest, StoredTotalIsRestoredOnlyBetween50And50000) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"50", 1000}, {"51", 51}, {"49999", 49999}, {"50000", 1000}, {"100000", 1000}, {"-5", 1000}};
  for (const auto& [stored, expected] : cases) {
    EXPECT_EQ(StartWith(QByteArray("[Bet]\nTotal=") + stored + "\n").Total(), expected) << stored;
  }
}

TEST_F(GameSettingsTest, StoredBetIsRestoredOnlyBelowTheTotal) {
  EXPECT_EQ(StartWith("[Bet]\nTotal=3000\nAmount=2000\n").Bet(), 1000);
  EXPECT_EQ(StartWith("[Bet]\nTotal=3000\nAmount=45\n").Bet(), 45);
  EXPECT_EQ(StartWith("[Bet]\nTotal=3000\nAmount=0\n").Bet(), 5);
  EXPECT_EQ(StartWith("[Bet]\nTotal=3000\nAmount=-7\n").Bet(), 5);
  EXPECT_EQ(StartWith("[Bet]\nTotal=300\nAmount=300\n").Bet(), 5);
  EXPECT_EQ(StartWith("[Bet]\nAmount=1000\n").Bet(), 5);  // equal to the default total
}

TEST_F(GameSettingsTest, StoredMultipliersReplaceOnlyWithPositiveNumbers) {
  const TGameEngine engine =
      StartWith("[Payouts]\nH1=500\nH2=0\nH3=-4\nH4=0x1F\nH5=\"12 \"\nH6=abc\nH7=$10\nH9=  250\n");
  EXPECT_EQ(engine.PayTable().H,
            (std::array<std::int32_t, kPayLines>{500, 1, 2, 31, 4, 7, 16, 49, 250}));
  EXPECT_EQ(StartWith("[Payouts]\nH1=0\n").PayTable().Line(1), 0);
}

TEST_F(GameSettingsTest, SoundSwitchIsOffOnlyForAStoredZero) {
  const std::pair<const char*, bool> cases[] = {{"0", false},  {"2", true}, {"-1", true},
                                                {"off", true}, {"1", true}, {"$0", false}};
  for (const auto& [stored, on] : cases) {
    StartWith(QByteArray("[Settings]\nSound=") + stored + "\n");
    EXPECT_EQ(Loaded.SoundOn, on) << stored;
  }
}

TEST_F(GameSettingsTest, CloseWritesWhatTheRulesAllowAndKeepsTheRest) {
  WriteRaw(
      "[Bet]\nTotal=4321\n[Settings]\nFormColor=255\nPieColor=65280\n"
      "[Payouts]\nH3=20\n[Sound]\nWAVFILE1=/s/a.wav\n");
  TGameSettings settings;
  settings.FormColor = 0;                                      // black: not saved
  settings.PieColor = static_cast<std::int32_t>(0x8000000Fu);  // system colour: not saved
  settings.AmountColor = 0x00FF8040;
  settings.TotalColor = 1;
  settings.SoundOn = false;
  settings.Payouts = {0, 5, -1, 3, 4, 7, 11, 49, 99};
  settings.BetAmount = 25;
  settings.Total = 50;  // too low: the stored total stays
  SaveGameSettings(settings);

  const TGameSettings loaded = LoadGameSettings();
  EXPECT_EQ(loaded.FormColor, 255);
  EXPECT_EQ(loaded.PieColor, 65280);
  EXPECT_EQ(loaded.AmountColor, 0x00FF8040);
  EXPECT_EQ(loaded.TotalColor, 1);
  EXPECT_FALSE(loaded.SoundOn);
  EXPECT_EQ(loaded.Payouts, (std::array<std::int32_t, kPayLines>{0, 5, 20, 3, 4, 7, 11, 49, 99}));
  EXPECT_EQ(loaded.BetAmount, 25);
  EXPECT_EQ(loaded.Total, 4321);
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("/s/a.wav"));

  // 100000 is written (above 50) but not restored: the next start begins at 1000.
  settings.Total = 100000;
  SaveGameSettings(settings);
  EXPECT_EQ(LoadGameSettings().Total, 100000);
  TGameEngine engine;
  StartEngine(engine, LoadGameSettings());
  EXPECT_EQ(engine.Total(), 1000);
}

TEST_F(GameSettingsTest, CloseAfterPlayRestoresTheSameGame) {
  TGameEngine engine;
  StartEngine(engine, LoadGameSettings());
  engine.SetTotal(2500);
  ASSERT_TRUE(engine.SetBet(40));
  TPayTable table = engine.PayTable();
  table.SetLine(9, 250);
  engine.SetPayTable(table);
  TGameSettings settings;
  CopyEngineValues(engine, settings);
  SaveGameSettings(settings);

  TGameEngine next;
  StartEngine(next, LoadGameSettings());
  EXPECT_EQ(next.Total(), 2500);
  EXPECT_EQ(next.Bet(), 40);
  EXPECT_EQ(next.PayTable(), table);
}

TEST_F(GameSettingsTest, OneValueOfTheWrongTypeCostsOnlyItself) {
  const TGameEngine engine = StartWith(
      "[Bet]\nTotal=7000\nAmount=1,2\n[Payouts]\nH2=@Rect(1 2 3 4)\nH3=9\n"
      "[Settings]\nFormColor=255\n[Sound]\nWAVFILE2=a,b\nWAVFILE3=/ok.wav\n");
  EXPECT_EQ(Loaded.BetAmount, kNotStored);
  EXPECT_EQ(Loaded.Payouts[1], kNotStored);
  EXPECT_EQ(Loaded.FormColor, 255);
  EXPECT_EQ(engine.Total(), 7000);
  EXPECT_EQ(engine.PayTable().Line(3), 9);
  const TSoundSlots soundSlots = LoadSoundSlots();
  EXPECT_EQ(soundSlots[1], QStringLiteral("Error"));
  EXPECT_EQ(soundSlots[2], QStringLiteral("/ok.wav"));
}

TEST_F(GameSettingsTest, AValueClaimingAHugeSizeCountsAsMissingWithoutBeingUnpacked) {
  // QDataStream form, read by QSettings before any type check: a list of 2^31 entries
  // (64 GB), a map and a string list of as many, a byte array of 4 GB.
  StartWith(
      "[Payouts]\nH1=@Variant(\\0\\0\\0\\x9\\x7f\\xff\\xff\\xff)\n"
      "H2=@Variant(\\0\\0\\0\\b\\x7f\\xff\\xff\\xff)\nH3=7\n"
      "[Bet]\nAmount=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\nTotal=3000\n"
      "[Sound]\nWAVFILE1=@Variant(\\0\\0\\0\\f\\xff\\xff\\xff\\xfe)\nWAVFILE2=/ok.wav\n");
  EXPECT_EQ(Loaded.Payouts[0], kNotStored);
  EXPECT_EQ(Loaded.Payouts[1], kNotStored);
  EXPECT_EQ(Loaded.Payouts[2], 7);
  EXPECT_EQ(Loaded.BetAmount, kNotStored);
  EXPECT_EQ(Loaded.Total, 3000);
  const TSoundSlots soundSlots = LoadSoundSlots();
  EXPECT_EQ(soundSlots[0], QStringLiteral("Error"));
  EXPECT_EQ(soundSlots[1], QStringLiteral("/ok.wav"));
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  try {
    store.ReadIntegerValue(QStringLiteral("Payouts"), QStringLiteral("H1"), -1);
    ADD_FAILURE() << "read as a number";
  } catch (const ESettingsError& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'H1'");
  }
  store.CloseSettingsStore();
}

TEST_F(GameSettingsTest, BytesThatAreNotUtf8SurviveASaveAndNameTheirFile) {
  // A sound in a folder named in Latin-1, as old archives and disks leave them.
  const QByteArray folder = QFile::encodeName(Temp.path()) + "/caf\xe9";
  ASSERT_EQ(mkdir(folder.constData(), 0755), 0);
  const QByteArray wav = folder + "/gagn\xe9.wav";
  // QTemporaryDir can't remove names that are not UTF-8.
  struct TRemoveOnExit {
    const QByteArray& File;
    const QByteArray& Folder;
    ~TRemoveOnExit() {
      unlink(File.constData());
      rmdir(Folder.constData());
    }
  } removeOnExit{wav, folder};
  const int fd = open(wav.constData(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  close(fd);
  ASSERT_LE(wav.size(), 80);
  const QByteArray otherProgram = "[Other]\nTitle=Caf\xe9 \"cr\xe8me\"\n";
  WriteRaw(otherProgram + "[Sound]\nWAVFILE1=" + wav + "\nWAVFILE2=\xff\xfe\n");

  const TSoundSlots soundSlots = LoadSoundSlots();
  EXPECT_EQ(LocalBytesFromPath(soundSlots[0]), wav);
  EXPECT_EQ(access(LocalBytesFromPath(soundSlots[0]).constData(), F_OK), 0);
  SaveGameSettings(TGameSettings{});  // the close
  SaveSoundSlot(3, soundSlots[0]);    // the same file chosen for another slot

  const QByteArray raw = ReadRaw();
  EXPECT_TRUE(raw.contains(otherProgram)) << raw.toStdString();
  EXPECT_TRUE(raw.contains("\nWAVFILE1=" + wav + "\nWAVFILE2=\xff\xfe\nWAVFILE3=" + wav + "\n"))
      << raw.toStdString();
  EXPECT_EQ(LocalBytesFromPath(LoadSoundSlots()[2]), wav);
}

TEST_F(GameSettingsTest, SoundPathIsStoredWholeAndTheSlotKeepsItsFirst80Characters) {
  const QString folder = QStringLiteral("/home/player/My Sounds, Mixed=1; \"best\"/");
  const QString longPath =
      folder + QString(120 - folder.size() - 4, QLatin1Char('x')) + QStringLiteral(".wav");
  ASSERT_EQ(longPath.size(), 120);
  SaveSoundSlot(9, longPath);
  SaveSoundSlot(1, QStringLiteral("/a/ünïcode é.wav"));
  SaveSoundSlot(2, QString());

  const TSoundSlots soundSlots = LoadSoundSlots();
  EXPECT_EQ(soundSlots[8], longPath.left(80));
  EXPECT_EQ(soundSlots[0], QStringLiteral("/a/ünïcode é.wav"));
  EXPECT_EQ(soundSlots[1], QString());  // chosen empty: names no file, but isn't "Error"
  EXPECT_EQ(soundSlots[2], QStringLiteral("Error"));
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  EXPECT_EQ(store.ReadTextValue(QStringLiteral("Sound"), QStringLiteral("WAVFILE9"), {}), longPath);
  store.CloseSettingsStore();

  EXPECT_THROW(SaveSoundSlot(0, QStringLiteral("x")), std::out_of_range);
  EXPECT_THROW(SaveSoundSlot(10, QStringLiteral("x")), std::out_of_range);
}

TEST_F(GameSettingsTest, SoundSlotsKeptBetweenReadsFollowTheFile) {
  // Only a file last changed seconds ago is kept between reads.
  WriteRaw("[Sound]\nWAVFILE1=/a.wav\n");
  QThread::msleep(2100);
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("/a.wav"));
  // Rewritten in place at the same size: only its times tell.
  WriteRaw("[Sound]\nWAVFILE1=/b.wav\n");
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("/b.wav"));
}

TEST_F(GameSettingsTest, SlotCutDoesNotSplitALetter) {
  EXPECT_EQ(SoundSlotFromPath(QStringLiteral("short")), QStringLiteral("short"));
  const QString emojiAtTheCut = QString(79, QLatin1Char('a')) + QStringLiteral("😀tail");
  EXPECT_EQ(SoundSlotFromPath(emojiAtTheCut), QString(79, QLatin1Char('a')));
  const QString emojiBeforeTheCut = QString(78, QLatin1Char('a')) + QStringLiteral("😀tail");
  EXPECT_EQ(SoundSlotFromPath(emojiBeforeTheCut), emojiBeforeTheCut.left(80));
}

}  // namespace
