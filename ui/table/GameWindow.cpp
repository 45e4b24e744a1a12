// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "GameWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDateTime>
#include <QDialog>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "Accessibility.h"
#include "Advisor.h"
#include "CardDeck.h"
#include "ChooseGameDialog.h"
#include "Colors.h"
#include "CustomPanel.h"
#include "Gauge.h"
#include "HelpViewer.h"
#include "KeyboardPlay.h"
#include "MessageBoxes.h"
#include "PayTablePanel.h"
#include "Readable.h"
#include "Scaling.h"
#include "Sleeper.h"
#include "SpinEdit.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "ViewTexts.h"
#include "advisor_settings.h"
#include "file_names.h"
#include "game_choice.h"
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

// A caption in another language may be longer than the design's room: the control takes
// what room there is beside it, up to `right`. The English captions fit as drawn and keep
// their places.
void FitCaption(QWidget* control, int right) {
  const int need = control->sizeHint().width();
  if (need > control->width())
    control->resize(std::min(need, right - control->x()), control->height());
}
// The same for a label before its field: it grows to the left, down to `left`, its text
// ending just before the field.
void FitLabelBefore(QLabel* label, int left) {
  const int need = label->sizeHint().width();
  if (need <= label->width()) return;
  const int end = label->x() + label->width() + 6;  // up to the blank before its field
  const int width = std::min(need, end - left);
  label->setGeometry(end - width, label->y(), width, label->height());
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
  // Before any control: one that names itself as it is built is read from then on.
  InstallAccessibleControls();
  BuildControls();
  BuildMenu();
  NameGameControls(*this);
  InstallKeyboardPlay(
      *this, *this, FEngine,
      {[this](int position) { HoldPanelClick(position); }, [this] { SwitchPane(); }});
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusMoved(now); });
  FEngine.OnWinSound = [this](int slot) { PlayWinSoundFor(slot); };
  FEngine.OnUpdateDisplay = [this] { UpdateDisplay(); };
  WindowCreate();
}

