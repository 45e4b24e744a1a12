// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "win_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

#include "media_test_support.h"
#include "program_data.h"

namespace {

namespace fs = std::filesystem;

// What a slot holds when it has never been given a file.
constexpr const char* kNoSoundFile = "Error";

fs::path Local(const QString& name) {
  return QFile::encodeName(name).toStdString();
}

// A temporary folder that is the current directory for the test's duration.
class WinSoundTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return FDir.filePath(name); }
  fs::path File(const QString& name) const { return Local(Path(name)); }

  TScopedEnv FDriver{"SDL_AUDIODRIVER", QStringLiteral("dummy")};
  QTemporaryDir FDir;
  TScopedCurrentDir FCwd{FDir.path()};
};

TEST_F(WinSoundTest, ChainTakesTheFirstFileThatExists) {
  const fs::path wanted = File("win.wav");
  const fs::path chime = File("chime/CHIMES.WAV");
  const fs::path previous = "/somewhere/earlier.wav";

  // Nothing exists: the previous file, or nothing at all before the first request.
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), previous);
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, fs::path()), fs::path());

  QDir(FDir.path()).mkdir("chime");
  WriteToneWav(Path("chime/CHIMES.WAV"), 0.1);
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), chime);

  WriteToneWav(Path(kCoinsFileName), 0.1);
  // Relative, so a later request looks again in whatever the current directory is then.
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), kCoinsFileName);

  WriteToneWav(Path("win.wav"), 0.1);
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), wanted);
}

TEST_F(WinSoundTest, FoldersAndUnsetSlotsAreNotFiles) {
  const fs::path chime = File("CHIMES.WAV");
  WriteToneWav(Path("CHIMES.WAV"), 0.1);
  QDir(FDir.path()).mkdir("folder.wav");
  EXPECT_EQ(ChooseWinSoundFile(File("folder.wav"), chime, {}), chime);
  EXPECT_EQ(ChooseWinSoundFile(kNoSoundFile, chime, {}), chime);
  EXPECT_EQ(ChooseWinSoundFile(fs::path(), chime, {}), chime);

  // A folder named coins.Wav is no fallback either.
  QDir(FDir.path()).mkdir(kCoinsFileName);
  EXPECT_EQ(ChooseWinSoundFile(kNoSoundFile, chime, {}), chime);

  // "Error" is an ordinary name: a file of that name in the current directory is played.
  WriteToneWav(Path(kNoSoundFile), 0.1);
  EXPECT_EQ(ChooseWinSoundFile(kNoSoundFile, chime, {}), kNoSoundFile);
}

TEST_F(WinSoundTest, StockChimeIsFoundBesideTheProgram) {
  const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  EXPECT_EQ(ProgramDataFolder(), QDir::cleanPath(programFolder + "/../share/lumaro"));
  EXPECT_EQ(QFileInfo(QFile::decodeName(SystemChimePath().c_str())).canonicalFilePath(),
            QFileInfo(QStringLiteral(LUMARO_DATA_DIR "/CHIMES.WAV")).canonicalFilePath());
  EXPECT_TRUE(IsExistingFile(SystemChimePath()));
}

TEST_F(WinSoundTest, EachWinPlaysItsSlotOrTheFallbacks) {
  TMediaPlayer player;
  WriteToneWav(Path("flush.wav"), 1.0);

  EXPECT_EQ(PlayWinSound(File("flush.wav"), true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), File("flush.wav"));
  EXPECT_TRUE(player.IsOpen());
  EXPECT_TRUE(player.IsPlaying());

  // A slot that was never set: coins.Wav of the current directory.
  WriteToneWav(Path(kCoinsFileName), 1.0);
  EXPECT_EQ(PlayWinSound(kNoSoundFile, true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), kCoinsFileName);
  EXPECT_TRUE(player.IsPlaying());

  // A slot whose file was deleted, and no coins.Wav: the stock chime.
  QFile::remove(Path(kCoinsFileName));
  EXPECT_EQ(PlayWinSound(File("gone.wav"), true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), SystemChimePath());
  EXPECT_TRUE(player.IsPlaying());
}

TEST_F(WinSoundTest, SoundOffOpensWithoutPlayingAndOnPlaysAgain) {
  TMediaPlayer player;
  WriteToneWav(Path("pair.wav"), 1.0);

  EXPECT_EQ(PlayWinSound(File("pair.wav"), false, player), std::nullopt);
  EXPECT_TRUE(player.IsOpen());
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(Mix_Playing(-1), 0);

  EXPECT_EQ(PlayWinSound(File("pair.wav"), true, player), std::nullopt);
  EXPECT_TRUE(player.IsPlaying());
}

