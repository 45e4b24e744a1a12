// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The settings file is the game's only persistent data: saves are atomic, two copies of the
// game don't undo each other, and no bad file or folder crashes the game or loses the file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <functional>
#include <iostream>
#include <thread>

#include "advisor_settings.h"
#include "game_settings.h"
#include "settings_store.h"
#include "settings_test_support.h"
#include "sound_slots.h"

namespace {

using settings_test::ConfigFolderTest;

struct TWriterResult {
  int ExitCode = -1;
  QString Output;
};

TWriterResult RunWriter(const QStringList& arguments) {
  QProcess writer;
  writer.start(QStringLiteral(SETTINGS_WRITER_PATH), arguments);
  EXPECT_TRUE(writer.waitForFinished(30000)) << arguments.join(' ').toStdString();
  return {writer.exitCode(), QString::fromUtf8(writer.readAllStandardOutput())};
}

class ReliabilityTest : public ConfigFolderTest {
 protected:
  // As root, permissions stop nothing; the helper then gives up root before it starts.
  TWriterResult RunRestrictedWriter(QStringList arguments) {
    arguments.prepend(QStringLiteral("--as-nobody"));
    // The private folder must be reachable for the unprivileged writer.
    chmod(QFile::encodeName(Temp.path()).constData(), 0755);
    return RunWriter(arguments);
  }

