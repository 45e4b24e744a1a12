// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "ini_format.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "file_names.h"

namespace {

// ---------------------------------------------------------------------------------------
// What each byte means. Bytes not listed (letters, digits, UTF-8 sequences) are plain.

enum TByteClass : std::uint8_t {
  bcPlain,
  bcBlank,    // ' ' '\t': may stand before a '[', trimmed around values and names
  bcSpace,    // '\v' '\f': trimmed around names, kept in values
  bcBreak,    // '\n' '\r'
  bcQuote,    // '"'
  bcEscape,   // '\\'
  bcComment,  // ';'
  bcEquals,   // '='
  bcComma,    // ','
};

constexpr std::array<TByteClass, 256> MakeByteClasses() {
  std::array<TByteClass, 256> classes{};
  classes[' '] = classes['\t'] = bcBlank;
  classes['\v'] = classes['\f'] = bcSpace;
  classes['\n'] = classes['\r'] = bcBreak;
  classes['"'] = bcQuote;
  classes['\\'] = bcEscape;
  classes[';'] = bcComment;
  classes['='] = bcEquals;
  classes[','] = bcComma;
  return classes;
}
constexpr std::array<TByteClass, 256> kByteClass = MakeByteClasses();

TByteClass ClassOf(char c) {
  return kByteClass[static_cast<std::uint8_t>(c)];
}

// The escapes that stand for one character, used both ways. `\'` and `\?` are only read:
// those characters are written as they are.
struct TNamedEscape {
  char Letter;
  char16_t Character;
  bool Written;
};
constexpr TNamedEscape kNamedEscapes[] = {
    {'a', u'\a', true},  {'b', u'\b', true},   {'f', u'\f', true}, {'n', u'\n', true},
    {'r', u'\r', true},  {'t', u'\t', true},   {'v', u'\v', true}, {'"', u'"', true},
    {'\\', u'\\', true}, {'\'', u'\'', false}, {'?', u'?', false},
};

const TNamedEscape* EscapeByLetter(char letter) {
  for (const TNamedEscape& e : kNamedEscapes)
    if (e.Letter == letter) return &e;
  return nullptr;
}

const TNamedEscape* EscapeByCharacter(char16_t c) {
  for (const TNamedEscape& e : kNamedEscapes)
    if (e.Written && e.Character == c) return &e;
  return nullptr;
}

int DigitValue(char16_t c, int base) {
  int value = -1;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(QByteArray& out, char16_t unit, int width, bool upper) {
  char digits[4];
  int count = 0;
  do {
    digits[count++] = kHexDigits[unit & 0xF];
    unit = static_cast<char16_t>(unit >> 4);
  } while (unit != 0 || count < width);
  while (count > 0) {
    const char digit = digits[--count];
    out += upper && digit >= 'a' ? static_cast<char>(digit - 'a' + 'A') : digit;
  }
}

// ---------------------------------------------------------------------------------------
// The line reader. A logical line runs to the next line break outside quotes. A backslash
// takes the next byte with it; when that byte is a line break the line goes on (one "\r\n"
// or "\n\r" counts as one break). Inside quotes a line break is part of the line. A ';'
// outside quotes starts a comment, in which quotes and backslashes mean nothing.

enum TLineState : std::uint8_t { lsText, lsQuoted, lsComment };

// How a line stops. One that the end of the file cut inside quotes or after a backslash,
// or that ends right after a line continuation, would take the next line in when written
// back with a line break after it; the suffix closes it without changing what it says.
enum TLineEnd : std::uint8_t { leClosed, leEscape, leQuoted, leQuotedEscape, leContinued };
constexpr const char* kClosingSuffix[] = {"", ";", "\"", ";\"", ";"};

struct TLine {
  qsizetype Begin = 0;       // after the line breaks before it
  qsizetype End = 0;         // before the line break that ends it
  qsizetype Separator = -1;  // the first '=' outside quotes, escapes and comments
  qsizetype Comment = -1;    // the ';' that starts a comment
  TLineEnd Ending = leClosed;
};

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// Reads the next logical line from `at` on and leaves `at` after it.
std::optional<TLine> ReadLine(QByteArrayView bytes, qsizetype& at) {
  const qsizetype size = bytes.size();
  while (at < size && ClassOf(bytes[at]) == bcBreak) ++at;
  if (at == size) return std::nullopt;
  TLine line;
  line.Begin = at;
  TLineState state = lsText;
  bool escaped = false;
  bool continued = false;
  for (; at < size; ++at) {
    const TByteClass c = ClassOf(bytes[at]);
    if (escaped) {
      escaped = false;
      if (c == bcBreak) {
        if (at + 1 < size && ClassOf(bytes[at + 1]) == bcBreak && bytes[at + 1] != bytes[at]) ++at;
        continued = true;
      }
      continue;
    }
    if (c == bcBreak && state != lsQuoted) break;
    continued = false;
    switch (state) {
      case lsText:
        if (c == bcEscape) escaped = true;
        if (c == bcQuote) state = lsQuoted;
        if (c == bcEquals && line.Separator < 0) line.Separator = at;
        if (c == bcComment) {
          line.Comment = at;
          state = lsComment;
        }
        break;
      case lsQuoted:
        if (c == bcEscape) escaped = true;
        if (c == bcQuote) state = lsText;
        break;
      case lsComment:
        break;
    }
  }
  line.End = at;
  if (escaped)
    line.Ending = state == lsQuoted ? leQuotedEscape : leEscape;
  else if (state == lsQuoted)
    line.Ending = leQuoted;
  else if (continued)
    line.Ending = leContinued;
  return line;
}

// Where "[" opens a section line, or -1: after blanks, and at the start of the file after
// a byte order mark.
qsizetype SectionLineOpening(QByteArrayView bytes, const TLine& line) {
  qsizetype at = line.Begin;
  if (at == 0 && bytes.startsWith(kByteOrderMark)) at = kByteOrderMark.size();
  while (at < line.End && ClassOf(bytes[at]) == bcBlank) ++at;
  return at < line.End && bytes[at] == '[' ? at : -1;
}

// Names lose the white space around them.
QByteArrayView TrimmedName(QByteArrayView raw) {
  const auto isSpace = [](char c) {
    const TByteClass k = ClassOf(c);
    return k == bcBlank || k == bcSpace || k == bcBreak;
  };
  while (!raw.isEmpty() && isSpace(raw.front())) raw = raw.sliced(1);
  while (!raw.isEmpty() && isSpace(raw.back())) raw.chop(1);
  return raw;
}

// ---------------------------------------------------------------------------------------
// Names of sections and keys. "%XX" is the character XX, "%UXXXX" the UTF-16 unit XXXX, a
// backslash the '/' that separates the parts of a path; other bytes are UTF-8.

bool IsLiteralNameCharacter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'_' || c == u'-' || c == u'.';
}

// The number in the `width` bytes at `at`, or -1: hex digits, which may have white space
// around them, a '+' and a "0x" before them.
int PercentField(QByteArrayView raw, qsizetype at, int width) {
  if (at + width > raw.size()) return -1;
  QByteArrayView field = TrimmedName(raw.sliced(at, width));
  if (field.startsWith('+')) field = field.sliced(1);
  if (field.startsWith("0x") || field.startsWith("0X")) field = field.sliced(2);
  if (field.isEmpty()) return -1;
  int value = 0;
  for (const char c : field) {
    const int digit = DigitValue(static_cast<unsigned char>(c), 16);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

bool IsAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AppendName(QString& name, QByteArrayView raw) {
  const bool escapes = raw.contains('%') || raw.contains('\\');
  if (!escapes && IsAscii(raw)) {
    name += QLatin1StringView(raw);
    return;
  }
  // A byte order mark is dropped at the start of a name, as at the start of a value.
  if (raw.startsWith(kByteOrderMark)) raw = raw.sliced(kByteOrderMark.size());
  if (!escapes) {
    name += PathFromLocalBytes(raw);
    return;
  }
  qsizetype plainFrom = 0;
  const auto takePlain = [&](qsizetype to) {
    if (to > plainFrom) name += PathFromLocalBytes(raw.sliced(plainFrom, to - plainFrom));
  };
  for (qsizetype i = 0; i < raw.size();) {
    char16_t decoded = 0;
    qsizetype length = 0;
    if (raw[i] == '\\') {
      decoded = u'/';
      length = 1;
    } else if (raw[i] == '%') {
      const bool wide = i + 1 < raw.size() && raw[i + 1] == 'U';
      const int value = wide ? PercentField(raw, i + 2, 4) : PercentField(raw, i + 1, 2);
      if (value >= 0) {
        decoded = static_cast<char16_t>(value);
        length = wide ? 6 : 3;
      }
    }
    if (length == 0) {
      ++i;
      continue;
    }
    takePlain(i);
    name += QChar(decoded);
    i += length;
    plainFrom = i;
  }
  takePlain(raw.size());
}

QString DecodeName(QByteArrayView raw) {
  QString name;
  AppendName(name, raw);
  return name;
}

QString JoinPath(QStringView section, QStringView key) {
  QString path;
  path.reserve(section.size() + 1 + key.size());
  path += section;
  path += QLatin1Char('/');
  path += key;
  return path;
}

QByteArray EncodeName(QStringView name) {
  QByteArray out;
  out.reserve(name.size());
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if (IsLiteralNameCharacter(u)) {
      out += static_cast<char>(u);
    } else if (u < 0x100) {
      out += '%';
      AppendHex(out, u, 2, true);
    } else {
      out += "%U";
      AppendHex(out, u, 4, true);
    }
  }
  return out;
}

// [General] holds the keys that belong to no section, so a section really named General is
// written [%General].
constexpr QLatin1StringView kRootName("General");

bool IsRootSpelling(QByteArrayView raw) {
  return QLatin1StringView(raw).compare(kRootName, Qt::CaseInsensitive) == 0;
}

bool IsEscapedRootSpelling(QByteArrayView raw) {
  return raw.startsWith('%') && IsRootSpelling(raw.sliced(1));
}

// A section name that reads back the same when written between brackets as it is.
bool CanWriteNameAsRead(QByteArrayView raw) {
  return std::none_of(raw.begin(), raw.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || c == '"' || c == '\\' || c == ';' || c == '[' || c == ']';
  });
}

QByteArray SectionHeaderText(QStringView name) {
  const QByteArray encoded = EncodeName(name);
  return IsRootSpelling(encoded) ? '%' + encoded : encoded;
}

// A key spelling that reads back the same at the start of a line, before a '='.
bool CanWriteKeyAsRead(QByteArrayView raw) {
  if (raw.startsWith('[')) return false;
  // An odd backslash at the end would take the '=' with it.
  qsizetype backslashes = 0;
  while (backslashes < raw.size() && raw[raw.size() - 1 - backslashes] == '\\') ++backslashes;
  return backslashes % 2 == 0;
}

// ---------------------------------------------------------------------------------------
// Values. A value is one or more elements separated by ',' outside quotes, up to a ';'
// outside quotes. In an element, blanks at the start and after a closing quote are skipped;
// blanks at the end are dropped unless the element has quotes. A backslash escape (also
// one that stands for nothing) keeps the blanks before it.

enum TValueState : std::uint8_t { vsLead, vsPlain, vsQuoted, vsAfterQuote };

// One element as it is read.
class TElement {
 public:
  // decodedAny: whether the value has decoded text before this element.
  explicit TElement(bool& decodedAny) : FDecodedAny(decodedAny) {}

