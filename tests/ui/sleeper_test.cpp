// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The sleeper keeps its timer's period and never lets it run.

#include "Sleeper.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TSleeperTest : public QObject {
  Q_OBJECT

 private slots:
  void IntervalRoundTripsAndNeverStartsTheTimer_data() {
    QTest::addColumn<int>("interval");
    QTest::newRow("design value") << 1000;
    QTest::newRow("short") << 20;
    QTest::newRow("zero") << 0;
  }
  void IntervalRoundTripsAndNeverStartsTheTimer() {
    QFETCH(int, interval);
    TSleeper sleeper;
    QVERIFY(sleeper.Timer() != nullptr);
    QVERIFY(!sleeper.Timer()->isActive());
    QSignalSpy fired(sleeper.Timer(), &QTimer::timeout);
    sleeper.SetInterval(interval);
    QCOMPARE(sleeper.Interval(), interval);
    QCOMPARE(sleeper.property("Interval").toInt(), interval);
    QVERIFY(!sleeper.Timer()->isActive());
    QTest::qWait(50);
    QCOMPARE(fired.count(), 0);
  }

  void TimerBelongsToTheSleeper() {
    QObject owner;
    auto* sleeper = new TSleeper(&owner);
    QPointer<const QTimer> timer = sleeper->Timer();
    QCOMPARE(timer->parent(), sleeper);
    delete sleeper;
    QVERIFY(timer.isNull());
  }
};

QTEST_MAIN(TSleeperTest)
#include "sleeper_test.moc"
