#include "Quorvelp.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "Advisor.h"
#include "CardDeck.h"
#include "Colors.h"
#include "CustomPanel.h"
#include "Gauge.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "Scaling.h"
#include "Sleeper.h"
#include "SpinEdit.h"
#include "Statbaru.h"
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
constexpr QRect kLabel1(8, 16, 40, 16);
constexpr QRect kBet(56, 8, 57, 26);
constexpr QRect kLabel2(8, 56, 40, 16);
constexpr QRect kPanel5(56, 48, 57, 33);
constexpr QRect kShuffle(12, 96, 105, 41);
constexpr QRect kSecond(12, 96, 105, 41);
constexpr QRect kCash(136, 8, 441, 35);
constexpr QRect kPanel4(136, 48, 441, 33);
constexpr QRect kPanel2(136, 120, 397, 25);
constexpr QRect kSpeedButton5(544, 120, 49, 25);
constexpr int kCardLefts[kHandSize] = {136, 216, 296, 376, 456};
constexpr int kCardTop = 152;
constexpr int kHoldLefts[kHandSize] = {136, 216, 300, 380, 460};
constexpr int kHoldTop = 256;
constexpr QSize kHoldSize(69, 33);
constexpr QRect kImage1(552, 176, 33, 33);
constexpr QRect kGauge1(544, 248, 49, 41);
constexpr QRect kStringGrid1(136, 296, 457, 65);
constexpr QRect kGroupBox1(4, 372, 233, 33);
constexpr QRect kRadioButton1(8, 8, 89, 17);
constexpr QRect kRadioButton2(120, 8, 97, 17);
constexpr QRect kEStatusBar1(0, 409, 632, 25);

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

// White text on a dark panel, black on a light one.
QColor ReadableOn(const QColor& background) {
  return background.lightness() < 140 ? QColor(Qt::white) : QColor(Qt::black);
}

TCustomPanel* MakePanel(QWidget* parent, const char* name, TBevelCut outer, TBevelCut inner) {
  auto* panel = new TCustomPanel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->SetBevelOuter(outer);
  panel->SetBevelInner(inner);
  return panel;
}

}  // namespace

TForm1::TForm1(const QSize& screen, TClock clock, QWidget* parent)
    : QMainWindow(parent),
      // The room a maximised window can take: a desktop's panels are not ours to cover.
      FScreen(screen.isEmpty() ? QGuiApplication::primaryScreen()->availableGeometry().size()
                               : screen),
      FEngine(std::move(clock)) {
  setObjectName(QStringLiteral("Form1"));
  BuildControls();
  BuildMenu();
  FEngine.OnWinSound = [this](int slot) { PlayWinSoundFor(slot); };
  FEngine.OnUpdateDisplay = [this] { UpdateDisplay(); };
  FormCreate();
}

TForm1::~TForm1() {
  // The advisor reads the engine, which as a member goes before the child widgets do.
  delete FAdvisor;
}

