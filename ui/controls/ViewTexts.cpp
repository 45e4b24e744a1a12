// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "ViewTexts.h"

#include <QCoreApplication>
#include <array>
#include <limits>

namespace {

constexpr const char* kNamesContext = "TGameNames";

// The names of every game and of every pay line it prints, as the engine spells them: the
// window looks each up by its English. A name of a new game is added here.
constexpr std::array kNames = {
    //: A game's name, in the Choose Game dialog and atop the pay table.
    QT_TRANSLATE_NOOP("TGameNames", "Jacks or Better"),
    //: A game's name, in the Choose Game dialog and atop the pay table.
    QT_TRANSLATE_NOOP("TGameNames", "Bonus Poker"),
    QT_TRANSLATE_NOOP("TGameNames", "Bonus Poker Deluxe"),
    QT_TRANSLATE_NOOP("TGameNames", "Double Bonus Poker"),
    QT_TRANSLATE_NOOP("TGameNames", "Double Double Bonus Poker"),
    QT_TRANSLATE_NOOP("TGameNames", "Triple Double Bonus Poker"),
    //: A game's name: four aces and four jacks, queens or kings pay more.
    QT_TRANSLATE_NOOP("TGameNames", "Aces and Faces"),
    //: A game's name: the four 2s are wild.
    QT_TRANSLATE_NOOP("TGameNames", "Deuces Wild"),
    //: A game's name: 53 cards, the joker wild.
    QT_TRANSLATE_NOOP("TGameNames", "Joker Poker"),
    //: A pay line's name, in the pay table beside the game, in Payouts Options and in "Player
    //: has %t" after the draw.
    QT_TRANSLATE_NOOP("TGameNames", "Two Pair"),
    QT_TRANSLATE_NOOP("TGameNames", "Three of a Kind"),
    QT_TRANSLATE_NOOP("TGameNames", "Straight"),
    QT_TRANSLATE_NOOP("TGameNames", "Flush"),
    QT_TRANSLATE_NOOP("TGameNames", "Full House"),
    QT_TRANSLATE_NOOP("TGameNames", "Four of a Kind"),
    QT_TRANSLATE_NOOP("TGameNames", "Straight Flush"),
    QT_TRANSLATE_NOOP("TGameNames", "Royal Flush"),
    //: A pay line: four of a kind of fives up to kings.
    QT_TRANSLATE_NOOP("TGameNames", "Four 5s-Ks"),
    //: A pay line: four twos, threes or fours.
    QT_TRANSLATE_NOOP("TGameNames", "Four 2s-4s"),
    QT_TRANSLATE_NOOP("TGameNames", "Four Aces"),
    //: A pay line: four twos, threes or fours, the fifth card an ace, 2, 3 or 4.
    QT_TRANSLATE_NOOP("TGameNames", "Four 2s-4s with an A, 2, 3 or 4 kicker"),
    //: A pay line: four aces, the fifth card a 2, 3 or 4.
    QT_TRANSLATE_NOOP("TGameNames", "Four Aces with a 2, 3 or 4 kicker"),
    //: A pay line: four of a kind of twos up to tens.
    QT_TRANSLATE_NOOP("TGameNames", "Four 2s-10s"),
    //: A pay line: four jacks, queens or kings.
    QT_TRANSLATE_NOOP("TGameNames", "Four Jacks-Kings"),
    //: Deuces Wild's losing hand: less than three of a kind.
    QT_TRANSLATE_NOOP("TGameNames", "No Win"),
    //: A pay line of the wild-card games: five cards of one rank, a wild card among them.
    QT_TRANSLATE_NOOP("TGameNames", "Five of a Kind"),
    //: A pay line: a royal flush made with a wild card (a deuce or the joker).
    QT_TRANSLATE_NOOP("TGameNames", "Wild Royal Flush"),
    //: Deuces Wild's pay line for the four 2s.
    QT_TRANSLATE_NOOP("TGameNames", "Four Deuces"),
    //: A pay line: a royal flush without a wild card.
    QT_TRANSLATE_NOOP("TGameNames", "Natural Royal Flush"),
    //: Joker Poker's lowest pay line: a pair of kings or aces.
    QT_TRANSLATE_NOOP("TGameNames", "Kings or Better"),
};

// The other games' statistics headings beyond today's game's (engine/play_stats.h).
constexpr std::array kHeadings = {
    //: A column heading of the statistics grid (a narrow column) and an item of the second
    //: statistics line: the count of Deuces Wild's losing hands.
    QT_TRANSLATE_NOOP("TGameView", "No Win"),
    //: A column heading of the statistics grid (a narrow column) and an item of the second
    //: statistics line: four of a kind of fives up to kings.
    QT_TRANSLATE_NOOP("TGameView", "Four 5s-Ks"),
    //: A column heading of the statistics grid (a narrow column): four twos, threes or fours.
    QT_TRANSLATE_NOOP("TGameView", "Four 2s-4s"),
    //: A column heading of the statistics grid (a narrow column).
    QT_TRANSLATE_NOOP("TGameView", "Four Aces"),
    //: A column heading of the statistics grid (a narrow column): four twos, threes or fours
    //: with an ace, 2, 3 or 4 as fifth card. A short form is welcome.
    QT_TRANSLATE_NOOP("TGameView", "Four 2s-4s with an A, 2, 3 or 4 kicker"),
    //: A column heading of the statistics grid (a narrow column): four aces with a 2, 3 or 4
    //: as fifth card. A short form is welcome.
    QT_TRANSLATE_NOOP("TGameView", "Four Aces with a 2, 3 or 4 kicker"),
    //: A column heading of the statistics grid (a narrow column): four twos up to tens.
    QT_TRANSLATE_NOOP("TGameView", "Four 2s-10s"),
    //: A column heading of the statistics grid (a narrow column): four jacks, queens or kings.
    QT_TRANSLATE_NOOP("TGameView", "Four Jacks-Kings"),
    //: A column heading of the statistics grid (a narrow column): five of a kind.
    QT_TRANSLATE_NOOP("TGameView", "5 of a Kind"),
    //: A column heading of the statistics grid (a narrow column): a royal flush made with a
    //: wild card.
    QT_TRANSLATE_NOOP("TGameView", "Wild Royal Flush"),
    //: A column heading of the statistics grid (a narrow column): Deuces Wild's four 2s.
    QT_TRANSLATE_NOOP("TGameView", "Four Deuces"),
    //: A column heading of the statistics grid (a narrow column): a royal flush without a
    //: wild card.
    QT_TRANSLATE_NOOP("TGameView", "Natural Royal Flush"),
};

void Translate(std::string& text, const TWording& wording) {
  if (!wording.empty()) text = ShownText(wording).toStdString();
}

}  // namespace

