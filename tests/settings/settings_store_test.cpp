// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The store itself: where the file lives, the text format, the integer conversion, and
// every failure message.

#include "settings_store.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "settings_test_support.h"

namespace {

using settings_test::ConfigFolderTest;

const QString kBet = QStringLiteral("Bet");
const QString kSound = QStringLiteral("Sound");

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const ESettingsError& error) {
    return error.what();
  }
  return "(no error)";
}

class StoreTest : public ConfigFolderTest {};

TEST_F(StoreTest, FileLivesInTheConfigFolderNamedByTheEnvironment) {
  EXPECT_EQ(SettingsFilePath(), FilePath());
  EXPECT_EQ(TSettingsStore::OpenSettingsStore().FilePath(), FilePath());

  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", QFile::encodeName(Temp.path() + QStringLiteral("/home")));
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsFilePath(), Temp.path() + QStringLiteral("/home/.config/Quorvel.ini"));
  qputenv("XDG_CONFIG_HOME", "relative/config");  // invalid, so ignored
  EXPECT_EQ(SettingsFilePath(), Temp.path() + QStringLiteral("/home/.config/Quorvel.ini"));
  qputenv("HOME", savedHome);
}

TEST_F(StoreTest, WithoutHomeTheFolderComesFromThePasswordDatabase) {
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  const QString expected =
      QDir::cleanPath(QFile::decodeName(user->pw_dir) + QStringLiteral("/.config/Quorvel.ini"));
  const QByteArray savedHome = qgetenv("HOME");
  const bool hadHome = qEnvironmentVariableIsSet("HOME");
  qunsetenv("XDG_CONFIG_HOME");
  for (const char* home : {static_cast<const char*>(nullptr), "", "relative/home"}) {
    if (home)
      qputenv("HOME", home);
    else
      qunsetenv("HOME");
    EXPECT_EQ(SettingsFilePath(), expected) << (home ? home : "(unset)");
  }
  if (hadHome) qputenv("HOME", savedHome);
}

TEST_F(StoreTest, FirstOpeningCreatesTheFolderAndAnEmptyFile) {
  UseConfigFolder(Temp.path() + QStringLiteral("/not/yet/there"));
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  EXPECT_EQ(store.ReadTextValue(kBet, QStringLiteral("Total"), QStringLiteral("none")),
            QStringLiteral("none"));
  store.CloseSettingsStore();
  const QFileInfo info(FilePath());
  ASSERT_TRUE(info.isFile());
  EXPECT_EQ(info.size(), 0);
}

TEST_F(StoreTest, EveryValueIsStoredAsPlainText) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  store.WriteIntegerValue(kBet, QStringLiteral("Total"), 1000);
  store.WriteIntegerValue(kBet, QStringLiteral("Amount"), -1);
  store.WriteBooleanValue(QStringLiteral("Settings"), QStringLiteral("Sound"), true);
  store.WriteBooleanValue(QStringLiteral("Settings"), QStringLiteral("Off"), false);
  store.WriteIntegerValue(QStringLiteral("Payouts"), QStringLiteral("H9"),
                          std::numeric_limits<std::int32_t>::min());
  store.CloseSettingsStore();

  const QByteArray raw = ReadRaw();
  EXPECT_TRUE(raw.contains("[Bet]\nAmount=-1\nTotal=1000\n")) << raw.toStdString();
  EXPECT_TRUE(raw.contains("[Settings]\nOff=0\nSound=1\n")) << raw.toStdString();
  EXPECT_TRUE(raw.contains("[Payouts]\nH9=-2147483648\n")) << raw.toStdString();
}

TEST_F(StoreTest, TextRoundTripsExactly) {
  const QStringList texts = {
      QStringLiteral("/home/a b/c,d=e;f\"g'h.wav"),
      QStringLiteral("C:\\Sounds\\win.wav"),
      QStringLiteral("  leading and trailing  "),
      QStringLiteral("@Variant(not really)"),
      QStringLiteral("#not a comment"),
      QStringLiteral("/musique/élève/日本語/😀.wav"),
      QStringLiteral("line\nbreak\ttab\rreturn"),
      QStringLiteral("a,b,c"),
      QStringLiteral("\"quoted\""),
      QStringLiteral("percent %20 and [brackets]"),
      QString(),
  };
  {
    TSettingsStore store = TSettingsStore::OpenSettingsStore();
    for (int i = 0; i < texts.size(); ++i)
      store.WriteTextValue(kSound, QStringLiteral("T%1").arg(i), texts[i]);
    store.CloseSettingsStore();
  }
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  for (int i = 0; i < texts.size(); ++i)
    EXPECT_EQ(store.ReadTextValue(kSound, QStringLiteral("T%1").arg(i), QStringLiteral("missing")),
              texts[i])
        << i;
  // Stored empty text is text, not a missing value.
  EXPECT_EQ(store.ReadTextValue(kSound, QStringLiteral("T10"), QStringLiteral("missing")),
            QString());
  EXPECT_EQ(store.ReadTextValue(kSound, QStringLiteral("T11"), QStringLiteral("missing")),
            QStringLiteral("missing"));
  EXPECT_EQ(store.ReadIntegerValue(kSound, QStringLiteral("T10"), 42), 42);
  store.CloseSettingsStore();
  // Readable as UTF-8 text by people and other tools.
  EXPECT_TRUE(ReadRaw().contains(QStringLiteral("élève/日本語").toUtf8()));
}

