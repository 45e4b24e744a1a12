// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "PayTablePanel.h"

#include <QGridLayout>
#include <QLabel>

#include "Colors.h"
#include "ViewTexts.h"

namespace {

// The machine's colours: yellow on blue, the last hand's line white on red.
const QColor kTableColor(0, 0, 128);
const QColor kLineColor(255, 255, 0);
const QColor kLitColor(192, 0, 0);
const QColor kLitLineColor(255, 255, 255);

void Colour(QLabel* label, const QColor& back, const QColor& text) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, back);
  palette.setColor(QPalette::WindowText, text);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
}

}  // namespace

TPayTablePanel::TPayTablePanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PayTablePanel"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kTableColor);
  palette.setColor(QPalette::WindowText, kLineColor);
  setPalette(palette);
  //: The name screen readers give the pay table shown beside the game.
  setAccessibleName(tr("Pay table"));
  FLayout = new QGridLayout(this);
  FLayout->setHorizontalSpacing(0);  // a lit line is one bar across
  FLayout->setVerticalSpacing(0);
  Title = new QLabel(this);
  Title->setObjectName(QStringLiteral("PayTableTitle"));
  Title->setAlignment(Qt::AlignCenter);
  FLayout->addWidget(Title, 0, 0, 1, 2);
}

void TPayTablePanel::SetTextFont(const QFont& font) {
  setFont(font);
  FLayout->setContentsMargins(font.pixelSize() / 2, font.pixelSize() / 3, font.pixelSize() / 2,
                              font.pixelSize() / 3);
}

void TPayTablePanel::Clear() {
  for (QLabel* label : Names) delete label;
  for (QLabel* label : Pays) delete label;
  Names.clear();
  Pays.clear();
  Title->clear();
  FGame = nullptr;
  FLitLine = -1;
  SpokenRowsChanged(this);
}

void TPayTablePanel::Rebuild(const TGame& game) {
  Clear();
  FGame = &game;
  Title->setText(ShownTerm(game.Name));
  const int lines = game.LineCount();
  for (int k = 0; k < lines; ++k) {
    // The highest line on top, as machines print it.
    const int row = 1 + lines - 1 - k;
    auto* name = new QLabel(ShownTerm(game.LineName(k)), this);
    name->setObjectName(QStringLiteral("PayLineName%1").arg(k + 1));
    name->setWordWrap(true);
    name->setIndent(2);
    auto* pays = new QLabel(this);
    pays->setIndent(2);
    pays->setObjectName(QStringLiteral("PayLinePays%1").arg(k + 1));
    pays->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FLayout->addWidget(name, row, 0);
    FLayout->addWidget(pays, row, 1);
    // Made while the panel may be in sight already.
    name->show();
    pays->show();
    Names.push_back(name);
    Pays.push_back(pays);
  }
}

void TPayTablePanel::Show(const TGameTable& table, int litLine) {
  if (FGame != table.Game) Rebuild(*table.Game);
  for (std::size_t k = 0; k < Names.size(); ++k) {
    const auto pays = PaysOfMultiplier(table.Multipliers[k]);
    Pays[k]->setText(QString::number(pays));
    Light(static_cast<int>(k), static_cast<int>(k) == litLine);
  }
  FLitLine = litLine;
  SpokenRowsChanged(this);
}

int TPayTablePanel::LineOfRow(int row) const {
  return static_cast<int>(Names.size()) - row;
}

int TPayTablePanel::SpokenRowCount() const {
  return Names.empty() ? 0 : 1 + static_cast<int>(Names.size());
}

QString TPayTablePanel::SpokenRow(int row) const {
  if (row == 0) return Title->text();
  if (row < 0 || row >= SpokenRowCount()) return {};
  const auto line = static_cast<std::size_t>(LineOfRow(row));
  //: How a screen reader reads a line of the pay table: %1 the hand, %2 what it pays for 1.
  return tr("%1 pays %2").arg(Names[line]->text(), Pays[line]->text());
}

QRect TPayTablePanel::SpokenRowRect(int row) const {
  if (row < 0 || row >= SpokenRowCount() || !isVisible()) return {};
  if (row == 0) return Title->geometry();
  const auto line = static_cast<std::size_t>(LineOfRow(row));
  return Names[line]->geometry().united(Pays[line]->geometry());
}

QString TPayTablePanel::SpokenRowNote(int row) const {
  if (row <= 0 || row >= SpokenRowCount() || LineOfRow(row) != FLitLine) return {};
  //: What a screen reader adds to the pay table's line of the hand just settled.
  return tr("the last hand");
}

void TPayTablePanel::Light(int line, bool lit) {
  QLabel* name = Names[static_cast<std::size_t>(line)];
  QLabel* pays = Pays[static_cast<std::size_t>(line)];
  for (QLabel* label : {name, pays})
    Colour(label, lit ? kLitColor : kTableColor, lit ? kLitLineColor : kLineColor);
}