TGameWindow::~TGameWindow() {
  // The focus moves as the window goes; nothing of it is followed any more.
  disconnect(qApp, nullptr, this, nullptr);
  // The advisor reads the engine, which as a member goes before the child widgets do.
  delete FAdvisor;
  FAdvisor = nullptr;
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
  PayTablePanel = new TPayTablePanel(Client);
  PayTablePanel->hide();
  Sleeper = new TSleeper(this);
  Sleeper->setObjectName(QStringLiteral("Sleeper"));
  Sleeper->SetInterval(1000);
  ShowTextReadable();
  resize(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
}

void TGameWindow::BuildBetAndTotal() {
  BetLabel = new QLabel(tr("Bet"), Design);
  BetLabel->setObjectName(QStringLiteral("BetLabel"));
  BetLabel->setGeometry(kBetLabel);
  FitLabelBefore(BetLabel, 0);
  BetField = new TSpinEdit(Design);
  BetField->setObjectName(QStringLiteral("BetField"));
  BetField->setGeometry(kBetField);
  BetField->setRange(kMinBet, kMaxBet);
  BetField->setSingleStep(kBetStep);
  BetField->setValue(kMinBet);
  BetField->setFont(DesignFont(19, true));
  BetField->UseNarrowArrows();  // the room of the small field goes to the digits
  SetBetColor(clBtnFace);
  connect(BetField, &QSpinBox::valueChanged, this, [this](int value) {
    if (FUpdatingControls) return;
    Guard([&] { FEngine.SetBet(value); });
  });

  //: The label beside the total's panel: room for about six letters.
  TotalLabel = new QLabel(tr("Total", "label"), Design);
  TotalLabel->setObjectName(QStringLiteral("TotalLabel"));
  TotalLabel->setGeometry(kTotalLabel);
  FitLabelBefore(TotalLabel, 0);
  TotalPanel = MakePanel(Design, "TotalPanel", bvLowered, bvLowered);
  TotalPanel->setGeometry(kTotalPanel);
  TotalPanel->setFont(DesignFont(13, true));
  TotalPanel->SetFontColor(ToQColor(clBlue));
  TotalPanel->setToolTip(tr("Total"));

  DealButton = new QPushButton(tr("Deal"), Design);
  DealButton->setObjectName(QStringLiteral("DealButton"));
  DealButton->setGeometry(kDealButton);
  DrawButton = new QPushButton(tr("Draw"), Design);
  DrawButton->setObjectName(QStringLiteral("DrawButton"));
  DrawButton->setGeometry(kDrawButton);
  DrawButton->setToolTip(tr("Draw Additional Cards"));
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
  StatsButton->setText(tr("Stats"));
  StatsButton->setAutoRaise(false);
  StatsButton->setFocusPolicy(Qt::NoFocus);
  StatsButton->setGeometry(kStatsButton);
  FitCaption(StatsButton, kDesign.right() - 3);
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
  WinGauge->setToolTip(tr("Winning Percentage"));

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
  SoundOnButton = new QRadioButton(tr("Sound On"), SoundGroup);
  SoundOnButton->setObjectName(QStringLiteral("SoundOnButton"));
  SoundOnButton->setGeometry(kSoundOnButton);
  FitCaption(SoundOnButton, kSoundOffButton.left() - 2);
  SoundOnButton->setChecked(true);
  SoundOffButton = new QRadioButton(tr("Sound Off"), SoundGroup);
  SoundOffButton->setObjectName(QStringLiteral("SoundOffButton"));
  SoundOffButton->setGeometry(kSoundOffButton);
  FitCaption(SoundOffButton, kSoundGroup.width() - 4);
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
    StatusBar->SetCaption(tr("Lumaro for Windows 95"));
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
  QMenu* setTotal = bar->addMenu(tr("Set Total"));
  setTotal->setObjectName(QStringLiteral("SetTotalMenu"));
  for (const std::int32_t total : {1000, 10000, 100000}) {
    const QByteArray name = "SetTotal" + QByteArray::number(total);
    item(setTotal, name.constData(), QString::number(total),
         [this, total] { SetTotalClick(total); });
  }
  QAction* help = bar->addAction(tr("Help"));
  help->setObjectName(QStringLiteral("HelpCommand"));
  connect(help, &QAction::triggered, this, [this] { HelpClick(); });
  QMenu* colors = bar->addMenu(tr("Colors"));
  colors->setObjectName(QStringLiteral("ColorsMenu"));
  item(colors, "BackgroundColor", tr("Background"), [this] { BackgroundColorClick(); });
  item(colors, "PieColor", tr("Piechart"), [this] { PieColorClick(); });
  item(colors, "TotalColor", tr("Total"), [this] { TotalColorClick(); });
  item(colors, "BetColor", tr("Amount"), [this] { BetColorClick(); });
  QMenu* advanced = bar->addMenu(tr("Advanced"));
  advanced->setObjectName(QStringLiteral("AdvancedMenu"));
  item(advanced, "PayoutsOptions", tr("Payouts Options"), [this] { PayoutsOptionsClick(); });
  item(advanced, "StrategyAdvisor", tr("Strategy Advisor"), [this] { StrategyAdvisorClick(); });
  item(advanced, "ChooseGame", tr("Choose Game\u2026"), [this] { ChooseGameClick(); });
  //: Shows the pay table beside the game also where the screen has no room to spare (the game
  //: is drawn smaller then).
  PayTableCommand = advanced->addAction(tr("Pay Table"));
  PayTableCommand->setObjectName(QStringLiteral("PayTableCommand"));
  PayTableCommand->setCheckable(true);
  connect(PayTableCommand, &QAction::triggered, this, [this] { PayTableClick(); });
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
    setWindowTitle(tr("Lumaro for Windows 95 Version %1").arg(ProgramVersion));
    StartEngine(FEngine, settings);
    // Another game than today's only when the player chose one.
    if (const auto chosen = LoadChosenGame()) FEngine.SetGame(*chosen);
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
  FClientMinimum = QSize(Design->width(), Design->height() + StatusBar->height());
  Client->setMinimumSize(FClientMinimum);
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

bool TGameWindow::AdvisorOpen() const {
  return FAdvisor && FAdvisor->IsOpen();
}

TGameWindow::TAdvisorPlace TGameWindow::AdvisorPlace() const {
  if (!AdvisorOpen()) return apClosed;
  if (AdvisorDock->isFloating()) return apWindow;
  return FPageMode ? apPage : apBeside;
}

TScale TGameWindow::LeastGameScale() const {
  // Beside the advisor the game keeps its design size on a screen of 1024 x 768 or more, and
  // four fifths of the screen's scale on a smaller one; where that leaves the advisor no
  // room, it becomes a page.
  return std::min(TScale{1, 1}, ScaledAgain(FScreenScale, 4, 5));
}

std::optional<TScale> TGameWindow::BesideScale(const QSize& room) {
  // The game and the advisor at one scale, the largest at which both fit side by side: the
  // advisor's text is never larger than the game's, and grows with the room there is.
  const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  // The game with its status bar, as tall as the room lets it be.
  const QSize whole(kDesign.width(), kDesign.height() + kStatusBar.height());
  TScale scale =
      std::min(FScreenScale, FitScale(QSize(whole.width() * FScreenScale.M, room.height()), whole));
  const TScale least = LeastGameScale();
  for (int tries = 0; tries < 8 && !(scale < least); ++tries) {
    FAdvisor->SetScale(scale);
    const QSize advisor = FAdvisor->NaturalSize() + FDockFrame;
    const int game = MulDivRound(kDesign.width(), scale.M, scale.D);
    if (advisor.width() + separator + game <= room.width() && advisor.height() <= room.height())
      return scale;
    // The advisor grows about as the game does: the scale at which both would just fit,
    // a little less for the rounding of the fonts.
    const double now = static_cast<double>(scale.M) / scale.D;
    const double across =
        now * (room.width() - separator) / std::max(1, advisor.width() + game) * 0.99;
    const double down = now * room.height() / std::max(1, advisor.height()) * 0.99;
    const double next = std::min({across, down, now * 0.97});
    scale = {static_cast<int>(next * 1000), 1000};
  }
  return std::nullopt;
}

void TGameWindow::FitAdvisor() {
  if (FFitting || !FAdvisor || !AdvisorDock) return;
  FFitting = true;
  const bool open = FAdvisor->IsOpen();
  bool page = false;
  // Docked, the game may be drawn smaller, down to its least scale: the window then needs no
  // more room than that beside the advisor, and never grows past the screen for it.
  const TScale least = LeastGameScale();
  Client->setMinimumSize(
      open && !AdvisorDock->isFloating()
          ? QSize(MulDivRound(kDesign.width(), least.M, least.D),
                  MulDivRound(kDesign.height() + kStatusBar.height(), least.M, least.D))
          : FClientMinimum);
  if (!open) {
    AdvisorDock->hide();
  } else if (AdvisorDock->isFloating()) {
    FAdvisor->SetScale(FScreenScale);
    AdvisorDock->show();
  } else {
    const QSize room(width(), height() - menuBar()->height());
    if (const auto scale = BesideScale(room)) {
      FAdvisor->SetScale(*scale);
      const int natural = FAdvisor->NaturalSize().width() + FDockFrame.width();
      const int separator =
          style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
      // The player may widen the advisor, as far as the game keeps its least scale.
      AdvisorDock->setMinimumWidth(natural);
      AdvisorDock->setMaximumWidth(std::max(
          natural, room.width() - separator - MulDivRound(kDesign.width(), least.M, least.D) - 1));
      AdvisorDock->show();
      resizeDocks({AdvisorDock}, {natural}, Qt::Horizontal);
    } else {
      page = true;
      // The advisor has the window to itself: at the game's scale, smaller if it must be.
      FAdvisor->SetScale(FScreenScale);
      const QSize natural = FAdvisor->NaturalSize() + FDockFrame;
      if (natural.height() > room.height() || natural.width() > room.width()) {
        const TScale fit = std::min(FitScale(room, natural), TScale{1, 1});
        FAdvisor->SetScale(ScaledAgain(FScreenScale, fit.M, fit.D));
      }
      AdvisorDock->setMinimumWidth(0);
      AdvisorDock->setMaximumWidth(QWIDGETSIZE_MAX);
    }
  }
  SetPageMode(page);
  FFitting = false;
  FitDesign();
}

void TGameWindow::SetPageMode(bool on) {
  FPageMode = on;
  // The menu bar shows the two pages only while the advisor is one of them.
  if (on && !PageSwitch) {
    PageSwitch = new QTabBar(this);
    PageSwitch->setObjectName(QStringLiteral("PageSwitch"));
    PageSwitch->setAccessibleName(tr("Window pages"));
    PageSwitch->setDrawBase(false);
    PageSwitch->setExpanding(false);
    PageSwitch->setFocusPolicy(Qt::TabFocus);
    PageSwitch->addTab(tr("Game"));
    PageSwitch->addTab(tr("Strategy Advisor"));
    PageSwitch->setCurrentIndex(1);
    connect(PageSwitch, &QTabBar::currentChanged, this, [this](int index) { ShowPage(index); });
  }
  if (PageSwitch) {
    if (on && menuBar()->cornerWidget() != PageSwitch) {
      menuBar()->setCornerWidget(PageSwitch, Qt::TopRightCorner);
      PageSwitch->show();
    } else if (!on && menuBar()->cornerWidget() == PageSwitch) {
      menuBar()->setCornerWidget(nullptr, Qt::TopRightCorner);
      PageSwitch->hide();
    }
  }
  if (on)
    ShowPage(PageSwitch->currentIndex());
  else
    Client->show();
}

void TGameWindow::ShowPage(int page) {
  if (!FPageMode) return;
  const bool advisor = page == 1;
  if (PageSwitch->currentIndex() != page) PageSwitch->setCurrentIndex(page);
  // The window shows one of them, never one over the other.
  Client->setVisible(!advisor);
  AdvisorDock->setVisible(advisor);
}

void TGameWindow::FitDesign() {
  // Beside the docked advisor, or below a menu bar that holds the page switch, the game
  // (the design and the status bar under it) is drawn at the scale the room left takes,
  // never larger than the screen's; else at the screen's.
  const bool shared = AdvisorOpen() && !AdvisorDock->isFloating();
  TScale scale = FScreenScale;
  const QSize whole(kDesign.width(), kDesign.height() + kStatusBar.height());
  if (shared) scale = std::min(scale, FitScale(Client->size(), whole));
  // Asked for, the pay table takes a quarter of the design's width more.
  const bool tableAsked = PayTableCommand && PayTableCommand->isChecked() && !shared;
  if (tableAsked)
    scale = std::min(scale, FitScale(Client->size(), whole + QSize(whole.width() / 4, 0)));
  if (!(scale == FDesignScale)) {
    FDesignScale = scale;
    FitStyleToScale();
    FDesignRecord.ScaleTo(scale, Design);
    FDesignRecord.ScaleTo(scale, StatusBar);
    StatusBar->SetHeight(StatusBar->height());  // docked at the bottom again
    FitPicturesToScale();
  }
  // Centred both ways in what the status bar leaves, or beside the pay table where the
  // room beside the design takes it.
  const QRect room(0, 0, Client->width(), std::max(0, Client->height() - StatusBar->height()));
  const int gap = 8 * scale.M / scale.D;
  const int tableWidth = room.width() - Design->width() - 3 * gap;
  // Today's game keeps the design where the Parts place it unless the player asks for its
  // table; the other games show theirs wherever the room beside the design takes it.
  const bool wanted = tableAsked || !FEngine.TableInForce().IsJacks();
  const bool beside =
      !shared && wanted && tableWidth >= Design->width() * (tableAsked ? 10 : 19) / 100;
  const int width = Design->width() + (beside ? tableWidth + gap : 0);
  Design->move(room.left() + std::max(0, (room.width() - width) / 2),
               room.top() + std::max(0, (room.height() - Design->height()) / 2));
  FPayTableGame = FEngine.HandTable().Game;
  PayTablePanel->setVisible(beside);
  if (!beside) PayTablePanel->Clear();
  if (beside) {
    PayTablePanel->Show(FEngine.HandTable(), FEngine.View().LitPayLine);
    QFont font = Design->font();
    font.setPixelSize(std::max(1, 11 * scale.M / scale.D));
    font.setBold(true);
    PayTablePanel->SetTextFont(font);
    // New lines and a new font: the layout sizes them before it is asked for a height.
    PayTablePanel->layout()->invalidate();
    PayTablePanel->layout()->activate();
    const int height = std::min(PayTablePanel->heightForWidth(tableWidth) > 0
                                    ? PayTablePanel->heightForWidth(tableWidth)
                                    : PayTablePanel->sizeHint().height(),
                                Design->height());
    PayTablePanel->setGeometry(Design->geometry().right() + 1 + gap, Design->y() + gap, tableWidth,
                               height);
  }
}

void TGameWindow::PayTableClick() {
  Guard([this] { FitDesign(); });
}

bool TGameWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == Client && type == QEvent::Resize) FitDesign();
  // The dock's own close button closes the advisor, as the menu command does.
  if (watched == AdvisorDock && type == QEvent::Close && !FFitting) {
    QTimer::singleShot(0, this, [this] {
      if (AdvisorOpen()) StrategyAdvisorClick();
    });
  }
  return QMainWindow::eventFilter(watched, event);
}

void TGameWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (AdvisorOpen()) FitAdvisor();
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
    if (!FEngine.TableInForce().IsJacks()) SaveChosenGame(FEngine.TableInForce());
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
  if (slot < 1 || slot > kWinSoundSlots) return {};
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

std::optional<QColor> TGameWindow::RunColorDialog(const QColor& inForce) {
  // At the colour last chosen, as the one dialog keeps it; before any, at the one in force.
  const QColor start = FDialogColor.value_or(inForce);
  std::optional<QColor> chosen;
  if (ColorChooser) {
    chosen = ColorChooser(start);
  } else {
    // Made on first use; it is a sizeable dialog and most games never open it.
    if (!ColorDialog) {
      ColorDialog = new QColorDialog(this);
      ColorDialog->setObjectName(QStringLiteral("ColorDialog"));
    }
    ColorDialog->setCurrentColor(start);
    if (ColorDialog->exec() == QDialog::Accepted) chosen = ColorDialog->selectedColor();
  }
  if (chosen) FDialogColor = *chosen;
  return chosen;
}

void TGameWindow::BackgroundColorClick() {
  Guard([this] {
    if (const auto color = RunColorDialog(ToQColor(FBackground.Shown))) {
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
    if (const auto chosen = RunColorDialog(ToQColor(color.Shown)))
      (this->*set)(FromQColor(*chosen));
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

void TGameWindow::ChooseGameClick() {
  Guard([this] {
    if (FEngine.Phase() == gpDealt) {
      ShowMessage(this, QMessageBox::Information, kAppTitle,
                  tr("Draw the hand in play first, then choose a game."));
      return;
    }
    const TGameTable inForce = FEngine.TableInForce();
    std::optional<TGameTable> chosen;
    if (GameChooser) {
      chosen = GameChooser(inForce);
    } else {
      const TPayTable jacks = FEngine.PayTable();
      TChooseGameDialog dialog(
          inForce,
          [&jacks](const TGame& game) {
            return &game == &kJacksOrBetter ? JacksTable(jacks) : StoredTableOf(game);
          },
          this);
      if (dialog.exec() == QDialog::Accepted) chosen = dialog.Chosen();
    }
    if (!chosen || !FEngine.SetGame(*chosen)) return;
    // The game left keeps its table for the next time it is chosen; today's game keeps its
    // own in H1..H9, written at the close.
    if (chosen->Game != inForce.Game && !inForce.IsJacks()) SaveChosenGame(inForce);
    SaveChosenGame(*chosen);
    // A session is one game: the hands recorded from now on are a new one's.
    if (chosen->Game != inForce.Game) {
      FStartTime = QDateTime::currentSecsSinceEpoch();
      if (FAdvisor) FAdvisor->SetSessionStart(FStartTime);
    }
  });
  ApplyView();
}

void TGameWindow::StrategyAdvisorClick() {
  Guard([this] {
    TAdvisor* advisor = MakeAdvisor();
    const bool open = !advisor->IsOpen();
    advisor->SetOpen(open);
    // Asked for, it comes to the front: its page where it is one.
    if (open && FPageMode) ShowPage(1);
    FitAdvisor();
    if (open && FPageMode) ShowPage(1);
    if (!open && FPageMode) SetPageMode(false);
    if (!open) FitDesign();
  });
}

TAdvisor* TGameWindow::MakeAdvisor() {
  if (!FAdvisor) {
    FAdvisor = new TAdvisor(FEngine, FStoredAdvisor, FStartTime, this);
    connect(FAdvisor, &TAdvisor::HoldClicked, this,
            [this](int position) { HoldPanelClick(position); });
    connect(FAdvisor, &TAdvisor::ReplayRequested, this,
            [this](const THandCards& cards, const TGameTable& table, std::int32_t bet) {
              ReplayHand(cards, table, bet);
            });
    FAdvisor->QuestionPlace = [this](const QSize& box) { return QuestionPlace(box); };
    MakeAdvisorDock();
  }
  return FAdvisor;
}

void TGameWindow::MakeAdvisorDock() {
  AdvisorDock = new QDockWidget(tr("Lumaro Strategy Advisor"), this);
  AdvisorDock->setObjectName(QStringLiteral("AdvisorDock"));
  AdvisorDock->setAllowedAreas(Qt::RightDockWidgetArea);
  AdvisorDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
  AdvisorDock->setWidget(FAdvisor);
  addDockWidget(Qt::RightDockWidgetArea, AdvisorDock);
  AdvisorDock->hide();
  // What the dock adds around the advisor: its frame, and its title bar above.
  const QStyle* style = AdvisorDock->style();
  const int frame = style->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, AdvisorDock);
  const int title = std::max(AdvisorDock->fontMetrics().height(),
                             style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, AdvisorDock)) +
                    2 * style->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, AdvisorDock);
  FDockFrame = QSize(2 * frame, 2 * frame + title);
  AdvisorDock->setFloating(!FStoredAdvisor.Docked);
  AdvisorDock->installEventFilter(this);
  connect(AdvisorDock, &QDockWidget::topLevelChanged, this, [this](bool) {
    // Undocked or docked again by the player: the game takes the room, or gives it.
    QTimer::singleShot(0, this, [this] { FitAdvisor(); });
  });
  // F6 from the advisor in a window of its own back to the game.
  connect(FAdvisor, &TAdvisor::PaneKeyPressed, this, [this] { SwitchPane(); });
}

QPoint TGameWindow::QuestionPlace(const QSize& box) const {
  // Under the hold panels, over the statistics: the cards, the buttons, the messages and the
  // total stay in sight while the question is asked.
  const QRect panels(HoldPanels.front()->mapToGlobal(QPoint(0, 0)),
                     HoldPanels.back()->mapToGlobal(
                         QPoint(HoldPanels.back()->width(), HoldPanels.back()->height())));
  const QRect area = screen() ? screen()->availableGeometry() : QRect(QPoint(0, 0), FScreen);
  const int left = panels.center().x() - box.width() / 2;
  // The box's own title bar stands above the place given, as tall as ours.
  const int top = panels.bottom() + 4 + FrameMargins(this).top();
  return {std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - box.width())),
          std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - box.height()))};
}

