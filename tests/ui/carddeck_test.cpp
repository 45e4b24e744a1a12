// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The card face control painted over a parent, the way the main window uses it.

#include "CardDeck.h"

#include <QImage>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>
#include <stdexcept>

#include "MessageBoxes.h"

namespace {

// A parent with a plain background colour, as the main window has.
class TTable : public QWidget {
 public:
  explicit TTable(QColor colour) {
    SetColour(colour);
    setAutoFillBackground(true);
    resize(200, 250);
  }
  void SetColour(QColor colour) {
    QPalette pal = palette();
    pal.setColor(backgroundRole(), colour);
    setPalette(pal);
  }
  QImage Shot() { return grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
 public:
  int Count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Count;
    return false;
  }
};

const QColor kBlue(10, 20, 200);
const QColor kOrange(250, 140, 0);
constexpr int kLeft = 20, kTop = 30;

QList<QPoint> CornerPixels(int w, int h) {
  return {QPoint(0, 0),         QPoint(1, 0),     QPoint(0, 1),         QPoint(w - 1, 0),
          QPoint(w - 2, 0),     QPoint(w - 1, 1), QPoint(w - 1, h - 1), QPoint(w - 2, h - 1),
          QPoint(w - 1, h - 2), QPoint(0, h - 1), QPoint(1, h - 1),     QPoint(0, h - 2)};
}

bool IsCorner(const QPoint& p, int w, int h) {
  return CornerPixels(w, h).contains(p);
}

}  // namespace

class TCardDeckTest : public QObject {
  Q_OBJECT
 private slots:
  void NewControl() {
    TCardDeck card;
    QCOMPARE(card.size(), QSize(71, 96));
    QCOMPARE(card.Value(), 1);
    QVERIFY(!card.Stretch());
    QVERIFY(!card.autoFillBackground());
    QVERIFY(!card.testAttribute(Qt::WA_OpaquePaintEvent));
    card.SetValue(0);
    QCOMPARE(card.Value(), 0);
    card.SetValue(255);
    QCOMPARE(card.Value(), 255);
    card.SetValue(256 + 7);  // only the low byte is kept
    QCOMPARE(card.Value(), 7);
  }

