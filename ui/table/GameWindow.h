// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TGameWindow: the game window. It builds the controls at their design places, forwards every
// event to the game engine and copies the engine's view back into the controls.

#include <QColor>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "Scaling.h"
#include "TableControls.h"
#include "advisor_settings.h"
#include "game_engine.h"
#include "media_player.h"
#include "sound_slots.h"
#include "stored_values.h"

class QDialog;
class QDockWidget;
class QTabBar;
class TAdvisor;
class TPayTablePanel;
class QAction;
class THelpViewer;
struct TGameSettings;

inline const QString kHelpFileName = QStringLiteral("QUORVEL.hlp");

// The controls (TTableControls) are the window's own, public for its tests.
class TGameWindow : public QMainWindow, public TTableControls {
  Q_OBJECT

 public:
  // The screen size decides the scaling; an empty size means the primary screen's.
  explicit TGameWindow(const QSize& screen = {}, TClock clock = UtcTimeOfDay,
                       QWidget* parent = nullptr);
  ~TGameWindow() override;

  TGameEngine& Engine() { return FEngine; }
  TSoundSlots& SoundSlots() { return FSoundSlots; }
  TMediaPlayer& MediaPlayer1() { return FMediaPlayer; }
  // The payouts dialog, made after the window; "Payouts Options" shows it modally.
  void SetPayoutsDialog(QDialog* dialog) { FPayoutsDialog = dialog; }

  // Replaces the colour dialog (tests): given the dialog's current colour, the chosen
  // colour, or nothing when cancelled.
  std::function<std::optional<QColor>(const QColor&)> ColorChooser;

  // The four colour settings as the close saves them; 0 or less means not set.
  TColorValue FormColor() const { return FBackground.Setting(); }
  TColorValue PieColor() const { return FPie.Setting(); }
  TColorValue TotalColor() const { return FTotalPanel.Setting(); }
  TColorValue AmountColor() const { return FBetField.Setting(); }
  QString ProgramVersion;

  // Handlers, named after what they do.
  void WindowCreate();
  void ScaleToScreen();
  void WindowActivate();
  void WindowClose();
  void DealClick();
  void DrawClick();
  // A click on hold panel or card 1..5.
  void HoldPanelClick(int position);
  void StatsButtonClick();
  void UpdateDisplay();
  // "Set Total" > 1000, 10000 or 100000.
  void SetTotalClick(std::int32_t total);
  void HelpClick();
  void BackgroundColorClick();
  void PieColorClick();
  void TotalColorClick();
  void BetColorClick();
  void PayoutsOptionsClick();
  // Advanced > "Choose Game…": another game, or another table of the game in force.
  void ChooseGameClick();
  // Replaces the Choose Game dialog (tests): given the table in force, the chosen one or nothing.
  std::function<std::optional<TGameTable>(const TGameTable&)> GameChooser;
  void StrategyAdvisorClick();
  // The advisor's "Replay": these cards dealt again as a practice hand in their own game and
  // table, between hands.
  void ReplayHand(const THandCards& cards, const TGameTable& table, std::int32_t bet);

  // Where the strategy advisor shows while it is open: docked beside the game, in a window of
  // its own (undocked by the player, kept in [Advisor]), or where the two don't fit side by
  // side, as one of two pages of the window (the page switch in the menu bar's corner).
  enum TAdvisorPlace { apClosed, apBeside, apWindow, apPage };
  TAdvisorPlace AdvisorPlace() const;
  // F6: the keyboard from the game into the advisor, or back.
  void SwitchPane();
  // The advisor's host (made with the advisor) and, in page mode, the page switch.
  QDockWidget* AdvisorDock = nullptr;
  QTabBar* PageSwitch = nullptr;
  // The pay table of the game in force: beside the design where the screen has room for it
  // (every screen wider than 4:3) while another game than today's is played, and on any screen
  // when the player asks for it (Advanced > "Pay Table"; the design then gives it room).
  TPayTablePanel* PayTablePanel = nullptr;
  QAction* PayTableCommand = nullptr;
  // The game whose table the panel was last fitted to.
  const TGame* FPayTableGame = nullptr;
  void PayTableClick();

