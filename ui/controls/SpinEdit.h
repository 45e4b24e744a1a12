// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// TSpinEdit: a number field with arrow buttons. The arrows and the up/down keys step
// within the range; typed text is brought into the range when the field loses the focus,
// and text that is no whole number counts as the minimum. While read-only the arrows
// only beep. The field selects its text whenever it takes the focus, so that what is typed
// replaces the number instead of joining it. Numbers are shown in plain ASCII decimal in every
// locale, and read back whether typed in ASCII digits or in the locale's own.

#include <QSpinBox>

class TSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

  // The number the text spells, or the minimum when it is no whole number; not clamped.
  int TextValue() const;
  // Whether the text was typed and not yet taken as the value (that happens when the field
  // loses the focus).
  bool HasUntakenText() const { return text() != textFromValue(value()); }
  // The whole number a text spells (leading blanks and a sign allowed; digits of any
  // script), if it does.
  static bool ParseWhole(const QString& text, int& value);

  // Slimmer arrows than the desktop style's, so that the digits get the room of a small field.
  void UseNarrowArrows();
  // Shrinks the font, if need be, until the widest number of the range fits the text box.
  void FitFontToRange();

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  int valueFromText(const QString& text) const override;
  QString textFromValue(int value) const override;
};
