// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "CardDeck.h"
#include "CustomPanel.h"
#include "Gauge.h"
#include "SpinEdit.h"
#include "SpokenRows.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "TableControls.h"
#include "game_engine.h"

namespace {

// A press asked for by a screen reader runs once its request has been answered: what the
// press starts (a draw's sound, an error box with its own event loop) must not keep the
// reader waiting for the answer.
template <class TWidget, class TPress>
void PressLater(TWidget* widget, TPress press) {
  QMetaObject::invokeMethod(
      widget,
      [target = QPointer<TWidget>(widget), press] {
        if (target) press(*target);
      },
      Qt::QueuedConnection);
}

bool IsPressAction(const QString& action) {
  return action == QAccessibleActionInterface::pressAction() ||
         action == QAccessibleActionInterface::toggleAction();
}

// A card: a toggle whose name is the face it shows and which is checked while held.
class TCardAccessible : public QAccessibleWidget {
 public:
  explicit TCardAccessible(TCardDeck* card) : QAccessibleWidget(card, QAccessible::CheckBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return CardSpokenName(Card()->Value());
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = widget()->accessibleDescription() == QLatin1String(kHeldDescription);
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{QAccessibleActionInterface::toggleAction(),
                       QAccessibleActionInterface::pressAction()} +
           QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (IsPressAction(action))
      PressLater(Card(), [](TCardDeck& card) { card.Click(); });
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  TCardDeck* Card() const { return static_cast<TCardDeck*>(widget()); }
};

// A bevelled panel shows one line of text: a label for screen readers, a button where a
// click does something (the hold panels). A panel named otherwise (the total, named
// "Total") gives its caption as its value.
class TPanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TPanelAccessible(TCustomPanel* panel) : QAccessibleWidget(panel, RoleOf(panel)) {}

  QString text(QAccessible::Text t) const override {
    const QString caption = Panel()->Caption();
    switch (t) {
      case QAccessible::Name:
        return Named() ? widget()->accessibleName() : caption.trimmed();
      case QAccessible::Value:
        return Named() ? caption.trimmed() : QString();
      case QAccessible::Description:
        // A named label tells its caption here too; a button keeps its tip (what it does).
        if (widget()->accessibleDescription().isEmpty() && Named() && !Panel()->Clickable())
          return caption.trimmed();
        return QAccessibleWidget::text(t);
      default:
        return QAccessibleWidget::text(t);
    }
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Panel()->Clickable()) names.prepend(QAccessibleActionInterface::pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    if (Panel()->Clickable() && IsPressAction(action))
      PressLater(Panel(), [](TCustomPanel& panel) { panel.Click(); });
    else
      QAccessibleWidget::doAction(action);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // The caption as read-only text.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    return Panel()->Caption().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Panel()->Caption().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  static QAccessible::Role RoleOf(TCustomPanel* panel) {
    if (qobject_cast<TStatusBar*>(panel) != nullptr) return QAccessible::StatusBar;
    return panel->Clickable() ? QAccessible::Button : QAccessible::StaticText;
  }
  TCustomPanel* Panel() const { return static_cast<TCustomPanel*>(widget()); }
  bool Named() const { return !widget()->accessibleName().isEmpty(); }
};

// The pie gauge: a progress bar that says the percentage it shows. It offers no value to
// set: readers would offer to increase or decrease what only the play changes.
class TGaugeAccessible : public QAccessibleWidget {
 public:
  explicit TGaugeAccessible(TGauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value || t == QAccessible::Description)
      return QStringLiteral("%1%").arg(Gauge()->PercentDone());
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return widget()->toolTip();
    return QAccessibleWidget::text(t);
  }

 private:
  TGauge* Gauge() const { return static_cast<TGauge*>(widget()); }
};

class TGridAccessible;

// One cell of the statistics grid; the first row holds the column headings.
class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TGridCellAccessible(TStringGrid* grid, int row, int column)
      : FGrid(grid), FRow(row), FColumn(column) {}

  bool isValid() const override {
    return FGrid && FRow < FGrid->RowCount() && FColumn < FGrid->ColCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FGrid ? FGrid->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FGrid.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FGrid->Cell(FColumn, FRow);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect cell = FGrid->CellRect(FColumn, FRow);
    if (cell.isEmpty()) return {};
    return QRect(FGrid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
  }
  QAccessible::Role role() const override {
    return FRow == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    if (rect().isEmpty()) {
      s.invisible = true;  // scrolled out of view
      s.offscreen = true;
    }
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TStringGrid> FGrid;
  int FRow;
  int FColumn;
};

// The statistics grid as a table: the hand names in its first row, the counts below.
class TGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TGridAccessible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~TGridAccessible() override {
    for (const auto& cell : FCells) QAccessible::deleteAccessibleInterface(cell.second);
  }
  TGridAccessible(const TGridAccessible&) = delete;
  TGridAccessible& operator=(const TGridAccessible&) = delete;

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr || cell->table() != this) return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (QAccessibleInterface* cell = child(i); cell->rect().contains(x, y)) return cell;
    return nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    // Made on first request and kept, so that a reader gets the same object every time.
    const auto key = std::make_pair(row, column);
    auto found = FCells.find(key);
    if (found == FCells.end())
      found = FCells
                  .emplace(key, QAccessible::registerAccessibleInterface(
                                    new TGridCellAccessible(Grid(), row, column)))
                  .first;
    return QAccessible::accessibleInterface(found->second);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return Grid()->Cell(column, 0); }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return Grid()->ColCount(); }
  int rowCount() const override { return Grid()->RowCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TStringGrid* Grid() const { return static_cast<TStringGrid*>(widget()); }
  mutable std::map<std::pair<int, int>, QAccessible::Id> FCells;
};

