// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "HoldList.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "AdviceTexts.h"
#include "CardDeck.h"
#include "Colors.h"
#include "FocusMark.h"
#include "stored_values.h"

namespace {

const QColor kBestShade = ToQColor(clBestHoldShade);
const QColor kCurrentFrame = ToQColor(clNavy);
const QColor kQuiet = ToQColor(clQuietText);

QString PerCoinText(double pay) {
  return QString::number(pay, 'f', 4);
}

// The highest a stake of 1 can come back: the top multiplier plus the stake, the top one the
// dialog offers or a higher one a settings file brought in.
std::int64_t HighestUnitPay(const TGameTable& table) {
  std::int64_t top = 0;
  for (int line = 1; line <= table.Game->LineCount(); ++line)
    top = std::max<std::int64_t>(
        {top, table.Multipliers[static_cast<std::size_t>(line - 1)],
         table.IsJacks() ? kStoredValues[PayoutKey(line)].DialogMaximum : kMostGameMultiplier});
  return top + 1;
}

// The widest hold: four tens (the widest rank) and the widest card of another rank, the
// joker among them when the deck has it.
QString WidestHold(const QFontMetrics& metrics, int deckSize) {
  QString widestTen;
  QString widestOther;
  for (int code = 1; code <= deckSize; ++code) {
    QString& widest = CardRank(code) == 10 ? widestTen : widestOther;
    const QString card = CardSymbolShown(code);
    if (metrics.horizontalAdvance(card) > metrics.horizontalAdvance(widest)) widest = card;
  }
  QStringList cards(4, widestTen);
  cards << widestOther;
  return cards.join(QLatin1Char(' '));
}

QFont BoldOf(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

THoldList::THoldList(QWidget* parent) : QAbstractScrollArea(parent), FHeader(new QWidget(this)) {
  setObjectName(QStringLiteral("HoldList"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  FHeader->installEventFilter(this);
  Relayout();
}

void THoldList::SetAdvice(const std::optional<THandAdvice>& advice) {
  FAdvice = advice;
  FCursor = 0;
  verticalScrollBar()->setValue(0);
  Relayout();
  SpokenRowsChanged(this);
}

void THoldList::SetMessage(const QString& message) {
  FMessage = message;
  // Said in place of the rows while there are none.
  setAccessibleDescription(FAdvice ? QString() : message);
  viewport()->update();
}

void THoldList::SetCurrent(std::uint8_t mask) {
  if (FCurrent == (mask & 31)) return;
  FCurrent = mask & 31;
  Relayout();
  SpokenRowsChanged(this);
}

void THoldList::SetShowAll(bool showAll) {
  FShowAll = showAll;
  FCursor = 0;
  Relayout();
  SpokenRowsChanged(this);
}

void THoldList::SetPayTable(const TGameTable& table) {
  if (HighestUnitPay(table) == HighestUnitPay(FPayTable) &&
      table.Game->DeckSize == FPayTable.Game->DeckSize)
    return;
  FPayTable = table;
  Relayout();
}

std::vector<int> THoldList::ShownRanks() const {
  std::vector<int> ranks;
  if (!FAdvice) return ranks;
  const int all = static_cast<int>(FAdvice->Holds.size());
  const int shown = FShowAll ? all : kShortList;
  for (int rank = 1; rank <= shown; ++rank) ranks.push_back(rank);
  // In the short list the player's own hold keeps its place at the foot.
  const int current = FAdvice->RankOf(FCurrent);
  if (current > shown) ranks.push_back(current);
  return ranks;
}

int THoldList::RowHeight() const {
  return fontMetrics().height() + 4;
}

int THoldList::Pad() const {
  return fontMetrics().horizontalAdvance(QLatin1Char(' '));
}

std::array<QString, 4> THoldList::WidestTexts() const {
  const QFontMetrics bold(BoldOf(font()));
  const auto top = static_cast<double>(HighestUnitPay(FPayTable));
  return {QStringLiteral("32"), WidestHold(bold, FPayTable.Game->DeckSize),
          QString::fromStdString(CoinsText(top * kMaxBet)), PerCoinText(top)};
}

std::array<int, 4> THoldList::NeededWidths() const {
  // Rows of the player's own hold are bold; the header is not, but may be wider.
  const QFontMetrics bold(BoldOf(font()));
  const QFontMetrics plain = fontMetrics();
  const std::array<QString, 4> headers = {QStringLiteral("#"), tr("Hold"), tr("Coins"),
                                          tr("Per coin")};
  const auto widest = WidestTexts();
  std::array<int, 4> widths{};
  for (std::size_t c = 0; c < widths.size(); ++c)
    widths[c] = std::max(bold.horizontalAdvance(widest[c]), plain.horizontalAdvance(headers[c])) +
                2 * Pad();
  return widths;
}

int THoldList::ContentWidth() const {
  const auto widths = NeededWidths();
  return widths[0] + widths[1] + widths[2] + widths[3];
}

int THoldList::WidthForContent() const {
  return ContentWidth() + 2 * frameWidth() +
         style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
}

int THoldList::HeightForRows(int rows) const {
  return (rows + 1) * RowHeight() + 2 * frameWidth();
}

std::array<int, 5> THoldList::ColumnEdges() const {
  const auto widths = NeededWidths();
  // The hold column takes whatever room is left over.
  const int spare = std::max(0, viewport()->width() - ContentWidth());
  std::array<int, 5> edges{};
  edges[1] = widths[0];
  edges[2] = edges[1] + widths[1] + spare;
  edges[3] = edges[2] + widths[2];
  edges[4] = edges[3] + widths[3];
  return edges;
}

void THoldList::Relayout() {
  const int row = RowHeight();
  setViewportMargins(0, row, 0, 0);
  const QRect inner = contentsRect();
  FHeader->setGeometry(inner.left(), inner.top(), inner.width(), row);
  const int content = static_cast<int>(ShownRanks().size()) * row;
  QScrollBar* bar = verticalScrollBar();
  bar->setSingleStep(row);
  bar->setPageStep(viewport()->height());
  bar->setRange(0, std::max(0, content - viewport()->height()));
  QScrollBar* across = horizontalScrollBar();
  across->setSingleStep(Pad());
  across->setPageStep(viewport()->width());
  across->setRange(0, std::max(0, ContentWidth() - viewport()->width()));
  FHeader->update();
  viewport()->update();
}

void THoldList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Relayout();
}

void THoldList::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) Relayout();
}

void THoldList::scrollContentsBy(int, int) {
  FHeader->update();
  viewport()->update();
}

bool THoldList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FHeader && event->type() == QEvent::Paint) {
    PaintHeader(FHeader);
    return true;
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

void THoldList::PaintHeader(QWidget* header) {
  QPainter painter(header);
  painter.fillRect(header->rect(), palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, header->height() - 1, header->width(), header->height() - 1);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.translate(-horizontalScrollBar()->value(), 0);
  const auto edges = ColumnEdges();
  const int pad = Pad();
  const int h = header->height();
  painter.drawText(QRect(edges[0], 0, edges[1] - edges[0] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#"));
  painter.drawText(QRect(edges[1] + pad, 0, edges[2] - edges[1] - pad, h),
                   Qt::AlignLeft | Qt::AlignVCenter, tr("Hold"));
  painter.drawText(QRect(edges[2], 0, edges[3] - edges[2] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, tr("Coins"));
  painter.drawText(QRect(edges[3], 0, edges[4] - edges[3] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, tr("Per coin"));
}

void THoldList::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (!FAdvice) {
    PaintQuietMessage(painter, viewport()->rect(), FMessage);
    return;
  }
  const int row = RowHeight();
  const int width = std::max(viewport()->width(), ContentWidth());
  painter.translate(-horizontalScrollBar()->value(), 0);
  int top = -verticalScrollBar()->value();
  int previous = 0;
  int index = 0;
  for (const int rank : ShownRanks()) {
    const QRect rect(0, top, width, row);
    if (rank != previous + 1) {  // the player's hold, set apart from the best five
      painter.setPen(palette().color(QPalette::Mid));
      painter.drawLine(rect.topLeft(), rect.topRight());
    }
    PaintRow(painter, rect, rank);
    if (hasFocus() && index == FCursor) PaintFocusMark(painter, rect.adjusted(1, 1, -1, -1));
    ++index;
    previous = rank;
    top += row;
  }
}

void THoldList::PaintRow(QPainter& painter, const QRect& rect, int rank) {
  const THandAdvice& advice = *FAdvice;
  const THoldOdds& hold = advice.Holds[static_cast<std::size_t>(rank - 1)];
  const bool current = hold.Mask == FCurrent;
  if (advice.IsBest(hold.Mask)) painter.fillRect(rect, kBestShade);
  QFont font = this->font();
  font.setBold(current);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QColor text = palette().color(QPalette::Text);
  const auto edges = ColumnEdges();
  const int pad = Pad();
  const int top = rect.top();
  const int h = rect.height();

  painter.setPen(text);
  painter.drawText(QRect(edges[0], top, edges[1] - edges[0] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(rank));
  int x = edges[1] + pad;
  const int holdRight = edges[2] - pad;
  if (hold.Mask == 0) {
    QFont quiet = font;
    quiet.setItalic(true);
    painter.setFont(quiet);
    painter.setPen(kQuiet);
    painter.drawText(QRect(x, top, holdRight - x, h), Qt::AlignLeft | Qt::AlignVCenter,
                     HeldCardsShown(advice.Cards, 0));
    painter.setFont(font);
  }
  for (int i = 0; i < kHandSize; ++i) {
    if (!(hold.Mask & (1 << i))) continue;
    const int code = advice.Cards[static_cast<std::size_t>(i)];
    const QString card = CardSymbolShown(code);
    painter.setPen(CardTextColor(code, text));
    painter.drawText(QRect(x, top, holdRight - x, h), Qt::AlignLeft | Qt::AlignVCenter, card);
    x += metrics.horizontalAdvance(card) + metrics.horizontalAdvance(QLatin1Char(' '));
  }
  painter.setPen(text);
  painter.drawText(QRect(edges[2], top, edges[3] - edges[2] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(CoinsText(advice.Coins(hold))));
  painter.drawText(QRect(edges[3], top, edges[4] - edges[3] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, PerCoinText(hold.ExpectedPay()));
  if (current) {
    painter.setPen(QPen(kCurrentFrame, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
  }
}

int THoldList::SpokenRowCount() const {
  return static_cast<int>(ShownRanks().size());
}

QString THoldList::SpokenRow(int row) const {
  const std::vector<int> ranks = ShownRanks();
  if (!FAdvice || row < 0 || row >= static_cast<int>(ranks.size())) return {};
  const THandAdvice& advice = *FAdvice;
  const THoldOdds& hold = advice.Holds[static_cast<std::size_t>(ranks[row] - 1)];
  QStringList cards;
  for (int i = 0; i < kHandSize; ++i)
    if (hold.Mask & (1 << i)) cards << CardSpokenName(advice.Cards[static_cast<std::size_t>(i)]);
  const QString what = hold.Mask == 0 ? tr("Discard everything")
                                      : tr("Hold %1").arg(cards.join(QStringLiteral(", ")));
  const QString pay = QString::number(hold.ExpectedPay(), 'f', 2);
  const QString cost = QString::number(advice.Best().ExpectedPay() - hold.ExpectedPay(), 'f', 2);
  // As a screen reader says a row: what is held, its pay, and how it stands to the best.
  const bool best = advice.IsBest(hold.Mask);
  if (hold.Mask == FCurrent)
    return best ? tr("%1: %2 per coin, best, your hold").arg(what, pay)
                : tr("%1: %2 per coin, costs %3, your hold").arg(what, pay, cost);
  return best ? tr("%1: %2 per coin, best").arg(what, pay)
              : tr("%1: %2 per coin, costs %3").arg(what, pay, cost);
}

QRect THoldList::SpokenRowRect(int row) const {
  if (row < 0 || row >= SpokenRowCount()) return {};
  const QRect rect(0, row * RowHeight() - verticalScrollBar()->value(), viewport()->width(),
                   RowHeight());
  if (!viewport()->rect().intersects(rect)) return {};
  return rect.translated(viewport()->pos());
}

int THoldList::CurrentSpokenRow() const {
  return hasFocus() && FCursor < SpokenRowCount() ? FCursor : -1;
}

void THoldList::MoveCursor(int row) {
  const int count = SpokenRowCount();
  if (count == 0) return;
  FCursor = std::clamp(row, 0, count - 1);
  // Brought into sight, below the header.
  QScrollBar* bar = verticalScrollBar();
  const int top = FCursor * RowHeight();
  if (top < bar->value())
    bar->setValue(top);
  else if (top + RowHeight() > bar->value() + viewport()->height())
    bar->setValue(top + RowHeight() - viewport()->height());
  viewport()->update();
  SpokenRowFocused(this, FCursor);
}

void THoldList::keyPressEvent(QKeyEvent* event) {
  const auto row =
      RowAfterKey(*event, FCursor, SpokenRowCount(), viewport()->height() / RowHeight());
  if (!row) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  MoveCursor(*row);
  event->accept();
}

void THoldList::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  SpokenRowFocused(this, CurrentSpokenRow());
}

void THoldList::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}
