// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The engine's texts in the player's language: each sentence of a text's wording through the
// translations installed (context "TGameView"), its numbers put in for %1, %2, %3 and %n.
// With no translation installed this is the engine's English, byte for byte.

#include <QString>

#include "game_engine.h"
#include "sentences.h"

QString ShownText(const TSentence& sentence);
QString ShownText(const TWording& wording);
// The heading of the statistics grid's column for a hand category.
QString GridHeading(int category);
// A name of the engine's own (a pay line's, a statistics column's) in the player's language.
QString ShownTerm(std::string_view term);
// The view with every text that has a wording in the player's language (as UTF-8, the form
// the window reads the view's texts in).
TGameView InPlayersLanguage(const TGameView& view);