  QStringList LeftoverFiles() const {
    return QDir(ConfigFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
  // The new files of saves that did not finish.
  QStringList NewFilesLeft() const {
    return LeftoverFiles().filter(
        QRegularExpression(QStringLiteral("^\\.Quorvel\\.ini\\.lumaro-")));
  }

  // What the writer prints for a save that failed.
  static QString Failed(const QString& message, const QString& file, const QString& reason) {
    return QStringLiteral("error: ") + message + QStringLiteral("\ndetail: ") + file +
           QStringLiteral(": ") + reason + QLatin1Char('\n');
  }
};

// The message and the detail of the error an action throws.
QString ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ESettingsError& error) {
    return error.Message() + QLatin1Char('\n') + error.Detail();
  }
  return QStringLiteral("(no error)");
}

TEST_F(ReliabilityTest, SaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  {
    TSettingsStore store = TSettingsStore::OpenSettingsStore();
    settings_test::WriteGeneration(store, 0);
    store.CloseSettingsStore();
  }
  ASSERT_EQ(settings_test::GenerationInFile(ReadRaw()), 0);

  // How long a fresh writer takes to its first save: kills are spread around that, so
  // they hit start-up, the first save and later saves alike (and adapt to sanitizer builds).
  QElapsedTimer clock;
  clock.start();
  QProcess probe;
  probe.start(QStringLiteral(SETTINGS_WRITER_PATH), {QStringLiteral("loop"), QStringLiteral("1")});
  ASSERT_TRUE(probe.waitForStarted(10000));
  while (settings_test::GenerationInFile(ReadRaw()).value_or(0) == 0 && clock.elapsed() < 20000)
    QThread::usleep(500);
  const int firstSaveMicroseconds = static_cast<int>(clock.nsecsElapsed() / 1000);
  probe.kill();
  ASSERT_TRUE(probe.waitForFinished(10000));

  int last = settings_test::GenerationInFile(ReadRaw()).value_or(-1);
  ASSERT_GE(last, 1);
  int kills = 0;
  int killsAfterProgress = 0;
  int longestWait = firstSaveMicroseconds * 2 + 30000;
  clock.restart();
  while (kills < 60 && (kills < 15 || killsAfterProgress < 5 || clock.elapsed() < 2500) &&
         clock.elapsed() < 20000) {
    QProcess writer;
    writer.start(QStringLiteral(SETTINGS_WRITER_PATH),
                 {QStringLiteral("loop"), QString::number(last + 1)});
    ASSERT_TRUE(writer.waitForStarted(10000));
    QThread::usleep(QRandomGenerator::global()->bounded(longestWait / 4, longestWait));
    writer.kill();  // SIGKILL
    ASSERT_TRUE(writer.waitForFinished(10000));
    ++kills;

    const std::optional<int> generation = settings_test::GenerationInFile(ReadRaw());
    ASSERT_TRUE(generation.has_value())
        << "kill " << kills << " left an incomplete or mixed file:\n"
        << ReadRaw().left(400).toStdString();
    ASSERT_GE(*generation, last) << "an older file came back";
    if (*generation > last)
      ++killsAfterProgress;
    else  // a slow machine: give the writers more time
      longestWait = std::min(longestWait * 5 / 4, 2000000);
    last = *generation;
  }
  EXPECT_GE(killsAfterProgress, 5) << "the writers hardly ever got to save";

  // Whatever lock a killed writer left must not hold up the next save.
  QElapsedTimer nextSave;
  nextSave.start();
  QProcess writer;
  writer.start(QStringLiteral(SETTINGS_WRITER_PATH),
               {QStringLiteral("loop"), QString::number(last + 1)});
  ASSERT_TRUE(writer.waitForStarted(10000));
  while (settings_test::GenerationInFile(ReadRaw()).value_or(last) <= last &&
         nextSave.elapsed() < 10000)
    QThread::usleep(500);
  writer.kill();
  ASSERT_TRUE(writer.waitForFinished(10000));
  EXPECT_GT(settings_test::GenerationInFile(ReadRaw()).value_or(last), last)
      << "no save for 10 s after the kills";

  const QStringList leftovers = LeftoverFiles();
  std::cout << "[ figures  ] first save after " << firstSaveMicroseconds / 1000 << " ms; " << kills
            << " kills in " << clock.elapsed() << " ms (waits up to " << longestWait / 1000
            << " ms), " << last << " saves, every file whole; " << killsAfterProgress
            << " kills came after at least one save; files left in the folder: "
            << leftovers.join(QStringLiteral(", ")).toStdString() << "\n";
}

TEST_F(ReliabilityTest, AnEmptyLockLeftByAKilledWriterDoesNotHoldUpTheSave) {
  // A writer killed right after creating its lock file leaves it empty; Qt alone would
  // wait 30 s for it to go stale.
  const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-5);
  for (const char* suffix : {".lock", ".lock.rmlock"}) {
    QFile lock(FilePath() + QLatin1String(suffix));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.setFileTime(longAgo, QFileDevice::FileModificationTime));
  }
  QElapsedTimer clock;
  clock.start();
  SaveSoundSlot(1, QStringLiteral("/a.wav"));
  EXPECT_LT(clock.elapsed(), 10000);
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("/a.wav"));

  // A lock with a live writer's id in it is respected: this process holds it for a moment.
  QLockFile held(FilePath() + QStringLiteral(".lock"));
  ASSERT_TRUE(held.tryLock(0));
  std::thread release([&held] {
    QThread::msleep(300);
    held.unlock();
  });
  clock.restart();
  SaveSoundSlot(1, QStringLiteral("/b.wav"));
  release.join();
  EXPECT_GE(clock.elapsed(), 250);
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("/b.wav"));
}

TEST_F(ReliabilityTest, TwoCopiesClosingOneAfterTheOtherKeepEachOthersValues) {
  SaveSoundSlot(5, QStringLiteral("/mine.wav"));
  // This copy starts and reads its settings...
  TGameSettings mine = LoadGameSettings();
  // ...another copy picks a sound, changes its colour and closes first...
  ASSERT_EQ(
      RunWriter({QStringLiteral("slot"), QStringLiteral("3"), QStringLiteral("/other, 3.wav")})
          .Output,
      QStringLiteral("saved\n"));
  const TWriterResult other =
      RunWriter({QStringLiteral("close"), QStringLiteral("2222"), QStringLiteral("255")});
  ASSERT_EQ(other.Output, QStringLiteral("loaded -1 -1 1\nsaved\n"));
  // ...then this one closes.
  mine.Total = 3333;
  mine.BetAmount = 10;
  SaveGameSettings(mine);

  const TGameSettings after = LoadGameSettings();
  EXPECT_EQ(after.Total, 3333);  // the last close wins where both wrote
  EXPECT_EQ(after.BetAmount, 10);
  EXPECT_EQ(after.FormColor, 255);  // only the other copy wrote it
  const TSoundSlots soundSlots = LoadSoundSlots();
  EXPECT_EQ(soundSlots[2], QStringLiteral("/other, 3.wav"));
  EXPECT_EQ(soundSlots[4], QStringLiteral("/mine.wav"));
}

