#include "Scaling.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QWidget>
#include <cstdint>

int MulDivRound(int a, int m, int d) {
  if (d == 0) return a;
  const std::int64_t num = std::int64_t{a} * m;
  const std::int64_t den = d;
  const std::int64_t half = (den < 0 ? -den : den) / 2;
  const bool negative = (num < 0) != (den < 0);
  const std::int64_t q = ((num < 0 ? -num : num) + half) / (den < 0 ? -den : den);
  return static_cast<int>(negative ? -q : q);
}

namespace {

void ScaleFont(QWidget* w, int m, int d) {
  QFont font = w->font();
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, MulDivRound(font.pixelSize(), m, d)));
  else if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * m / d);
  w->setFont(font);
}

void ScaleGeometry(QWidget* w, int m, int d) {
  const QRect r = w->geometry();
  const int left = MulDivRound(r.left(), m, d);
  const int top = MulDivRound(r.top(), m, d);
  const int right = MulDivRound(r.left() + r.width(), m, d);
  const int bottom = MulDivRound(r.top() + r.height(), m, d);
  w->setGeometry(left, top, right - left, bottom - top);
}

void ScaleChildren(QWidget* parent, int m, int d) {
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow()) continue;
    // Scroll bars and viewports belong to their scroll area, which places them itself.
    if (qobject_cast<QAbstractScrollArea*>(parent)) continue;
    ScaleGeometry(child, m, d);
    if (child->testAttribute(Qt::WA_SetFont)) ScaleFont(child, m, d);
    if (auto* scalable = dynamic_cast<TScalable*>(child)) scalable->ChangeScale(m, d);
    ScaleChildren(child, m, d);
  }
}

}  // namespace

void ScaleBy(QWidget* window, int m, int d) {
  if (m == d || d == 0) return;
  if (window->testAttribute(Qt::WA_SetFont)) ScaleFont(window, m, d);
  ScaleChildren(window, m, d);
}

TScale ScreenScale(const QSize& screen) {
  if (screen.width() <= 0 || screen.height() <= 0) return {};
  // The design must fit both ways: on a screen wider than 4:3 its height decides. On a 4:3
  // screen both ratios agree.
  if (std::int64_t{screen.width()} * DesignScreenHeight <=
      std::int64_t{screen.height()} * DesignScreenWidth)
    return {screen.width(), DesignScreenWidth};
  return {screen.height(), DesignScreenHeight};
}

void ScaleToScreen(QWidget* window, const QSize& screen) {
  const TScale scale = ScreenScale(screen);
  if (scale.M == scale.D) return;
  // The window and its contents grow alike, so whatever the design fitted still fits.
  window->resize(window->width() * scale.M / scale.D, window->height() * scale.M / scale.D);
  ScaleBy(window, scale.M, scale.D);
}
