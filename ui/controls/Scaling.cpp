// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Scaling.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <numeric>

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

QFont ScaledFont(QFont font, int m, int d) {
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, MulDivRound(font.pixelSize(), m, d)));
  else if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * m / d);
  return font;
}

void ScaleFont(QWidget* w, int m, int d) {
  w->setFont(ScaledFont(w->font(), m, d));
}

QRect ScaledRect(const QRect& r, int m, int d) {
  const int left = MulDivRound(r.left(), m, d);
  const int top = MulDivRound(r.top(), m, d);
  const int right = MulDivRound(r.left() + r.width(), m, d);
  const int bottom = MulDivRound(r.top() + r.height(), m, d);
  return {left, top, right - left, bottom - top};
}

// The widgets a window's scaling reaches, parents before their children: every descendant
// but other windows, and but the parts of a control that places them itself (a scroll area's
// scroll bars and viewport, a spin box's text).
template <class Visit>
void ForEachScaledChild(QWidget* parent, const Visit& visit) {
  if (qobject_cast<QAbstractScrollArea*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)) return;
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow()) continue;
    visit(child);
    ForEachScaledChild(child, visit);
  }
}

}  // namespace

TScale ScaledAgain(const TScale& scale, int m, int d) {
  std::int64_t num = std::int64_t{scale.M} * m;
  std::int64_t den = std::int64_t{scale.D} * d;
  const std::int64_t common = std::gcd(num, den);
  if (common > 1) {
    num /= common;
    den /= common;
  }
  return {static_cast<int>(num), static_cast<int>(den)};
}

void ScaleBy(QWidget* window, int m, int d) {
  if (m == d || d == 0) return;
  if (window->testAttribute(Qt::WA_SetFont)) ScaleFont(window, m, d);
  ForEachScaledChild(window, [m, d](QWidget* child) {
    child->setGeometry(ScaledRect(child->geometry(), m, d));
    if (child->testAttribute(Qt::WA_SetFont)) ScaleFont(child, m, d);
    if (auto* scalable = dynamic_cast<TScalable*>(child)) scalable->ChangeScale(m, d);
  });
}

TScale ScreenScale(const QSize& screen) {
  if (screen.width() <= 0 || screen.height() <= 0) return {};
  return FitScale(screen, QSize(DesignScreenWidth, DesignScreenHeight));
}

TScale FitScale(const QSize& room, const QSize& design) {
  if (design.width() <= 0 || design.height() <= 0) return {};
  // Never less than nothing: a room with no width or height takes the drawing at a
  // hundredth of its size rather than at none.
  const TScale least{1, 100};
  const TScale across{room.width(), design.width()};
  const TScale down{room.height(), design.height()};
  // On a room wider than the design its height decides; on one of the design's shape both
  // ratios agree.
  return std::max(least, std::min(across, down));
}

QRect RoomBeside(const QRect& room, const QRect& cover, const QSize& design) {
  if (!room.intersects(cover)) return room;
  const QRect sides[] = {
      QRect(QPoint(room.left(), room.top()), QPoint(cover.left() - 1, room.bottom())),
      QRect(QPoint(cover.right() + 1, room.top()), QPoint(room.right(), room.bottom())),
      QRect(QPoint(room.left(), room.top()), QPoint(room.right(), cover.top() - 1)),
      QRect(QPoint(room.left(), cover.bottom() + 1), QPoint(room.right(), room.bottom())),
  };
  QRect best(room.topLeft(), QSize(0, 0));
  TScale bestScale{0, 1};
  for (const QRect& side : sides) {
    if (side.isEmpty()) continue;
    const TScale scale = FitScale(side.size(), design);
    if (bestScale < scale) {
      best = side;
      bestScale = scale;
    }
  }
  return best;
}

void ScaleToScreen(QWidget* window, const QSize& screen) {
  const TScale scale = ScreenScale(screen);
  if (scale.M == scale.D) return;
  // The window and its contents grow alike, so whatever the design fitted still fits.
  window->resize(window->width() * scale.M / scale.D, window->height() * scale.M / scale.D);
  ScaleBy(window, scale.M, scale.D);
}

QMargins FrameMargins(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  // While the window manager is still framing a window, the frame it reports can be smaller
  // than the window: not known yet.
  if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0) return {};
  return frame;
}

QRect FramedGeometry(const QWidget* window) {
  return window->geometry().marginsAdded(FrameMargins(window));
}

QSize ScreenRoom() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().size() : QSize(DesignScreenWidth, DesignScreenHeight);
}

