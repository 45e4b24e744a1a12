// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The strategy advisor driven from the game window as a player drives it, against a
// settings file in a temporary config folder.
#include "Advisor.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <sstream>

#include "AdvicePage.h"
#include "CardDeck.h"
#include "ChartPage.h"
#include "CustomPanel.h"
#include "GameWindow.h"
#include "HistoryPage.h"
#include "HoldList.h"
#include "MessageBoxes.h"
#include "PayTablePanel.h"
#include "PayoutsDialog.h"
#include "SessionChart.h"
#include "SpinEdit.h"
#include "card_text.h"
#include "cli.h"
#include "game_test_support.h"
#include "hand_history.h"
#include "hold_patterns.h"
#include "stored_values.h"

namespace {

constexpr std::uint32_t kSeedNoPair = 0;  // 7C KC 6D 5S 4S; best hold 7C 6D 5S 4S
constexpr std::uint32_t kSeedTwoPair = 19;
// Table builds run slowly in sanitizer builds.
constexpr int kReadyTimeout = 120000;

std::uint8_t Mask(std::initializer_list<int> positions) {
  std::uint8_t mask = 0;
  for (const int p : positions) mask |= static_cast<std::uint8_t>(1 << (p - 1));
  return mask;
}

// `lumaro-analyze advise` for a hand: (held cards as it writes them, expected pay for 1).
QList<QPair<QString, double>> AnalyzerRanking(const THandCards& cards, const TPayTable& table) {
  std::vector<std::string> args = {"advise", "--paytable", PayTableText(table)};
  for (const auto card : cards) args.push_back(CardText(card));
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunAnalyze(args, out, err, [] { return TStoredPayTable{}; });
  QList<QPair<QString, double>> ranking;
  if (code != kExitOk) return ranking;
  static const QRegularExpression row(QStringLiteral("^ *\\d+  ([0-9.]+)  (.+)$"));
  for (const QString& line : QString::fromStdString(out.str()).split(QLatin1Char('\n'))) {
    const auto match = row.match(line);
    if (match.hasMatch()) ranking.push_back({match.captured(2), match.captured(1).toDouble()});
  }
  return ranking;
}

// The chart line `lumaro-analyze strategy --hand` names for the cards, counted from 1.
int AnalyzerChartLine(const THandCards& cards, const TPayTable& table) {
  std::vector<std::string> args = {"strategy", "--paytable", PayTableText(table), "--json",
                                   "--hand"};
  std::string hand;
  for (const auto card : cards) hand += CardText(card) + " ";
  args.push_back(hand);
  std::ostringstream out;
  std::ostringstream err;
  if (RunAnalyze(args, out, err, [] { return TStoredPayTable{}; }) != kExitOk) return -1;
  static const QRegularExpression line(
      QStringLiteral("\"hands\":\\[\\{\"hand\":[^}]*\"line\":(\\d+)"));
  const auto match = line.match(QString::fromStdString(out.str()));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString HeldAsAnalyzerWrites(const THandCards& cards, std::uint8_t mask) {
  QStringList held;
  for (int i = 0; i < kHandSize; ++i)
    if (mask & (1 << i))
      held << QString::fromStdString(CardText(cards[static_cast<std::size_t>(i)]));
  return held.isEmpty() ? QStringLiteral("(nothing, draw five)") : held.join(QLatin1Char(' '));
}

}  // namespace

class TAdvisorTest : public TGameTestCase {
  Q_OBJECT

  static void ToggleAdvisor(TGameWindow& window) {
    auto* action = window.findChild<QAction*>(QStringLiteral("StrategyAdvisor"));
    QVERIFY(action);
    action->trigger();
  }
  static void OpenAdvisor(TGameWindow& window) {
    ToggleAdvisor(window);
    QVERIFY(window.Advisor() && window.Advisor()->IsOpen());
    QTRY_VERIFY_WITH_TIMEOUT(window.Advisor()->Ready(), kReadyTimeout);
  }
  static void SetPractice(TGameWindow& window, bool on) {
    QCheckBox* practice = window.Advisor()->Advice->Practice;
    if (practice->isChecked() != on) practice->click();
    QCOMPARE(practice->isChecked(), on);
  }
  static void Deal(TGameWindow& window, std::uint32_t seed) {
    window.Engine().Random().Seed = seed;
    window.DealClick();
  }

  // The list, all 32 rows, against the command-line tool for the same cards and pay table.
  static void CompareWithAnalyzer(TGameWindow& window) {
    TAdvisor& advisor = *window.Advisor();
    advisor.Advice->ShowAll->setChecked(true);
    const auto& advice = advisor.Advice->HoldList->Advice();
    QVERIFY(advice);
    QCOMPARE(advisor.Advice->HoldList->ShownRanks().size(), std::size_t{32});
    const auto expected = AnalyzerRanking(window.Engine().Hand().Cards, window.Engine().PayTable());
    QCOMPARE(expected.size(), 32);
    for (int i = 0; i < 32; ++i) {
      const THoldOdds& hold = advice->Holds[static_cast<std::size_t>(i)];
      QCOMPARE(HeldAsAnalyzerWrites(advice->Cards, hold.Mask), expected[i].first);
      QVERIFY(std::abs(hold.ExpectedPay() - expected[i].second) < 5e-7);
      QCOMPARE(advice->Coins(hold), hold.ExpectedPay() * window.Engine().Bet());
    }
    advisor.Advice->ShowAll->setChecked(false);
  }

 private slots:
  void init() { StartTest(); }
  void cleanup() { EndTest(); }

