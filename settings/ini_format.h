#pragma once
// The settings file's syntax: the INI dialect QSettings writes, so that files written by
// either read the same. "[Section]" lines, "key=value" lines, quoting, backslash escapes,
// "%XX" in names, comma lists and "@Type(...)" for values that are not text.
//
// Only text values are ever decoded. Every other value is recognised from its stored form
// and kept exactly as stored: a value claiming 2^31 list entries is never unpacked. Bytes
// that are not UTF-8 go through file_names.h's codec both ways, and lines the game doesn't
// write are written back as they were read, so another program's values survive a save
// byte for byte.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <map>
#include <optional>

// The text a stored value holds; nothing when it is not plain text (a comma list,
// @Variant(...), @ByteArray(...), @Rect(...), @Invalid(), ...).
std::optional<QString> DecodeStoredText(QByteArrayView stored);
// The stored form of a text, as QSettings writes a string.
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
  // Sections and keys sorted by name, as QSettings writes them; one value per key.
  QByteArray Serialize() const;

 private:
  struct TEntry {
    QString Prefix;  // "Section/", or empty for [General]
    QString Key;
    QByteArray Line;  // "key=value", one whole line as stored
    qsizetype ValueStart = 0;
  };

  QByteArray FBytes;                       // what the stored lines point into
  std::map<QString, TEntry> FEntries;      // by "Section/key"
  std::map<QString, QByteArray> FHeaders;  // by prefix: the name as stored, when it can be kept
  bool FWellFormed = true;
};
