// Writes the card faces to <dir>/cards and the win icon to <dir>/icons, as indexed PNGs.
// Run it on resources/ after changing the drawing; the output is committed.

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <exception>

#include "faces.h"
#include "pngwriter.h"

namespace {

bool WritePng(const QImage& image, const QString& path) {
  QByteArray png;
  QString error;
  if (!EncodeIndexedPng(image, png, error)) {
    std::fprintf(stderr, "cardart: %s: %s\n", qPrintable(path), qPrintable(error));
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(png) != png.size()) {
    std::fprintf(stderr, "cardart: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
  }
  return true;
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
    return ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cardart: %s\n", e.what());
    return 1;
  }
}