  void rankedListMatchesTheAnalyzer() {
    WriteIni("[Payouts]\nH1=1\nH8=60\nH9=250\n");
    auto window = MakeWindow();
    window->BetField->setValue(25);
    OpenAdvisor(*window);
    Deal(*window, kSeedNoPair);
    TAdvisor& advisor = *window->Advisor();
    CompareWithAnalyzer(*window);
    QCOMPARE(advisor.Advice->HandLabel->text(),
             QStringLiteral("Holds for a bet of 25, best first:"));

    // The short list keeps the player's own hold in view as it changes: drawing five ranks
    // 7th for this table.
    QCOMPARE(advisor.Advice->HoldList->ShownRanks(), (std::vector<int>{1, 2, 3, 4, 5, 7}));
    for (TCustomPanel* hold : window->HoldPanels) Click(hold);
    QCOMPARE(advisor.Advice->HoldList->Current(), Mask({1, 2, 3, 4, 5}));
    QCOMPARE(advisor.Advice->HoldList->ShownRanks(), (std::vector<int>{1, 2, 3, 4, 5, 32}));
    QVERIFY(
        advisor.Advice->CurrentLabel->text().contains(QStringLiteral("rank 32 of 32, gives up")));
    const std::uint8_t best = advisor.Advice->HoldList->Advice()->Best().Mask;
    for (int k = 0; k < kHandSize; ++k)
      if (!(best & (1 << k))) Click(window->Cards[k]);
    QCOMPARE(advisor.Advice->HoldList->Current(), best);
    QVERIFY(advisor.Advice->CurrentLabel->text().endsWith(QStringLiteral(", a best hold")));
    QVERIFY(FMessages.isEmpty());
  }

  void holdBestClicksLikeThePlayer() {
    auto window = MakeWindow();
    OpenAdvisor(*window);
    QPushButton* holdBest = window->Advisor()->Advice->HoldBest;
    QVERIFY(!holdBest->isEnabled());  // no hand yet
    Deal(*window, kSeedNoPair);
    QVERIFY(holdBest->isEnabled());
    Click(window->HoldPanels[1]);  // K♣, not part of the best hold
    Click(holdBest);

    auto player = MakeWindow();
    Deal(*player, kSeedNoPair);
    for (int k : {0, 2, 3, 4}) Click(player->HoldPanels[k]);
    for (int k = 0; k < kHandSize; ++k) {
      const TCustomPanel* ours = window->HoldPanels[k];
      const TCustomPanel* theirs = player->HoldPanels[k];
      QCOMPARE(ours->Caption(), theirs->Caption());
      QCOMPARE(ours->Color(), theirs->Color());
      QCOMPARE(ours->FontColor(), theirs->FontColor());
      QCOMPARE(ours->isEnabled(), theirs->isEnabled());
    }
    QCOMPARE(window->Engine().Hand().Marks, player->Engine().Hand().Marks);
    QCOMPARE(window->Advisor()->Advice->HoldList->Current(), Mask({1, 3, 4, 5}));
    window->DrawClick();
    QVERIFY(!holdBest->isEnabled());
  }

  void verdictsAndTheSessionTally() {
    auto window = MakeWindow();
    OpenAdvisor(*window);
    TAdvisor& advisor = *window->Advisor();
    QCOMPARE(advisor.Advice->VerdictLabel->text(), QString());

    Deal(*window, kSeedNoPair);
    const THandAdvice first = *advisor.Advice->HoldList->Advice();
    Click(advisor.Advice->HoldBest);
    window->DrawClick();
    QCOMPARE(advisor.Advice->VerdictLabel->text(), QStringLiteral("Best play"));
    const std::int32_t afterFirst = window->Engine().Total();

    // Same cards at a bet of 10, K♣ held: 0.461234 against 0.680851 for a stake of 1.
    window->BetField->setValue(10);
    Deal(*window, kSeedNoPair);
    Click(window->HoldPanels[1]);
    const THandAdvice second = *advisor.Advice->HoldList->Advice();
    window->DrawClick();
    QCOMPARE(
        advisor.Advice->VerdictLabel->text(),
        QStringLiteral(
            "You held K♣ (expected 4.61), best was 7♣\u00A06♦\u00A05♠\u00A04♠ (expected 6.81): "
            "this choice cost 2.20 coins on average"));
    const double secondCost =
        (second.Best().ExpectedPay() - second.Of(Mask({2})).ExpectedPay()) * 10;
    const std::int32_t afterSecond = window->Engine().Total();

    // A hand played with the advisor closed is not judged.
    ToggleAdvisor(*window);
    Deal(*window, kSeedTwoPair);
    window->DrawClick();
    OpenAdvisor(*window);
    QCOMPARE(advisor.Advice->VerdictLabel->text(), QString());
    QVERIFY(advisor.Advice->HoldList->Advice() == std::nullopt);

    Deal(*window, kSeedTwoPair);  // nothing held: draw five
    const THandAdvice third = *advisor.Advice->HoldList->Advice();
    QVERIFY(!third.IsBest(0));
    window->DrawClick();
    const double thirdCost = (third.Best().ExpectedPay() - third.Of(0).ExpectedPay()) * 10;

    const TAdvisorSession& session = advisor.Session();
    QCOMPARE(session.Hands(), 3);
    QCOMPARE(advisor.Advice->HandsLabel->text(), QStringLiteral("Hands: 3"));
    QCOMPARE(advisor.Advice->BestHoldsLabel->text(), QStringLiteral("Best holds: 1 of 3 (33 %)"));
    QVERIFY(std::abs(session.MistakeCost() - (secondCost + thirdCost)) < 1e-9);
    QCOMPARE(advisor.Advice->CostLabel->text(),
             QStringLiteral("Cost of mistakes: %1 coins").arg(secondCost + thirdCost, 0, 'f', 2));
    const double staked = 5 + 10 + 10;
    const double held = first.Best().ExpectedPay() * 5 + second.Of(Mask({2})).ExpectedPay() * 10 +
                        third.Of(0).ExpectedPay() * 10;
    QVERIFY(std::abs(session.PlayerReturnPercent() - 100 * held / staked) < 1e-3);
    QCOMPARE(advisor.Advice->Chart->Totals(),
             (std::vector<std::int32_t>{afterFirst, afterSecond, window->Engine().Total()}));
    QVERIFY(FMessages.isEmpty());
  }

