// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The game window's controls, as the window builds them and as its keyboard play and its
// screen readers' side reach them: they are handed this, never the window itself.

#include <array>

#include "game_engine.h"

class QColorDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;
class TCardDeck;
class TCustomPanel;
class TGauge;
class TSleeper;
class TSpinEdit;
class TStatusBar;
class TStringGrid;

struct TTableControls {
  // Client is the window's client area; Design holds every control but the status bar at
  // the design's places, centred both ways in a larger client.
  QWidget* Client = nullptr;
  QWidget* Design = nullptr;
  QLabel* BetLabel = nullptr;
  TSpinEdit* BetField = nullptr;
  QLabel* TotalLabel = nullptr;
  TCustomPanel* TotalPanel = nullptr;
  QPushButton* DealButton = nullptr;
  QPushButton* DrawButton = nullptr;
  TCustomPanel* MoneyMessagePanel = nullptr;
  TCustomPanel* SecondMessagePanel = nullptr;
  TCustomPanel* HandPanel = nullptr;
  QToolButton* StatsButton = nullptr;
  std::array<TCardDeck*, kHandSize> Cards{};
  std::array<TCustomPanel*, kHandSize> HoldPanels{};
  QLabel* WinIcon = nullptr;
  TGauge* WinGauge = nullptr;
  TStringGrid* StatsGrid = nullptr;
  QGroupBox* SoundGroup = nullptr;
  QRadioButton* SoundOnButton = nullptr;
  QRadioButton* SoundOffButton = nullptr;
  TStatusBar* StatusBar = nullptr;
  TSleeper* Sleeper = nullptr;
  QColorDialog* ColorDialog = nullptr;
};
