#include "HoldList.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

#include "Colors.h"

namespace {

const QColor kBestShade = ToQColor(clBestHoldShade);
const QColor kCurrentFrame = ToQColor(clNavy);
const QColor kRedSuit = ToQColor(clRedSuit);
const QColor kQuiet = ToQColor(clQuietText);

bool IsRedSuit(int code) {
  const int suit = CardSuit(code);
  return suit == 2 || suit == 4;  // hearts, diamonds
}

}  // namespace

THoldList::THoldList(QWidget* parent) : QAbstractScrollArea(parent), FHeader(new QWidget(this)) {
  setObjectName(QStringLiteral("HoldList"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  FHeader->installEventFilter(this);
  Relayout();
}

void THoldList::SetAdvice(const std::optional<THandAdvice>& advice) {
  FAdvice = advice;
  verticalScrollBar()->setValue(0);
  Relayout();
}

void THoldList::SetMessage(const QString& message) {
  FMessage = message;
  viewport()->update();
}

void THoldList::SetCurrent(std::uint8_t mask) {
  FCurrent = mask & 31;
  Relayout();
}

void THoldList::SetShowAll(bool showAll) {
  FShowAll = showAll;
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

bool THoldList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FHeader && event->type() == QEvent::Paint) {
    PaintHeader(FHeader);
    return true;
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}

std::vector<int> THoldList::ColumnEdges() const {
  const int width = viewport()->width();
  // Rank, held cards, coins, per coin.
  return {0, width * 10 / 100, width * 56 / 100, width * 78 / 100, width};
}

void THoldList::PaintHeader(QWidget* header) {
  QPainter painter(header);
  painter.fillRect(header->rect(), palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, header->height() - 1, header->width(), header->height() - 1);
  painter.setPen(palette().color(QPalette::ButtonText));
  const auto edges = ColumnEdges();
  const int pad = fontMetrics().horizontalAdvance(QLatin1Char(' '));
  const int h = header->height();
  painter.drawText(QRect(edges[0], 0, edges[1] - edges[0] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#"));
  painter.drawText(QRect(edges[1] + pad, 0, edges[2] - edges[1], h),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Hold"));
  painter.drawText(QRect(edges[2], 0, edges[3] - edges[2] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Coins"));
  painter.drawText(QRect(edges[3], 0, edges[4] - edges[3] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Per coin"));
}

void THoldList::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (!FAdvice) {
    painter.setPen(kQuiet);
    painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                     FMessage);
    return;
  }
  const int row = RowHeight();
  int top = -verticalScrollBar()->value();
  int previous = 0;
  for (const int rank : ShownRanks()) {
    const QRect rect(0, top, viewport()->width(), row);
    if (rank != previous + 1) {  // the player's hold, set apart from the best five
      painter.setPen(palette().color(QPalette::Mid));
      painter.drawLine(rect.topLeft(), rect.topRight());
    }
    PaintRow(painter, rect, rank);
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
  const QColor text = palette().color(QPalette::Text);
  const auto edges = ColumnEdges();
  const int pad = fontMetrics().horizontalAdvance(QLatin1Char(' '));
  const int top = rect.top();
  const int h = rect.height();

  painter.setPen(text);
  painter.drawText(QRect(edges[0], top, edges[1] - edges[0] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(rank));
  int x = edges[1] + pad;
  if (hold.Mask == 0) {
    QFont quiet = font;
    quiet.setItalic(true);
    painter.setFont(quiet);
    painter.setPen(kQuiet);
    painter.drawText(QRect(x, top, edges[2] - x, h), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(HeldCardsText(advice.Cards, 0)));
    painter.setFont(font);
  }
  const QFontMetrics metrics(font);
  for (int i = 0; i < kHandSize; ++i) {
    if (!(hold.Mask & (1 << i))) continue;
    const int code = advice.Cards[static_cast<std::size_t>(i)];
    const QString card = QString::fromStdString(CardSymbolText(code));
    painter.setPen(IsRedSuit(code) ? kRedSuit : text);
    painter.drawText(QRect(x, top, edges[2] - x, h), Qt::AlignLeft | Qt::AlignVCenter, card);
    x += metrics.horizontalAdvance(card) + metrics.horizontalAdvance(QLatin1Char(' '));
  }
  painter.setPen(text);
  painter.drawText(QRect(edges[2], top, edges[3] - edges[2] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(CoinsText(advice.Coins(hold))));
  painter.drawText(QRect(edges[3], top, edges[4] - edges[3] - pad, h),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(hold.ExpectedPay(), 'f', 4));
  if (current) {
    painter.setPen(QPen(kCurrentFrame, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
  }
}
