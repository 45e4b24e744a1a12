// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "StatusBar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>
#include <limits>

#include "MessageBoxes.h"

namespace {

// The classic window timer served periods between 10 ms and 2^31 - 1 ms. Keeping its floor
// matters: a 0 ms Qt timer fires on every pass of the event loop and keeps a core busy.
constexpr int kMinTimerPeriod = 10;

int TimerPeriodFor(int interval) {
  if (interval < 0) return std::numeric_limits<int>::max();
  return interval < kMinTimerPeriod ? kMinTimerPeriod : interval;
}

constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kNsPerSecond = 1'000'000'000;

// Qt's timers run on this clock too, so it measures how long to sleep.
qint64 SteadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// How long until the wall clock's second turns, and with it the time or the date text.
qint64 NsToNextSecond() {
  const qint64 wall = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  return kNsPerSecond - ((wall % kNsPerSecond) + kNsPerSecond) % kNsPerSecond;
}

void ApplySectionBevels(TCustomPanel* panel, TSectionBevels value) {
  if (const auto cuts = SectionBevelCuts(value)) {
    panel->SetBevelOuter(cuts->first);
    panel->SetBevelInner(cuts->second);
  }
}

}  // namespace

std::optional<std::pair<TBevelCut, TBevelCut>> SectionBevelCuts(TSectionBevels value) {
  switch (value) {
    case sbLow:
      return std::pair{bvLowered, bvNone};
    case sbLowest:
      return std::pair{bvLowered, bvLowered};
    case sbHigh:
      return std::pair{bvRaised, bvNone};
    case sbHighest:
      return std::pair{bvRaised, bvRaised};
    case sbIsUpDown:
      return std::pair{bvRaised, bvLowered};
    case sbIsDownUp:
      return std::pair{bvLowered, bvRaised};
    case sbNone:
      return std::pair{bvNone, bvNone};
  }
  return std::nullopt;
}

TClockFormats ClockFormatsFromLocale(const QLocale& locale) {
  TClockFormats formats;
  // The C locale has no short date pattern of its own; Qt fills the gap with "d MMM yyyy",
  // which no real locale uses for its short dates.
  const QString date = locale.dateFormat(QLocale::ShortFormat);
  if (!date.isEmpty() && date != QLocale::c().dateFormat(QLocale::ShortFormat))
    formats.ShortDateFormat = date;

  const QString time = locale.timeFormat(QLocale::LongFormat);
  if (!time.isEmpty()) {
    // Only the hour field and the presence of an am/pm field count; quoted text is literal.
    bool quoted = false;
    bool hourSeen = false;
    bool ampm = false;
    for (qsizetype i = 0; i < time.size(); ++i) {
      const QChar c = time.at(i);
      if (c == QLatin1Char('\'')) {
        quoted = !quoted;
      } else if (quoted) {
        continue;
      } else if ((c == QLatin1Char('h') || c == QLatin1Char('H')) && !hourSeen) {
        hourSeen = true;
        formats.HourLeadingZero = i + 1 < time.size() && time.at(i + 1) == c;
      } else if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
        ampm = true;
      }
    }
    formats.TwelveHour = ampm;
  }
  if (!locale.amText().isEmpty()) formats.TimeAMString = locale.amText();
  if (!locale.pmText().isEmpty()) formats.TimePMString = locale.pmText();
  return formats;
}

QString FormatShortDate(const QDate& date, const TClockFormats& formats, const QLocale& names) {
  if (!date.isValid()) return {};
  return names.toString(date, formats.ShortDateFormat);
}

QString FormatLongTime(const QTime& time, const TClockFormats& formats, const QLocale& digits) {
  if (!time.isValid()) return {};
  int hour = time.hour();
  if (formats.TwelveHour) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  // The hour shown is chosen here; the locale writes the numbers, in the date's digits.
  const QTime shown(hour, time.minute(), time.second());
  QString text = digits.toString(
      shown, formats.HourLeadingZero ? QStringLiteral("hh:mm:ss") : QStringLiteral("h:mm:ss"));
  if (formats.TwelveHour) {
    text += QLatin1Char(' ');
    text += time.hour() < 12 ? formats.TimeAMString : formats.TimePMString;
  }
  return text;
}

TPressForwardingPanel::TPressForwardingPanel(QWidget* parent) : TCustomPanel(parent) {}

void TPressForwardingPanel::mousePressEvent(QMouseEvent* e) {
  TCustomPanel::mousePressEvent(e);
  // Only a plain left press is passed on; a double click is a message of its own.
  if (e->type() != QEvent::MouseButtonPress || e->button() != Qt::LeftButton) return;
  QWidget* parent = parentWidget();
  if (parent == nullptr || isWindow()) return;
  QMouseEvent copy(e->type(), e->position(), e->scenePosition(), e->globalPosition(), e->button(),
                   e->buttons(), e->modifiers(), e->pointingDevice());
  QCoreApplication::sendEvent(parent, &copy);
  // Handled here and passed on by hand: Qt must not propagate it to the parent a second time.
  e->accept();
}

