#include "win_sound.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "media_test_support.h"

namespace {

TSoundSlots NoFiles() {
  TSoundSlots sounds;
  sounds.fill(kNoSoundFile);
  return sounds;
}

// A temporary folder that is the current directory for the test's duration.
class WinSoundTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return FDir.filePath(name); }

  TScopedEnv FDriver{"SDL_AUDIODRIVER", QStringLiteral("dummy")};
  QTemporaryDir FDir;
  TScopedCurrentDir FCwd{FDir.path()};
};

TEST_F(WinSoundTest, ChainTakesTheFirstFileThatExists) {
  const QString wanted = Path("win.wav");
  const QString chime = Path("chime/CHIMES.WAV");
  const QString previous = QStringLiteral("/somewhere/earlier.wav");

  // Nothing exists: the previous file, or nothing at all before the first request.
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), previous);
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, QString()), QString());

  QDir(FDir.path()).mkdir("chime");
  WriteToneWav(chime, 0.1);
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), chime);

  WriteToneWav(Path(kCoinsFileName), 0.1);
  // Relative, so a later request looks again in whatever the current directory is then.
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), kCoinsFileName);

  WriteToneWav(wanted, 0.1);
  EXPECT_EQ(ChooseWinSoundFile(wanted, chime, previous), wanted);
}

TEST_F(WinSoundTest, FoldersAndUnsetSlotsAreNotFiles) {
  const QString chime = Path("CHIMES.WAV");
  WriteToneWav(chime, 0.1);
  QDir(FDir.path()).mkdir("folder.wav");
  EXPECT_EQ(ChooseWinSoundFile(Path("folder.wav"), chime, {}), chime);
  EXPECT_EQ(ChooseWinSoundFile(kNoSoundFile, chime, {}), chime);
  EXPECT_EQ(ChooseWinSoundFile(QString(), chime, {}), chime);

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
  EXPECT_EQ(QFileInfo(SystemChimePath()).canonicalFilePath(),
            QFileInfo(QStringLiteral(LUMARO_DATA_DIR "/CHIMES.WAV")).canonicalFilePath());
  EXPECT_TRUE(IsExistingFile(SystemChimePath()));
}

TEST_F(WinSoundTest, EachWinPlaysItsSlotOrTheFallbacks) {
  TMediaPlayer player;
  TSoundSlots sounds = NoFiles();
  sounds[4] = Path("flush.wav");
  WriteToneWav(sounds[4], 1.0);

  EXPECT_EQ(PlayWinSound(5, sounds, true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), sounds[4]);
  EXPECT_TRUE(player.IsOpen());
  EXPECT_TRUE(player.IsPlaying());

  // A slot that was never set: coins.Wav of the current directory.
  WriteToneWav(Path(kCoinsFileName), 1.0);
  EXPECT_EQ(PlayWinSound(1, sounds, true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), kCoinsFileName);
  EXPECT_TRUE(player.IsPlaying());

  // A slot whose file was deleted, and no coins.Wav: the stock chime.
  sounds[8] = Path("gone.wav");
  QFile::remove(Path(kCoinsFileName));
  EXPECT_EQ(PlayWinSound(9, sounds, true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), SystemChimePath());
  EXPECT_TRUE(player.IsPlaying());
}

TEST_F(WinSoundTest, SlotPathIsCutTo80Characters) {
  TMediaPlayer player;
  TSoundSlots sounds = NoFiles();
  // An 80-character name plays; the same name with more characters after it is cut back.
  const QString prefix = FDir.path() + QLatin1Char('/');
  const QString shortName = prefix + QString(80 - prefix.size(), QLatin1Char('a'));
  ASSERT_EQ(shortName.size(), 80);
  WriteToneWav(shortName, 0.2);
  sounds[2] = shortName + QStringLiteral("bbbb.wav");
  EXPECT_EQ(PlayWinSound(3, sounds, true, player), std::nullopt);
  EXPECT_EQ(player.FileName(), shortName);
}

TEST_F(WinSoundTest, SoundOffOpensWithoutPlayingAndOnPlaysAgain) {
  TMediaPlayer player;
  TSoundSlots sounds = NoFiles();
  sounds[0] = Path("pair.wav");
  WriteToneWav(sounds[0], 1.0);

  EXPECT_EQ(PlayWinSound(1, sounds, false, player), std::nullopt);
  EXPECT_TRUE(player.IsOpen());
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(Mix_Playing(-1), 0);

  EXPECT_EQ(PlayWinSound(1, sounds, true, player), std::nullopt);
  EXPECT_TRUE(player.IsPlaying());
}

