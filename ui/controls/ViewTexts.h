// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The engine's texts in the player's language: each sentence of a text's wording through the
// translations installed (context "TGameView"), its numbers put in for %1, %2, %3 and %n.
// With no translation installed this is the engine's English, byte for byte.

#include <QString>
#include <span>

#include "game_engine.h"
#include "sentences.h"

QString ShownText(const TSentence& sentence);
QString ShownText(const TWording& wording);
// The heading of the statistics grid's column for a hand category.
QString GridHeading(int category);
// A name of the engine's own, a game's or a pay line's ("Deuces Wild", "Four Aces"), in the
// player's language (context "TGameNames").
QString ShownTerm(std::string_view term);
// The heading of a game's statistics column, in the short form the grid and the second
// statistics line have room for (context "TGameView", as today's game's headings).
QString ShownHeading(std::string_view heading);
// The engine's English names and headings the translators are given, for the check that every
// game's texts are among them.
std::span<const char* const> TranslatedNames();
std::span<const char* const> TranslatedHeadings();
// The view with every text that has a wording in the player's language (as UTF-8, the form
// the window reads the view's texts in).
TGameView InPlayersLanguage(const TGameView& view);
