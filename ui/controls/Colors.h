// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The window's side of colour values (engine/color_values.h): conversion to and from Qt's
// colours; system colours come from the application palette.

#include <QColor>

#include "color_values.h"

class QPainter;
class QRect;

QColor ToQColor(TColorValue value);
TColorValue FromQColor(const QColor& color);

// The colour a card is written in: red for hearts and diamonds, `black` for the others.
QColor CardTextColor(int code, const QColor& black);

// What a list says in place of its rows while it has none ("computing...", why not): in the
// quiet text colour, wrapped and centred in the list's area.
void PaintQuietMessage(QPainter& painter, const QRect& area, const QString& message);
