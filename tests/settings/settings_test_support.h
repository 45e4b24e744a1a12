// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Shared by the settings tests and their writer helper: a private config folder per test,
// raw file access, and the "generation" record the kill test writes and checks.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <ostream>

#include "settings_store.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
  *out << '"' << bytes.toPercentEncoding(" =[]@\"").toStdString() << '"';
}

namespace settings_test {

// Every test gets its own empty config folder through XDG_CONFIG_HOME.
class ConfigFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Temp.isValid());
    SavedConfigHome = qgetenv("XDG_CONFIG_HOME");
    HadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    UseConfigFolder(Temp.path() + QStringLiteral("/config"));
    ASSERT_TRUE(QDir().mkpath(ConfigFolder));
  }
  void TearDown() override {
    if (HadConfigHome)
      qputenv("XDG_CONFIG_HOME", SavedConfigHome);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }

  void UseConfigFolder(const QString& folder) {
    ConfigFolder = folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
  }
  QString FilePath() const { return ConfigFolder + QStringLiteral("/Quorvel.ini"); }

  void WriteRaw(const QByteArray& bytes) const {
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << FilePath().toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  QByteArray ReadRaw() const {
    QFile file(FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir Temp;
  QString ConfigFolder;
  QByteArray SavedConfigHome;
  bool HadConfigHome = false;
};

// The kill test's record: every value carries the same generation number, and the sound
// paths are long so that a save takes long enough to be interrupted.
inline QString GenerationPath(int slot, int generation) {
  return QStringLiteral("/home/player/sounds/%1/").arg(slot) + QString(300, QLatin1Char('w')) +
         QStringLiteral("/win %1.wav").arg(generation);
}

inline void WriteGeneration(TSettingsStore& store, int generation) {
  store.WriteIntegerValue(QStringLiteral("Bet"), QStringLiteral("Total"), generation);
  for (int slot = 1; slot <= 9; ++slot)
    store.WriteTextValue(QStringLiteral("Sound"), QStringLiteral("WAVFILE%1").arg(slot),
                         GenerationPath(slot, generation));
  store.WriteIntegerValue(QStringLiteral("Bet"), QStringLiteral("Amount"), generation);
}

// The generation a raw file holds, or nothing when it is incomplete or mixed. Parsed by
// hand, so that no cache can hide what is on disk.
inline std::optional<int> GenerationInFile(const QByteArray& bytes) {
  QMap<QString, QString> values;
  QString section;
  const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    if (line.startsWith(QLatin1Char('['))) {
      section = line.mid(1).chopped(1);
    } else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq > 0) {
      values.insert(section + QLatin1Char('/') + line.left(eq), line.mid(eq + 1));
    }
  }
  if (!bytes.endsWith('\n') || values.size() != 11) return std::nullopt;
  bool ok = false;
  const int generation = values.value(QStringLiteral("Bet/Total")).toInt(&ok);
  if (!ok || values.value(QStringLiteral("Bet/Amount")) != QString::number(generation))
    return std::nullopt;
  for (int slot = 1; slot <= 9; ++slot)
    if (values.value(QStringLiteral("Sound/WAVFILE%1").arg(slot)) !=
        GenerationPath(slot, generation))
      return std::nullopt;
  return generation;
}

}  // namespace settings_test