QList<QAccessibleInterface*> TGridCellAccessible::columnHeaderCells() const {
  if (FRow == 0 || !isValid()) return {};
  QAccessibleInterface* grid = parent();
  QAccessibleTableInterface* table = grid ? grid->tableInterface() : nullptr;
  QAccessibleInterface* heading = table ? table->cellAt(0, FColumn) : nullptr;
  if (heading == nullptr) return {};
  return {heading};
}

// One row of a control painted as rows (TSpokenRows): a list item named by what it says.
class TRowAccessible : public QAccessibleInterface {
 public:
  TRowAccessible(QWidget* list, TSpokenRows* rows, int row) : FList(list), FRows(rows), FRow(row) {}

  bool isValid() const override { return FList && FRow < FRows->SpokenRowCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FList ? FList->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FList.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return FRows->SpokenRow(FRow);
    if (t == QAccessible::Description) return FRows->SpokenRowNote(FRow);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect row = FRows->SpokenRowRect(FRow);
    if (row.isEmpty()) return {};
    return QRect(FList->mapToGlobal(row.topLeft()), row.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.readOnly = true;
    s.focusable = FList && FList->focusPolicy() != Qt::NoFocus;
    s.focused = isValid() && FList->hasFocus() && FRows->CurrentSpokenRow() == FRow;
    if (rect().isEmpty()) {
      s.invisible = true;  // scrolled out of view
      s.offscreen = true;
    }
    return s;
  }

 private:
  QPointer<QWidget> FList;
  TSpokenRows* FRows;
  int FRow;
};

// The control as a list of its rows.
class TRowsAccessible : public QAccessibleWidget {
 public:
  TRowsAccessible(QWidget* list, TSpokenRows* rows)
      : QAccessibleWidget(list, QAccessible::List), FRows(rows) {}
  ~TRowsAccessible() override {
    for (const QAccessible::Id id : FItems) QAccessible::deleteAccessibleInterface(id);
  }
  TRowsAccessible(const TRowsAccessible&) = delete;
  TRowsAccessible& operator=(const TRowsAccessible&) = delete;

  int childCount() const override { return FRows->SpokenRowCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    // Made on first request and kept, so that a reader gets the same object every time.
    while (static_cast<int>(FItems.size()) <= index)
      FItems.push_back(QAccessible::registerAccessibleInterface(
          new TRowAccessible(widget(), FRows, static_cast<int>(FItems.size()))));
    return QAccessible::accessibleInterface(FItems[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < FItems.size(); ++i)
      if (QAccessible::accessibleInterface(FItems[i]) == child) return static_cast<int>(i);
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (QAccessibleInterface* row = child(i); row->rect().contains(x, y)) return row;
    return nullptr;
  }

 private:
  TSpokenRows* FRows;
  mutable std::vector<QAccessible::Id> FItems;
};

// Says what changed in the game to screen readers that are not looking at it: a
// notification that shows with the new text. It draws nothing and takes no input.
class TAnnouncer : public QWidget {
  Q_OBJECT

 public:
  explicit TAnnouncer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
  }

  // Runs `look` once the handler that changed the game is done: a handler may show the
  // table more than once (a win shows the hand before its sound), and a reader stops
  // speaking when the focus moves, which the move from "Deal" to "Draw" does after it.
  void LookLater(std::function<void()> look) {
    const bool pending = static_cast<bool>(FLook);
    FLook = std::move(look);
    if (!pending)
      QMetaObject::invokeMethod(
          this, [this] { std::exchange(FLook, nullptr)(); }, Qt::QueuedConnection);
  }

  void Say(const QString& text) {
    if (text.trimmed().isEmpty() || !QAccessible::isActive()) return;
    setAccessibleName(text);
    // Readers speak a notification as it comes into view.
    hide();
    show();
  }

  // What the last look saw.
  struct TSeen {
    std::array<cdCardDeck, kHandSize> Cards{};
    std::array<THoldMark, kHandSize> Marks{};
    QString MoneyMessage;
    QString SecondMessage;
    QString Total;
  };
  std::optional<TSeen> Seen;