TStatusBar::TStatusBar(QWidget* parent) : TPressForwardingPanel(parent) {
  SetHeight(25);
  SetAlign(alBottom);
  FDateSection = new TPressForwardingPanel(this);
  FDateSection->SetBevelOuter(bvLowered);
  FDateSection->SetBevelInner(bvNone);
  FTimeSection = new TPressForwardingPanel(this);
  FTimeSection->SetBevelOuter(bvLowered);
  FTimeSection->SetBevelInner(bvNone);
  SetWidthTime(100);
  SetWidthDate(100);
  SetAlignDate(alLeft);
  SetAlignTime(alLeft);
  SetSectDateBevel(sbLow);
  SetSectTimeBevel(sbLow);
  SetSectMainBevel(sbLow);
  FUpdateInterval = 1000;
  FLocale = QLocale::system();
  FClockFormats = ClockFormatsFromLocale(FLocale);
}

void TStatusBar::SetSectMainBevel(TSectionBevels value) {
  FSectMainBevel = value;
  ApplySectionBevels(this, value);
}

void TStatusBar::SetSectDateBevel(TSectionBevels value) {
  FSectDateBevel = value;
  ApplySectionBevels(FDateSection, value);
}

void TStatusBar::SetSectTimeBevel(TSectionBevels value) {
  FSectTimeBevel = value;
  ApplySectionBevels(FTimeSection, value);
}

void TStatusBar::SetAlignTime(TAlign value) {
  FAlignTime = value;
  FTimeSection->SetAlign(value);
}

void TStatusBar::SetAlignDate(TAlign value) {
  FAlignDate = value;
  FDateSection->SetAlign(value);
}

void TStatusBar::SetWidthTime(int value) {
  FWidthTime = value;
  FTimeSection->SetWidth(value);
}

void TStatusBar::SetWidthDate(int value) {
  FWidthDate = value;
  FDateSection->SetWidth(value);
}

void TStatusBar::HandleNeeded() const {
  if (parentWidget() == nullptr) {
    throw EInvalidOperation(
        QCoreApplication::translate("TStatusBar", "Control '%1' has no parent window")
            .arg(objectName())
            .toStdString());
  }
}

void TStatusBar::SetEnabled(bool value) {
  FEnabled = value;
  HandleNeeded();
  FClock.stop();
  if (value) {
    FTimerPeriod = TimerPeriodFor(FUpdateInterval);
    FClockStart = SteadyNs();
    ScheduleTick();
  }
}

void TStatusBar::SetUpdateInterval(int value) {
  FUpdateInterval = value;
  SetEnabled(false);
  SetEnabled(true);
}

void TStatusBar::SetOnTimer(TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  if (FClock.isActive()) ScheduleTick();
}

void TStatusBar::SetClockFormats(const TClockFormats& formats) {
  FClockFormats = formats;
  FShownSecond = kNoSecond;
  if (FClock.isActive()) ScheduleTick();
}

// Sets FClock for the next tick after now. A handler is owed every tick; without one, the bar
// sleeps until the first tick at which a text can change, so an idle game wakes once a second
// instead of a hundred times, and the texts still change at the very tick they always did.
void TStatusBar::ScheduleTick() {
  const qint64 toNextSecond = NsToNextSecond();
  const qint64 now = SteadyNs();
  qint64 from = now + 1;
  if (!FOnTimer && FShownSecond != kNoSecond) from = std::max(from, now + toNextSecond);
  const qint64 period = FTimerPeriod * kNsPerMs;
  const qint64 ticks = (from - FClockStart + period - 1) / period;
  FDueTick = FClockStart + ticks * period;
  ArmClock();
}

void TStatusBar::ArmClock() {
  const qint64 wait = (FDueTick - SteadyNs() + kNsPerMs - 1) / kNsPerMs;
  // Qt counts milliseconds in an int; a longer wait is covered in stages.
  const int ms = static_cast<int>(std::clamp<qint64>(wait, 1, std::numeric_limits<int>::max()));
  FClock.start(ms, Qt::PreciseTimer, this);
}

void TStatusBar::timerEvent(QTimerEvent* e) {
  if (e->timerId() != FClock.timerId()) {
    TPressForwardingPanel::timerEvent(e);
    return;
  }
  // A handler that opens a modal box keeps the event loop, and so the clock, running.
  if (FInTick) return;
  if (SteadyNs() < FDueTick) {
    ArmClock();
    return;
  }
  FInTick = true;
  RunGuarded(window(), [this] { Tick(); });
  FInTick = false;
  // The handler may have stopped the clock; if it restarted it, this finds the same tick.
  if (FClock.isActive()) ScheduleTick();
}

void TStatusBar::Tick() {
  if (FOnTimer) FOnTimer(this);
  // The texts show whole seconds, so within one second there is nothing new to format: at a
  // short interval that keeps the clock nearly free. SetCaption repaints only on a change.
  const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
  if (second == FShownSecond) return;
  FShownSecond = second;
  const QDateTime now = QDateTime::currentDateTime();
  FDateSection->SetCaption(FormatShortDate(now.date(), FClockFormats, FLocale));
  FTimeSection->SetCaption(FormatLongTime(now.time(), FClockFormats, FLocale));
}
