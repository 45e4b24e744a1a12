// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "KeyboardPlay.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "CardDeck.h"
#include "CustomPanel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TableControls.h"
#include "game_engine.h"

namespace {

// Sees every key pressed in the game window before the focused control does, so that the
// play keys mean the same wherever the focus is: also in the bet field, which keeps its
// digits while no hand is open.
class TKeyboardPlay : public QObject {
 public:
  TKeyboardPlay(QMainWindow& window, const TTableControls& controls, const TGameEngine& engine,
                TKeyCommands commands)
      : QObject(&window),
        FWindow(window),
        FControls(controls),
        FEngine(engine),
        FCommands(std::move(commands)) {
    qApp->installEventFilter(this);
    connect(controls.DealButton, &QPushButton::clicked, this,
            [this] { FocusNext(FControls.DrawButton); });
    connect(controls.DrawButton, &QPushButton::clicked, this,
            [this] { FocusNext(FControls.DealButton); });
    // Asks nothing of the window: this also runs while the window is being destroyed.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
      if (!qobject_cast<QMenuBar*>(now) || now->window() != &FWindow) return;
      if (old && old->window() == &FWindow) FBeforeMenus = old;
      // The bar takes the keyboard back as its menu closes by Escape: it goes on.
      if (FEscaped) QTimer::singleShot(0, this, [this] { LeaveMenus(); });
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Hide) TakeKeyboardBack(*widget);
    if (event->type() != QEvent::KeyPress) return false;
    // The menus keep their own keys: Enter there chooses an entry. Escape out of them gives
    // the keyboard back to the control that had it, so the next Enter plays there and never
    // opens the closed menu again.
    FEscaped = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && IsOurMenu(*widget);
    if (IsOurMenu(*widget)) {
      if (FEscaped) QTimer::singleShot(0, this, [this] { LeaveMenus(); });
      return false;
    }
    if (widget->window() != &FWindow || qobject_cast<QMenuBar*>(widget) != nullptr ||
        qobject_cast<QMenu*>(widget) != nullptr)
      return false;
    return PlayKey(*static_cast<QKeyEvent*>(event));
  }

 private:
  bool PlayKey(const QKeyEvent& key);
  void DealOrDraw();
  void FocusNext(QWidget* button);
  bool OpenMenu(QChar initial);
  void TakeKeyboardBack(const QWidget& closed);
  bool IsOurMenu(const QWidget& widget) const;
  void LeaveMenus();

  QMainWindow& FWindow;
  const TTableControls& FControls;
  const TGameEngine& FEngine;
  TKeyCommands FCommands;
  // The control that had the keyboard before the menu bar took it.
  QPointer<QWidget> FBeforeMenus;
  // The last key pressed was Escape in a menu or the menu bar.
  bool FEscaped = false;
  bool FByKeyboard = false;
};

bool TKeyboardPlay::PlayKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  const int code = key.key();
  if ((code == Qt::Key_Return || code == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
    // Held down, Enter would deal and draw on its own: one press, one step.
    if (!key.isAutoRepeat()) DealOrDraw();
    return true;
  }
  if (code >= Qt::Key_1 && code <= Qt::Key_5 && (modifiers & ~Qt::ShiftModifier) == 0 &&
      FEngine.Phase() == gpDealt) {
    // Shift counts too: on some layouts the digits are shifted keys.
    if (!key.isAutoRepeat()) FCommands.HoldClick(code - Qt::Key_0);
    return true;
  }
  if (code == Qt::Key_F10 && modifiers == Qt::NoModifier) return OpenMenu(QChar());
  if (code == Qt::Key_F6 && modifiers == Qt::NoModifier) {
    if (!key.isAutoRepeat() && FCommands.SwitchPane) FCommands.SwitchPane();
    return true;
  }
  if (modifiers == Qt::AltModifier) {
    if (code >= Qt::Key_A && code <= Qt::Key_Z)
      return OpenMenu(QChar(static_cast<char16_t>(u'a' + (code - Qt::Key_A))));
    if (key.text().size() == 1 && key.text()[0].isLetter()) return OpenMenu(key.text()[0]);
  }
  return false;
}

