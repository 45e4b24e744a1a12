// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "GameWindow.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QDateTime>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "Accessibility.h"
#include "Advisor.h"
#include "CardDeck.h"
#include "Colors.h"
#include "CustomPanel.h"
#include "Gauge.h"
#include "HelpViewer.h"
#include "KeyboardPlay.h"
#include "MessageBoxes.h"
#include "Readable.h"
#include "Scaling.h"
#include "Sleeper.h"
#include "SpinEdit.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "advisor_settings.h"
#include "file_names.h"
#include "game_settings.h"
#include "win_sound.h"

namespace {

// Where every control stands on the 640 x 480 design, in client coordinates.
constexpr QSize kDesignWindow(640, 480);
constexpr QSize kDesignClient(632, 434);
// Everything above the status bar: the part centred when the window is wider than the design.
constexpr QRect kDesign(0, 0, 632, 409);
constexpr QRect kBetLabel(8, 16, 40, 16);
constexpr QRect kBetField(56, 8, 57, 26);
constexpr QRect kTotalLabel(8, 56, 40, 16);
constexpr QRect kTotalPanel(56, 48, 57, 33);
constexpr QRect kDealButton(12, 96, 105, 41);
constexpr QRect kDrawButton(12, 96, 105, 41);
constexpr QRect kMoneyMessage(136, 8, 441, 35);
constexpr QRect kSecondMessage(136, 48, 441, 33);
constexpr QRect kHandPanel(136, 120, 397, 25);
constexpr QRect kStatsButton(544, 120, 49, 25);
constexpr int kCardLefts[kHandSize] = {136, 216, 296, 376, 456};
constexpr int kCardTop = 152;
constexpr int kHoldLefts[kHandSize] = {136, 216, 300, 380, 460};
constexpr int kHoldTop = 256;
constexpr QSize kHoldSize(69, 33);
constexpr QRect kWinIcon(552, 176, 33, 33);
constexpr QRect kWinGauge(544, 248, 49, 41);
constexpr QRect kStatsGrid(136, 296, 457, 65);
constexpr QRect kSoundGroup(4, 372, 233, 33);
constexpr QRect kSoundOnButton(8, 8, 89, 17);
constexpr QRect kSoundOffButton(120, 8, 97, 17);
constexpr QRect kStatusBar(0, 409, 632, 25);

QFont DesignFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void SetTextColor(QWidget* w, TColorValue color) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  palette.setColor(QPalette::ButtonText, ToQColor(color));
  palette.setColor(QPalette::Text, ToQColor(color));
  w->setPalette(palette);
}

TCustomPanel* MakePanel(QWidget* parent, const char* name, TBevelCut outer, TBevelCut inner) {
  auto* panel = new TCustomPanel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->SetBevelOuter(outer);
  panel->SetBevelInner(inner);
  return panel;
}

}  // namespace

TGameWindow::TGameWindow(const QSize& screen, TClock clock, QWidget* parent)
    : QMainWindow(parent),
      FScreen(screen.isEmpty() ? ScreenRoom() : screen),
      FEngine(std::move(clock)) {
  setObjectName(QStringLiteral("GameWindow"));
  FStartTime = QDateTime::currentSecsSinceEpoch();
  BuildControls();
  BuildMenu();
  InstallAccessibleControls();
  NameGameControls(*this);
  InstallKeyboardPlay(*this, *this, FEngine, [this](int position) { HoldPanelClick(position); });
  FEngine.OnWinSound = [this](int slot) { PlayWinSoundFor(slot); };
  FEngine.OnUpdateDisplay = [this] { UpdateDisplay(); };
  WindowCreate();
}

TGameWindow::~TGameWindow() {
  // The advisor reads the engine, which as a member goes before the child widgets do.
  delete FAdvisor;
}

