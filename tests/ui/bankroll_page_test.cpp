// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The advisor's Bankroll page on its own: the session counted for its fields on a worker,
// a change of the fields taking over from a count under way, and each bad field's reason
// beside it and in its description.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "BankrollPage.h"
#include "MessageBoxes.h"
#include "RiskPlot.h"
#include "card_text.h"
#include "risk_report.h"

namespace {

const TPayTable kNineSix = ParsePayTable("0,1,2,3,5,8,24,49,799");
// Table builds run slowly in sanitizer builds.
constexpr int kCountTimeout = 120000;

std::shared_ptr<const TDrawTables> Tables() {
  static const std::shared_ptr<const TDrawTables> tables = TDrawTables::Build(2);
  return tables;
}

std::unique_ptr<TBankrollPage> MakePage() {
  auto page = std::make_unique<TBankrollPage>();
  QFont font = QApplication::font();
  font.setPixelSize(12);
  page->setFont(font);
  page->resize(250, 420);
  return page;
}

bool WaitForFigures(TBankrollPage& page) {
  return QTest::qWaitFor([&] { return page.Ready(); }, kCountTimeout);
}

// As the player types it: the field's own text replaced.
void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

QString Quoted(const QString& text) {
  return QStringLiteral("\"%1\"").arg(text);
}

}  // namespace

class TBankrollPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    SetMessageHook(
        [this](QMessageBox::Icon, const QString&, const QString& text) { FReports << text; });
    FReports.clear();
  }
  void cleanup() {
    SetMessageHook(nullptr);
    QVERIFY2(FReports.isEmpty(), qPrintable(FReports.join(QLatin1Char('\n'))));
  }

  // A chance too small to count as one in so many (a big bankroll over few hands) is said in
  // words, never as an overflowed count.
  void aVanishingChanceIsSaidInWords() {
    QCOMPARE(ChanceWords(0.05), QStringLiteral("1 chance in 20"));
    QCOMPARE(ChanceWords(8.16e-263), QStringLiteral("almost no chance"));
    QCOMPARE(ChanceWords(0), QStringLiteral("no chance"));
  }

  // 160 bets (the total over the bet) over 1,600 hands of 9/6 Jacks: the command's figures,
  // about 8 % ruin, in words, per cent and coins, the curve's last figure the same; typed
  // fields then count again, the count under way given up for the newer one.
  void theFiguresAreThoseOfTheFieldsAndThePayTable() {
    auto page = MakePage();
    page->show();
    Type(page->HandsEdit, QStringLiteral("1600"));
    page->ShowGame(Tables(), kNineSix, 800, 5);
    QVERIFY(WaitForFigures(*page));
    const TPayDistribution pays = PayDistributionOf(ComputeReturn(*Tables(), kNineSix), kNineSix);
    const auto expected = SessionRisk(pays, 160, 1600);
    const TSessionRisk& shown = *page->Shown();
    QCOMPARE(shown.Bankroll, 160);
    QCOMPARE(shown.Ruin, expected->Ruin);
    QVERIFY(shown.Ruin > 0.07 && shown.Ruin < 0.09);
    QCOMPARE(page->RuinLabel->text(),
             QStringLiteral("Losing the whole bankroll within 1600 hands: 1 chance in 12 (%1)")
                 .arg(QString::fromStdString(ChanceText(expected->Ruin))));
    QCOMPARE(page->BankrollMoney->text(), QStringLiteral("= 800 coins"));
    QVERIFY2(page->MedianLabel->text().contains(QStringLiteral("-38 bets (-190 coins)")),
             qPrintable(page->MedianLabel->text()));
    const auto& rows = page->RuinPlot->Rows();
    QVERIFY(rows.size() == 10 &&
            rows.back().Text.contains(QString::fromStdString(ChanceText(expected->Ruin))));
    QVERIFY(page->ResultPlot->SpokenRow(0).startsWith(QStringLiteral("Ruined")));

    // A long count, taken over at once by a short one.
    page->TypeBankroll->click();
    Type(page->BankrollEdit, QStringLiteral("2000"));
    Type(page->HandsEdit, QStringLiteral("100000"));
    QVERIFY(page->Counting());
    Type(page->HandsEdit, QStringLiteral("10000"));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(WaitForFigures(*page));
    qInfo("2000 bets over 10,000 hands: %lld ms from the last key", timer.elapsed());
    QCOMPARE(page->Shown()->Hands, 10000);
    QCOMPARE(page->Shown()->Ruin, SessionRisk(pays, 2000, 10000)->Ruin);
    // The bet changes the coins, not the count.
    Type(page->BetEdit, QStringLiteral("25"));
    QVERIFY(page->Ready());
    QCOMPARE(page->BankrollMoney->text(), QStringLiteral("= 50000 coins"));
    // Destroyed while counting: the worker is told and waited for.
    Type(page->HandsEdit, QStringLiteral("99999"));
    QVERIFY(page->Counting());
  }

  // Each bad field says why beside it and in its description; the figures wait; mended, the
  // reason goes.
  void aBadFieldSaysWhyBesideIt() {
    auto page = MakePage();
    page->show();
    page->ShowGame(Tables(), kNineSix, 3, 5);
    // Three coins are not a bet of five.
    QVERIFY(page->BankrollReason->isVisibleTo(page.get()));
    QCOMPARE(page->BankrollReason->text(),
             QStringLiteral("Your total of 3 coins is less than one bet."));
    QCOMPARE(page->UseTotal->accessibleDescription(), page->BankrollReason->text());
    page->ShowGame(Tables(), kNineSix, 1000, 5);
    QVERIFY(!page->BankrollReason->isVisibleTo(page.get()));

    page->TypeBankroll->click();
    const struct {
      QLineEdit* Field;
      QLabel* Reason;
      const char* Text;
      const char* Why;
    } cases[] = {
        {page->BankrollEdit, page->BankrollReason, "0",
         "The bankroll is a whole number of bets, at least 1."},
        {page->BankrollEdit, page->BankrollReason, "12.5",
         "The bankroll is a whole number of bets, at least 1."},
        {page->BankrollEdit, page->BankrollReason, "-4",
         "The bankroll is a whole number of bets, at least 1."},
        {page->BankrollEdit, page->BankrollReason, "1000000001",
         "The bankroll is at most 1000000000 bets."},
        {page->HandsEdit, page->HandsReason, "0", "The hands are a whole number, at least 1."},
        {page->HandsEdit, page->HandsReason, "", "The hands are a whole number, at least 1."},
        {page->HandsEdit, page->HandsReason, "100001", "At most 100000 hands are counted."},
        {page->HandsEdit, page->HandsReason, "99999999999999999999",
         "At most 100000 hands are counted."},
        {page->BetEdit, page->BetReason, "3", "The bet is a whole number of coins from 5 to 1000."},
    };
    for (const auto& c : cases) {
      const QString good = c.Field->text();
      Type(c.Field, QString::fromLatin1(c.Text));
      const QString what = Quoted(QString::fromLatin1(c.Text));
      QVERIFY2(c.Reason->isVisibleTo(page.get()), qPrintable(what));
      QCOMPARE(c.Reason->text(), QString::fromLatin1(c.Why));
      QCOMPARE(c.Field->accessibleDescription(), QString::fromLatin1(c.Why));
      QVERIFY2(!page->RuinLabel->isVisibleTo(page.get()) && !page->Ready(), qPrintable(what));
      QCOMPARE(page->RuinPlot->SpokenRowCount(), 0);
      Type(c.Field, good);
      QVERIFY2(!c.Reason->isVisibleTo(page.get()), qPrintable(what));
      QVERIFY(c.Field->accessibleDescription().isEmpty());
    }
    QVERIFY(WaitForFigures(*page));
  }

 private:
  QStringList FReports;
};

QTEST_MAIN(TBankrollPageTest)
#include "bankroll_page_test.moc"
