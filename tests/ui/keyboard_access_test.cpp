// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
//
// The game window played from the keyboard and read as screen readers read it (Qt's
// accessible interfaces, which the platform bridge hands to them).
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "CardDeck.h"
#include "CustomPanel.h"
#include "Gauge.h"
#include "HelpViewer.h"
#include "PayoutsDialog.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "game_test_support.h"

namespace {

constexpr std::uint32_t kSeedTwoPair = 19;  // KS KD 3S 3C 5H

QString Captions(const TGameWindow& window) {
  QStringList captions;
  for (const TCustomPanel* hold : window.HoldPanels) captions << hold->Caption();
  return captions.join(QLatin1Char(' '));
}

void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

QAccessibleInterface* Accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

}  // namespace

class TKeyboardAccessTest : public TGameTestCase {
  Q_OBJECT

 private slots:
  void init() { StartTest(); }
  void cleanup() { EndTest(); }

  void cardsAreNamedByWhatTheyShow() {
    QCOMPARE(CardSpokenName(1), QStringLiteral("Ace of Spades"));
    QCOMPARE(CardSpokenName(23), QStringLiteral("10 of Hearts"));
    QCOMPARE(CardSpokenName(37), QStringLiteral("Jack of Clubs"));
    QCOMPARE(CardSpokenName(51), QStringLiteral("Queen of Diamonds"));
    QCOMPARE(CardSpokenName(52), QStringLiteral("King of Diamonds"));
    QCOMPARE(CardSpokenName(53), QStringLiteral("Joker"));
    QCOMPARE(CardSpokenName(56), QStringLiteral("Card back 3"));
    QCOMPARE(CardSpokenName(63), QStringLiteral("Lumaro title card"));
    QVERIFY(CardSpokenName(0).isEmpty());
    QVERIFY(CardSpokenName(64).isEmpty());
  }

  void aHandPlayedWithKeysOnly() {
    auto window = MakeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // The bet field starts with the focus and its number selected: typing replaces it.
    auto* betText = window->BetField->findChild<QLineEdit*>();
    QTRY_VERIFY(window->BetField->hasFocus());
    QCOMPARE(betText->selectedText(), QStringLiteral("5"));
    QTest::keyClicks(window->BetField, QStringLiteral("50"));
    QCOMPARE(betText->text(), QStringLiteral("50"));
    // Enter in the field takes the typed bet and deals, as a click on Deal would.
    window->Engine().Random().Seed = kSeedTwoPair;
    Press(window->BetField, Qt::Key_Return);
    QCOMPARE(window->Engine().Phase(), gpDealt);
    QCOMPARE(window->Engine().Bet(), 50);
    QVERIFY(window->DrawButton->hasFocus());
    // Tab reaches Stats and then the first card, whose Space holds it.
    Press(window->DrawButton, Qt::Key_Tab);
    QVERIFY(window->StatsButton->hasFocus());
    Press(window->StatsButton, Qt::Key_Tab);
    QVERIFY(window->Cards[0]->hasFocus());
    Press(window->Cards[0], Qt::Key_Space);
    QCOMPARE(Captions(*window), QStringLiteral("Hold Draw Draw Draw Draw"));
    // The digits hold wherever the focus is, the read-only bet field included.
    for (int key : {Qt::Key_2, Qt::Key_3, Qt::Key_4}) Press(window->Cards[0], key);
    window->BetField->setFocus();
    Press(window->BetField, Qt::Key_5, Qt::KeypadModifier);
    Press(window->BetField, Qt::Key_3);
    QCOMPARE(Captions(*window), QStringLiteral("Hold Hold Draw Hold Hold"));
    Press(window->BetField, Qt::Key_3);
    QCOMPARE(betText->text(), QStringLiteral("50"));
    // Keypad Enter draws; the focus goes back to Deal.
    Press(window->BetField, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window->HandPanel->Caption(), QStringLiteral("Player has Two Pair"));
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1050"));
    QVERIFY(window->DealButton->hasFocus());
    // Outside a hand the digits are the bet's again and hold nothing.
    window->BetField->setFocus();
    QCOMPARE(betText->selectedText(), QStringLiteral("50"));
    QTest::keyClicks(window->BetField, QStringLiteral("25"));
    QCOMPARE(Captions(*window), QStringLiteral("Over Over Over Over Over"));
    Press(window->BetField, Qt::Key_Return);
    QCOMPARE(window->Engine().Bet(), 25);
    QVERIFY(FMessages.isEmpty());
  }

