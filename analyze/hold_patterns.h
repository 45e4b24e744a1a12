// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The holds of a dealt hand in the words players use: "low pair", "four to a flush",
// "K Q J unsuited", "three to a royal flush (K Q J)". Every hold of every deal fits at
// least one pattern; a hold may fit several ("K Q J T suited" is four to a royal flush,
// to a straight flush, to a flush and to an outside straight).
//
// A pattern is either a leaf, one exact kind of hold ("pair of tens", "four to a flush with
// 2 high cards"), or a family, any leaf of a group ("low pair", "four to a flush"). The
// strategy chart orders patterns; the mistake classifier names a hold by its leaf.
//
// Each family of games has its own words (THoldFamily: its leaves and which a hold fits,
// in the file of that family); THoldWords names and groups them the same way for all.
// The free functions below are the words of Jacks or Better.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator.h"

struct TGame;

using TPatternId = std::uint8_t;

// The leaves a hold fits (bit i of mask: cards[i] is held), best description first, and
// then their families. At most kMostPatternsOfHold of them. A draw ("four to a flush",
// "three to a royal flush") names only holds that draw to more than the hand already
// makes: four cards of a dealt flush are "four other cards", not four to a flush, and
// none of a dealt royal flush is four to one.
inline constexpr int kMostPatternsOfHold = 8;
struct THoldPatterns {
  std::array<TPatternId, kMostPatternsOfHold> Ids{};
  int Count = 0;
  const TPatternId* begin() const { return Ids.data(); }
  const TPatternId* end() const { return Ids.data() + Count; }
};
// The leaves of each of the 32 holds of a hand, by mask.
using THandLeaves = std::array<THoldPatterns, 32>;

// A group of leaves and how a chart line names some of them: Prefix, then what the leaves
// have in common, then Suffix; or Name for all of them.
struct TFamilyText {
  std::string_view Name;
  std::string_view Prefix;
  std::string_view Suffix;
  // A mistake names the leaf, not the family: "flush against four to a royal flush".
  bool LeafNamesMistakes = false;
  // A group of all the family's leaves but one or two is named by those it leaves out:
  // "four to a straight flush, not consecutive".
  bool NamesLeftOut = false;
};

// One exact kind of hold: its family (an index into the family texts), what sets it apart
// there ("K Q", "open", "tens"), and for the families counted by them, how many high cards
// it holds.
struct TLeafText {
  std::uint8_t Family = 0;
  std::string_view Variant;
  int High = -1;
  // What neighbouring leaves sharing it are called when a group has them all: "two pair
  // with aces" and "two pair without aces" are "two pair".
  std::string_view Together = {};
  // A penalty card's condition, said after the family's words: ", no flush penalty". The
  // leaves of one hold told apart by it share a Together name and stand side by side.
  std::string_view Penalty = {};
};

// What a family of games brings: its words and which of them each hold fits. Leaves come
// in order of description: the first leaf a hold fits is its best description, the most
// specific and valuable thing it is. Within a pattern family the order is the one a chart
// line naming several leaves takes them in (Q J before A K). One family text must be named
// "discard everything", with one leaf, for the hold of nothing.
class THoldFamily {
 public:
  virtual ~THoldFamily() = default;
  virtual std::span<const TFamilyText> Families() const = 0;
  virtual std::span<const TLeafText> Leaves() const = 0;
  // Whether a leaf is the best description of some hold.
  virtual bool Describes(TPatternId leaf) const = 0;
  // The leaves (no families) of every hold of five distinct cards of the family's deck.
  virtual void LeavesOfHolds(const THandCards& cards, THandLeaves& holds) const = 0;
};

// A mistake named the way a chart names holds: what the player held against what was best.
struct TMistakeClass {
  TPatternId Held = 0;
  TPatternId Best = 0;
  bool IsMistake() const { return Held != Best; }
};
// The two names MistakeText joins: the held pattern's and the best one's.
struct TMistakeNames {
  std::string Held;
  std::string Best;
};

// The patterns of one family of games, named and grouped. Pattern ids: the leaves, then one
// id for every pattern family of more than one leaf.
class THoldWords {
 public:
  explicit THoldWords(std::unique_ptr<const THoldFamily> family);

