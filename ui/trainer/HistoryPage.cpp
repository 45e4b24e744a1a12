// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "HistoryPage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "AdviceTexts.h"
#include "CardDeck.h"
#include "Colors.h"
#include "MessageBoxes.h"
#include "PatternTexts.h"
#include "SessionChart.h"
#include "ViewTexts.h"
#include "advice.h"
#include "history_report.h"

namespace {

const QColor kLine = ToQColor(clBestRateLine);
const QColor kGuide = ToQColor(clChartGuide);
const QColor kQuiet = ToQColor(clQuietText);

// A heading in the page's own font, bold by markup: a font of its own would be scaled
// twice when the window scales its controls.
QLabel* MakeHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()), parent);
  label->setTextFormat(Qt::RichText);
  return label;
}

QTableWidget* MakeTable(const char* name, const QString& spoken, const QStringList& headings,
                        QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setAccessibleName(spoken);
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::TabFocus);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

// A heading over its table, as one part of the page's splitter.
QWidget* MakeSection(const QString& heading, QTableWidget* table) {
  auto* section = new QWidget;
  auto* layout = new QVBoxLayout(section);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(MakeHeading(heading, section));
  layout->addWidget(table, 1);
  return section;
}

QTableWidgetItem* Cell(const QString& text, bool number = false) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  return item;
}

QString CardsText(const THandCards& cards) {
  return HeldCardsShown(cards, 0x1F);
}

// The cards of the mask in words, as screen readers say them.
QString SpokenCards(const THandCards& cards, std::uint8_t mask) {
  QStringList names;
  for (std::size_t i = 0; i < cards.size(); ++i)
    if (mask & (1u << i)) names << CardSpokenName(cards[i]);
  return names.isEmpty() ? QCoreApplication::translate("THistoryPage", "nothing")
                         : names.join(QStringLiteral(", "));
}

// "1 hand", "21 hands"; "1 time", "3 times".
QString HandsText(std::int64_t count) {
  if (count == 1) return QCoreApplication::translate("THistoryPage", "1 hand");
  if (count < 0 || count > std::numeric_limits<int>::max())
    return CountText(count, "hand", "hands");
  const int n = static_cast<int>(count);
  return QCoreApplication::translate("THistoryPage", "%n hands", nullptr, n);
}
QString TimesText(std::int64_t count) {
  if (count == 1) return QCoreApplication::translate("THistoryPage", "1 time");
  if (count < 0 || count > std::numeric_limits<int>::max())
    return CountText(count, "time", "times");
  const int n = static_cast<int>(count);
  return QCoreApplication::translate("THistoryPage", "%n times", nullptr, n);
}

// A recorded game's name in the player's language; an id no game has as it was stored.
QString GameShown(const std::string& id) {
  const TGame* game = FindGame(id);
  return game ? ShownTerm(game->Name) : RecordedGameName(id);
}

// A row as a screen reader says it, with the game it was played in.
QString InGame(const QString& row, const QString& game) {
  //: A row of the hand history as a screen reader says it (%1), with its game's name (%2).
  return QCoreApplication::translate("THistoryPage", "%1 (%2)").arg(row, game);
}

// A row read out whole from its first cell: what a player needs to hear of it.
void SpeakRow(QTableWidgetItem* first, const QString& words) {
  first->setData(Qt::AccessibleTextRole, words);
}

}  // namespace