// Stored into the lock file, QLockFile's own format: process id, program, host.
QByteArray LockOfAFinishedProcess() {
  // Above the kernel's largest process id, so no process can have it.
  return "4194305\nlumaro\n\n";
}

TEST_F(ReliabilityTest, ALockThatCanNotBeTakenFailsTheSaveWithinSeconds) {
  const QByteArray stored = "[Bet]\nTotal=4000\n";
  WriteRaw(stored);
  const QString lockPath = FilePath() + QStringLiteral(".lock");
  // About two seconds each; QSettings waited for ever, or 32 s for the garbage.
  const auto expectFailedSave = [&](const std::function<void()>& save, const QString& error) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ErrorOf(save), error);
    EXPECT_LT(clock.elapsed(), 12000);
    EXPECT_EQ(ReadRaw(), stored);
    EXPECT_EQ(NewFilesLeft(), QStringList());
  };
  {
    SCOPED_TRACE("a folder named like the lock");
    ASSERT_TRUE(QDir().mkpath(lockPath));
    expectFailedSave([] { SaveGameSettings(TGameSettings{}); },
                     QStringLiteral("Failed to set data for 'Amount'\n") + lockPath +
                         QStringLiteral(": it is a folder, not a file"));
    ASSERT_TRUE(QDir().rmdir(lockPath));
  }
  {
    SCOPED_TRACE("garbage in a fresh lock");
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("not a lock at all\n");
    lock.close();
    expectFailedSave([] { SaveSoundSlot(2, QStringLiteral("/b.wav")); },
                     QStringLiteral("Failed to set data for 'WAVFILE2'\n") + lockPath +
                         QStringLiteral(": it is not a lock this program can read, and it "
                                        "stayed for 2 s"));
    ASSERT_TRUE(QFile::remove(lockPath));
  }
  {
    SCOPED_TRACE("another program saving all the while");
    QLockFile held(lockPath);
    ASSERT_TRUE(held.tryLock(0));
    expectFailedSave([] { SaveAdvisorState({.Open = true, .Return = std::nullopt}); },
                     QStringLiteral("Failed to set data for 'Open'\n") + FilePath() +
                         QStringLiteral(": another program (settings_tests) is saving (lock "
                                        "held for 2 s)"));
  }
  {
    SCOPED_TRACE("the stale lock of a finished process, in a folder nobody may write");
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(LockOfAFinishedProcess());
    lock.close();
    // The file itself writable, so that only the lock stands in the way.
    chmod(QFile::encodeName(FilePath()).constData(), 0666);
    chmod(QFile::encodeName(ConfigFolder).constData(), 0555);
    QElapsedTimer clock;
    clock.start();
    const TWriterResult result =
        RunRestrictedWriter({QStringLiteral("close"), QStringLiteral("3000"), QStringLiteral("0")});
    chmod(QFile::encodeName(ConfigFolder).constData(), 0755);
    if (result.ExitCode == 3) GTEST_SKIP() << "could not give up root to test permissions";
    // The folder is what stands in the way first.
    EXPECT_EQ(result.Output, QStringLiteral("loaded 4000 -1 1\n") +
                                 Failed(QStringLiteral("Failed to set data for 'Amount'"),
                                        ConfigFolder, QStringLiteral("the folder is read-only")));
    EXPECT_LT(clock.elapsed(), 12000);
    EXPECT_EQ(ReadRaw(), stored);
  }
}

