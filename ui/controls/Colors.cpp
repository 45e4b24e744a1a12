// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Colors.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include "cards.h"

QColor ToQColor(TColorValue value) {
  if (value < 0) {
    const QPalette palette = QApplication::palette();
    switch (static_cast<std::uint32_t>(value) & 0xFFu) {
      case 0x05:
        return palette.color(QPalette::Base);
      case 0x08:
        return palette.color(QPalette::Text);
      default:
        return palette.color(QPalette::Button);
    }
  }
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor CardTextColor(int code, const QColor& black) {
  const int suit = CardSuit(code);
  return suit == 2 || suit == 4 ? ToQColor(clRedSuit) : black;  // hearts, diamonds
}

TColorValue FromQColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

void PaintQuietMessage(QPainter& painter, const QRect& area, const QString& message) {
  painter.setPen(ToQColor(clQuietText));
  painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, message);
}