  TValueState State = vsLead;

  // A blank outside quotes: skipped at the start and after a closing quote, otherwise kept
  // only if something follows.
  void Blank(char c) {
    if (State == vsPlain) FPending += QLatin1Char(c);
  }
  void Byte(char c) {
    KeepBlanks();
    FBytes += c;
  }
  // A quote outside quotes.
  void OpenQuote() {
    KeepBlanks();
    FQuoted = true;
    State = vsQuoted;
  }
  // An escape; unit -1 when it stands for nothing.
  void Escape(int unit) {
    if (State != vsQuoted) State = vsPlain;
    KeepBlanks();
    if (unit < 0) return;
    TakeBytes();
    FText += QChar(static_cast<char16_t>(unit));
  }
  QString Finish() {
    if (FQuoted) KeepBlanks();
    TakeBytes();
    return FText;
  }

 private:
  void KeepBlanks() {
    if (FPending.isEmpty()) return;
    TakeBytes();
    FText += FPending;
    FPending.clear();
    FDecodedAny = true;
  }
  // Decoded in runs, so that a UTF-8 sequence stays whole. A byte order mark is dropped
  // where the value's text begins.
  void TakeBytes() {
    if (FBytes.isEmpty()) return;
    QByteArrayView bytes(FBytes);
    if (!FDecodedAny && bytes.startsWith(kByteOrderMark)) bytes = bytes.sliced(3);
    FText += PathFromLocalBytes(bytes);
    FBytes.clear();
    FDecodedAny = true;
  }