  void PaintsTheFaceWithCornersInTheParentColour() {
    for (int code : {1, 26, 53, 56, 62, 63}) {
      TTable table(kBlue);
      auto* card = new TCardDeck(&table);
      card->move(kLeft, kTop);
      card->SetValue(code);
      const QImage face = LoadCardFace(CardFaceName(code)).convertToFormat(QImage::Format_RGB32);
      const QImage shot = table.Shot();
      for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
          const QRgb want = IsCorner(QPoint(x, y), 71, 96) ? kBlue.rgb() : face.pixel(x, y);
          if (shot.pixel(kLeft + x, kTop + y) != want)
            QFAIL(qPrintable(QStringLiteral("%1 at %2,%3").arg(CardFaceName(code)).arg(x).arg(y)));
        }
      // Nothing outside the control is touched.
      QCOMPARE(shot.pixel(kLeft - 1, kTop), kBlue.rgb());
      QCOMPARE(shot.pixel(kLeft + 71, kTop + 95), kBlue.rgb());
    }
  }

  void CodesWithoutAFaceLeaveTheParentVisible() {
    for (int code : {0, 64, 255}) {
      TTable table(kBlue);
      auto* card = new TCardDeck(&table);
      card->move(kLeft, kTop);
      card->SetValue(code);
      const QImage shot = table.Shot();
      for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x)
          if (shot.pixel(kLeft + x, kTop + y) != kBlue.rgb())
            QFAIL(qPrintable(QStringLiteral("code %1 painted at %2,%3").arg(code).arg(x).arg(y)));
    }
  }

  void CornersFollowAChangedParentColour() {
    TTable table(kBlue);
    auto* card = new TCardDeck(&table);
    card->move(kLeft, kTop);
    card->SetValue(63);
    QCOMPARE(table.Shot().pixel(kLeft + 70, kTop + 95), kBlue.rgb());
    table.SetColour(kOrange);
    const QImage shot = table.Shot();
    for (const QPoint& p : CornerPixels(71, 96))
      QCOMPARE(shot.pixel(kLeft + p.x(), kTop + p.y()), kOrange.rgb());
    // Without a parent the corners are white.
    TCardDeck lone;
    lone.SetValue(63);
    const QImage alone = lone.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(alone.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(alone.pixel(70, 95), qRgb(255, 255, 255));
  }

  void SizeOtherThanTheFace() {
    TTable table(kBlue);
    auto* card = new TCardDeck(&table);
    card->move(kLeft, kTop);
    card->resize(100, 120);
    QImage shot = table.Shot();
    // The face sits at the top-left, its own corners cut, the parent shows elsewhere.
    QCOMPARE(shot.pixel(kLeft + 70, kTop + 95), kBlue.rgb());
    QCOMPARE(shot.pixel(kLeft + 69, kTop + 94), qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(kLeft + 80, kTop + 50), kBlue.rgb());
    QCOMPARE(shot.pixel(kLeft + 30, kTop + 110), kBlue.rgb());
    // Made smaller, it shows the top-left part of the face.
    card->resize(30, 40);
    shot = table.Shot();
    QCOMPARE(shot.pixel(kLeft + 10, kTop + 0), qRgb(0, 0, 0));
    QCOMPARE(shot.pixel(kLeft + 40, kTop + 0), kBlue.rgb());
  }

  void StretchAndItsReset() {
    TTable table(kBlue);
    auto* card = new TCardDeck(&table);
    card->move(kLeft, kTop);
    card->SetValue(62);  // the ninth back, whose own corners are green
    card->SetStretch(true);
    QVERIFY(card->Stretch());
    card->resize(142, 192);
    QImage shot = table.Shot();
    const QImage face = LoadCardFace(CardFaceName(62)).convertToFormat(QImage::Format_RGB32);
    // Twice the size: the image fills the control and keeps its own corners.
    QCOMPARE(shot.pixel(kLeft, kTop), qRgb(0, 128, 0));
    QCOMPARE(shot.pixel(kLeft + 141, kTop + 191), qRgb(0, 128, 0));
    QCOMPARE(shot.pixel(kLeft + 2 * 30, kTop + 2 * 40), face.pixel(30, 40));
    QCOMPARE(shot.pixel(kLeft + 2 * 70 + 1, kTop + 2 * 50), face.pixel(70, 50));
    // Switching it off restores 71 x 96 and cut corners.
    card->SetStretch(false);
    QVERIFY(!card->Stretch());
    QCOMPARE(card->size(), QSize(71, 96));
    shot = table.Shot();
    QCOMPARE(shot.pixel(kLeft, kTop), kBlue.rgb());
    QCOMPARE(shot.pixel(kLeft + 100, kTop + 150), kBlue.rgb());
    // Switching off again leaves a changed size alone.
    card->resize(80, 80);
    card->SetStretch(false);
    QCOMPARE(card->size(), QSize(80, 80));
  }

  void RepaintsOnlyOnAChange() {
    TTable table(kBlue);
    auto* card = new TCardDeck(&table);
    card->move(kLeft, kTop);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QCoreApplication::processEvents();
    TPaintCounter counter;
    card->installEventFilter(&counter);
    card->SetValue(1);
    QCOMPARE(counter.Count, 0);
    card->SetValue(14);
    QCOMPARE(counter.Count, 1);  // painted before the setter returned
    card->SetValue(14);
    QCoreApplication::processEvents();
    QCOMPARE(counter.Count, 1);
    card->SetStretch(false);  // unchanged: nothing to paint
    QCoreApplication::processEvents();
    QCOMPARE(counter.Count, 1);
    card->SetStretch(true);  // painted in the next paint cycle, not at once
    QCOMPARE(counter.Count, 1);
    QTRY_COMPARE(counter.Count, 2);
    card->removeEventFilter(&counter);
  }

  void ClicksAndMouseSignals() {
    TTable table(kBlue);
    auto* card = new TCardDeck(&table);
    card->move(kLeft, kTop);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QSignalSpy clicks(card, &TCardDeck::OnClick);
    QSignalSpy doubles(card, &TCardDeck::OnDblClick);
    int downs = 0, ups = 0, moves = 0;
    connect(card, &TCardDeck::OnMouseDown, this,
            [&downs](QMouseEvent* e) { downs += e != nullptr; });
    connect(card, &TCardDeck::OnMouseUp, this, [&ups](QMouseEvent* e) { ups += e != nullptr; });
    connect(card, &TCardDeck::OnMouseMove, this, [&moves](QMouseEvent*) { ++moves; });
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(30, 40));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs, 1);
    QCOMPARE(ups, 1);
    // The right button reports its presses but is no click.
    QTest::mouseClick(card, Qt::RightButton, {}, QPoint(30, 40));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs, 2);
    // Released outside the card: no click.
    QTest::mousePress(card, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(card, Qt::LeftButton, {}, QPoint(150, 40));
    QCOMPARE(clicks.count(), 1);
    QTest::mouseDClick(card, Qt::LeftButton, {}, QPoint(30, 40));
    QCOMPARE(doubles.count(), 1);
    // Moving over the card reports the moves without a button held.
    QTest::mouseMove(card, QPoint(10, 10));
    QTest::mouseMove(card, QPoint(20, 20));
    QVERIFY(moves >= 1);
  }

  void AnErrorInAHandlerIsReported() {
    QStringList boxes;
    SetMessageHook([&boxes](QMessageBox::Icon icon, const QString& caption, const QString& text) {
      boxes << QStringLiteral("%1|%2|%3").arg(static_cast<int>(icon)).arg(caption, text);
    });
    TTable table(kBlue);
    auto* card = new TCardDeck(&table);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    int later = 0;
    connect(card, &TCardDeck::OnClick, this, [] { throw std::runtime_error("Hold failed"); });
    connect(card, &TCardDeck::OnClick, this, [&later] { ++later; });
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(30, 40));
    SetMessageHook(nullptr);
    QCOMPARE(
        boxes,
        QStringList{
            QStringLiteral("%1|Lumaro|Hold failed.").arg(static_cast<int>(QMessageBox::Critical))});
    QCOMPARE(later, 0);  // the handler in progress ends there
    QCOMPARE(card->Value(), 1);
  }
};

QTEST_MAIN(TCardDeckTest)
#include "carddeck_test.moc"