void TGameWindow::BuildControls() {
  Client = new QWidget(this);
  Client->setObjectName(QStringLiteral("Client"));
  Client->setAutoFillBackground(true);
  Client->setFont(DesignFont(13, true));
  setCentralWidget(Client);
  Client->installEventFilter(this);
  Design = new QWidget(Client);
  Design->setObjectName(QStringLiteral("Design"));
  Design->setGeometry(kDesign);
  SetWindowBackground(clBtnFace);
  BuildBetAndTotal();
  BuildMessages();
  BuildHand();
  BuildStatistics();
  BuildSound();
  BuildStatusBar();
  Sleeper = new TSleeper(this);
  Sleeper->setObjectName(QStringLiteral("Sleeper"));
  Sleeper->SetInterval(1000);
  ShowTextReadable();
  resize(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
}

void TGameWindow::BuildBetAndTotal() {
  BetLabel = new QLabel(QStringLiteral("Bet"), Design);
  BetLabel->setObjectName(QStringLiteral("BetLabel"));
  BetLabel->setGeometry(kBetLabel);
  BetField = new TSpinEdit(Design);
  BetField->setObjectName(QStringLiteral("BetField"));
  BetField->setGeometry(kBetField);
  BetField->setRange(kMinBet, kMaxBet);
  BetField->setSingleStep(kBetStep);
  BetField->setValue(kMinBet);
  BetField->setFont(DesignFont(19, true));
  BetField->UseNarrowArrows();  // the room of the small field goes to the digits
  SetTextColor(BetField, clNavy);
  SetBetColor(clBtnFace);
  connect(BetField, &QSpinBox::valueChanged, this, [this](int value) {
    if (FUpdatingControls) return;
    Guard([&] { FEngine.SetBet(value); });
  });

  TotalLabel = new QLabel(QStringLiteral("Total"), Design);
  TotalLabel->setObjectName(QStringLiteral("TotalLabel"));
  TotalLabel->setGeometry(kTotalLabel);
  TotalPanel = MakePanel(Design, "TotalPanel", bvLowered, bvLowered);
  TotalPanel->setGeometry(kTotalPanel);
  TotalPanel->setFont(DesignFont(13, true));
  TotalPanel->SetFontColor(ToQColor(clBlue));
  TotalPanel->setToolTip(QStringLiteral("Total"));

  DealButton = new QPushButton(QStringLiteral("Deal"), Design);
  DealButton->setObjectName(QStringLiteral("DealButton"));
  DealButton->setGeometry(kDealButton);
  DrawButton = new QPushButton(QStringLiteral("Draw"), Design);
  DrawButton->setObjectName(QStringLiteral("DrawButton"));
  DrawButton->setGeometry(kDrawButton);
  DrawButton->setToolTip(QStringLiteral("Draw Additional Cards"));
  for (QPushButton* button : {DealButton, DrawButton}) {
    button->setFont(DesignFont(13, true));
    SetTextColor(button, clBlack);
  }
  connect(DealButton, &QPushButton::clicked, this, [this] { DealClick(); });
  connect(DrawButton, &QPushButton::clicked, this, [this] { DrawClick(); });
}

void TGameWindow::BuildMessages() {
  MoneyMessagePanel = MakePanel(Design, "MoneyMessagePanel", bvLowered, bvRaised);
  MoneyMessagePanel->setGeometry(kMoneyMessage);
  MoneyMessagePanel->setFont(DesignFont(15, true));
  MoneyMessagePanel->SetFontColor(ToQColor(clNavy));
  SecondMessagePanel = MakePanel(Design, "SecondMessagePanel", bvLowered, bvRaised);
  SecondMessagePanel->setGeometry(kSecondMessage);
  SecondMessagePanel->setFont(DesignFont(15, true));
  SecondMessagePanel->SetFontColor(ToQColor(clMaroon));
  HandPanel = MakePanel(Design, "HandPanel", bvRaised, bvNone);
  HandPanel->setGeometry(kHandPanel);
  HandPanel->SetColor(ToQColor(clYellow));

  StatsButton = new QToolButton(Design);
  StatsButton->setObjectName(QStringLiteral("StatsButton"));
  StatsButton->setText(QStringLiteral("Stats"));
  StatsButton->setAutoRaise(false);
  StatsButton->setFocusPolicy(Qt::NoFocus);
  StatsButton->setGeometry(kStatsButton);
  connect(StatsButton, &QToolButton::clicked, this, [this] { StatsButtonClick(); });
}

void TGameWindow::BuildHand() {
  for (int k = 0; k < kHandSize; ++k) {
    auto* card = new TCardDeck(Design);
    card->setObjectName(QStringLiteral("Card%1").arg(k + 1));
    card->move(kCardLefts[k], kCardTop);
    Cards[k] = card;
    auto* hold = MakePanel(Design, "", bvLowered, bvLowered);
    hold->setObjectName(QStringLiteral("HoldPanel%1").arg(k + 1));
    hold->SetBevelWidth(2);
    hold->setGeometry(QRect(QPoint(kHoldLefts[k], kHoldTop), kHoldSize));
    HoldPanels[k] = hold;
    const int position = k + 1;
    connect(hold, &TCustomPanel::OnClick, this, [this, position] { HoldPanelClick(position); });
    connect(card, &TCardDeck::OnClick, this, [this, position] { HoldPanelClick(position); });
  }

  WinIcon = new QLabel(Design);
  WinIcon->setObjectName(QStringLiteral("WinIcon"));
  WinIcon->setGeometry(kWinIcon);
  WinIcon->setPixmap(QPixmap(QStringLiteral(":/icons/WINICON.png")));
  WinIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  WinIcon->hide();
}

void TGameWindow::BuildStatistics() {
  WinGauge = new TGauge(Design);
  WinGauge->setObjectName(QStringLiteral("WinGauge"));
  WinGauge->setGeometry(kWinGauge);
  WinGauge->SetRange(0, 100);
  WinGauge->SetBackColor(ToQColor(clYellow));
  WinGauge->SetColor(ToQColor(clSilver));
  SetPieColor(clRed);
  WinGauge->setToolTip(QStringLiteral("Winning Percentage"));

  StatsGrid = new TStringGrid(Design);
  StatsGrid->setObjectName(QStringLiteral("StatsGrid"));
  StatsGrid->setGeometry(kStatsGrid);
  StatsGrid->SetSize(kHandCategoryCount, 2);
  StatsGrid->SetDefaultColWidth(90);
  StatsGrid->SetDefaultRowHeight(24);
  StatsGrid->SetFixedColor(ToQColor(clLime));
  StatsGrid->SetColor(ToQColor(clWindow));
}

void TGameWindow::BuildSound() {
  SoundGroup = new QGroupBox(Design);
  SoundGroup->setObjectName(QStringLiteral("SoundGroup"));
  SoundGroup->setGeometry(kSoundGroup);
  SoundOnButton = new QRadioButton(QStringLiteral("Sound On"), SoundGroup);
  SoundOnButton->setObjectName(QStringLiteral("SoundOnButton"));
  SoundOnButton->setGeometry(kSoundOnButton);
  SoundOnButton->setChecked(true);
  SoundOffButton = new QRadioButton(QStringLiteral("Sound Off"), SoundGroup);
  SoundOffButton->setObjectName(QStringLiteral("SoundOffButton"));
  SoundOffButton->setGeometry(kSoundOffButton);
}

void TGameWindow::BuildStatusBar() {
  // Docked across the whole client area, not only the design's part of it.
  StatusBar = new TStatusBar(Client);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setGeometry(kStatusBar);
  Guard([this] {
    StatusBar->SetSectMainBevel(sbLow);
    StatusBar->SetSectDateBevel(sbLow);
    StatusBar->SetSectTimeBevel(sbLow);
    StatusBar->SetAlignTime(alLeft);
    StatusBar->SetAlignDate(alLeft);
    StatusBar->SetAlign(alBottom);
    StatusBar->SetCaption(QStringLiteral("Lumaro for Windows 95"));
    StatusBar->SetEnabled(true);
    StatusBar->SetUpdateInterval(0);
  });
}

void TGameWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  const auto item = [this](QMenu* menu, const char* name, const QString& text,
                           std::function<void()> handler) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, std::move(handler));
  };
  QMenu* setTotal = bar->addMenu(QStringLiteral("Set Total"));
  setTotal->setObjectName(QStringLiteral("SetTotalMenu"));
  for (const std::int32_t total : {1000, 10000, 100000}) {
    const QByteArray name = "SetTotal" + QByteArray::number(total);
    item(setTotal, name.constData(), QString::number(total),
         [this, total] { SetTotalClick(total); });
  }
  QAction* help = bar->addAction(QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("HelpCommand"));
  connect(help, &QAction::triggered, this, [this] { HelpClick(); });
  QMenu* colors = bar->addMenu(QStringLiteral("Colors"));
  colors->setObjectName(QStringLiteral("ColorsMenu"));
  item(colors, "BackgroundColor", QStringLiteral("Background"), [this] { BackgroundColorClick(); });
  item(colors, "PieColor", QStringLiteral("Piechart"), [this] { PieColorClick(); });
  item(colors, "TotalColor", QStringLiteral("Total"), [this] { TotalColorClick(); });
  item(colors, "BetColor", QStringLiteral("Amount"), [this] { BetColorClick(); });
  QMenu* advanced = bar->addMenu(QStringLiteral("Advanced"));
  advanced->setObjectName(QStringLiteral("AdvancedMenu"));
  item(advanced, "PayoutsOptions", QStringLiteral("Payouts Options"),
       [this] { PayoutsOptionsClick(); });
  item(advanced, "StrategyAdvisor", QStringLiteral("Strategy Advisor"),
       [this] { StrategyAdvisorClick(); });
}

