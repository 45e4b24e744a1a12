// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The card face control: shows the face image named by a card code, 71 x 96 pixels, with its
// cut corners in the colour of whatever it sits on.

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "cards.h"

struct TCardFaceEntry {
  cdCardDeck Code;
  const char* Ident;
};

// Face identifiers in code order, 1..63. Images are named by these in capitals.
extern const std::array<TCardFaceEntry, 63> kCardFaceIdents;

// Fills `ident` with the identifier of `code` and returns true; false (and `ident`
// untouched) for a code without a face.
bool CardFaceIdent(int code, QString& ident);
// The identifier of `code`, or "$" and eight lower-case hex digits for a code without one.
QString CardFaceName(int code);
// What a card face shows, in words, for screen readers: "Queen of Diamonds", "Joker",
// "Card back 3", "Lumaro title card"; an empty text for a code without a face.
QString CardSpokenName(int code);

// The face image of that name from the program's resources, whatever the letter case of
// `name`; a null image when there is none.
QImage LoadCardFace(const QString& name);

class TCardDeck : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFaceWidth = 71;
  static constexpr int kFaceHeight = 96;

  explicit TCardDeck(QWidget* parent = nullptr);

  int Value() const { return FValue; }
  // Keeps the low byte; a change is painted before this returns.
  void SetValue(int code);
  bool Stretch() const { return FStretch; }
  // Turning it off brings the control back to 71 x 96; painted at the next paint cycle.
  void SetStretch(bool stretch);
  // What a click does, for the keyboard and for screen readers: runs OnClick.
  void Click();

 signals:
  void OnClick();
  void OnDblClick();
  void OnMouseDown(QMouseEvent* event);
  void OnMouseMove(QMouseEvent* event);
  void OnMouseUp(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QColor CornerColour() const;

  cdCardDeck FValue = 0;
  bool FStretch = false;
  bool FClicked = false;  // left button went down here and is still held
};