  void practiceHidesTheHoldsUntilTheDraw() {
    auto window = MakeWindow();
    OpenAdvisor(*window);
    TAdvisor& advisor = *window->Advisor();
    TAdvicePage& page = *advisor.Advice;
    QVERIFY(!page.WarnBeforeDraw->isEnabled());  // it belongs to practice
    SetPractice(*window, true);
    QVERIFY(page.WarnBeforeDraw->isEnabled() && page.WarnBeforeDraw->isChecked());
    page.WarnBeforeDraw->setChecked(false);

    Deal(*window, kSeedNoPair);
    QCOMPARE(window->SecondMessagePanel->Caption(),
             QStringLiteral("Practice hand: no money moves"));
    Click(window->HoldPanels[1]);
    QVERIFY(!page.HoldList->Advice());
    QCOMPARE(page.HoldList->Message(),
             QStringLiteral("Practice: the best holds are shown after the draw."));
    QCOMPARE(page.CurrentLabel->text(), QStringLiteral("Your hold: K♣"));
    QVERIFY(!page.HoldBest->isEnabled());
    QTest::keyClick(window->BetField, Qt::Key_B);  // gives nothing away either
    QCOMPARE(HeldMaskOf(window->Engine().Hand()), Mask({2}));

    // After the draw the list is back, about the dealt cards, and the verdict replaces the hold.
    window->DrawClick();
    QVERIFY(page.HoldList->Advice());
    QCOMPARE(page.HoldList->Current(), Mask({2}));
    QCOMPARE(page.HandLabel->text(),
             QStringLiteral("Dealt 7♣\u00A0K♣\u00A06♦\u00A05♠\u00A04♠, bet 5:"));
    QVERIFY(page.VerdictLabel->text().startsWith(QStringLiteral("You held K♣ (expected")));
    QVERIFY(page.VerdictLabel->isVisibleTo(&advisor) && !page.CurrentLabel->isVisibleTo(&advisor));
    QCOMPARE(advisor.Session().Hands(), 1);
    QCOMPARE(window->Engine().Total(), 1000);  // practice: no money moved

    // Stored at the close, written because it changed; the warning's switch was changed too.
    window->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Advisor/Practice").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("Advisor/WarnBeforeDraw").toString(), QStringLiteral("0"));

    // Closed but practising, the advisor follows the hands and keeps its tables.
    WriteIni("[Advisor]\nOpen=0\nPractice=1\n");
    auto again = MakeWindow();
    QVERIFY(again->Advisor() && !again->Advisor()->IsOpen());
    QVERIFY(again->Advisor()->Practice() && again->Advisor()->Advice->WarnBeforeDraw->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(again->Advisor()->Ready(), kReadyTimeout);
    int asked = 0;
    again->Advisor()->DrawQuestion = [&](const QString&) { return ++asked > 0; };
    Deal(*again, kSeedNoPair);
    again->DrawClick();
    QCOMPARE(asked, 1);
    QCOMPARE(again->Advisor()->Session().Hands(), 1);
    ToggleAdvisor(*again);
    SetPractice(*again, false);
    ToggleAdvisor(*again);
    QVERIFY(!again->Advisor()->HoldsTables());  // closed and not practising: given back
    again->close();
    ini.sync();
    QCOMPARE(ini.value("Advisor/Practice").toString(), QStringLiteral("0"));
    QVERIFY(!ini.contains("Advisor/WarnBeforeDraw"));  // never changed, never written
    QVERIFY(FMessages.isEmpty());
  }

  void warningBeforeADrawThatGivesCoinsAway() {
    auto window = MakeWindow();
    OpenAdvisor(*window);
    SetPractice(*window, true);
    TAdvicePage& page = *window->Advisor()->Advice;
    QStringList asked;
    bool drawAnyway = false;
    window->Advisor()->DrawQuestion = [&](const QString& text) {
      asked << text;
      return drawAnyway;
    };

    // "Change hold": the hand stays as it was, and the best hold it named can be taken.
    Deal(*window, kSeedNoPair);
    Click(window->HoldPanels[1]);
    const THand dealt = window->Engine().Hand();
    window->DrawClick();
    QCOMPARE(asked, QStringList(QStringLiteral(
                        "Holding K♣ gives up 1.10 coins on average. The best hold is "
                        "7♣\u00A06♦\u00A05♠\u00A04♠ (expected 3.40 against 2.31).")));
    QCOMPARE(window->Engine().Phase(), gpDealt);
    QCOMPARE(window->Engine().Hand().Cards, dealt.Cards);
    QCOMPARE(window->Engine().Hand().Marks, dealt.Marks);
    QVERIFY(!window->DrawButton->isHidden());
    QVERIFY(!page.HoldList->Advice());  // still practice: the list waits for the draw
    QVERIFY(page.HoldBest->isEnabled());
    QTest::keyClick(window->BetField, Qt::Key_B);  // wherever the focus is in the game
    QCOMPARE(HeldMaskOf(window->Engine().Hand()), Mask({1, 3, 4, 5}));
    window->DrawClick();  // a best hold: no question
    QCOMPARE(asked.size(), 1);
    QCOMPARE(window->Engine().Phase(), gpSettled);
    QCOMPARE(page.VerdictLabel->text(), QStringLiteral("Best play"));

    // "Draw anyway": drawn and judged as the mistake it is.
    drawAnyway = true;
    Deal(*window, kSeedNoPair);
    window->DrawClick();
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked[1].startsWith(QStringLiteral("Holding nothing gives up ")));
    QCOMPARE(window->Engine().Phase(), gpSettled);
    QVERIFY(page.VerdictLabel->text().startsWith(QStringLiteral("You held nothing")));
    QCOMPARE(window->Advisor()->Session().BestHolds(), 1);

    // Without practice, or with the warning off, nothing is asked.
    page.WarnBeforeDraw->setChecked(false);
    Deal(*window, kSeedNoPair);
    window->DrawClick();
    page.WarnBeforeDraw->setChecked(true);
    SetPractice(*window, false);
    Deal(*window, kSeedNoPair);
    window->DrawClick();
    QCOMPARE(asked.size(), 2);
    QVERIFY(FMessages.isEmpty());
  }

