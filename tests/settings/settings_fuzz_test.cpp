// Random input against the integer conversion and against whole settings files: no crash,
// no sanitizer report, and the conversion agrees with a plain grammar.

#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "game_settings.h"
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

QByteArray RandomIniFile(QRandomGenerator& random) {
  QByteArray bytes;
  const int pieces = random.bounded(60);
  for (int i = 0; i < pieces; ++i) {
    if (random.bounded(5) == 0)
      bytes += RandomBytes(random, 8);
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

}  // namespace