TEST_F(ReliabilityTest, OnlyOurOwnLeftoversOfKilledSavesAreRemovedOnceAMinuteOld) {
  const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-300);
  const auto makeFile = [&](const QString& path, bool old) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("[Bet]\nTotal=1\n");
    ASSERT_TRUE(file.flush());  // or the close would make it new again
    if (old) {
      ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
  };
  // The player's own copies, named as a person would; ours are hidden and say whose they are.
  const QStringList players = {
      QStringLiteral("Quorvel.ini.backup"), QStringLiteral("Quorvel.ini.before"),
      QStringLiteral("Quorvel.ini.orig12"), QStringLiteral("Quorvel.ini.bak")};
  const QString ours = QStringLiteral(".Quorvel.ini.lumaro-a1B2c3");
  const QString oursFresh = QStringLiteral(".Quorvel.ini.lumaro-Fresh1");  // a save in progress
  // Saved here directly, and through a link to a file kept in another folder.
  const QString dotfiles = Temp.path() + QStringLiteral("/dotfiles");
  ASSERT_TRUE(QDir().mkpath(dotfiles));
  for (const QString& folder : {ConfigFolder, dotfiles}) {
    for (const QString& name : players) makeFile(folder + QLatin1Char('/') + name, true);
    makeFile(folder + QLatin1Char('/') + ours, true);
    makeFile(folder + QLatin1Char('/') + oursFresh, false);
  }
  // Named like ours but a link: not ours to follow or remove.
  const QString linkedAway = dotfiles + QStringLiteral("/elsewhere.txt");
  makeFile(linkedAway, true);
  ASSERT_TRUE(
      QFile::link(linkedAway, ConfigFolder + QStringLiteral("/.Quorvel.ini.lumaro-Link12")));

  SaveSoundSlot(1, QStringLiteral("/a.wav"));
  const auto sorted = [](QStringList names) {
    names.sort();
    return names;
  };
  EXPECT_EQ(sorted(LeftoverFiles()),
            sorted(players + QStringList{QStringLiteral(".Quorvel.ini.lumaro-Link12"), oursFresh,
                                         QStringLiteral("Quorvel.ini")}));
  EXPECT_TRUE(QFile::exists(linkedAway));

  ASSERT_TRUE(QFile::remove(FilePath()));
  ASSERT_TRUE(QFile::link(dotfiles + QStringLiteral("/Quorvel.ini"), FilePath()));
  SaveSoundSlot(2, QStringLiteral("/b.wav"));
  EXPECT_EQ(sorted(QDir(dotfiles).entryList(QDir::Files | QDir::Hidden)),
            sorted(players + QStringList{oursFresh, QStringLiteral("Quorvel.ini"),
                                         QStringLiteral("elsewhere.txt")}));
  EXPECT_EQ(LoadSoundSlots()[1], QStringLiteral("/b.wav"));
}

struct TCorruptCase {
  const char* Name;
  QByteArray Bytes;
};

QByteArray BinaryGarbage(int size) {
  QByteArray bytes(size, '\0');
  QRandomGenerator random(12345);
  for (char& c : bytes) c = static_cast<char>(random.bounded(256));
  return bytes;
}

QByteArray TenMegabytes() {
  QByteArray bytes = "[Bet]\nTotal=777\n[Noise]\n";
  const QByteArray line = "k=" + QByteArray(98, 'v') + "\n";
  while (bytes.size() < 10 * 1024 * 1024) bytes += line;
  return bytes;
}