  void handsAreRecordedAndAMistakeIsReplayed() {
    auto window = MakeWindow();
    OpenAdvisor(*window);
    TAdvisor& advisor = *window->Advisor();
    Deal(*window, kSeedNoPair);
    Click(advisor.Advice->HoldBest);
    window->DrawClick();
    window->BetField->setValue(10);
    Deal(*window, kSeedNoPair);
    Click(window->HoldPanels[1]);  // K♣: a mistake
    window->DrawClick();
    const THandCards final = window->Engine().Hand().Cards;
    ToggleAdvisor(*window);  // closed, not practising: not recorded
    Deal(*window, kSeedTwoPair);
    window->DrawClick();

    THandHistory reader(THandHistory::omReadOnly);
    QCOMPARE(reader.Totals().Hands, 2);
    std::vector<THandRecord> mistakes = reader.Mistakes(10);
    QCOMPARE(mistakes.size(), std::size_t{1});
    const THandRecord mistake = mistakes[0];  // a copy: the list is read again below
    QCOMPARE(mistake.Bet, 10);
    QVERIFY(mistake.Table == JacksTable(TPayTable{}));
    QCOMPARE(mistake.Dealt, (THandCards{33, 39, 45, 5, 4}));
    QCOMPARE(mistake.Final, final);
    QCOMPARE(mistake.HeldMask, Mask({2}));
    QCOMPARE(mistake.BestMask, Mask({1, 3, 4, 5}));
    QCOMPARE(QString::number(mistake.HeldCoins, 'f', 2), QStringLiteral("4.61"));
    QCOMPARE(QString::number(mistake.BestCoins, 'f', 2), QStringLiteral("6.81"));
    QCOMPARE(QString::number(mistake.Cost, 'f', 2), QStringLiteral("2.20"));
    const TOutcome outcome = OutcomeOf(EvaluateHand(final));
    QCOMPARE(mistake.Outcome, static_cast<std::uint8_t>(outcome));
    QCOMPARE(mistake.Win, IsWin(outcome) ? kDefaultMultipliers[PayLineOf(outcome) - 1] * 10 : -10);
    QVERIFY(!mistake.Practice);
    QVERIFY(mistake.SessionStart > 0 && mistake.SessionStart <= mistake.Time);
    // In the strategy chart's words, as its mistake classifier names it.
    QCOMPARE(mistake.HeldPattern + " against " + mistake.BestPattern,
             MistakeText(ClassifyMistake(mistake.Dealt, mistake.HeldMask, mistake.BestMask)));
    QCOMPARE(QString::fromStdString(mistake.HeldPattern), QStringLiteral("one high card"));

    // The history page lists it; its Replay deals the same cards for the same bet, as a
    // practice hand whose holds wait for the draw.
    OpenAdvisor(*window);
    QVERIFY(!advisor.HistoryPage);  // read only when wanted
    advisor.PageTabs->setCurrentIndex(1);
    QVERIFY(advisor.HistoryPage && advisor.HistoryPage->isVisibleTo(&advisor));
    QCOMPARE(advisor.HistoryPage->MistakeTable->rowCount(), 1);
    const TPlayStats stats = window->Engine().Stats();
    const std::int32_t before = window->Engine().Total();
    auto* replay =
        qobject_cast<QAbstractButton*>(advisor.HistoryPage->MistakeTable->cellWidget(0, 0));
    QVERIFY(replay);
    replay->click();
    QCOMPARE(window->Engine().Phase(), gpDealt);
    QVERIFY(window->Engine().PracticeHand());
    QCOMPARE(window->Engine().Hand().Cards, mistake.Dealt);
    QCOMPARE(window->BetField->value(), 10);
    QCOMPARE(window->SecondMessagePanel->Caption(),
             QStringLiteral("Practice hand: no money moves"));
    QVERIFY(!advisor.Advice->HoldList->Advice());
    replay->click();  // a hand is open: not dealt over it
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Text, QStringLiteral("Draw the hand in play first, then replay."));
    int asked = 0;
    advisor.DrawQuestion = [&](const QString&) { return ++asked > 0; };
    window->DrawClick();  // nothing held: the same mistake again, drawn anyway
    QCOMPARE(asked, 1);
    QCOMPARE(window->Engine().Total(), before);
    QCOMPARE(window->Engine().Stats().HandsWon, stats.HandsWon);
    QCOMPARE(window->Engine().Stats().HandsLost, stats.HandsLost);
    QCOMPARE(advisor.HistoryPage->MistakeTable->rowCount(), 2);  // seen at once
    mistakes = reader.Mistakes(10);
    QVERIFY(mistakes[0].Practice && !mistakes[1].Practice);
    QCOMPARE(mistakes[0].Dealt, mistake.Dealt);
    QCOMPARE(mistakes[0].Bet, 10);

