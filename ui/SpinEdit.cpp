#include "SpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <algorithm>
#include <limits>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
  setKeyboardTracking(false);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

bool TSpinEdit::ParseWhole(const QString& text, int& value) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
    negative = text[i++] == QLatin1Char('-');
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (!text[i].isDigit() || text[i].unicode() > '9') return false;
    v = v * 10 + (text[i].unicode() - '0');
    if (v > std::numeric_limits<int>::max()) return false;
  }
  value = static_cast<int>(negative ? -v : v);
  return true;
}

int TSpinEdit::TextValue() const {
  int v = 0;
  return ParseWhole(text(), v) ? v : minimum();
}

void TSpinEdit::stepBy(int steps) {
  if (isReadOnly()) {
    QApplication::beep();
    return;
  }
  QSpinBox::stepBy(steps);
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
  // Read-only arrows stay clickable so that they can beep.
  if (isReadOnly()) return StepUpEnabled | StepDownEnabled;
  return QSpinBox::stepEnabled();
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
  int v = 0;
  if (ParseWhole(input, v))
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
  // Half-typed text is fine until the field is left; anything else is refused.
  for (QChar c : input)
    if (!c.isDigit() && c != QLatin1Char('+') && c != QLatin1Char('-') && c != QLatin1Char(' ') &&
        c != QLocale().decimalPoint().front())
      return QValidator::Invalid;
  return QValidator::Intermediate;
}

void TSpinEdit::fixup(QString& input) const {
  int v = 0;
  if (!ParseWhole(input, v)) v = minimum();
  input = QString::number(std::clamp(v, minimum(), maximum()));
}

int TSpinEdit::valueFromText(const QString& text) const {
  int v = 0;
  if (!ParseWhole(text, v)) v = minimum();
  return std::clamp(v, minimum(), maximum());
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (!isReadOnly() && typed.size() == 1 && typed[0].isPrint()) {
    const QChar c = typed[0];
    if (!c.isDigit() && c != QLatin1Char('+') && c != QLatin1Char('-') &&
        c != QLocale().decimalPoint().front()) {
      QApplication::beep();
      return;
    }
  }
  QSpinBox::keyPressEvent(event);
}
