// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "CardDeck.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "FocusMark.h"
#include "MessageBoxes.h"

const std::array<TCardFaceEntry, 63> kCardFaceIdents = {{
    {1, "cdAceofSpades"},     {2, "cd2ofSpades"},       {3, "cd3ofSpades"},
    {4, "cd4ofSpades"},       {5, "cd5ofSpades"},       {6, "cd6ofSpades"},
    {7, "cd7ofSpades"},       {8, "cd8ofSpades"},       {9, "cd9ofSpades"},
    {10, "cd10ofSpades"},     {11, "cdJackofSpades"},   {12, "cdQueenofSpades"},
    {13, "cdKingofSpades"},   {14, "cdAceofHearts"},    {15, "cd2ofHearts"},
    {16, "cd3ofHearts"},      {17, "cd4ofHearts"},      {18, "cd5ofHearts"},
    {19, "cd6ofHearts"},      {20, "cd7ofHearts"},      {21, "cd8ofHearts"},
    {22, "cd9ofHearts"},      {23, "cd10ofHearts"},     {24, "cdJackofHearts"},
    {25, "cdQueenofHearts"},  {26, "cdKingofHearts"},   {27, "cdAceofClubs"},
    {28, "cd2ofClubs"},       {29, "cd3ofClubs"},       {30, "cd4ofClubs"},
    {31, "cd5ofClubs"},       {32, "cd6ofClubs"},       {33, "cd7ofClubs"},
    {34, "cd8ofClubs"},       {35, "cd9ofClubs"},       {36, "cd10ofClubs"},
    {37, "cdJackofClubs"},    {38, "cdQueenofClubs"},   {39, "cdKingofClubs"},
    {40, "cdAceofDiamonds"},  {41, "cd2ofDiamonds"},    {42, "cd3ofDiamonds"},
    {43, "cd4ofDiamonds"},    {44, "cd5ofDiamonds"},    {45, "cd6ofDiamonds"},
    {46, "cd7ofDiamonds"},    {47, "cd8ofDiamonds"},    {48, "cd9ofDiamonds"},
    {49, "cd10ofDiamonds"},   {50, "cdJackofDiamonds"}, {51, "cdQueenofDiamonds"},
    {52, "cdKingofDiamonds"}, {53, "CdJoker"},          {54, "cdCardBack1"},
    {55, "cdCardBack2"},      {56, "cdCardBack3"},      {57, "cdCardBack4"},
    {58, "cdCardBack5"},      {59, "cdCardBack6"},      {60, "cdCardBack7"},
    {61, "cdCardBack8"},      {62, "cdCardBack9"},      {63, "tquorvel"},
}};

bool CardFaceIdent(int code, QString& ident) {
  for (const TCardFaceEntry& e : kCardFaceIdents)
    if (e.Code == code) {
      ident = QString::fromLatin1(e.Ident);
      return true;
    }
  return false;
}

QString CardFaceName(int code) {
  QString ident;
  if (CardFaceIdent(code, ident)) return ident;
  return QStringLiteral("$%1").arg(static_cast<unsigned>(code), 8, 16, QLatin1Char('0'));
}

QString CardSpokenName(int code) {
  // The ranks 2 to 10 are said as their numbers in every language.
  static constexpr std::array<const char*, 13> kRanks = {
      //: A card's rank, as a screen reader names the card ("Ace of Spades").
      QT_TRANSLATE_NOOP("CardSpokenName", "Ace"),
      "2",
      "3",
      "4",
      "5",
      "6",
      "7",
      "8",
      "9",
      "10",
      QT_TRANSLATE_NOOP("CardSpokenName", "Jack"),
      QT_TRANSLATE_NOOP("CardSpokenName", "Queen"),
      QT_TRANSLATE_NOOP("CardSpokenName", "King")};
  static constexpr std::array<const char*, 4> kSuits = {
      //: A card's suit, as a screen reader names the card ("Ace of Spades").
      QT_TRANSLATE_NOOP("CardSpokenName", "Spades"), QT_TRANSLATE_NOOP("CardSpokenName", "Hearts"),
      QT_TRANSLATE_NOOP("CardSpokenName", "Clubs"),
      QT_TRANSLATE_NOOP("CardSpokenName", "Diamonds")};
  const auto said = [](const char* text) {
    return QCoreApplication::translate("CardSpokenName", text);
  };
  const int rank = CardRank(code);
  const int suit = CardSuit(code);
  if (rank > 0 && suit > 0)
    //: A card as a screen reader names it: %1 is its rank (Ace, 10, Queen), %2 its suit.
    return QCoreApplication::translate("CardSpokenName", "%1 of %2")
        .arg(said(kRanks[static_cast<std::size_t>(rank - 1)]),
             said(kSuits[static_cast<std::size_t>(suit - 1)]));
  if (code == cdJoker) return QCoreApplication::translate("CardSpokenName", "Joker");
  if (code >= cdFirstBack && code < cdTitleFace)
    //: The back of a card, one of nine designs (%1 is 1 to 9).
    return QCoreApplication::translate("CardSpokenName", "Card back %1")
        .arg(code - cdFirstBack + 1);
  //: The card shown before the first deal, with the game's title.
  if (code == cdTitleFace)
    return QCoreApplication::translate("CardSpokenName", "Lumaro title card");
  return {};
}

