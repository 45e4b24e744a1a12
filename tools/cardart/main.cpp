// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Writes the card faces to <dir>/cards, and the win icon and the program's icon (PNG at
// each size the desktop asks for, and SVG) to <dir>/icons. Run it on resources/ after
// changing the drawing; the output is committed.

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <exception>

#include "faces.h"
#include "pngwriter.h"
#include "svgwriter.h"

namespace {

bool WriteFile(const QByteArray& bytes, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cardart: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
  }
  return true;
}

bool WritePng(const QImage& image, const QString& path) {
  QByteArray png;
  QString error;
  if (!EncodeIndexedPng(image, png, error)) {
    std::fprintf(stderr, "cardart: %s: %s\n", qPrintable(path), qPrintable(error));
    return false;
  }
  return WriteFile(png, path);
}

// The icon is drawn at up to 64 pixels; the larger sizes and the SVG show those pixels
// scaled, as the game shows its cards.
bool WriteAppIcons(const QDir& icons) {
  bool ok = true;
  for (int size : {16, 32, 48, 64})
    ok = WritePng(DrawAppIcon(size), icons.filePath(QStringLiteral("lumaro-%1.png").arg(size))) &&
         ok;
  const QImage large = DrawAppIcon(64);
  for (int size : {128, 256})
    ok = WritePng(large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                  icons.filePath(QStringLiteral("lumaro-%1.png").arg(size))) &&
         ok;
  return WriteFile(PixelsToSvg(large), icons.filePath(QStringLiteral("lumaro.svg"))) && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cardart <resources-dir>\n");
    return 2;
  }
  try {
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("cards")) || !root.mkpath(QStringLiteral("icons"))) {
      std::fprintf(stderr, "cardart: cannot create folders under %s\n", argv[1]);
      return 1;
    }
    bool ok = true;
    for (const TFace& face : DrawAllFaces())
      ok = WritePng(face.Image, root.filePath(QStringLiteral("cards/") + face.FileName)) && ok;
    ok = WritePng(DrawWinIcon(), root.filePath(QStringLiteral("icons/WINICON.png"))) && ok;
    ok = WriteAppIcons(QDir(root.filePath(QStringLiteral("icons")))) && ok;
    return ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cardart: %s\n", e.what());
    return 1;
  }
}
