// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The per-user settings store: one INI file in the user's config folder, in the syntax
// QSettings writes (ini_format.h), every value kept as text.
//
// Failures and their messages. Each also tells, in Detail(), the file it concerns and why:
// "<file>: <reason>".
//  "Invalid data type for '%s'"  a stored value that is not plain text (a comma list,
//                                @Variant(...), @Rect(...), @ByteArray(...), @Invalid()).
//  "Failed to create key %s"     the store's folder is missing and can't be created (%s is
//                                the store name), or a section name can't be a section
//                                (empty or containing '/' or '\').
//  "Failed to set data for '%s'" a group of writes could not be saved: the folder or the
//                                file isn't writable, the disk is full, or another writer's
//                                lock was not released within kSaveWaitMilliseconds (%s is
//                                the first value of the group).
//  "Failed to get data for '%s'" a group of writes was refused because the existing file
//                                can't be read (no permission, not a regular file, too
//                                large): saving would replace settings we could not read.
// Reads never fail for a missing, unreadable or corrupt file: they give the default.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ini_format.h"

class ESettingsError : public std::runtime_error {
 public:
  explicit ESettingsError(const QString& message, QString detail = {});
  QString Message() const { return QString::fromUtf8(what()); }
  // What failed and why, "<file>: <reason>"; empty when the message says it all.
  const QString& Detail() const { return FDetail; }

 private:
  QString FDetail;
};

inline const QString kSettingsKeyName = QStringLiteral("Quorvel.ini");
// The longest a save waits for a lock another writer holds (or left behind) before it fails.
inline constexpr int kSaveWaitMilliseconds = 2000;

// $HOME, or the home folder the password database gives when $HOME is unset, empty or
// relative. Read on every call.
QString HomeFolderPath();
// $XDG_CONFIG_HOME, or HomeFolderPath()/.config when it is unset, empty or relative.
QString SettingsFolderPath();
// SettingsFolderPath()/Quorvel.ini.
QString SettingsFilePath();

// The stored-integer conversion: leading blanks, then an optional sign and decimal digits,
// or "$" and one to eight hex digits, up to the end of the text; "0x"/"0X" counts as "$"
// when the text is longer than two characters. Nothing for any other text or a decimal
// number outside the signed 32-bit range. Eight hex digits wrap ("$FFFFFFFF" is -1).
// The decimal part is the game's one reading of a number (engine/whole_number.h); the
// blanks and the hexadecimal spellings are the stored values' own, so that files other
// tools wrote read as they always have.
std::optional<std::int32_t> ParseStoredInteger(QStringView text);
// The default when the text isn't a stored integer.
std::int32_t StoredTextToInteger(QStringView text, std::int32_t def);

// One opening of the store. Reads see the file as it was at the opening plus this
// opening's own writes. Writes are collected and saved together, atomically, by
// CloseSettingsStore; a store released without it (an exception on the way) saves
// nothing. Values other copies of the game wrote in the meantime are kept, and so are the
// stored forms of values this opening did not write.
class TSettingsStore {
 public:
  // Makes the folder and an empty file when they are missing (quietly: a store that can't
  // be created reads as empty). keyName is a plain file name in the config folder.
  static TSettingsStore OpenSettingsStore(const QString& keyName = kSettingsKeyName);

  TSettingsStore(TSettingsStore&& other) noexcept;
  TSettingsStore& operator=(TSettingsStore&&) = delete;
  TSettingsStore(const TSettingsStore&) = delete;
  TSettingsStore& operator=(const TSettingsStore&) = delete;
  ~TSettingsStore();

  // The stored text (possibly empty), or def when the value is missing.
  QString ReadTextValue(const QString& section, const QString& key, const QString& def) const;
  // The stored text converted by StoredTextToInteger.
  std::int32_t ReadIntegerValue(const QString& section, const QString& key, std::int32_t def) const;
  // ReadIntegerValue with 1 or 0 as default, then "not 0".
  bool ReadBooleanValue(const QString& section, const QString& key, bool def) const;

  void WriteTextValue(const QString& section, const QString& key, const QString& text);
  void WriteIntegerValue(const QString& section, const QString& key, std::int32_t value);
  void WriteBooleanValue(const QString& section, const QString& key, bool value);

  // Saves this opening's writes and releases the store. Throws ESettingsError when they
  // could not be saved; the store is released either way, and the file is as it was. Never
  // waits much longer than kSaveWaitMilliseconds. A successful save also removes the
  // temporary files of its own kind that a save killed midway left behind, once they are a
  // minute old (store_file.h).
  void CloseSettingsStore();

  bool IsOpen() const { return FOpen; }
  const QString& FilePath() const { return FFilePath; }

 private:
  struct TPendingWrite {
    QString Section;
    QString Key;
    QString Text;
  };

  TSettingsStore(QString keyName, QString filePath);
  void RequireOpen() const;
  // Nothing when the value is missing.
  std::optional<QString> ReadStoredText(const QString& section, const QString& key) const;
  void Commit();
  void Release() noexcept;

  QString FKeyName;
  QString FFilePath;
  TIniDocument FDocument;  // empty while the file can't be read
  std::vector<TPendingWrite> FPending;
  bool FOpen = true;
};
