// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Random input against the integer conversion and against whole settings files: no crash,
// no sanitizer report, the conversion agrees with a plain grammar, files read as QSettings
// reads them, and a save keeps every value it doesn't write byte for byte.

#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <map>

#include "file_names.h"
#include "game_settings.h"
#include "ini_format.h"
#include "settings_store.h"
#include "settings_test_support.h"
#include "sound_slots.h"

namespace {

using settings_test::ConfigFolderTest;

// The accepted texts, written as a grammar rather than as a scanner.
std::optional<std::int32_t> ExpectedInteger(QString text) {
  if (text.size() > 2 && text[0] == QLatin1Char('0') &&
      (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X')))
    text = QLatin1Char('$') + text.mid(2);
  static const QRegularExpression decimal(QStringLiteral("\\A *([+-]?)0*([0-9]+)\\z"));
  static const QRegularExpression hex(QStringLiteral("\\A *\\$([0-9A-Fa-f]{1,8})\\z"));
  if (const QRegularExpressionMatch m = hex.match(text); m.hasMatch())
    return static_cast<std::int32_t>(m.captured(1).toUInt(nullptr, 16));
  const QRegularExpressionMatch m = decimal.match(text);
  if (!m.hasMatch() || m.captured(2).size() > 10) return std::nullopt;
  std::int64_t value = m.captured(2).toLongLong();
  if (m.captured(1) == QLatin1String("-")) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

QString RandomNumberLikeText(QRandomGenerator& random) {
  static const QString alphabet = QStringLiteral(
      "0123456789012345678901234567890123456789  +-$xXabcdefABCDEFg.\t\n\u00e9\uff11");
  QString text;
  const int length = random.bounded(random.bounded(4) == 0 ? 40 : 13);
  for (int i = 0; i < length; ++i) text += alphabet[random.bounded(alphabet.size())];
  return text;
}

QByteArray RandomBytes(QRandomGenerator& random, int maxLength) {
  QByteArray bytes(random.bounded(maxLength + 1), '\0');
  for (char& c : bytes) c = static_cast<char>(random.bounded(256));
  return bytes;
}

TEST(SettingsFuzz, IntegerConversionAgreesWithTheGrammar) {
  QRandomGenerator random(20240229);
  int accepted = 0;
  for (int round = 0; round < 6000; ++round) {
    QString text;
    switch (round % 3) {
      case 0:
        text = RandomNumberLikeText(random);
        break;
      case 1:
        text = QString::fromUtf8(RandomBytes(random, 16));
        break;
      default:
        text = QString::fromLatin1(RandomBytes(random, 12));
        break;
    }
    const std::optional<std::int32_t> value = ParseStoredInteger(text);
    ASSERT_EQ(value, ExpectedInteger(text)) << '"' << text.toStdString() << '"';
    if (value) ++accepted;
  }
  // The generator must reach both sides of the grammar to mean anything.
  EXPECT_GT(accepted, 150);
}

const QByteArray kIniTokens[] = {
    "[",         "]",      "[Bet]",       "[Settings]",  "[Payouts]", "[Sound]",  "Total",
    "Amount",    "Sound",  "FormColor",   "H1",          "H4",        "WAVFILE1", "=",
    "\n",        "\r\n",   ",",           "\"",          ";",         "\\",       "\\x",
    "@Variant(", "@Rect(", "@ByteArray(", "@Invalid()",  ")",         "%",        "0x1F",
    "$",         "-",      "1000",        "99999999999", " ",         "\xff",     "\0"};

// Values claiming far more than the file holds (a list, a map, a byte array of 2^31 or
// 2^32 - 1 entries): unpacked, each would ask for gigabytes.
const QByteArray kHugeClaims[] = {"=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n",
                                  "=@Variant(\\0\\0\\0\\b\\xff\\xff\\xff\\xff)\n",
                                  "=@Variant(\\0\\0\\0\\f\\x7f\\xff\\xff\\xff)\n"};

QByteArray RandomIniFile(QRandomGenerator& random) {
  QByteArray bytes;
  const int pieces = random.bounded(60);
  for (int i = 0; i < pieces; ++i) {
    if (random.bounded(5) == 0)
      bytes += RandomBytes(random, 8);
    else if (random.bounded(30) == 0)
      bytes += kHugeClaims[random.bounded(static_cast<int>(std::size(kHugeClaims)))];
    else
      bytes += kIniTokens[random.bounded(static_cast<int>(std::size(kIniTokens)))];
  }
  return bytes;
}

class SettingsFileFuzz : public ConfigFolderTest {};

TEST_F(SettingsFileFuzz, RandomFilesLoadAndAreRepairedBySaving) {
  // Qt warns about @Variant data it can't decode; that is expected here.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QRandomGenerator random(77);
  for (int round = 0; round < 400; ++round) {
    // A folder each, so that every file is read from disk.
    UseConfigFolder(Temp.path() + QStringLiteral("/f%1").arg(round));
    ASSERT_TRUE(QDir().mkpath(ConfigFolder));
    const QByteArray bytes = RandomIniFile(random);
    WriteRaw(bytes);
    TGameSettings loaded;
    ASSERT_NO_THROW(loaded = LoadGameSettings()) << bytes.toPercentEncoding().toStdString();
    ASSERT_NO_THROW(LoadSoundSlots()) << bytes.toPercentEncoding().toStdString();
    TGameEngine engine;
    StartEngine(engine, loaded);
    if (round % 8 == 0) {
      loaded.Total = 1234 + round;
      ASSERT_NO_THROW(SaveGameSettings(loaded)) << bytes.toPercentEncoding().toStdString();
      ASSERT_EQ(LoadGameSettings().Total, 1234 + round) << bytes.toPercentEncoding().toStdString();
    }
  }
  qInstallMessageHandler(previous);
}

// QSettings decodes @Variant(...) with QDataStream: random payloads behind real type ids
// must end as "Invalid data type" or as text, never as a crash.
TEST_F(SettingsFileFuzz, RandomVariantPayloadsAreRefusedOrRead) {
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  const std::uint32_t typeIds[] = {1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 14, 15, 16, 28, 31, 65536};
  QRandomGenerator random(4242);
  int refused = 0;
  for (int file = 0; file < 3; ++file) {
    UseConfigFolder(Temp.path() + QStringLiteral("/v%1").arg(file));
    ASSERT_TRUE(QDir().mkpath(ConfigFolder));
    QByteArray ini = "[Bet]\n";
    constexpr int kKeys = 60;
    for (int key = 0; key < kKeys; ++key) {
      QByteArray payload;
      const std::uint32_t type = typeIds[random.bounded(static_cast<int>(std::size(typeIds)))];
      for (int shift = 24; shift >= 0; shift -= 8) payload += static_cast<char>(type >> shift);
      payload += '\0';  // not null
      payload += RandomBytes(random, 24);
      QByteArray escaped;
      for (char c : payload)
        escaped += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16);
      ini += "K" + QByteArray::number(key) + "=@Variant(" + escaped + ")\n";
    }
    WriteRaw(ini);
    TSettingsStore store = TSettingsStore::OpenSettingsStore();
    for (int key = 0; key < kKeys; ++key) {
      try {
        store.ReadTextValue(QStringLiteral("Bet"), QStringLiteral("K%1").arg(key), {});
      } catch (const ESettingsError& error) {
        ASSERT_EQ(std::string(error.what()),
                  "Invalid data type for 'K" + std::to_string(key) + "'");
        ++refused;
      }
    }
    store.CloseSettingsStore();
  }
  qInstallMessageHandler(previous);
  EXPECT_GT(refused, 0);
}

// Pieces of the syntax, valid UTF-8, with no @Variant or @DateTime (QSettings would unpack
// them, and compare them as what they claim to be).
// clang-format off
const QByteArray kValueTokens[] = {
    ",", "\"", ";", "\\", "\\x", "\\0", "\\n", "\\\"", "\\?", "\\'", "\\t", "\\17", "\\x4e",
    "\\xd800", "\\\n", "\\\r", "\\\r\n", "\\\n\r", "\n", "\r\n", "\r", "@Rect(", "@Size(",
    "@Point(", "@ByteArray(", "@String(", "@Invalid()", "@@", "@", "(", ")", "%", "0x1F", "$",
    "-", "1000", "12", " ", "\t", "a b", "f", "=", "[", "]", "\xc3\xa9", "\xe6\x97\xa5",
    "\xf0\x9f\x98\x80", "@Rect(1 2 3 4)", "@Size(1 2)", "@ByteArray(xy)", "a,b", "\"q\"",
    "\"q\" x  "};
const QByteArray kOtherValues[] = {
    "@Rect(1 2 3 4)", "@Size(1 2)", "@Point(1 2)", "@ByteArray(xy)", "@Invalid()", "a,b",
    "\"a\",b", " 1 , 2 "};
// The game's own names come up more often than the odd ones.
const QByteArray kSectionNames[] = {
    "Bet", "Bet", "Settings", "Payouts", "Sound", "Sound", "bet", "General", "%General", "",
    "%42et", "B\\et", "Bet ", " Sound"};
const QByteArray kKeyNames[] = {
    "Total", "Total", "Amount", "Sound", "FormColor", "H1", "H1", "H4", "WAVFILE1", "WAVFILE1",
    "total", "%48\x31", "H\\1", " Amount ", ""};
// clang-format on

template <std::size_t N>
const QByteArray& Pick(QRandomGenerator& random, const QByteArray (&items)[N]) {
  return items[random.bounded(static_cast<int>(N))];
}

// Section lines, value lines and junk, so that the game's values turn up often. With
// withBytes, bytes that are not UTF-8 too.
QByteArray RandomStructuredIni(QRandomGenerator& random, bool withBytes) {
  const QByteArray lineEnds[] = {"\n", "\n", "\n", "\r\n", "\r", ""};
  // A byte order mark, then a section line: with a value line right after it, Qt 6.4 keeps
  // the blanks before the key in its name, which only matters outside the game's sections.
  QByteArray bytes = random.bounded(20) == 0 ? "\xef\xbb\xbf" : "";
  for (int line = 0, lines = random.bounded(24); line < lines; ++line) {
    const int kind = line == 0 ? 0 : random.bounded(10);
    if (kind < 3) {
      bytes += '[' + Pick(random, kSectionNames) + (random.bounded(8) == 0 ? "" : "]");
    } else if (kind == 3) {
      bytes += Pick(random, kValueTokens);
    } else {
      bytes += Pick(random, kKeyNames) + (random.bounded(3) == 0 ? " = " : "=");
      if (random.bounded(4) == 0) bytes += Pick(random, kOtherValues);
      for (int piece = random.bounded(5); piece > 0; --piece) {
        if (withBytes && random.bounded(4) == 0)
          bytes += RandomBytes(random, 3);
        else if (random.bounded(2) == 0)
          bytes += static_cast<char>(random.bounded(0x20, 0x7F));
        else
          bytes += Pick(random, kValueTokens);
      }
    }
    bytes += Pick(random, lineEnds);
  }
  return bytes;
}

// The values the game reads, and some that differ from them only in case or section.
QStringList ValuePaths() {
  QStringList paths = {QStringLiteral("Settings/FormColor"), QStringLiteral("Settings/Sound"),
                       QStringLiteral("Bet/Total"),          QStringLiteral("Bet/Amount"),
                       QStringLiteral("bet/Total"),          QStringLiteral("Bet/total"),
                       QStringLiteral("General/Total"),      QStringLiteral("Sound/Total")};
  for (int i = 1; i <= 9; ++i) {
    paths += QStringLiteral("Payouts/H%1").arg(i);
    paths += QStringLiteral("Sound/WAVFILE%1").arg(i);
  }
  return paths;
}

const QString kMissing = QStringLiteral("<missing>");
const QString kNotText = QStringLiteral("<not text>");

// A backslash can take half of a UTF-8 letter with it: QSettings makes the rest U+FFFD, we
// keep its bytes. Each run of either counts as one broken letter.
QString BrokenLettersAsOne(const QString& text) {
  QString result;
  for (const QChar c : text) {
    const bool broken =
        c == QChar::ReplacementCharacter || (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF);
    if (!broken || !result.endsWith(QChar::ReplacementCharacter))
      result += broken ? QChar(QChar::ReplacementCharacter) : c;
  }
  return result;
}

QString ReadWithQt(const QSettings& settings, const QString& path) {
  if (!settings.contains(path)) return kMissing;
  const QVariant value = settings.value(path);
  return value.typeId() == QMetaType::QString ? value.toString() : kNotText;
}

QString ReadWithStore(const TSettingsStore& store, const QString& path) {
  const qsizetype slash = path.indexOf(QLatin1Char('/'));
  try {
    const QString text = store.ReadTextValue(path.left(slash), path.mid(slash + 1), kMissing);
    return text;
  } catch (const ESettingsError&) {
    return kNotText;
  }
}

std::map<QString, QVariant> EverythingQtReads(const QString& file) {
  const QSettings settings(file, QSettings::IniFormat);
  std::map<QString, QVariant> values;
  // QSettings can't look up a name with an empty part ("Bet//Total" asks for "Bet/Total").
  for (const QString& key : settings.allKeys())
    if (!key.split(QLatin1Char('/')).contains(QString())) values[key] = settings.value(key);
  return values;
}

TEST_F(SettingsFileFuzz, FilesReadAsQSettingsReadsThemAndWhatWeWriteReadsBackInQSettings) {
  const QStringList paths = ValuePaths();
  QRandomGenerator random(2026);
  int texts = 0;
  int others = 0;
  for (int round = 0; round < 400; ++round) {
    UseConfigFolder(Temp.path() + QStringLiteral("/q%1").arg(round));
    ASSERT_TRUE(QDir().mkpath(ConfigFolder));
    const QByteArray bytes = RandomStructuredIni(random, false);
    WriteRaw(bytes);
    const std::string shown = bytes.toPercentEncoding().toStdString();
    {
      QSettings qt(FilePath(), QSettings::IniFormat);
      (void)qt.allKeys();  // every section parsed, not only the one QSettings guesses
      TSettingsStore store = TSettingsStore::OpenSettingsStore();
      for (const QString& path : paths) {
        const QString expected = ReadWithQt(qt, path);
        ASSERT_EQ(BrokenLettersAsOne(ReadWithStore(store, path)), BrokenLettersAsOne(expected))
            << path.toStdString() << " in " << shown;
        if (expected == kNotText) ++others;
        if (expected != kNotText && expected != kMissing) ++texts;
      }
      store.CloseSettingsStore();
    }
    if (round % 5 != 0) continue;

    const std::map<QString, QVariant> before = EverythingQtReads(FilePath());
    const std::map<QString, QString> written = {
        {QStringLiteral("Bet/Total"), QStringLiteral("1234")},
        {QStringLiteral("Sound/WAVFILE1"), QString::fromUtf8(RandomStructuredIni(random, false))},
        {QStringLiteral("Settings/Title"), QStringLiteral("@x, \"y\" ; z=")}};
    TSettingsStore store = TSettingsStore::OpenSettingsStore();
    for (const auto& [path, text] : written)
      store.WriteTextValue(path.section(QLatin1Char('/'), 0, 0), path.section(QLatin1Char('/'), 1),
                           text);
    store.CloseSettingsStore();
    // A copy, so that QSettings' cache of the file it has already read can't answer.
    const QString copy = ConfigFolder + QStringLiteral("/copy.ini");
    ASSERT_TRUE(QFile::copy(FilePath(), copy));
    std::map<QString, QVariant> expected = before;
    for (const auto& [path, text] : written) expected[path] = QVariant(text);
    std::map<QString, QVariant> after = EverythingQtReads(copy);
    for (const auto& [path, value] : expected)
      ASSERT_EQ(after[path], value) << path.toStdString() << " in " << shown;
    ASSERT_EQ(after.size(), expected.size()) << shown;
  }
  // The generator must reach text, other values and missing ones to mean anything.
  EXPECT_GT(texts, 100);
  EXPECT_GT(others, 15);
}

std::optional<QByteArray> StoredForm(const TIniDocument& document, const QString& section,
                                     const QString& key) {
  const std::optional<QByteArrayView> stored = document.Find(section, key);
  return stored ? std::optional<QByteArray>(stored->toByteArray()) : std::nullopt;
}

QString RandomText(QRandomGenerator& random) {
  switch (random.bounded(3)) {
    case 0:
      return PathFromLocalBytes(RandomBytes(random, 16));
    case 1:
      return QString::fromUtf8(RandomIniFile(random).left(40));
    default: {
      QString text;  // any UTF-16, unpaired surrogates included
      for (int i = random.bounded(12); i > 0; --i)
        text += QChar(static_cast<char16_t>(random.bounded(0x10000)));
      return text;
    }
  }
}

// Bytes that are not UTF-8, open quotes, backslashes at the end, NUL bytes, lone sections:
// a save changes only what it writes, and what it writes reads back as written.
TEST(IniDocumentFuzz, ASaveChangesOnlyWhatItWritesAndReadsBackItsOwnText) {
  const QString sections[] = {QStringLiteral("Bet"),     QStringLiteral("Settings"),
                              QStringLiteral("Payouts"), QStringLiteral("Sound"),
                              QStringLiteral("Other"),   QStringLiteral("bet"),
                              QStringLiteral("General")};
  const QString keys[] = {QStringLiteral("Total"),   QStringLiteral("Amount"),
                          QStringLiteral("Sound"),   QStringLiteral("FormColor"),
                          QStringLiteral("H1"),      QStringLiteral("H4"),
                          QStringLiteral("WAVFILE1")};
  QRandomGenerator random(31337);
  for (int round = 0; round < 3000; ++round) {
    const QByteArray bytes =
        round % 4 == 0 ? RandomIniFile(random) : RandomStructuredIni(random, round % 2 == 1);
    const std::string shown = bytes.toPercentEncoding().toStdString();
    const TIniDocument before = TIniDocument::Parse(bytes);
    TIniDocument changed = before;
    std::map<std::pair<QString, QString>, QString> written;
    for (int i = random.bounded(4); i > 0; --i) {
      const QString& section = sections[random.bounded(static_cast<int>(std::size(sections)))];
      const QString& key = keys[random.bounded(static_cast<int>(std::size(keys)))];
      const QString text = RandomText(random);
      changed.SetText(section, key, text);
      written[{section, key}] = text;
    }
    const QByteArray saved = changed.Serialize();
    const TIniDocument after = TIniDocument::Parse(saved);
    ASSERT_TRUE(after.IsWellFormed()) << shown << "\nsaved as " << saved.toStdString();
    for (const QString& section : sections) {
      for (const QString& key : keys) {
        const auto it = written.find({section, key});
        if (it == written.end()) {
          ASSERT_EQ(StoredForm(after, section, key), StoredForm(before, section, key))
              << section.toStdString() << '/' << key.toStdString() << " in " << shown;
        } else {
          const std::optional<QByteArray> stored = StoredForm(after, section, key);
          ASSERT_TRUE(stored.has_value());
          ASSERT_EQ(DecodeStoredText(*stored), it->second)
              << section.toStdString() << '/' << key.toStdString() << " in " << shown;
        }
      }
    }
    // A second save of the same settings writes the same file.
    ASSERT_EQ(TIniDocument::Parse(saved).Serialize(), saved) << shown;
  }
}

}  // namespace
