// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The hand history's summary as words and numbers: the texts the history page and
// `lumaro-analyze history` share, and the command's report in text or JSON.

#include <QString>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "hand_history.h"

// Local time, "2026-12-08 21:46".
QString SessionStartText(std::int64_t seconds);
// A rate 0..1 as "93.2 %".
QString BestRateText(double rate);
// Coins with two decimals and a point: "12.34".
QString CostText(double coins);
// A count with its noun, one or many: "1 hand", "21 hands".
QString CountText(std::int64_t count, const char* one, const char* many);
// A pattern as shown; an empty one (a mistake the classifier had no words for) as "unnamed".
QString PatternText(const std::string& pattern);
// The name of a recorded game as the engine gives it; an id no game of ours has as it was
// stored, control characters as '?'.
QString RecordedGameName(const std::string& id);

// The sessions, the costliest situations and the totals of the history file, as text or as
// one JSON document, for sessions started at or after `since` (its text as the user gave
// it), of one game or, with `game` null, of all. Opens the file read-only: never creates,
// migrates or moves it. A missing file gives an empty summary with a note. Returns the exit
// code: 0, or 1 (with a line on `err`) when the file can't be read.
int PrintHistorySummary(const QString& filePath, std::optional<std::int64_t> since,
                        const std::string& sinceText, bool json, std::ostream& out,
                        std::ostream& err, const TGame* game = nullptr);
