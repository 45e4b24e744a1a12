// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The caret rests after a while without input and blinks again at the next key or click.
#include "IdleCaret.h"

#include <QLineEdit>
#include <QStyleHints>
#include <QtTest>

class TIdleCaretTest : public QObject {
  Q_OBJECT

 private slots:
  void restsWhenIdleAndBlinksAgainOnInput() {
    const int blinking = QGuiApplication::styleHints()->cursorFlashTime();
    QVERIFY(blinking > 0);
    QLineEdit field;
    field.show();
    {
      TIdleCaret caret(50);
      QTRY_VERIFY(caret.Resting());
      QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
      QTest::keyClick(&field, Qt::Key_A);
      QVERIFY(!caret.Resting());
      QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinking);
      QTRY_VERIFY(caret.Resting());
      QTest::mouseClick(&field, Qt::LeftButton);
      QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinking);
      QTRY_VERIFY(caret.Resting());
    }
    // Gone, it leaves the caret blinking.
    QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinking);
  }
};

QTEST_MAIN(TIdleCaretTest)
#include "idlecaret_test.moc"