TBestPlayChart::TBestPlayChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BestPlayChart"));
  setAccessibleName(THistoryPage::tr("Best play, last sessions"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TBestPlayChart::SetRates(const std::vector<double>& rates) {
  FRates = rates;
  QStringList said;
  for (double& rate : FRates) {
    rate = std::clamp(rate, 0.0, 1.0);
    said << BestRateText(rate);
  }
  // What the line shows, oldest first, for those who can't see it.
  setAccessibleDescription(said.join(QStringLiteral(", ")));
  update();
}

QSize TBestPlayChart::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  return {metrics.horizontalAdvance(QStringLiteral("100 %")) * 4, metrics.height() * 4};
}

QSize TBestPlayChart::minimumSizeHint() const {
  return sizeHint();
}

void TBestPlayChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!PaintChartFrame(painter, *this, FRates.empty(), THistoryPage::tr("No sessions yet"))) return;
  const QFontMetrics metrics = fontMetrics();
  const int margin = std::max(2, metrics.height() / 4);
  const QString top = QStringLiteral("100 %");
  const int labels = metrics.horizontalAdvance(top);
  const int dot = ChartDotRadius(metrics.height());
  // Room for the dots at both ends.
  const QRectF plot =
      QRectF(rect()).adjusted(2 * margin + labels + dot, margin + metrics.height() / 2.0,
                              -margin - dot, -margin - metrics.height() / 2.0);
  const auto yAt = [&](double rate) { return plot.bottom() - plot.height() * rate; };
  painter.setPen(kQuiet);
  for (const double rate : {1.0, 0.5, 0.0}) {
    const QString label = QString::number(static_cast<int>(rate * 100)) + QStringLiteral(" %");
    painter.drawText(QRectF(margin, yAt(rate) - metrics.height() / 2.0, labels, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
  painter.setPen(QPen(kGuide, 1));
  for (const double rate : {1.0, 0.5})
    painter.drawLine(QPointF(plot.left(), yAt(rate)), QPointF(plot.right(), yAt(rate)));

  PaintChartLine(painter, plot, FRates, kLine, metrics.height(), true);
}

THistoryPage::THistoryPage(THandHistory& history, QWidget* parent)
    : QWidget(parent), FHistory(history) {
  setObjectName(QStringLiteral("HistoryPage"));
  BuildControls();
  RunGuarded(this, [this] { ShowHistory(); });
}

void THistoryPage::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  // The same margin as the advisor's other pages, so the text doesn't touch the frame.
  const int margin = std::max(2, fontMetrics().height() / 2);
  layout->setContentsMargins(margin, margin, margin, margin);
  MessageLabel = new QLabel(this);
  MessageLabel->setObjectName(QStringLiteral("HistoryMessage"));
  MessageLabel->setTextFormat(Qt::PlainText);
  MessageLabel->setAlignment(Qt::AlignCenter);
  MessageLabel->setWordWrap(true);
  layout->addWidget(MessageLabel);

  Contents = new QWidget(this);
  Contents->setObjectName(QStringLiteral("HistoryContents"));
  layout->addWidget(Contents);
  auto* column = new QVBoxLayout(Contents);
  column->setContentsMargins(0, 0, 0, 0);

  TotalsLabel = new QLabel(Contents);
  TotalsLabel->setObjectName(QStringLiteral("HistoryTotals"));
  TotalsLabel->setTextFormat(Qt::PlainText);
  TotalsLabel->setWordWrap(true);
  column->addWidget(TotalsLabel);

  column->addWidget(MakeHeading(tr("Best play, last sessions"), Contents));
  Chart = new TBestPlayChart(Contents);
  column->addWidget(Chart);

  // The three lists share what height there is; the player can drag the share.
  auto* lists = new QSplitter(Qt::Vertical, Contents);
  lists->setObjectName(QStringLiteral("HistoryLists"));
  lists->setChildrenCollapsible(false);
  column->addWidget(lists, 1);
  SessionTable = MakeTable(
      "SessionTable", tr("Sessions"),
      {tr("Started"), tr("Hands"), tr("Best play"), tr("Cost/100"), tr("Kind"), tr("Game")},
      nullptr);
  lists->addWidget(MakeSection(tr("Sessions"), SessionTable));
  SituationTable =
      MakeTable("SituationTable", tr("Costliest situations"),
                {tr("Held"), tr("Best"), tr("Count"), tr("Cost"), tr("Game")}, nullptr);
  lists->addWidget(MakeSection(tr("Costliest situations"), SituationTable));
  MistakeTable =
      MakeTable("MistakeTable", tr("Mistakes, newest first"),
                {QString(), tr("Cost"), tr("Dealt"), tr("Held"), tr("Best"), tr("Game")}, nullptr);
  lists->addWidget(MakeSection(tr("Mistakes, newest first"), MistakeTable));
  lists->setStretchFactor(0, 2);
  lists->setStretchFactor(1, 2);
  lists->setStretchFactor(2, 3);
  // Each table's game stands by what it names: a session's by its start, a situation's
  // before its words, a mistake's by its cost. Shown only when the history holds more
  // than one game.
  SessionTable->horizontalHeader()->moveSection(kSessionGameColumn, 1);
  SituationTable->horizontalHeader()->moveSection(kSituationGameColumn, 0);
  MistakeTable->horizontalHeader()->moveSection(kMistakeGameColumn, 2);
}

void THistoryPage::ShowMessage(const QString& text) {
  MessageLabel->setText(text);
  MessageLabel->show();
  Contents->hide();
}

void THistoryPage::Refresh() {
  RunGuarded(this, [this] {
    ShowHistory();
    if (const std::optional<QString> report = FHistory.TakeReport()) ShowErrorReport(this, *report);
  });
}

void THistoryPage::ShowHistory() {
  FMistakes.clear();
  if (FHistory.State() != THistoryState::Open) {
    ShowMessage(tr("The hand history could not be opened: %1.").arg(FHistory.Problem()));
    return;
  }
  const THistoryTotals totals = FHistory.Totals();
  if (totals.Hands + totals.PracticeHands == 0) {
    ShowMessage(tr("No hands recorded yet."));
    return;
  }
  //: %1 and %4 the hands played for money and in practice ("21 hands"), %2 the share of
  //: best holds ("93.2 %"), %3 the coins lost to mistakes.
  TotalsLabel->setText(tr("Played: %1, best play %2, cost %3 per 100 hands. Practice: %4.")
                           .arg(HandsText(totals.Hands), BestRateText(totals.BestRate()),
                                CostText(totals.CostPer100Hands()),
                                HandsText(totals.PracticeHands)));
  Chart->SetRates(FHistory.BestRateSeries(kChartSessions));
  const std::vector<THistorySession> sessions = FHistory.Sessions(0, kShownSessions);
  FillSessions(sessions);
  FillSituations(FHistory.CostlySituations(0, kShownSituations));
  FMistakes = FHistory.Mistakes(kShownMistakes);
  FillMistakes(FMistakes);
  const bool oneGame = std::all_of(sessions.begin(), sessions.end(), [&](const THistorySession& s) {
    return s.Game == sessions.front().Game;
  });
  SessionTable->setColumnHidden(kSessionGameColumn, oneGame);
  SituationTable->setColumnHidden(kSituationGameColumn, oneGame);
  MistakeTable->setColumnHidden(kMistakeGameColumn, oneGame);
  FitTables();
  MessageLabel->hide();
  Contents->show();
}

void THistoryPage::FillSessions(const std::vector<THistorySession>& sessions) {
  SessionTable->setRowCount(static_cast<int>(sessions.size()));
  for (int row = 0; row < SessionTable->rowCount(); ++row) {
    const THistorySession& s = sessions[static_cast<std::size_t>(row)];
    SessionTable->setItem(row, 0, Cell(SessionStartText(s.Start)));
    SessionTable->setItem(row, 1, Cell(QString::number(s.Hands), true));
    SessionTable->setItem(row, 2, Cell(BestRateText(s.BestRate()), true));
    SessionTable->setItem(row, 3, Cell(CostText(s.CostPer100Hands()), true));
    SessionTable->setItem(row, 4, Cell(s.Practice ? tr("practice") : tr("played")));
    SessionTable->setItem(row, kSessionGameColumn, Cell(GameShown(s.Game)));
    //: A session as a screen reader says it: %1 when it started, %2 its hands ("21 hands"),
    //: %3 the share of best holds, %4 the coins lost to mistakes.
    SpeakRow(
        SessionTable->item(row, 0),
        InGame(
            (s.Practice ? tr("Practice session started %1: %2, best play %3, cost %4 per 100 hands")
                        : tr("Played session started %1: %2, best play %3, cost %4 per 100 hands"))
                .arg(SessionStartText(s.Start), HandsText(s.Hands), BestRateText(s.BestRate()),
                     CostText(s.CostPer100Hands())),
            GameShown(s.Game)));
  }
}

void THistoryPage::FillSituations(const std::vector<THistorySituation>& situations) {
  SituationTable->setRowCount(static_cast<int>(situations.size()));
  for (int row = 0; row < SituationTable->rowCount(); ++row) {
    const THistorySituation& s = situations[static_cast<std::size_t>(row)];
    SituationTable->setItem(row, 0, Cell(ShownStoredPattern(s.HeldPattern)));
    SituationTable->setItem(row, 1, Cell(ShownStoredPattern(s.BestPattern)));
    SituationTable->setItem(row, 2, Cell(QString::number(s.Count), true));
    SituationTable->setItem(row, 3, Cell(CostText(s.Cost), true));
    SituationTable->item(row, 3)->setToolTip(tr("%1 on average").arg(CostText(s.AverageCost())));
    SituationTable->setItem(row, kSituationGameColumn, Cell(GameShown(s.Game)));
    //: %1 and %2 the kinds of hold ("low pair", "four to a flush"), %3 how often ("3 times"),
    //: %4 the coins it cost.
    SpeakRow(SituationTable->item(row, 0),
             InGame(tr("Held %1 instead of %2: %3, cost %4")
                        .arg(ShownStoredPattern(s.HeldPattern), ShownStoredPattern(s.BestPattern),
                             TimesText(s.Count), CostText(s.Cost)),
                    GameShown(s.Game)));
  }
}

void THistoryPage::FillMistakes(const std::vector<THandRecord>& mistakes) {
  MistakeTable->setRowCount(static_cast<int>(mistakes.size()));
  for (int row = 0; row < MistakeTable->rowCount(); ++row) {
    const THandRecord& hand = mistakes[static_cast<std::size_t>(row)];
    auto* replay = new QToolButton;
    replay->setObjectName(QStringLiteral("ReplayButton"));
    replay->setText(tr("Replay"));
    replay->setFocusPolicy(Qt::TabFocus);
    // Each named by its hand: no two buttons of the window share a name.
    replay->setAccessibleName(tr("Replay %1").arg(SpokenCards(hand.Dealt, 0x1F)));
    connect(replay, &QToolButton::clicked, this, [this, row] { ReplayClick(row); });
    MistakeTable->setCellWidget(row, 0, replay);
    MistakeTable->setItem(row, 1, Cell(CostText(hand.Cost), true));
    MistakeTable->setItem(row, 2, Cell(CardsText(hand.Dealt)));
    MistakeTable->setItem(row, 3, Cell(HeldCardsShown(hand.Dealt, hand.HeldMask)));
    MistakeTable->setItem(row, 4, Cell(HeldCardsShown(hand.Dealt, hand.BestMask)));
    const QString game = ShownTerm(hand.Table.Game->Name);
    MistakeTable->setItem(row, kMistakeGameColumn, Cell(game));
    //: %1 when the hand was played, %2 its bet, %3 and %4 the kinds of hold held and best.
    const QString details =
        (hand.Practice ? tr("%1, bet %2, practice: %3 instead of %4")
                       : tr("%1, bet %2: %3 instead of %4"))
            .arg(SessionStartText(hand.Time))
            .arg(hand.Bet)
            .arg(ShownStoredPattern(hand.HeldPattern), ShownStoredPattern(hand.BestPattern));
    for (int column = 1; column < MistakeTable->columnCount(); ++column)
      MistakeTable->item(row, column)->setToolTip(details);
    SpeakRow(MistakeTable->item(row, 1),
             InGame(tr("Cost %1: dealt %2, held %3, best %4")
                        .arg(CostText(hand.Cost), SpokenCards(hand.Dealt, 0x1F),
                             SpokenCards(hand.Dealt, hand.HeldMask),
                             SpokenCards(hand.Dealt, hand.BestMask)),
                    game));
  }
}

void THistoryPage::FitTables() {
  // Once filled rather than ResizeToContents, which measures every row again on each cell
  // set: row heights and column widths follow the text, whatever the font size.
  for (QTableWidget* table : {SessionTable, SituationTable, MistakeTable}) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
  }
}

void THistoryPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitTables();
}

void THistoryPage::ReplayClick(int row) {
  RunGuarded(this, [this, row] {
    if (row < 0 || static_cast<std::size_t>(row) >= FMistakes.size()) return;
    const THandRecord& hand = FMistakes[static_cast<std::size_t>(row)];
    emit ReplayRequested(hand.Dealt, hand.Table, hand.Bet);
  });
}