  bool& FDecodedAny;
  QString FText;
  QString FPending;
  QByteArray FBytes;
  bool FQuoted = false;  // an element with quotes keeps the blanks at its end
};

// Reads the escape whose backslash is just before `at`; gives the next position and the
// unit it stands for (-1 for none).
qsizetype ReadEscape(QByteArrayView stored, qsizetype at, int& unit) {
  unit = -1;
  if (at == stored.size()) return at;
  const char letter = stored[at];
  if (const TNamedEscape* named = EscapeByLetter(letter)) {
    unit = named->Character;
    return at + 1;
  }
  const bool hex = letter == 'x';
  if (hex || DigitValue(static_cast<unsigned char>(letter), 8) >= 0) {
    const int base = hex ? 16 : 8;
    qsizetype i = hex ? at + 1 : at;
    const qsizetype first = i;
    int value = 0;
    // As many digits as there are; the value keeps its low 16 bits.
    for (; i < stored.size(); ++i) {
      const int digit = DigitValue(static_cast<unsigned char>(stored[i]), base);
      if (digit < 0) break;
      value = (value * base + digit) & 0xFFFF;
    }
    if (i > first) unit = value;
    return i;
  }
  // A line continuation, or a byte with no escape of its own: both stand for nothing.
  if (ClassOf(letter) == bcBreak && at + 1 < stored.size() && ClassOf(stored[at + 1]) == bcBreak &&
      stored[at + 1] != letter)
    return at + 2;
  return at + 1;
}

// The first element's text and how many elements there are.
std::pair<QString, int> ReadElements(QByteArrayView stored) {
  QString first;
  int count = 0;
  bool decodedAny = false;
  std::optional<TElement> element(std::in_place, decodedAny);
  const auto finish = [&] {
    QString text = element->Finish();
    if (count++ == 0) first = std::move(text);
    element.emplace(decodedAny);
  };
  for (qsizetype i = 0; i < stored.size();) {
    const char c = stored[i];
    const TByteClass k = ClassOf(c);
    if (k == bcEscape) {
      int unit = -1;
      i = ReadEscape(stored, i + 1, unit);
      element->Escape(unit);
      continue;
    }
    ++i;
    if (element->State == vsQuoted) {
      if (k == bcQuote)
        element->State = vsAfterQuote;
      else
        element->Byte(c);
    } else if (k == bcComment) {
      break;
    } else if (k == bcComma) {
      finish();
    } else if (k == bcQuote) {
      element->OpenQuote();
    } else if (k == bcBlank) {
      element->Blank(c);
    } else {
      element->State = vsPlain;
      element->Byte(c);
    }
  }
  finish();
  return {first, count};
}

// A single element's text as QSettings takes it: a leading '@' tags a type.
std::optional<QString> UntaggedText(const QString& text) {
  if (!text.startsWith(QLatin1Char('@'))) return text;
  if (text.startsWith(QLatin1String("@@"))) return text.mid(1);
  if (!text.endsWith(QLatin1Char(')'))) return text;
  if (text == QLatin1String("@Invalid()")) return std::nullopt;
  struct TTag {
    QLatin1StringView Opening;
    int Arguments;  // as many as the type needs; 0 for any
  };
  static constexpr TTag kTags[] = {
      {QLatin1StringView("@ByteArray("), 0}, {QLatin1StringView("@Variant("), 0},
      {QLatin1StringView("@DateTime("), 0},  {QLatin1StringView("@Rect("), 4},
      {QLatin1StringView("@Size("), 2},      {QLatin1StringView("@Point("), 2}};
  const QLatin1StringView kString("@String(");
  if (text.startsWith(kString))
    return text.sliced(kString.size(), text.size() - kString.size() - 1);
  for (const TTag& tag : kTags) {
    if (!text.startsWith(tag.Opening)) continue;
    if (tag.Arguments == 0) return std::nullopt;
    // The arguments are separated by blanks; a ')' inside separates as well.
    const QStringView inside =
        QStringView(text).sliced(tag.Opening.size(), text.size() - tag.Opening.size() - 1);
    const auto separators = std::count_if(inside.begin(), inside.end(), [](QChar c) {
      return c == QLatin1Char(' ') || c == QLatin1Char(')');
    });
    return separators + 1 == tag.Arguments ? std::nullopt : std::optional<QString>(text);
  }
  return text;
}

// Units U+DC80..U+DCFF stand for bytes that are not UTF-8 (file_names.h). They can be written
// as those bytes when the bytes read back as the same text.
bool EscapedBytesReadBack(QStringView text) {
  const bool any = std::any_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
  });
  return !any || PathFromLocalBytes(LocalBytesFromPath(text)) == text;
}

