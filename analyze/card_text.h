// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Cards and pay tables as the player types them on the command line.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator.h"
#include "game_engine.h"

// Bad input from the command line; the message is one line meant for the player.
class TUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Text from the command line made safe for a one-line message: in single quotes, control
// characters shown as '?' (PrintableText), cut after 40 bytes, between two characters.
std::string Quoted(std::string_view text);

// "AS", "th", "10d", "Qc": rank A K Q J T 9..2 (or 10), suit S H C D, any case.
std::optional<cdCardDeck> ParseCard(std::string_view text);
// ParseCard, and the joker too: "JK" or "Joker", any case.
std::optional<cdCardDeck> ParseCardOrJoker(std::string_view text);
// Two characters, rank then suit: "AS", "TD", "2C"; the joker is "JK".
std::string CardText(int code);
// The held cards of a hand (bit i of mask: position i + 1), each written by cardText and
// separated by separator; nothingHeld when no card is held.
std::string HeldCardsText(const THandCards& cards, std::uint8_t mask, std::string (*cardText)(int),
                          std::string_view separator, std::string_view nothingHeld);
// The deck a hand is read against: whether it holds the joker, and the game's name for the
// message that refuses one.
struct THandDeck {
  bool Joker = false;
  std::string_view Game = "Jacks or Better";
};
// Five cards from any mix of arguments separated by blanks or commas; throws TUsageError
// for a card it can't read, a card given twice, a joker outside a deck with one, or other
// than five cards.
THandCards ParseHand(const std::vector<std::string>& words, const THandDeck& deck = {});

// `count` whole numbers lo..hi separated by commas, blanks around each allowed; nothing for
// anything else.
std::optional<std::vector<std::int64_t>> ParseWholeList(std::string_view text, std::size_t count,
                                                        std::int64_t lo, std::int64_t hi);
// "H1,...,H9": nine whole multipliers 0..2147483647, blanks around each allowed; throws
// TUsageError otherwise.
TPayTable ParsePayTable(std::string_view text);
std::string PayTableText(const TPayTable& table);

// Columns of the command's tables: a number with `decimals` places ("%.*f"), a text
// padded on the right, and one right-aligned that still gets a blank before it when it is
// longer than the column, so columns never run together.
std::string Fixed(double value, int decimals);
std::string Padded(std::string text, std::size_t width);
std::string PadLeft(const std::string& text, std::size_t width);

// The text as a JSON string, quotes and escapes included.
std::string JsonString(std::string_view text);
// A number as JSON at full precision: the shortest text that reads back as the same double.
std::string JsonDouble(double value);

// The text without the blanks (spaces, tabs) around it.
std::string_view TrimBlanks(std::string_view text);
