// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "CustomPanel.h"

#include <QAccessible>
#include <QEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QVector>
#include <algorithm>
#include <array>
#include <limits>

namespace {

int ClampToInt(qint64 v) {
  return static_cast<int>(
      std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int ClampSize(qint64 v) {
  return ClampToInt(std::max<qint64>(v, 0));
}

// Parents whose children are being docked right now: the resize events that docking causes
// must not start another pass over the same parent.
QVector<const QWidget*>& DockingParents() {
  static QVector<const QWidget*> parents;
  return parents;
}

class TDockingScope {
 public:
  explicit TDockingScope(const QWidget* parent) : FParent(parent) {
    DockingParents().append(parent);
  }
  ~TDockingScope() { DockingParents().removeOne(FParent); }
  TDockingScope(const TDockingScope&) = delete;
  TDockingScope& operator=(const TDockingScope&) = delete;

 private:
  const QWidget* FParent;
};

// A parent that is not a panel has no resize handler of ours; this watches it instead.
class TDockWatcher : public QObject {
 public:
  explicit TDockWatcher(QWidget* parent) : QObject(parent), FParent(parent) {
    parent->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == FParent && (e->type() == QEvent::Resize || e->type() == QEvent::ChildRemoved)) {
      TCustomPanel::DockChildren(FParent, FParent->rect());
    }
    return false;
  }

 private:
  QWidget* FParent;
};

}  // namespace

TCustomPanel::TCustomPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(185, 41);
}

TCustomPanel::~TCustomPanel() = default;

void TCustomPanel::SetCaption(const QString& value) {
  if (value == FCaption) return;
  const QString old = FCaption;
  FCaption = value;
  update();
  AnnounceCaption(old);
}

void TCustomPanel::AnnounceCaption(const QString& old) {
  // The caption is the panel's text for screen readers: they hear of a new one (a result,
  // "Hold") without the player moving the focus to it.
  if (!QAccessible::isActive()) return;
  QAccessibleTextUpdateEvent text(this, 0, old, FCaption);
  QAccessible::updateAccessibility(&text);
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
}

bool TCustomPanel::Clickable() const {
  return isSignalConnected(QMetaMethod::fromSignal(&TCustomPanel::OnClick));
}

void TCustomPanel::Click() {
  if (isEnabled()) emit OnClick();
}

void TCustomPanel::SetAlignment(Qt::Alignment value) {
  value &= Qt::AlignHorizontal_Mask;
  if (value == FAlignment) return;
  FAlignment = value;
  update();
}

QColor TCustomPanel::Color() const {
  return FColor.isValid() ? FColor : palette().color(QPalette::Button);
}

void TCustomPanel::SetColor(const QColor& value) {
  FColor = value;
  update();
}

QColor TCustomPanel::FontColor() const {
  return FFontColor.isValid() ? FFontColor : palette().color(QPalette::WindowText);
}

void TCustomPanel::SetFontColor(const QColor& value) {
  FFontColor = value;
  update();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  FBevelOuter = value;
  Realign();
  update();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  FBevelInner = value;
  Realign();
  update();
}

void TCustomPanel::SetBevelWidth(int value) {
  FBevelWidth = std::max(value, 1);
  Realign();
  update();
}

void TCustomPanel::SetBorderWidth(int value) {
  FBorderWidth = std::max(value, 0);
  Realign();
  update();
}

void TCustomPanel::SetAlign(TAlign value) {
  FAlign = value;
  if (FAlign != alNone) WatchParent();
  RealignParent();
}

void TCustomPanel::SetWidth(int value) {
  resize(std::max(value, 0), height());
  RealignParent();
}

void TCustomPanel::SetHeight(int value) {
  resize(width(), std::max(value, 0));
  RealignParent();
}

QRect TCustomPanel::DockRect() const {
  qint64 inset = FBorderWidth;
  if (FBevelOuter != bvNone) inset += FBevelWidth;
  if (FBevelInner != bvNone) inset += FBevelWidth;
  const QRect r = rect();
  const qint64 w = std::max<qint64>(r.width() - 2 * inset, 0);
  const qint64 h = std::max<qint64>(r.height() - 2 * inset, 0);
  const int x = ClampToInt(std::min<qint64>(inset, r.width() / 2));
  const int y = ClampToInt(std::min<qint64>(inset, r.height() / 2));
  return QRect(x, y, ClampSize(w), ClampSize(h));
}

