#pragma once
// TForm1: the game window. It builds the controls at their design places, forwards every
// event to the game engine and copies the engine's view back into the controls.

#include <QColor>
#include <QMainWindow>
#include <QSize>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "game_engine.h"
#include "media_player.h"
#include "sound_slots.h"
#include "stored_values.h"

class QColorDialog;
class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class TAdvisor;
class TCardDeck;
class TCustomPanel;
class TEStatusBar;
class TGauge;
class THelpViewer;
class TSleeper;
class TSpinEdit;
class TStringGrid;
struct TGameSettings;

inline const QString kHelpFileName = QStringLiteral("QUORVEL.hlp");

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // The screen size decides the scaling; an empty size means the primary screen's.
  explicit TForm1(const QSize& screen = {}, TClock clock = UtcTimeOfDay, QWidget* parent = nullptr);
  ~TForm1() override;

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

  // Handlers, named after the control and event they serve.
  void FormCreate();
  void ScaleToScreen();
  void FormActivate();
  void FormClose();
  void ShuffleClick();
  void SecondClick();
  void Panel6Click() { PanelClick(1); }
  void Panel7Click() { PanelClick(2); }
  void Panel8Click() { PanelClick(3); }
  void Panel9Click() { PanelClick(4); }
  void Panel10Click() { PanelClick(5); }
  void SpeedButton5Click();
  void UpdateDisplay();
  void N10001Click() { SetTotalClick(1000); }
  void N100001Click() { SetTotalClick(10000); }
  void N1000001Click() { SetTotalClick(100000); }
  void HelpClick();
  void Background1Click();
  void Piechart1Click();
  void Total1Click();
  void Amount1Click();
  void AdjustPayouts1Click();
  void StrategyAdvisor1Click();

  THelpViewer* HelpViewer() const { return FHelpViewer; }
  // Made when the advisor is first opened; null until then.
  TAdvisor* Advisor() const { return FAdvisor; }
  // The settings as they stand now, as the close writes them.
  TGameSettings CurrentSettings() const;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  void CentreDesign();
  void TakeTypedBet();
  void ApplyView();
  void PanelClick(int position);
  void SetTotalClick(std::int32_t total);
  std::filesystem::path SlotFile(int slot) const;
  void PlayWinSoundFor(int slot);
  std::optional<QColor> RunColorDialog();
  void ControlColorCommand(TControlColor& color, void (TForm1::*set)(TColorValue));
  void SetFormBackground(TColorValue value);
  void SetBetColor(TColorValue value);
  void SetTotalPanelColor(TColorValue value);
  void SetPieColor(TColorValue value);
  void Guard(const std::function<void()>& handler);

  QSize FScreen;
  TGameEngine FEngine;
  TSoundSlots FSoundSlots;
  TMediaPlayer FMediaPlayer;
  QDialog* FPayoutsDialog = nullptr;
  THelpViewer* FHelpViewer = nullptr;
  TAdvisor* FAdvisor = nullptr;
  bool FUpdatingControls = false;
  bool FClosed = false;
  TControlColor FBackground{clBtnFace};
  TControlColor FPie{clRed};
  TControlColor FTotalPanel{clBtnFace};
  TControlColor FBetField{clBtnFace};
  QColor FDialogColor = Qt::black;

 public:
  // The controls, by their design names. Client is the window's client area; Design holds
  // every control but the status bar at the design's places, centred across a wider client.
  QWidget* Client = nullptr;
  QWidget* Design = nullptr;
  QLabel* Label1 = nullptr;
  TSpinEdit* Bet = nullptr;
  QLabel* Label2 = nullptr;
  TCustomPanel* Panel5 = nullptr;
  QPushButton* Shuffle = nullptr;
  QPushButton* Second = nullptr;
  TCustomPanel* Cash = nullptr;
  TCustomPanel* Panel4 = nullptr;
  TCustomPanel* Panel2 = nullptr;
  QToolButton* SpeedButton5 = nullptr;
  std::array<TCardDeck*, kHandSize> CardDecks{};
  std::array<TCustomPanel*, kHandSize> HoldPanels{};
  QLabel* Image1 = nullptr;
  TGauge* Gauge1 = nullptr;
  TStringGrid* StringGrid1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  TEStatusBar* EStatusBar1 = nullptr;
  TSleeper* Sleeper1 = nullptr;
  QColorDialog* ColorDialog1 = nullptr;
};
