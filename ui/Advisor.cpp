#include "Advisor.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <exception>

#include "HoldList.h"
#include "MessageBoxes.h"
#include "Scaling.h"
#include "SessionChart.h"

namespace {

// Where every control stands on the window drawn for a 640 x 480 screen.
constexpr QSize kDesignClient(250, 444);
constexpr QRect kReturnLabel(8, 6, 234, 18);
constexpr QRect kHandLabel(8, 28, 234, 16);
constexpr QRect kHoldList(8, 46, 234, 130);
constexpr QRect kCurrentLabel(8, 180, 234, 30);
constexpr QRect kHoldBest(8, 214, 104, 24);
constexpr QRect kShowAll(124, 217, 118, 18);
constexpr QRect kVerdictLabel(8, 244, 234, 64);
constexpr QRect kSessionBox(4, 312, 242, 128);
constexpr QRect kHandsLabel(8, 18, 226, 16);
constexpr QRect kBestHoldsLabel(8, 34, 226, 16);
constexpr QRect kCostLabel(8, 50, 226, 16);
constexpr QRect kSessionReturnLabel(8, 66, 226, 16);
constexpr QRect kChart(8, 84, 226, 38);
constexpr int kFontPixels = 12;

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  return label;
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TAdvisor::TAdvisor(const TGameEngine& engine, const QSize& screen, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowDoesNotAcceptFocus),
      FEngine(engine),
      FScreen(screen) {
  setObjectName(QStringLiteral("Advisor"));
  setWindowTitle(QStringLiteral("Lumaro Strategy Advisor"));
  // The game keeps the keyboard; the advisor only takes clicks.
  setAttribute(Qt::WA_ShowWithoutActivating);
  if (parent) parent->installEventFilter(this);
  BuildControls();
  ShowHand();
  ShowSession();
}

TAdvisor::~TAdvisor() {
  // The worker posts its result to this object; it must be done before the object goes.
  if (FWorker.joinable()) FWorker.join();
}

void TAdvisor::BuildControls() {
  QFont font = QApplication::font();
  font.setPixelSize(kFontPixels);
  setFont(font);
  QFont bold = font;
  bold.setBold(true);

  ReturnLabel = MakeLabel(this, "ReturnLabel", kReturnLabel);
  ReturnLabel->setFont(bold);
  ReturnLabel->setText(QString::fromLatin1(kReturnComputingText));
  HandLabel = MakeLabel(this, "HandLabel", kHandLabel);
  HoldList = new THoldList(this);
  HoldList->setGeometry(kHoldList);
  CurrentLabel = MakeLabel(this, "CurrentLabel", kCurrentLabel);
  CurrentLabel->setWordWrap(true);
  CurrentLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  HoldBest = new QPushButton(QStringLiteral("Hold best"), this);
  HoldBest->setObjectName(QStringLiteral("HoldBest"));
  HoldBest->setFocusPolicy(Qt::NoFocus);
  HoldBest->setGeometry(kHoldBest);
  connect(HoldBest, &QPushButton::clicked, this, [this] { HoldBestClick(); });
  ShowAll = new QCheckBox(QStringLiteral("Show all 32"), this);
  ShowAll->setObjectName(QStringLiteral("ShowAll"));
  ShowAll->setFocusPolicy(Qt::NoFocus);
  ShowAll->setGeometry(kShowAll);
  connect(ShowAll, &QCheckBox::toggled, HoldList, &THoldList::SetShowAll);

  VerdictLabel = MakeLabel(this, "VerdictLabel", kVerdictLabel);
  VerdictLabel->setWordWrap(true);
  VerdictLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  VerdictLabel->setFont(bold);

  SessionBox = new QGroupBox(QStringLiteral("Session"), this);
  SessionBox->setObjectName(QStringLiteral("SessionBox"));
  SessionBox->setGeometry(kSessionBox);
  HandsLabel = MakeLabel(SessionBox, "HandsLabel", kHandsLabel);
  BestHoldsLabel = MakeLabel(SessionBox, "BestHoldsLabel", kBestHoldsLabel);
  CostLabel = MakeLabel(SessionBox, "CostLabel", kCostLabel);
  SessionReturnLabel = MakeLabel(SessionBox, "SessionReturnLabel", kSessionReturnLabel);
  Chart = new TSessionChart(SessionBox);
  Chart->setGeometry(kChart);

  const TScale scale = ScreenScale(FScreen);
  ScaleBy(this, scale.M, scale.D);
  resize(MulDivRound(kDesignClient.width(), scale.M, scale.D),
         MulDivRound(kDesignClient.height(), scale.M, scale.D));
}

void TAdvisor::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  RunGuarded(this, [this] {
    if (!FPlaced) PlaceBesideParent();
    FPlaced = true;
    ReadGame();
  });
}

