// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "file_names.h"

#include <cstdint>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF stand for bytes 0x80..0xFF

// Length of the valid UTF-8 sequence at bytes[i], and its code point; 0 when invalid.
int Utf8Sequence(QByteArrayView bytes, qsizetype i, char32_t& code) {
  const auto byte = [&](qsizetype k) { return static_cast<std::uint8_t>(bytes[k]); };
  const std::uint8_t lead = byte(i);
  int length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const std::uint8_t next = byte(i + k);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms, encoded surrogates and code points past Unicode are not valid UTF-8.
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf8(QByteArray& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

QString PathFromLocalBytes(QByteArrayView bytes) {
  QString path;
  path.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    char32_t code = 0;
    const int length = Utf8Sequence(bytes, i, code);
    if (length == 0) {
      path += QChar(static_cast<char16_t>(kEscapeBase + static_cast<std::uint8_t>(bytes[i])));
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      path += QChar(QChar::highSurrogate(code));
      path += QChar(QChar::lowSurrogate(code));
    } else {
      path += QChar(static_cast<char16_t>(code));
    }
    i += length;
  }
  return path;
}

QByteArray LocalBytesFromPath(QStringView path) {
  QByteArray bytes;
  bytes.reserve(path.size());
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t unit = path[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < path.size() &&
        QChar::isLowSurrogate(path[i + 1].unicode())) {
      AppendUtf8(bytes, QChar::surrogateToUcs4(unit, path[++i].unicode()));
    } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
      bytes += static_cast<char>(unit - kEscapeBase);
    } else if (QChar::isSurrogate(unit)) {
      AppendUtf8(bytes, QChar::ReplacementCharacter);  // a lone surrogate names nothing
    } else {
      AppendUtf8(bytes, unit);
    }
  }
  return bytes;
}
