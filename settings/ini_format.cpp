#include "ini_format.h"

#include <array>
#include <utility>
#include <vector>

#include "file_names.h"

namespace {

bool IsLineBlank(char c) {
  return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

bool IsLineSpecial(char c) {
  return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

struct TIniLine {
  qsizetype Start = 0;
  qsizetype Length = 0;
  qsizetype EqualsPos = -1;  // in the data, -1 when the line has none
};

// The next logical line from pos on, split as QSettings splits them: quotes run on across
// line breaks, a backslash takes the next character with it, ';' starts a comment. False
// at the end of the data.
bool ReadIniLine(QByteArrayView data, qsizetype& pos, TIniLine& line) {
  const qsizetype size = data.size();
  bool inQuotes = false;
  line.EqualsPos = -1;
  qsizetype start = pos;
  while (start < size && IsLineBlank(data[start])) ++start;
  qsizetype i = start;
  bool ended = false;
  while (i < size && !ended) {
    const char ch = data[i++];
    if (!IsLineSpecial(ch)) continue;
    if (ch == '=') {
      if (!inQuotes && line.EqualsPos == -1) line.EqualsPos = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == start + 1) {
        ++start;
      } else if (!inQuotes) {
        --i;
        ended = true;
      }
    } else if (ch == '\\') {
      if (i < size) {
        const char escaped = data[i++];
        if (i < size &&
            ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
          ++i;
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else if (i == start + 1) {  // ';' at the start: a comment line
      while (i < size && data[i] != '\n' && data[i] != '\r') ++i;
      while (i < size && IsLineBlank(data[i])) ++i;
      start = i;
    } else if (!inQuotes) {  // ';' later on ends the line
      --i;
      ended = true;
    }
  }
  pos = i;
  line.Start = start;
  line.Length = i - start;
  return line.Length > 0;
}

// A line may be left open (a quote never closed or a backslash at the end of the file, an
// escaped carriage return that would take our line feed with it) and swallow whatever we
// write after it. What closes it without changing what it reads as; nothing when no such
// ending is found.
std::optional<QByteArrayView> ClosingSuffix(QByteArrayView line, qsizetype valueStart,
                                            const std::optional<QString>& value) {
  for (const QByteArrayView suffix : {"", "\n", "\"", "\n\""}) {
    QByteArray candidate = line.toByteArray();
    candidate.append(suffix).append('\n');
    qsizetype pos = 0;
    TIniLine read;
    ReadIniLine(candidate, pos, read);
    if (read.Start == 0 && read.Length == candidate.size() - 1 &&
        DecodeStoredText(QByteArrayView(candidate).sliced(valueStart).chopped(1)) == value)
      return suffix;
  }
  return std::nullopt;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int OctalDigitValue(char c) {
  return c >= '0' && c <= '7' ? c - '0' : -1;
}

bool IsAsciiHexDigit(char16_t c) {
  return c < 0x80 && HexDigitValue(static_cast<char>(c)) >= 0;
}

void AppendUpperHex(QByteArray& out, unsigned value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
    out += "0123456789ABCDEF"[(value >> shift) & 0xF];
}

// "%XX", "%UXXXX" and "\" (for "/") as QSettings writes section and key names.
QByteArray EscapeName(QStringView name) {
  QByteArray out;
  out.reserve(name.size());
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                       (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'.';
    if (u == u'/') {
      out += '\\';
    } else if (plain) {
      out += static_cast<char>(u);
    } else if (u <= 0xFF) {
      out += '%';
      AppendUpperHex(out, u, 2);
    } else {
      out += "%U";
      AppendUpperHex(out, u, 4);
    }
  }
  return out;
}

QString UnescapeName(QByteArrayView stored) {
  const QString decoded = PathFromLocalBytes(stored);
  const qsizetype size = decoded.size();
  QString name;
  name.reserve(size);
  for (qsizetype i = 0; i < size;) {
    const QChar c = decoded[i];
    if (c == u'\\') {
      name += u'/';
      ++i;
      continue;
    }
    if (c != u'%' || i == size - 1) {
      name += c;
      ++i;
      continue;
    }
    qsizetype first = i + 1;
    qsizetype digits = 2;
    if (decoded[first] == u'U') {
      ++first;
      digits = 4;
    }
    bool ok = false;
    const ushort code =
        first + digits <= size ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
    if (!ok) {
      name += u'%';
      ++i;
      continue;
    }
    name += QChar(code);
    i = first + digits;
  }
  return name;
}

// A section name as stored can be written back as it was when it reads back the same and
// can't disturb the lines after it.
bool IsKeepableHeader(QByteArrayView stored) {
  if (stored.isEmpty() || stored.compare("general", Qt::CaseInsensitive) == 0 ||
      stored.compare("%general", Qt::CaseInsensitive) == 0)
    return false;
  for (const char c : stored)
    if (c == '"' || c == '\\' || c == ';' || c == '[' || c == ']' || c == '\n' || c == '\r')
      return false;
  return true;
}

const char* EscapedCharacter(char c) {
  static constexpr std::array<std::pair<char, char>, 11> kEscapes = {{{'a', '\a'},
                                                                      {'b', '\b'},
                                                                      {'f', '\f'},
                                                                      {'n', '\n'},
                                                                      {'r', '\r'},
                                                                      {'t', '\t'},
                                                                      {'v', '\v'},
                                                                      {'"', '"'},
                                                                      {'?', '?'},
                                                                      {'\'', '\''},
                                                                      {'\\', '\\'}}};
  for (const auto& escape : kEscapes)
    if (escape.first == c) return &escape.second;
  return nullptr;
}

void ChopTrailingBlanks(QString& text, qsizetype limit) {
  qsizetype n = text.size();
  while (n > limit && (text[n - 1] == u' ' || text[n - 1] == u'\t')) --n;
  text.truncate(n);
}

// A value as QSettings unescapes it; nothing for a comma list, which is never text.
std::optional<QString> UnescapeValue(QByteArrayView stored) {
  const qsizetype size = stored.size();
  QString text;
  qsizetype i = 0;
  bool inQuotes = false;
  bool quoted = false;
  bool skipBlanks = true;
  for (;;) {
    if (skipBlanks) {
      while (i < size && (stored[i] == ' ' || stored[i] == '\t')) ++i;
      skipBlanks = false;
    }
    // Trailing blanks are cut back to here, never into escaped or quoted text.
    qsizetype chopLimit = text.size();
    enum class TNext { End, EndUnchopped, Resume, ResumeAfterBlanks, Number } next = TNext::End;
    char16_t number = 0;
    int base = 0;
    while (i < size && next == TNext::End) {
      const char ch = stored[i];
      if (ch == '\\') {
        if (++i >= size) {
          next = TNext::EndUnchopped;
          break;
        }
        const char escaped = stored[i++];
        if (const char* character = EscapedCharacter(escaped)) {
          text += QLatin1Char(*character);
          next = TNext::Resume;
        } else if (escaped == 'x') {
          if (i >= size) {
            next = TNext::EndUnchopped;
          } else if (HexDigitValue(stored[i]) >= 0) {
            base = 16;
            next = TNext::Number;
          }
        } else if (OctalDigitValue(escaped) >= 0) {
          number = static_cast<char16_t>(OctalDigitValue(escaped));
          base = 8;
          next = TNext::Number;
        } else if ((escaped == '\n' || escaped == '\r') && i < size &&
                   (stored[i] == '\n' || stored[i] == '\r') && stored[i] != escaped) {
          ++i;  // an escaped line break of two characters
        }
        if (next == TNext::End) chopLimit = text.size();
      } else if (ch == '"') {
        ++i;
        quoted = true;
        inQuotes = !inQuotes;
        if (!inQuotes) next = TNext::ResumeAfterBlanks;
      } else if (ch == ',' && !inQuotes) {
        return std::nullopt;
      } else {
        qsizetype j = i + 1;
        while (j < size && stored[j] != '\\' && stored[j] != '"' && stored[j] != ',') ++j;
        text += PathFromLocalBytes(stored.sliced(i, j - i));
        i = j;
      }
    }
    switch (next) {
      case TNext::End:
        if (!quoted) ChopTrailingBlanks(text, chopLimit);
        return text;
      case TNext::EndUnchopped:
        return text;
      case TNext::Resume:
        break;
      case TNext::ResumeAfterBlanks:
        skipBlanks = true;
        break;
      case TNext::Number: {
        const auto digitValue = base == 16 ? HexDigitValue : OctalDigitValue;
        for (; i < size && digitValue(stored[i]) >= 0; ++i)
          number = static_cast<char16_t>(number * base + digitValue(stored[i]));
        text += QChar(number);
        if (i >= size) return text;
        break;
      }
    }
  }
}

// How many arguments QSettings would find in "@Rect(1 2 3 4)" and the like.
qsizetype ArgumentCount(QStringView text, qsizetype open) {
  qsizetype count = 0;
  for (const QChar c : text.sliced(open + 1))
    if (c == u' ' || c == u')') ++count;
  return count;
}

void AppendHexEscape(QByteArray& out, char16_t c) {
  out += "\\x";
  out += QByteArray::number(static_cast<uint>(c), 16);
}

// A string as QSettings escapes it. Unpaired surrogates that stand for bytes that are not
// UTF-8 become those bytes when asked; every other unpaired surrogate becomes "\x" + hex.
QByteArray EscapeString(QStringView text, bool rawBytes) {
  QByteArray out;
  out.reserve(text.size() + 2);
  bool needsQuotes = false;
  bool escapeNextIfDigit = false;
  QString run;  // printable text, encoded as a whole
  const auto flush = [&] {
    out += LocalBytesFromPath(run);
    run.clear();
  };
  for (qsizetype k = 0; k < text.size(); ++k) {
    const char16_t c = text[k].unicode();
    if (c == u';' || c == u',' || c == u'=') needsQuotes = true;
    if (escapeNextIfDigit && IsAsciiHexDigit(c)) {
      flush();
      AppendHexEscape(out, c);
      continue;
    }
    escapeNextIfDigit = false;
    const char* escape = nullptr;
    switch (c) {
      case u'\0':
        escape = "\\0";
        escapeNextIfDigit = true;
        break;
      case u'\a':
        escape = "\\a";
        break;
      case u'\b':
        escape = "\\b";
        break;
      case u'\f':
        escape = "\\f";
        break;
      case u'\n':
        escape = "\\n";
        break;
      case u'\r':
        escape = "\\r";
        break;
      case u'\t':
        escape = "\\t";
        break;
      case u'\v':
        escape = "\\v";
        break;
      case u'"':
        escape = "\\\"";
        break;
      case u'\\':
        escape = "\\\\";
        break;
      default:
        break;
    }
    if (escape) {
      flush();
      out += escape;
      continue;
    }
    const bool paired = QChar::isHighSurrogate(c) && k + 1 < text.size() &&
                        QChar::isLowSurrogate(text[k + 1].unicode());
    const bool byte = rawBytes && c >= 0xDC80 && c <= 0xDCFF;
    if (c <= 0x1F || (QChar::isSurrogate(c) && !paired && !byte)) {
      flush();
      AppendHexEscape(out, c);
      escapeNextIfDigit = true;
      continue;
    }
    run += QChar(c);
    if (paired) run += text[++k];
  }
  flush();
  if (needsQuotes || out.startsWith(' ') || out.endsWith(' ')) {
    out.prepend('"');
    out += '"';
  }
  return out;
}

QString SectionName(const QString& prefix) {
  return prefix.isEmpty() ? prefix : prefix.chopped(1);
}

}  // namespace

std::optional<QString> DecodeStoredText(QByteArrayView stored) {
  std::optional<QString> text = UnescapeValue(stored);
  if (!text || !text->startsWith(u'@')) return text;
  const QString& s = *text;
  if (s.endsWith(u')')) {
    // Decoding any of these could ask for whatever size they claim.
    if (s.startsWith(QLatin1String("@ByteArray(")) || s.startsWith(QLatin1String("@Variant(")) ||
        s.startsWith(QLatin1String("@DateTime(")) || s == QLatin1String("@Invalid()"))
      return std::nullopt;
    if (s.startsWith(QLatin1String("@String("))) return s.sliced(8).chopped(1);
    if (s.startsWith(QLatin1String("@Rect(")) && ArgumentCount(s, 5) == 4) return std::nullopt;
    if (s.startsWith(QLatin1String("@Size(")) && ArgumentCount(s, 5) == 2) return std::nullopt;
    if (s.startsWith(QLatin1String("@Point(")) && ArgumentCount(s, 6) == 2) return std::nullopt;
  }
  if (s.startsWith(QLatin1String("@@"))) return s.sliced(1);
  return text;
}

QByteArray EncodeStoredText(QStringView text) {
  // As QSettings marks text it could mistake for something else.
  const bool withNul = text.contains(QChar(0));
  QString marked = withNul                 ? QStringLiteral("@String(")
                   : text.startsWith(u'@') ? QStringLiteral("@")
                                           : QString();
  marked += text;
  if (withNul) marked += u')';
  QByteArray stored = EscapeString(marked, true);
  // Bytes that stand for themselves can run together into valid UTF-8 and read back as
  // another letter; such text is stored with escapes instead.
  const std::optional<QString> back = DecodeStoredText(stored);
  if (!back || *back != text) stored = EscapeString(marked, false);
  return stored;
}

TIniDocument TIniDocument::Parse(QByteArray bytes) {
  TIniDocument document;
  document.FBytes = std::move(bytes);
  QByteArrayView data = document.FBytes;
  if (data.startsWith("\xef\xbb\xbf")) data = data.sliced(3);

  QString prefix;  // [General] until the first section line
  qsizetype pos = 0;
  TIniLine line;
  while (ReadIniLine(data, pos, line)) {
    const QByteArrayView text = data.sliced(line.Start, line.Length);
    if (text.startsWith('[')) {
      qsizetype close = text.indexOf(']');
      if (close < 0) {
        document.FWellFormed = false;
        close = text.size();
      }
      const QByteArrayView stored = text.first(close).sliced(1).trimmed();
      if (stored.compare("general", Qt::CaseInsensitive) == 0) {
        prefix.clear();
        continue;
      }
      prefix = stored.compare("%general", Qt::CaseInsensitive) == 0
                   ? QString::fromLatin1(stored.sliced(1))
                   : UnescapeName(stored);
      prefix += u'/';
      if (IsKeepableHeader(stored)) document.FHeaders.try_emplace(prefix, stored.toByteArray());
      continue;
    }
    if (line.EqualsPos < 0) {
      if (!text.startsWith(';')) document.FWellFormed = false;
      continue;
    }
    const qsizetype equals = line.EqualsPos - line.Start;
    const QString key = UnescapeName(text.first(equals).trimmed());
    QByteArray stored = QByteArray::fromRawData(text.data(), text.size());
    // Only a line at the end of the file, or one whose last character is a line break a
    // backslash took with it, can run on into the line after it.
    if (line.Start + line.Length == data.size() || text.endsWith('\r') || text.endsWith('\n')) {
      const std::optional<QByteArrayView> suffix =
          ClosingSuffix(text, equals + 1, DecodeStoredText(text.sliced(equals + 1)));
      if (!suffix) {
        document.FWellFormed = false;
        continue;
      }
      if (!suffix->isEmpty()) stored = text.toByteArray().append(*suffix);
    }
    document.FEntries[prefix + key] = TEntry{prefix, key, std::move(stored), equals + 1};
  }
  return document;
}

std::optional<QByteArrayView> TIniDocument::Find(const QString& section, const QString& key) const {
  const auto it = FEntries.find(section + u'/' + key);
  if (it == FEntries.end()) return std::nullopt;
  return QByteArrayView(it->second.Line).sliced(it->second.ValueStart);
}

void TIniDocument::SetText(const QString& section, const QString& key, QStringView text) {
  const QString prefix = section + u'/';
  QByteArray line = EscapeName(key) + '=';
  const qsizetype valueStart = line.size();
  line += EncodeStoredText(text);
  FEntries[prefix + key] = TEntry{prefix, key, std::move(line), valueStart};
}

QByteArray TIniDocument::Serialize() const {
  // Entries of one prefix follow each other in key order; sections go by name.
  std::map<std::pair<QString, QString>, std::vector<const TEntry*>> sections;
  for (const auto& [fullKey, entry] : FEntries)
    sections[{SectionName(entry.Prefix), entry.Prefix}].push_back(&entry);

  QByteArray out;
  for (const auto& [name, entries] : sections) {
    const QString& prefix = name.second;
    if (!out.isEmpty()) out += '\n';
    if (prefix.isEmpty()) {
      out += "[General]";
    } else if (const auto stored = FHeaders.find(prefix); stored != FHeaders.end()) {
      out += '[' + stored->second + ']';
    } else {
      const QByteArray escaped = EscapeName(name.first);
      // A section really named "General" must not turn into the one without a name.
      const bool general = escaped.compare("general", Qt::CaseInsensitive) == 0;
      out += (general ? "[%" : "[") + escaped + ']';
    }
    out += '\n';
    for (const TEntry* entry : entries) {
      out += entry->Line;
      out += '\n';
    }
  }
  return out;
}