void TGameWindow::SwitchPane() {
  // F6: from the game into the advisor and back, as desktop programs move between panes.
  if (!AdvisorOpen()) return;
  QWidget* focus = QApplication::focusWidget();
  // As a page, the advisor is where its page is shown.
  const bool inAdvisor = FPageMode ? PageSwitch->currentIndex() == 1
                                   : focus && (focus == FAdvisor || FAdvisor->isAncestorOf(focus));
  if (inAdvisor) {
    if (FPageMode) ShowPage(0);
    activateWindow();
    QWidget* target = FGameFocus && FGameFocus->isVisible() ? FGameFocus.data() : nullptr;
    if (!target) target = DealButton->isVisible() ? DealButton : DrawButton;
    setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::ShortcutFocusReason);
  } else {
    if (FPageMode) ShowPage(1);
    if (AdvisorDock->isFloating()) AdvisorDock->activateWindow();
    // Always the page's list, so the reader starts where the advice is.
    QWidget* target = FAdvisor->FocusTarget();
    setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::ShortcutFocusReason);
  }
}

void TGameWindow::FocusMoved(QWidget* now) {
  if (!now) return;
  if (Client->isAncestorOf(now)) FGameFocus = now;
}

void TGameWindow::RestoreAdvisor() {
  FStoredAdvisor = LoadAdvisorState();
  // Opened again once the event loop runs, after the window is shown; practice follows
  // the hands with the advisor closed too.
  if (FStoredAdvisor.Open)
    QTimer::singleShot(0, this, [this] {
      StrategyAdvisorClick();
      // Where it is a page, the game comes first at the start; F6 goes to the advisor.
      if (FPageMode) ShowPage(0);
    });
  else if (FStoredAdvisor.Practice)
    MakeAdvisor();
}

