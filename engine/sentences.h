// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The sentences the engine shows, each an English template whose %1, %2 and %3 stand for its
// numbers and %n for the one that counts things. The view keeps, beside each of its texts,
// the sentences the text is made of with their numbers (its wording), so that the window can
// say it in the player's language, a whole sentence at a time; filled in, the templates give
// the English exactly.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Marks a text of the engine for the translators' tool, which collects it under its context
// (lupdate reads LUMARO_TEXT as QT_TRANSLATE_NOOP and LUMARO_COUNTED_TEXT, whose text holds
// %n, as QT_TRANSLATE_N_NOOP). Here each is the English text itself.
#define LUMARO_TEXT(context, text) text
#define LUMARO_COUNTED_TEXT(context, text) text

// The context the window translates the engine's texts in.
inline constexpr const char* kViewTextContext = "TGameView";

enum TSentenceId : std::uint8_t {
  // The captions of a hold panel.
  snHoldDraw,
  snHoldHold,
  snHoldOver,
  // What the machine says of a settled hand, one per TOutcome in its order.
  snNoPair,
  snLowPair,
  snHighPair,
  snTwoPair,
  snThreeOfAKind,
  snStraight,
  snFlush,
  snFullHouse,
  snFourOfAKind,
  snStraightFlush,
  snRoyalFlush,
  // The money message of a settled hand: the total after it; a bonus also the multiplier + 1.
  snLost,
  snWin,
  snBonus,
  // A practice hand: what it would have done; the total, which stays.
  snPracticeHand,
  snPracticeCost,
  snPracticePay,
  snPracticeEven,
  // The statistics lines: won (%n), lost and pairs; then the high hands, each with its count.
  snSummary,
  snHighTwoPair,
  snHighThreeOfAKind,
  snHighStraight,
  snHighFlush,
  snHighFullHouse,
  snHighFourOfAKind,
  snHighStraightFlush,
  snHighRoyalFlush,
  // The hand after the draw in the other games, %t its line's name; "Wow!" for the hands that
  // sound as four of a kind or better.
  snGameHand,
  snBigGameHand,
  // The statistics lines of the other games: won (%n) and lost; the high hands, each line's
  // name (%t) with its count.
  snGameSummary,
  snGameHighHands,
  snGameHighItem,
  // Blanks where a text is cleared or a line has nothing to say; not translated.
  snBlank,
  snTwoBlanks,
};
inline constexpr int kSentenceCount = snTwoBlanks + 1;

// One sentence with the numbers it says: Numbers fill %1, %2, %3 and Count fills %n; Term,
// a name of the engine's own (a pay line's), fills %t.
struct TSentence {
  TSentenceId Id = snBlank;
  std::array<std::int64_t, 3> Numbers{};
  std::int64_t Count = 0;
  std::string_view Term{};
  friend bool operator==(const TSentence&, const TSentence&) = default;
};

// A text as the sentences it is made of, run together: one, or the high hands line's items.
using TWording = std::vector<TSentence>;

// The English template of a sentence ("You Lost Total is now %1").
std::string_view SentenceTemplate(TSentenceId id);
// Whether the sentence holds %n, a number that counts things (its translation has plural forms).
bool SentenceCounts(TSentenceId id);
// The template with its numbers put in: the English the player reads.
std::string EnglishText(const TSentence& sentence);
std::string EnglishText(const TWording& wording);
