// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// lumaro-analyze's reading of what a player types: the input is a command line, arguments
// separated by NUL bytes. Every piece is also tried as a card, a hand (with and without the
// joker), a pay table, every game's pays and multipliers and a number, and whatever is
// accepted must mean what it says; the input as a whole, NUL bytes read as line breaks, is
// also a file of hands for advise.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "card_text.h"
#include "cli.h"
#include "fuzz_check.h"
#include "game_odds.h"
#include "whole_number.h"

namespace {

// No C0 control, DEL or C1 control (0xC2 0x80..0x9F in UTF-8).
bool IsPrintable(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return false;
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(text[i + 1]) <= 0x9F)
      return false;
  }
  return true;
}

// A message for the player: one short line, whatever was typed.
void CheckMessage(const std::string& message) {
  Require(!message.empty() && IsPrintable(message), "a message is one printable line");
  Require(message.size() <= 200, "a message stays short");
}

void CheckCard(const std::string& word) {
  const auto card = ParseCard(word);
  if (!card) return;
  Require(*card >= 1 && *card <= 52, "a card is one of the 52");
  Require(ParseCard(CardText(*card)) == card, "a card's text reads back as the card");
}

void CheckHand(const std::string& word) {
  try {
    THandCards hand = ParseHand({word});
    Require(std::all_of(hand.begin(), hand.end(), [](int c) { return c >= 1 && c <= 52; }),
            "a hand holds real cards");
    std::sort(hand.begin(), hand.end());
    Require(std::adjacent_find(hand.begin(), hand.end()) == hand.end(), "no card twice");
  } catch (const TUsageError& error) {
    CheckMessage(error.what());
  }
}

void CheckJokerHand(const std::string& word) {
  try {
    THandCards hand = ParseHand({word}, {true, "Joker Poker"});
    Require(std::all_of(hand.begin(), hand.end(), [](int c) { return c >= 1 && c <= 53; }),
            "a hand holds cards of the joker's deck");
    std::sort(hand.begin(), hand.end());
    Require(std::adjacent_find(hand.begin(), hand.end()) == hand.end(), "no card twice");
  } catch (const TUsageError& error) {
    CheckMessage(error.what());
  }
}

void CheckGamePays(const std::string& word) {
  for (const TGame* game : kGames)
    for (const bool multipliers : {false, true}) {
      try {
        const auto pays = ParseGamePays(*game, word, multipliers);
        Require(pays.size() == static_cast<std::size_t>(game->LineCount()), "a pay per line");
        for (const std::int64_t pay : pays)
          Require(pay >= (multipliers ? 1 : 0) && pay <= kMostPay, "pays in range");
        Require(ParseGamePays(*game, PaysText(pays), false) == pays, "pays read back");
      } catch (const TUsageError& error) {
        CheckMessage(error.what());
      }
    }
}

// The input as a file of hands: judged whole, or refused with one line.
void CheckHandsFile(std::string text) {
  std::replace(text.begin(), text.end(), '\0', '\n');
  std::istringstream in(text);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunAnalyze(
      {"advise", "--game", "joker-poker", "--hands", "-", "--json"}, out, err,
      [] { return TStoredPayTable{}; }, {}, {}, &in);
  if (code == kExitUsage) {
    const std::string message = err.str();
    Require(message.rfind("lumaro-analyze: ", 0) == 0 && message.back() == '\n' &&
                message.find('\n') == message.size() - 1,
            "a bad file of hands is one line");
    Require(out.str().empty(), "a bad file of hands prints nothing");
    return;
  }
  Require(code == kExitOk && err.str().empty(), "a file of hands is judged or refused");
  std::size_t hands = 0;
  for (std::size_t at = out.str().find("{\"hand\":"); at != std::string::npos;
       at = out.str().find("{\"hand\":", at + 1))
    ++hands;
  std::size_t lines = 0;
  std::istringstream again(text);
  for (std::string line; std::getline(again, line);) lines += TrimBlanks(line).empty() ? 0 : 1;
  Require(hands == lines, "every hand of the file is judged");
}

void CheckPayTable(const std::string& word) {
  try {
    const TPayTable table = ParsePayTable(word);
    for (const std::int32_t h : table.H) Require(h >= 0, "multipliers in range");
    Require(ParsePayTable(PayTableText(table)).H == table.H, "a pay table's text reads back");
  } catch (const TUsageError& error) {
    CheckMessage(error.what());
  }
}

// Accepted text is an optional single sign and decimal digits, nothing else.
void CheckWhole(const std::string& word) {
  constexpr long long lo = std::numeric_limits<long long>::min();
  constexpr long long hi = std::numeric_limits<long long>::max();
  const auto value = ParseSignedDecimal(word, lo, hi);
  if (!value) return;
  const std::size_t digits = word.find_first_not_of("+-") == 1 ? 1 : 0;
  Require(word.find_first_not_of("0123456789", digits) == std::string::npos && digits < word.size(),
          "a whole number is a sign and digits");
  Require(ParseSignedDecimal(std::to_string(*value), lo, hi) == value, "a number reads back");
  if (*value < hi)
    Require(!ParseSignedDecimal(word, *value + 1, hi), "a number below the range is refused");
}

void CheckCommandLine(const std::vector<std::string>& args) {
  const auto problem = CommandLineProblem(args);
  if (!problem) return;
  CheckMessage(*problem);
  // The program says exactly that, reads nothing and prints nothing else.
  std::ostringstream out;
  std::ostringstream err;
  bool loaded = false;
  const int code = RunAnalyze(args, out, err, [&loaded] {
    loaded = true;
    return TStoredPayTable{};
  });
  Require(code == kExitUsage, "bad input exits with the usage code");
  Require(err.str() == "lumaro-analyze: " + *problem + "\n", "the message is the problem");
  Require(out.str().empty() && !loaded, "bad input prints and reads nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find('\0', from), text.size());
    args.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  if (text.empty()) args.clear();
  for (const std::string& word : args) {
    CheckCard(word);
    CheckHand(word);
    CheckJokerHand(word);
    CheckPayTable(word);
    CheckGamePays(word);
    CheckWhole(word);
    const std::string quoted = Quoted(word);
    Require(IsPrintable(quoted) && quoted.size() <= 45, "quoted text is short and printable");
  }
  CheckCommandLine(args);
  CheckHandsFile(text);
  return 0;
}