void TCustomPanel::Realign() {
  DockChildren(this, DockRect());
}

void TCustomPanel::DockChildren(QWidget* parent, const QRect& area) {
  if (parent == nullptr || DockingParents().contains(parent)) return;
  TDockingScope scope(parent);

  QVector<QPointer<TCustomPanel>> docked;
  for (QObject* child : parent->children()) {
    auto* panel = qobject_cast<TCustomPanel*>(child);
    if (panel != nullptr && !panel->isWindow() && !panel->isHidden() && panel->FAlign != alNone)
      docked.append(panel);
  }
  if (docked.isEmpty()) return;

  qint64 left = area.left();
  qint64 top = area.top();
  qint64 right = left + area.width();
  qint64 bottom = top + area.height();
  constexpr std::array<TAlign, 5> kOrder{alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign edge : kOrder) {
    for (const QPointer<TCustomPanel>& panel : docked) {
      if (panel.isNull() || panel->FAlign != edge) continue;
      const qint64 w = panel->width();
      const qint64 h = panel->height();
      qint64 x = left, y = top, cw = right - left, ch = bottom - top;
      switch (edge) {
        case alTop:
          ch = h;
          top += h;
          break;
        case alBottom:
          y = bottom - h;
          ch = h;
          bottom -= h;
          break;
        case alLeft:
          cw = w;
          left += w;
          break;
        case alRight:
          x = right - w;
          cw = w;
          right -= w;
          break;
        case alClient:
        case alNone:
          break;
      }
      panel->setGeometry(ClampToInt(x), ClampToInt(y), ClampSize(cw), ClampSize(ch));
    }
  }
}

void TCustomPanel::RealignParent() {
  QWidget* parent = parentWidget();
  if (parent == nullptr || isWindow()) return;
  if (auto* panel = qobject_cast<TCustomPanel*>(parent))
    panel->Realign();
  else
    DockChildren(parent, parent->rect());
}

void TCustomPanel::WatchParent() {
  QWidget* parent = parentWidget();
  if (parent == nullptr || isWindow() || qobject_cast<TCustomPanel*>(parent) != nullptr) return;
  for (QObject* child : parent->children())
    if (dynamic_cast<TDockWatcher*>(child) != nullptr) return;
  new TDockWatcher(parent);
}

bool TCustomPanel::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::ParentChange:
      if (FAlign != alNone) {
        WatchParent();
        RealignParent();
      }
      break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
      if (FAlign != alNone) RealignParent();
      break;
    case QEvent::ChildRemoved:
      Realign();
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void TCustomPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Color());

  // Inclusive pixel edges of what is still to be drawn, shrinking as each frame is drawn.
  int l = 0, t = 0, r = width() - 1, b = height() - 1;
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor light = palette().color(QPalette::Light);
  auto frame = [&](TBevelCut cut, int lines) {
    if (cut == bvNone) return;
    const QColor& topLeft = cut == bvLowered ? shadow : light;
    const QColor& bottomRight = cut == bvLowered ? light : shadow;
    for (int i = 0; i < lines && l <= r && t <= b; ++i) {
      p.fillRect(QRect(l, t, r - l, 1), topLeft);
      p.fillRect(QRect(l, t, 1, b - t), topLeft);
      p.fillRect(QRect(r, t, 1, b - t + 1), bottomRight);
      p.fillRect(QRect(l, b, r - l + 1, 1), bottomRight);
      ++l, ++t, --r, --b;
    }
  };
  frame(FBevelOuter, FBevelWidth);
  const int border = std::min(FBorderWidth, std::max(width(), height()));
  l += border, t += border, r -= border, b -= border;
  frame(FBevelInner, FBevelWidth);

  if (FCaption.isEmpty() || l > r || t > b) return;
  p.setPen(FontColor());
  p.drawText(
      QRect(QPoint(l, t), QPoint(r, b)),
      static_cast<int>(FAlignment) | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs,
      FCaption);
}

void TCustomPanel::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Realign();
  if (FAlign != alNone) RealignParent();
}

void TCustomPanel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) FPressed = true;
  // A panel is a window of its own: presses on it are its own and don't fall through.
  e->accept();
}

void TCustomPanel::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double click is no second click: a double click on a hold panel
  // counts once, as it does on its card.
  e->accept();
}

void TCustomPanel::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton || !FPressed) return;
  FPressed = false;
  if (isEnabled() && rect().contains(e->position().toPoint())) emit OnClick();
}
