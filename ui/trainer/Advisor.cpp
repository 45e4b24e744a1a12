// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Advisor.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <exception>

#include "AdvicePage.h"
#include "AdviceTexts.h"
#include "BankrollPage.h"
#include "ChartPage.h"
#include "HandRecording.h"
#include "HistoryPage.h"
#include "HoldList.h"
#include "MessageBoxes.h"
#include "Scaling.h"
#include "SessionChart.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The advisor as drawn for a 640 x 480 screen: its width and font size.
constexpr int kDesignWidth = 250;
constexpr int kFontPixels = 12;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// Freed tables go back to the system at once, not when the heap next shrinks by itself.
void GiveBackFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace

TAdvisor::TAdvisor(TGameEngine& engine, const TAdvisorState& stored, std::int64_t sessionStart,
                   QWidget* game)
    : FEngine(engine),
      FFollowed(engine),
      FGame(game),
      FKnownReturn(stored.Return),
      FSessionStart(sessionStart) {
  setObjectName(QStringLiteral("Advisor"));
  setAccessibleName(tr("Strategy Advisor"));
  BuildControls();
  Advice->Practice->setChecked(stored.Practice);
  Advice->WarnBeforeDraw->setChecked(stored.WarnBeforeDraw);
  Advice->WarnBeforeDraw->setEnabled(stored.Practice);
  ShowHand();
  ShowSession();
  FollowingChanged();
  FListener = engine.Listen({[this] { HandDealt(); }, [this] { HoldsChanged(); },
                             [this] { HandDrawn(); }, [this] { PayTableChanged(); }});
}

TAdvisor::~TAdvisor() {
  FFollowed.StopListening(FListener);
  if (FOpen) qApp->removeEventFilter(this);
  // The worker posts its results to this object; it must be done before the object goes.
  if (FWorker.joinable()) FWorker.join();
}

void TAdvisor::BuildControls() {
  PageTabs = new QTabBar(this);
  PageTabs->setObjectName(QStringLiteral("PageTabs"));
  PageTabs->setAccessibleName(tr("Advisor pages"));
  // Reached by Tab and F6; a click on a tab leaves the keyboard where it was.
  PageTabs->setFocusPolicy(Qt::TabFocus);
  PageTabs->setDrawBase(false);
  PageTabs->setExpanding(false);
  Pages = new QStackedWidget(this);
  Pages->setObjectName(QStringLiteral("Pages"));
  Pages->setFrameShape(QFrame::StyledPanel);
  connect(PageTabs, &QTabBar::currentChanged, this, [this](int index) {
    if (index == FHistoryTab) RunGuarded(this, [this] { ShowHistoryPage(); });
    Pages->setCurrentIndex(index);
  });

  Advice = new TAdvicePage;
  AddPage(Advice, tr("Advice"));
  // The history page stands in for itself until it is first wanted.
  FHistoryTab = AddPage(new QWidget, tr("History"));
  ChartPage = new TChartPage;
  AddPage(ChartPage, tr("Chart"));
  BankrollPage = new TBankrollPage;
  AddPage(BankrollPage, tr("Bankroll"));
  connect(BankrollPage, &TBankrollPage::GameWanted, this,
          [this] { RunGuarded(this, [this] { ShowBankrollPage(); }); });
  SetScale({});

  const auto pageKey = [this](const QKeySequence& keys, int step) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step] { StepPage(step); });
  };
  pageKey(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  pageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  pageKey(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
  pageKey(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);

  connect(Advice->HoldBest, &QPushButton::clicked, this, [this] { HoldBestClick(); });
  connect(Advice->ShowAll, &QCheckBox::toggled, Advice->HoldList, &THoldList::SetShowAll);
  connect(Advice->Practice, &QCheckBox::toggled, this, [this](bool on) {
    Advice->WarnBeforeDraw->setEnabled(on);
    FollowingChanged();
  });
}

void TAdvisor::SetScale(const TScale& scale) {
  FScale = scale;
  QFont font = QApplication::font();
  font.setPixelSize(std::max(1, MulDivRound(kFontPixels, scale.M, scale.D)));
  setFont(font);
  PlacePages();
}

QSize TAdvisor::NaturalSize() const {
  const QSize page = Advice->PlaceControls(MulDivRound(kDesignWidth, FScale.M, FScale.D));
  const int frame = Pages->frameWidth();
  return {page.width() + 2 * frame, PageTabs->sizeHint().height() + page.height() + 2 * frame};
}

void TAdvisor::StepPage(int step) {
  const int count = PageTabs->count();
  if (count == 0) return;
  PageTabs->setCurrentIndex((PageTabs->currentIndex() + step + count) % count);
}

QWidget* TAdvisor::FocusTarget() const {
  const QWidget* page = Pages->currentWidget();
  if (page == Advice) return Advice->HoldList;
  if (page == ChartPage) return ChartPage->Lines;
  if (page == BankrollPage) return BankrollPage->FocusTarget();
  if (HistoryPage && page == HistoryPage && HistoryPage->SessionTable->isVisibleTo(HistoryPage))
    return HistoryPage->SessionTable;
  return PageTabs;
}

void TAdvisor::PlacePages() {
  // The pages take whatever room the host gives beyond the advice page's own.
  const int tabs = PageTabs->sizeHint().height();
  PageTabs->setGeometry(0, 0, width(), tabs);
  Pages->setGeometry(0, tabs, width(), std::max(0, height() - tabs));
  Advice->PlaceControls(std::max(0, width() - 2 * Pages->frameWidth()));
}

void TAdvisor::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlacePages();
}