void TGameWindow::Guard(const std::function<void()>& handler) {
  RunGuarded(this, handler);
}

void TGameWindow::WindowCreate() {
  // An error in any step skips the rest; the engine is playable from its construction on.
  Guard([this] {
    ProgramVersion = QStringLiteral("2.0");
    ScaleToScreen();
    const TGameSettings settings = LoadGameSettings();
    SoundOnButton->setChecked(settings.SoundOn);
    SoundOffButton->setChecked(!settings.SoundOn);
    ApplyStoredColors(settings);
    setWindowTitle(QStringLiteral("Lumaro for Windows 95 Version ") + ProgramVersion);
    StartEngine(FEngine, settings);
    RestoreAdvisor();
  });
  ApplyView();
}

void TGameWindow::ApplyStoredColors(const TGameSettings& settings) {
  const auto apply = [](TControlColor& color, TColorValue stored, auto&& set) {
    if (!TakenAtStartUp(skFormColor, stored)) return;
    set(stored);
    color.Kept = true;
  };
  apply(FBackground, settings.FormColor, [this](TColorValue c) { SetWindowBackground(c); });
  apply(FPie, settings.PieColor, [this](TColorValue c) { SetPieColor(c); });
  apply(FBetField, settings.AmountColor, [this](TColorValue c) { SetBetColor(c); });
  apply(FTotalPanel, settings.TotalColor, [this](TColorValue c) { SetTotalPanelColor(c); });
}