TEST_F(ReliabilityTest, CorruptFilesGiveDefaultsAndAreRepairedByTheNextSave) {
  const TCorruptCase cases[] = {
      {"binary garbage", BinaryGarbage(4096)},
      {"ten megabytes", TenMegabytes()},
      {"lines without =", "[Bet]\nTotal\nAmount=20\njust some words\n"},
      {"duplicate sections", "[Bet]\nTotal=100\n[Settings]\nSound=0\n[Bet]\nTotal=200\n"},
      {"invalid UTF-8", "[Bet]\nTotal=1\xff\xfe\nAmount=25\n[So\xc3und]\nWAVFILE1=a\xe9.wav\n"},
      {"unclosed section", "[Bet\nTotal=100\n[Settings]\nSound=0\n"},
      {"NUL bytes", QByteArray("[Bet]\nTotal=1\0\0x\nAmount=30\n", 26)},
  };
  int index = 0;
  for (const TCorruptCase& c : cases) {
    SCOPED_TRACE(c.Name);
    // A folder each: a rewrite of the same size within a millisecond could look unchanged.
    UseConfigFolder(Temp.path() + QStringLiteral("/corrupt%1").arg(index++));
    QDir().mkpath(ConfigFolder);
    WriteRaw(c.Bytes);

    const TGameSettings loaded = LoadGameSettings();
    TGameEngine engine;
    StartEngine(engine, loaded);
    EXPECT_TRUE(engine.Total() == 1000 || engine.Total() == loaded.Total) << engine.Total();
    EXPECT_EQ(LoadSoundSlots().size(), 9u);

    TGameSettings settings = loaded;
    settings.Total = 4444;
    settings.BetAmount = 15;
    SaveGameSettings(settings);
    const TGameSettings reloaded = LoadGameSettings();
    EXPECT_EQ(reloaded.Total, 4444);
    EXPECT_EQ(reloaded.BetAmount, 15);
  }
  // Readable values of a damaged file are used, not thrown away.
  UseConfigFolder(Temp.path() + QStringLiteral("/partial"));
  QDir().mkpath(ConfigFolder);
  WriteRaw("[Bet\nTotal=100\n[Settings]\nSound=0\nFormColor=255\n");
  const TGameSettings partial = LoadGameSettings();
  EXPECT_FALSE(partial.SoundOn);
  EXPECT_EQ(partial.FormColor, 255);
}