    Deal(*window, kSeedNoPair);  // the next hand is for money again
    QVERIFY(!window->Engine().PracticeHand());
  }

  // Another program holds the history's write lock: a draw never waits for it, the hands
  // go in, in order, soon after it lets go, and a close while it still holds the lock ends
  // at once, saying what was not recorded.
  void aBusyHistoryNeverStopsTheWindow() {
    auto window = MakeWindow();
    OpenAdvisor(*window);
    Deal(*window, kSeedNoPair);
    window->DrawClick();  // the history made, with one hand
    const QString name = QStringLiteral("advisor-test-holder");
    {
      QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
      holder.setDatabaseName(HistoryFilePath());
      QVERIFY(holder.open());
      QVERIFY(QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE")));
      QElapsedTimer clock;
      qint64 longest = 0;
      for (std::uint32_t seed : {kSeedTwoPair, kSeedNoPair, kSeedTwoPair}) {
        Deal(*window, seed);
        clock.start();
        window->DrawClick();
        longest = std::max(longest, clock.elapsed());
      }
      QVERIFY2(longest < 1000, qPrintable(QString::number(longest)));  // it was 3 s a hand
      QVERIFY(FMessages.isEmpty());
      THandHistory reader(THandHistory::omReadOnly);
      QCOMPARE(reader.Totals().Hands, 1);
      QVERIFY(QSqlQuery(holder).exec(QStringLiteral("ROLLBACK")));
      QTRY_COMPARE_WITH_TIMEOUT(reader.Totals().Hands, 4, 5000);
      const std::vector<THandRecord> mistakes = reader.Mistakes(10);
      QVERIFY(!mistakes.empty());

      QVERIFY(QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE")));
      Deal(*window, kSeedNoPair);
      window->DrawClick();
      clock.start();
      window->close();
      QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
      QCOMPARE(FMessages.size(), 1);
      QVERIFY2(FMessages[0].Text.contains(QStringLiteral("1 hand could not be recorded")),
               qPrintable(FMessages[0].Text));
      QVERIFY(QSqlQuery(holder).exec(QStringLiteral("ROLLBACK")));
      QCOMPARE(reader.Totals().Hands, 4);
    }
    QSqlDatabase::removeDatabase(name);
  }

  void everyValueFitsItsRoomAtEveryScale() {
    // Four of a kind dealt at bet 1000 under the highest multipliers the dialog offers.
    TPayTable table;
    for (int line = 1; line <= kPayLines; ++line)
      table.SetLine(line, kStoredValues[PayoutKey(line)].DialogMaximum);
    const auto tables = TDrawTables::Build(2);
    THandCards cards{};
    for (std::size_t i = 0; i < cards.size(); ++i)
      cards[i] = static_cast<cdCardDeck>(i < 4 ? 10 + 13 * i : 12);  // four tens, Q♠
    const THandAdvice advice = AdviseHand(*tables, cards, table, kMaxBet);
    for (const QSize screen : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)}) {
      auto window = MakeWindow(screen);
      window->Engine().SetPayTable(table);
      ToggleAdvisor(*window);
      TAdvicePage& page = *window->Advisor()->Advice;
      THoldList& list = *page.HoldList;
      list.SetPayTable(JacksTable(table));
      list.SetAdvice(advice);
      list.SetCurrent(31);
      list.SetShowAll(true);
      QVERIFY2(list.ContentWidth() <= list.viewport()->width(),
               qPrintable(QString::number(screen.width())));
      QFont bold = list.font();
      bold.setBold(true);
      const QFontMetrics metrics(bold);
      const int pad = list.fontMetrics().horizontalAdvance(QLatin1Char(' '));
      const auto edges = list.ColumnEdges();
      const auto fits = [&](int column, const QString& text) {
        return metrics.horizontalAdvance(text) <= edges[column + 1] - edges[column] - 2 * pad;
      };
      for (const THoldOdds& hold : advice.Holds) {
        QStringList held;
        for (int i = 0; i < kHandSize; ++i)
          if (hold.Mask & (1 << i)) held << QString::fromStdString(CardSymbolText(cards[i]));
        QVERIFY(fits(1, held.join(QLatin1Char(' '))));
        QVERIFY(fits(2, QString::fromStdString(CoinsText(advice.Coins(hold)))));
        QVERIFY(fits(3, QString::number(hold.ExpectedPay(), 'f', 4)));
      }
      QVERIFY(fits(2, QStringLiteral("1000000.00")) && fits(3, QStringLiteral("1000.0000")));
      // The longest verdict of this hand: the four tens drawn to instead of all five.
      page.VerdictLabel->setText(QString::fromStdString(VerdictText(advice, 15)));
      QVERIFY(page.VerdictLabel->heightForWidth(page.VerdictLabel->width()) <=
              page.VerdictLabel->height());
      // And the page fits the screen.
      QVERIFY(window->Advisor()->height() < screen.height());
    }
  }