  int PatternCount() const { return static_cast<int>(FFamilyOfPattern.size()); }
  int LeafCount() const { return static_cast<int>(FLeaves.size()); }
  bool IsFamily(TPatternId pattern) const { return pattern >= LeafCount(); }
  // Some leaves are the best description of no hold: every hold "four to a flush with 4
  // high cards" fits is better named "four to a royal flush".
  bool DescribesAHold(TPatternId leaf) const { return leaf < LeafCount() && FDescribes[leaf]; }
  // The family a leaf belongs to (itself for a family or a leaf without one).
  TPatternId FamilyOf(TPatternId pattern) const {
    return FFamilyPattern[FFamilyOfPattern[pattern]];
  }
  // The pattern's own name: "pair of tens", "low pair", "K Q J unsuited", "J only".
  std::string PatternName(TPatternId pattern) const;
  // The leaves a pattern stands for, in family order (a leaf: itself).
  std::vector<TPatternId> LeavesOf(TPatternId pattern) const;
  // The name of a group of leaves of one family: the family's name when they are all of
  // it, otherwise what they have in common ("K Q or K J suited", "pair of aces or kings",
  // "four to an outside straight with 0-2 high cards").
  std::string GroupName(const std::vector<TPatternId>& leaves) const;
  // The leaves plus those that describe no hold but that the group's name takes in: "four
  // to a straight flush, open" takes in K Q J T suited, which is better named a royal draw.
  std::vector<TPatternId> ImpliedLeaves(const std::vector<TPatternId>& leaves) const;
  // What sets a leaf apart in its family: "Q J", "open with 2 high cards", "aces".
  std::string VariantName(TPatternId leaf) const;
  // Where the sorted leaves from `at` on are all those of one Together name ("two pair"),
  // the end of their run; `at` otherwise.
  std::size_t TogetherRun(const std::vector<TPatternId>& sorted, std::size_t at) const;
  std::string_view TogetherName(TPatternId leaf) const { return FLeaves[leaf].Together; }
  // The pattern with this name or the name of one leaf of it, if there is one.
  bool FindPattern(std::string_view name, TPatternId& pattern) const;
  // The leaf of holding nothing.
  TPatternId DiscardEverything() const { return FDiscard; }

  void LeavesOfHolds(const THandCards& cards, THandLeaves& holds) const {
    FFamily->LeavesOfHolds(cards, holds);
  }
  // The leaves of one hold and then their families.
  THoldPatterns PatternsOfHold(const THandCards& cards, std::uint8_t mask) const;
  // The pattern that describes a hold best: its most specific, most valuable leaf.
  TPatternId DescribeHold(const THandCards& cards, std::uint8_t mask) const;
  // The leaves one hold is told apart into by a penalty card, in order ("Q J suited, no
  // flush penalty", "Q J suited with a flush penalty"); any other pattern alone.
  std::vector<TPatternId> PenaltyTwins(TPatternId leaf) const;
  // The leaf of the player's hold and of the best hold, a draw with penalty cards as the
  // first of its twins. Two holds of one leaf (a different kicker, another suit) give the
  // same leaf twice; only the values can tell them apart.
  TMistakeClass ClassifyMistake(const THandCards& cards, std::uint8_t heldMask,
                                std::uint8_t bestMask) const;
  // "low pair against four to a flush": the families' names, or the leaves' for made hands
  // ("flush against four to a royal flush") and for two holds of one family.
  std::string MistakeText(const TMistakeClass& mistake) const;
  TMistakeNames MistakeNames(const TMistakeClass& mistake) const;

 private:
  int DescribingInFamily(int family, const std::string_view* kind) const;
  // What sets the leaves of one family apart, "Q J, K Q or K J", "open with 1-2 high cards".
  std::string VariantsText(int family, const std::vector<TPatternId>& sorted) const;

  std::unique_ptr<const THoldFamily> FFamily;
  std::span<const TFamilyText> FFamilies;
  std::span<const TLeafText> FLeaves;
  std::vector<bool> FDescribes;
  std::vector<TPatternId> FFamilyPattern;  // by family text: its own id, or its one leaf
  std::vector<int> FFirstLeaf;
  std::vector<int> FLeafTotal;
  std::vector<std::uint8_t> FFamilyOfPattern;  // family text index of every pattern
  TPatternId FDiscard = 0;
};

// The words of a game's family: Jacks or Better's for every game without wild cards, each
// wild-card game its own.
const THoldWords& HoldWordsOf(const TGame& game);
const THoldWords& JacksHoldWords();

// --- The words of Jacks or Better, as free functions ---
int PatternCount();
int LeafCount();
bool IsFamily(TPatternId pattern);
bool DescribesAHold(TPatternId leaf);
std::string PatternName(TPatternId pattern);
TPatternId FamilyOf(TPatternId pattern);
std::vector<TPatternId> LeavesOf(TPatternId pattern);
std::string GroupName(const std::vector<TPatternId>& leaves);
std::vector<TPatternId> ImpliedLeaves(const std::vector<TPatternId>& leaves);
std::string VariantName(TPatternId leaf);
bool FindPattern(std::string_view name, TPatternId& pattern);
THoldPatterns PatternsOfHold(const THandCards& cards, std::uint8_t mask);
TPatternId DiscardEverything();
TPatternId DescribeHold(const THandCards& cards, std::uint8_t mask);
TMistakeClass ClassifyMistake(const THandCards& cards, std::uint8_t heldMask,
                              std::uint8_t bestMask);
std::string MistakeText(const TMistakeClass& mistake);
TMistakeNames MistakeNames(const TMistakeClass& mistake);

// The ranks and suits of a hand as bits, for looking at many holds of one hand (Jacks or
// Better's words).
struct THandShape {
  std::array<std::uint16_t, 5> RankBit{};  // 1 << (rank - 1)
  std::array<std::uint8_t, 5> SuitBit{};   // 1 << suit
  // What the five cards make of what draws aim at: 0 nothing, 1 a straight, 2 a flush,
  // 3 a straight flush, 4 a royal flush.
  std::uint8_t Made = 0;
  explicit THandShape(const THandCards& cards);
};
// Only the leaves of PatternsOfHold.
THoldPatterns LeavesOfHold(const THandShape& hand, std::uint8_t mask);
