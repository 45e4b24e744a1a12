// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The settings file's syntax: the INI dialect QSettings writes, so that files written by
// either read the same. "[Section]" lines, "key=value" lines, quoting, backslash escapes,
// "%XX" in names, comma lists and "@Type(...)" for values that are not text.
//
// Only text values are ever decoded. Every other value is recognised from its stored form
// and kept exactly as stored: a value claiming 2^31 list entries is never unpacked. Bytes
// that are not UTF-8 go through file_names.h's codec both ways, and values the game doesn't
// write are written back as they were read, so another program's values survive a save
// byte for byte.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <map>
#include <optional>
#include <vector>

// The text a stored value holds; nothing when it is not plain text (a comma list,
// @Variant(...), @ByteArray(...), @Rect(...), @Invalid(), ...).
std::optional<QString> DecodeStoredText(QByteArrayView stored);
// The stored form of a text, as QSettings writes a string. Unlike QSettings it keeps every
// UTF-16 text whole, unpaired surrogates included.
QByteArray EncodeStoredText(QStringView text);

class TIniDocument {
 public:
  // Never fails: lines that mean nothing are skipped, as QSettings skips them.
  static TIniDocument Parse(QByteArray bytes);

  // False when some lines were neither a section, a value nor a comment.
  bool IsWellFormed() const { return FWellFormed; }
  // The stored form of section/key, valid while the document lives and is unchanged.
  std::optional<QByteArrayView> Find(const QString& section, const QString& key) const;
  void SetText(const QString& section, const QString& key, QStringView text);
  // Sections in the order they first appear in the file, new ones last; the keys of each
  // sorted by name, as QSettings writes them; one value per key.
  QByteArray Serialize() const;

 private:
  struct TSection {
    QString Name;       // as QSettings names it; empty for [General]
    bool Root = false;  // [General]: its keys have no section part
    QByteArray Header;  // what goes between "[" and "]"
  };
  struct TEntry {
    int Section = 0;
    QString Path;        // "Section/key", or "key" in [General]
    QByteArray Key;      // the key as written
    QByteArray Value;    // the stored form
    bool Counts = true;  // false once a later line gave the same path a value
  };

  // The section a section line opens, by its name as it stands in the file.
  int OpenSection(QByteArrayView raw);
  int SectionNamed(const QString& name);
  int RootSection();
  void AddValue(int section, QByteArrayView rawKey, QByteArray value);

  QByteArray FBytes;  // the file as read: entries share its memory
  std::vector<TSection> FSections;
  std::map<QString, int> FSectionByName;  // all but [General]
  int FRoot = -1;
  std::vector<TEntry> FEntries;
  std::map<QString, int> FByPath;  // the entry that counts for each path
  bool FWellFormed = true;
};
