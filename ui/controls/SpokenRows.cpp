// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "SpokenRows.h"

#include <QAccessible>
#include <QKeyEvent>
#include <algorithm>

std::optional<int> RowAfterKey(const QKeyEvent& key, int row, int count, int page) {
  if (count <= 0 || key.modifiers() & ~Qt::KeypadModifier) return std::nullopt;
  page = std::max(1, page);
  int to = row;
  switch (key.key()) {
    case Qt::Key_Up:
      to = row - 1;
      break;
    case Qt::Key_Down:
      to = row + 1;
      break;
    case Qt::Key_PageUp:
      to = row - page;
      break;
    case Qt::Key_PageDown:
      to = row + page;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = count - 1;
      break;
    default:
      return std::nullopt;
  }
  return std::clamp(to, 0, count - 1);
}

void SpokenRowsChanged(QObject* control) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(control, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&event);
}

void SpokenRowFocused(QObject* control, int row) {
  if (!QAccessible::isActive() || row < 0) return;
  QAccessibleEvent event(control, QAccessible::Focus);
  event.setChild(row);
  QAccessible::updateAccessibility(&event);
}