QImage LoadCardFace(const QString& name) {
  // Resource paths are case-sensitive, so index the folder once by upper-case base name.
  static const QHash<QString, QString> index = [] {
    QHash<QString, QString> byName;
    const QDir dir(QStringLiteral(":/cards"));
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files))
      byName.insert(f.completeBaseName().toUpper(), f.filePath());
    return byName;
  }();
  const auto it = index.constFind(name.toUpper());
  if (it == index.constEnd()) return QImage();
  return QImage(it.value());
}

TCardDeck::TCardDeck(QWidget* parent) : QWidget(parent) {
  // A graphic control: it paints over its parent and never fills its own background.
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setAttribute(Qt::WA_NoSystemBackground, false);
  setMouseTracking(true);
  resize(kFaceWidth, kFaceHeight);
  SetValue(1);
}

void TCardDeck::SetValue(int code) {
  const auto byte = static_cast<cdCardDeck>(code & 0xFF);
  if (byte == FValue) return;
  FValue = byte;
  repaint();
  // A screen reader on the card says what it shows now.
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void TCardDeck::SetStretch(bool stretch) {
  if (stretch == FStretch) return;
  if (!stretch) resize(kFaceWidth, kFaceHeight);
  FStretch = stretch;
  update();
}

QColor TCardDeck::CornerColour() const {
  // What the parent shows under our top-left pixel: its background colour.
  const QWidget* p = parentWidget();
  if (!p) return QColor(Qt::white);
  return p->palette().color(p->backgroundRole());
}

void TCardDeck::paintEvent(QPaintEvent*) {
  const QImage face = LoadCardFace(CardFaceName(FValue));
  if (face.isNull()) return;
  QPainter painter(this);
  if (FStretch) {
    // Whole multiples keep crisp pixels; any other factor would make some rows of pixels
    // thicker than others, so it is filtered instead.
    const bool whole = width() % face.width() == 0 && height() % face.height() == 0;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
    painter.drawImage(rect(), face);
    if (hasFocus()) PaintFocusMark(painter, rect());
    return;
  }
  const QColor corner = CornerColour();
  painter.drawImage(0, 0, face);
  const int w = face.width();
  const int h = face.height();
  const std::array<QPoint, 12> corners = {
      QPoint(0, 0),         QPoint(1, 0),     QPoint(0, 1),         QPoint(w - 1, 0),
      QPoint(w - 2, 0),     QPoint(w - 1, 1), QPoint(w - 1, h - 1), QPoint(w - 2, h - 1),
      QPoint(w - 1, h - 2), QPoint(0, h - 1), QPoint(1, h - 1),     QPoint(0, h - 2)};
  for (const QPoint& pt : corners) painter.fillRect(pt.x(), pt.y(), 1, 1, corner);
  if (hasFocus()) PaintFocusMark(painter, QRect(0, 0, w, h));
}

// The signals run the owner's handlers; an error in one is reported here rather than left
// to unwind through Qt's event loop.
void TCardDeck::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FClicked = true;
  RunGuarded(this, [&] { emit OnMouseDown(event); });
}

void TCardDeck::mouseMoveEvent(QMouseEvent* event) {
  RunGuarded(this, [&] { emit OnMouseMove(event); });
}

void TCardDeck::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      event->button() == Qt::LeftButton && FClicked && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) FClicked = false;
  if (RunGuarded(this, [&] { emit OnMouseUp(event); }) && click)
    RunGuarded(this, [&] { emit OnClick(); });
}

void TCardDeck::mouseDoubleClickEvent(QMouseEvent* event) {
  // As with the classic controls, the second press of a double click reports the double
  // click instead of starting another click.
  if (event->button() == Qt::LeftButton && !RunGuarded(this, [&] { emit OnDblClick(); })) return;
  RunGuarded(this, [&] { emit OnMouseDown(event); });
}

void TCardDeck::Click() {
  RunGuarded(this, [this] { emit OnClick(); });
}

void TCardDeck::keyPressEvent(QKeyEvent* event) {
  // Space presses the focused card as it presses a focused button.
  if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) &&
      event->modifiers() == Qt::NoModifier) {
    if (!event->isAutoRepeat()) Click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TCardDeck::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TCardDeck::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}
