// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The status bar at the bottom of the game window: its own caption centred across the bar,
// and two sections docked inside its bevels that a clock keeps showing the date and the time.

#include <QBasicTimer>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

#include "ControlErrors.h"
#include "CustomPanel.h"

// Sets both bevels of a section at once.
enum TSectionBevels : std::uint8_t {
  sbLow,
  sbLowest,
  sbHigh,
  sbHighest,
  sbIsUpDown,
  sbIsDownUp,
  sbNone
};

// Outer and inner bevel of a section style; nothing for a value beyond sbNone.
std::optional<std::pair<TBevelCut, TBevelCut>> SectionBevelCuts(TSectionBevels value);

// What the user's locale says about showing a date and a time.
struct TClockFormats {
  QString ShortDateFormat = QStringLiteral("M/d/yy");  // a QLocale date pattern
  bool HourLeadingZero = false;
  bool TwelveHour = true;
  QString TimeAMString = QStringLiteral("am");
  QString TimePMString = QStringLiteral("pm");
};

// Reads the facts from a locale; what it leaves out keeps the defaults above.
TClockFormats ClockFormatsFromLocale(const QLocale& locale);

// The date in the short date format; its digits and month and day names, if any, from the
// given locale.
QString FormatShortDate(const QDate& date, const TClockFormats& formats,
                        const QLocale& names = QLocale::c());

// "h" or "hh", then ":mm:ss", then on a 12-hour clock a space and the am or pm text; the
// numbers in the given locale's digits.
QString FormatLongTime(const QTime& time, const TClockFormats& formats,
                       const QLocale& digits = QLocale::c());

// A panel that, after handling a left button press itself, hands the same press at the
// same (its own) coordinates to its parent.
class TPressForwardingPanel : public TCustomPanel {
  Q_OBJECT

 public:
  explicit TPressForwardingPanel(QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
};

class TStatusBar : public TPressForwardingPanel {
  Q_OBJECT

 public:
  using TNotifyEvent = std::function<void(TStatusBar* sender)>;

  explicit TStatusBar(QWidget* parent = nullptr);

  TSectionBevels SectMainBevel() const { return FSectMainBevel; }
  void SetSectMainBevel(TSectionBevels value);
  TSectionBevels SectDateBevel() const { return FSectDateBevel; }
  void SetSectDateBevel(TSectionBevels value);
  TSectionBevels SectTimeBevel() const { return FSectTimeBevel; }
  void SetSectTimeBevel(TSectionBevels value);
  TAlign AlignTime() const { return FAlignTime; }
  void SetAlignTime(TAlign value);
  TAlign AlignDate() const { return FAlignDate; }
  void SetAlignDate(TAlign value);
  int WidthTime() const { return FWidthTime; }
  void SetWidthTime(int value);
  int WidthDate() const { return FWidthDate; }
  void SetWidthDate(int value);

  // Runs or stops the clock only; the bar keeps taking mouse input either way.
  // Throws EInvalidOperation, after storing the flag, when the bar has no parent.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);

  // Called on every tick, before the sections change. Without a handler the bar sleeps
  // through the ticks at which neither text can change.
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent handler);

  // Milliseconds between ticks. Writing it (re)starts the clock, and throws like SetEnabled.
  int UpdateInterval() const { return FUpdateInterval; }
  void SetUpdateInterval(int value);

  TPressForwardingPanel* DateSection() const { return FDateSection; }
  TPressForwardingPanel* TimeSection() const { return FTimeSection; }

  // Period of the running clock in milliseconds, 0 while it is stopped.
  int ClockPeriod() const { return FClock.isActive() ? FTimerPeriod : 0; }

  // Taken from the system locale when the bar is made; new formats show at the next tick.
  const TClockFormats& ClockFormats() const { return FClockFormats; }
  void SetClockFormats(const TClockFormats& formats);

 protected:
  void timerEvent(QTimerEvent* e) override;

 private:
  void HandleNeeded() const;
  void ScheduleTick();
  void ArmClock();
  void Tick();

  TSectionBevels FSectDateBevel = sbLow;
  TSectionBevels FSectTimeBevel = sbLow;
  TSectionBevels FSectMainBevel = sbLow;
  TAlign FAlignTime = alLeft;
  TAlign FAlignDate = alLeft;
  int FWidthTime = 100;
  int FWidthDate = 100;
  bool FEnabled = false;
  TNotifyEvent FOnTimer;
  int FUpdateInterval = 1000;
  TPressForwardingPanel* FDateSection = nullptr;
  TPressForwardingPanel* FTimeSection = nullptr;

  // The clock's ticks fall every period after its start; FClock wakes the bar for one of them.
  QBasicTimer FClock;
  int FTimerPeriod = 0;
  qint64 FClockStart = 0;  // steady clock, nanoseconds
  qint64 FDueTick = 0;     // the tick FClock is set for, steady clock, nanoseconds
  bool FInTick = false;
  static constexpr qint64 kNoSecond = std::numeric_limits<qint64>::min();
  qint64 FShownSecond = kNoSecond;  // the second the sections show, in seconds since 1970
  TClockFormats FClockFormats;
  QLocale FLocale;
};
