// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "ChartPage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <stdexcept>

#include "AdviceTexts.h"
#include "CardDeck.h"
#include "Colors.h"
#include "FocusMark.h"
#include "MessageBoxes.h"
#include "PatternTexts.h"
#include "advice.h"
#include "card_text.h"
#include "game_odds.h"
#include "strategy_report.h"

namespace {

const QColor kMarkShade = ToQColor(clBestHoldShade);
const QColor kMarkFrame = ToQColor(clNavy);
const QColor kQuiet = ToQColor(clQuietText);
const QColor kRule = ToQColor(clChartGuide);

QString BuildingText() {
  return QCoreApplication::translate("TChartPage", "building...");
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The game a chart is of; Jacks or Better when it was built from the nine multipliers.
const TGame& GameOf(const TStrategyChart& chart) {
  return chart.Game ? *chart.Game : kJacksOrBetter;
}

bool IsJacksChart(const TStrategyChart& chart) {
  return &GameOf(chart) == &kJacksOrBetter;
}

// The multipliers of a game's lines, lowest first: "0,1,1,2,4,8,14,24,199,799".
QString MultipliersText(const TGameTable& table) {
  QStringList lines;
  for (int line = 0; line < table.Game->LineCount(); ++line)
    lines << QString::number(table.Multipliers[static_cast<std::size_t>(line)]);
  return lines.join(QLatin1Char(','));
}

// The table a chart was built for, as the window keeps it.
TGameTable TableOfChart(const TStrategyChart& chart) {
  if (IsJacksChart(chart)) return JacksTable(chart.Table);
  TGameTable table;
  table.Game = chart.Game;
  table.Multipliers = {};
  for (std::size_t line = 0; line < chart.GamePays.size() && line < table.Multipliers.size();
       ++line)
    table.Multipliers[line] = MultiplierOfPays(chart.GamePays[line]);
  return table;
}

QString PayTableLine(const TStrategyChart& chart) {
  if (IsJacksChart(chart))
    //: %1 the nine multipliers of the pay table, "0,1,2,3,4,6,9,25,50,800".
    return QCoreApplication::translate("TChartPage",
                                       "Pay table, Jacks or Better to Royal Flush: %1")
        .arg(Text(PayTableText(chart.Table)));
  const TGame& game = GameOf(chart);
  //: %1 the game's name ("Deuces Wild"), %2 its lowest line ("Three of a Kind"), %3 its
  //: highest ("Natural Royal Flush"), %4 the multipliers of its lines, lowest first.
  return QCoreApplication::translate("TChartPage", "Pay table of %1, %2 to %3: %4")
      .arg(Text(game.Name), Text(game.LineName(0)), Text(game.LineName(game.LineCount() - 1)),
           MultipliersText(TableOfChart(chart)));
}

QString ShareText(const TChartLine& line) {
  return Text(Fixed(100 * line.Share, 3)) + QStringLiteral(" %");
}

QString ChartDocumentName(const TStrategyChart& chart) {
  if (IsJacksChart(chart))
    return QCoreApplication::translate("TChartPage", "Lumaro strategy chart");
  //: The printed chart's title; %1 the game's name, "Deuces Wild".
  return QCoreApplication::translate("TChartPage", "Lumaro strategy chart for %1")
      .arg(Text(GameOf(chart).Name));
}

// The analysis's three return lines (ChartReturnLines), in the player's language.
QStringList ChartReturnShown(const TStrategyChart& chart) {
  const int count = static_cast<int>(chart.Lines.size());
  const QString lines = count == 1
                            ? QCoreApplication::translate("TChartPage", "1 line")
                            : QCoreApplication::translate("TChartPage", "%n lines", nullptr, count);
  //: %1 a percentage with four decimals, %2 how many lines the chart has ("24 lines").
  return {QCoreApplication::translate("TChartPage", "Return holding by the chart: %1% (%2)")
              .arg(Text(chart.ChartReturn.PercentText(4)), lines),
          QCoreApplication::translate("TChartPage", "Return under optimal play: %1%")
              .arg(Text(chart.BestReturn.PercentText(4))),
          //: %1 the points of return the chart gives up, "0.0010".
          QCoreApplication::translate("TChartPage", "The chart gives up %1 points of return.")
              .arg(Text(ChartCostText(chart)))};
}

// The example deal in one line: the held cards in their suit colours, a bar, the drawn
// ones; left to right from `left`, cut at `right`.
void PaintExample(QPainter& painter, const TChartLine& line, int left, int right, int top,
                  int height, const QColor& text) {
  const QFontMetrics metrics = painter.fontMetrics();
  const int space = metrics.horizontalAdvance(QLatin1Char(' '));
  int x = left;
  bool bar = false;
  for (const int i : ExampleOrder(line)) {
    const bool held = line.ExampleHold & (1 << i);
    if (!held && !bar) {
      bar = true;
      painter.setPen(kQuiet);
      painter.drawText(QRect(x, top, right - x, height), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("|"));
      x += metrics.horizontalAdvance(QLatin1Char('|')) + space;
    }
    const int code = line.Example[static_cast<std::size_t>(i)];
    // The joker has no rank and suit to write: its name.
    const QString card = code == cdJoker ? CardSpokenName(code) : Text(CardSymbolText(code));
    if (x + metrics.horizontalAdvance(card) > right) break;
    painter.setPen(CardTextColor(code, text));
    painter.drawText(QRect(x, top, right - x, height), Qt::AlignLeft | Qt::AlignVCenter, card);
    x += metrics.horizontalAdvance(card) + space;
  }
}

int WrappedHeight(const QFontMetrics& metrics, int width, const QString& text) {
  return metrics
      .boundingRect(QRect(0, 0, std::max(1, width), 1 << 20), Qt::TextWordWrap | Qt::AlignLeft,
                    text)
      .height();
}

// The notes under the lines: the heading and each family's order.
QStringList NotesOf(const TStrategyChart& chart) {
  QStringList notes = ShownFamilyOrderNotes(chart);
  // The analysis's heading (kFamilyOrderHeading), in the player's language.
  if (!notes.isEmpty())
    notes.prepend(QCoreApplication::translate(
        "TChartPage", "A line naming a whole family takes the first that fits, in this order:"));
  return notes;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TChartList::TChartList(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("ChartLines"));
  setAccessibleName(tr("Chart lines"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::StyledPanel);
  setFocusPolicy(Qt::TabFocus);  // reached by Tab; a click leaves the keyboard in the game
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  Relayout();
}

void TChartList::SetChart(std::shared_ptr<const TStrategyChart> chart) {
  if (chart == FChart) return;
  FChart = std::move(chart);
  FLineTexts.clear();
  FNotes.clear();
  if (FChart) {
    for (const TChartLine& line : FChart->Lines)
      FLineTexts << ShownGroupName(*FChart->Words, line.Leaves);
    FNotes = NotesOf(*FChart);
  }
  FMarked = -1;
  FCursor = 0;
  setAccessibleDescription(QString());
  verticalScrollBar()->setValue(0);
  Relayout();
  SpokenRowsChanged(this);
}

void TChartList::SetMessage(const QString& message) {
  FMessage = message;
  viewport()->update();
}

void TChartList::SetMarked(int line) {
  const int lines = FChart ? static_cast<int>(FChart->Lines.size()) : 0;
  line = line >= 0 && line < lines ? line : -1;
  if (line == FMarked) return;
  FMarked = line;
  setAccessibleDescription(
      FMarked < 0 ? QString()
                  : tr("Marked: line %1, %2").arg(FMarked + 1).arg(FLineTexts.value(FMarked)));
  Relayout();
  BringIntoSight(FMarked);
  SpokenRowsChanged(this);
}

QRect TChartList::RowRect(int line) const {
  if (line < 0 || static_cast<std::size_t>(line) + 1 >= FTops.size()) return {};
  const auto at = static_cast<std::size_t>(line);
  return {0, FTops[at] - verticalScrollBar()->value(), viewport()->width(),
          FTops[at + 1] - FTops[at]};
}

void TChartList::BringIntoSight(int line) {
  if (line < 0 || static_cast<std::size_t>(line) + 1 >= FTops.size()) return;
  QScrollBar* bar = verticalScrollBar();
  const int top = FTops[static_cast<std::size_t>(line)];
  const int bottom = FTops[static_cast<std::size_t>(line) + 1];
  if (top < bar->value())
    bar->setValue(top);
  else if (bottom > bar->value() + viewport()->height())
    bar->setValue(std::min(top, bottom - viewport()->height()));
}

void TChartList::Relayout() {
  FTops.clear();
  const int width = viewport()->width();
  int content = 0;
  if (FChart) {
    const QFontMetrics metrics = fontMetrics();
    const int pad = std::max(2, metrics.height() / 4);
    // Each row measured in the face it is drawn in: the marked line's is bold, so marking
    // another line lays the list out again.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int number = boldMetrics.horizontalAdvance(QStringLiteral("00")) + 2 * pad;
    const int text = width - number - pad;
    int y = 0;
    for (std::size_t i = 0; i < FChart->Lines.size(); ++i) {
      FTops.push_back(y);
      const QFontMetrics& face = static_cast<int>(i) == FMarked ? boldMetrics : metrics;
      y += pad + WrappedHeight(face, text, FLineTexts.value(static_cast<int>(i))) +
           metrics.height() + pad;
    }
    FTops.push_back(y);
    for (const QString& note : FNotes) y += WrappedHeight(metrics, width - 2 * pad, note) + pad;
    FTops.push_back(y);
    content = y;
  }
  QScrollBar* bar = verticalScrollBar();
  bar->setSingleStep(fontMetrics().height());
  bar->setPageStep(viewport()->height());
  bar->setRange(0, std::max(0, content - viewport()->height()));
  viewport()->update();
}

void TChartList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Relayout();
  BringIntoSight(FMarked);
}

void TChartList::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) Relayout();
}