TEST_F(WinSoundTest, NextWinCutsTheSoundStillPlaying) {
  TMediaPlayer player;
  TSoundSlots sounds = NoFiles();
  sounds[0] = Path("long1.wav");
  sounds[1] = Path("long2.wav");
  WriteToneWav(sounds[0], 3.0);
  WriteToneWav(sounds[1], 3.0);

  ASSERT_EQ(PlayWinSound(1, sounds, true, player), std::nullopt);
  ASSERT_EQ(Mix_Playing(-1), 1);
  ASSERT_EQ(PlayWinSound(2, sounds, true, player), std::nullopt);
  EXPECT_EQ(Mix_Playing(-1), 1);  // the first one stopped, not mixed in underneath
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(player.FileName(), sounds[1]);

  // The same win twice in a row restarts it rather than doubling it.
  ASSERT_EQ(PlayWinSound(2, sounds, true, player), std::nullopt);
  EXPECT_EQ(Mix_Playing(-1), 1);

  player.Close();
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(Mix_Playing(-1), 0);
  player.Close();  // closing twice is harmless
  player.Play();   // and playing while closed does nothing
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(WinSoundTest, BrokenWavGivesTheAudioErrorText) {
  TMediaPlayer player;
  TSoundSlots sounds = NoFiles();
  sounds[3] = Path("broken.wav");
  WriteBytes(sounds[3], QByteArray("RIFF\x10\0\0\0WAVEfmt this is not a sound", 36));

  const std::optional<QString> error = PlayWinSound(4, sounds, true, player);
  ASSERT_TRUE(error.has_value());
  EXPECT_FALSE(error->isEmpty());
  EXPECT_FALSE(error->endsWith('.')) << error->toStdString();
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(player.FileName(), sounds[3]);
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(WinSoundTest, EarlierCoinsFileGoneFromTheNewDirectoryFailsToOpen) {
  TMediaPlayer player;
  WriteToneWav(Path(kCoinsFileName), 0.3);
  ASSERT_EQ(PlayWinSound(1, NoFiles(), true, player), std::nullopt);
  ASSERT_EQ(player.FileName(), kCoinsFileName);

  // Another current directory, no chime: the relative name is tried again there.
  QTemporaryDir elsewhere;
  TScopedCurrentDir moved(elsewhere.path());
  const QString name =
      ChooseWinSoundFile(kNoSoundFile, elsewhere.filePath("CHIMES.WAV"), player.FileName());
  EXPECT_EQ(name, kCoinsFileName);
  QString error;
  EXPECT_FALSE(player.Open(name, error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(player.IsOpen());

  // Nothing at all to open.
  TMediaPlayer fresh;
  EXPECT_FALSE(fresh.Open(QString(), error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(error.endsWith('.'));
}

TEST_F(WinSoundTest, MissingAudioDeviceGivesTheErrorTextAndIsTriedAgain) {
  TMediaPlayer player;
  TSoundSlots sounds = NoFiles();
  sounds[0] = Path("pair.wav");
  WriteToneWav(sounds[0], 0.3);
  {
    TScopedEnv driver("SDL_AUDIODRIVER", QStringLiteral("no_such_audio_driver"));
    for (bool soundOn : {true, false}) {
      const std::optional<QString> error = PlayWinSound(1, sounds, soundOn, player);
      ASSERT_TRUE(error.has_value());
      EXPECT_FALSE(error->isEmpty());
      EXPECT_FALSE(error->endsWith('.'));
      EXPECT_FALSE(player.IsOpen());
    }
  }
  // Once a device is there again, the same player gets it.
  EXPECT_EQ(PlayWinSound(1, sounds, true, player), std::nullopt);
  EXPECT_TRUE(player.IsPlaying());
}

// What the disk driver wrote while one win was requested, as 16-bit samples.
std::vector<std::int16_t> RecordWin(const QString& outFile, bool soundOn, const QString& wav) {
  TScopedEnv driver("SDL_AUDIODRIVER", QStringLiteral("disk"));
  TScopedEnv out("SDL_DISKAUDIOFILE", outFile);
  {
    TMediaPlayer player;
    TSoundSlots sounds = NoFiles();
    sounds[6] = wav;
    EXPECT_EQ(PlayWinSound(7, sounds, soundOn, player), std::nullopt);
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

}  // namespace