void TGameWindow::ScaleToScreen() {
  // The window is drawn for 640 x 480 including its frame; our size is the client part,
  // so the frame is added before scaling and taken off again after.
  const QSize frame = kDesignWindow - size();
  FScreenScale = ScreenScale(FScreen);
  resize(kDesignWindow.width() * FScreenScale.M / FScreenScale.D - frame.width(),
         kDesignWindow.height() * FScreenScale.M / FScreenScale.D - frame.height());
  // Scaled from the drawing itself, so that the controls can make room for the strategy
  // advisor and take it back exactly. The design's part gets a font of its own, as it may
  // stand at another scale than the status bar.
  Design->setFont(Client->font());
  FWinIconDesign = WinIcon->pixmap();
  FDesignRecord.Record(Client);
  FDesignScale = FScreenScale;
  FitStyleToScale();
  FDesignRecord.ScaleTo(FScreenScale);
  FitPicturesToScale();
  // Smaller than the design, the status bar would cover the hold panels.
  Client->setMinimumSize(Design->width(), Design->height() + StatusBar->height());
  FitDesign();
}

void TGameWindow::FitPicturesToScale() {
  // Cards and the win icon drawn at their own size would stand small in a scaled layout.
  const TScale scale = FDesignScale;
  for (TCardDeck* card : Cards) card->SetStretch(!scale.IsOne());
  const bool whole = scale.M % scale.D == 0;
  WinIcon->setPixmap(
      scale.IsOne()
          ? FWinIconDesign
          : FWinIconDesign.scaled(FWinIconDesign.size() * scale.M / scale.D, Qt::KeepAspectRatio,
                                  whole ? Qt::FastTransformation : Qt::SmoothTransformation));
  // Every bet from 5 to 1000 must be readable whole in the field.
  BetField->FitFontToRange();
}

