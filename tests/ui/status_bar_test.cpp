// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The status bar: its make-up, where its sections sit, its clock, the presses it passes on,
// and the date and time texts.

#include <QAbstractEventDispatcher>
#include <QDateTime>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <limits>
#include <vector>

#include "ControlErrors.h"
#include "MessageBoxes.h"
#include "StatusBar.h"

namespace {

// Records every left press that reaches the watched widgets, in order, with its coordinates.
class TPressLog : public QObject {
 public:
  struct TEntry {
    QObject* Target;
    QPoint Pos;
  };
  std::vector<TEntry> Entries;

  void Watch(QWidget* w) { w->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonPress)
      Entries.push_back({watched, static_cast<QMouseEvent*>(e)->position().toPoint()});
    return false;
  }
};

// Counts the events of one type that reach the watched objects.
class TEventCounter : public QObject {
 public:
  explicit TEventCounter(QEvent::Type type = QEvent::Paint) : FType(type) {}
  int Count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == FType) ++Count;
    return false;
  }

 private:
  QEvent::Type FType;
};

}  // namespace

class TStatusBarTest : public QObject {
  Q_OBJECT

 private slots:
  void NewBarIsALoweredClockBarAtTheBottom() {
    QWidget window;
    window.resize(640, 480);
    TStatusBar bar(&window);
    QCOMPARE(bar.SectMainBevel(), sbLow);
    QCOMPARE(bar.SectDateBevel(), sbLow);
    QCOMPARE(bar.SectTimeBevel(), sbLow);
    QCOMPARE(bar.AlignDate(), alLeft);
    QCOMPARE(bar.AlignTime(), alLeft);
    QCOMPARE(bar.WidthDate(), 100);
    QCOMPARE(bar.WidthTime(), 100);
    QCOMPARE(bar.UpdateInterval(), 1000);
    QVERIFY(!bar.Enabled());
    QCOMPARE(bar.ClockPeriod(), 0);
    QVERIFY(bar.isEnabled());  // the clock switch is not the widget's input switch
    QCOMPARE(bar.Align(), alBottom);
    QCOMPARE(bar.geometry(), QRect(0, 455, 640, 25));
    QCOMPARE(bar.Caption(), QString());

    for (TCustomPanel* panel :
         {static_cast<TCustomPanel*>(&bar), static_cast<TCustomPanel*>(bar.DateSection()),
          static_cast<TCustomPanel*>(bar.TimeSection())}) {
      QCOMPARE(panel->BevelOuter(), bvLowered);
      QCOMPARE(panel->BevelInner(), bvNone);
    }
    QCOMPARE(bar.DateSection()->parentWidget(), &bar);
    QCOMPARE(bar.DateSection()->geometry(), QRect(1, 1, 100, 23));
    QCOMPARE(bar.TimeSection()->geometry(), QRect(101, 1, 100, 23));
    QCOMPARE(bar.DateSection()->Caption(), QString());
    QCOMPARE(bar.TimeSection()->Caption(), QString());

    const QImage img = bar.grab().toImage();
    QCOMPARE(img.pixel(300, 0), bar.palette().color(QPalette::Dark).rgb());
    QCOMPARE(img.pixel(300, 24), bar.palette().color(QPalette::Light).rgb());
  }

  void SectionsStayEmptyUntilTheFirstTick() {
    QWidget window;
    TStatusBar bar(&window);
    bar.SetUpdateInterval(20);
    bar.SetEnabled(false);
    bar.SetEnabled(true);
    QCOMPARE(bar.ClockPeriod(), 20);
    QCOMPARE(bar.DateSection()->Caption(), QString());
    QCOMPARE(bar.TimeSection()->Caption(), QString());
    QTRY_VERIFY(!bar.TimeSection()->Caption().isEmpty());
    QVERIFY(!bar.DateSection()->Caption().isEmpty());
    QVERIFY(bar.TimeSection()->Caption().count(QLatin1Char(':')) == 2);

    // New formats show at the next tick, not only when the second turns.
    TClockFormats formats;
    formats.TimeAMString = formats.TimePMString = QStringLiteral("xm");
    bar.SetClockFormats(formats);
    QTRY_VERIFY(bar.TimeSection()->Caption().endsWith(QStringLiteral(" xm")));
  }