void TChartList::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (!FChart) {
    PaintQuietMessage(painter, viewport()->rect(), FMessage);
    return;
  }
  const QFontMetrics metrics = fontMetrics();
  const int pad = std::max(2, metrics.height() / 4);
  QFont bold = font();
  bold.setBold(true);
  const int number = QFontMetrics(bold).horizontalAdvance(QStringLiteral("00")) + 2 * pad;
  const int width = viewport()->width();
  const int scroll = verticalScrollBar()->value();
  const QColor text = palette().color(QPalette::Text);
  for (std::size_t i = 0; i < FChart->Lines.size(); ++i) {
    const TChartLine& line = FChart->Lines[i];
    const QRect row(0, FTops[i] - scroll, width, FTops[i + 1] - FTops[i]);
    if (row.bottom() < 0 || row.top() > viewport()->height()) continue;
    const bool marked = static_cast<int>(i) == FMarked;
    if (marked) painter.fillRect(row, kMarkShade);
    QFont font = this->font();
    font.setBold(marked);
    painter.setFont(font);
    painter.setPen(text);
    painter.drawText(QRect(0, row.top() + pad, number - pad, metrics.height()),
                     Qt::AlignRight | Qt::AlignTop, QString::number(i + 1));
    const int textHeight = row.height() - 2 * pad - metrics.height();
    painter.drawText(QRect(number, row.top() + pad, width - number - pad, textHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     FLineTexts.value(static_cast<int>(i)));
    painter.setFont(this->font());
    const int exampleTop = row.top() + pad + textHeight;
    const QString share = ShareText(line);
    const int shareWidth = metrics.horizontalAdvance(share);
    PaintExample(painter, line, number, width - pad - shareWidth - pad, exampleTop,
                 metrics.height(), text);
    painter.setPen(kQuiet);
    painter.drawText(QRect(width - pad - shareWidth, exampleTop, shareWidth, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, share);
    painter.setPen(kRule);
    painter.drawLine(row.bottomLeft(), row.bottomRight());
    if (marked) {
      painter.setPen(QPen(kMarkFrame, 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(row.adjusted(1, 1, -1, -1));
    }
    if (hasFocus() && static_cast<int>(i) == FCursor)
      PaintFocusMark(painter, row.adjusted(2, 2, -2, -2));
  }
  painter.setFont(font());
  int y = FTops[FChart->Lines.size()] - scroll + pad;
  bool heading = true;
  for (const QString& note : FNotes) {
    const int h = WrappedHeight(metrics, width - 2 * pad, note);
    painter.setPen(heading ? kQuiet : palette().color(QPalette::Text));
    painter.drawText(QRect(pad, y, width - 2 * pad, h), Qt::AlignLeft | Qt::TextWordWrap, note);
    y += h + pad;
    heading = false;
  }
}

int TChartList::SpokenRowCount() const {
  return FChart ? static_cast<int>(FChart->Lines.size()) : 0;
}

QString TChartList::SpokenRow(int row) const {
  if (row < 0 || row >= SpokenRowCount()) return {};
  const TChartLine& line = FChart->Lines[static_cast<std::size_t>(row)];
  QStringList held;
  QStringList drawn;
  for (const int i : ExampleOrder(line))
    (line.ExampleHold & (1 << i) ? held : drawn)
        << CardSpokenName(line.Example[static_cast<std::size_t>(i)]);
  QString example =
      held.isEmpty() ? tr("nothing held") : tr("%1 held").arg(held.join(QStringLiteral(", ")));
  //: %1 the cards held ("Ace of Spades, King of Spades held"), %2 those drawn.
  if (!drawn.isEmpty()) example = tr("%1, %2 drawn").arg(example, drawn.join(QStringLiteral(", ")));
  //: A line of the strategy chart as a screen reader says it: %1 its number, %2 the hold it
  //: names, %3 an example deal, %4 the share of all deals it decides ("12.345 %").
  return (row == FMarked
              ? tr("Line %1: %2. Example: %3. Decides %4 of deals. The dealt hand's line")
              : tr("Line %1: %2. Example: %3. Decides %4 of deals"))
      .arg(row + 1)
      .arg(FLineTexts.value(row), example, ShareText(line));
}

QRect TChartList::SpokenRowRect(int row) const {
  const QRect rect = RowRect(row);
  if (rect.isEmpty() || !viewport()->rect().intersects(rect)) return {};
  return rect.translated(viewport()->pos());
}

int TChartList::CurrentSpokenRow() const {
  return hasFocus() && FCursor < SpokenRowCount() ? FCursor : -1;
}

void TChartList::keyPressEvent(QKeyEvent* event) {
  const int page = FTops.size() > 1 ? viewport()->height() / std::max(1, FTops[1] - FTops[0]) : 1;
  const auto row = RowAfterKey(*event, FCursor, SpokenRowCount(), page);
  if (!row) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  FCursor = *row;
  BringIntoSight(FCursor);
  viewport()->update();
  SpokenRowFocused(this, FCursor);
  event->accept();
}

void TChartList::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  // The keyboard comes in on the dealt hand's line, when there is one.
  if (FMarked >= 0) FCursor = FMarked;
  viewport()->update();
  SpokenRowFocused(this, CurrentSpokenRow());
}

void TChartList::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

// ---------------------------------------------------------------------------------------------

TChartPage::TChartPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ChartPage"));
  BuildControls();
  ShowChart();
}

TChartPage::~TChartPage() {
  // The worker posts its chart to this object; it must be done before the object goes.
  if (FWorker.joinable()) FWorker.join();
}

void TChartPage::BuildControls() {
  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
  };
  TitleLabel = label("ChartTitleLabel");
  // Bold by markup: a font of its own would be scaled twice when the window scales.
  TitleLabel->setTextFormat(Qt::RichText);
  ReturnLabel = label("ChartReturnLabel");
  HandLabel = label("ChartHandLabel");
  Lines = new TChartList(this);
  auto button = [this](const char* name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::TabFocus);
    b->setToolTip(tip);
    return b;
  };
  PrintButton = button("PrintChart", tr("Print\u2026"), tr("Prints the chart, laid out for paper"));
  PdfButton = button("SaveChartPdf", tr("Save as PDF\u2026"),
                     tr("Writes the chart, laid out for paper, to a PDF file"));
  connect(PrintButton, &QPushButton::clicked, this, [this] { PrintClick(); });
  connect(PdfButton, &QPushButton::clicked, this, [this] { SavePdfClick(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel);
  layout->addWidget(ReturnLabel);
  layout->addWidget(HandLabel);
  layout->addWidget(Lines, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(PrintButton);
  buttons->addWidget(PdfButton);
  layout->addLayout(buttons);
  ClearHand(tr("Deal a hand to see the line it fits."));
  FitToFont();
}

void TChartPage::FitToFont() {
  // Margins and spacing follow the font the page inherits, so they grow with the window.
  const int line = fontMetrics().lineSpacing();
  if (QLayout* l = layout()) {
    const int margin = std::max(2, line / 2);
    l->setContentsMargins(margin, margin, margin, margin);
    l->setSpacing(std::max(2, line / 4));
  }
}

void TChartPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitToFont();
}

void TChartPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RunGuarded(this, [this] { BuildIfWanted(); });
}

