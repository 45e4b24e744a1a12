#pragma once
// TAdvisor: the "Lumaro Strategy Advisor" tool window. It shows the return of the pay table
// in force under best play, the holds of the dealt hand ranked by expected pay, the verdict
// on the hold drawn with, and the session so far. It only reads the engine; its "Hold best"
// asks the game window to click the hold panels, so the hand changes only as a player's
// clicks would change it.
//
// The counting tables are built, and the return computed, on a worker thread; the result
// comes back to the window thread as a queued call. The window waits for a running worker
// when it is destroyed.

#include <QMargins>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "advice.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class THoldList;
class TSessionChart;

class TAdvisor : public QWidget {
  Q_OBJECT

 public:
  // The screen size decides the scaling, as for the game window; the parent is the game
  // window, beside which the advisor places itself when shown.
  TAdvisor(const TGameEngine& engine, const QSize& screen, QWidget* parent);
  ~TAdvisor() override;

  // Told by the game window after each of its handlers, once its controls show the change.
  void HandDealt();
  void HoldsChanged();
  void HandDrawn();
  void PayTableChanged();

  // The tables are built and the return is known for the pay table in force.
  bool Ready() const;
  const TAdvisorSession& Session() const { return FSession; }

  QLabel* ReturnLabel = nullptr;
  QLabel* HandLabel = nullptr;
  THoldList* HoldList = nullptr;
  QLabel* CurrentLabel = nullptr;
  QPushButton* HoldBest = nullptr;
  QCheckBox* ShowAll = nullptr;
  QLabel* VerdictLabel = nullptr;
  QGroupBox* SessionBox = nullptr;
  QLabel* HandsLabel = nullptr;
  QLabel* BestHoldsLabel = nullptr;
  QLabel* CostLabel = nullptr;
  QLabel* SessionReturnLabel = nullptr;
  TSessionChart* Chart = nullptr;

 signals:
  // A click on the hold panel of position 1..5, as the player would make it.
  void HoldClicked(int position);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void PlaceBesideParent();
  QMargins KnownFrame() const;
  void GiveTitleRoom(const QMargins& frame);
  static QRect OverTheGame(const QRect& game, const QSize& outer);
  void PlaceOnceFramed();
  void StartWork();
  void WorkDone(std::shared_ptr<const TDrawTables> tables, const TPayTable& table,
                const std::string& returnLine, const std::string& error);
  // Brings the window up to the engine's hand and pay table.
  void ReadGame();
  void ShowHand();
  void ShowSession();
  void HoldBestClick();

  const TGameEngine& FEngine;
  QSize FScreen;
  bool FPlaced = false;
  // The frame we were placed by, and whether it was our own.
  QMargins FPlacedWith;
  bool FFramed = false;

  std::shared_ptr<const TDrawTables> FTables;
  std::thread FWorker;
  bool FWorking = false;
  // The pay table the shown return belongs to.
  std::optional<TPayTable> FReturnTable;

  // Counts every deal, seen or not, so a hand is advised and judged once.
  std::uint64_t FDeal = 0;
  std::uint64_t FAdvisedDeal = 0;
  bool FJudged = false;
  std::optional<THandAdvice> FAdvice;
  TPayTable FAdviceTable;
  std::uint8_t FHeld = 0;
  std::string FVerdict;
  TAdvisorSession FSession;
};
