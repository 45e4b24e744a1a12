// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Text that stays readable on a background the player chooses: black or white, whichever
// stands out more against it.

#include <QColor>

class QWidget;

// How far apart two colours are for the eye: 1 (the same) to 21 (black on white), by the
// relative luminance of each.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever contrasts more with the background (at least 4.5 : 1 either way).
QColor ReadableOn(const QColor& background);

// The text colour a control is drawn with where it is readable on the background (at least
// 4.5 : 1), else ReadableOn(background).
QColor TextReadableOn(const QColor& wanted, const QColor& background);

// Gives a control drawn straight on the background (a label, a group box and the radio
// buttons in it) the readable text colour; a group box also gets a frame that shows on a
// dark background.
void ShowReadableOn(QWidget* control, const QColor& background);
