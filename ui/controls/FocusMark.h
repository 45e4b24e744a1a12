// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The mark our own painted controls draw while they have the keyboard focus: a dotted
// black and white frame, visible on any card face and any colour the player chooses.

class QPainter;
class QRect;

// Draws the mark just inside `area`.
void PaintFocusMark(QPainter& painter, const QRect& area);