QMargins TAdvisor::KnownFrame() const {
  // Known once the window manager has framed us; until then the game window's frame is as
  // good, once it is known.
  const QMargins frame = FrameMargins(this);
  return frame.isNull() && parentWidget() ? FrameMargins(parentWidget()) : frame;
}

void TAdvisor::GiveTitleRoom(const QMargins& frame) {
  // A window manager centres the title in the title bar, between buttons at both ends: the
  // window is made wide enough for the title in bold and room for three buttons either side.
  QFont bold = font();
  bold.setBold(true);
  const int bar = std::max(frame.top(), style()->pixelMetric(QStyle::PM_TitleBarHeight));
  const int needed =
      QFontMetrics(bold).horizontalAdvance(windowTitle()) + 6 * bar - frame.left() - frame.right();
  if (width() < needed) resize(needed, height());
}

void TAdvisor::PlaceBesideParent() {
  const QWidget* game = parentWidget();
  if (!game) return;
  const QScreen* screen = game->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), FScreen);
  // A window that is to be maximised may not be yet: it is going to fill the screen.
  const QRect beside = game->isMaximized() || game->isFullScreen() ? area : FramedGeometry(game);
  // With no frame known yet, room for a title bar, so the title never lands above the screen.
  QMargins frame = KnownFrame();
  if (frame.isNull()) frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
  FPlacedWith = frame;
  GiveTitleRoom(frame);
  QRect place(QPoint(), size().grownBy(frame));
  if (beside.right() + place.width() <= area.right())
    place.moveTopLeft({beside.right() + 1, beside.top()});
  else if (beside.left() - place.width() >= area.left())
    place.moveTopRight({beside.left() - 1, beside.top()});
  else
    place = OverTheGame(beside.intersected(area), place.size());
  place.moveLeft(std::clamp(place.left(), area.left(),
                            std::max(area.left(), area.right() + 1 - place.width())));
  place.moveTop(std::clamp(place.top(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - place.height())));
  setGeometry(QRect(place.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

QRect TAdvisor::OverTheGame(const QRect& game, const QSize& outer) {
  // No room beside the game: over its right edge, or on a screen taller than wide over its
  // bottom right corner, wherever the game keeps the larger part for its drawing, which it
  // then draws smaller in that part.
  const QSize design(DesignScreenWidth, DesignScreenHeight);
  const QRect right(QPoint(game.right() + 1 - outer.width(), game.top()), outer);
  const QRect bottom(game.bottomRight() + QPoint(1, 1) - QPoint(outer.width(), outer.height()),
                     outer);
  const auto kept = [&](const QRect& cover) {
    return FitScale(RoomBeside(game, cover, design).size(), design);
  };
  return kept(right) < kept(bottom) ? bottom : right;
}

void TAdvisor::PlaceOnceFramed() {
  // We are placed before the window manager frames us: by the game window's frame, or
  // reopened as the game starts, before either window is framed, by a guessed title bar.
  // Placed again by our own frame once it is known, the advisor stands in the same place
  // whichever way it was opened.
  if (FFramed || !FPlaced || !isVisible()) return;
  const QMargins known = KnownFrame();
  if (known.isNull()) return;
  FFramed = !FrameMargins(this).isNull();
  if (known != FPlacedWith) RunGuarded(this, [this] { PlaceBesideParent(); });
}

bool TAdvisor::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  const QEvent::Type type = event->type();
  if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint) PlaceOnceFramed();
  return handled;
}

bool TAdvisor::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == parentWidget() &&
      (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate))
    PlaceOnceFramed();
  return QWidget::eventFilter(watched, event);
}

bool TAdvisor::Ready() const {
  return FTables && !FWorking && FReturnTable == FEngine.PayTable();
}

void TAdvisor::HandDealt() {
  ++FDeal;
  FHeld = 0;
  if (isVisible()) RunGuarded(this, [this] { ReadGame(); });
}

void TAdvisor::HoldsChanged() {
  if (isVisible()) RunGuarded(this, [this] { ReadGame(); });
}

void TAdvisor::PayTableChanged() {
  if (isVisible()) RunGuarded(this, [this] { ReadGame(); });
}