void TAdvisor::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) PlacePages();
}

int TAdvisor::AddPage(QWidget* page, const QString& title) {
  Pages->addWidget(page);
  return PageTabs->addTab(title);
}

THandHistory& TAdvisor::History() {
  if (!FHistory) FHistory = std::make_unique<THandHistory>(THandHistory::omRecord);
  return *FHistory;
}

void TAdvisor::ReportHistoryFailure() {
  // Said once: the game goes on without the history.
  if (const auto report = History().TakeReport()) ShowErrorReport(FGame, *report);
}

namespace {

// While another program holds the history's lock, the hands that wait are tried again this
// often, each try waiting for the lock only a moment.
constexpr int kRecordRetryMilliseconds = 250;
// The close's last try: a signal's close ends well within a second.
constexpr int kCloseRecordWaitMilliseconds = 300;

}  // namespace

void TAdvisor::HistoryChanged() {
  ReportHistoryFailure();
  if (History().Waiting() > 0) RetryWaitingHands();
  if (HistoryPage && FOpen && Pages->currentWidget() == HistoryPage)
    HistoryPage->Refresh();
  else
    FHistoryStale = true;
}

void TAdvisor::RetryWaitingHands() {
  if (!FRecordRetry) {
    FRecordRetry = new QTimer(this);
    FRecordRetry->setInterval(kRecordRetryMilliseconds);
    connect(FRecordRetry, &QTimer::timeout, this, [this] {
      RunGuarded(this, [this] {
        const std::size_t waiting = History().Waiting();
        History().RecordWaiting();
        if (History().Waiting() == 0) FRecordRetry->stop();
        if (History().Waiting() != waiting)
          HistoryChanged();
        else
          ReportHistoryFailure();
      });
    });
  }
  if (!FRecordRetry->isActive()) FRecordRetry->start();
}

void TAdvisor::FinishRecording() {
  if (!FHistory) return;
  if (FRecordRetry) FRecordRetry->stop();
  FHistory->FinishRecording(kCloseRecordWaitMilliseconds);
  ReportHistoryFailure();
}

void TAdvisor::ShowHistoryPage() {
  if (!HistoryPage) {
    QWidget* standIn = Pages->widget(FHistoryTab);
    HistoryPage = new THistoryPage(History());
    HistoryPage->setObjectName(QStringLiteral("HistoryPage"));
    Pages->insertWidget(FHistoryTab, HistoryPage);
    Pages->removeWidget(standIn);
    delete standIn;
    connect(HistoryPage, &THistoryPage::ReplayRequested, this, &TAdvisor::ReplayRequested);
    FHistoryStale = true;
  }
  if (FHistoryStale) HistoryPage->Refresh();
  FHistoryStale = false;
}

void TAdvisor::SetOpen(bool open) {
  if (open == FOpen) return;
  FOpen = open;
  // The B key is ours wherever the focus is in the game window while we are open.
  if (open)
    qApp->installEventFilter(this);
  else
    qApp->removeEventFilter(this);
  RunGuarded(this, [this] { FollowingChanged(); });
}