void TGameWindow::FitStyleToScale() {
  // What the style draws at sizes of its own (the radio buttons' indicators, the grid's
  // scroll bar) takes the design's scale too, also where it is smaller than the screen's.
  const TScale scale = FDesignScale;
  if (!FDesignStyle) {
    if (scale.IsOne()) return;
    FDesignStyle = new TScaledStyle(scale);
    FDesignStyle->setParent(this);
  }
  FDesignStyle->SetScale(scale);
  for (QWidget* control :
       {static_cast<QWidget*>(SoundOnButton), static_cast<QWidget*>(SoundOffButton),
        static_cast<QWidget*>(StatsGrid->horizontalScrollBar())}) {
    control->setStyle(scale.IsOne() ? nullptr : FDesignStyle);
    control->updateGeometry();
    control->update();
  }
}

bool TGameWindow::AdvisorShown() const {
  return FAdvisor && FAdvisor->isVisible() && !FAdvisor->isMinimized();
}

void TGameWindow::FitDesign() {
  // Everything above the status bar, less what the strategy advisor covers of it where it
  // stands over us: there the design is drawn smaller, in the largest part left free.
  const QRect room(0, 0, Client->width(), std::max(0, Client->height() - StatusBar->height()));
  QRect free = room;
  TScale scale = FScreenScale;
  if (AdvisorShown()) {
    const QRect advisor = FramedGeometry(FAdvisor);
    free = RoomBeside(room, QRect(Client->mapFromGlobal(advisor.topLeft()), advisor.size()),
                      kDesign.size());
    if (free != room) scale = std::min(scale, FitScale(free.size(), kDesign.size()));
  }
  if (!(scale == FDesignScale)) {
    FDesignScale = scale;
    FitStyleToScale();
    FDesignRecord.ScaleTo(scale, Design);
    FitPicturesToScale();
  }
  // Centred both ways in what is free.
  Design->move(free.left() + std::max(0, (free.width() - Design->width()) / 2),
               free.top() + std::max(0, (free.height() - Design->height()) / 2));
}

bool TGameWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((watched == Client && type == QEvent::Resize) ||
      (watched == FAdvisor &&
       (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
        type == QEvent::Hide || type == QEvent::WindowStateChange)))
    FitDesign();
  return QMainWindow::eventFilter(watched, event);
}

void TGameWindow::WindowActivate() {
  Guard([this] { FSoundSlots = LoadSoundSlots(); });
}

void TGameWindow::WindowClose() {
  // Once, however many ways the close is asked for (the close box, a signal, the session).
  if (FClosed) return;
  FClosed = true;
  Guard([this] {
    TakeTypedBet();
    SaveGameSettings(CurrentSettings());
    SaveAdvisor();
  });
  // Whether or not the settings could be saved.
  Guard([this] {
    if (FAdvisor) FAdvisor->FinishRecording();
  });
}

TGameSettings TGameWindow::CurrentSettings() const {
  TGameSettings settings;
  settings.FormColor = FormColor();
  settings.PieColor = PieColor();
  settings.AmountColor = AmountColor();
  settings.TotalColor = TotalColor();
  settings.SoundOn = SoundOnButton->isChecked();
  CopyEngineValues(FEngine, settings);
  return settings;
}

void TGameWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) WindowActivate();
}

void TGameWindow::closeEvent(QCloseEvent* event) {
  // A failed save is reported, and the game still closes: nothing would make the next
  // try succeed, and a window that can't be closed is worse.
  WindowClose();
  event->accept();
}

void TGameWindow::DealClick() {
  Guard([this] {
    TakeTypedBet();
    DealHand();
  });
  ApplyView();
}

void TGameWindow::DrawClick() {
  if (!AdvisorAllowsDraw()) return;
  Guard([this] { FEngine.DrawAndSettle(); });
  ApplyView();
}

void TGameWindow::HoldPanelClick(int position) {
  Guard([this, position] { FEngine.ToggleHold(position); });
  ApplyView();
}

void TGameWindow::StatsButtonClick() {
  Guard([this] { FEngine.ShowStats(); });
  ApplyView();
}

void TGameWindow::UpdateDisplay() {
  ApplyView();
}

void TGameWindow::SetTotalClick(std::int32_t total) {
  Guard([this, total] { FEngine.SetTotal(total); });
  ApplyView();
}