void TGameWindow::DealHand() {
  if (FAdvisor && FAdvisor->Practice())
    FEngine.DealPractice();
  else
    FEngine.Deal();
}

void TGameWindow::ReplayHand(const THandCards& cards, const TGameTable& table, std::int32_t bet) {
  Guard([&] {
    if (FEngine.Phase() == gpDealt) {
      ShowMessage(this, QMessageBox::Information, kAppTitle,
                  tr("Draw the hand in play first, then replay."));
      return;
    }
    TakeTypedBet();
    if (!FEngine.DealReplay(cards, table, bet))
      throw std::invalid_argument(
          tr("The hand to replay is not five different cards").toStdString());
  });
  ApplyView();
}

bool TGameWindow::AdvisorAllowsDraw() {
  return !FAdvisor || FAdvisor->ConfirmDraw();
}

void TGameWindow::SaveAdvisor() {
  TAdvisorState state = FStoredAdvisor;
  if (FAdvisor) {
    state = FAdvisor->State();
    state.Docked = !AdvisorDock->isFloating();
  }
  SaveAdvisorState(state);
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
  const QColor box = ToQColor(value);
  QPalette palette = BetField->palette();
  palette.setColor(QPalette::Base, box);
  BetField->setPalette(palette);
  // The design's navy digits, unless the box is too dark for them.
  SetTextColor(BetField, FromQColor(TextReadableOn(ToQColor(clNavy), box)));
}