void TChartPage::ShowGame(const std::shared_ptr<const TDrawTables>& jacksTables,
                          const TGameTable& table) {
  FTables = jacksTables;
  FWanted = table;
  if (isVisible()) BuildIfWanted();
  ShowChart();
}

void TChartPage::ShowPayTable(const std::shared_ptr<const TDrawTables>& tables,
                              const TPayTable& table) {
  ShowGame(tables, JacksTable(table));
}

bool TChartPage::Ready() const {
  return FChart && FWanted && FChartTable == FWanted;
}

void TChartPage::BuildIfWanted() {
  if (!FWanted || Ready() || FBuilding || FFailedTable == FWanted) return;
  // Another game counts with its own tables; Jacks or Better waits for the advisor's.
  std::shared_ptr<const TDrawTables> tables = FTables.lock();
  if (tables || !FWanted->IsJacks()) StartBuild(std::move(tables), *FWanted);
}

TStrategyChart BuildGameChart(const TDrawTables* jacksTables, const TGameTable& table) {
  if (table.IsJacks()) {
    if (!jacksTables) throw std::logic_error("Jacks or Better's chart needs its draw tables");
    return BuildStrategyChart(*jacksTables, PayTableOf(table));
  }
  const TGame& game = *table.Game;
  TGamePays pays{&game, {}, {}};
  for (int line = 0; line < game.LineCount(); ++line)
    pays.Pays.push_back(PaysOfMultiplier(table.Multipliers[static_cast<std::size_t>(line)]));
  TChartOptions options;
  options.Words = &HoldWordsOf(game);
  TStrategyChart chart = BuildStrategyChart(*GameTables(game), UnitPaysOf(pays), options);
  chart.Game = &game;
  chart.GamePays = pays.Pays;
  return chart;
}