bool TAdvisor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* target = qobject_cast<QWidget*>(watched);
    if (key->key() == Qt::Key_B && !key->isAutoRepeat() &&
        (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier && target &&
        (target->window() == FGame || target->window() == window())) {
      HoldBestClick();
      return true;
    }
    // Docked, the game window's keys see F6 themselves.
    if (key->key() == Qt::Key_F6 && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat() &&
        target && target->window() == window() && window() != FGame) {
      emit PaneKeyPressed();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool TAdvisor::Practice() const {
  return Advice->Practice->isChecked();
}

bool TAdvisor::Practising() const {
  return Practice() || FEngine.PracticeHand();
}

bool TAdvisor::Following() const {
  return FOpen || Practice();
}

TAdvisorState TAdvisor::State() const {
  TAdvisorState state;
  state.Open = FOpen;
  state.Practice = Practice();
  state.WarnBeforeDraw = Advice->WarnBeforeDraw->isChecked();
  state.Return = FKnownReturn;
  return state;
}

bool TAdvisor::Ready() const {
  return FTables && !FWorking && FReturnTable == FEngine.PayTable();
}

void TAdvisor::FollowingChanged() {
  if (Following())
    ReadGame();
  else
    ReleaseTables();
  ShowHand();
}

void TAdvisor::HandDealt() {
  ++FDeal;
  if (Following()) RunGuarded(this, [this] { ReadGame(); });
}

void TAdvisor::HoldsChanged() {
  if (Following()) RunGuarded(this, [this] { ReadGame(); });
}

void TAdvisor::PayTableChanged() {
  if (!Following()) return;
  RunGuarded(this, [this] {
    if (FHand && FHand->Drawn && FHand->Table != FEngine.PayTable()) FHand->TableChanged = true;
    ReadGame();
  });
}

bool TAdvisor::ConfirmDraw() {
  bool draw = true;
  RunGuarded(this, [&] {
    if (!Following() || FEngine.Phase() != gpDealt) return;
    ReadGame();
    if (!Practising() || !Advice->WarnBeforeDraw->isChecked() || !FHand || !FHand->Advice) return;
    const THandAdvice& advice = *FHand->Advice;
    if (advice.IsBest(FHand->Held)) return;
    FHand->Warned = true;
    draw = AskBeforeDraw(DrawWarningShown(advice, FHand->Held));
    ShowHand();
  });
  return draw;
}

bool TAdvisor::AskBeforeDraw(const QString& text) {
  if (DrawQuestion) return DrawQuestion(text);
  QMessageBox box(QMessageBox::Question, kAppTitle, text, QMessageBox::NoButton, FGame);
  QPushButton* draw = box.addButton(tr("&Draw anyway"), QMessageBox::AcceptRole);
  QPushButton* change = box.addButton(tr("&Change hold"), QMessageBox::RejectRole);
  // A second Enter meant for the game changes nothing: the hand stays open.
  box.setDefaultButton(change);
  box.setEscapeButton(change);
  // Read out as it comes up: its text is what the box is about.
  box.setAccessibleDescription(text);
  if (QuestionPlace) box.move(QuestionPlace(box.sizeHint()));
  box.exec();
  return box.clickedButton() == draw;
}

void TAdvisor::HandDrawn() {
  if (!Following()) return;
  RunGuarded(this, [this] {
    if (CurrentHand() && !FHand->Drawn && FEngine.Phase() == gpSettled) {
      FHand->Drawn = true;
      FHand->Final = FEngine.Hand().Cards;
      FHand->PracticeHand = FEngine.PracticeHand();
      FHand->DrawnAt = QDateTime::currentSecsSinceEpoch();
      FHand->TotalAfter = FEngine.Total();
    }
    ReadGame();
  });
}

void TAdvisor::HoldBestClick() {
  RunGuarded(this, [this] {
    if (!Advice->HoldBest->isEnabled() || FEngine.Phase() != gpDealt || !CurrentHand() ||
        !FHand->Advice)
      return;
    const std::uint8_t change = FHand->Advice->Best().Mask ^ HeldMaskOf(FEngine.Hand());
    for (int position = 1; position <= kHandSize; ++position)
      if (change & (1 << (position - 1))) emit HoldClicked(position);
  });
}

bool TAdvisor::CurrentHand() const {
  return FHand && FHand->Deal == FDeal;
}

bool TAdvisor::CountsHandGame() const {
  return FEngine.HandTable().IsJacks();
}

void TAdvisor::ReadGame() {
  if (!Following()) return;
  // Another game's hands are neither advised, judged nor recorded as Jacks or Better's.
  if (!CountsHandGame()) {
    FHand.reset();
    FStoodAside = true;
    ShowHand();
    return;
  }
  if (FStoodAside) {
    // Back to Jacks or Better: its return as last counted, or counted again below.
    FStoodAside = false;
    ShowKnownReturn(FEngine.PayTable());
  }
  if (!FWorking && (FReturnTable != FEngine.PayTable() || (!FTables && !FBuildFailed))) StartWork();
  if (FEngine.Phase() == gpDealt) FollowDealtHand();
  AdviseHand();
  JudgeHand();
  ShowHand();
}

void TAdvisor::FollowDealtHand() {
  if (!CurrentHand()) {
    FHand.emplace();
    FHand->Deal = FDeal;
    FHand->Dealt = FEngine.Hand().Cards;
    FHand->Bet = FEngine.HandBet();
    FHand->Table = FEngine.HandPayTable();
  }
  FHand->Held = HeldMaskOf(FEngine.Hand());
  // Until the draw a hand for money is played under the pay table in force.
  if (FHand->Table != FEngine.HandPayTable()) {
    FHand->Table = FEngine.HandPayTable();
    FHand->Advice.reset();
  }
}

void TAdvisor::AdviseHand() {
  if (!FTables || !CurrentHand() || FHand->Advice) return;
  FHand->Advice = ::AdviseHand(*FTables, FHand->Dealt, FHand->Table, FHand->Bet);
  FHand->AdviceSerial = ++FAdviceSerial;
}

void TAdvisor::JudgeHand() {
  if (!CurrentHand() || !FHand->Drawn || FHand->Judged || !FHand->Advice) return;
  FHand->Judged = true;
  FHand->Verdict = VerdictShown(*FHand->Advice, FHand->Held).toStdString();
  FSession.AddHand(*FHand->Advice, FHand->Held, FHand->TotalAfter);
  ShowSession();
  RecordHand();
}

void TAdvisor::RecordHand() {
  TPlayedHand played;
  played.HeldMask = FHand->Held;
  played.Final = FHand->Final;
  played.Practice = FHand->PracticeHand;
  played.Time = FHand->DrawnAt;
  played.SessionStart = FSessionStart;
  History().Record(HandRecordOf(*FHand->Advice, JacksTable(FHand->Table), played));
  HistoryChanged();
}

void TAdvisor::StartWork() {
  const TPayTable table = FEngine.PayTable();
  const bool computeReturn = FReturnTable != table;
  if (computeReturn) ShowKnownReturn(table);
  // The tables come back as soon as they are built, so the hand is advised while the
  // return is still being counted.
  auto work = [this, tables = FTables, table, computeReturn] {
    std::shared_ptr<const TDrawTables> built = tables;
    std::string percent;
    std::string error;
    try {
      if (!built) {
        built = TDrawTables::Build(2);
        QMetaObject::invokeMethod(
            this, [this, built] { TablesBuilt(built); }, Qt::QueuedConnection);
      }
      if (computeReturn) percent = ComputeReturn(*built, table, 2).ReturnPercentText(2);
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = tr("unknown error").toStdString();
    }
    QMetaObject::invokeMethod(
        this,
        [this, table, computeReturn, percent, error] {
          WorkDone(table, computeReturn, percent, error);
        },
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

void TAdvisor::TablesBuilt(std::shared_ptr<const TDrawTables> tables) {
  // Closed meanwhile: the tables go as soon as the worker lets go of them too.
  if (!Following()) return;
  FTables = std::move(tables);
  RunGuarded(this, [this] { ReadGame(); });
}

void TAdvisor::ShowKnownReturn(const TPayTable& table) {
  // The return stored from an earlier count shows at once; the count confirms it.
  if (FKnownReturn && FKnownReturn->Table == table) {
    Advice->ReturnLabel->setText(ReturnLineShown(FKnownReturn->Percent));
    FShownReturn = table;
  } else {
    Advice->ReturnLabel->setText(ReturnComputingShown());
    FShownReturn.reset();
  }
}

void TAdvisor::WorkDone(const TPayTable& table, bool computedReturn, const std::string& percent,
                        const std::string& error) {
  RunGuarded(this, [&] {
    FWorker.join();
    FWorking = false;
    if (!Following()) GiveBackFreedMemory();
    FBuildFailed = !error.empty() && !FTables;
    if (computedReturn || !error.empty()) {
      // A failure is shown and not tried again until the pay table changes.
      FReturnTable = table;
      if (error.empty()) {
        FKnownReturn = TKnownReturn{table, percent};
        FShownReturn = table;
        Advice->ReturnLabel->setText(ReturnLineShown(percent));
      } else {
        FShownReturn.reset();
        Advice->ReturnLabel->setText(ReturnUnavailableShown(Text(error)));
      }
    }
    ReadGame();
  });
}

void TAdvisor::ReleaseTables() {
  if (!FTables) return;
  FTables.reset();
  GiveBackFreedMemory();
}

void TAdvisor::ShowList(const THandAdvice* advice, const QString& message) {
  const std::uint64_t listed = advice ? FHand->AdviceSerial : 0;
  if (listed != FListed) {
    FListed = listed;
    Advice->HoldList->SetAdvice(advice ? std::optional<THandAdvice>(*advice) : std::nullopt);
  }
  Advice->HoldList->SetMessage(message);
}

void TAdvisor::ShowHand() {
  TAdvicePage& page = *Advice;
  page.HoldList->SetPayTable(FEngine.PayTable());
  const bool current = CurrentHand() && !FHand->TableChanged;
  const bool open = current && !FHand->Drawn;
  const THandAdvice* advice = current && FHand->Advice ? &*FHand->Advice : nullptr;
  const bool hidden = open && Practising();
  const QString computing = tr("computing...");

  if (!CountsHandGame()) {
    const std::string_view game = FEngine.Game().Name;
    //: The advisor's list while a game other than Jacks or Better is played; %1 is its name.
    ShowList(nullptr,
             tr("The advisor counts Jacks or Better only: it stands aside while you "
                "play %1.")
                 .arg(QString::fromUtf8(game.data(), static_cast<qsizetype>(game.size()))));
    page.HandLabel->setText(tr("Holds, best first:"));
    page.CurrentLabel->clear();
    //: The advisor's return line while a game other than Jacks or Better is played.
    page.ReturnLabel->setText(tr("Return with best play: see Choose Game"));
  } else if (!current) {
    ShowList(nullptr, tr("Deal a hand to see its best holds."));
    page.HandLabel->setText(tr("Holds, best first:"));
    page.CurrentLabel->clear();
  } else if (hidden) {
    ShowList(nullptr, tr("Practice: the best holds are shown after the draw."));
    page.HandLabel->setText(tr("Holds, best first:"));
    page.CurrentLabel->setText(tr("Your hold: %1").arg(HeldCardsShown(FHand->Dealt, FHand->Held)));
  } else if (!advice) {
    ShowList(nullptr, computing);
    page.HandLabel->setText(tr("Holds, best first:"));
    page.CurrentLabel->clear();
  } else {
    ShowList(advice, computing);
    page.HoldList->SetCurrent(FHand->Held);
    if (open) {
      page.HandLabel->setText(tr("Holds for a bet of %1, best first:").arg(advice->Bet));
      page.CurrentLabel->setText(CurrentHoldShown(*advice, FHand->Held));
    } else {
      // The cards on the table are the final ones now: say which the list is about.
      page.HandLabel->setText(DealtHandShown(*advice));
      page.CurrentLabel->clear();
    }
  }
  // In practice the best hold is there to take once the warning has named it.
  page.HoldBest->setEnabled(open && advice && FEngine.Phase() == gpDealt &&
                            (!Practising() || FHand->Warned));
  const bool judged = current && FHand->Judged;
  page.VerdictLabel->setText(judged ? Text(FHand->Verdict) : QString());
  // The verdict takes the place of the player's hold.
  page.CurrentLabel->setVisible(!judged);
  page.VerdictLabel->setVisible(judged);
  ShowChartPage();
  ShowBankrollPage();
}

void TAdvisor::ShowBankrollPage() {
  // The session counted from the player's total and bet; its odds are the pay table's.
  BankrollPage->ShowGame(FTables, FEngine.TableInForce(), FEngine.Total(), FEngine.Bet());
}

void TAdvisor::ShowChartPage() {
  ChartPage->ShowPayTable(FTables, FEngine.PayTable());
  // The line the dealt hand fits; in practice, as the holds, only once it is drawn.
  if (!CurrentHand())
    ChartPage->ClearHand(tr("Deal a hand to see the line it fits."));
  else if (!FHand->Drawn && Practising())
    ChartPage->ClearHand(tr("Practice: the line is shown after the draw."));
  else
    ChartPage->MarkHand(FHand->Dealt);
}

void TAdvisor::ShowSession() {
  TAdvicePage& page = *Advice;
  page.HandsLabel->setText(SessionHandsShown(FSession));
  page.BestHoldsLabel->setText(SessionBestHoldsShown(FSession));
  page.CostLabel->setText(SessionCostShown(FSession));
  page.SessionReturnLabel->setText(SessionReturnShown(FSession));
  page.Chart->SetTotals(FSession.Totals());
}
