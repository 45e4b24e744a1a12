// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Draws every card face, the win icon and the program icon. Pure functions of their arguments: no
// fonts, no antialiasing, no randomness, so the same build draws the same pixels anywhere.

#include <QImage>
#include <QString>
#include <vector>

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

struct TFace {
  QString FileName;  // "CDACEOFSPADES.png"
  QImage Image;
};

// The 63 faces in card-code order (1..63).
std::vector<TFace> DrawAllFaces();
// The 32 x 32 icon shown beside a winning result.
QImage DrawWinIcon();
// The program's icon, a card back behind the ace of hearts, for a size x size square.
QImage DrawAppIcon(int size);
