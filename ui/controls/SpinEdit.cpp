// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "SpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "Scaling.h"
#include "whole_number.h"

namespace {

class TNarrowSpinStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    if (control != CC_SpinBox) return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect r = option->rect;
    const TScale scale = FDrawingDesign ? TScale{} : ApplicationScale();
    const int frame = MulDivRound(2, scale.M, scale.D);
    const int arrows = (r.height() + 1) / 2;
    const int half = r.height() / 2;
    switch (sub) {
      case SC_SpinBoxUp:
        return {r.right() - frame - arrows + 1, r.top() + frame, arrows, half - frame};
      case SC_SpinBoxDown:
        return {r.right() - frame - arrows + 1, r.top() + half, arrows, r.height() - half - frame};
      case SC_SpinBoxEditField:
        return {r.left() + frame, r.top() + frame, r.width() - 2 * frame - arrows,
                r.height() - 2 * frame};
      default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    const TScale scale = ApplicationScale();
    if (control != CC_SpinBox || !spin || scale.IsOne()) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    // The desktop style draws its arrows at one size whatever the field's: the frame and
    // the arrows are drawn at the design's size and magnified, so they grow with the game.
    QStyleOptionSpinBox design = *spin;
    design.rect = QRect(0, 0, MulDivRound(spin->rect.width(), scale.D, scale.M),
                        MulDivRound(spin->rect.height(), scale.D, scale.M));
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap picture(design.rect.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
      QPainter designPainter(&picture);
      FDrawingDesign = true;
      QProxyStyle::drawComplexControl(control, &design, &designPainter, widget);
      FDrawingDesign = false;
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, scale.M % scale.D != 0);
    painter->drawPixmap(spin->rect, picture);
    painter->restore();
  }

 private:
  // While the field is drawn at the design's size, its places are the design's.
  mutable bool FDrawingDesign = false;
};

// One style object serves every narrow field; it lives as long as the application.
QStyle* NarrowSpinStyle() {
  static QStyle* style = [] {
    auto* narrow = new TNarrowSpinStyle;
    narrow->setParent(qApp);
    return narrow;
  }();
  return style;
}

}  // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
  setKeyboardTracking(false);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

void TSpinEdit::UseNarrowArrows() {
  setStyle(NarrowSpinStyle());
}

void TSpinEdit::FitFontToRange() {
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  const QRect box =
      style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
  const QString low = textFromValue(minimum());
  const QString high = textFromValue(maximum());
  const QString widest = low.size() > high.size() ? low : high;
  // The line edit keeps a small margin of its own on each side of the text.
  constexpr int kTextMargins = 4;
  QFont font = this->font();
  while (QFontMetrics(font).horizontalAdvance(widest) + kTextMargins > box.width()) {
    if (font.pixelSize() > 6)
      font.setPixelSize(font.pixelSize() - 1);
    else if (font.pixelSize() <= 0 && font.pointSizeF() > 5.0)
      font.setPointSizeF(font.pointSizeF() - 0.25);
    else
      break;
  }
  if (font != this->font()) setFont(font);
}

bool TSpinEdit::ParseWhole(const QString& text, int& value) {
  // Every script's decimal digits count, so text shown or typed in the locale's own digits
  // reads back as the number it shows; leading blanks are what a player may type first.
  // The rest is the game's one reading of a number.
  qsizetype i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  std::string ascii;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('+') || c == QLatin1Char('-'))
      ascii.push_back(static_cast<char>(c.unicode()));
    else if (c.isDigit() && c.digitValue() >= 0)
      ascii.push_back(static_cast<char>('0' + c.digitValue()));
    else
      return false;
  }
  const auto v =
      ParseSignedDecimal(ascii, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  if (!v) return false;
  value = static_cast<int>(*v);
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

QString TSpinEdit::textFromValue(int value) const {
  // Plain decimal, no grouping, as every other number of the game.
  return QString::number(value);
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

void TSpinEdit::focusInEvent(QFocusEvent* event) {
  QSpinBox::focusInEvent(event);
  selectAll();
  // A click that gives the focus goes on to place the cursor where it fell: select once it
  // has, unless the click began a selection of its own by dragging.
  if (event->reason() == Qt::MouseFocusReason)
    QTimer::singleShot(0, this, [this] {
      if (hasFocus() && !lineEdit()->hasSelectedText()) selectAll();
    });
}