std::filesystem::path TGameWindow::SlotFile(int slot) const {
  if (slot < 1 || slot > kSoundSlotCount) return {};
  // The bytes the slot's path names on disk, whatever their encoding.
  return LocalBytesFromPath(FSoundSlots[static_cast<std::size_t>(slot - 1)]).toStdString();
}

void TGameWindow::PlayWinSoundFor(int slot) {
  // Show the hand before a possible error box; the settlement goes on whatever happens.
  ApplyView();
  Guard([this, slot] {
    if (const auto error = PlayWinSound(SlotFile(slot), SoundOnButton->isChecked(), FMediaPlayer))
      ShowErrorReport(this, *error);
  });
}

void TGameWindow::HelpClick() {
  Guard([this] {
    if (!FHelpViewer) FHelpViewer = new THelpViewer(FScreen, this);
    FHelpViewer->ShowContext(THelpViewer::FindHelpFile(kHelpFileName), 1);
  });
  ApplyView();
}

std::optional<QColor> TGameWindow::RunColorDialog() {
  std::optional<QColor> chosen;
  if (ColorChooser) {
    chosen = ColorChooser(FDialogColor);
  } else {
    // Made on first use; it is a sizeable dialog and most games never open it.
    if (!ColorDialog) {
      ColorDialog = new QColorDialog(this);
      ColorDialog->setObjectName(QStringLiteral("ColorDialog"));
    }
    ColorDialog->setCurrentColor(FDialogColor);
    if (ColorDialog->exec() == QDialog::Accepted) chosen = ColorDialog->selectedColor();
  }
  if (chosen) FDialogColor = *chosen;
  return chosen;
}

void TGameWindow::BackgroundColorClick() {
  Guard([this] {
    if (const auto color = RunColorDialog()) {
      SetWindowBackground(FromQColor(*color));
      FBackground.Kept = true;
    }
  });
  ApplyView();
}

void TGameWindow::PieColorClick() {
  ControlColorCommand(FPie, &TGameWindow::SetPieColor);
}

void TGameWindow::TotalColorClick() {
  ControlColorCommand(FTotalPanel, &TGameWindow::SetTotalPanelColor);
}

void TGameWindow::BetColorClick() {
  ControlColorCommand(FBetField, &TGameWindow::SetBetColor);
}

// Unlike the background, these three keep the control's colour, chosen now or not.
void TGameWindow::ControlColorCommand(TControlColor& color, void (TGameWindow::*set)(TColorValue)) {
  Guard([&] {
    if (const auto chosen = RunColorDialog()) (this->*set)(FromQColor(*chosen));
    color.Kept = true;
  });
  ApplyView();
}

void TGameWindow::PayoutsOptionsClick() {
  Guard([this] {
    if (FPayoutsDialog) FPayoutsDialog->exec();
  });
  ApplyView();
}

void TGameWindow::StrategyAdvisorClick() {
  Guard([this] {
    TAdvisor* advisor = MakeAdvisor();
    advisor->setVisible(!advisor->isVisible());
  });
}

TAdvisor* TGameWindow::MakeAdvisor() {
  if (!FAdvisor) {
    FAdvisor = new TAdvisor(FEngine, FScreen, FStoredAdvisor, FStartTime, this);
    connect(FAdvisor, &TAdvisor::HoldClicked, this,
            [this](int position) { HoldPanelClick(position); });
    connect(FAdvisor, &TAdvisor::ReplayRequested, this,
            [this](const THandCards& cards, const TPayTable& table, std::int32_t bet) {
              ReplayHand(cards, table, bet);
            });
    FAdvisor->installEventFilter(this);
  }
  return FAdvisor;
}

void TGameWindow::RestoreAdvisor() {
  FStoredAdvisor = LoadAdvisorState();
  // Opened again once the event loop runs, after the window is shown; practice follows
  // the hands with the advisor closed too.
  if (FStoredAdvisor.Open)
    QTimer::singleShot(0, this, [this] { StrategyAdvisorClick(); });
  else if (FStoredAdvisor.Practice)
    MakeAdvisor();
}

void TGameWindow::DealHand() {
  if (FAdvisor && FAdvisor->Practice())
    FEngine.DealPractice();
  else
    FEngine.Deal();
}

