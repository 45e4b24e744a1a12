// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The names of holds ("low pair", "four to a flush with 2 high cards", "K Q or K J suited",
// "two deuces: four to a straight flush, one gap", "three aces with a 2, 3 or 4 kicker") in
// the player's language. The analysis names them in English for its command-line tool; the
// window puts the same pieces together (the family, each kind of leaf, its high cards, the
// wild cards held) from the patterns themselves, through Qt's translations, in English word
// for word as the analysis does. A name with a piece the translations don't know yet is
// shown whole in English, never half translated.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "hold_patterns.h"
#include "strategy_chart.h"

// As words.GroupName names these leaves of one family.
QString ShownGroupName(const THoldWords& words, const std::vector<TPatternId>& leaves);
QString ShownPatternName(const THoldWords& words, TPatternId pattern);
// The same in Jacks or Better's words.
QString ShownGroupName(const std::vector<TPatternId>& leaves);
QString ShownPatternName(TPatternId pattern);
// A pattern's name as the hand history stores it (PatternName's English, of any game's
// words), shown; a name no pattern has any more as it is, and an empty one as "unnamed".
QString ShownStoredPattern(const std::string& name);
// The order each whole family's line takes its members in, as FamilyOrderNotes says it, in
// the chart's words.
QStringList ShownFamilyOrderNotes(const TStrategyChart& chart);