void TChartPage::StartBuild(std::shared_ptr<const TDrawTables> tables, const TGameTable& table) {
  auto work = [this, tables = std::move(tables), table]() mutable {
    std::shared_ptr<const TStrategyChart> chart;
    std::string error;
    try {
      chart = std::make_shared<const TStrategyChart>(BuildGameChart(tables.get(), table));
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = tr("unknown error").toStdString();
    }
    // The tables are the advisor's to let go: the worker keeps them no longer than it needs.
    tables.reset();
    QMetaObject::invokeMethod(
        this, [this, chart, table, error] { BuildDone(chart, table, error); },
        Qt::QueuedConnection);
  };
  FBuilding = true;
  try {
    FWorker = std::thread(std::move(work));
  } catch (...) {
    FBuilding = false;
    throw;
  }
  ShowChart();
}

void TChartPage::BuildDone(std::shared_ptr<const TStrategyChart> chart, const TGameTable& table,
                           const std::string& error) {
  RunGuarded(this, [&] {
    FWorker.join();
    FBuilding = false;
    if (chart) {
      FChart = std::move(chart);
      FChartTable = table;
      FFailedTable.reset();
      FError.clear();
    } else {
      FFailedTable = table;
      FError = error;
    }
    ShowChart();
    // The pay table may have changed again meanwhile.
    if (isVisible()) BuildIfWanted();
    if (Ready()) emit ChartShown();
  });
}