TEST_F(WinSoundTest, NextWinCutsTheSoundStillPlaying) {
  TMediaPlayer player;
  WriteToneWav(Path("long1.wav"), 3.0);
  WriteToneWav(Path("long2.wav"), 3.0);

  ASSERT_EQ(PlayWinSound(File("long1.wav"), true, player), std::nullopt);
  ASSERT_EQ(Mix_Playing(-1), 1);
  ASSERT_EQ(PlayWinSound(File("long2.wav"), true, player), std::nullopt);
  EXPECT_EQ(Mix_Playing(-1), 1);  // the first one stopped, not mixed in underneath
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(player.FileName(), File("long2.wav"));

  // The same win twice in a row restarts it rather than doubling it.
  ASSERT_EQ(PlayWinSound(File("long2.wav"), true, player), std::nullopt);
  EXPECT_EQ(Mix_Playing(-1), 1);

  player.Close();
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(Mix_Playing(-1), 0);
  player.Close();  // closing twice is harmless
  player.Play();   // and playing while closed does nothing
  EXPECT_EQ(Mix_Playing(-1), 0);
}

// A WAV header for 8-bit sound at the given rate and channel count, claiming dataBytes of
// samples.
QByteArray WavHeader(std::uint32_t rate, std::uint32_t dataBytes, std::uint32_t channels = 1) {
  QByteArray h;
  const auto le = [&h](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) h += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  h += "RIFF";
  le(36 + dataBytes, 4);
  h += "WAVEfmt ";
  le(16, 4), le(1, 2), le(channels, 2), le(rate, 4), le(rate * channels, 4), le(channels, 2);
  le(8, 2);
  h += "data";
  le(dataBytes, 4);
  return h;
}

TEST_F(WinSoundTest, BrokenWavIsReportedWithItsName) {
  TMediaPlayer player;
  const auto errorFor = [&](const QString& name, const QByteArray& bytes) {
    WriteBytes(Path(name), bytes);
    const std::optional<QString> error = PlayWinSound(File(name), true, player);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.FileName(), File(name));
    EXPECT_EQ(Mix_Playing(-1), 0);
    return error.value_or(QString());
  };
  // Found wanting by the audio layer, whose own text names no file.
  const QString noChannels = errorFor("mute.wav", WavHeader(8000, 8, 0) + QByteArray(8, '\x80'));
  EXPECT_TRUE(noChannels.startsWith("Couldn't play " + Path("mute.wav") + ": "))
      << noChannels.toStdString();
  EXPECT_GT(noChannels.size(), ("Couldn't play " + Path("mute.wav") + ": ").size());
  EXPECT_FALSE(noChannels.endsWith('.'));
  const QString noFormat =
      errorFor("noformat.wav", QByteArray("RIFF\x0c\0\0\0WAVEdata\0\0\0\0", 20));
  EXPECT_TRUE(noFormat.startsWith("Couldn't play " + Path("noformat.wav") + ": "))
      << noFormat.toStdString();
  // Found wanting by our own checks.
  const QString garbage =
      errorFor("broken.wav", QByteArray("RIFF\x10\0\0\0WAVEfmt this is not a sound", 36));
  EXPECT_TRUE(garbage.startsWith("Couldn't play " + Path("broken.wav") + ": "));
  EXPECT_FALSE(garbage.endsWith('.'));
  // coins.Wav is named by where it lies, not by its bare name.
  WriteBytes(Path(kCoinsFileName), WavHeader(8000, 8, 0) + QByteArray(8, '\x80'));
  EXPECT_TRUE(PlayWinSound(kNoSoundFile, true, player)
                  .value_or(QString())
                  .startsWith("Couldn't play " + Path(kCoinsFileName) + ": "));
}