void TGameWindow::ReplayHand(const THandCards& cards, const TPayTable& table, std::int32_t bet) {
  Guard([&] {
    if (FEngine.Phase() == gpDealt) {
      ShowMessage(this, QMessageBox::Information, kAppTitle,
                  QStringLiteral("Draw the hand in play first, then replay."));
      return;
    }
    TakeTypedBet();
    if (!FEngine.DealReplay(cards, table, bet))
      throw std::invalid_argument("The hand to replay is not five different cards");
  });
  ApplyView();
}

bool TGameWindow::AdvisorAllowsDraw() {
  return !FAdvisor || FAdvisor->ConfirmDraw();
}

void TGameWindow::SaveAdvisor() {
  SaveAdvisorState(FAdvisor ? FAdvisor->State() : FStoredAdvisor);
}

void TGameWindow::SetWindowBackground(TColorValue value) {
  FBackground.Shown = value;
  QPalette palette = Client->palette();
  palette.setColor(QPalette::Window, ToQColor(value));
  Client->setPalette(palette);
  ShowTextReadable();
  // The cards cut their corners in the colour behind them.
  for (TCardDeck* card : Cards)
    if (card) card->update();
}

void TGameWindow::ShowTextReadable() {
  // The texts drawn straight on the background; the panels and buttons have their own.
  const QColor background = Client->palette().color(QPalette::Window);
  for (QWidget* control : {static_cast<QWidget*>(BetLabel), static_cast<QWidget*>(TotalLabel),
                           static_cast<QWidget*>(SoundGroup)})
    if (control) ShowReadableOn(control, background);
}

void TGameWindow::SetBetColor(TColorValue value) {
  FBetField.Shown = value;
  QPalette palette = BetField->palette();
  palette.setColor(QPalette::Base, ToQColor(value));
  BetField->setPalette(palette);
}

void TGameWindow::SetTotalPanelColor(TColorValue value) {
  FTotalPanel.Shown = value;
  TotalPanel->SetColor(ToQColor(value));
}

void TGameWindow::SetPieColor(TColorValue value) {
  FPie.Shown = value;
  WinGauge->SetForeColor(ToQColor(value));
}

void TGameWindow::TakeTypedBet() {
  // Text typed into the bet field counts as soon as anything reads the bet or rewrites the
  // field, not only when the field loses the focus: the cards, the panels and "Stats" never
  // take the focus, and a menu command or the close may come first. Text that is no whole
  // number counts as 5, the field's minimum.
  if (!FEngine.BetReadOnly() && BetField->HasUntakenText()) FEngine.SetBet(BetField->TextValue());
}

void TGameWindow::ApplyView() {
  Guard([this] { TakeTypedBet(); });
  const TGameView& view = FEngine.View();
  FUpdatingControls = true;
  for (int k = 0; k < kHandSize; ++k) {
    Cards[k]->SetValue(view.Cards[k]);
    const THoldPanelView& hold = view.HoldPanels[k];
    const QColor color = ToQColor(hold.Color);
    HoldPanels[k]->SetCaption(QString::fromStdString(hold.Caption));
    HoldPanels[k]->SetColor(color);
    HoldPanels[k]->SetFontColor(ReadableOn(color));
    HoldPanels[k]->setEnabled(hold.Enabled);
  }
  HandPanel->SetCaption(QString::fromStdString(view.HandText));
  MoneyMessagePanel->SetCaption(QString::fromStdString(view.MoneyMessage));
  SecondMessagePanel->SetCaption(QString::fromStdString(view.SecondMessage));
  TotalPanel->SetCaption(QString::fromStdString(view.TotalText));
  WinIcon->setVisible(view.WinIconVisible);
  DealButton->setVisible(view.DealVisible);
  DrawButton->setVisible(view.DrawVisible);
  BetField->setMaximum(view.BetMaximum);
  BetField->setValue(view.BetValue);
  BetField->setReadOnly(view.BetReadOnly);
  if (view.GridFilled) {
    for (int c = 0; c < kHandCategoryCount; ++c) {
      StatsGrid->SetCell(c, 1, QString::number(view.GridCounts[c]));
      StatsGrid->SetCell(c, 0,
                         QString::fromUtf8(kGridHeadings[c].data(),
                                           static_cast<qsizetype>(kGridHeadings[c].size())));
    }
  }
  WinGauge->SetProgress(view.GaugeProgress);
  FUpdatingControls = false;
  DescribeHand(*this, FEngine);
}
