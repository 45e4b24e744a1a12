#pragma once
// TSpinEdit: a number field with arrow buttons. The arrows and the up/down keys step
// within the range; typed text is brought into the range when the field loses the focus,
// and text that is no whole number counts as the minimum. While read-only the arrows
// only beep.

#include <QSpinBox>

class TSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

  // The number the text spells, or the minimum when it is no whole number; not clamped.
  int TextValue() const;
  // The whole number a text spells (leading blanks and a sign allowed), if it does.
  static bool ParseWhole(const QString& text, int& value);

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  int valueFromText(const QString& text) const override;
};