void TForm1::BuildControls() {
  Client = new QWidget(this);
  Client->setObjectName(QStringLiteral("Client"));
  Client->setAutoFillBackground(true);
  Client->setFont(DesignFont(13, true));
  setCentralWidget(Client);
  Client->installEventFilter(this);
  Design = new QWidget(Client);
  Design->setObjectName(QStringLiteral("Design"));
  Design->setGeometry(kDesign);
  SetFormBackground(clBtnFace);
  BuildBetAndTotal();
  BuildMessages();
  BuildHand();
  BuildStatistics();
  BuildSound();
  BuildStatusBar();
  Sleeper1 = new TSleeper(this);
  Sleeper1->setObjectName(QStringLiteral("Sleeper1"));
  Sleeper1->SetInterval(1000);
  resize(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
}

void TForm1::BuildBetAndTotal() {
  Label1 = new QLabel(QStringLiteral("Bet"), Design);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(kLabel1);
  Bet = new TSpinEdit(Design);
  Bet->setObjectName(QStringLiteral("Bet"));
  Bet->setGeometry(kBet);
  Bet->setRange(kMinBet, kMaxBet);
  Bet->setSingleStep(kBetStep);
  Bet->setValue(kMinBet);
  Bet->setFont(DesignFont(19, true));
  Bet->UseNarrowArrows();  // the room of the small field goes to the digits
  SetTextColor(Bet, clNavy);
  SetBetColor(clBtnFace);
  connect(Bet, &QSpinBox::valueChanged, this, [this](int value) {
    if (FUpdatingControls) return;
    Guard([&] { FEngine.SetBet(value); });
  });

  Label2 = new QLabel(QStringLiteral("Total"), Design);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(kLabel2);
  Panel5 = MakePanel(Design, "Panel5", bvLowered, bvLowered);
  Panel5->setGeometry(kPanel5);
  Panel5->setFont(DesignFont(13, true));
  Panel5->SetFontColor(ToQColor(clBlue));
  Panel5->setToolTip(QStringLiteral("Total"));

  Shuffle = new QPushButton(QStringLiteral("Deal"), Design);
  Shuffle->setObjectName(QStringLiteral("Shuffle"));
  Shuffle->setGeometry(kShuffle);
  Second = new QPushButton(QStringLiteral("Draw"), Design);
  Second->setObjectName(QStringLiteral("Second"));
  Second->setGeometry(kSecond);
  Second->setToolTip(QStringLiteral("Draw Additional Cards"));
  for (QPushButton* button : {Shuffle, Second}) {
    button->setFont(DesignFont(13, true));
    SetTextColor(button, clBlack);
  }
  connect(Shuffle, &QPushButton::clicked, this, [this] { ShuffleClick(); });
  connect(Second, &QPushButton::clicked, this, [this] { SecondClick(); });
}

void TForm1::BuildMessages() {
  Cash = MakePanel(Design, "Cash", bvLowered, bvRaised);
  Cash->setGeometry(kCash);
  Cash->setFont(DesignFont(15, true));
  Cash->SetFontColor(ToQColor(clNavy));
  Panel4 = MakePanel(Design, "Panel4", bvLowered, bvRaised);
  Panel4->setGeometry(kPanel4);
  Panel4->setFont(DesignFont(15, true));
  Panel4->SetFontColor(ToQColor(clMaroon));
  Panel2 = MakePanel(Design, "Panel2", bvRaised, bvNone);
  Panel2->setGeometry(kPanel2);
  Panel2->SetColor(ToQColor(clYellow));

  SpeedButton5 = new QToolButton(Design);
  SpeedButton5->setObjectName(QStringLiteral("SpeedButton5"));
  SpeedButton5->setText(QStringLiteral("Stats"));
  SpeedButton5->setAutoRaise(false);
  SpeedButton5->setFocusPolicy(Qt::NoFocus);
  SpeedButton5->setGeometry(kSpeedButton5);
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
}

void TForm1::BuildHand() {
  for (int k = 0; k < kHandSize; ++k) {
    auto* card = new TCardDeck(Design);
    card->setObjectName(QStringLiteral("CardDeck%1").arg(k + 1));
    card->move(kCardLefts[k], kCardTop);
    CardDecks[k] = card;
    auto* hold = MakePanel(Design, "", bvLowered, bvLowered);
    hold->setObjectName(QStringLiteral("Panel%1").arg(k + 6));
    hold->SetBevelWidth(2);
    hold->setGeometry(QRect(QPoint(kHoldLefts[k], kHoldTop), kHoldSize));
    HoldPanels[k] = hold;
    const int position = k + 1;
    connect(hold, &TCustomPanel::OnClick, this, [this, position] { PanelClick(position); });
    connect(card, &TCardDeck::OnClick, this, [this, position] { PanelClick(position); });
  }

  Image1 = new QLabel(Design);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(kImage1);
  Image1->setPixmap(QPixmap(QStringLiteral(":/icons/WINICON.png")));
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->hide();
}

void TForm1::BuildStatistics() {
  Gauge1 = new TGauge(Design);
  Gauge1->setObjectName(QStringLiteral("Gauge1"));
  Gauge1->setGeometry(kGauge1);
  Gauge1->SetRange(0, 100);
  Gauge1->SetBackColor(ToQColor(clYellow));
  Gauge1->SetColor(ToQColor(clSilver));
  SetPieColor(clRed);
  Gauge1->setToolTip(QStringLiteral("Winning Percentage"));

  StringGrid1 = new TStringGrid(Design);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setGeometry(kStringGrid1);
  StringGrid1->SetSize(kHandCategoryCount, 2);
  StringGrid1->SetDefaultColWidth(90);
  StringGrid1->SetDefaultRowHeight(24);
  StringGrid1->SetFixedColor(ToQColor(clLime));
  StringGrid1->SetColor(ToQColor(clWindow));
}

void TForm1::BuildSound() {
  GroupBox1 = new QGroupBox(Design);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(kGroupBox1);
  RadioButton1 = new QRadioButton(QStringLiteral("Sound On"), GroupBox1);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton1->setGeometry(kRadioButton1);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton(QStringLiteral("Sound Off"), GroupBox1);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  RadioButton2->setGeometry(kRadioButton2);
}

void TForm1::BuildStatusBar() {
  // Docked across the whole client area, not only the design's part of it.
  EStatusBar1 = new TEStatusBar(Client);
  EStatusBar1->setObjectName(QStringLiteral("EStatusBar1"));
  EStatusBar1->setGeometry(kEStatusBar1);
  Guard([this] {
    EStatusBar1->SetSectMainBevel(sbLow);
    EStatusBar1->SetSectDateBevel(sbLow);
    EStatusBar1->SetSectTimeBevel(sbLow);
    EStatusBar1->SetAlignTime(alLeft);
    EStatusBar1->SetAlignDate(alLeft);
    EStatusBar1->SetAlign(alBottom);
    EStatusBar1->SetCaption(QStringLiteral("Lumaro for Windows 95"));
    EStatusBar1->SetEnabled(true);
    EStatusBar1->SetUpdateInterval(0);
  });
}

void TForm1::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  const auto item = [this](QMenu* menu, const char* name, const QString& text,
                           void (TForm1::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  QMenu* setTotal = bar->addMenu(QStringLiteral("Set Total"));
  setTotal->setObjectName(QStringLiteral("SetTotal1"));
  item(setTotal, "N10001", QStringLiteral("1000"), &TForm1::N10001Click);
  item(setTotal, "N100001", QStringLiteral("10000"), &TForm1::N100001Click);
  item(setTotal, "N1000001", QStringLiteral("100000"), &TForm1::N1000001Click);
  QAction* help = bar->addAction(QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("Help"));
  connect(help, &QAction::triggered, this, [this] { HelpClick(); });
  QMenu* colors = bar->addMenu(QStringLiteral("Colors"));
  colors->setObjectName(QStringLiteral("PictureScreen1"));
  item(colors, "Background1", QStringLiteral("Background"), &TForm1::Background1Click);
  item(colors, "Piechart1", QStringLiteral("Piechart"), &TForm1::Piechart1Click);
  item(colors, "Total1", QStringLiteral("Total"), &TForm1::Total1Click);
  item(colors, "Amount1", QStringLiteral("Amount"), &TForm1::Amount1Click);
  QMenu* advanced = bar->addMenu(QStringLiteral("Advanced"));
  advanced->setObjectName(QStringLiteral("Advanced1"));
  item(advanced, "AdjustPayouts1", QStringLiteral("Payouts Options"), &TForm1::AdjustPayouts1Click);
  item(advanced, "StrategyAdvisor1", QStringLiteral("Strategy Advisor"),
       &TForm1::StrategyAdvisor1Click);
}

void TForm1::Guard(const std::function<void()>& handler) {
  RunGuarded(this, handler);
}

void TForm1::FormCreate() {
  // An error in any step skips the rest; the engine is playable from its construction on.
  Guard([this] {
    ProgramVersion = QStringLiteral("2.0");
    ScaleToScreen();
    const TGameSettings settings = LoadGameSettings();
    RadioButton1->setChecked(settings.SoundOn);
    RadioButton2->setChecked(!settings.SoundOn);
    ApplyStoredColors(settings);
    setWindowTitle(QStringLiteral("Lumaro for Windows 95 Version ") + ProgramVersion);
    StartEngine(FEngine, settings);
    // Opened again once the event loop runs, after the window is shown.
    if (LoadAdvisorOpen()) QTimer::singleShot(0, this, [this] { StrategyAdvisor1Click(); });
  });
  ApplyView();
}

void TForm1::ApplyStoredColors(const TGameSettings& settings) {
  const auto apply = [](TControlColor& color, TColorValue stored, auto&& set) {
    if (!TakenAtStartUp(skFormColor, stored)) return;
    set(stored);
    color.Kept = true;
  };
  apply(FBackground, settings.FormColor, [this](TColorValue c) { SetFormBackground(c); });
  apply(FPie, settings.PieColor, [this](TColorValue c) { SetPieColor(c); });
  apply(FBetField, settings.AmountColor, [this](TColorValue c) { SetBetColor(c); });
  apply(FTotalPanel, settings.TotalColor, [this](TColorValue c) { SetTotalPanelColor(c); });
}

void TForm1::ScaleToScreen() {
  // The window is drawn for 640 x 480 including its frame; our size is the client part,
  // so the frame is added before scaling and taken off again after.
  const QSize frame = kDesignWindow - size();
  resize(kDesignWindow);
  ::ScaleToScreen(this, FScreen);
  resize(size() - frame);
  // Cards and the win icon drawn at their own size would stand small in a scaled layout.
  const TScale scale = ScreenScale(FScreen);
  if (scale.M != scale.D) {
    for (TCardDeck* card : CardDecks) card->SetStretch(true);
    const QPixmap icon = Image1->pixmap();
    const bool whole = scale.M % scale.D == 0;
    Image1->setPixmap(icon.scaled(icon.size() * scale.M / scale.D, Qt::KeepAspectRatio,
                                  whole ? Qt::FastTransformation : Qt::SmoothTransformation));
  }
  // Every bet from 5 to 1000 must be readable whole in the field.
  Bet->FitFontToRange();
  // Smaller than the design, the status bar would cover the hold panels.
  Client->setMinimumSize(Design->width(), Design->height() + EStatusBar1->height());
  CentreDesign();
}

void TForm1::CentreDesign() {
  // Centred in what the strategy advisor leaves free where it stands over our right part.
  int free = Client->width();
  if (FAdvisor && FAdvisor->isVisible()) {
    const int advisorLeft = Client->mapFromGlobal(FAdvisor->frameGeometry().topLeft()).x();
    if (advisorLeft > 0 && advisorLeft < free) free = advisorLeft;
  }
  Design->move(std::max(0, (free - Design->width()) / 2), 0);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((watched == Client && type == QEvent::Resize) ||
      (watched == FAdvisor &&
       (type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide)))
    CentreDesign();
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormActivate() {
  Guard([this] { FSoundSlots = LoadSoundSlots(); });
}

void TForm1::FormClose() {
  // Once, however many ways the close is asked for (the close box, a signal, the session).
  if (FClosed) return;
  FClosed = true;
  Guard([this] {
    TakeTypedBet();
    SaveGameSettings(CurrentSettings());
    SaveAdvisorOpen(FAdvisor && FAdvisor->isVisible());
  });
}

TGameSettings TForm1::CurrentSettings() const {
  TGameSettings settings;
  settings.FormColor = FormColor();
  settings.PieColor = PieColor();
  settings.AmountColor = AmountColor();
  settings.TotalColor = TotalColor();
  settings.SoundOn = RadioButton1->isChecked();
  CopyEngineValues(FEngine, settings);
  return settings;
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A failed save is reported, and the game still closes: nothing would make the next
  // try succeed, and a window that can't be closed is worse.
  FormClose();
  event->accept();
}

void TForm1::ShuffleClick() {
  Guard([this] {
    TakeTypedBet();
    FEngine.Deal();
  });
  ApplyView();
  if (FAdvisor) FAdvisor->HandDealt();
}

void TForm1::SecondClick() {
  Guard([this] { FEngine.DrawAndSettle(); });
  ApplyView();
  if (FAdvisor) FAdvisor->HandDrawn();
}

void TForm1::PanelClick(int position) {
  Guard([this, position] { FEngine.ToggleHold(position); });
  ApplyView();
  if (FAdvisor) FAdvisor->HoldsChanged();
}

void TForm1::SpeedButton5Click() {
  Guard([this] { FEngine.ShowStats(); });
  ApplyView();
}

void TForm1::UpdateDisplay() {
  ApplyView();
}

void TForm1::SetTotalClick(std::int32_t total) {
  Guard([this, total] { FEngine.SetTotal(total); });
  ApplyView();
}

std::filesystem::path TForm1::SlotFile(int slot) const {
  if (slot < 1 || slot > kSoundSlotCount) return {};
  // The bytes the slot's path names on disk, whatever their encoding.
  return LocalBytesFromPath(FSoundSlots[static_cast<std::size_t>(slot - 1)]).toStdString();
}

void TForm1::PlayWinSoundFor(int slot) {
  // Show the hand before a possible error box; the settlement goes on whatever happens.
  ApplyView();
  Guard([this, slot] {
    if (const auto error = PlayWinSound(SlotFile(slot), RadioButton1->isChecked(), FMediaPlayer))
      ShowErrorReport(this, *error);
  });
}

void TForm1::HelpClick() {
  Guard([this] {
    if (!FHelpViewer) FHelpViewer = new THelpViewer(FScreen, this);
    FHelpViewer->ShowContext(THelpViewer::FindHelpFile(kHelpFileName), 1);
  });
  ApplyView();
}

std::optional<QColor> TForm1::RunColorDialog() {
  std::optional<QColor> chosen;
  if (ColorChooser) {
    chosen = ColorChooser(FDialogColor);
  } else {
    // Made on first use; it is a sizeable dialog and most games never open it.
    if (!ColorDialog1) {
      ColorDialog1 = new QColorDialog(this);
      ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    }
    ColorDialog1->setCurrentColor(FDialogColor);
    if (ColorDialog1->exec() == QDialog::Accepted) chosen = ColorDialog1->selectedColor();
  }
  if (chosen) FDialogColor = *chosen;
  return chosen;
}

void TForm1::Background1Click() {
  Guard([this] {
    if (const auto color = RunColorDialog()) {
      SetFormBackground(FromQColor(*color));
      FBackground.Kept = true;
    }
  });
  ApplyView();
}

void TForm1::Piechart1Click() {
  ControlColorCommand(FPie, &TForm1::SetPieColor);
}

void TForm1::Total1Click() {
  ControlColorCommand(FTotalPanel, &TForm1::SetTotalPanelColor);
}

void TForm1::Amount1Click() {
  ControlColorCommand(FBetField, &TForm1::SetBetColor);
}

// Unlike the background, these three keep the control's colour, chosen now or not.
void TForm1::ControlColorCommand(TControlColor& color, void (TForm1::*set)(TColorValue)) {
  Guard([&] {
    if (const auto chosen = RunColorDialog()) (this->*set)(FromQColor(*chosen));
    color.Kept = true;
  });
  ApplyView();
}

void TForm1::AdjustPayouts1Click() {
  Guard([this] {
    if (FPayoutsDialog) FPayoutsDialog->exec();
  });
  ApplyView();
  if (FAdvisor) FAdvisor->PayTableChanged();
}

void TForm1::StrategyAdvisor1Click() {
  Guard([this] {
    if (!FAdvisor) {
      FAdvisor = new TAdvisor(FEngine, FScreen, this);
      connect(FAdvisor, &TAdvisor::HoldClicked, this,
              [this](int position) { PanelClick(position); });
      FAdvisor->installEventFilter(this);
    }
    FAdvisor->setVisible(!FAdvisor->isVisible());
  });
}

void TForm1::SetFormBackground(TColorValue value) {
  FBackground.Shown = value;
  QPalette palette = Client->palette();
  palette.setColor(QPalette::Window, ToQColor(value));
  Client->setPalette(palette);
  // The cards cut their corners in the colour behind them.
  for (TCardDeck* card : CardDecks)
    if (card) card->update();
}

void TForm1::SetBetColor(TColorValue value) {
  FBetField.Shown = value;
  QPalette palette = Bet->palette();
  palette.setColor(QPalette::Base, ToQColor(value));
  Bet->setPalette(palette);
}

void TForm1::SetTotalPanelColor(TColorValue value) {
  FTotalPanel.Shown = value;
  Panel5->SetColor(ToQColor(value));
}

void TForm1::SetPieColor(TColorValue value) {
  FPie.Shown = value;
  Gauge1->SetForeColor(ToQColor(value));
}

void TForm1::TakeTypedBet() {
  // Text typed into the bet field counts as soon as anything reads the bet or rewrites the
  // field, not only when the field loses the focus: the cards, the panels and "Stats" never
  // take the focus, and a menu command or the close may come first. Text that is no whole
  // number counts as 5, the field's minimum.
  if (!FEngine.BetReadOnly() && Bet->HasUntakenText()) FEngine.SetBet(Bet->TextValue());
}

void TForm1::ApplyView() {
  Guard([this] { TakeTypedBet(); });
  const TGameView& view = FEngine.View();
  FUpdatingControls = true;
  for (int k = 0; k < kHandSize; ++k) {
    CardDecks[k]->SetValue(view.Cards[k]);
    const THoldPanelView& hold = view.HoldPanels[k];
    const QColor color = ToQColor(hold.Color);
    HoldPanels[k]->SetCaption(QString::fromStdString(hold.Caption));
    HoldPanels[k]->SetColor(color);
    HoldPanels[k]->SetFontColor(ReadableOn(color));
    HoldPanels[k]->setEnabled(hold.Enabled);
  }
  Panel2->SetCaption(QString::fromStdString(view.HandText));
  Cash->SetCaption(QString::fromStdString(view.MoneyMessage));
  Panel4->SetCaption(QString::fromStdString(view.SecondMessage));
  Panel5->SetCaption(QString::fromStdString(view.TotalText));
  Image1->setVisible(view.WinIconVisible);
  Shuffle->setVisible(view.DealVisible);
  Second->setVisible(view.DrawVisible);
  Bet->setMaximum(view.BetMaximum);
  Bet->setValue(view.BetValue);
  Bet->setReadOnly(view.BetReadOnly);
  if (view.GridFilled) {
    for (int c = 0; c < kHandCategoryCount; ++c) {
      StringGrid1->SetCell(c, 1, QString::number(view.GridCounts[c]));
      StringGrid1->SetCell(c, 0,
                           QString::fromUtf8(kGridHeadings[c].data(),
                                             static_cast<qsizetype>(kGridHeadings[c].size())));
    }
  }
  Gauge1->SetProgress(view.GaugeProgress);
  FUpdatingControls = false;
}