  void aPayTableChangedBetweenHandsLeavesNoStaleHolds() {
    auto window = MakeWindow();
    TPayoutsDialog payouts(window->Engine(), window->SoundSlots(), window.get(), QSize(640, 480));
    window->SetPayoutsDialog(&payouts);
    OpenAdvisor(*window);
    TAdvicePage& page = *window->Advisor()->Advice;
    Deal(*window, kSeedNoPair);
    window->DrawClick();
    QVERIFY(page.HoldList->Advice());
    QTimer::singleShot(0, &payouts, [&payouts] {
      payouts.MultiplierFields[0]->setValue(1);
      payouts.OkClick();
    });
    window->PayoutsOptionsClick();
    QVERIFY(!page.HoldList->Advice());
    QCOMPARE(page.HoldList->Message(), QStringLiteral("Deal a hand to see its best holds."));
    QCOMPARE(page.VerdictLabel->text(), QString());
    QCOMPARE(window->Advisor()->Session().Hands(), 1);  // the hand was judged all the same
  }

  void openStateSavedAndRestored() {
    auto first = MakeWindow();
    QCoreApplication::processEvents();
    QVERIFY(!first->Advisor());  // nothing built while the advisor stays closed
    ToggleAdvisor(*first);
    first->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Advisor/Open").toString(), QStringLiteral("1"));
    QCOMPARE(ini.allKeys().size(), 3 + 9 + 1);  // the game's own keys, and Open

    auto second = MakeWindow();
    QTRY_VERIFY(second->Advisor() && second->Advisor()->IsOpen());
    ToggleAdvisor(*second);
    second->close();
    ini.sync();
    QCOMPARE(ini.value("Advisor/Open").toString(), QStringLiteral("0"));

    WriteIni("[Advisor]\nOpen=@Rect(1 2 3 4)\n");
    auto third = MakeWindow();
    QCoreApplication::processEvents();
    QVERIFY(!third->Advisor());
    QVERIFY(FMessages.isEmpty());
  }

  void theLastReturnShowsAtOnceAndIsCountedAgain() {
    // Stored for the pay table in force: on screen as the advisor opens, then the count's.
    WriteIni("[Advisor]\nReturn=12.34\nReturnTable=0 1 2 3 4 7 11 49 99\n");
    auto window = MakeWindow();
    ToggleAdvisor(*window);
    QLabel* line = window->Advisor()->Advice->ReturnLabel;
    QCOMPARE(line->text(), QStringLiteral("Return with best play: 12.34 %"));
    QVERIFY(window->Advisor()->ReturnShown());
    QTRY_VERIFY_WITH_TIMEOUT(window->Advisor()->Ready(), kReadyTimeout);
    QCOMPARE(line->text(), QStringLiteral("Return with best play: 92.70 %"));
    window->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Advisor/Return").toString(), QStringLiteral("92.70"));
    QCOMPARE(ini.value("Advisor/ReturnTable").toString(), QStringLiteral("0 1 2 3 4 7 11 49 99"));

    // Another pay table, or stored values that don't read as written: counted first.
    for (const QByteArray& stored :
         {QByteArray("[Advisor]\nReturn=92.70\nReturnTable=0 1 2 3 4 7 11 49 98\n"),
          QByteArray("[Advisor]\nReturn=92.7\nReturnTable=0 1 2 3 4 7 11 49 99\n"),
          QByteArray("[Advisor]\nReturn=92.70\nReturnTable=0 1 2 3 4 7 11 49\n")}) {
      WriteIni(stored);
      auto other = MakeWindow();
      ToggleAdvisor(*other);
      QCOMPARE(other->Advisor()->Advice->ReturnLabel->text(),
               QString::fromLatin1(kReturnComputingText));
      QVERIFY(!other->Advisor()->ReturnShown());
    }
    QVERIFY(FMessages.isEmpty());
  }

