// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Paints every face through TCardDeck on the table green and saves one PNG, so the whole
// deck can be looked at at once:  contactsheet <out.png> [zoom]
// The zoom (nearest neighbour) is for inspecting single pixels.

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <cstdio>

#include "CardDeck.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: contactsheet <out.png> [zoom]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int zoom = argc == 3 ? std::max(1, std::atoi(argv[2])) : 1;

  constexpr int kColumns = 13, kGap = 8;
  constexpr int kRows = 5;  // four suits, then the joker, the backs and the title
  QWidget table;
  QPalette pal = table.palette();
  pal.setColor(QPalette::Window, QColor(0, 96, 0));
  table.setPalette(pal);
  table.setAutoFillBackground(true);
  table.resize(kGap + kColumns * (TCardDeck::kFaceWidth + kGap),
               kGap + kRows * (TCardDeck::kFaceHeight + kGap));
  for (int code = 1; code <= 63; ++code) {
    const int slot = code - 1;
    auto* card = new TCardDeck(&table);
    card->move(kGap + (slot % kColumns) * (TCardDeck::kFaceWidth + kGap),
               kGap + (slot / kColumns) * (TCardDeck::kFaceHeight + kGap));
    card->SetValue(code);
  }
  QImage sheet = table.grab().toImage();
  if (zoom > 1)
    sheet = sheet.scaled(sheet.width() * zoom, sheet.height() * zoom, Qt::IgnoreAspectRatio,
                         Qt::FastTransformation);
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "contactsheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
