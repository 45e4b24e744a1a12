// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Readable.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <cmath>

namespace {

double Luminance(const QColor& color) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = color.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

bool IsDark(const QColor& background) {
  return ReadableOn(background) == QColor(Qt::white);
}

// The desktop style draws a group box's frame in shades meant for a light window; on a dark
// one it all but vanishes. There a line halfway to the text colour is drawn over it.
class TReadableFrameStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_FrameGroupBox) return;
    const QColor background = option->palette.color(QPalette::Window);
    if (!IsDark(background)) return;
    const QColor text = option->palette.color(QPalette::WindowText);
    QColor line;
    line.setRgbF((background.redF() + text.redF()) / 2, (background.greenF() + text.greenF()) / 2,
                 (background.blueF() + text.blueF()) / 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(line, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
  }
};

// One style object serves every group box; it lives as long as the application.
QStyle* ReadableFrameStyle() {
  static QStyle* style = [] {
    auto* frame = new TReadableFrameStyle;
    frame->setParent(qApp);
    return frame;
  }();
  return style;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background) {
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

QColor TextReadableOn(const QColor& wanted, const QColor& background) {
  return ContrastRatio(wanted, background) >= 4.5 ? wanted : ReadableOn(background);
}

void ShowReadableOn(QWidget* control, const QColor& background) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::WindowText, ReadableOn(background));
  control->setPalette(palette);
  if (qobject_cast<QGroupBox*>(control) && control->style() != ReadableFrameStyle())
    control->setStyle(ReadableFrameStyle());
}