  void UpdateIntervalStartsAndRestartsTheClock() {
    QWidget window;
    TStatusBar bar(&window);
    int ticks = 0;
    bar.SetOnTimer([&ticks](TStatusBar*) { ++ticks; });
    QVERIFY(!bar.Enabled());

    bar.SetUpdateInterval(20);
    QVERIFY(bar.Enabled());
    QCOMPARE(bar.ClockPeriod(), 20);
    QTRY_VERIFY(ticks >= 2);

    bar.SetEnabled(false);
    QCOMPARE(bar.ClockPeriod(), 0);
    const int stoppedAt = ticks;
    QTest::qWait(60);
    QCOMPARE(ticks, stoppedAt);

    bar.SetUpdateInterval(30);  // writing the interval while stopped starts the clock
    QVERIFY(bar.Enabled());
    QCOMPARE(bar.ClockPeriod(), 30);
    QTRY_VERIFY(ticks > stoppedAt);
  }

  void ShortIntervalsKeepAUsableFloor_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("period");
    QTest::newRow("zero") << 0 << 10;
    QTest::newRow("below the floor") << 3 << 10;
    QTest::newRow("at the floor") << 10 << 10;
    QTest::newRow("negative") << -1 << std::numeric_limits<int>::max();
  }
  void ShortIntervalsKeepAUsableFloor() {
    QFETCH(int, interval);
    QFETCH(int, period);
    QWidget window;
    TStatusBar bar(&window);
    bar.SetUpdateInterval(interval);
    QCOMPARE(bar.UpdateInterval(), interval);
    QCOMPARE(bar.ClockPeriod(), period);
  }

  void UnchangedTextsAreNotRepainted() {
    QWidget window;
    window.resize(400, 100);
    auto* bar = new TStatusBar(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TEventCounter paints;
    bar->TimeSection()->installEventFilter(&paints);
    int ticks = 0;
    bar->SetOnTimer([&ticks](TStatusBar*) { ++ticks; });
    bar->SetUpdateInterval(0);
    QTRY_VERIFY(ticks >= 20);
    // About 20 ticks fall within one or two seconds: a repaint per tick would show here.
    QVERIFY2(paints.Count <= 4, qPrintable(QString::number(paints.Count)));
  }

  void WithoutAHandlerTheClockWakesOnlyWhenTheSecondTurns() {
    QWidget window;
    TStatusBar bar(&window);
    TEventCounter wakes(QEvent::Timer);
    bar.installEventFilter(&wakes);
    bar.SetUpdateInterval(0);  // ticks every 10 ms, as in the game window
    QTRY_VERIFY(!bar.TimeSection()->Caption().isEmpty());
    const QString shown = bar.TimeSection()->Caption();
    wakes.Count = 0;
    QTRY_VERIFY(bar.TimeSection()->Caption() != shown);
    QVERIFY2(wakes.Count <= 2, qPrintable(QString::number(wakes.Count)));

    // The texts have just changed; the bar sleeps until the next turn of the second, and at
    // most one tick past it.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const auto timers = dispatcher->registeredTimers(&bar);
    QCOMPARE(timers.size(), 1);
    // The clock is read on both sides, so a test descheduled between the readings still
    // knows when the timer is due.
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    const int wait = dispatcher->remainingTime(timers.first().timerId);
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    const qint64 nextSecond = (before / 1000 + 1) * 1000;
    QVERIFY2(after + wait >= nextSecond - 1 && before + wait <= nextSecond + 10 + 1,
             qPrintable(QStringLiteral("due in %1 ms, read %2 to %3 ms before the second turns")
                            .arg(wait)
                            .arg(nextSecond - before)
                            .arg(nextSecond - after)));

    // A handler is owed every tick again.
    int ticks = 0;
    bar.SetOnTimer([&ticks](TStatusBar*) { ++ticks; });
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 10, 900);
  }

  void OnTimerSeesThePreviousTicksTexts() {
    QWidget window;
    TStatusBar bar(&window);
    struct TSeen {
      TStatusBar* Sender;
      QString Date, Time;
    };
    std::vector<TSeen> seen;
    bar.SetOnTimer([&seen](TStatusBar* sender) {
      seen.push_back({sender, sender->DateSection()->Caption(), sender->TimeSection()->Caption()});
    });
    bar.SetUpdateInterval(20);
    QTRY_VERIFY(seen.size() >= 2);
    QCOMPARE(seen[0].Sender, &bar);
    QCOMPARE(seen[0].Date, QString());
    QCOMPARE(seen[0].Time, QString());
    QVERIFY(!seen[1].Date.isEmpty());
    QVERIFY(!seen[1].Time.isEmpty());
  }

  void AFailingTimerHandlerIsReportedAndTheClockGoesOn() {
    QWidget window;
    TStatusBar bar(&window);
    QStringList boxes;
    SetMessageHook([&boxes](QMessageBox::Icon, const QString& caption, const QString& text) {
      boxes << caption + QLatin1Char('|') + text;
    });
    int ticks = 0;
    bar.SetOnTimer([&ticks](TStatusBar*) {
      if (++ticks == 1) throw std::runtime_error("Clock handler failed");
    });
    bar.SetUpdateInterval(20);
    QTRY_VERIFY(ticks >= 2);
    SetMessageHook({});
    QCOMPARE(boxes, QStringList{QStringLiteral("Lumaro|Clock handler failed.")});
    QTRY_VERIFY(!bar.TimeSection()->Caption().isEmpty());
  }

  void SectionsDockInsideTheMainBevels_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("offset");
    QTest::newRow("sbNone") << int(sbNone) << 0;
    QTest::newRow("sbLow") << int(sbLow) << 1;
    QTest::newRow("sbHigh") << int(sbHigh) << 1;
    QTest::newRow("sbLowest") << int(sbLowest) << 2;
    QTest::newRow("sbHighest") << int(sbHighest) << 2;
    QTest::newRow("sbIsUpDown") << int(sbIsUpDown) << 2;
    QTest::newRow("sbIsDownUp") << int(sbIsDownUp) << 2;
  }
  void SectionsDockInsideTheMainBevels() {
    QFETCH(int, style);
    QFETCH(int, offset);
    QWidget window;
    window.resize(632, 434);
    TStatusBar bar(&window);
    bar.SetSectMainBevel(static_cast<TSectionBevels>(style));
    QCOMPARE(int(bar.SectMainBevel()), style);
    QCOMPARE(bar.DateSection()->geometry(), QRect(offset, offset, 100, 25 - 2 * offset));
    QCOMPARE(bar.TimeSection()->geometry(), QRect(offset + 100, offset, 100, 25 - 2 * offset));
  }

  void SectionStylesAndOutOfRangeValues() {
    QWidget window;
    TStatusBar bar(&window);
    bar.SetSectTimeBevel(sbIsDownUp);
    QCOMPARE(bar.TimeSection()->BevelOuter(), bvLowered);
    QCOMPARE(bar.TimeSection()->BevelInner(), bvRaised);
    bar.SetSectDateBevel(sbHigh);
    QCOMPARE(bar.DateSection()->BevelOuter(), bvRaised);
    QCOMPARE(bar.DateSection()->BevelInner(), bvNone);

    // Beyond sbNone: stored, no bevel changes.
    bar.SetSectTimeBevel(static_cast<TSectionBevels>(7));
    QCOMPARE(int(bar.SectTimeBevel()), 7);
    QCOMPARE(bar.TimeSection()->BevelOuter(), bvLowered);
    QCOMPARE(bar.TimeSection()->BevelInner(), bvRaised);
  }

  void WidthsAndDockingOfTheSections() {
    QWidget window;
    window.resize(632, 434);
    TStatusBar bar(&window);
    bar.SetWidthDate(150);
    QCOMPARE(bar.WidthDate(), 150);
    QCOMPARE(bar.TimeSection()->geometry().left(), 151);
    bar.SetAlignTime(alRight);
    QCOMPARE(bar.AlignTime(), alRight);
    QCOMPARE(bar.TimeSection()->geometry(), QRect(631 - 100, 1, 100, 23));
    bar.SetCaption(QStringLiteral("Lumaro for Windows 95"));
    QCOMPARE(bar.Caption(), QStringLiteral("Lumaro for Windows 95"));
  }

  void APressOnASectionReachesSectionBarAndWindow() {
    QWidget window;
    window.resize(400, 200);
    auto* bar = new TStatusBar(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TPressLog log;
    TPressForwardingPanel* time = bar->TimeSection();
    log.Watch(time);
    log.Watch(bar);
    log.Watch(&window);

    QTest::mousePress(time, Qt::LeftButton, {}, QPoint(5, 7));
    QTest::mouseRelease(time, Qt::LeftButton, {}, QPoint(5, 7));
    QCOMPARE(log.Entries.size(), size_t(3));
    QCOMPARE(log.Entries[0].Target, time);
    QCOMPARE(log.Entries[1].Target, bar);
    QCOMPARE(log.Entries[2].Target, &window);
    for (const auto& entry : log.Entries) QCOMPARE(entry.Pos, QPoint(5, 7));

    // Only the left button is passed on.
    log.Entries.clear();
    QTest::mouseClick(time, Qt::RightButton, {}, QPoint(5, 7));
    QCOMPARE(log.Entries.size(), size_t(1));

    // A press on the bar itself goes on to the window, still in the bar's coordinates,
    // also with the clock stopped.
    log.Entries.clear();
    bar->SetEnabled(false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(300, 12));
    QCOMPARE(log.Entries.size(), size_t(2));
    QCOMPARE(log.Entries[1].Target, &window);
    QCOMPARE(log.Entries[1].Pos, QPoint(300, 12));
  }

  void ClockWithoutAParentFails() {
    TStatusBar bar;
    bar.setObjectName(QStringLiteral("StatusBar"));
    try {
      bar.SetEnabled(true);
      QFAIL("no error");
    } catch (const EInvalidOperation& e) {
      QCOMPARE(QString::fromUtf8(e.what()),
               QStringLiteral("Control 'StatusBar' has no parent window"));
    }
    QVERIFY(bar.Enabled());
    QCOMPARE(bar.ClockPeriod(), 0);
    QVERIFY_THROWS_EXCEPTION(EInvalidOperation, bar.SetUpdateInterval(500));
    QCOMPARE(bar.UpdateInterval(), 500);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, bar.SetEnabled(false));
    QVERIFY(!bar.Enabled());
  }

  void LongTimeOnBothClocks_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<QString>("text");
    const QTime evening(21, 5, 7);
    QTest::newRow("12-hour 21:05:07") << evening << true << false << "9:05:07 PM";
    QTest::newRow("24-hour 21:05:07") << evening << false << true << "21:05:07";
    QTest::newRow("24-hour morning") << QTime(9, 5, 7) << false << true << "09:05:07";
    QTest::newRow("24-hour no zero") << QTime(9, 5, 7) << false << false << "9:05:07";
    QTest::newRow("12-hour zero pad") << evening << true << true << "09:05:07 PM";
    QTest::newRow("midnight") << QTime(0, 0, 0) << true << false << "12:00:00 AM";
    QTest::newRow("noon") << QTime(12, 0, 59) << true << false << "12:00:59 PM";
    QTest::newRow("before noon") << QTime(11, 59, 59) << true << false << "11:59:59 AM";
  }
  void LongTimeOnBothClocks() {
    QFETCH(QTime, time);
    QFETCH(bool, twelveHour);
    QFETCH(bool, leadingZero);
    QFETCH(QString, text);
    TClockFormats formats;
    formats.TwelveHour = twelveHour;
    formats.HourLeadingZero = leadingZero;
    formats.TimeAMString = QStringLiteral("AM");
    formats.TimePMString = QStringLiteral("PM");
    QCOMPARE(FormatLongTime(time, formats), text);
  }

  void LocaleFactsAndTheirFallbacks() {
    const TClockFormats fallback;
    QCOMPARE(FormatShortDate(QDate(2024, 3, 5), fallback), QStringLiteral("3/5/24"));
    QCOMPARE(FormatLongTime(QTime(21, 5, 7), fallback), QStringLiteral("9:05:07 pm"));
    QCOMPARE(FormatLongTime(QTime(), fallback), QString());

    const TClockFormats us =
        ClockFormatsFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(us.TwelveHour);
    QVERIFY(!us.HourLeadingZero);
    QCOMPARE(us.TimePMString, QStringLiteral("PM"));
    QCOMPARE(FormatLongTime(QTime(21, 5, 7), us), QStringLiteral("9:05:07 PM"));
    QCOMPARE(FormatShortDate(QDate(2024, 3, 5), us), QStringLiteral("3/5/24"));

    const TClockFormats de = ClockFormatsFromLocale(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(!de.TwelveHour);
    QVERIFY(de.HourLeadingZero);
    QCOMPARE(FormatLongTime(QTime(21, 5, 7), de), QStringLiteral("21:05:07"));
    QCOMPARE(FormatShortDate(QDate(2024, 3, 5), de), QStringLiteral("05.03.24"));

    const QLocale gb(QLocale::English, QLocale::UnitedKingdom);
    QCOMPARE(FormatShortDate(QDate(2026, 12, 8), ClockFormatsFromLocale(gb), gb),
             QStringLiteral("08/12/2026"));

    // The C locale (LANG=C, C.UTF-8) has no short date pattern of its own.
    const TClockFormats c = ClockFormatsFromLocale(QLocale::c());
    QCOMPARE(FormatShortDate(QDate(2026, 12, 8), c, QLocale::c()), QStringLiteral("12/8/26"));
    QCOMPARE(FormatLongTime(QTime(21, 5, 7), c, QLocale::c()), QStringLiteral("21:05:07"));
  }

  void DateAndTimeShareTheLocalesDigits() {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    TClockFormats formats = ClockFormatsFromLocale(arabic);
    QVERIFY(formats.TwelveHour);
    const QString date = FormatShortDate(QDate(2026, 12, 8), formats, arabic);
    const QString time = FormatLongTime(QTime(21, 5, 7), formats, arabic);
    QCOMPARE(time, QStringLiteral("\u0669:\u0660\u0665:\u0660\u0667 \u0645"));
    formats.HourLeadingZero = true;
    QCOMPARE(FormatLongTime(QTime(9, 5, 7), formats, arabic),
             QStringLiteral("\u0660\u0669:\u0660\u0665:\u0660\u0667 \u0635"));

    int digits = 0;
    for (const QChar ch : date + time) {
      if (!ch.isDigit()) continue;
      ++digits;
      QVERIFY2(ch >= QChar(0x0660) && ch <= QChar(0x0669),
               qPrintable(date + QLatin1Char(' ') + time));
    }
    QCOMPARE(digits, 7 + 5);
  }
};

QTEST_MAIN(TStatusBarTest)
#include "status_bar_test.moc"