void TGameWindow::SetTotalPanelColor(TColorValue value) {
  FTotalPanel.Shown = value;
  const QColor box = ToQColor(value);
  TotalPanel->SetColor(box);
  TotalPanel->SetFontColor(TextReadableOn(ToQColor(clBlue), box));
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
  const TGameView view = InPlayersLanguage(FEngine.View());
  FUpdatingControls = true;
  for (int k = 0; k < kHandSize; ++k) {
    Cards[k]->SetValue(view.Cards[k]);
    const THoldPanelView& hold = view.HoldPanels[k];
    const QColor color = ToQColor(hold.Color);
    const QString caption = QString::fromStdString(hold.Caption);
    HoldPanels[k]->SetCaption(caption);
    // The caption says what happens to the card; the name which card: "Card 1: draw".
    HoldPanels[k]->setAccessibleName(tr("Card %1: %2").arg(k + 1).arg(caption.trimmed().toLower()));
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
  if (StatsGrid->ColCount() != view.GridColumns) StatsGrid->SetSize(view.GridColumns, 2);
  // Another game, one of as many columns included, leaves none of the last game's counts.
  for (int c = 0; c < view.GridColumns; ++c) {
    StatsGrid->SetCell(c, 1, view.GridFilled ? QString::number(view.GridCounts[c]) : QString());
    StatsGrid->SetCell(c, 0, ShownHeading(view.GridHeadings[c]));
  }
  WinGauge->SetProgress(view.GaugeProgress);
  if (PayTablePanel->isVisible()) PayTablePanel->Show(FEngine.HandTable(), view.LitPayLine);
  FUpdatingControls = false;
  // Another game's table may want another height, or today's game none.
  if (FEngine.HandTable().Game != FPayTableGame) FitDesign();
  DescribeHand(*this, FEngine);
}
