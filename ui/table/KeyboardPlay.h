// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The game played from the keyboard: Enter deals or draws from anywhere in the window, the
// keys 1 to 5 hold or draw the cards during a hand, F10 and Alt with a menu's first letter
// open the menus; the cards, "Stats" and the statistics grid are in the Tab chain, and the
// focus follows the play from "Deal" to "Draw" and back.

#include <functional>

class QMainWindow;
class TGameEngine;
struct TTableControls;

// What the keys do beyond the controls: 1 to 5 click hold panel 1..5, as the mouse would;
// F6 moves between the game and the strategy advisor.
struct TKeyCommands {
  std::function<void(int position)> HoldClick;
  std::function<void()> SwitchPane;
};

// Once, when the window's controls and menu are built; lives as long as the window.
void InstallKeyboardPlay(QMainWindow& window, const TTableControls& controls,
                         const TGameEngine& engine, TKeyCommands commands);
