// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "card_text.h"

#include <gtest/gtest.h>

TEST(CardText, EveryCardReadsBackAndAnyCaseOrTenSpellingWorks) {
  for (int code = 1; code <= 52; ++code) {
    const std::string text = CardText(code);
    EXPECT_EQ(ParseCard(text), code) << text;
    std::string lower = text;
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(ParseCard(lower), code) << lower;
  }
  EXPECT_EQ(CardText(1), "AS");
  EXPECT_EQ(CardText(23), "TH");
  EXPECT_EQ(CardText(39), "KC");
  EXPECT_EQ(CardText(40), "AD");
  EXPECT_EQ(ParseCard("10d"), 49);
  EXPECT_EQ(ParseCard("10S"), ParseCard("TS"));
  for (const char* bad : {"", "A", "1S", "11S", "AX", "ZS", "AS ", "10", "100S", "ASS"})
    EXPECT_FALSE(ParseCard(bad)) << '"' << bad << '"';
}

TEST(ParseHand, TakesFiveCardsInAnyArgumentSplit) {
  const THandCards expected = {1, 26, 49, 28, 9};
  EXPECT_EQ(ParseHand({"AS KH TD 2C 9S"}), expected);
  EXPECT_EQ(ParseHand({"as", "kh", "10d", "2c", "9s"}), expected);
  EXPECT_EQ(ParseHand({"AS,KH,TD", "2C,9S"}), expected);
}

TEST(ParseHand, ReportsBadDuplicatedAndMiscountedCards) {
  auto message = [](std::vector<std::string> words) {
    try {
      ParseHand(words);
    } catch (const TUsageError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message({"AS KH TD 2C 1S"}), "bad card '1S' (rank A K Q J T 9..2, suit S H C D)");
  EXPECT_EQ(message({"AS KH TD 2C as"}), "duplicated card AS");
  EXPECT_EQ(message({"AS KH TD 10H TH"}), "duplicated card TH");
  EXPECT_EQ(message({"AS KH TD 2C"}), "expected five cards, got 4");
  EXPECT_EQ(message({"AS KH TD 2C 9S 8S"}), "expected five cards, got 6");
  EXPECT_EQ(message({}), "expected five cards, got 0");
}

TEST(ParsePayTable, AcceptsNineMultipliersAndNothingElse) {
  EXPECT_EQ(ParsePayTable("0,1,2,3,5,8,24,49,799").H,
            (std::array<std::int32_t, 9>{0, 1, 2, 3, 5, 8, 24, 49, 799}));
  EXPECT_EQ(ParsePayTable(" 0, 1,2,3,4,7,11,49, +99 ").H,
            (std::array<std::int32_t, 9>{0, 1, 2, 3, 4, 7, 11, 49, 99}));
  // As far as the game's start-up takes a stored multiplier: the 32-bit limit.
  EXPECT_EQ(ParsePayTable("0,0,0,0,0,0,0,0,2147483647").H[8], 2147483647);
  EXPECT_EQ(PayTableText(ParsePayTable("0,1,2,3,4,7,11,49,99")), "0,1,2,3,4,7,11,49,99");
  for (const char* bad : {"", "0,1,2,3,4,7,11,49", "0,1,2,3,4,7,11,49,99,5", "0,1,2,3,4,7,11,49,-1",
                          "0,1,2,3,4,7,11,49,2147483648", "0,1,2,3,4,7,11,49,99999999999999999999",
                          "0,1,2,3,4,7,11,,99", "0,1,2,3,4,7,11,49,99,", "0;1;2;3;4;7;11;49;99",
                          "0,1,2,3,4,7.5,11,49,99", "0,1,2,3,4,7,11,49,0x10"}) {
    EXPECT_THROW(ParsePayTable(bad), TUsageError) << '"' << bad << '"';
  }
}

TEST(Quoted, KeepsMessagesOnOneShortLine) {
  EXPECT_EQ(Quoted("AS"), "'AS'");
  EXPECT_EQ(Quoted(std::string("a\nb\x1b[2J\x7f", 8)), "'a?b?[2J?'");
  EXPECT_EQ(Quoted(std::string(41, 'x')), "'" + std::string(40, 'x') + "...'");
  // C1 controls as UTF-8 encodes them (NEL, CSI, APC) are controls too; U+00A0 and on are not.
  EXPECT_EQ(Quoted("a\xC2\x85"
                   "b\xC2\x9B"
                   "2J\xC2\x9F\xC2\xA0\xC3\xA9"),
            "'a?b?2J?\xC2\xA0\xC3\xA9'");
  // Cut between characters, never inside one.
  EXPECT_EQ(Quoted(std::string(39, 'x') + "\xC3\xA9"), "'" + std::string(39, 'x') + "...'");
}