void TChartPage::ShowChart() {
  const bool failed = FFailedTable && FFailedTable == FWanted;
  if (FWanted && FWanted->IsJacks())
    TitleLabel->setText(
        QStringLiteral("<b>%1</b>")
            .arg(tr("Chart for %1").arg(Text(PayTableText(PayTableOf(*FWanted)))).toHtmlEscaped()));
  else if (FWanted)
    //: %1 the game's name ("Deuces Wild"), %2 the multipliers of its lines, lowest first.
    TitleLabel->setText(QStringLiteral("<b>%1</b>")
                            .arg(tr("%1: chart for %2")
                                     .arg(Text(FWanted->Game->Name), MultipliersText(*FWanted))
                                     .toHtmlEscaped()));
  else
    TitleLabel->setText(QStringLiteral("<b>%1</b>").arg(tr("Strategy chart").toHtmlEscaped()));
  if (Ready()) {
    const int count = static_cast<int>(FChart->Lines.size());
    //: How many lines the chart has.
    const QString lines = count == 1 ? tr("1 line") : tr("%n lines", nullptr, count);
    //: Three lines: the chart's return (%1, a percentage with four decimals; %2 its lines,
    //: "24 lines"), the return of the best play (%3) and the difference (%4, "0.0010").
    ReturnLabel->setText(tr("Chart: %1 %, %2\n"
                            "Best play: %3 %\n"
                            "The chart gives up %4 points")
                             .arg(Text(FChart->ChartReturn.PercentText(4)), lines,
                                  Text(FChart->BestReturn.PercentText(4)),
                                  Text(ChartCostText(*FChart))));
  } else if (failed) {
    ReturnLabel->setText(tr("Chart: not available (%1)").arg(Text(FError)));
  } else {
    ReturnLabel->setText(tr("Chart: %1").arg(BuildingText()));
  }
  // An earlier pay table's chart is not shown as if it were this one's.
  Lines->SetChart(Ready() ? FChart : nullptr);
  Lines->SetMessage(failed ? tr("not available") : BuildingText());
  PrintButton->setEnabled(Ready());
  PdfButton->setEnabled(Ready());
  ShowMark();
}

