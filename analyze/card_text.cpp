// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "card_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "printable_text.h"
#include "whole_number.h"

namespace {

constexpr std::string_view kRankLetters = "A23456789TJQK";
constexpr std::string_view kSuitLetters = "SHCD";

int Upper(char c) {
  return std::toupper(static_cast<unsigned char>(c));
}

}  // namespace

std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest) return "'" + PrintableText(text) + "'";
  return "'" + PrintableText(text.substr(0, Utf8CutPoint(text, kLongest))) + "...'";
}

std::optional<cdCardDeck> ParseCard(std::string_view text) {
  int rank = 0;
  std::string_view suitPart;
  if (text.size() == 3 && text[0] == '1' && text[1] == '0') {
    rank = 10;
    suitPart = text.substr(2);
  } else if (text.size() == 2) {
    const auto at = kRankLetters.find(static_cast<char>(Upper(text[0])));
    if (at == std::string_view::npos) return std::nullopt;
    rank = static_cast<int>(at) + 1;
    suitPart = text.substr(1);
  } else {
    return std::nullopt;
  }
  const auto suit = kSuitLetters.find(static_cast<char>(Upper(suitPart[0])));
  if (suit == std::string_view::npos) return std::nullopt;
  return static_cast<cdCardDeck>(static_cast<int>(suit) * 13 + rank);
}

std::optional<cdCardDeck> ParseCardOrJoker(std::string_view text) {
  auto upper = [](std::string_view t) {
    std::string u;
    for (const char c : t) u.push_back(static_cast<char>(Upper(c)));
    return u;
  };
  if (text.size() <= 5 && (upper(text) == "JK" || upper(text) == "JOKER")) return cdJoker;
  return ParseCard(text);
}

std::string CardText(int code) {
  if (code == cdJoker) return "JK";
  const int suit = CardSuit(code);
  if (suit == 0) return "??";
  std::string text;
  text.push_back(kRankLetters[static_cast<std::size_t>(CardRank(code) - 1)]);
  text.push_back(kSuitLetters[static_cast<std::size_t>(suit - 1)]);
  return text;
}

THandCards ParseHand(const std::vector<std::string>& words, const THandDeck& deck) {
  std::vector<std::string> tokens;
  for (const auto& word : words) {
    std::string token;
    for (const char c : word + " ") {
      if (c == ' ' || c == ',' || c == '\t') {
        if (!token.empty()) tokens.push_back(token);
        token.clear();
      } else {
        token.push_back(c);
      }
    }
  }
  std::vector<cdCardDeck> cards;
  for (const auto& token : tokens) {
    const auto card = ParseCardOrJoker(token);
    if (!card)
      throw TUsageError("bad card " + Quoted(token) + " (rank A K Q J T 9..2, suit S H C D" +
                        (deck.Joker ? ", or JK for the joker)" : ")"));
    if (*card == cdJoker && !deck.Joker)
      throw TUsageError("bad card " + Quoted(token) + ": " + std::string(deck.Game) +
                        " has no joker (only Joker Poker has)");
    if (std::find(cards.begin(), cards.end(), *card) != cards.end())
      throw TUsageError("duplicated card " + CardText(*card));
    cards.push_back(*card);
  }
  if (cards.size() != 5)
    throw TUsageError("expected five cards, got " + std::to_string(cards.size()));
  THandCards hand{};
  std::copy(cards.begin(), cards.end(), hand.begin());
  return hand;
}

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : " " + text;
}

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      quoted += buffer;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string JsonDouble(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("null");
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<std::vector<std::int64_t>> ParseWholeList(std::string_view text, std::size_t count,
                                                        std::int64_t lo, std::int64_t hi) {
  std::vector<std::int64_t> values;
  std::size_t from = 0;
  while (true) {
    const std::size_t comma = text.find(',', from);
    const std::string_view field =
        TrimBlanks(text.substr(from, comma == std::string_view::npos ? text.npos : comma - from));
    const auto value = ParseSignedDecimal(field, lo, hi);
    if (!value || values.size() >= count) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  if (values.size() != count) return std::nullopt;
  return values;
}

TPayTable ParsePayTable(std::string_view text) {
  // Whatever a pay table holds: the game's start-up takes any stored multiplier up to the
  // 32-bit limit.
  constexpr long long kMaxMultiplier = std::numeric_limits<std::int32_t>::max();
  TPayTable table;
  const auto values = ParseWholeList(text, table.H.size(), 0, kMaxMultiplier);
  if (!values)
    throw TUsageError("malformed pay table " + Quoted(text) +
                      ": expected nine whole multipliers 0.." + std::to_string(kMaxMultiplier) +
                      " separated by commas");
  for (std::size_t k = 0; k < table.H.size(); ++k)
    table.H[k] = static_cast<std::int32_t>((*values)[k]);
  return table;
}

std::string PayTableText(const TPayTable& table) {
  std::string text;
  for (std::size_t i = 0; i < table.H.size(); ++i) {
    if (i > 0) text += ',';
    text += std::to_string(table.H[i]);
  }
  return text;
}

std::string HeldCardsText(const THandCards& cards, std::uint8_t mask, std::string (*cardText)(int),
                          std::string_view separator, std::string_view nothingHeld) {
  std::string text;
  for (int i = 0; i < kHandSize; ++i) {
    if (!(mask & (1 << i))) continue;
    if (!text.empty()) text += separator;
    text += cardText(cards[static_cast<std::size_t>(i)]);
  }
  return text.empty() ? std::string(nothingHeld) : text;
}
