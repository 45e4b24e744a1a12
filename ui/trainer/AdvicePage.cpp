// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "AdvicePage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "AdviceTexts.h"
#include "HoldList.h"
#include "SessionChart.h"
#include "advice.h"

namespace {

// The hold list shows the best five holds and the player's own below them.
constexpr int kListRows = THoldList::kShortList + 1;

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFocusPolicy(Qt::TabFocus);  // reached by Tab; a click leaves the keyboard in the game
  return box;
}

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

// The height of `lines` lines of the widget's font, or of `text` wrapped at `width`.
int LinesHeight(const QWidget* w, int lines) {
  return w->fontMetrics().lineSpacing() * lines;
}
int WrappedHeight(const QWidget* w, int width, const QString& text) {
  return w->fontMetrics()
      .boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap | Qt::AlignLeft, text)
      .height();
}

}  // namespace

TAdvicePage::TAdvicePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AdvicePage"));
  ReturnLabel = MakeLabel(this, "ReturnLabel");
  ReturnLabel->setText(ReturnComputingShown());
  HandLabel = MakeLabel(this, "HandLabel");
  HandLabel->setWordWrap(true);
  HoldList = new THoldList(this);
  HoldList->setAccessibleName(tr("Holds, best first"));
  CurrentLabel = MakeLabel(this, "CurrentLabel");
  CurrentLabel->setWordWrap(true);

  HoldBest = new QPushButton(tr("Hold best"), this);
  HoldBest->setObjectName(QStringLiteral("HoldBest"));
  HoldBest->setFocusPolicy(Qt::TabFocus);
  HoldBest->setToolTip(tr("Marks the best hold (key B)"));
  ShowAll = MakeCheckBox(this, "ShowAll", tr("Show all 32"));
  Practice = MakeCheckBox(this, "Practice", tr("Practice"));
  Practice->setToolTip(tr("Holds are shown after the draw; no money moves"));
  WarnBeforeDraw = MakeCheckBox(this, "WarnBeforeDraw", tr("Warn before Draw"));
  WarnBeforeDraw->setToolTip(
      tr("In practice, asks before a draw with a hold "
         "that is not a best one"));

  VerdictLabel = MakeLabel(this, "VerdictLabel");
  VerdictLabel->setWordWrap(true);

  SessionBox = new QGroupBox(tr("Session"), this);
  SessionBox->setObjectName(QStringLiteral("SessionBox"));
  HandsLabel = MakeLabel(SessionBox, "HandsLabel");
  BestHoldsLabel = MakeLabel(SessionBox, "BestHoldsLabel");
  CostLabel = MakeLabel(SessionBox, "CostLabel");
  SessionReturnLabel = MakeLabel(SessionBox, "SessionReturnLabel");
  Chart = new TSessionChart(SessionBox);
}

QString TAdvicePage::LongestVerdict() const {
  // Four tens held against all five cards, every pay at its widest.
  const auto widest = HoldList->WidestTexts();
  QString five = widest[1];
  five.replace(QLatin1Char(' '), QChar(0xA0));
  const QString four = five.left(five.lastIndexOf(QChar(0xA0)));
  const double coins = widest[2].toDouble();
  return VerdictShown(four, coins, five, coins, coins);
}

QSize TAdvicePage::PlaceControls(int minimumWidth) {
  // The bold labels take their font from the page's, which scaling has set by now.
  ReturnLabel->setFont(Bold(font()));
  VerdictLabel->setFont(Bold(font()));
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.lineSpacing();
  const int margin = std::max(2, line / 2);
  const int gap = std::max(2, line / 4);
  // As wide as the hold list needs, or as the captions beside each other need where a
  // language's are longer: the return line and the two rows of two below the list.
  int captions = 0;
  for (const QWidget* w :
       std::initializer_list<const QWidget*>{HoldBest, ShowAll, Practice, WarnBeforeDraw})
    captions = std::max(captions, w->sizeHint().width());
  const int texts =
      std::max(QFontMetrics(ReturnLabel->font()).horizontalAdvance(ReturnComputingShown()),
               2 * captions + gap);
  const int width =
      std::max({minimumWidth, HoldList->WidthForContent() + 2 * margin, texts + 2 * margin});
  const int inner = width - 2 * margin;

  int y = margin;
  const auto place = [&](QWidget* w, int height) {
    w->setGeometry(margin, y, inner, height);
    y += height + gap;
  };
  place(ReturnLabel, LinesHeight(ReturnLabel, 1));
  place(HandLabel, LinesHeight(HandLabel, 1));
  place(HoldList, HoldList->HeightForRows(kListRows));

  // Two rows of two: the button and the list's switch, the practice switches.
  const int half = (inner - gap) / 2;
  const int buttonHeight = HoldBest->sizeHint().height();
  HoldBest->setGeometry(margin, y, std::max(half, HoldBest->sizeHint().width()), buttonHeight);
  const int right = HoldBest->geometry().right() + 1 + gap;
  ShowAll->setGeometry(right, y + (buttonHeight - ShowAll->sizeHint().height()) / 2,
                       width - margin - right, ShowAll->sizeHint().height());
  y += buttonHeight + gap;
  const int boxHeight = std::max(Practice->sizeHint().height(), line);
  Practice->setGeometry(margin, y, right - gap - margin, boxHeight);
  WarnBeforeDraw->setGeometry(right, y, width - margin - right, boxHeight);
  y += boxHeight + gap;

  // The player's hold until the draw, then in its place the verdict on it.
  const int judged =
      std::max(WrappedHeight(VerdictLabel, inner, LongestVerdict()), LinesHeight(CurrentLabel, 2));
  CurrentLabel->setGeometry(margin, y, inner, judged);
  place(VerdictLabel, judged);

  // The session's four lines and its chart inside the box's frame.
  const int title = metrics.height();
  int row = title + gap;
  const int boxInner = inner - 2 * margin;
  for (QLabel* label : {HandsLabel, BestHoldsLabel, CostLabel, SessionReturnLabel}) {
    label->setGeometry(margin, row, boxInner, line);
    row += line;
  }
  const int chartHeight = line * 5 / 2;
  Chart->setGeometry(margin, row + gap, boxInner, chartHeight);
  const int sessionHeight = row + gap + chartHeight + margin;
  SessionBox->setGeometry(margin, y, inner, sessionHeight);
  y += sessionHeight + margin;
  return {width, y};
}
