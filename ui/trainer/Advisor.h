// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TAdvisor: the strategy advisor, a trainer in pages, docked in the game window or in a
// window of its own as the game window hosts it. Its "Advice" page shows the return of the
// pay table in force under best play, the holds of the dealt hand ranked by expected pay,
// the verdict on the hold drawn with, and the session so far; other pages are added after it
// (AddPage). Every control takes the keyboard focus by Tab (clicks leave it in the game),
// and Ctrl+Tab, Ctrl+PageDown and Ctrl+PageUp change pages.
//
// In practice mode the ranked holds stay hidden until the draw, and a draw with a hold that
// is not a best one may first be questioned. The advisor follows the hands while it is open
// or practice is on; it only reads the engine, and its "Hold best" asks the game window to
// click the hold panels, so the hand changes only as a player's clicks would change it.
//
// The counting tables are built, and the return computed, on a worker thread; the results
// come back to the window thread as queued calls. The tables are let go again when the
// advisor stops following the hands. The window waits for a running worker when it is
// destroyed.

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "Scaling.h"
#include "advice.h"
#include "advisor_settings.h"

class QStackedWidget;
class QTabBar;
class QTimer;
class TAdvicePage;
class TBankrollPage;
class THandHistory;
class TChartPage;
class THistoryPage;

// The hand the advisor follows, from its deal (or from the advisor's opening during it).
struct TFollowedHand {
  std::uint64_t Deal = 0;  // the advisor's count of deals at its deal
  THandCards Dealt{};
  TPayTable Table;
  std::int32_t Bet = kMinBet;
  std::uint8_t Held = 0;  // as the last click left it: the draw turns the panels to "Over"
  bool Warned = false;    // the draw warning has named the best hold
  bool Drawn = false;
  THandCards Final{};
  bool PracticeHand = false;
  std::int64_t DrawnAt = 0;
  std::int32_t TotalAfter = 0;
  bool Judged = false;
  // The pay table changed after the draw: the holds' values are out of date.
  bool TableChanged = false;
  std::optional<THandAdvice> Advice;
  std::uint64_t AdviceSerial = 0;
  std::string Verdict;
};

class TAdvisor : public QWidget {
  Q_OBJECT

 public:
  // `game` is the game window: the advisor's boxes stand over it, and its B key works there.
  // `stored` gives the practice switches their first state; the hands recorded in the hand
  // history belong to the game session started at `sessionStart` (seconds since 1970). The
  // advisor follows the engine's play through its listeners, as long as it lives; it is made
  // closed, at the design's scale.
  TAdvisor(TGameEngine& engine, const TAdvisorState& stored, std::int64_t sessionStart,
           QWidget* game);
  ~TAdvisor() override;

  // Opened or closed by the player (the menu command, the dock's close button). Open, it
  // follows the hands; its host decides where it shows.
  void SetOpen(bool open);
  bool IsOpen() const { return FOpen; }
  // The advisor's text at this scale of its design (a 12 pixel font at 1), and the size its
  // pages take at it: the width the hold list's columns need, the height of the advice page.
  void SetScale(const TScale& scale);
  TScale Scale() const { return FScale; }
  QSize NaturalSize() const;
  // The next page (1) or the one before (-1), round.
  void StepPage(int step);
  // Where the keyboard goes as it comes into the advisor: the current page's list.
  QWidget* FocusTarget() const;

  // Asked by the game window before a draw: false when the player, told what the hold
  // gives up, chose to change it. The hand is then left as it is.
  bool ConfirmDraw();
  // "Hold best": the button, or the B key anywhere in the game window while we are open.
  void HoldBestClick();

  bool Practice() const;
  // Practice mode, or a practice hand (a replay) is open or settled: the holds wait for the
  // draw and a draw that gives coins away may be questioned.
  bool Practising() const;
  // Hands are followed (advised, judged) while the advisor is open or practice is on.
  bool Following() const;
  // What the close stores: open, and the two practice switches.
  TAdvisorState State() const;
  // The tables are built and the return is counted for the pay table in force.
  bool Ready() const;
  // A return for the pay table in force is on screen: counted, or the one stored from an
  // earlier count while it is counted again.
  bool ReturnShown() const { return FShownReturn == FEngine.PayTable(); }
  bool HoldsTables() const { return FTables != nullptr; }
  const TAdvisorSession& Session() const { return FSession; }

