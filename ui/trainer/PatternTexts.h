// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The names of holds ("low pair", "four to a flush with 2 high cards", "K Q or K J suited") in
// the player's language. The analysis names them in English for its command-line tool; the
// window puts the same pieces together (the family, each kind of leaf, its high cards) from
// the patterns themselves, through Qt's translations, in English word for word as the
// analysis does.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "hold_patterns.h"
#include "strategy_chart.h"

// As GroupName names these leaves of one family.
QString ShownGroupName(const std::vector<TPatternId>& leaves);
QString ShownPatternName(TPatternId pattern);
// A pattern's name as the hand history stores it (PatternName's English), shown; a name no
// pattern has any more as it is, and an empty one as "unnamed".
QString ShownStoredPattern(const std::string& name);
// The order each whole family's line takes its members in, as FamilyOrderNotes says it.
QStringList ShownFamilyOrderNotes(const TStrategyChart& chart);
