// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The statistics grid: the fixed "No Pair" column stays put while the others scroll.
#include "StringGrid.h"

#include <QScrollBar>
#include <QtTest>

#include "Gauge.h"

class TStringGridTest : public QObject {
  Q_OBJECT

 private slots:
  void theFixedColumnStaysInViewWhileTheRestScroll() {
    TStringGrid grid;
    grid.resize(457, 65);
    grid.SetSize(10, 2);
    grid.SetDefaultColWidth(90);
    grid.SetDefaultRowHeight(24);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.LeftCol(), 1);
    QCOMPARE(grid.CellRect(0, 0).topLeft(), QPoint(0, 0));
    QCOMPARE(grid.CellRect(1, 1).topLeft(), QPoint(91, 25));

    grid.SetLeftCol(100);  // held at the last position that still shows the last column
    const int last = grid.LeftCol();
    QVERIFY(last > 1 && last <= 9);
    QCOMPARE(grid.CellRect(0, 1).topLeft(), QPoint(0, 25));
    QVERIFY(grid.CellRect(1, 0).isEmpty());  // scrolled out
    const QRect lastColumn = grid.CellRect(9, 0);
    QVERIFY(!lastColumn.isEmpty());
    QVERIFY(lastColumn.right() < grid.viewport()->width());
    QCOMPARE(grid.CellRect(last, 0).left(), 91);  // right after the fixed column
  }

  void cellsOutsideTheGridAreIgnored() {
    TStringGrid grid;
    grid.SetSize(10, 2);
    grid.SetCell(3, 1, QStringLiteral("7"));
    grid.SetCell(10, 0, QStringLiteral("x"));
    grid.SetCell(-1, 0, QStringLiteral("x"));
    QCOMPARE(grid.Cell(3, 1), QStringLiteral("7"));
    QVERIFY(grid.Cell(10, 0).isEmpty());
    QVERIFY(grid.Cell(0, 2).isEmpty());
  }

  void scalingScalesTheColumnsAndRows() {
    TStringGrid grid;
    grid.SetDefaultColWidth(90);
    grid.SetDefaultRowHeight(24);
    grid.ChangeScale(800, 640);
    QCOMPARE(grid.DefaultColWidth(), 113);  // 112.5 rounds away from zero
    QCOMPARE(grid.DefaultRowHeight(), 30);
    // Scaled down and back, exactly the sizes as set.
    grid.ChangeScale(7, 9);
    grid.ChangeScale(640 * 9, 800 * 7);
    QCOMPARE(grid.DefaultColWidth(), 90);
    QCOMPARE(grid.DefaultRowHeight(), 24);
  }

  void gaugeProgressStaysInItsRange() {
    TGauge gauge;
    gauge.SetRange(0, 100);
    gauge.SetProgress(33);
    QCOMPARE(gauge.PercentDone(), 33);
    gauge.SetProgress(250);
    QCOMPARE(gauge.Progress(), 100);
    gauge.SetProgress(-4);
    QCOMPARE(gauge.Progress(), 0);
    gauge.SetRange(0, 0);
    QCOMPARE(gauge.PercentDone(), 0);
  }
};

QTEST_MAIN(TStringGridTest)
#include "stringgrid_test.moc"