TEST_F(ReliabilityTest, AFolderThatCannotBeMadeGivesDefaultsAndASaveError) {
  QFile blocker(Temp.path() + QStringLiteral("/file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  UseConfigFolder(Temp.path() + QStringLiteral("/file/config"));

  EXPECT_EQ(LoadGameSettings(), TGameSettings{});
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("Error"));
  EXPECT_EQ(ErrorOf([] { SaveGameSettings(TGameSettings{}); }),
            QStringLiteral("Failed to create key Quorvel.ini\n") + blocker.fileName() +
                QStringLiteral(": it is a file, not a folder"));
}

TEST_F(ReliabilityTest, AFolderNobodyMayWriteGivesDefaultsAndASaveError) {
  // Even root can't create files in /proc/self.
  UseConfigFolder(QStringLiteral("/proc/self"));
  EXPECT_EQ(LoadGameSettings(), TGameSettings{});
  EXPECT_EQ(ErrorOf([] { SaveSoundSlot(4, QStringLiteral("/x.wav")); }),
            QStringLiteral("Failed to set data for 'WAVFILE4'\n/proc/self: no file can be "
                           "created in it"));
}

TEST_F(ReliabilityTest, AReadOnlyFolderOrFileIsKeptAndTheSaveFails) {
  const QByteArray stored = "[Bet]\nTotal=4000\nAmount=20\n[Sound]\nWAVFILE1=/keep.wav\n";
  // Folder, file: the file is root's, so "writable" is writable for all.
  const std::pair<mode_t, mode_t> cases[] = {{0555, 0666}, {0777, 0444}};
  for (const auto& [folderMode, fileMode] : cases) {
    SCOPED_TRACE(folderMode == 0555 ? "read-only folder" : "read-only file");
    WriteRaw(stored);
    chmod(QFile::encodeName(FilePath()).constData(), fileMode);
    chmod(QFile::encodeName(ConfigFolder).constData(), folderMode);
    const TWriterResult result =
        RunRestrictedWriter({QStringLiteral("close"), QStringLiteral("3000"), QStringLiteral("0")});
    const TWriterResult slot = RunRestrictedWriter(
        {QStringLiteral("slot"), QStringLiteral("1"), QStringLiteral("/new.wav")});
    chmod(QFile::encodeName(ConfigFolder).constData(), 0755);
    chmod(QFile::encodeName(FilePath()).constData(), 0644);
    if (result.ExitCode == 3) GTEST_SKIP() << "could not give up root to test permissions";
    const auto [file, reason] =
        folderMode == 0555 ? std::pair(ConfigFolder, QStringLiteral("the folder is read-only"))
                           : std::pair(FilePath(), QStringLiteral("the file is read-only"));
    EXPECT_EQ(result.Output,
              QStringLiteral("loaded 4000 20 1\n") +
                  Failed(QStringLiteral("Failed to set data for 'Amount'"), file, reason));
    EXPECT_EQ(slot.Output,
              Failed(QStringLiteral("Failed to set data for 'WAVFILE1'"), file, reason));
    EXPECT_EQ(ReadRaw(), stored);
  }
}

TEST_F(ReliabilityTest, ACorruptFileInAReadOnlyFolderStillReportsTheFailedSave) {
  // QSettings keeps reporting the format error of the read that opened the store and would
  // hide the failed write. A sound choice is the first opening in a fresh process.
  const QByteArray stored = "[Bet\nTotal=4000\n";
  WriteRaw(stored);
  chmod(QFile::encodeName(FilePath()).constData(), 0666);
  chmod(QFile::encodeName(ConfigFolder).constData(), 0555);
  const TWriterResult slot = RunRestrictedWriter(
      {QStringLiteral("slot"), QStringLiteral("7"), QStringLiteral("/new.wav")});
  const TWriterResult result =
      RunRestrictedWriter({QStringLiteral("close"), QStringLiteral("3000"), QStringLiteral("0")});
  chmod(QFile::encodeName(ConfigFolder).constData(), 0755);
  if (result.ExitCode == 3) GTEST_SKIP() << "could not give up root to test permissions";
  const QString readOnly = QStringLiteral("the folder is read-only");
  EXPECT_EQ(slot.Output,
            Failed(QStringLiteral("Failed to set data for 'WAVFILE7'"), ConfigFolder, readOnly));
  EXPECT_EQ(result.Output,
            QStringLiteral("loaded 4000 -1 1\n") +
                Failed(QStringLiteral("Failed to set data for 'Amount'"), ConfigFolder, readOnly));
  EXPECT_EQ(ReadRaw(), stored);
}

TEST_F(ReliabilityTest, AnUnreadableFileGivesDefaultsAndIsNeverReplaced) {
  const QByteArray stored = "[Bet]\nTotal=4000\n[Sound]\nWAVFILE1=/keep.wav\n";
  WriteRaw(stored);
  chmod(QFile::encodeName(ConfigFolder).constData(), 0777);
  chmod(QFile::encodeName(FilePath()).constData(), 0000);
  const TWriterResult result =
      RunRestrictedWriter({QStringLiteral("close"), QStringLiteral("3000"), QStringLiteral("0")});
  const TWriterResult slot =
      RunRestrictedWriter({QStringLiteral("slot"), QStringLiteral("2"), QStringLiteral("/b.wav")});
  chmod(QFile::encodeName(FilePath()).constData(), 0644);
  if (result.ExitCode == 3) GTEST_SKIP() << "could not give up root to test permissions";
  const QString noPermission = QStringLiteral("you have no permission to read it");
  EXPECT_EQ(result.Output, QStringLiteral("loaded -1 -1 1\n") +
                               Failed(QStringLiteral("Failed to get data for 'Amount'"), FilePath(),
                                      noPermission));
  EXPECT_EQ(slot.Output,
            Failed(QStringLiteral("Failed to get data for 'WAVFILE2'"), FilePath(), noPermission));
  EXPECT_EQ(ReadRaw(), stored);
}

TEST_F(ReliabilityTest, SomethingOtherThanAFileInItsPlaceIsLeftAlone) {
  // A directory can't be read even by root; a FIFO would block a reader and /dev/zero never
  // ends.
  QDir().mkpath(FilePath());
  EXPECT_EQ(LoadGameSettings(), TGameSettings{});
  EXPECT_EQ(ErrorOf([] { SaveGameSettings(TGameSettings{}); }),
            QStringLiteral("Failed to get data for 'Amount'\n") + FilePath() +
                QStringLiteral(": it is a folder, not a file"));
  EXPECT_TRUE(QFileInfo(FilePath()).isDir());
  ASSERT_TRUE(QDir().rmdir(FilePath()));

  ASSERT_EQ(mkfifo(QFile::encodeName(FilePath()).constData(), 0644), 0);
  EXPECT_EQ(LoadGameSettings(), TGameSettings{});
  EXPECT_EQ(ErrorOf([] { SaveSoundSlot(1, QStringLiteral("/a.wav")); }),
            QStringLiteral("Failed to get data for 'WAVFILE1'\n") + FilePath() +
                QStringLiteral(": it is not a regular file"));
  ASSERT_TRUE(QFile::remove(FilePath()));

  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), FilePath()));
  EXPECT_EQ(LoadSoundSlots()[0], QStringLiteral("Error"));
  EXPECT_EQ(ErrorOf([] { SaveGameSettings(TGameSettings{}); }),
            QStringLiteral("Failed to get data for 'Amount'\n/dev/zero: it is not a regular file"));
  EXPECT_EQ(QFileInfo(FilePath()).symLinkTarget(), QStringLiteral("/dev/zero"));
  ASSERT_TRUE(QFile::remove(FilePath()));

  // Sparse: 65 MB that take no room.
  {
    QFile huge(FilePath());
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(65LL * 1024 * 1024));
  }
  EXPECT_EQ(LoadGameSettings(), TGameSettings{});
  EXPECT_EQ(ErrorOf([] { SaveGameSettings(TGameSettings{}); }),
            QStringLiteral("Failed to get data for 'Amount'\n") + FilePath() +
                QStringLiteral(": it is larger than 64 MB"));
  EXPECT_EQ(QFileInfo(FilePath()).size(), 65LL * 1024 * 1024);
}