TEST_F(StoreTest, IntegerConversion) {
  struct TCase {
    const char16_t* Text;
    std::optional<std::int32_t> Value;
  };
  const TCase cases[] = {
      {u"0", 0},
      {u"1000", 1000},
      {u"-1", -1},
      {u"+5", 5},
      {u"   12", 12},
      {u"0007", 7},
      {u"2147483647", 2147483647},
      {u"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {u"$1F", 31},
      {u"  $ff", 255},
      {u"0x1F", 31},
      {u"0X1f", 31},
      {u"$FFFFFFFF", -1},
      {u"0x80000000", std::numeric_limits<std::int32_t>::min()},
      {u"$00000001", 1},
      {u"2147483648", std::nullopt},
      {u"-2147483649", std::nullopt},
      {u"99999999999999999999", std::nullopt},
      {u"$123456789", std::nullopt},
      {u"0x123456789", std::nullopt},
      {u"12 ", std::nullopt},
      {u"abc", std::nullopt},
      {u"", std::nullopt},
      {u"   ", std::nullopt},
      {u"-", std::nullopt},
      {u"+", std::nullopt},
      {u"$", std::nullopt},
      {u"0x", std::nullopt},
      {u"  0x10", std::nullopt},
      {u"-$10", std::nullopt},
      {u"$-10", std::nullopt},
      {u"1e3", std::nullopt},
      {u"1.5", std::nullopt},
      {u"\t7", std::nullopt},
      {u"--1", std::nullopt},
      {u"\uff11\uff12", std::nullopt},  // full-width digits are not digits here
      {u"\u0661", std::nullopt},        // nor are Arabic-Indic ones
  };
  for (const TCase& c : cases) {
    const QString text = QString::fromUtf16(c.Text);
    EXPECT_EQ(ParseStoredInteger(text), c.Value) << text.toStdString();
    EXPECT_EQ(StoredTextToInteger(text, -77), c.Value.value_or(-77)) << text.toStdString();
  }
}

TEST_F(StoreTest, IntegerAndBooleanReadsUseTheStoredText) {
  WriteRaw(
      "[Settings]\nZero=0\nTwo=2\nMinus=-1\nOff=off\nEmpty=\n"
      "[Payouts]\nH4=0x1F\nH5=\"12 \"\nH6=abc\nH8=12 \n");
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  const QString settings = QStringLiteral("Settings");
  const QString payouts = QStringLiteral("Payouts");
  EXPECT_EQ(store.ReadIntegerValue(payouts, QStringLiteral("H4"), 3), 31);
  EXPECT_EQ(store.ReadIntegerValue(payouts, QStringLiteral("H5"), 3), 3);
  EXPECT_EQ(store.ReadIntegerValue(payouts, QStringLiteral("H6"), 3), 3);
  EXPECT_EQ(store.ReadIntegerValue(payouts, QStringLiteral("H7"), -1), -1);
  // In the INI format blanks around an unquoted value are not part of it.
  EXPECT_EQ(store.ReadIntegerValue(payouts, QStringLiteral("H8"), 3), 12);
  for (bool def : {true, false}) {
    EXPECT_FALSE(store.ReadBooleanValue(settings, QStringLiteral("Zero"), def));
    EXPECT_TRUE(store.ReadBooleanValue(settings, QStringLiteral("Two"), def));
    EXPECT_TRUE(store.ReadBooleanValue(settings, QStringLiteral("Minus"), def));
    EXPECT_EQ(store.ReadBooleanValue(settings, QStringLiteral("Off"), def), def);
    EXPECT_EQ(store.ReadBooleanValue(settings, QStringLiteral("Empty"), def), def);
    EXPECT_EQ(store.ReadBooleanValue(settings, QStringLiteral("Missing"), def), def);
  }
  store.CloseSettingsStore();
}

TEST_F(StoreTest, ValuesThatAreNotPlainTextAreReportedByName) {
  // What QSettings itself writes for a date, so the @Variant line is a real one.
  const QString scratch = Temp.path() + QStringLiteral("/scratch.ini");
  {
    QSettings other(scratch, QSettings::IniFormat);
    other.setValue(QStringLiteral("Bet/Date"), QDate(2024, 2, 29));
  }
  QFile scratchFile(scratch);
  ASSERT_TRUE(scratchFile.open(QIODevice::ReadOnly));
  const QByteArray dateLine = scratchFile.readAll().split('\n').value(1);
  ASSERT_TRUE(dateLine.startsWith("Date=@Variant(")) << dateLine.toStdString();

  WriteRaw(
      "[Bet]\nTotal=1,2\nAmount=@Rect(1 2 3 4)\nQuoted=\"1,2\"\nBytes=@ByteArray(12)\n"
      "Nothing=@Invalid()\n" +
      dateLine + "\n");
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  EXPECT_EQ(ErrorText([&] { store.ReadIntegerValue(kBet, QStringLiteral("Total"), -1); }),
            "Invalid data type for 'Total'");
  EXPECT_EQ(ErrorText([&] { store.ReadTextValue(kBet, QStringLiteral("Amount"), {}); }),
            "Invalid data type for 'Amount'");
  EXPECT_EQ(ErrorText([&] { store.ReadBooleanValue(kBet, QStringLiteral("Bytes"), true); }),
            "Invalid data type for 'Bytes'");
  EXPECT_EQ(ErrorText([&] { store.ReadTextValue(kBet, QStringLiteral("Nothing"), {}); }),
            "Invalid data type for 'Nothing'");
  EXPECT_EQ(ErrorText([&] { store.ReadTextValue(kBet, QStringLiteral("Date"), {}); }),
            "Invalid data type for 'Date'");
  EXPECT_EQ(store.ReadTextValue(kBet, QStringLiteral("Quoted"), {}), QStringLiteral("1,2"));
  // The detail says what the value holds.
  for (const auto& [key, holds] :
       {std::pair(QStringLiteral("Total"), QStringLiteral("a list")),
        std::pair(QStringLiteral("Amount"), QStringLiteral("@Rect(...)"))}) {
    try {
      store.ReadTextValue(kBet, key, {});
      ADD_FAILURE() << key.toStdString() << " read as text";
    } catch (const ESettingsError& error) {
      EXPECT_EQ(error.Detail(), FilePath() + QStringLiteral(": [Bet] ") + key +
                                    QStringLiteral(" holds ") + holds +
                                    QStringLiteral(", not text"));
    }
  }
  store.CloseSettingsStore();
}

TEST_F(StoreTest, BadNamesAreRefusedWithTheirMessages) {
  EXPECT_EQ(ErrorText([] { TSettingsStore::OpenSettingsStore(QStringLiteral("a/b.ini")); }),
            "Failed to create key a/b.ini");
  EXPECT_EQ(ErrorText([] { TSettingsStore::OpenSettingsStore(QStringLiteral("..")); }),
            "Failed to create key ..");
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  EXPECT_EQ(ErrorText([&] { store.WriteTextValue(QString(), QStringLiteral("K"), {}); }),
            "Failed to create key ");
  EXPECT_EQ(
      ErrorText([&] { store.WriteTextValue(QStringLiteral("A/B"), QStringLiteral("K"), {}); }),
      "Failed to create key A/B");
  EXPECT_EQ(ErrorText([&] { store.WriteIntegerValue(kBet, QStringLiteral("x\\y"), 1); }),
            "Failed to set data for 'x\\y'");
  // A name that can't be stored can't have been stored either.
  EXPECT_EQ(store.ReadTextValue(QStringLiteral("A/B"), QStringLiteral("K"), QStringLiteral("d")),
            QStringLiteral("d"));
  store.CloseSettingsStore();
}

TEST_F(StoreTest, AnOpeningSavesAllItsWritesOnCloseOrNone) {
  {
    TSettingsStore store = TSettingsStore::OpenSettingsStore();
    store.WriteIntegerValue(kBet, QStringLiteral("Total"), 700);
    // Its own writes are visible before the close.
    EXPECT_EQ(store.ReadIntegerValue(kBet, QStringLiteral("Total"), -1), 700);
    // Released without closing, as on an exception: nothing is saved.
  }
  EXPECT_EQ(ReadRaw(), QByteArray());

  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  store.WriteIntegerValue(kBet, QStringLiteral("Total"), 700);
  store.WriteIntegerValue(kBet, QStringLiteral("Total"), 800);
  TSettingsStore moved = std::move(store);
  EXPECT_FALSE(store.IsOpen());
  moved.CloseSettingsStore();
  EXPECT_FALSE(moved.IsOpen());
  EXPECT_THROW(moved.ReadTextValue(kBet, QStringLiteral("Total"), {}), std::logic_error);
  EXPECT_THROW(moved.CloseSettingsStore(), std::logic_error);
  EXPECT_EQ(ReadRaw(), QByteArray("[Bet]\nTotal=800\n"));
}

}  // namespace
