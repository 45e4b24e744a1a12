// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "sentences.h"

namespace {

// The lines starting with //: are what the translators read beside each text.
constexpr std::array<std::string_view, kSentenceCount> kTemplates = {
    //: A hold panel under a card: the card is replaced at the draw.
    LUMARO_TEXT("TGameView", "Draw"),
    //: A hold panel under a card: the card stays at the draw.
    LUMARO_TEXT("TGameView", "Hold"),
    //: A hold panel under a card once the hand is settled.
    LUMARO_TEXT("TGameView", "Over"),
    //: The hand after the draw. The blank at the end is the machine's own.
    LUMARO_TEXT("TGameView", "Player has No Pair "),
    //: The hand after the draw: a pair of tens or lower, which loses.
    LUMARO_TEXT("TGameView", "Player has One Pair"),
    //: The hand after the draw: a pair of jacks, queens, kings or aces, which pays.
    LUMARO_TEXT("TGameView", "Player has pair of Jacks or Better"),
    LUMARO_TEXT("TGameView", "Player has Two Pair"),
    LUMARO_TEXT("TGameView", "Player has Three of a Kind"),
    LUMARO_TEXT("TGameView", "Player has a Straight"),
    LUMARO_TEXT("TGameView", "Player has a Flush"),
    LUMARO_TEXT("TGameView", "Player has a Full House"),
    LUMARO_TEXT("TGameView", "Wow! Four of a Kind"),
    LUMARO_TEXT("TGameView", "Wow! Straight Flush"),
    LUMARO_TEXT("TGameView", "Wow! Royal Flush"),
    //: A hand lost; %1 is the total after it.
    LUMARO_TEXT("TGameView", "You Lost Total is now %1"),
    //: A win paid at multiplier 0 (the bet comes back); %1 is the total.
    LUMARO_TEXT("TGameView", "You Win Total is now %1"),
    //: A win: %1 is the multiplier plus one (the stake comes back with it), as in "*Bonus* 8X";
    //: %2 is the total after it.
    LUMARO_TEXT("TGameView", "*Bonus* %1X  Paid You Win! Total is now %2"),
    //: The second message line while a practice hand is played.
    LUMARO_TEXT("TGameView", "Practice hand: no money moves"),
    //: A practice hand that lost: %1 is the bet it would have cost, %2 the total.
    LUMARO_TEXT("TGameView", "Practice hand: it would cost %1. Total stays %2"),
    //: A practice hand that won: %1 is what it would have paid, %2 the total.
    LUMARO_TEXT("TGameView", "Practice hand: it would pay %1. Total stays %2"),
    //: A practice hand won at multiplier 0; %1 is the total.
    LUMARO_TEXT("TGameView", "Practice hand: the bet would come back. Total stays %1"),
    //: The first statistics line: %n hands won, %1 hands lost, %2 one-pair hands (paying or not).
    LUMARO_COUNTED_TEXT("TGameView", "Player has Won %n hands and Lost %1 Total Pairs =%2"),
    //: The second statistics line starts with this when two pair has come up (%1 times); the
    //: items below follow it, each with its own leading blank.
    LUMARO_TEXT("TGameView", "High Hands Two Pair=%1"),
    //: An item of the second statistics line: the hand and how often it came up. Keep the
    //: leading blank: it parts the items.
    LUMARO_TEXT("TGameView", " 3 of a Kind=%1"),
    //: An item of the second statistics line. Keep the leading blank.
    LUMARO_TEXT("TGameView", " Straights=%1"),
    //: An item of the second statistics line. Keep the leading blank.
    LUMARO_TEXT("TGameView", " Flushs=%1"),
    //: An item of the second statistics line. Keep the leading blank.
    LUMARO_TEXT("TGameView", " Full House=%1"),
    //: An item of the second statistics line. Keep the leading blank.
    LUMARO_TEXT("TGameView", " 4 of a Kind=%1"),
    //: An item of the second statistics line. Keep the leading blank.
    LUMARO_TEXT("TGameView", " Straight Flush=%1"),
    //: An item of the second statistics line. Keep the leading blank.
    LUMARO_TEXT("TGameView", " Royal Flush=%1"),
    //: The hand after the draw in a game other than Jacks or Better; %t is the pay line's name
    //: ("Kings or Better", "Four Aces").
    LUMARO_TEXT("TGameView", "Player has %t"),
    //: The hand after the draw, a big one (four of a kind or better); %t is the pay line's name.
    LUMARO_TEXT("TGameView", "Wow! %t"),
    //: The first statistics line of a game other than Jacks or Better: %n hands won, %1 lost.
    LUMARO_COUNTED_TEXT("TGameView", "Player has Won %n hands and Lost %1"),
    //: The second statistics line of a game other than Jacks or Better starts with this when a
    //: winning hand has come up; its items follow.
    LUMARO_TEXT("TGameView", "High Hands"),
    //: An item of the second statistics line: the pay line's name (%t) and how often it came
    //: up (%1). Keep the leading blank: it parts the items.
    LUMARO_TEXT("TGameView", " %t=%1"),
    " ",
    "  ",
};

}  // namespace

std::string_view SentenceTemplate(TSentenceId id) {
  return kTemplates[id < kSentenceCount ? id : snBlank];
}

bool SentenceCounts(TSentenceId id) {
  return SentenceTemplate(id).find("%n") != std::string_view::npos;
}

std::string EnglishText(const TSentence& sentence) {
  // As Qt fills a translation: %n with the count, %1 to %3 with the numbers, in decimal.
  const std::string_view text = SentenceTemplate(sentence.Id);
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '%' && next == 'n') {
      filled += std::to_string(sentence.Count);
      ++i;
    } else if (text[i] == '%' && next == 't') {
      filled += sentence.Term;
      ++i;
    } else if (text[i] == '%' && next >= '1' && next <= '3') {
      filled += std::to_string(sentence.Numbers[static_cast<std::size_t>(next - '1')]);
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

std::string EnglishText(const TWording& wording) {
  std::string text;
  for (const TSentence& sentence : wording) text += EnglishText(sentence);
  return text;
}
