// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers

// The settings file's syntax by example: each case shows one rule, and a failure names it.
// The differential and round-trip tests (settings_fuzz_test.cpp) check the same code
// against QSettings on random files.

#include "ini_format.h"

#include <gtest/gtest.h>

#include <optional>

#include "file_names.h"
#include "settings_test_support.h"

namespace {

const std::optional<QString> kNotText = std::nullopt;

// What section/key reads as in a file.
std::optional<QString> ReadFrom(const QByteArray& file, const char* section, const char* key) {
  const TIniDocument document = TIniDocument::Parse(file);
  const std::optional<QByteArrayView> stored =
      document.Find(QString::fromLatin1(section), QString::fromLatin1(key));
  if (!stored) return QStringLiteral("<missing>");
  return DecodeStoredText(*stored);
}

struct TReadRule {
  const char* Rule;
  QByteArray File;
  const char* Section;
  const char* Key;
  std::optional<QString> Expected;
};

TEST(IniFormat, ReadingRules) {
  const TReadRule rules[] = {
      {"a plain value", "[Bet]\nTotal=100\n", "Bet", "Total", QStringLiteral("100")},
      {"blanks around names and values are dropped", "[ Bet ]\n Total =  100  \n", "Bet", "Total",
       QStringLiteral("100")},
      {"quotes keep blanks", "[Sound]\nWAVFILE1=\" a.wav \"\n", "Sound", "WAVFILE1",
       QStringLiteral(" a.wav ")},
      {"quotes keep ',' and ';'", "[Sound]\nWAVFILE1=\"a,b;c\"\n", "Sound", "WAVFILE1",
       QStringLiteral("a,b;c")},
      {"a ',' makes a list, which is not text", "[Sound]\nWAVFILE1=a.wav, b.wav\n", "Sound",
       "WAVFILE1", kNotText},
      {"a ';' starts a comment", "[Bet]\nTotal=100 ;the last game\n", "Bet", "Total",
       QStringLiteral("100")},
      {"a line starting with ';' is a comment", "[Bet]\n;Total=100\n", "Bet", "Total",
       QStringLiteral("<missing>")},
      {"escapes stand for characters", "[Sound]\nWAVFILE1=C:\\\\a\\tb\\\"c\\x41\\101\n", "Sound",
       "WAVFILE1", QStringLiteral("C:\\a\tb\"cAA")},
      {"an escaped line break continues the line", "[Sound]\nWAVFILE1=/a/\\\nb.wav\n", "Sound",
       "WAVFILE1", QStringLiteral("/a/b.wav")},
      {"a line break inside quotes is part of the value", "[Sound]\nWAVFILE1=\"a\nb\"\n", "Sound",
       "WAVFILE1", QStringLiteral("a\nb")},
      {"\\r\\n and \\r end lines too", "[Bet]\r\nAmount=1\rTotal=2\r\n", "Bet", "Total",
       QStringLiteral("2")},
      {"%XX and %UXXXX in names", "[B%65t]\n%U0054otal=7\n", "Bet", "Total", QStringLiteral("7")},
      {"[General] holds the values of no section", "[General]\nTotal=1\n", "General", "Total",
       QStringLiteral("<missing>")},
      {"[%General] is the section named General", "[General]\nTotal=1\n[%General]\nTotal=2\n",
       "General", "Total", QStringLiteral("2")},
      {"of two values of one key the last counts", "[Bet]\nTotal=1\n[Bet]\nTotal=2\n", "Bet",
       "Total", QStringLiteral("2")},
      {"a leading @@ stands for one @", "[Sound]\nWAVFILE1=@@home\n", "Sound", "WAVFILE1",
       QStringLiteral("@home")},
      {"@String(...) is text", "[Sound]\nWAVFILE1=@String(a\\0b)\n", "Sound", "WAVFILE1",
       QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
      {"@Rect(...) is not text", "[Bet]\nTotal=@Rect(1 2 3 4)\n", "Bet", "Total", kNotText},
      {"@Rect(...) with the wrong number of arguments is text", "[Bet]\nTotal=@Rect(1 2)\n", "Bet",
       "Total", QStringLiteral("@Rect(1 2)")},
      {"@Variant(...) is not text, and is never unpacked",
       "[Bet]\nTotal=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n", "Bet", "Total", kNotText},
      {"@Invalid() is not text", "[Bet]\nTotal=@Invalid()\n", "Bet", "Total", kNotText},
      {"a byte order mark may start the file", "\xEF\xBB\xBF[Bet]\nTotal=3\n", "Bet", "Total",
       QStringLiteral("3")},
      {"a line without '=' is skipped", "[Bet]\nTotal\nAmount=5\n", "Bet", "Amount",
       QStringLiteral("5")},
  };
  for (const TReadRule& rule : rules)
    EXPECT_EQ(ReadFrom(rule.File, rule.Section, rule.Key), rule.Expected) << rule.Rule;

  // Bytes that are not UTF-8 stay the bytes they were.
  const std::optional<QString> latin1 =
      ReadFrom("[Sound]\nWAVFILE1=caf\xe9.wav\n", "Sound", "WAVFILE1");
  ASSERT_TRUE(latin1.has_value());
  EXPECT_EQ(LocalBytesFromPath(*latin1), QByteArray("caf\xe9.wav"));
}

TEST(IniFormat, WritingRules) {
  const struct {
    const char* Rule;
    QString Text;
    QByteArray Stored;
  } rules[] = {
      {"plain text as it is", QStringLiteral("/a b/c.wav"), "/a b/c.wav"},
      {"UTF-8 as it is", QStringLiteral("é日"), "\xc3\xa9\xe6\x97\xa5"},
      {"blanks at an end are quoted", QStringLiteral(" a "), "\" a \""},
      {"',' ';' and '=' are quoted", QStringLiteral("a,b;c=d"), "\"a,b;c=d\""},
      {"control characters, quotes and backslashes are escaped", QStringLiteral("a\tb\"c\\d\x01"),
       "a\\tb\\\"c\\\\d\\x1"},
      {"a hex digit after a numeric escape is escaped too",
       QStringLiteral("\x01"
                      "1a"),
       "\\x1\\x31\\x61"},
      {"a leading @ is doubled", QStringLiteral("@home"), "@@home"},
      {"a NUL makes @String(...)", QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
       "@String(a\\0\\x62)"},
      {"an unpaired surrogate is escaped", QString(QChar(0xD800)), "\\xd800"},
  };
  for (const auto& rule : rules) {
    EXPECT_EQ(EncodeStoredText(rule.Text), rule.Stored) << rule.Rule;
    EXPECT_EQ(DecodeStoredText(rule.Stored), rule.Text) << rule.Rule << " (read back)";
  }
}

TEST(IniFormat, SavingRules) {
  {
    SCOPED_TRACE("sections keep their order, new ones go last, keys are sorted");
    TIniDocument document = TIniDocument::Parse("[Sound]\nb=1\n[Bet]\na=2\n");
    document.SetText(QStringLiteral("Settings"), QStringLiteral("x"), QStringLiteral("3"));
    document.SetText(QStringLiteral("Sound"), QStringLiteral("a"), QStringLiteral("0"));
    EXPECT_EQ(document.Serialize(), "[Sound]\na=0\nb=1\n\n[Bet]\na=2\n\n[Settings]\nx=3\n");
  }
  {
    SCOPED_TRACE("values not written keep their bytes; comments and junk go");
    TIniDocument document = TIniDocument::Parse(";mine\n[Other]\nName = \"Caf\xe9\" ;c\njunk\n");
    document.SetText(QStringLiteral("Bet"), QStringLiteral("Total"), QStringLiteral("1"));
    EXPECT_EQ(document.Serialize(), "[Other]\nName= \"Caf\xe9\" ;c\n\n[Bet]\nTotal=1\n");
  }
  {
    SCOPED_TRACE("names are written as %XX and %UXXXX; a section named General as %General");
    TIniDocument document;
    document.SetText(QStringLiteral("a b"), QStringLiteral("é日"), QStringLiteral("1"));
    document.SetText(QStringLiteral("General"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_EQ(document.Serialize(), "[a%20b]\n%E9%U65E5=1\n\n[%General]\nx=2\n");
  }
  {
    SCOPED_TRACE("a value the end of the file cut inside quotes is closed when written back");
    TIniDocument document = TIniDocument::Parse("[A]\nk=\"open");
    document.SetText(QStringLiteral("A"), QStringLiteral("j"), QStringLiteral("x"));
    const QByteArray saved = document.Serialize();
    EXPECT_EQ(saved, "[A]\nj=x\nk=\"open\"\n");
    EXPECT_EQ(ReadFrom(saved, "A", "k"), QStringLiteral("open"));
  }
}

}  // namespace