void TAdvisor::HandDrawn() {
  if (!isVisible()) return;
  RunGuarded(this, [this] {
    // FHeld is the hold as the last click left it: the draw has turned the panels to "Over".
    if (FAdvice && FAdvisedDeal == FDeal && !FJudged && FEngine.Phase() == gpSettled) {
      FJudged = true;
      FVerdict = VerdictText(*FAdvice, FHeld);
      FSession.AddHand(*FAdvice, FHeld, FEngine.Total());
    }
    ShowHand();
    ShowSession();
  });
}

void TAdvisor::ReadGame() {
  if (!FWorking && FReturnTable != FEngine.PayTable()) StartWork();
  if (FEngine.Phase() == gpDealt) {
    FHeld = HeldMaskOf(FEngine.Hand());
    const bool stale = !FAdvice || FAdvisedDeal != FDeal || FAdviceTable != FEngine.PayTable();
    if (FTables && stale) {
      if (FAdvisedDeal != FDeal) {
        FJudged = false;
        FVerdict.clear();
      }
      FAdvice = AdviseHand(*FTables, FEngine.Hand().Cards, FEngine.PayTable(), FEngine.Bet());
      FAdviceTable = FEngine.PayTable();
      FAdvisedDeal = FDeal;
      HoldList->SetAdvice(FAdvice);
    }
  }
  ShowHand();
}

void TAdvisor::StartWork() {
  const TPayTable table = FEngine.PayTable();
  ReturnLabel->setText(QString::fromLatin1(kReturnComputingText));
  auto work = [this, tables = FTables, table] {
    std::shared_ptr<const TDrawTables> built = tables;
    std::string line;
    std::string error;
    try {
      if (!built) built = TDrawTables::Build(2);
      line = ReturnLineText(ComputeReturn(*built, table, 2));
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = "unknown error";
    }
    QMetaObject::invokeMethod(
        this, [this, built, table, line, error] { WorkDone(built, table, line, error); },
        Qt::QueuedConnection);
  };
  FWorking = true;
  try {
    FWorker = std::thread(std::move(work));
  } catch (...) {
    FWorking = false;
    throw;
  }
}

void TAdvisor::WorkDone(std::shared_ptr<const TDrawTables> tables, const TPayTable& table,
                        const std::string& returnLine, const std::string& error) {
  RunGuarded(this, [&] {
    FWorker.join();
    FWorking = false;
    if (tables) FTables = std::move(tables);
    // A failure is shown and not retried until the pay table changes again.
    FReturnTable = table;
    ReturnLabel->setText(error.empty() ? Text(returnLine)
                                       : QStringLiteral("Return with best play: not available (") +
                                             Text(error) + QStringLiteral(")"));
    if (isVisible()) ReadGame();
  });
}

void TAdvisor::ShowHand() {
  const bool advised = FAdvice && FAdvisedDeal == FDeal;
  const bool open = FEngine.Phase() == gpDealt;
  if (advised) {
    HandLabel->setText(QStringLiteral("Holds for a bet of %1, best first:").arg(FAdvice->Bet));
    HoldList->SetCurrent(FHeld);
    CurrentLabel->setText(Text(CurrentHoldText(*FAdvice, FHeld)));
  } else {
    if (HoldList->Advice()) HoldList->SetAdvice(std::nullopt);
    HoldList->SetMessage(open ? QStringLiteral("computing...")
                              : QStringLiteral("Deal a hand to see its best holds."));
    HandLabel->setText(QStringLiteral("Holds, best first:"));
    CurrentLabel->clear();
  }
  HoldBest->setEnabled(advised && open);
  VerdictLabel->setText(advised && FJudged ? Text(FVerdict) : QString());
}

void TAdvisor::ShowSession() {
  HandsLabel->setText(Text(FSession.HandsText()));
  BestHoldsLabel->setText(Text(FSession.BestHoldsText()));
  CostLabel->setText(Text(FSession.CostText()));
  SessionReturnLabel->setText(Text(FSession.ReturnText()));
  Chart->SetTotals(FSession.Totals());
}

void TAdvisor::HoldBestClick() {
  RunGuarded(this, [this] {
    if (FEngine.Phase() != gpDealt || !FAdvice || FAdvisedDeal != FDeal) return;
    const std::uint8_t change = FAdvice->Best().Mask ^ HeldMaskOf(FEngine.Hand());
    for (int position = 1; position <= kHandSize; ++position)
      if (change & (1 << (position - 1))) emit HoldClicked(position);
  });
}
