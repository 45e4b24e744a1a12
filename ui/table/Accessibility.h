// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What screen readers read of the game (through Qt's accessibility bridge, on Linux the
// AT-SPI bus): accessible objects for our own painted controls (cards, panels, the
// statistics grid, the pie gauge), names for the controls that show no text of their own,
// the hold state of every card, and each new result announced as it appears.

#include <QtGlobal>

class TGameEngine;
struct TTableControls;

// Once per program, before the first window shows: Qt asks us for the accessible objects
// of our own controls. Calling it again does nothing.
void InstallAccessibleControls();
// Names for the game window's controls, once they are built.
void NameGameControls(const TTableControls& controls);
// The hold state of each card as screen readers tell it; after every change of the view.
// Both live as long as the controls do.
void DescribeHand(const TTableControls& controls, const TGameEngine& engine);

// A card's description while it is held.
inline constexpr const char* kHeldDescription = QT_TRANSLATE_NOOP("TGameWindow", "held");
