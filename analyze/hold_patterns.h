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

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator.h"

using TPatternId = std::uint8_t;

// Leaves come first, in order of description: the first leaf a hold fits is its best
// description, the most specific and valuable thing it is. Within a family the order is
// the one a chart line naming several leaves takes them in (Q J before A K). Families
// follow.
int PatternCount();
int LeafCount();
bool IsFamily(TPatternId pattern);
// Whether a leaf is the best description of some hold. Some are not: every hold "four to a
// flush with 4 high cards" fits is better named "four to a royal flush".
bool DescribesAHold(TPatternId leaf);

// The pattern's own name: "pair of tens", "low pair", "K Q J unsuited", "J only".
std::string PatternName(TPatternId pattern);
// The family a leaf belongs to (itself for a family or a leaf without one).
TPatternId FamilyOf(TPatternId pattern);
// The leaves a pattern stands for, in family order (a leaf: itself).
std::vector<TPatternId> LeavesOf(TPatternId pattern);
// The name of a group of leaves of one family: the family's name when they are all of it,
// otherwise what they have in common ("K Q or K J suited", "pair of aces or kings",
// "four to an outside straight with 0-2 high cards").
std::string GroupName(const std::vector<TPatternId>& leaves);
// The leaves plus those that describe no hold but that the group's name takes in: "four to
// a straight flush, open" takes in K Q J T suited, which is better named a royal draw.
std::vector<TPatternId> ImpliedLeaves(const std::vector<TPatternId>& leaves);
// What sets a leaf apart in its family: "Q J", "open with 2 high cards", "aces".
std::string VariantName(TPatternId leaf);
// The pattern with this name or the name of one leaf of it, if there is one.
bool FindPattern(std::string_view name, TPatternId& pattern);

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
THoldPatterns PatternsOfHold(const THandCards& cards, std::uint8_t mask);

// The ranks and suits of a hand as bits, for looking at many holds of one hand.
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

// The leaf of holding nothing.
TPatternId DiscardEverything();

// The pattern that describes a hold best: its most specific, most valuable leaf.
TPatternId DescribeHold(const THandCards& cards, std::uint8_t mask);

// A mistake named the way a chart names holds: what the player held against what was best.
struct TMistakeClass {
  TPatternId Held = 0;
  TPatternId Best = 0;
  bool IsMistake() const { return Held != Best; }
};
// The leaf of the player's hold and of the best hold. Two holds of one leaf (a different
// kicker, another suit) give the same leaf twice; only the values can tell them apart.
TMistakeClass ClassifyMistake(const THandCards& cards, std::uint8_t heldMask,
                              std::uint8_t bestMask);
// "low pair against four to a flush": the families' names, or the leaves' for made hands
// ("flush against four to a royal flush") and for two holds of one family.
std::string MistakeText(const TMistakeClass& mistake);
// The two names MistakeText joins: the held pattern's and the best one's.
struct TMistakeNames {
  std::string Held;
  std::string Best;
};
TMistakeNames MistakeNames(const TMistakeClass& mistake);