  // Adds a page after the others; returns its index. A page follows the font it inherits,
  // which is the advisor's, scaled for the screen.
  int AddPage(QWidget* page, const QString& title);
  // The hand history, opened for recording when first needed.
  THandHistory& History();
  // Another game chosen: the hands recorded from now on are a new session's.
  void SetSessionStart(std::int64_t start) { FSessionStart = start; }
  // At the close: hands waiting for another program to let go of the history get a last
  // short try; those still not recorded then are reported.
  void FinishRecording();

  // Replaces the draw warning's question box (tests): given its text, true for "Draw anyway".
  std::function<bool(const QString& text)> DrawQuestion;
  // Where the question box stands, given its size: its host keeps it off the cards.
  std::function<QPoint(const QSize& box)> QuestionPlace;

  QTabBar* PageTabs = nullptr;
  QStackedWidget* Pages = nullptr;
  TAdvicePage* Advice = nullptr;
  // Made when its tab is first chosen: the history is read only then.
  THistoryPage* HistoryPage = nullptr;
  TChartPage* ChartPage = nullptr;
  TBankrollPage* BankrollPage = nullptr;

 signals:
  // A click on the hold panel of position 1..5, as the player would make it.
  void HoldClicked(int position);
  // A past hand to deal again as a practice hand: its cards, game and table, and bet.
  void ReplayRequested(const THandCards& cards, const TGameTable& table, std::int32_t bet);
  // F6 in the advisor's own window (undocked): the game's window takes the keyboard.
  void PaneKeyPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Told by the engine after each step of play.
  void HandDealt();
  void HoldsChanged();
  void HandDrawn();
  void PayTableChanged();
  void BuildControls();
  void PlacePages();
  void NamePages();
  void FollowingChanged();
  void StartWork();
  void TablesBuilt(std::shared_ptr<const TDrawTables> tables);
  void WorkDone(const TPayTable& table, bool computedReturn, const std::string& percent,
                const std::string& error);
  void ShowKnownReturn(const TPayTable& table);
  void ReleaseTables();
  // Brings the advisor up to the engine's hand and pay table.
  void ReadGame();
  void FollowDealtHand();
  void AdviseHand();
  void JudgeHand();
  void RecordHand();
  void ShowHistoryPage();
  void ReportHistoryFailure();
  void HistoryChanged();
  void RetryWaitingHands();
  bool AskBeforeDraw(const QString& text);
  bool CurrentHand() const;
  // Whether the advisor counts the game of the open or last hand (Jacks or Better).
  bool CountsHandGame() const;
  void ShowHand();
  void ShowList(const THandAdvice* advice, const QString& message);
  void ShowSession();
  void ShowChartPage();
  void ShowBankrollPage();

  const TGameEngine& FEngine;
  // The engine we listen to, and the number our listener has there.
  TGameEngine& FFollowed;
  int FListener = 0;
  QPointer<QWidget> FGame;
  bool FOpen = false;
  TScale FScale;

  std::shared_ptr<const TDrawTables> FTables;
  std::thread FWorker;
  bool FWorking = false;
  bool FBuildFailed = false;
  // The pay table the counted return belongs to, and the one the return on screen does.
  std::optional<TPayTable> FReturnTable;
  std::optional<TPayTable> FShownReturn;
  // The last return counted, stored at the close.
  std::optional<TKnownReturn> FKnownReturn;
  // Another game than Jacks or Better was played: the return line said so.
  bool FStoodAside = false;

  // Counts every deal, seen or not, so a hand is advised and judged once.
  std::uint64_t FDeal = 0;
  std::optional<TFollowedHand> FHand;
  std::uint64_t FAdviceSerial = 0;
  std::uint64_t FListed = 0;  // the serial of the advice in the hold list, 0 for none
  TAdvisorSession FSession;

  std::int64_t FSessionStart = 0;
  std::unique_ptr<THandHistory> FHistory;
  int FHistoryTab = -1;
  // A hand was recorded while the history page was out of sight.
  bool FHistoryStale = false;
  // Tries the hands that wait for the history's lock again while there are any.
  QTimer* FRecordRetry = nullptr;
};