TEST_F(ReliabilityTest, ASaveOnAFullDiskFailsAndLeavesTheFileExactlyAsItWas) {
  // Another program's sections too, and more than the writer may write: past 1 KB every
  // write fails with EFBIG, as on a full disk with ENOSPC.
  QByteArray stored = "[Bet]\nTotal=4000\nAmount=20\n[Sound]\nWAVFILE1=/keep.wav\n";
  for (int i = 0; i < 40; ++i)
    stored += "[Other" + QByteArray::number(i) + "]\nvalue=" + QByteArray(40, 'x') + "\n";
  WriteRaw(stored);
  const QString limit = QStringLiteral("1024");
  const QString reason = QStringLiteral("the file would be larger than the system allows");
  const struct {
    QStringList Arguments;
    QString Output;
  } saves[] = {
      {{QStringLiteral("close"), QStringLiteral("3000"), QStringLiteral("0")},
       QStringLiteral("loaded 4000 20 1\n") +
           Failed(QStringLiteral("Failed to set data for 'Amount'"), FilePath(), reason)},
      {{QStringLiteral("slot"), QStringLiteral("1"), QStringLiteral("/new.wav")},
       Failed(QStringLiteral("Failed to set data for 'WAVFILE1'"), FilePath(), reason)},
      {{QStringLiteral("advisor"), QStringLiteral("1")},
       Failed(QStringLiteral("Failed to set data for 'Open'"), FilePath(), reason)},
  };
  for (const auto& save : saves) {
    SCOPED_TRACE(save.Arguments.join(' ').toStdString());
    const TWriterResult result =
        RunWriter(QStringList{QStringLiteral("--file-size-limit"), limit} + save.Arguments);
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output, save.Output);
    EXPECT_EQ(ReadRaw(), stored);
    EXPECT_EQ(NewFilesLeft(), QStringList());
  }
}

TEST_F(ReliabilityTest, AFileReachedThroughALinkIsUpdatedWhereItLies) {
  // Kept elsewhere and linked in, as people do with their dot files.
  const QString target = Temp.path() + QStringLiteral("/dotfiles/lumaro.ini");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(target).absolutePath()));
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Bet]\nTotal=900\n");
  file.close();
  ASSERT_TRUE(QFile::link(target, FilePath()));

  EXPECT_EQ(LoadGameSettings().Total, 900);
  SaveSoundSlot(2, QStringLiteral("/x.wav"));
  EXPECT_EQ(QFileInfo(FilePath()).symLinkTarget(), target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("[Bet]\nTotal=900\n\n[Sound]\nWAVFILE2=/x.wav\n"));
}

}  // namespace