// The raw name of a section line: up to the first ']', or to the comment or the end of the
// line.
QByteArrayView SectionNameOf(QByteArrayView bytes, const TLine& line, qsizetype opening) {
  const qsizetype limit = line.Comment >= 0 ? line.Comment : line.End;
  const QByteArrayView inside = bytes.sliced(opening + 1, limit - opening - 1);
  const qsizetype closing = inside.indexOf(']');
  return TrimmedName(closing >= 0 ? inside.first(closing) : inside);
}

// What follows the '=' of a value line, as it stands in the file (sharing its memory), or
// closed when the line was left open.
QByteArray StoredForm(QByteArrayView bytes, const TLine& line) {
  const QByteArrayView stored = bytes.sliced(line.Separator + 1, line.End - line.Separator - 1);
  if (line.Ending == leClosed) return QByteArray::fromRawData(stored.data(), stored.size());
  return stored.toByteArray() + kClosingSuffix[line.Ending];
}

}  // namespace

std::optional<QString> DecodeStoredText(QByteArrayView stored) {
  // Most values are plain ASCII with nothing to unquote, unescape or split.
  const bool plain = std::all_of(stored.begin(), stored.end(), [](char c) {
    const TByteClass k = ClassOf(c);
    return static_cast<unsigned char>(c) < 0x80 && k != bcQuote && k != bcEscape &&
           k != bcComment && k != bcComma;
  });
  if (plain) {
    while (!stored.isEmpty() && ClassOf(stored.front()) == bcBlank) stored = stored.sliced(1);
    while (!stored.isEmpty() && ClassOf(stored.back()) == bcBlank) stored.chop(1);
    return UntaggedText(QString::fromLatin1(stored));
  }
  const auto [first, elements] = ReadElements(stored);
  if (elements != 1) return std::nullopt;
  return UntaggedText(first);
}