 private:
  std::function<void()> FLook;
};

class TAnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit TAnnouncerAccessible(QWidget* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
};

QString CardsText(const TTableControls& controls) {
  QStringList names;
  for (const TCardDeck* card : controls.Cards) names << CardSpokenName(card->Value());
  return names.join(QStringLiteral(", "));
}

// Joins the non-blank texts as sentences.
QString Sentences(std::initializer_list<QString> texts) {
  QStringList kept;
  for (const QString& text : texts)
    if (!text.trimmed().isEmpty()) kept << text.trimmed();
  return kept.join(QStringLiteral(". "));
}

// What a player who can't see the table needs to hear after a change: the cards after a deal
// or a draw, with the result; a hold; the statistics.
void Announce(const TTableControls& controls, const TGameEngine& engine, TAnnouncer& announcer) {
  TAnnouncer::TSeen now;
  const THand& hand = engine.Hand();
  for (int k = 0; k < kHandSize; ++k)
    now.Cards[k] = static_cast<cdCardDeck>(controls.Cards[k]->Value());
  now.Marks = hand.Marks;
  now.MoneyMessage = controls.MoneyMessagePanel->Caption();
  now.SecondMessage = controls.SecondMessagePanel->Caption();
  now.Total = controls.TotalPanel->Caption();
  const std::optional<TAnnouncer::TSeen> before = std::exchange(announcer.Seen, now);
  if (!before) return;
  if (now.Cards != before->Cards) {
    const bool settled = engine.Phase() == gpSettled;
    announcer.Say(
        settled ? Sentences({CardsText(controls), controls.HandPanel->Caption(), now.MoneyMessage})
                : Sentences({QCoreApplication::translate("TGameWindow", "Dealt %1")
                                 .arg(CardsText(controls))}));
    return;
  }
  if (now.Marks != before->Marks && engine.Phase() == gpDealt) {
    QStringList changes;
    for (int k = 0; k < kHandSize; ++k)
      if (now.Marks[k] != before->Marks[k])
        //: A card and what happens to it, as a screen reader says it: "Ace of Spades: Hold".
        changes << QCoreApplication::translate("TGameWindow", "%1: %2")
                       .arg(CardSpokenName(now.Cards[k]), controls.HoldPanels[k]->Caption());
    announcer.Say(changes.join(QStringLiteral(", ")));
    return;
  }
  if (now.MoneyMessage != before->MoneyMessage || now.SecondMessage != before->SecondMessage) {
    announcer.Say(Sentences({now.MoneyMessage, now.SecondMessage}));
    return;
  }
  // "Set Total" changes the total alone, the message lines left as they were.
  if (now.Total != before->Total)
    announcer.Say(QCoreApplication::translate("TGameWindow", "Total %1").arg(now.Total.trimmed()));
}

QAccessibleInterface* LumaroControls(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  if (auto* rows = dynamic_cast<TSpokenRows*>(object))
    return new TRowsAccessible(static_cast<QWidget*>(object), rows);
  // Asked for each class from the most derived up: the status bar gets here as a panel.
  if (className == QLatin1String("TCardDeck"))
    return new TCardAccessible(static_cast<TCardDeck*>(object));
  if (className == QLatin1String("TCustomPanel"))
    return new TPanelAccessible(static_cast<TCustomPanel*>(object));
  if (className == QLatin1String("TStringGrid"))
    return new TGridAccessible(static_cast<TStringGrid*>(object));
  if (className == QLatin1String("TGauge"))
    return new TGaugeAccessible(static_cast<TGauge*>(object));
  if (className == QLatin1String("TAnnouncer"))
    return new TAnnouncerAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(LumaroControls);
    return true;
  }();
  (void)installed;
}

void NameGameControls(const TTableControls& controls) {
  controls.BetLabel->setBuddy(controls.BetField);
  controls.BetField->setAccessibleName(QCoreApplication::translate("TGameWindow", "Bet"));
  controls.TotalLabel->setBuddy(controls.TotalPanel);
  controls.TotalPanel->setAccessibleName(QCoreApplication::translate("TGameWindow", "Total"));
  controls.StatsGrid->setAccessibleName(QCoreApplication::translate("TGameWindow", "Statistics"));
  controls.WinIcon->setAccessibleName(QCoreApplication::translate("TGameWindow", "Winning hand"));
  controls.SoundGroup->setAccessibleName(QCoreApplication::translate("TGameWindow", "Sound"));
  new TAnnouncer(controls.Client);
}

void DescribeHand(const TTableControls& controls, const TGameEngine& engine) {
  const THand& hand = engine.Hand();
  for (int k = 0; k < kHandSize; ++k) {
    TCardDeck* card = controls.Cards[static_cast<std::size_t>(k)];
    const QString description = hand.Marks[static_cast<std::size_t>(k)] == hmHold
                                    ? QCoreApplication::translate("TGameWindow", kHeldDescription)
                                    : QString();
    if (card->accessibleDescription() == description) continue;
    card->setAccessibleDescription(description);  // tells the readers itself
    if (QAccessible::isActive()) {
      QAccessible::State changed;
      changed.checked = true;
      QAccessibleStateChangeEvent event(card, changed);
      QAccessible::updateAccessibility(&event);
    }
  }
  if (auto* announcer =
          controls.Client->findChild<TAnnouncer*>(QString(), Qt::FindDirectChildrenOnly))
    announcer->LookLater(
        [&controls, &engine, announcer] { Announce(controls, engine, *announcer); });
}

#include "Accessibility.moc"
