// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "FocusMark.h"

#include <QPainter>
#include <QPen>
#include <QRect>

void PaintFocusMark(QPainter& painter, const QRect& area) {
  // Two pixels wide and two in from the edge: clear of a card's outline and of a
  // panel's bevels, and still inside the control.
  const QRect frame = area.adjusted(3, 3, -3, -3);
  if (frame.width() < 2 || frame.height() < 2) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(frame);
  painter.setPen(QPen(Qt::black, 2, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawRect(frame);
  painter.restore();
}