QByteArray EncodeStoredText(QStringView text) {
  // QSettings tags a text holding a NUL as @String(...), and one starting with '@' with a
  // second '@'.
  QByteArrayView opening;
  QByteArrayView closing;
  if (text.contains(QChar(0)))
    opening = "@String(", closing = ")";
  else if (text.startsWith(QLatin1Char('@')))
    opening = "@";
  const bool quoted = (opening.isEmpty() && text.startsWith(QLatin1Char(' '))) ||
                      (closing.isEmpty() && text.endsWith(QLatin1Char(' '))) ||
                      text.contains(QLatin1Char(',')) || text.contains(QLatin1Char(';')) ||
                      text.contains(QLatin1Char('='));
  const bool bytesAsBytes = EscapedBytesReadBack(text);

  QByteArray out;
  out.reserve(text.size() + 8);
  if (quoted) out += '"';
  out += opening;
  // After a numeric escape a hex digit would be read as part of it.
  bool afterNumber = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    const bool pair = QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                      QChar::isLowSurrogate(text[i + 1].unicode());
    const TNamedEscape* named = EscapeByCharacter(u);
    bool number = false;
    if (pair) {
      out += text.sliced(i++, 2).toUtf8();
    } else if (afterNumber && DigitValue(u, 16) >= 0) {
      number = true;
    } else if (named) {
      out += '\\';
      out += named->Letter;
    } else if (u == 0) {
      out += "\\0";
      afterNumber = true;
      continue;
    } else if (u < 0x20) {
      number = true;
    } else if (u == 0xFEFF) {
      // Read as a byte order mark, and dropped, where a value's text begins.
      number = true;
    } else if (QChar::isSurrogate(u)) {
      if (bytesAsBytes && u >= 0xDC80 && u <= 0xDCFF)
        out += static_cast<char>(u - 0xDC00);
      else
        number = true;
    } else if (u < 0x80) {
      out += static_cast<char>(u);
    } else {
      out += text.sliced(i, 1).toUtf8();
    }
    if (number) {
      out += "\\x";
      AppendHex(out, u, 1, false);
    }
    afterNumber = number;
  }
  out += closing;
  if (quoted) out += '"';
  return out;
}

