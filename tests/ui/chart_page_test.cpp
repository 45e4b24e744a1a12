// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The strategy chart page on its own: built in the background for the pay table it is given,
// the dealt hand's line marked, readable at the game's scales, and written to a PDF.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ChartPage.h"
#include "MessageBoxes.h"
#include "card_text.h"
#include "pdf_text.h"
#include "strategy_report.h"

namespace {

const TPayTable kNineSix = ParsePayTable("0,1,2,3,5,8,24,49,799");
// Table builds run slowly in sanitizer builds.
constexpr int kBuildTimeout = 120000;

std::shared_ptr<const TDrawTables> Tables() {
  static const std::shared_ptr<const TDrawTables> tables = TDrawTables::Build(2);
  return tables;
}

// Text without its blanks, as the glyphs of a PDF page come.
QString Squeezed(const QString& text) {
  QString squeezed = text;
  squeezed.remove(QRegularExpression(QStringLiteral("\\s")));
  return squeezed;
}

THandCards Hand(const char* text) {
  return ParseHand({text});
}

// The page at the advisor's width and font for a scale of the 640 x 480 design.
std::unique_ptr<TChartPage> MakePage(double scale = 1) {
  auto page = std::make_unique<TChartPage>();
  QFont font = QApplication::font();
  font.setPixelSize(static_cast<int>(12 * scale));
  page->setFont(font);
  page->resize(static_cast<int>(250 * scale), static_cast<int>(420 * scale));
  return page;
}

bool WaitForChart(TChartPage& page) {
  return QTest::qWaitFor([&] { return page.Ready() && !page.Building(); }, kBuildTimeout);
}

}  // namespace

class TChartPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    SetMessageHook(
        [this](QMessageBox::Icon, const QString&, const QString& text) { FReports << text; });
    FReports.clear();
  }
  void cleanup() { SetMessageHook(nullptr); }

  // Built on a worker while the page is in sight, "building..." meanwhile, the chart the
  // analyzer writes for the same pay table, with its returns; the tables stay the lender's.
  void aChartIsBuiltInTheBackgroundWhileInSight() {
    auto page = MakePage();
    std::shared_ptr<const TDrawTables> tables = TDrawTables::Build(2);
    page->ShowPayTable(tables, kNineSix);
    QVERIFY(!page->Building());  // out of sight: nothing is built
    page->show();
    QVERIFY(page->Building());
    QVERIFY(page->ReturnLabel->text().contains(QStringLiteral("building...")));
    QCOMPARE(page->Lines->Message(), QStringLiteral("building..."));
    QVERIFY(!page->PdfButton->isEnabled());
    QSignalSpy shown(page.get(), &TChartPage::ChartShown);
    QVERIFY(WaitForChart(*page));
    QCOMPARE(shown.count(), 1);

    const TStrategyChart expected = BuildStrategyChart(*tables, kNineSix);
    const TStrategyChart& chart = *page->Chart();
    QCOMPARE(chart.Lines.size(), expected.Lines.size());
    for (std::size_t i = 0; i < chart.Lines.size(); ++i)
      QCOMPARE(chart.Lines[i].Text, expected.Lines[i].Text);
    const QString returns = page->ReturnLabel->text();
    QVERIFY2(returns.contains(QString::fromStdString(expected.ChartReturn.PercentText(4))) &&
                 returns.contains(QString::fromStdString(expected.BestReturn.PercentText(4))) &&
                 returns.contains(QString::fromStdString(ChartCostText(expected))),
             qPrintable(returns));
    QVERIFY(page->TitleLabel->text().contains(QStringLiteral("0,1,2,3,5,8,24,49,799")));
    QVERIFY(page->PdfButton->isEnabled() && page->PrintButton->isEnabled());
    // The worker let go of the tables: the lender's is the only hold on them.
    QCOMPARE(tables.use_count(), 1L);
  }

  // The mark follows the dealt hand only, in the chart of the pay table in force, and no
  // earlier pay table's chart stands in for the new one's while it is built.
  void theDealtHandsLineIsMarkedInTheChartInForce() {
    auto page = MakePage();
    page->show();
    page->ShowPayTable(Tables(), kNineSix);
    const THandCards dealt = Hand("AS KS QS JS 9H");
    page->MarkHand(dealt);
    QCOMPARE(page->MarkedLine(), -1);
    QVERIFY(page->HandLabel->text().contains(QStringLiteral("building...")));
    QVERIFY(WaitForChart(*page));
    const int line = MatchingLine(*page->Chart(), dealt);
    QCOMPARE(page->MarkedLine(), line);
    QCOMPARE(page->Chart()->Lines[static_cast<std::size_t>(line)].Text,
             std::string("four to a royal flush"));
    QCOMPARE(
        page->HandLabel->text(),
        QStringLiteral("Dealt A\u2660\u00a0K\u2660\u00a0Q\u2660\u00a0J\u2660\u00a09\u2665: line %1")
            .arg(line + 1));
    QCOMPARE(page->Lines->accessibleDescription(),
             QStringLiteral("Marked: line %1, four to a royal flush").arg(line + 1));
    // The marked row is in sight.
    QVERIFY(page->Lines->viewport()->rect().contains(page->Lines->RowRect(line)));

    // A royal flush pays little under the default table: its chart has other lines.
    page->ShowPayTable(Tables(), TPayTable{});
    QVERIFY(page->Building());
    QCOMPARE(page->MarkedLine(), -1);
    QCOMPARE(page->Lines->Message(), QStringLiteral("building..."));
    QVERIFY(WaitForChart(*page));
    QCOMPARE(page->Chart()->Table, TPayTable{});
    QCOMPARE(page->MarkedLine(), MatchingLine(*page->Chart(), dealt));

    page->ClearHand(QStringLiteral("Practice: the line is shown after the draw."));
    QCOMPARE(page->MarkedLine(), -1);
    QCOMPARE(page->HandLabel->text(),
             QStringLiteral("Practice: the line is shown after the draw."));
    QVERIFY(FReports.isEmpty());
  }

  // At every scale the page's texts keep the room they need in the advisor's width: no label
  // is cut and both buttons keep their whole captions side by side.
  void thePageIsReadableAtEveryScale() {
    for (const double scale : {1.0, 1.6, 2.25, 3.0}) {
      auto page = MakePage(scale);
      page->show();
      page->ShowPayTable(Tables(), kNineSix);
      page->MarkHand(Hand("9S TS JS QS 2H"));
      QVERIFY(WaitForChart(*page));
      QApplication::processEvents();
      for (QLabel* label : {page->TitleLabel, page->ReturnLabel, page->HandLabel})
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(QStringLiteral("%1 at %2").arg(label->objectName()).arg(scale)));
      for (QPushButton* button : {page->PrintButton, page->PdfButton})
        QVERIFY2(button->width() >= button->sizeHint().width(),
                 qPrintable(QStringLiteral("%1 at %2").arg(button->objectName()).arg(scale)));
      // The list shows some whole rows, the marked one among them.
      const QRect marked = page->Lines->RowRect(page->MarkedLine());
      QVERIFY(page->Lines->viewport()->rect().contains(marked));
      QVERIFY(marked.height() >= 2 * page->fontMetrics().height());
    }
  }

  // The chart laid out for paper is a PDF whose pages hold every line, the pay table and the
  // returns.
  void theChartIsSavedAsAPdfFile() {
    auto page = MakePage();
    page->show();
    page->ShowPayTable(Tables(), kNineSix);
    QVERIFY(WaitForChart(*page));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    QString suggested;
    page->AskPdfFile = [&](const QString& name) {
      suggested = name;
      return file;
    };
    page->PdfButton->click();
    QVERIFY(suggested.endsWith(QStringLiteral("lumaro-chart-0-1-2-3-5-8-24-49-799.pdf")));
    QVERIFY(FReports.isEmpty());
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    const QString text = Squeezed(PdfText(bytes));
    QVERIFY2(text.contains(Squeezed(QStringLiteral("Lumaro strategy chart"))), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("0,1,2,3,5,8,24,49,799")));
    for (const TChartLine& line : page->Chart()->Lines)
      QVERIFY2(text.contains(Squeezed(QString::fromStdString(line.Text))), line.Text.c_str());
    for (const auto& line : ChartReturnLines(*page->Chart()))
      QVERIFY2(text.contains(Squeezed(QString::fromStdString(line))), line.c_str());

    // A file that can't be written is reported, and nothing else happens.
    page->AskPdfFile = [&](const QString&) {
      return dir.filePath(QStringLiteral("no/such/a.pdf"));
    };
    page->PdfButton->click();
    QCOMPARE(FReports.size(), 1);
    QVERIFY(FReports.front().contains(QStringLiteral("no/such/a.pdf")));
    // Cancelled: nothing.
    page->AskPdfFile = [](const QString&) { return QString(); };
    page->PdfButton->click();
    QCOMPARE(FReports.size(), 1);
  }

 private:
  QStringList FReports;
};

QTEST_MAIN(TChartPageTest)
#include "chart_page_test.moc"