void TKeyboardPlay::DealOrDraw() {
  FByKeyboard = true;
  // The button's own click: a bet typed in the field is taken first, as with the mouse.
  if (!FControls.DealButton->isHidden())
    FControls.DealButton->click();
  else if (!FControls.DrawButton->isHidden())
    FControls.DrawButton->click();
  FByKeyboard = false;
}

void TKeyboardPlay::FocusNext(QWidget* button) {
  // The button pressed is hidden now; its partner takes its place and the focus with it.
  if (button->isHidden()) return;
  if (FByKeyboard) FWindow.setAttribute(Qt::WA_KeyboardFocusChange);
  button->setFocus(Qt::OtherFocusReason);
}

bool TKeyboardPlay::OpenMenu(QChar initial) {
  // F10 opens the first menu; Alt and a letter the menu whose title starts with it (the
  // titles carry no mnemonic marks, so their first letters serve).
  QMenuBar* bar = FWindow.menuBar();
  for (QAction* action : bar->actions()) {
    if (!action->isVisible() || action->text().isEmpty()) continue;
    if (!initial.isNull() && action->text().front().toCaseFolded() != initial.toCaseFolded())
      continue;
    if (action->menu() != nullptr || initial.isNull()) {
      bar->setFocus(Qt::ShortcutFocusReason);
      bar->setActiveAction(action);
    } else {
      action->trigger();  // "Help" is a command of the bar itself
    }
    return true;
  }
  return false;
}

bool TKeyboardPlay::IsOurMenu(const QWidget& widget) const {
  const QMenuBar* bar = FWindow.menuBar();
  return &widget == bar || (qobject_cast<const QMenu*>(&widget) && widget.parentWidget() == bar);
}

void TKeyboardPlay::LeaveMenus() {
  // Only once no menu is open: Escape in a submenu goes back to its menu.
  if (QApplication::activePopupWidget() != nullptr) return;
  QMenuBar* bar = FWindow.menuBar();
  if (!FEscaped || !bar->hasFocus()) return;
  FEscaped = false;
  bar->setActiveAction(nullptr);
  QWidget* back = FBeforeMenus && FBeforeMenus->isVisible() ? FBeforeMenus.data() : nullptr;
  if (!back) back = FControls.DealButton->isHidden() ? FControls.DrawButton : FControls.DealButton;
  back->setFocus(Qt::PopupFocusReason);
}

void TKeyboardPlay::TakeKeyboardBack(const QWidget& closed) {
  // A dialog or the help opened from the game has closed: the keyboard comes back to the
  // game. Window managers mostly see to that, but not all of them every time (one that
  // loses track while a message box and its dialog close together leaves no window with
  // the keyboard, and a keyboard player stranded).
  const Qt::WindowType type = closed.windowType();
  if (!closed.isWindow() || &closed == &FWindow || closed.parentWidget() == nullptr ||
      closed.parentWidget()->window() != &FWindow ||
      (type != Qt::Dialog && type != Qt::Window && type != Qt::Tool))
    return;
  QTimer::singleShot(0, &FWindow, [this] {
    if (FWindow.isVisible() && QApplication::activeModalWidget() == nullptr)
      FWindow.activateWindow();
  });
}

}  // namespace

void InstallKeyboardPlay(QMainWindow& window, const TTableControls& controls,
                         const TGameEngine& engine, TKeyCommands commands) {
  // Tab reaches every control that takes input; clicks don't move the focus to the cards,
  // "Stats" or the grid, so a mouse player sees no focus marks there.
  controls.StatsButton->setFocusPolicy(Qt::TabFocus);
  for (TCardDeck* card : controls.Cards) card->setFocusPolicy(Qt::TabFocus);
  controls.StatsGrid->setFocusPolicy(Qt::TabFocus);
  QWidget* previous = controls.BetField;
  const auto chain = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  chain(controls.DealButton);
  chain(controls.DrawButton);
  chain(controls.StatsButton);
  for (TCardDeck* card : controls.Cards) chain(card);
  chain(controls.StatsGrid);
  chain(controls.SoundOnButton);
  chain(controls.SoundOffButton);
  for (int k = 0; k < kHandSize; ++k)
    controls.HoldPanels[k]->setToolTip(
        QCoreApplication::translate("TGameWindow", "Hold or draw card %1 (key %1)").arg(k + 1));
  new TKeyboardPlay(window, controls, engine, std::move(commands));
}