void TChartPage::MarkHand(const THandCards& dealt) {
  // Told again for the same hand (a hold changed), the page stays as the player left it.
  if (FHand == dealt) return;
  FHand = dealt;
  ShowMark();
}

void TChartPage::ClearHand(const QString& message) {
  if (!FHand && FHandMessage == message) return;
  FHand.reset();
  FHandMessage = message;
  ShowMark();
}

int TChartPage::MarkedLine() const {
  return Lines->Marked();
}

void TChartPage::ShowMark() {
  if (!FHand) {
    Lines->SetMarked(-1);
    HandLabel->setText(FHandMessage);
    return;
  }
  const QString cards = HeldCardsShown(*FHand, 31);
  if (!Ready()) {
    Lines->SetMarked(-1);
    HandLabel->setText(tr("Dealt %1: %2").arg(cards, BuildingText()));
    return;
  }
  const int line = MatchingLine(*FChart, *FHand);
  Lines->SetMarked(line);
  if (line >= static_cast<int>(FChart->Lines.size()))
    HandLabel->setText(tr("Dealt %1: no line fits, hold nothing").arg(cards));
  else
    HandLabel->setText(tr("Dealt %1: line %2").arg(cards).arg(line + 1));
}

QString TChartPage::SuggestedPdfName() const {
  if (!FChart) return QDir::home().filePath(QStringLiteral("lumaro-chart-.pdf"));
  const bool jacks = IsJacksChart(*FChart);
  QString table =
      jacks ? Text(PayTableText(FChart->Table)) : MultipliersText(TableOfChart(*FChart));
  table.replace(QLatin1Char(','), QLatin1Char('-'));
  // Another game's id first, so two games' charts of one table don't share a name.
  if (!jacks) table.prepend(Text(FChart->Game->Id) + QLatin1Char('-'));
  return QDir::home().filePath(QStringLiteral("lumaro-chart-%1.pdf").arg(table));
}