  THelpViewer* HelpViewer() const { return FHelpViewer; }
  // Made when the advisor is first opened (or at the start, hidden, when practice is on);
  // null until then.
  TAdvisor* Advisor() const { return FAdvisor; }
  // The settings as they stand now, as the close writes them.
  TGameSettings CurrentSettings() const;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A colour the player can choose for a control: what the control shows, and whether the
  // close keeps it (a stored colour applied at the start, or one set by a Colors command).
  struct TControlColor {
    TColorValue Shown;
    bool Kept = false;
    TColorValue Setting() const { return Kept ? Shown : kNotStored; }
  };

  void BuildControls();
  void BuildBetAndTotal();
  void BuildMessages();
  void BuildHand();
  void BuildStatistics();
  void BuildSound();
  void BuildStatusBar();
  void BuildMenu();
  void ApplyStoredColors(const TGameSettings& settings);
  void FitDesign();
  void FitPicturesToScale();
  void FitStyleToScale();
  bool AdvisorOpen() const;
  TScale LeastGameScale() const;
  std::optional<TScale> BesideScale(const QSize& room);
  void FitAdvisor();
  void SetPageMode(bool on);
  // 0 the game, 1 the advisor.
  void ShowPage(int page);
  void MakeAdvisorDock();
  QPoint QuestionPlace(const QSize& box) const;
  void FocusMoved(QWidget* now);
  void TakeTypedBet();
  void ApplyView();
  std::filesystem::path SlotFile(int slot) const;
  void PlayWinSoundFor(int slot);
  std::optional<QColor> RunColorDialog(const QColor& inForce);
  void ControlColorCommand(TControlColor& color, void (TGameWindow::*set)(TColorValue));
  void SetWindowBackground(TColorValue value);
  void ShowTextReadable();
  void SetBetColor(TColorValue value);
  void SetTotalPanelColor(TColorValue value);
  void SetPieColor(TColorValue value);
  void Guard(const std::function<void()>& handler);
  // The strategy advisor's hooks: made hidden at the start when practice is on, asked
  // before a draw, and its state stored at the close.
  void RestoreAdvisor();
  TAdvisor* MakeAdvisor();
  // A practice hand while the advisor's practice is on, else a hand for money.
  void DealHand();
  bool AdvisorAllowsDraw();
  void SaveAdvisor();

  QSize FScreen;
  // The scale the screen gives the design, and the one it is drawn at: smaller where the
  // strategy advisor takes part of the window.
  TScale FScreenScale;
  TScale FDesignScale;
  TDesignRecord FDesignRecord;
  TScaledStyle* FDesignStyle = nullptr;
  QPixmap FWinIconDesign;
  TGameEngine FEngine;
  TSoundSlots FSoundSlots;
  TMediaPlayer FMediaPlayer;
  QDialog* FPayoutsDialog = nullptr;
  THelpViewer* FHelpViewer = nullptr;
  TAdvisor* FAdvisor = nullptr;
  // What the dock adds around the advisor; whether it is a page; a fit is under way.
  QSize FDockFrame;
  // The client's least size while the game has the window to itself.
  QSize FClientMinimum;
  bool FPageMode = false;
  bool FFitting = false;
  // Where the keyboard was last in the game, for F6 to go back to.
  QPointer<QWidget> FGameFocus;
  // As stored: what the close writes back while the advisor was never made.
  TAdvisorState FStoredAdvisor;
  // When this game started, seconds since 1970: the session its recorded hands belong to.
  std::int64_t FStartTime = 0;
  bool FUpdatingControls = false;
  bool FClosed = false;
  TControlColor FBackground{clBtnFace};
  TControlColor FPie{clRed};
  TControlColor FTotalPanel{clBtnFace};
  TControlColor FBetField{clBtnFace};
  // The colour last chosen in the colour dialog; none before the first.
  std::optional<QColor> FDialogColor;
};