  // Docked beside the game where both fit at a scale that keeps the cards at their design
  // size (71 pixels) or more, else a page of the window, the game then at 0.8 of its design
  // or more (57 pixels); never over the game; and the game takes its room back at the close.
  void dockedBesideTheGameOrAPageOfTheWindow() {
    struct TCase {
      QSize Screen;
      TGameWindow::TAdvisorPlace Place;
      int LeastCard;
    };
    for (const TCase& c :
         {TCase{{640, 480}, TGameWindow::apPage, 57}, TCase{{1024, 768}, TGameWindow::apBeside, 71},
          TCase{{1366, 768}, TGameWindow::apBeside, 71},
          TCase{{1920, 1080}, TGameWindow::apBeside, 71}}) {
      const QString at = QStringLiteral("%1x%2").arg(c.Screen.width()).arg(c.Screen.height());
      auto window = MakeWindow(c.Screen);
      window->show();
      // A maximised window under a title bar.
      window->resize(c.Screen.width(), c.Screen.height() - 24);
      QCoreApplication::processEvents();
      QList<QRect> before;
      for (const QWidget* control : window->Design->findChildren<QWidget*>())
        before.push_back(control->geometry());
      const int closedCard = window->Cards[0]->width();
      ToggleAdvisor(*window);
      QCoreApplication::processEvents();
      TAdvisor& advisor = *window->Advisor();
      QVERIFY2(window->AdvisorPlace() == c.Place, qPrintable(at));
      QVERIFY2(advisor.window() == window.get(), qPrintable(at));  // in the game's window
      if (c.Place == TGameWindow::apPage) {
        QVERIFY2(advisor.isVisible() && !window->Design->isVisible(), qPrintable(at));
        window->PageSwitch->setCurrentIndex(0);  // the game's page
        QCoreApplication::processEvents();
        QVERIFY2(window->Design->isVisible() && !advisor.isVisible(), qPrintable(at));
      }
      QVERIFY2(window->Cards[0]->width() >= c.LeastCard,
               qPrintable(at + QStringLiteral(": cards %1 wide").arg(window->Cards[0]->width())));
      // The advisor's text is never larger than the game's.
      const double game = static_cast<double>(window->Cards[0]->width()) / 71;
      QVERIFY2(advisor.Scale().M <= game * advisor.Scale().D + 0.01 * advisor.Scale().D,
               qPrintable(at));
      const QRect dock(window->AdvisorDock->mapToGlobal(QPoint(0, 0)), window->AdvisorDock->size());
      if (advisor.isVisible()) {
        for (const QWidget* control :
             window->Design->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
          if (!control->isVisible()) continue;
          QVERIFY2(!QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).intersects(dock),
                   qPrintable(at + QLatin1Char(' ') + control->objectName()));
        }
        // The hold list's columns fit without scrolling sideways.
        QVERIFY2(advisor.Advice->HoldList->ContentWidth() <=
                     advisor.Advice->HoldList->viewport()->width(),
                 qPrintable(at));
      }
      ToggleAdvisor(*window);
      QCoreApplication::processEvents();
      QVERIFY2(!window->AdvisorDock->isVisible() && window->Design->isVisible(), qPrintable(at));
      QList<QRect> after;
      for (const QWidget* control : window->Design->findChildren<QWidget*>())
        after.push_back(control->geometry());
      QCOMPARE(after, before);
      QCOMPARE(window->Cards[0]->width(), closedCard);
    }
  }

  // Undocked into a window of its own and docked again; kept for the next start.
  void undockedAndKept() {
    auto window = MakeWindow(QSize(1024, 768));
    window->show();
    window->resize(1024, 744);
    ToggleAdvisor(*window);
    window->AdvisorDock->setFloating(true);
    QCoreApplication::processEvents();
    QCOMPARE(window->AdvisorPlace(), TGameWindow::apWindow);
    window->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Advisor/Docked").toString(), QStringLiteral("0"));
    auto again = MakeWindow(QSize(1024, 768));
    again->show();
    QTRY_VERIFY(again->Advisor() && again->Advisor()->IsOpen());
    QCOMPARE(again->AdvisorPlace(), TGameWindow::apWindow);
    again->AdvisorDock->setFloating(false);
    QCoreApplication::processEvents();
    QCOMPARE(again->AdvisorPlace(), TGameWindow::apBeside);
  }

  // The chart page: built once its tab is chosen, for the pay table in force and again after
  // Payouts Options; the dealt hand's line marked as `lumaro-analyze strategy --hand` names
  // it, left alone by the holds; in practice only after the draw.
  void theChartPageMarksTheDealtHandsLine() {
    auto window = MakeWindow();
    window->show();  // the chart is built only in sight
    TPayoutsDialog payouts(window->Engine(), window->SoundSlots(), window.get(), QSize(640, 480));
    window->SetPayoutsDialog(&payouts);
    OpenAdvisor(*window);
    TAdvisor& advisor = *window->Advisor();
    TChartPage& chart = *advisor.ChartPage;
    QCOMPARE(advisor.PageTabs->tabText(2), QStringLiteral("Chart"));
    QVERIFY(!chart.Building() && !chart.Chart());  // nothing is built out of sight
    advisor.PageTabs->setCurrentIndex(2);
    QVERIFY(chart.isVisible() && chart.Building());
    QTRY_VERIFY_WITH_TIMEOUT(chart.Ready(), kReadyTimeout);
    QCOMPARE(chart.Chart()->Table, TPayTable{});

    Deal(*window, kSeedNoPair);
    const THandCards dealt = window->Engine().Hand().Cards;
    QCOMPARE(chart.MarkedLine() + 1, AnalyzerChartLine(dealt, TPayTable{}));
    QScrollBar* scroll = chart.Lines->verticalScrollBar();
    scroll->setValue(0);
    Click(window->HoldPanels[1]);
    QCOMPARE(chart.MarkedLine() + 1, AnalyzerChartLine(dealt, TPayTable{}));
    QCOMPARE(scroll->value(), 0);  // the player's scrolling stands

    // 9/6: built again in the background, the same hand marked in the new chart.
    QTimer::singleShot(0, &payouts, [&payouts] {
      for (const auto& [field, value] : {std::pair{4, 5}, {5, 8}, {6, 24}, {8, 799}})
        payouts.MultiplierFields[static_cast<std::size_t>(field)]->setValue(value);
      payouts.OkClick();
    });
    window->PayoutsOptionsClick();
    const TPayTable nineSix = ParsePayTable("0,1,2,3,5,8,24,49,799");
    QCOMPARE(window->Engine().PayTable(), nineSix);
    QVERIFY(chart.Building());
    QCOMPARE(chart.MarkedLine(), -1);
    QTRY_VERIFY_WITH_TIMEOUT(chart.Ready(), kReadyTimeout);
    QCOMPARE(chart.Chart()->Table, nineSix);
    QCOMPARE(chart.MarkedLine() + 1, AnalyzerChartLine(dealt, nineSix));
    window->DrawClick();
    QCOMPARE(chart.MarkedLine() + 1, AnalyzerChartLine(dealt, nineSix));

    // Practice: the line waits for the draw, as the holds do.
    SetPractice(*window, true);
    advisor.Advice->WarnBeforeDraw->setChecked(false);
    Deal(*window, kSeedTwoPair);
    const THandCards practice = window->Engine().Hand().Cards;
    QCOMPARE(chart.MarkedLine(), -1);
    QCOMPARE(chart.HandLabel->text(),
             QStringLiteral("Practice: the line is shown after the draw."));
    window->DrawClick();
    QCOMPARE(chart.MarkedLine() + 1, AnalyzerChartLine(practice, nineSix));
    QVERIFY(
        chart.HandLabel->text().endsWith(QStringLiteral(": line %1").arg(chart.MarkedLine() + 1)));
    // "Payout values have been updated" and nothing else.
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Information);
  }

  void aWildCardGameIsAdvisedAndWarnedLikeJacks() {
    WriteIni("[Games]\nCurrent=deuces-wild\ndeuces-wild=0 1 1 2 4 8 14 24 199 799\n");
    auto window = MakeWindow();
    QCOMPARE(&window->Engine().Game(), &kDeucesWild);
    OpenAdvisor(*window);
    TAdvisor& advisor = *window->Advisor();
    TAdvicePage& page = *advisor.Advice;
    QVERIFY(page.ReturnLabel->text().contains(
        QRegularExpression(QStringLiteral("^Return with best play: \\d+\\.\\d\\d %$"))));
    Deal(*window, kSeedNoPair);
    const THandCards dealt = window->Engine().Hand().Cards;
    page.ShowAll->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(page.HoldList->Advice(), kReadyTimeout);
    const THandAdvice advice = *page.HoldList->Advice();
    std::vector<std::string> args = {"advise", "--game", "deuces-wild", "--paytable",
                                     "0,1,1,2,4,8,14,24,199,799"};
    for (const auto card : dealt) args.push_back(CardText(card));
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(RunAnalyze(args, out, err, [] { return TStoredPayTable{}; }), kExitOk);
    static const QRegularExpression row(QStringLiteral("^ *\\d+  ([0-9.]+)  (.+)$"));
    int rows = 0;
    for (const QString& line : QString::fromStdString(out.str()).split(QLatin1Char('\n'))) {
      const auto match = row.match(line);
      if (!match.hasMatch()) continue;
      const THoldOdds& hold = advice.Holds[static_cast<std::size_t>(rows++)];
      QCOMPARE(HeldAsAnalyzerWrites(dealt, hold.Mask), match.captured(2));
      QVERIFY(std::abs(hold.ExpectedPay() - match.captured(1).toDouble()) < 5e-7);
    }
    QCOMPARE(rows, 32);
    window->DrawClick();
    QCOMPARE(advisor.Session().Hands(), 1);
    // The game's own pay table, the line of the result lit when it won. A screen reader
    // reads it as one item a line, highest first after the game's name, not label by label.
    const int lines = kDeucesWild.LineCount();
    QCOMPARE(static_cast<int>(advisor.PayTable->Names.size()), lines);
    const int lit = window->Engine().View().LitPayLine;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(advisor.PayTable);
    QCOMPARE(spoken->childCount(), 1 + lines);
    QCOMPARE(spoken->child(0)->text(QAccessible::Name), QStringLiteral("Deuces Wild"));
    QCOMPARE(spoken->child(1)->text(QAccessible::Name),
             QStringLiteral("Natural Royal Flush pays 800"));
    for (int k = 0; k < lines; ++k)
      QCOMPARE(spoken->child(lines - k)->text(QAccessible::Description).isEmpty(), k != lit);

    // In practice a costly hold is questioned before the draw.
    SetPractice(*window, true);
    QStringList asked;
    advisor.DrawQuestion = [&](const QString& text) {
      asked << text;
      return false;
    };
    Deal(*window, kSeedNoPair);
    QCOMPARE(window->Engine().Hand().Cards, dealt);
    const std::uint8_t worst = advice.Holds[31].Mask;
    for (int k = 0; k < kHandSize; ++k)
      if (worst & (1 << k)) Click(window->HoldPanels[k]);
    window->DrawClick();
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].startsWith(QStringLiteral("Holding ")));
    QCOMPARE(window->Engine().Phase(), gpDealt);
    QVERIFY(FMessages.isEmpty());
  }

  void payoutsChangeRecomputesTheReturn() {
    auto window = MakeWindow();
    TPayoutsDialog payouts(window->Engine(), window->SoundSlots(), window.get(), QSize(640, 480));
    window->SetPayoutsDialog(&payouts);
    OpenAdvisor(*window);
    QLabel* line = window->Advisor()->Advice->ReturnLabel;
    QCOMPARE(line->text(), QStringLiteral("Return with best play: 92.70 %"));
    Deal(*window, kSeedNoPair);
    QTimer::singleShot(0, &payouts, [&payouts] {
      payouts.MultiplierFields[8]->setValue(800);
      payouts.OkClick();
    });
    window->PayoutsOptionsClick();
    QCOMPARE(line->text(), QStringLiteral("Return with best play: computing..."));
    QTRY_COMPARE_WITH_TIMEOUT(line->text(), QStringLiteral("Return with best play: 94.23 %"),
                              kReadyTimeout);
    // The open hand is ranked again for the new table.
    CompareWithAnalyzer(*window);
  }
};

QTEST_MAIN(TAdvisorTest)
#include "advisor_test.moc"