void TChartPage::SaveAsPdf(const QString& fileName) const {
  if (!FChart) throw std::runtime_error(tr("There is no chart to save yet").toStdString());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
  printer.setDocName(ChartDocumentName(*FChart));
  printer.setCreator(QStringLiteral("Lumaro"));
  if (!PrintChartPages(*FChart, printer))
    throw std::runtime_error(tr("Cannot write the PDF file %1").arg(fileName).toStdString());
}

void TChartPage::SavePdfClick() {
  RunGuarded(this, [this] {
    if (!Ready()) return;
    const QString suggested = SuggestedPdfName();
    const QString file = AskPdfFile
                             ? AskPdfFile(suggested)
                             : QFileDialog::getSaveFileName(this, tr("Save the chart as PDF"),
                                                            suggested, tr("PDF files (*.pdf)"));
    if (file.isEmpty()) return;
    SaveAsPdf(file);
  });
}

void TChartPage::PrintClick() {
  RunGuarded(this, [this] {
    if (!Ready()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ChartDocumentName(*FChart));
    printer.setCreator(QStringLiteral("Lumaro"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the strategy chart"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintChartPages(*FChart, printer))
      throw std::runtime_error(tr("The chart could not be printed").toStdString());
  });
}

// ---------------------------------------------------------------------------------------------

namespace {

// Paper in points: the painter turns them into the device's pixels.
struct TPaper {
  QPainter& Painter;
  QPagedPaintDevice& Device;
  QRect Page;  // the printable part, in device pixels from its top left
  QFont Body;
  QFont Bold;
  QFont Title;
  int Number = 1;
  int Y = 0;

  int Points(double points) const { return static_cast<int>(points * Device.logicalDpiY() / 72.0); }
  int FooterTop() const { return Page.height() - QFontMetrics(Body, &Device).height(); }

  void Footer() {
    Painter.setFont(Body);
    Painter.setPen(kQuiet);
    Painter.drawText(
        QRect(0, FooterTop(), Page.width(), Page.height() - FooterTop()),
        Qt::AlignRight | Qt::AlignBottom,
        QCoreApplication::translate("TChartPage", "Lumaro strategy chart, page %1").arg(Number));
  }

  // A new page when `height` more does not fit above the footer; returns whether it began one.
  bool Room(int height) {
    if (Y + height <= FooterTop() - Points(6) || Y == 0) return false;
    Footer();
    Device.newPage();
    ++Number;
    Y = 0;
    return true;
  }

  void Paragraph(const QString& text, const QFont& font, const QColor& color, double after) {
    const QFontMetrics metrics(font, &Device);
    const int h = WrappedHeight(metrics, Page.width(), text);
    Room(h);
    Painter.setFont(font);
    Painter.setPen(color);
    Painter.drawText(QRect(0, Y, Page.width(), h), Qt::AlignLeft | Qt::TextWordWrap, text);
    Y += h + Points(after);
  }
};

}  // namespace

bool PrintChartPages(const TStrategyChart& chart, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const int dpi = device.logicalDpiX();
  TPaper paper{painter, device, device.pageLayout().paintRectPixels(dpi), {}, {}, {}};
  // The game's own typeface, in sizes for reading on paper.
  paper.Body = QFont(QApplication::font().family());
  paper.Body.setPointSizeF(10);
  paper.Bold = paper.Body;
  paper.Bold.setBold(true);
  paper.Title = paper.Bold;
  paper.Title.setPointSizeF(16);
  const QColor ink(Qt::black);

  paper.Paragraph(ChartDocumentName(chart), paper.Title, ink, 4);
  paper.Paragraph(PayTableLine(chart), paper.Bold, ink, 4);
  // The analysis's rule (kChartRuleText), in the player's language.
  paper.Paragraph(QCoreApplication::translate("TChartPage",
                                              "Hold the first line that fits the hand; of the "
                                              "holds a line names, the first that fits."),
                  paper.Body, ink, 8);

  // Columns: number, pattern, example, share of deals.
  const QFontMetrics metrics(paper.Body, &device);
  const int pad = paper.Points(4);
  const int width = paper.Page.width();
  //: Column headings of the printed chart: the line's number, the hold it names, an example
  //: deal, and the share of all deals the line decides.
  const QString lineHeading = QCoreApplication::translate("TChartPage", "Line");
  const QString holdHeading = QCoreApplication::translate("TChartPage", "Hold");
  const QString dealsHeading = QCoreApplication::translate("TChartPage", "Deals");
  const int number = QFontMetrics(paper.Bold, &device).horizontalAdvance(lineHeading) + pad;
  const int share = std::max(metrics.horizontalAdvance(QStringLiteral("100.000 %")),
                             QFontMetrics(paper.Bold, &device).horizontalAdvance(dealsHeading)) +
                    pad;
  const QString exampleHeading =
      QCoreApplication::translate("TChartPage", "Example (held | drawn)");
  // As wide as the widest example, or as its heading in bold where that is wider.
  const int example =
      std::max(metrics.horizontalAdvance(
                   QStringLiteral("10\u2660 10\u2665 10\u2666 10\u2663 | 10\u2660")),
               QFontMetrics(paper.Bold, &device).horizontalAdvance(exampleHeading)) +
      pad;
  const int pattern = width - number - example - share;
  const auto header = [&] {
    painter.setFont(paper.Bold);
    painter.setPen(ink);
    const int h = metrics.height();
    painter.drawText(QRect(0, paper.Y, number - pad, h), Qt::AlignRight, lineHeading);
    painter.drawText(QRect(number, paper.Y, pattern - pad, h), Qt::AlignLeft, holdHeading);
    painter.drawText(QRect(number + pattern, paper.Y, example, h), Qt::AlignLeft, exampleHeading);
    painter.drawText(QRect(width - share, paper.Y, share, h), Qt::AlignRight, dealsHeading);
    paper.Y += h + pad / 2;
    painter.setPen(QPen(ink, paper.Points(0.5)));
    painter.drawLine(0, paper.Y, width, paper.Y);
    paper.Y += pad / 2;
  };
  header();
  for (std::size_t i = 0; i < chart.Lines.size(); ++i) {
    const TChartLine& line = chart.Lines[i];
    const QString text = ShownGroupName(*chart.Words, line.Leaves);
    const int h = std::max(WrappedHeight(metrics, pattern - pad, text), metrics.height()) + pad;
    if (paper.Room(h)) header();
    painter.setFont(paper.Body);
    painter.setPen(ink);
    painter.drawText(QRect(0, paper.Y, number - pad, h), Qt::AlignRight | Qt::AlignTop,
                     QString::number(i + 1));
    painter.drawText(QRect(number, paper.Y, pattern - pad, h),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    PaintExample(painter, line, number + pattern, width - share, paper.Y, metrics.height(), ink);
    painter.setPen(ink);
    painter.drawText(QRect(width - share, paper.Y, share, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, ShareText(line));
    paper.Y += h;
    painter.setPen(QPen(kRule, paper.Points(0.5)));
    painter.drawLine(0, paper.Y - pad / 2, width, paper.Y - pad / 2);
  }
  paper.Y += paper.Points(8);
  const QStringList notes = NotesOf(chart);
  for (int i = 0; i < notes.size(); ++i)
    paper.Paragraph(notes[i], paper.Body, ink, i + 1 == notes.size() ? 8 : 2);
  for (const QString& line : ChartReturnShown(chart)) paper.Paragraph(line, paper.Bold, ink, 2);
  paper.Footer();
  return painter.end();
}