  void menusAndHelpOpenAndCloseWithKeys() {
    auto window = MakeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    Press(window->BetField, Qt::Key_F10);
    QAction* first = window->menuBar()->actions().constFirst();
    QTRY_VERIFY(first->menu()->isVisible());
    Press(first->menu(), Qt::Key_Escape);
    QTRY_VERIFY(!first->menu()->isVisible());
    Press(window->Client, Qt::Key_C, Qt::AltModifier);
    QMenu* colors = window->findChild<QMenu*>(QStringLiteral("ColorsMenu"));
    QTRY_VERIFY(colors->isVisible());
    Press(colors, Qt::Key_Escape);
    QTRY_VERIFY(!colors->isVisible());

    // The help is a dialog to the window manager, above the game, and Escape closes it.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    Press(window->BetField, Qt::Key_H, Qt::AltModifier);
    QVERIFY(window->HelpViewer() && window->HelpViewer()->isVisible());
    QCOMPARE(window->HelpViewer()->windowType(), Qt::Dialog);
    QVERIFY(!window->HelpViewer()->isModal());
    Press(window->HelpViewer()->findChild<QTextBrowser*>(), Qt::Key_Escape);
    QTRY_VERIFY(!window->HelpViewer()->isVisible());
  }

  void screenReadersReadAndPlayTheTable() {
    auto window = MakeWindow();
    QCOMPARE(Accessible(window->BetField)->text(QAccessible::Name), QStringLiteral("Bet"));
    QAccessibleInterface* total = Accessible(window->TotalPanel);
    QCOMPARE(total->text(QAccessible::Name), QStringLiteral("Total"));
    QCOMPARE(total->textInterface()->text(0, -1), QStringLiteral("1000"));
    QAccessibleInterface* card = Accessible(window->Cards[0]);
    QCOMPARE(card->text(QAccessible::Name), QStringLiteral("Lumaro title card"));

    window->Engine().Random().Seed = kSeedTwoPair;
    window->DealClick();
    QCOMPARE(card->role(), QAccessible::CheckBox);
    QCOMPARE(card->text(QAccessible::Name), QStringLiteral("King of Spades"));
    QVERIFY(!card->state().checked);
    // Their actions do what a click does, once the reader's request is answered.
    card->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QAccessibleInterface* hold = Accessible(window->HoldPanels[1]);
    QCOMPARE(hold->role(), QAccessible::Button);
    // Named by its card, its caption as its value: no two buttons read alike.
    QCOMPARE(hold->text(QAccessible::Name), QStringLiteral("Card 2: draw"));
    QCOMPARE(hold->text(QAccessible::Value), QStringLiteral("Draw"));
    hold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(Captions(*window), QStringLiteral("Hold Hold Draw Draw Draw"));
    QVERIFY(card->state().checked);
    QCOMPARE(card->text(QAccessible::Description), QStringLiteral("held"));
    QCOMPARE(hold->text(QAccessible::Name), QStringLiteral("Card 2: hold"));
    QCOMPARE(Accessible(window->Cards[2])->text(QAccessible::Description), QString());

    for (int k = 2; k < kHandSize; ++k) window->HoldPanelClick(k + 1);
    window->DrawClick();
    QCOMPARE(Accessible(window->MoneyMessagePanel)->text(QAccessible::Name),
             QStringLiteral("*Bonus* 2X  Paid You Win! Total is now 1005"));
    QCOMPARE(Accessible(window->HandPanel)->text(QAccessible::Name),
             QStringLiteral("Player has Two Pair"));
    // A settled panel takes no press, as it takes no click.
    hold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    QCOMPARE(window->HoldPanels[1]->Caption(), QStringLiteral("Over"));

    QAccessibleInterface* grid = Accessible(window->StatsGrid);
    QCOMPARE(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 10);
    QAccessibleInterface* count = table->cellAt(1, 2);
    QCOMPARE(count->text(QAccessible::Name), QStringLiteral("1"));
    QCOMPARE(count->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("2 Pair"));
    QCOMPARE(table->cellAt(1, 2), count);  // the same object every time
    QCOMPARE(grid->indexOfChild(count), 12);
    // The gauge only shows: no value for a reader to offer to increase or decrease.
    QVERIFY(!Accessible(window->WinGauge)->valueInterface());
    QCOMPARE(Accessible(window->WinGauge)->text(QAccessible::Description), QStringLiteral("100%"));
    QCOMPARE(Accessible(window->WinGauge)->text(QAccessible::Value), QStringLiteral("100%"));

    TPayoutsDialog dialog(window->Engine(), window->SoundSlots(), window.get());
    QCOMPARE(Accessible(dialog.MultiplierFields[0])->text(QAccessible::Name),
             QStringLiteral("Jacks or Better"));
    QCOMPARE(Accessible(dialog.MultiplierFields[8])->text(QAccessible::Name),
             QStringLiteral("Royal Flush"));
    QVERIFY(FMessages.isEmpty());
  }
};

QTEST_MAIN(TKeyboardAccessTest)
#include "keyboard_access_test.moc"
