// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The bevelled panel: where its children go, what it paints, when it reports a click.

#include "CustomPanel.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <limits>

class TCustomPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void DefaultsAreARaisedPanelWithoutInnerBevel() {
    TCustomPanel panel;
    QCOMPARE(panel.BevelOuter(), bvRaised);
    QCOMPARE(panel.BevelInner(), bvNone);
    QCOMPARE(panel.BevelWidth(), 1);
    QCOMPARE(panel.BorderWidth(), 0);
    QCOMPARE(panel.Align(), alNone);
    QCOMPARE(panel.Alignment(), Qt::Alignment(Qt::AlignHCenter));
    QCOMPARE(panel.Color(), panel.palette().color(QPalette::Button));
  }

  void DockRectShrinksByBorderAndEachBevel_data() {
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<int>("bevelWidth");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("inset");
    QTest::newRow("no bevels") << int(bvNone) << int(bvNone) << 1 << 0 << 0;
    QTest::newRow("outer only") << int(bvLowered) << int(bvNone) << 1 << 0 << 1;
    QTest::newRow("inner only") << int(bvNone) << int(bvRaised) << 1 << 0 << 1;
    QTest::newRow("both") << int(bvRaised) << int(bvLowered) << 1 << 0 << 2;
    QTest::newRow("wide bevels and border") << int(bvRaised) << int(bvRaised) << 3 << 4 << 10;
    QTest::newRow("border only") << int(bvNone) << int(bvNone) << 2 << 5 << 5;
  }
  void DockRectShrinksByBorderAndEachBevel() {
    QFETCH(int, outer);
    QFETCH(int, inner);
    QFETCH(int, bevelWidth);
    QFETCH(int, border);
    QFETCH(int, inset);
    TCustomPanel panel;
    panel.resize(100, 40);
    panel.SetBevelOuter(static_cast<TBevelCut>(outer));
    panel.SetBevelInner(static_cast<TBevelCut>(inner));
    panel.SetBevelWidth(bevelWidth);
    panel.SetBorderWidth(border);
    QCOMPARE(panel.DockRect(), QRect(inset, inset, 100 - 2 * inset, 40 - 2 * inset));
  }

  void DockRectNeverTurnsNegative() {
    TCustomPanel panel;
    panel.resize(6, 4);
    panel.SetBorderWidth(std::numeric_limits<int>::max());
    panel.SetBevelWidth(std::numeric_limits<int>::max());
    panel.SetBevelInner(bvLowered);
    const QRect r = panel.DockRect();
    QCOMPARE(r.width(), 0);
    QCOMPARE(r.height(), 0);
    QVERIFY(r.left() >= 0 && r.left() <= 6);
    panel.grab();  // painting such a panel must not loop or crash either
    panel.SetBevelWidth(-5);
    QCOMPARE(panel.BevelWidth(), 1);
    panel.SetBorderWidth(-5);
    QCOMPARE(panel.BorderWidth(), 0);
  }

  void ChildrenDockInsideTheBevelsEdgeByEdge() {
    TCustomPanel parent;
    parent.resize(300, 200);
    parent.SetBevelOuter(bvLowered);
    parent.SetBevelInner(bvRaised);  // dock rect (2, 2, 296, 196)
    auto* top = new TCustomPanel(&parent);
    auto* left1 = new TCustomPanel(&parent);
    auto* left2 = new TCustomPanel(&parent);
    auto* right = new TCustomPanel(&parent);
    auto* bottom = new TCustomPanel(&parent);
    auto* client = new TCustomPanel(&parent);
    auto* free = new TCustomPanel(&parent);
    free->setGeometry(7, 8, 9, 10);
    top->SetHeight(20);
    bottom->SetHeight(30);
    left1->SetWidth(40);
    left2->SetWidth(50);
    right->SetWidth(60);
    // Deliberately not in edge order: the edge decides first, creation order second.
    client->SetAlign(alClient);
    left2->SetAlign(alLeft);
    right->SetAlign(alRight);
    left1->SetAlign(alLeft);
    bottom->SetAlign(alBottom);
    top->SetAlign(alTop);

    QCOMPARE(top->geometry(), QRect(2, 2, 296, 20));
    QCOMPARE(bottom->geometry(), QRect(2, 168, 296, 30));
    QCOMPARE(left1->geometry(), QRect(2, 22, 40, 146));
    QCOMPARE(left2->geometry(), QRect(42, 22, 50, 146));
    QCOMPARE(right->geometry(), QRect(238, 22, 60, 146));
    QCOMPARE(client->geometry(), QRect(92, 22, 146, 146));
    QCOMPARE(free->geometry(), QRect(7, 8, 9, 10));

    // Any later change moves them again: a wider section, thinner bevels, a new size.
    left1->SetWidth(10);
    QCOMPARE(left2->geometry().left(), 12);
    parent.SetBevelInner(bvNone);
    QCOMPARE(top->geometry(), QRect(1, 1, 298, 20));
    parent.show();
    parent.resize(400, 100);
    QTRY_COMPARE(right->geometry(), QRect(339, 21, 60, 48));
    QCOMPARE(client->geometry(), QRect(61, 21, 278, 48));

    // A hidden child gives its place up.
    left1->hide();
    QCOMPARE(left2->geometry().left(), 1);
  }

  void ChildrenOfAPlainWidgetDockInItsWholeRect() {
    QWidget window;
    window.resize(320, 240);
    auto* bar = new TCustomPanel(&window);
    bar->SetHeight(25);
    bar->SetAlign(alBottom);
    QCOMPARE(bar->geometry(), QRect(0, 215, 320, 25));
    window.show();
    window.resize(500, 300);
    QTRY_COMPARE(bar->geometry(), QRect(0, 275, 500, 25));
  }

  void PaintsLoweredAndRaisedBevelsFromThePalette() {
    TCustomPanel panel;
    panel.resize(40, 20);
    panel.SetColor(QColor(10, 200, 30));
    panel.SetBevelOuter(bvLowered);
    panel.SetBevelInner(bvRaised);
    const QColor shadow = panel.palette().color(QPalette::Dark);
    const QColor light = panel.palette().color(QPalette::Light);
    QVERIFY(shadow != light);
    QImage img = panel.grab().toImage();
    // Outer lowered: shadow top/left, light bottom/right.
    QCOMPARE(img.pixel(0, 0), shadow.rgb());
    QCOMPARE(img.pixel(10, 0), shadow.rgb());
    QCOMPARE(img.pixel(0, 10), shadow.rgb());
    QCOMPARE(img.pixel(39, 10), light.rgb());
    QCOMPARE(img.pixel(10, 19), light.rgb());
    // Inner raised, one pixel in: the reverse.
    QCOMPARE(img.pixel(10, 1), light.rgb());
    QCOMPARE(img.pixel(1, 10), light.rgb());
    QCOMPARE(img.pixel(38, 10), shadow.rgb());
    QCOMPARE(img.pixel(10, 18), shadow.rgb());
    // Inside: the panel's colour.
    QCOMPARE(img.pixel(5, 5), QColor(10, 200, 30).rgb());

    panel.SetBorderWidth(2);
    img = panel.grab().toImage();
    QCOMPARE(img.pixel(2, 10), QColor(10, 200, 30).rgb());  // the border takes the fill colour
    QCOMPARE(img.pixel(3, 10), light.rgb());
  }

  void CaptionIsDrawnInTheFontColour() {
    TCustomPanel panel;
    panel.resize(120, 30);
    panel.SetColor(Qt::white);
    panel.SetBevelOuter(bvNone);
    panel.SetFontColor(QColor(0, 0, 128));
    panel.SetCaption(QStringLiteral("WW"));
    const QImage img = panel.grab().toImage();
    int navy = 0, leftHalf = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == qRgb(0, 0, 128)) {
          ++navy;
          if (x < 30) ++leftHalf;
        }
    QVERIFY(navy > 0);
    QCOMPARE(leftHalf, 0);  // centred, so nothing at the far left
  }

  void ClickIsPressAndReleaseInsideWhileEnabled() {
    TCustomPanel panel;
    panel.resize(100, 40);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy clicks(&panel, &TCustomPanel::OnClick);

    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);

    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);

    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(150, 10));
    QCOMPARE(clicks.count(), 1);

    panel.setEnabled(false);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
  }
};

QTEST_MAIN(TCustomPanelTest)
#include "custompanel_test.moc"
