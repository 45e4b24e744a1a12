// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "pngwriter.h"

#include <QtEndian>
#include <array>
#include <cstdint>

namespace {

std::uint32_t Crc32(const QByteArray& data) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (char ch : data) c = table[(c ^ static_cast<std::uint8_t>(ch)) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void PutU32(QByteArray& out, std::uint32_t v) {
  out.append(static_cast<char>((v >> 24) & 0xFFu));
  out.append(static_cast<char>((v >> 16) & 0xFFu));
  out.append(static_cast<char>((v >> 8) & 0xFFu));
  out.append(static_cast<char>(v & 0xFFu));
}

void PutChunk(QByteArray& out, const char* type, const QByteArray& body) {
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  QByteArray typed(type, 4);
  typed.append(body);
  out.append(typed);
  PutU32(out, Crc32(typed));
}

}  // namespace

std::vector<QRgb> ImageColours(const QImage& image) {
  const QImage img = image.convertToFormat(QImage::Format_ARGB32);
  std::vector<QRgb> colours;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = img.pixel(x, y);
      bool known = false;
      for (QRgb k : colours) known = known || k == c;
      if (!known) colours.push_back(c);
    }
  return colours;
}

bool EncodeIndexedPng(const QImage& image, QByteArray& png, QString& error) {
  const QImage img = image.convertToFormat(QImage::Format_ARGB32);
  const std::vector<QRgb> palette = ImageColours(img);
  if (palette.size() > 16) {
    error = QStringLiteral("%1 colours, at most 16 fit").arg(palette.size());
    return false;
  }
  const int depth = palette.size() <= 2 ? 1 : 4;
  const int w = img.width();
  const int h = img.height();
  const int rowBytes = (w * depth + 7) / 8;

  QByteArray raw;
  raw.reserve((rowBytes + 1) * h);
  for (int y = 0; y < h; ++y) {
    raw.append('\0');  // filter: none
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < w; ++x) {
      const QRgb c = img.pixel(x, y);
      unsigned index = 0;
      while (palette[index] != c) ++index;
      const int bit = x * depth;
      const int shift = 8 - depth - bit % 8;
      row[bit / 8] = static_cast<char>(static_cast<unsigned char>(row[bit / 8]) | (index << shift));
    }
    raw.append(row);
  }

  QByteArray ihdr;
  PutU32(ihdr, static_cast<std::uint32_t>(w));
  PutU32(ihdr, static_cast<std::uint32_t>(h));
  ihdr.append(static_cast<char>(depth));
  ihdr.append('\3');  // colour type: palette
  ihdr.append('\0');  // deflate
  ihdr.append('\0');  // adaptive filtering
  ihdr.append('\0');  // no interlace

  QByteArray plte;
  QByteArray trns;
  bool anyAlpha = false;
  for (QRgb c : palette) {
    plte.append(static_cast<char>(qRed(c)));
    plte.append(static_cast<char>(qGreen(c)));
    plte.append(static_cast<char>(qBlue(c)));
    trns.append(static_cast<char>(qAlpha(c)));
    anyAlpha = anyAlpha || qAlpha(c) != 255;
  }

  // qCompress prefixes the zlib stream with a 4-byte length that PNG doesn't want.
  const QByteArray idat = qCompress(raw, 9).mid(4);

  png.clear();
  png.append("\x89PNG\r\n\x1a\n", 8);
  PutChunk(png, "IHDR", ihdr);
  PutChunk(png, "PLTE", plte);
  if (anyAlpha) PutChunk(png, "tRNS", trns);
  PutChunk(png, "IDAT", idat);
  PutChunk(png, "IEND", QByteArray());
  return true;
}
