// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "svgwriter.h"

#include <map>
#include <vector>

namespace {

struct TRun {
  int X, Y, Width, Height;
};

QByteArray Hex(QRgb c) {
  return QByteArray::number((qRed(c) << 16) | (qGreen(c) << 8) | qBlue(c), 16)
      .rightJustified(6, '0')
      .prepend('#');
}

}  // namespace

QByteArray PixelsToSvg(const QImage& image) {
  // Runs along each row, merged with the run of the same colour and extent just above.
  std::map<QRgb, std::vector<TRun>> runs;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width();) {
      const QRgb c = image.pixel(x, y);
      int end = x + 1;
      while (end < image.width() && image.pixel(end, y) == c) ++end;
      if (qAlpha(c) != 0) {
        std::vector<TRun>& list = runs[c];
        bool merged = false;
        for (TRun& r : list)
          if (r.X == x && r.Width == end - x && r.Y + r.Height == y) {
            ++r.Height;
            merged = true;
            break;
          }
        if (!merged) list.push_back({x, y, end - x, 1});
      }
      x = end;
    }
  QByteArray svg;
  const QByteArray w = QByteArray::number(image.width()), h = QByteArray::number(image.height());
  svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\" shape-rendering=\"crispEdges\">\n";
  for (const auto& [colour, list] : runs) {
    svg += "<g fill=\"" + Hex(colour) + "\"";
    if (qAlpha(colour) != 255)
      svg += " fill-opacity=\"" + QByteArray::number(qAlpha(colour) / 255.0, 'f', 3) + "\"";
    svg += ">\n";
    for (const TRun& r : list)
      svg += "<rect x=\"" + QByteArray::number(r.X) + "\" y=\"" + QByteArray::number(r.Y) +
             "\" width=\"" + QByteArray::number(r.Width) + "\" height=\"" +
             QByteArray::number(r.Height) + "\"/>\n";
    svg += "</g>\n";
  }
  svg += "</svg>\n";
  return svg;
}
