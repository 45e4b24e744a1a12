// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The history page: its message for an empty or unavailable history, its figures, the
// replay of a mistake, and readable text at every scale the game uses; and the record the
// advisor makes of a hand of any game.

#include <QHeaderView>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "HandRecording.h"
#include "HistoryPage.h"
#include "MessageBoxes.h"
#include "Scaling.h"
#include "hand_history.h"

namespace {

THandRecord Mistake(int n, const char* held) {
  THandRecord hand;
  hand.Time = 1'900'000'000 + n;
  hand.SessionStart = 1'900'000'000;
  hand.Bet = 10 + 5 * n;
  hand.Table.Multipliers = {0, 1, 2, 3, 4, 6, 9, 25, 250 + n};
  hand.Dealt = {static_cast<cdCardDeck>(1 + n), 14, 27, 40, 52};
  hand.Final = {static_cast<cdCardDeck>(1 + n), 14, 27, 41, 51};
  hand.HeldMask = 0b00011;
  hand.BestMask = 0b11000;
  hand.BestCoins = 20;
  hand.Cost = 1.5 + n;
  hand.HeldCoins = hand.BestCoins - hand.Cost;
  hand.HeldPattern = held;
  hand.BestPattern = "four to a flush";
  return hand;
}

}  // namespace

class THistoryPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Temp = std::make_unique<QTemporaryDir>();
    QVERIFY(Temp->isValid());
    Reports.clear();
    SetMessageHook(
        [this](QMessageBox::Icon, const QString&, const QString& text) { Reports << text; });
  }
  void cleanup() { SetMessageHook({}); }

  void anEmptyOrUnavailableHistoryShowsAPlainMessage() {
    THandHistory history(THandHistory::omRecord, Path());
    THistoryPage page(history);
    QVERIFY(!page.MessageLabel->isHidden());
    QVERIFY(page.Contents->isHidden());
    QCOMPARE(page.MessageLabel->text(), QStringLiteral("No hands recorded yet."));
    QVERIFY(history.Record(Mistake(0, "low pair")));
    page.Refresh();
    QVERIFY(page.MessageLabel->isHidden());
    QVERIFY(!page.Contents->isHidden());

    // A newer file: the message, and the history's report once.
    {
      const QString newer = Temp->filePath(QStringLiteral("newer.sqlite"));
      {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "newer");
        db.setDatabaseName(newer);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 12"));
      }
      QSqlDatabase::removeDatabase("newer");
      THandHistory unavailable(THandHistory::omRecord, newer);
      THistoryPage other(unavailable);
      QVERIFY(other.MessageLabel->text().startsWith(
          QStringLiteral("The hand history could not be opened: it was written by a newer")));
      QVERIFY(Reports.isEmpty());  // a page being made shows no boxes
      other.Refresh();
      other.Refresh();
      QCOMPARE(Reports.size(), 1);
      QVERIFY(Reports[0].contains(QStringLiteral("newer version of Lumaro")));
    }
    QVERIFY(Reports.size() == 1);
  }

  void theFiguresAndAReplayOfAMistake() {
    THandHistory history(THandHistory::omRecord, Path());
    QVERIFY(history.Record(Mistake(0, "low pair")));
    QVERIFY(history.Record(Mistake(1, "nothing")));
    THandRecord best = Mistake(2, "");
    best.Cost = 0;
    best.BestPattern.clear();
    QVERIFY(history.Record(best));
    THistoryPage page(history);

    QVERIFY(page.TotalsLabel->text().startsWith(
        QStringLiteral("Played: 3 hands, best play 33.3 %, cost 133.33 per 100 hands.")));
    QCOMPARE(page.SessionTable->rowCount(), 1);
    QCOMPARE(page.SessionTable->item(0, 1)->text(), QStringLiteral("3"));
    QCOMPARE(page.SessionTable->item(0, 2)->text(), QStringLiteral("33.3 %"));
    QCOMPARE(page.SituationTable->rowCount(), 2);
    QCOMPARE(page.SituationTable->item(0, 0)->text(), QStringLiteral("nothing"));
    QCOMPARE(page.SituationTable->item(0, 3)->text(), QStringLiteral("2.50"));
    QCOMPARE(page.MistakeTable->rowCount(), 2);
    QCOMPARE(page.Chart->Rates(), std::vector<double>{1.0 / 3});

    THandCards dealt{};
    TGameTable table;
    std::int32_t bet = 0;
    int replays = 0;
    QObject::connect(&page, &THistoryPage::ReplayRequested,
                     [&](const THandCards& d, const TGameTable& t, std::int32_t b) {
                       dealt = d;
                       table = t;
                       bet = b;
                       ++replays;
                     });
    // Row 1 is the older mistake.
    auto* replay = qobject_cast<QToolButton*>(page.MistakeTable->cellWidget(1, 0));
    QVERIFY(replay);
    QCOMPARE(replay->text(), QStringLiteral("Replay"));
    replay->click();
    QCOMPARE(replays, 1);
    QCOMPARE(dealt, Mistake(0, "").Dealt);
    QVERIFY(table == Mistake(0, "").Table);
    QCOMPARE(bet, 10);
    QVERIFY(Reports.isEmpty());
  }

  // Deuces Wild: two deuces and a king dealt, the king held where the two deuces were best.
  // Jacks or Better's words would call the deuces a low pair, its evaluator the final hand
  // a losing pair.
  void aWildGamesHandIsRecordedInItsOwnGameAndWords() {
    THandAdvice advice;
    advice.Cards = {2, 15, 39, 46, 4};  // 2♠ 2♥ K♣ 7♦ 4♠
    advice.Bet = 25;
    for (std::uint8_t mask = 0; mask < 32; ++mask) {
      // The best hold first, the rest in mask order as ranked holds of equal value are.
      THoldOdds& hold = advice.Holds[mask == 3 ? 0 : mask < 3 ? mask + 1 : mask];
      hold.Mask = mask;
      hold.Draws = 100;
      hold.PaySum = mask == 3 ? 150 : mask == 4 ? 40 : 20;
    }
    TPlayedHand played;
    played.HeldMask = 0b00100;
    played.Final = {2, 18, 39, 5, 10};  // 2♠ 5♥ K♣ 5♠ 10♠: three fives with the deuce
    played.Time = 1'900'000'100;
    played.SessionStart = 1'900'000'000;
    const TGameTable table = DefaultTable(kDeucesWild);
    const THandRecord record = HandRecordOf(advice, table, played);
    QVERIFY(record.Table == table);
    QCOMPARE(kDeucesWild.Outcomes[record.Outcome].Name, std::string_view("Three of a Kind"));
    QCOMPARE(record.Win, 0);  // three of a kind pays 1 for 1: the stake back
    QVERIFY2(record.HeldPattern == "no deuce: other cards", record.HeldPattern.c_str());
    QVERIFY2(record.BestPattern == "two deuces", record.BestPattern.c_str());
    QCOMPARE(record.Cost, 25 * 1.1);

    // Stored and read back as the page replays it: in Deuces Wild.
    THandHistory history(THandHistory::omRecord, Path());
    QVERIFY(history.Record(record));
    THistoryPage page(history);
    QCOMPARE(page.SessionTable->item(0, THistoryPage::kSessionGameColumn)->text(),
             QStringLiteral("Deuces Wild"));
    QCOMPARE(page.SituationTable->item(0, 0)->text(), QStringLiteral("no deuce: other cards"));
    TGameTable replayed;
    QObject::connect(&page, &THistoryPage::ReplayRequested,
                     [&](const THandCards&, const TGameTable& t, std::int32_t) { replayed = t; });
    qobject_cast<QToolButton*>(page.MistakeTable->cellWidget(0, 0))->click();
    QVERIFY(replayed == table);
    // One game: no column says it. Two: each table says it beside what it names.
    QVERIFY(page.SessionTable->isColumnHidden(THistoryPage::kSessionGameColumn));
    QVERIFY(history.Record(Mistake(0, "low pair")));
    page.Refresh();
    QCOMPARE(page.SessionTable->rowCount(), 2);
    for (QTableWidget* table : {page.SessionTable, page.SituationTable, page.MistakeTable})
      QVERIFY(!table->isColumnHidden(table == page.SessionTable ? THistoryPage::kSessionGameColumn
                                     : table == page.SituationTable
                                         ? THistoryPage::kSituationGameColumn
                                         : THistoryPage::kMistakeGameColumn));
    QCOMPARE(page.SessionTable->horizontalHeader()->visualIndex(THistoryPage::kSessionGameColumn),
             1);
  }

  void theTextStaysReadableAtEveryScale() {
    THandHistory history(THandHistory::omRecord, Path());
    for (int n = 0; n < 6; ++n) QVERIFY(history.Record(Mistake(n, "low pair")));
    // The scales of a 640 x 480 design on 640 x 480 up to 3840 x 2160 screens.
    for (const TScale scale :
         {TScale{1, 1}, TScale{1024, 640}, TScale{1080, 480}, TScale{2160, 480}}) {
      QWidget window;
      QFont font = QApplication::font();
      font.setPixelSize(12);
      window.setFont(font);
      auto* layout = new QVBoxLayout(&window);
      auto* page = new THistoryPage(history, &window);
      layout->addWidget(page);
      window.resize(250, 444);
      ScaleBy(&window, scale.M, scale.D);
      window.resize(MulDivRound(250, scale.M, scale.D), MulDivRound(444, scale.M, scale.D));
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));

      const int textHeight = QFontMetrics(window.font()).height();
      QVERIFY(textHeight >= MulDivRound(12, scale.M, scale.D));
      for (QTableWidget* table : {page->SessionTable, page->SituationTable, page->MistakeTable}) {
        QCOMPARE(table->fontMetrics().height(), textHeight);
        QVERIFY(table->rowCount() > 0);
        for (int row = 0; row < table->rowCount(); ++row)
          QVERIFY2(table->rowHeight(row) >= textHeight,
                   qPrintable(QStringLiteral("%1 row %2 at %3/%4")
                                  .arg(table->objectName())
                                  .arg(row)
                                  .arg(scale.M)
                                  .arg(scale.D)));
        // Every column wide enough for its heading and texts, but the last one shown, which
        // takes what room is left.
        for (int column = 0; column < table->columnCount(); ++column) {
          const QHeaderView* header = table->horizontalHeader();
          if (table->isColumnHidden(column) || header->visualIndex(column) + 1 == header->count())
            continue;
          QVERIFY(table->columnWidth(column) >= header->sectionSizeHint(column));
          for (int row = 0; row < table->rowCount(); ++row)
            if (const QTableWidgetItem* item = table->item(row, column))
              QVERIFY(table->columnWidth(column) >
                      table->fontMetrics().horizontalAdvance(item->text()));
        }
      }
      auto* replay = page->MistakeTable->cellWidget(0, 0);
      QVERIFY(page->MistakeTable->rowHeight(0) >= replay->sizeHint().height());
      QVERIFY(page->Chart->height() >= 3 * textHeight);
    }
  }

 private:
  QString Path() const { return Temp->filePath(QStringLiteral("history.sqlite")); }

  std::unique_ptr<QTemporaryDir> Temp;  // a new folder for each test
  QStringList Reports;
};

QTEST_MAIN(THistoryPageTest)
#include "history_page_test.moc"