TEST_F(WinSoundTest, NoSoundFileAtAllIsReportedOnceSayingWhereItLooked) {
  const fs::path chime = File("data/CHIMES.WAV");  // a data folder that isn't there
  const QString expected = "Couldn't play the win sound: CHIMES.WAV is missing from " +
                           Path("data") + ", and there is no coins.Wav in " + QDir::currentPath();
  TMediaPlayer player;
  EXPECT_EQ(PlayWinSound(kNoSoundFile, true, player, chime), expected);
  EXPECT_EQ(PlayWinSound(File("gone.wav"), true, player, chime), std::nullopt);
  EXPECT_EQ(PlayWinSound(kNoSoundFile, false, player, chime), std::nullopt);
  EXPECT_FALSE(player.IsOpen());
  // A file that is there but broken is still reported each time.
  WriteBytes(Path("broken.wav"), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
  EXPECT_TRUE(PlayWinSound(File("broken.wav"), true, player, chime).has_value());
  EXPECT_TRUE(PlayWinSound(File("broken.wav"), true, player, chime).has_value());

  // The file of an earlier win, gone with a change of directory, is no file either.
  TMediaPlayer moved;
  WriteToneWav(Path(kCoinsFileName), 0.1);
  ASSERT_EQ(PlayWinSound(kNoSoundFile, true, moved, chime), std::nullopt);
  QTemporaryDir elsewhere;
  TScopedCurrentDir cd(elsewhere.path());
  EXPECT_EQ(PlayWinSound(kNoSoundFile, false, moved, chime),
            "Couldn't play the win sound: CHIMES.WAV is missing from " + Path("data") +
                ", and there is no coins.Wav in " + QDir::currentPath());
  EXPECT_EQ(PlayWinSound(kNoSoundFile, true, moved, chime), std::nullopt);
}

TEST_F(WinSoundTest, EarlierCoinsFileGoneFromTheNewDirectoryFailsToOpen) {
  TMediaPlayer player;
  WriteToneWav(Path(kCoinsFileName), 0.3);
  ASSERT_EQ(PlayWinSound(kNoSoundFile, true, player), std::nullopt);
  ASSERT_EQ(player.FileName(), kCoinsFileName);

  // Another current directory, no chime: the relative name is tried again there.
  QTemporaryDir elsewhere;
  TScopedCurrentDir moved(elsewhere.path());
  const fs::path name =
      ChooseWinSoundFile(kNoSoundFile, Local(elsewhere.filePath("CHIMES.WAV")), player.FileName());
  EXPECT_EQ(name, kCoinsFileName);
  QString error;
  EXPECT_FALSE(player.Open(name, error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(player.IsOpen());

  // Nothing at all to open.
  TMediaPlayer fresh;
  EXPECT_FALSE(fresh.Open(fs::path(), error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(error.endsWith('.'));
}

TEST_F(WinSoundTest, MissingAudioDeviceIsReportedOnceWithSoundOnAndTriedAgain) {
  TMediaPlayer player;
  WriteToneWav(Path("pair.wav"), 0.3);
  {
    TScopedEnv driver("SDL_AUDIODRIVER", QStringLiteral("no_such_audio_driver"));
    // With sound off there is nothing to miss: no box, though the device is tried all the same.
    EXPECT_EQ(PlayWinSound(File("pair.wav"), false, player), std::nullopt);
    EXPECT_TRUE(player.DeviceMissing());
    EXPECT_FALSE(player.IsOpen());
    const std::optional<QString> error = PlayWinSound(File("pair.wav"), true, player);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_FALSE(error->endsWith('.'));
    // Once told, the player is not told again at every win.
    EXPECT_EQ(PlayWinSound(File("pair.wav"), true, player), std::nullopt);
    EXPECT_FALSE(player.IsOpen());
  }
  // Once a device is there again, the same player gets it.
  EXPECT_EQ(PlayWinSound(File("pair.wav"), true, player), std::nullopt);
  EXPECT_TRUE(player.IsPlaying());
  // Only the device is spared: a file that can't be read is reported with sound off too.
  WriteBytes(Path("broken.wav"), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
  EXPECT_TRUE(PlayWinSound(File("broken.wav"), false, player).has_value());
}

TEST_F(WinSoundTest, UnplayableFilesSayWhyInsteadOfOutOfMemory) {
  TMediaPlayer player;
  const auto errorFor = [&](const QString& name, const QByteArray& header, qint64 size) {
    WriteBytes(Path(name), header);
    QFile(Path(name)).resize(size);  // sparse: only the header is ever read
    return PlayWinSound(File(name), true, player).value_or(QString());
  };
  EXPECT_TRUE(errorFor("slow.wav", WavHeader(1, 10000), 10044).contains("1 Hz"));
  EXPECT_TRUE(errorFor("huge.wav", WavHeader(44100, 0), 65LL << 20).contains("64 MB"));
  // Small on disk, but some gigabytes once converted for the device.
  EXPECT_TRUE(errorFor("long.wav", WavHeader(1000, 60 << 20), (60 << 20) + 44).contains("memory"));
  // Other formats the mixer could read never reach it: its readers for them leak.
  EXPECT_TRUE(errorFor("aiff.wav",
                       QByteArray("FORM\0\0\0\x46"
                                  "AIFFCOMM",
                                  16),
                       16)
                  .contains("not a WAV file"));
  EXPECT_FALSE(player.IsOpen());
}

// What the disk driver wrote while one win was requested, as 16-bit samples.
std::vector<std::int16_t> RecordWin(const QString& outFile, bool soundOn, const QString& wav) {
  TScopedEnv driver("SDL_AUDIODRIVER", QStringLiteral("disk"));
  TScopedEnv out("SDL_DISKAUDIOFILE", outFile);
  {
    TMediaPlayer player;
    EXPECT_EQ(PlayWinSound(Local(wav), soundOn, player), std::nullopt);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
  }  // the last player gone closes the device and its output file
  QFile file(outFile);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
  std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
  return samples;
}

TEST_F(WinSoundTest, DiskDriverHearsAPlayedWinAndNothingWhenSoundIsOff) {
  WriteToneWav(Path("quads.wav"), 1.0);

  const std::vector<std::int16_t> heard = RecordWin(Path("on.raw"), true, Path("quads.wav"));
  ASSERT_FALSE(heard.empty());
  int loud = 0;
  for (std::int16_t s : heard) loud += std::abs(s) > 4000 ? 1 : 0;
  EXPECT_GT(loud, 1000);

  const std::vector<std::int16_t> quiet = RecordWin(Path("off.raw"), false, Path("quads.wav"));
  ASSERT_FALSE(quiet.empty());  // the device was opened all the same
  for (std::int16_t s : quiet) ASSERT_EQ(s, 0);
}

// SDL's mixing threads, by the names it gives them: what an open device keeps waking. A new
// thread names itself, so it is given a moment to do so.
int AudioThreads() {
  const auto count = [] {
    int n = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
      if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudio")) ++n;
    }
    return n;
  };
  for (int i = 0; i < 50 && count() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return count();
}

TEST_F(WinSoundTest, IdleDeviceIsClosedAndTheNextWinOpensItAgain) {
  using namespace std::chrono_literals;
  TMediaPlayer player;
  EXPECT_EQ(player.CloseIfIdle(TMediaPlayer::TClock::now()), std::nullopt);  // never opened
  WriteToneWav(Path("short.wav"), 0.2);
  WriteToneWav(Path("long.wav"), 3.0);

  ASSERT_EQ(PlayWinSound(File("long.wav"), true, player), std::nullopt);
  EXPECT_EQ(AudioThreads(), 1);
  // However long since it started, a sound still being heard keeps its device.
  const auto later = TMediaPlayer::TClock::now() + 1h;
  const auto wait = player.CloseIfIdle(later);
  ASSERT_TRUE(wait.has_value());
  EXPECT_LE(*wait, 1s);
  EXPECT_TRUE(player.IsPlaying());

  ASSERT_EQ(PlayWinSound(File("short.wav"), true, player), std::nullopt);
  std::this_thread::sleep_for(300ms);  // the sound has ended
  const auto ended = TMediaPlayer::TClock::now();
  ASSERT_FALSE(player.IsPlaying());
  EXPECT_TRUE(player.CloseIfIdle(ended).has_value());
  EXPECT_TRUE(player.HasDevice());
  EXPECT_EQ(player.CloseIfIdle(ended + TMediaPlayer::kDeviceIdleTime), std::nullopt);
  EXPECT_FALSE(player.HasDevice());
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  EXPECT_EQ(AudioThreads(), 0);
  EXPECT_EQ(player.FileName(), File("short.wav"));  // still the chain's last resort

  ASSERT_EQ(PlayWinSound(File("short.wav"), true, player), std::nullopt);
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(AudioThreads(), 1);
  // With sound off the device is opened all the same, and let go all the same.
  ASSERT_EQ(PlayWinSound(File("short.wav"), false, player), std::nullopt);
  EXPECT_EQ(player.CloseIfIdle(TMediaPlayer::TClock::now() + TMediaPlayer::kDeviceIdleTime),
            std::nullopt);
  EXPECT_EQ(AudioThreads(), 0);
}

TEST_F(WinSoundTest, WithAnEventLoopThePlayerLetsTheDeviceGoByItself) {
  using namespace std::chrono_literals;
  int argc = 1;
  char name[] = "media_tests";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  TMediaPlayer player(100ms);
  WriteToneWav(Path("win.wav"), 0.4);

  const auto deadline = [](std::chrono::milliseconds limit, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return done();
  };
  for (int win = 1; win <= 2; ++win) {
    SCOPED_TRACE(win);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(PlayWinSound(File("win.wav"), true, player), std::nullopt);
    EXPECT_TRUE(player.IsPlaying());
    ASSERT_TRUE(deadline(10s, [&] { return !player.HasDevice(); }));
    // Not at the first check, 100 ms in, while the sound still played (SDL's silent driver
    // may run a little ahead of the clock, and coarse timers fire a little early).
    EXPECT_GE(std::chrono::steady_clock::now() - start, 350ms);
    EXPECT_EQ(AudioThreads(), 0);
  }
}

}  // namespace