QString ShownText(const TSentence& sentence) {
  const std::string_view source = SentenceTemplate(sentence.Id);
  // Qt picks the plural form by the count and puts it in for %n, for a count from 0 up; any
  // other we put in ourselves. Every template is a literal of sentences.cpp, so its data ends
  // with a NUL.
  const bool counted = SentenceCounts(sentence.Id) && sentence.Count >= 0 &&
                       sentence.Count <= std::numeric_limits<int>::max();
  QString text = QCoreApplication::translate(kViewTextContext, source.data(), nullptr,
                                             counted ? static_cast<int>(sentence.Count) : -1);
  if (!counted) text.replace(QStringLiteral("%n"), QString::number(sentence.Count));
  // The high hands line names statistics columns; the hand after the draw names its pay line.
  const QString term = sentence.Term.empty()           ? QString()
                       : sentence.Id == snGameHighItem ? ShownHeading(sentence.Term)
                                                       : ShownTerm(sentence.Term);
  text.replace(QStringLiteral("%t"), term);
  // Each mark by its number, wherever the translation puts it (QString::arg would fill the
  // lowest mark present, whichever number it has).
  for (std::size_t i = 0; i < sentence.Numbers.size(); ++i)
    text.replace(QLatin1Char('%') + QString::number(i + 1), QString::number(sentence.Numbers[i]));
  return text;
}

QString ShownText(const TWording& wording) {
  QString text;
  for (const TSentence& sentence : wording) text += ShownText(sentence);
  return text;
}

QString ShownTerm(std::string_view term) {
  // The engine's names are literals; a copy ends with the NUL the translator's lookup needs.
  const std::string source(term);
  return QCoreApplication::translate(kNamesContext, source.c_str());
}

QString ShownHeading(std::string_view heading) {
  const std::string source(heading);
  return QCoreApplication::translate(kViewTextContext, source.c_str());
}

std::span<const char* const> TranslatedNames() {
  return kNames;
}

std::span<const char* const> TranslatedHeadings() {
  return kHeadings;
}

QString GridHeading(int category) {
  if (category < 0 || category >= kHandCategoryCount) return {};
  return QCoreApplication::translate(kViewTextContext,
                                     kGridHeadings[static_cast<std::size_t>(category)].data());
}

TGameView InPlayersLanguage(const TGameView& view) {
  TGameView shown = view;
  for (THoldPanelView& panel : shown.HoldPanels) Translate(panel.Caption, panel.CaptionWording);
  Translate(shown.HandText, shown.HandWording);
  Translate(shown.MoneyMessage, shown.MoneyWording);
  Translate(shown.SecondMessage, shown.SecondWording);
  return shown;
}