TIniDocument TIniDocument::Parse(QByteArray bytes) {
  TIniDocument document;
  document.FBytes = std::move(bytes);
  const QByteArrayView all(document.FBytes);
  document.FEntries.reserve(static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n') + 1));
  // Values before the first section line belong to [General].
  int section = -1;
  qsizetype at = 0;
  while (const std::optional<TLine> line = ReadLine(all, at)) {
    const QByteArrayView text = all.sliced(line->Begin, line->End - line->Begin);
    if (const qsizetype opening = SectionLineOpening(all, *line); opening >= 0) {
      section = document.OpenSection(SectionNameOf(all, *line, opening));
    } else if (line->Separator >= 0) {
      if (section < 0) section = document.RootSection();
      document.AddValue(section, TrimmedName(text.first(line->Separator - line->Begin)),
                        StoredForm(all, *line));
    } else if (!TrimmedName(text).isEmpty() && !TrimmedName(text).startsWith(';')) {
      // Neither a blank line nor a comment.
      document.FWellFormed = false;
    }
  }
  return document;
}

int TIniDocument::OpenSection(QByteArrayView raw) {
  if (IsRootSpelling(raw)) return RootSection();
  const QString name =
      IsEscapedRootSpelling(raw) ? QString::fromLatin1(raw.sliced(1)) : DecodeName(raw);
  const int section = SectionNamed(name);
  if (CanWriteNameAsRead(raw))
    FSections[static_cast<std::size_t>(section)].Header = raw.toByteArray();
  return section;
}

void TIniDocument::AddValue(int section, QByteArrayView rawKey, QByteArray value) {
  TEntry entry;
  entry.Section = section;
  const TSection& owner = FSections[static_cast<std::size_t>(section)];
  if (!owner.Root) {
    entry.Path.reserve(owner.Name.size() + 1 + rawKey.size());
    entry.Path += owner.Name;
    entry.Path += QLatin1Char('/');
  }
  const qsizetype keyFrom = entry.Path.size();
  AppendName(entry.Path, rawKey);
  entry.Key = CanWriteKeyAsRead(rawKey) ? QByteArray::fromRawData(rawKey.data(), rawKey.size())
                                        : EncodeName(QStringView(entry.Path).sliced(keyFrom));
  entry.Value = std::move(value);
  // Of two values of one path the later one counts.
  const int index = static_cast<int>(FEntries.size());
  const auto [place, added] = FByPath.try_emplace(entry.Path, index);
  if (!added) {
    FEntries[static_cast<std::size_t>(place->second)].Counts = false;
    place->second = index;
  }
  FEntries.push_back(std::move(entry));
}

int TIniDocument::SectionNamed(const QString& name) {
  const auto [place, added] = FSectionByName.try_emplace(name, static_cast<int>(FSections.size()));
  if (added) FSections.push_back({name, false, SectionHeaderText(name)});
  return place->second;
}

int TIniDocument::RootSection() {
  if (FRoot < 0) {
    FRoot = static_cast<int>(FSections.size());
    FSections.push_back({QString(), true, QByteArray(kRootName.data(), kRootName.size())});
  }
  return FRoot;
}

std::optional<QByteArrayView> TIniDocument::Find(const QString& section, const QString& key) const {
  const auto found = FByPath.find(JoinPath(section, key));
  if (found == FByPath.end()) return std::nullopt;
  return QByteArrayView(FEntries[static_cast<std::size_t>(found->second)].Value);
}

void TIniDocument::SetText(const QString& section, const QString& key, QStringView text) {
  const QString path = JoinPath(section, key);
  QByteArray value = EncodeStoredText(text);
  if (const auto found = FByPath.find(path); found != FByPath.end()) {
    FEntries[static_cast<std::size_t>(found->second)].Value = std::move(value);
    return;
  }
  FByPath.emplace(path, static_cast<int>(FEntries.size()));
  FEntries.push_back({SectionNamed(section), path, EncodeName(key), std::move(value)});
}

QByteArray TIniDocument::Serialize() const {
  std::vector<std::vector<const TEntry*>> bySection(FSections.size());
  qsizetype size = 0;
  for (const TEntry& entry : FEntries) {
    if (!entry.Counts) continue;
    bySection[static_cast<std::size_t>(entry.Section)].push_back(&entry);
    size += entry.Key.size() + entry.Value.size() + 2;
  }
  QByteArray out;
  out.reserve(size + 64 * static_cast<qsizetype>(FSections.size()));
  for (std::size_t s = 0; s < FSections.size(); ++s) {
    std::vector<const TEntry*>& entries = bySection[s];
    if (entries.empty()) continue;
    const TSection& section = FSections[s];
    const qsizetype keyFrom = section.Root ? 0 : section.Name.size() + 1;
    std::sort(entries.begin(), entries.end(), [keyFrom](const TEntry* a, const TEntry* b) {
      return QStringView(a->Path).sliced(keyFrom) < QStringView(b->Path).sliced(keyFrom);
    });
    if (!out.isEmpty()) out += '\n';
    out += '[';
    out += section.Header;
    out += "]\n";
    for (const TEntry* entry : entries) {
      out += entry->Key;
      out += '=';
      out += entry->Value;
      out += '\n';
    }
  }
  return out;
}