namespace {

TScale& AppliedScale() {
  static TScale scale;
  return scale;
}

// The style the desktop gave, to go back to.
const QString& DesktopStyleName() {
  static const QString name = QApplication::style()->name();
  return name;
}

}  // namespace

TScaledStyle::TScaledStyle(const TScale& scale) : FScale(scale) {}

int TScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
  const int size = QProxyStyle::pixelMetric(metric, option, widget);
  if (!Grows(metric) || size <= 0) return size;
  const int scaled = MulDivRound(size, FScale.M, FScale.D);
  // Drawn smaller, a chosen radio button's dot shrinks to nothing and its ring reads as the
  // one not chosen: a game drawn small beside the advisor keeps indicators one can tell apart.
  return IsIndicator(metric) ? std::max(std::min(size, kSmallestIndicator), scaled) : scaled;
}

QSize TScaledStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
  QSize grown = QProxyStyle::sizeFromContents(type, option, size, widget);
  // The desktop style sizes a menu entry for text about as tall as its usual font, and cuts
  // larger text short in the middle: the entry gets room for the rest.
  if (type == CT_MenuItem && option) grown.rwidth() += option->fontMetrics.height() * 2 / 3;
  return grown;
}

QIcon TScaledStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  const QIcon desktop = QProxyStyle::standardIcon(icon, option, widget);
  if (icon < SP_MessageBoxInformation || icon > SP_MessageBoxQuestion) return desktop;
  // A message box's icon comes no larger than the desktop draws it: magnified by the scale.
  const QPixmap drawn =
      desktop.pixmap(QProxyStyle::pixelMetric(PM_MessageBoxIconSize, option, widget));
  return QIcon(drawn.scaled(drawn.size() * FScale.M / FScale.D, Qt::KeepAspectRatio,
                            Qt::SmoothTransformation));
}

bool TScaledStyle::IsIndicator(PixelMetric metric) {
  return metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight ||
         metric == PM_IndicatorWidth || metric == PM_IndicatorHeight;
}

bool TScaledStyle::Grows(PixelMetric metric) {
  switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_MessageBoxIconSize:
    case PM_ButtonIconSize:
    case PM_ButtonMargin:
    case PM_MenuBarVMargin:
    case PM_MenuBarHMargin:
    case PM_MenuBarItemSpacing:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_LayoutLeftMargin:
    case PM_LayoutTopMargin:
    case PM_LayoutRightMargin:
    case PM_LayoutBottomMargin:
    case PM_LayoutHorizontalSpacing:
    case PM_LayoutVerticalSpacing:
    case PM_DialogButtonsButtonWidth:
    case PM_DialogButtonsButtonHeight:
      return true;
    default:
      return false;
  }
}

void ScaleApplication(const QFont& designFont, const QSize& screen) {
  const TScale scale = ScreenScale(screen);
  const QFont font = ScaledFont(designFont, scale.M, scale.D);
  QApplication::setFont(font);
  QToolTip::setFont(font);
  const QString& desktop = DesktopStyleName();
  const bool wasScaled = !AppliedScale().IsOne();
  AppliedScale() = scale;
  // A style of our own only where it changes something; the application owns it.
  if (!scale.IsOne())
    QApplication::setStyle(new TScaledStyle(scale));
  else if (wasScaled)
    QApplication::setStyle(QStyleFactory::create(desktop));
}

TScale ApplicationScale() {
  return AppliedScale();
}

void TDesignRecord::Record(QWidget* root) {
  FPlaces.clear();
  FPlaces.push_back(
      {root, root->geometry(), root->font(), root->testAttribute(Qt::WA_SetFont), false, {}});
  ForEachScaledChild(root, [this](QWidget* child) {
    FPlaces.push_back(
        {child, child->geometry(), child->font(), child->testAttribute(Qt::WA_SetFont), true, {}});
  });
}

void TDesignRecord::ScaleTo(const TScale& scale, const QWidget* part) {
  for (TPlace& place : FPlaces) {
    QWidget* w = place.Widget;
    if (!w || (part && w != part && !part->isAncestorOf(w))) continue;
    if (place.Placed) w->setGeometry(ScaledRect(place.Geometry, scale.M, scale.D));
    if (place.OwnFont) w->setFont(ScaledFont(place.Font, scale.M, scale.D));
    if (auto* scalable = dynamic_cast<TScalable*>(w)) {
      // Told the change from the scale it has now.
      const TScale change = ScaledAgain(scale, place.Scale.D, place.Scale.M);
      if (!change.IsOne()) scalable->ChangeScale(change.M, change.D);
    }
    place.Scale = scale;
  }
}
