// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The words of the games without wild cards: Jacks or Better, and the bonus games, whose
// extra four-of-a-kind lines change which holds are worth most, not what they are called.
#include <algorithm>
#include <bit>
#include <deque>
#include <string>
#include <vector>

#include "cards.h"
#include "game_description.h"
#include "hold_patterns.h"
#include "pattern_families.h"

namespace {
enum TFamily : std::uint8_t {
  fmMadeHand,
  fmHighPair,
  fmLowPair,
  fmFourToRoyal,
  fmFourToStraightFlush,
  fmFourToFlush,
  fmFourToOutsideStraight,
  fmFourToInsideStraight,
  fmThreeToRoyal,
  fmThreeToStraightFlush,
  fmThreeToFlush,
  fmThreeUnsuitedHigh,
  fmThreeToStraight,
  fmTwoSuitedHigh,
  fmSuitedTen,
  fmTwoUnsuitedHigh,
  fmOneHighCard,
  fmTripsAndKicker,
  fmTripsAndTwoKickers,
  fmTwoPairAndKicker,
  fmHighPairAndKicker,
  fmHighPairAndTwoKickers,
  fmHighPairAndThreeKickers,
  fmLowPairAndKicker,
  fmLowPairAndTwoKickers,
  fmLowPairAndThreeKickers,
  fmFiveNoPair,
  fmFourOther,
  fmThreeOther,
  fmTwoOther,
  fmOneLowCard,
  fmDiscardEverything,
  kFamilyCount
};

// Every name of every pattern is made from these texts and the leaves' variants below.
constexpr std::array<TFamilyText, kFamilyCount> kFamilies = {{
    {"two pair or better", "", "", true},
    {"high pair", "pair of ", ""},
    {"low pair", "pair of ", ""},
    {"four to a royal flush", "four to a royal flush (", ")"},
    {"four to a straight flush", "four to a straight flush, ", ""},
    {"four to a flush", "four to a flush ", ""},
    {"four to an outside straight", "four to an outside straight ", ""},
    {"four to an inside straight", "four to an inside straight ", ""},
    {"three to a royal flush", "three to a royal flush (", ")"},
    {"three to a straight flush", "three to a straight flush, ", ""},
    {"three to a flush", "three to a flush ", ""},
    {"three unsuited high cards", "", " unsuited"},
    {"three to a straight", "three to a straight ", ""},
    {"two suited high cards", "", " suited"},
    {"ten with a suited high card", "", " suited"},
    {"two unsuited high cards", "", " unsuited"},
    {"one high card", "", " only"},
    {"three of a kind and a kicker", "", ""},
    {"three of a kind and two kickers", "", ""},
    {"two pair and a kicker", "", ""},
    {"high pair and a kicker", "", ""},
    {"high pair and two kickers", "", ""},
    {"high pair and three kickers", "", ""},
    {"low pair and a kicker", "", ""},
    {"low pair and two kickers", "", ""},
    {"low pair and three kickers", "", ""},
    {"five cards, no pair", "", ""},
    {"four other cards", "", ""},
    {"three other cards", "", ""},
    {"two other cards", "", ""},
    {"one low card", "", ""},
    {"discard everything", "", ""},
}};

constexpr TLeafText L(TFamily f, std::string_view variant = "", int high = -1) {
  return {f, variant, high};
}

// names several of them takes them: the first that fits the hand.
constexpr std::array kPlainLeaves = {
    L(fmMadeHand, "royal flush"),
    L(fmMadeHand, "straight flush"),
    L(fmMadeHand, "four of a kind"),
    L(fmMadeHand, "full house"),
    L(fmMadeHand, "flush"),
    L(fmMadeHand, "straight"),
    L(fmMadeHand, "three of a kind"),
    L(fmMadeHand, "two pair"),
    L(fmHighPair, "aces"),
    L(fmHighPair, "kings"),
    L(fmHighPair, "queens"),
    L(fmHighPair, "jacks"),
    L(fmLowPair, "tens"),
    L(fmLowPair, "nines"),
    L(fmLowPair, "eights"),
    L(fmLowPair, "sevens"),
    L(fmLowPair, "sixes"),
    L(fmLowPair, "fives"),
    L(fmLowPair, "fours"),
    L(fmLowPair, "threes"),
    L(fmLowPair, "twos"),
    L(fmFourToRoyal, "A K Q J"),
    L(fmFourToRoyal, "A K Q T"),
    L(fmFourToRoyal, "A K J T"),
    L(fmFourToRoyal, "A Q J T"),
    L(fmFourToRoyal, "K Q J T"),
    L(fmFourToStraightFlush, "open", 3),
    L(fmFourToStraightFlush, "open", 2),
    L(fmFourToStraightFlush, "open", 1),
    L(fmFourToStraightFlush, "open", 0),
    L(fmFourToStraightFlush, "inside", 4),
    L(fmFourToStraightFlush, "inside", 3),
    L(fmFourToStraightFlush, "inside", 2),
    L(fmFourToStraightFlush, "inside", 1),
    L(fmFourToStraightFlush, "inside", 0),
    L(fmFourToFlush, "", 4),
    L(fmFourToFlush, "", 3),
    L(fmFourToFlush, "", 2),
    L(fmFourToFlush, "", 1),
    L(fmFourToFlush, "", 0),
    L(fmFourToOutsideStraight, "", 3),
    L(fmFourToOutsideStraight, "", 2),
    L(fmFourToOutsideStraight, "", 1),
    L(fmFourToOutsideStraight, "", 0),
    L(fmFourToInsideStraight, "", 4),
    L(fmFourToInsideStraight, "", 3),
    L(fmFourToInsideStraight, "", 2),
    L(fmFourToInsideStraight, "", 1),
    L(fmFourToInsideStraight, "", 0),
    L(fmThreeToRoyal, "K Q J"),
    L(fmThreeToRoyal, "Q J T"),
    L(fmThreeToRoyal, "K Q T"),
    L(fmThreeToRoyal, "K J T"),
    L(fmThreeToRoyal, "A Q J"),
    L(fmThreeToRoyal, "A K Q"),
    L(fmThreeToRoyal, "A K J"),
    L(fmThreeToRoyal, "A Q T"),
    L(fmThreeToRoyal, "A J T"),
    L(fmThreeToRoyal, "A K T"),
    L(fmThreeToStraightFlush, "open", 2),
    L(fmThreeToStraightFlush, "open", 1),
    L(fmThreeToStraightFlush, "open", 0),
    L(fmThreeToStraightFlush, "inside", 3),
    L(fmThreeToStraightFlush, "inside", 2),
    L(fmThreeToStraightFlush, "inside", 1),
    L(fmThreeToStraightFlush, "inside", 0),
    L(fmThreeToStraightFlush, "double inside", 3),
    L(fmThreeToStraightFlush, "double inside", 2),
    L(fmThreeToStraightFlush, "double inside", 1),
    L(fmThreeToStraightFlush, "double inside", 0),
    L(fmThreeToFlush, "", 3),
    L(fmThreeToFlush, "", 2),
    L(fmThreeToFlush, "", 1),
    L(fmThreeToFlush, "", 0),
    L(fmThreeUnsuitedHigh, "K Q J"),
    L(fmThreeUnsuitedHigh, "A Q J"),
    L(fmThreeUnsuitedHigh, "A K J"),
    L(fmThreeUnsuitedHigh, "A K Q"),
    L(fmThreeToStraight, "", 3),
    L(fmThreeToStraight, "", 2),
    L(fmThreeToStraight, "", 1),
    L(fmThreeToStraight, "", 0),
    L(fmTwoSuitedHigh, "Q J"),
    L(fmTwoSuitedHigh, "K Q"),
    L(fmTwoSuitedHigh, "K J"),
    L(fmTwoSuitedHigh, "A K"),
    L(fmTwoSuitedHigh, "A Q"),
    L(fmTwoSuitedHigh, "A J"),
    L(fmSuitedTen, "J T"),
    L(fmSuitedTen, "Q T"),
    L(fmSuitedTen, "K T"),
    L(fmSuitedTen, "A T"),
    L(fmTwoUnsuitedHigh, "Q J"),
    L(fmTwoUnsuitedHigh, "K Q"),
    L(fmTwoUnsuitedHigh, "K J"),
    L(fmTwoUnsuitedHigh, "A K"),
    L(fmTwoUnsuitedHigh, "A Q"),
    L(fmTwoUnsuitedHigh, "A J"),
    L(fmOneHighCard, "J"),
    L(fmOneHighCard, "Q"),
    L(fmOneHighCard, "K"),
    L(fmOneHighCard, "A"),
    L(fmTripsAndKicker),
    L(fmTripsAndTwoKickers),
    L(fmTwoPairAndKicker),
    L(fmHighPairAndKicker),
    L(fmHighPairAndTwoKickers),
    L(fmHighPairAndThreeKickers),
    L(fmLowPairAndKicker),
    L(fmLowPairAndTwoKickers),
    L(fmLowPairAndThreeKickers),
    L(fmFiveNoPair),
    L(fmFourOther),
    L(fmThreeOther),
    L(fmTwoOther),
    L(fmOneLowCard),
    L(fmDiscardEverything),
};
// The penalty cards a high-card draw is told apart by: a thrown-away card of its suit takes
// a flush from it, one that would fill a straight with the cards held takes a straight.
enum TPenalty : std::uint8_t { pnNone, pnFlush, pnStraight };
constexpr TPenalty PenaltyOf(TFamily family) {
  switch (family) {
    case fmThreeToRoyal:
    case fmTwoSuitedHigh:
    case fmSuitedTen:
      return pnFlush;
    case fmThreeUnsuitedHigh:
    case fmTwoUnsuitedHigh:
      return pnStraight;
    default:
      return pnNone;
  }
}

constexpr std::size_t kPenaltyTwins = static_cast<std::size_t>(std::count_if(
    kPlainLeaves.begin(), kPlainLeaves.end(),
    [](const TLeafText& l) { return PenaltyOf(static_cast<TFamily>(l.Family)) != pnNone; }));

// The leaves, each draw with penalty cards as two: without the penalty, then with it, both
// named as the hold alone where a line takes them together.
constexpr std::array<TLeafText, kPlainLeaves.size() + kPenaltyTwins> kLeaves = [] {
  std::array<TLeafText, kPlainLeaves.size() + kPenaltyTwins> leaves{};
  std::size_t at = 0;
  for (const TLeafText& plain : kPlainLeaves) {
    // The hold without the penalty card, then its twin with it.
    const auto twins = [&](std::string_view without, std::string_view with) {
      leaves[at++] = {plain.Family, plain.Variant, plain.High, plain.Variant, without};
      leaves[at++] = {plain.Family, plain.Variant, plain.High, plain.Variant, with};
    };
    switch (PenaltyOf(static_cast<TFamily>(plain.Family))) {
      case pnNone:
        leaves[at++] = plain;
        break;
      case pnFlush:
        twins(", no flush penalty", " with a flush penalty");
        break;
      case pnStraight:
        twins(", no straight penalty", " with a straight penalty");
        break;
    }
  }
  return leaves;
}();
constexpr int kLeafCount = static_cast<int>(kLeaves.size());

// The penalty a leaf without one turns into its twin with (the twin is the next leaf).
constexpr std::array<TPenalty, kLeaves.size()> kPenaltyOfLeaf = [] {
  std::array<TPenalty, kLeaves.size()> penalty{};
  for (std::size_t i = 0; i + 1 < kLeaves.size(); ++i)
    if (!kLeaves[i].Penalty.empty() && kLeaves[i + 1].Together == kLeaves[i].Together &&
        kLeaves[i + 1].Family == kLeaves[i].Family && kLeaves[i].Penalty.starts_with(", no"))
      penalty[i] = PenaltyOf(static_cast<TFamily>(kLeaves[i].Family));
  return penalty;
}();

// Pattern ids: the leaves, then one id for every family of more than one leaf.
struct TIds {
  std::array<int, kFamilyCount> FamilyPattern{};  // the family's own id, or its one leaf
  std::array<int, kFamilyCount> FirstLeaf{};
  std::array<int, kFamilyCount> LeafTotal{};
  std::array<TFamily, 256> FamilyOfPattern{};
  int Count = 0;
  constexpr TIds() {
    for (int i = kLeafCount - 1; i >= 0; --i) {
      const TFamily f = static_cast<TFamily>(kLeaves[static_cast<std::size_t>(i)].Family);
      FirstLeaf[f] = i;
      ++LeafTotal[f];
      FamilyOfPattern[static_cast<std::size_t>(i)] = f;
    }
    Count = kLeafCount;
    for (int f = 0; f < kFamilyCount; ++f) {
      if (LeafTotal[static_cast<std::size_t>(f)] == 1) {
        FamilyPattern[static_cast<std::size_t>(f)] = FirstLeaf[static_cast<std::size_t>(f)];
        continue;
      }
      FamilyPattern[static_cast<std::size_t>(f)] = Count;
      FamilyOfPattern[static_cast<std::size_t>(Count++)] = static_cast<TFamily>(f);
    }
  }
};
constexpr TIds kIds;
static_assert(kIds.Count <= 256, "pattern ids are one byte");

constexpr TPatternId LeafId(TFamily family, int within = 0) {
  return static_cast<TPatternId>(kIds.FirstLeaf[family] + within);
}

enum TMadeLeaf {
  mlRoyalFlush,
  mlStraightFlush,
  mlFourOfAKind,
  mlFullHouse,
  mlFlush,
  mlStraight,
  mlThreeOfAKind,
  mlTwoPair
};
constexpr TPatternId MadeHand(TMadeLeaf hand) {
  return LeafId(fmMadeHand, hand);
}

// What a draw family aims at, on THandShape::Made's scale; 0 for holds that are no draw.
constexpr int DrawTarget(TFamily family) {
  switch (family) {
    case fmFourToRoyal:
    case fmThreeToRoyal:
      return 4;
    case fmFourToStraightFlush:
    case fmThreeToStraightFlush:
      return 3;
    case fmFourToFlush:
    case fmThreeToFlush:
      return 2;
    case fmFourToOutsideStraight:
    case fmFourToInsideStraight:
    case fmThreeToStraight:
      return 1;
    default:
      return 0;
  }
}

// Ranks as bits: bit r - 1 for rank r (ace = bit 0).
constexpr int kHighRanks = (1 << 0) | (1 << 10) | (1 << 11) | (1 << 12);  // A, J, Q, K
constexpr int kRoyalRanks = kHighRanks | (1 << 9);                        // and T

// The five-rank stretches a straight can fill: A-5, 2-6, ..., 9-K, T-A.
struct TStraightWindows {
  std::array<std::uint8_t, 1 << 13> Count{};
  constexpr TStraightWindows() {
    std::array<int, 10> windows{};
    windows[0] = 0x1F;
    for (int low = 1; low <= 8; ++low) windows[static_cast<std::size_t>(low)] = 0x1F << low;
    windows[9] = kRoyalRanks;
    for (int ranks = 1; ranks < (1 << 13); ++ranks)
      for (const int w : windows)
        if ((ranks & ~w) == 0) ++Count[static_cast<std::size_t>(ranks)];
  }
};
constexpr TStraightWindows kWindows;

int HighCount(int ranks) {
  return std::popcount(static_cast<unsigned>(ranks & kHighRanks));
}

// Index of a leaf of family `f` by its high-card count and kind (the leaves of a kind run
// in ascending counts from the kind's first).
TPatternId ByHigh(TFamily f, std::string_view kind, int high) {
  int at = kIds.FirstLeaf[f];
  while (kLeaves[static_cast<std::size_t>(at)].Variant != kind) ++at;
  while (kLeaves[static_cast<std::size_t>(at)].High != high) ++at;
  return static_cast<TPatternId>(at);
}

// The variant text of a set of ranks, highest first, ace high: "K Q J", "A T".
std::string RankLetters(int ranks) {
  static constexpr std::string_view kOrder = "AKQJT98765432";
  static constexpr std::array<int, 13> kBit = {0, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
  std::string text;
  for (std::size_t i = 0; i < kOrder.size(); ++i)
    if (ranks & (1 << kBit[i])) {
      if (!text.empty()) text += ' ';
      text += kOrder[i];
    }
  return text;
}

TPatternId ByVariant(TFamily f, const std::string& variant) {
  int at = kIds.FirstLeaf[f];
  while (kLeaves[static_cast<std::size_t>(at)].Variant != variant) ++at;
  return static_cast<TPatternId>(at);
}

// The leaves a hold of distinct ranks fits depend only on its ranks and whether its cards
// share one suit: worked out once for every rank set.
struct TDistinctRankLeaves {
  std::array<std::array<std::array<TPatternId, 4>, 1 << 13>, 2> Ids{};
  std::array<std::array<std::uint8_t, 1 << 13>, 2> Count{};

  static int Fit(int ranks, bool suited, std::array<TPatternId, 4>& out) {
    const int n = std::popcount(static_cast<unsigned>(ranks));
    const int high = HighCount(ranks);
    const int windows = kWindows.Count[static_cast<std::size_t>(ranks)];
    const bool royal = (ranks & ~kRoyalRanks) == 0;
    int k = 0;
    auto add = [&](TPatternId id) { out[static_cast<std::size_t>(k++)] = id; };
    switch (n) {
      case 0:
        add(LeafId(fmDiscardEverything));
        break;
      case 1:
        add(high ? ByVariant(fmOneHighCard, RankLetters(ranks)) : LeafId(fmOneLowCard));
        break;
      case 2:
        if (suited && high == 2)
          add(ByVariant(fmTwoSuitedHigh, RankLetters(ranks)));
        else if (suited && high == 1 && royal)
          add(ByVariant(fmSuitedTen, RankLetters(ranks)));
        else if (!suited && high == 2)
          add(ByVariant(fmTwoUnsuitedHigh, RankLetters(ranks)));
        else
          add(LeafId(fmTwoOther));
        break;
      case 3: {
        static constexpr std::array<std::string_view, 4> kKinds = {"", "double inside", "inside",
                                                                   "open"};
        if (suited && royal) add(ByVariant(fmThreeToRoyal, RankLetters(ranks)));
        if (suited && windows > 0)
          add(ByHigh(fmThreeToStraightFlush, kKinds[static_cast<std::size_t>(windows)], high));
        if (suited) add(ByHigh(fmThreeToFlush, "", high));
        if (!suited && high == 3) add(ByVariant(fmThreeUnsuitedHigh, RankLetters(ranks)));
        if (windows > 0) add(ByHigh(fmThreeToStraight, "", high));
        if (k == 0) add(LeafId(fmThreeOther));
        break;
      }
      case 4:
        if (suited && royal) add(ByVariant(fmFourToRoyal, RankLetters(ranks)));
        if (suited && windows > 0)
          add(ByHigh(fmFourToStraightFlush, windows == 2 ? "open" : "inside", high));
        if (suited) add(ByHigh(fmFourToFlush, "", high));
        if (windows == 2) add(ByHigh(fmFourToOutsideStraight, "", high));
        if (windows == 1) add(ByHigh(fmFourToInsideStraight, "", high));
        if (k == 0) add(LeafId(fmFourOther));
        break;
      default:
        if (windows > 0)
          add(MadeHand(suited ? (royal ? mlRoyalFlush : mlStraightFlush) : mlStraight));
        else
          add(suited ? MadeHand(mlFlush) : LeafId(fmFiveNoPair));
        break;
    }
    return k;
  }

  TDistinctRankLeaves() {
    for (int suited = 0; suited < 2; ++suited)
      for (int ranks = 0; ranks < (1 << 13); ++ranks) {
        if (std::popcount(static_cast<unsigned>(ranks)) > 5) continue;
        Count[static_cast<std::size_t>(suited)][static_cast<std::size_t>(ranks)] =
            static_cast<std::uint8_t>(
                Fit(ranks, suited != 0,
                    Ids[static_cast<std::size_t>(suited)][static_cast<std::size_t>(ranks)]));
      }
  }
};

const TDistinctRankLeaves& DistinctRankLeaves() {
  static const TDistinctRankLeaves table;
  return table;
}

// Leaves that are the best description of some hold. The others ("four to a flush with 4
// high cards") only ever fit holds a better leaf names (four to a royal flush).
const std::array<bool, kLeafCount>& Describing() {
  static const std::array<bool, kLeafCount> describing = [] {
    std::array<bool, kLeafCount> d{};
    const auto& table = DistinctRankLeaves();
    for (std::size_t suited = 0; suited < 2; ++suited)
      for (std::size_t ranks = 0; ranks < table.Count[suited].size(); ++ranks)
        if (table.Count[suited][ranks] > 0 && (suited == 0 || std::popcount(ranks) >= 2))
          d[table.Ids[suited][ranks][0]] = true;
    // Holds with cards of one rank have one leaf each.
    for (int i = 0; i < kLeafCount; ++i) {
      const TFamily f = static_cast<TFamily>(kLeaves[static_cast<std::size_t>(i)].Family);
      if (f == fmHighPair || f == fmLowPair ||
          (f >= fmTripsAndKicker && f <= fmLowPairAndThreeKickers))
        d[static_cast<std::size_t>(i)] = true;
    }
    for (std::size_t i = 0; i < d.size(); ++i)
      if (kPenaltyOfLeaf[i] != pnNone) d[i + 1] = d[i];
    d[MadeHand(mlFourOfAKind)] = d[MadeHand(mlFullHouse)] = d[MadeHand(mlThreeOfAKind)] =
        d[MadeHand(mlTwoPair)] = true;
    return d;
  }();
  return describing;
}

// Leaves of holds with two or more cards of one rank.
TPatternId MatchedRankLeaf(const std::array<int, 13>& count, int held) {
  int pairs = 0;
  int trips = 0;
  int pairRank = 0;
  for (int r = 0; r < 13; ++r) {
    const int c = count[static_cast<std::size_t>(r)];
    if (c == 4) return MadeHand(mlFourOfAKind);
    if (c == 3) ++trips;
    if (c == 2) {
      ++pairs;
      pairRank = r;
    }
  }
  if (trips) {
    if (held == 3) return MadeHand(mlThreeOfAKind);
    if (held == 4) return LeafId(fmTripsAndKicker);
    return pairs ? MadeHand(mlFullHouse) : LeafId(fmTripsAndTwoKickers);
  }
  if (pairs == 2) return held == 4 ? MadeHand(mlTwoPair) : LeafId(fmTwoPairAndKicker);
  // Ranks 1 (ace) and 11..13 pay; the family lists aces, kings, queens, jacks.
  const bool high = pairRank == 0 || pairRank >= 10;
  if (held == 2)
    return high ? LeafId(fmHighPair, pairRank == 0 ? 0 : 13 - pairRank)
                : LeafId(fmLowPair, 9 - pairRank);
  static constexpr std::array<TFamily, 3> kHighKickers = {
      fmHighPairAndKicker, fmHighPairAndTwoKickers, fmHighPairAndThreeKickers};
  static constexpr std::array<TFamily, 3> kLowKickers = {fmLowPairAndKicker, fmLowPairAndTwoKickers,
                                                         fmLowPairAndThreeKickers};
  const auto kickers = static_cast<std::size_t>(held - 3);
  return LeafId(high ? kHighKickers[kickers] : kLowKickers[kickers]);
}

}  // namespace

THandShape::THandShape(const THandCards& cards) {
  int ranks = 0;
  int suits = 0;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    RankBit[i] = static_cast<std::uint16_t>(1 << (CardRank(cards[i]) - 1));
    SuitBit[i] = static_cast<std::uint8_t>(1 << CardSuit(cards[i]));
    ranks |= RankBit[i];
    suits |= SuitBit[i];
  }
  if (std::popcount(static_cast<unsigned>(ranks)) != 5) return;
  const bool straight = kWindows.Count[static_cast<std::size_t>(ranks)] > 0;
  const bool flush = std::popcount(static_cast<unsigned>(suits)) == 1;
  if (straight && flush)
    Made = ranks == kRoyalRanks ? 4 : 3;
  else
    Made = flush ? 2 : straight ? 1 : 0;
}

namespace {

// Takes out the draws to what the hand already makes; the hold is then four or three other
// cards unless a draw to more is left.
void DropMadeDraws(const THandShape& hand, int held, THoldPatterns& leaves) {
  int kept = 0;
  for (const TPatternId leaf : leaves)
    if (DrawTarget(static_cast<TFamily>(kLeaves[leaf].Family)) == 0 ||
        DrawTarget(static_cast<TFamily>(kLeaves[leaf].Family)) > hand.Made)
      leaves.Ids[static_cast<std::size_t>(kept++)] = leaf;
  leaves.Count = kept;
  if (kept == 0) {
    leaves.Ids[0] = LeafId(held == 4 ? fmFourOther : fmThreeOther);
    leaves.Count = 1;
  }
}

// Turns each draw a thrown-away card penalises into its twin with the penalty.
void MarkPenalties(const THandShape& hand, std::uint8_t mask, int ranks, int suits,
                   THoldPatterns& leaves) {
  for (int k = 0; k < leaves.Count; ++k) {
    TPatternId& leaf = leaves.Ids[static_cast<std::size_t>(k)];
    const TPenalty penalty = kPenaltyOfLeaf[leaf];
    if (penalty == pnNone) continue;
    bool penalised = false;
    for (std::size_t i = 0; i < hand.RankBit.size() && !penalised; ++i) {
      if (mask >> i & 1) continue;
      penalised = penalty == pnFlush
                      ? (hand.SuitBit[i] & suits) != 0
                      : !(hand.RankBit[i] & ranks) &&
                            kWindows.Count[static_cast<std::size_t>(ranks | hand.RankBit[i])] > 0;
    }
    if (penalised) ++leaf;
  }
}

}  // namespace

THoldPatterns LeavesOfHold(const THandShape& hand, std::uint8_t mask) {
  THoldPatterns out;
  int ranks = 0;
  int suits = 0;
  int held = 0;
  bool matched = false;
  for (std::size_t i = 0; i < hand.RankBit.size(); ++i) {
    if (!(mask & (1 << i))) continue;
    matched = matched || (ranks & hand.RankBit[i]) != 0;
    ranks |= hand.RankBit[i];
    suits |= hand.SuitBit[i];
    ++held;
  }
  if (!matched) {
    const int suited = held >= 2 && std::popcount(static_cast<unsigned>(suits)) == 1;
    const auto& table = DistinctRankLeaves();
    const auto s = static_cast<std::size_t>(suited);
    const auto r = static_cast<std::size_t>(ranks);
    out.Count = table.Count[s][r];
    std::copy_n(table.Ids[s][r].begin(), out.Count, out.Ids.begin());
    if (hand.Made > 0 && (held == 3 || held == 4)) DropMadeDraws(hand, held, out);
    if (held <= 3) MarkPenalties(hand, mask, ranks, suits, out);
    return out;
  }
  std::array<int, 13> count{};
  for (std::size_t i = 0; i < hand.RankBit.size(); ++i)
    if (mask & (1 << i)) ++count[static_cast<std::size_t>(std::countr_zero(hand.RankBit[i]))];
  out.Ids[0] = MatchedRankLeaf(count, held);
  out.Count = 1;
  return out;
}

namespace {

class TJacksFamily final : public THoldFamily {
 public:
  std::span<const TFamilyText> Families() const override { return kFamilies; }
  std::span<const TLeafText> Leaves() const override { return kLeaves; }
  bool Describes(TPatternId leaf) const override { return Describing()[leaf]; }
  void LeavesOfHolds(const THandCards& cards, THandLeaves& holds) const override {
    const THandShape shape(cards);
    for (int m = 0; m < 32; ++m)
      holds[static_cast<std::size_t>(m)] = LeavesOfHold(shape, static_cast<std::uint8_t>(m));
  }
};

constexpr std::array<std::string_view, 14> kRankLetter = {"",  "A", "2", "3",  "4", "5", "6",
                                                          "7", "8", "9", "10", "J", "Q", "K"};

// "aces", "2s-4s", "5s-Ks": a run of ranks as a bonus game's quad lines name them.
std::string RanksText(const std::vector<int>& ranks) {
  if (ranks.size() == 1 && ranks[0] == 1) return "aces";
  const auto first = static_cast<std::size_t>(ranks.front());
  const auto last = static_cast<std::size_t>(ranks.back());
  if (ranks.size() == 1) return std::string(kRankLetter[first]) + "s";
  return std::string(kRankLetter[first]) + "s-" + std::string(kRankLetter[last]) + "s";
}

// "a 2, 3 or 4 kicker", "an A, 2, 3 or 4 kicker".
std::string KickerText(const std::vector<int>& ranks) {
  std::string text = ranks.front() == 1 || ranks.front() == 8 ? "an " : "a ";
  for (std::size_t i = 0; i < ranks.size(); ++i) {
    if (i > 0) text += i + 1 == ranks.size() ? " or " : ", ";
    text += kRankLetter[static_cast<std::size_t>(ranks[i])];
  }
  return text + " kicker";
}

// The bonus games: their four of a kind pays by rank, and in some by kicker too, so three of
// a kind is named by its rank ("three aces", "three 2s-4s") and with the kicker that may
// make it pay more ("three aces with a 2, 3 or 4 kicker"), and so is four of a kind where
// the kicker pays ("four aces", drawing for the kicker, against "four aces with a 2, 3 or 4
// kicker"). Three of a kind is a made hand by its rank. Where four aces pay most, a mistake
// with a high pair names the pair, and where two pair pays as a pair too, two pair is told
// by its aces (a pair of aces may be worth more) and three to a straight its open draws from
// its inside ones. The rest are Jacks or Better's words.
class TBonusFamily final : public THoldFamily {
 public:
  explicit TBonusFamily(const TGame& game) {
    GroupQuads(game);
    FAceApart = SplitsQuads() && std::all_of(FGroupOf.begin() + 2, FGroupOf.end(),
                                             [this](int g) { return g != FGroupOf[1]; });
    // Where the game's tables pay two pair as a high pair, the aces of two pair may be worth
    // more held alone, and pairs are worth so little against straights that which three to
    // a straight is held counts.
    const int pairLine = game.LineOfOutcome(game.OutcomeOfMade[mhHighPair]);
    const int twoPairLine = game.LineOfOutcome(game.OutcomeOfMade[mhTwoPair]);
    const bool twoPairAsPair =
        pairLine >= 0 && twoPairLine >= 0 &&
        std::any_of(game.Presets.begin(), game.Presets.end(), [&](const TPreset& p) {
          return p.Pays[static_cast<std::size_t>(twoPairLine)] <=
                 p.Pays[static_cast<std::size_t>(pairLine)];
        });
    FTwoPairPaysLittle = FAceApart && twoPairAsPair;
    FOwnWords = SplitsQuads() || twoPairAsPair;
    if (!FOwnWords) return;
    const bool anyKicker =
        std::any_of(FKickerRanks.begin(), FKickerRanks.end(), [](int bits) { return bits != 0; });
    FFromJacks.fill(kNamedByCards);
    for (int f = 0; f < kFamilyCount; ++f) {
      const auto family = static_cast<TFamily>(f);
      switch (family) {
        case fmMadeHand: {
          // Three of a kind is a made hand by its rank: three aces, worth more than a full
          // house where four aces pay most, come before it, the others where Jacks or
          // Better has three of a kind, so that one line of made hands plays them all.
          const auto made = AddFamily(kFamilies[fmMadeHand]);
          for (int at = 0; at < kIds.LeafTotal[fmMadeHand]; ++at) {
            const TPatternId leaf = MadeHand(static_cast<TMadeLeaf>(at));
            if (leaf == MadeHand(mlFullHouse) && SplitsQuads()) AddTrips(made, true);
            if (leaf == MadeHand(mlThreeOfAKind) && SplitsQuads()) {
              AddTrips(made, false);
            } else if (leaf == MadeHand(mlTwoPair) && FTwoPairPaysLittle) {
              // A line of made hands can leave the aces of two pair to the pair of aces.
              // The pair of aces is worth as much and ends the family: after two pair with
              // aces, or before it where the aces' kicker is worth holding.
              FFamilyTexts.back().Name = "pair of aces or better";
              const bool acesFirst = FKickerHeld[static_cast<std::size_t>(FGroupOf[1])];
              if (!acesFirst) FAcesUp = AddLeaf(made, "two pair with aces", -1, true, "two pair");
              FNoAces = AddLeaf(made, "two pair without aces", -1, true, "two pair");
              FFromJacks[LeafId(fmHighPair, 0)] = AddLeaf(made, "pair of aces");
              if (acesFirst) FAcesUp = AddLeaf(made, "two pair with aces", -1, true, "two pair");
            } else if (anyKicker && leaf == MadeHand(mlFourOfAKind)) {
              AddQuads(made);
              AddKickers(made, true);
            } else {
              CopyLeaf(made, leaf);
            }
          }
          break;
        }
        case fmHighPair:
          // A mistake says which pair: a pair of aces is worth more than the others here.
          if (FTwoPairPaysLittle) {
            CopyFamily(family, [](TPatternId leaf) { return leaf != LeafId(fmHighPair, 0); });
            FFamilyTexts.back().Name = "pair of kings, queens or jacks";
          } else {
            CopyFamily(family);
          }
          FFamilyTexts.back().LeafNamesMistakes = FAceApart;
          break;
        case fmThreeToStraight:
          if (FTwoPairPaysLittle)
            AddStraights();
          else
            CopyFamily(family);
          break;
        case fmTripsAndKicker:
          if (anyKicker) {
            const auto kickers = AddFamily(kFamilies[fmTripsAndKicker]);
            AddKickers(kickers, false);
            FOtherKicker = AddLeaf(kickers, "three of a kind with another kicker");
          } else
            CopyFamily(family);
          break;
        case fmThreeUnsuitedHigh:
          AddUnsuitedHigh();
          break;
        case fmTwoUnsuitedHigh:
          break;
        case fmTwoSuitedHigh:
          AddTwoToRoyal();
          break;
        case fmSuitedTen:
          break;
        case fmOneHighCard:
          // Where four aces pay more than other quads, a lone ace is worth more than any
          // other high card: the family takes the ace first.
          if (FAceApart) {
            const auto own = AddFamily(kFamilies[fmOneHighCard]);
            FFamilyTexts.back().Name = "A, J, Q or K only";
            CopyFamily(own, fmOneHighCard,
                       [](TPatternId leaf) { return kLeaves[leaf].Variant == "A"; });
            CopyFamily(own, fmOneHighCard,
                       [](TPatternId leaf) { return kLeaves[leaf].Variant != "A"; });
          } else {
            CopyFamily(family);
          }
          break;
        case fmFourToInsideStraight:
        case fmThreeToFlush:
          // Their draws without a high card are worth least of all: a family of their own.
          CopyFamily(family, [](TPatternId leaf) { return kLeaves[leaf].High != 0; });
          FFamilyTexts.back().Name = family == fmThreeToFlush
                                         ? "three to a flush with high cards"
                                         : "four to an inside straight with high cards";
          break;
        case fmFiveNoPair:
          AddLowDraws();
          CopyFamily(family);
          break;
        default:
          CopyFamily(family);
          break;
      }
    }
  }

  std::span<const TFamilyText> Families() const override { return FFamilyTexts; }
  std::span<const TLeafText> Leaves() const override { return FLeafTexts; }
  bool Describes(TPatternId leaf) const override { return FDescribing[leaf]; }
  void LeavesOfHolds(const THandCards& cards, THandLeaves& holds) const override {
    const THandShape shape(cards);
    for (int m = 0; m < 32; ++m) {
      const auto mask = static_cast<std::uint8_t>(m);
      THoldPatterns& out = holds[static_cast<std::size_t>(m)];
      out = LeavesOfHold(shape, mask);
      int kept = 0;
      for (int i = 0; i < out.Count; ++i) {
        const TPatternId jacks = out.Ids[static_cast<std::size_t>(i)];
        const TPatternId own = FFromJacks[jacks] == kNamedByCards ? NamedByCards(shape, mask, jacks)
                                                                  : FFromJacks[jacks];
        if (own != kNoLeaf) out.Ids[static_cast<std::size_t>(kept++)] = own;
      }
      out.Count = kept;
    }
  }
  // Whether the game has words of its own; if not, Jacks or Better's say it all.
  bool OwnWords() const { return FOwnWords; }

 private:
  // FFromJacks of the Jacks or Better leaves this family names by the cards held.
  static constexpr TPatternId kNamedByCards = 0xFF;
  // A Jacks or Better leaf this family has no word for (the hold has others).
  static constexpr TPatternId kNoLeaf = 0xFE;

  // Ranks whose quads pay alike with every kicker (but the two ranks themselves) form one
  // group, named by its first rank; its special kickers are those that don't pay what most
  // kickers do.
  // Whether the game's quads pay by rank at all.
  bool SplitsQuads() const { return FGroups > 1; }

  void GroupQuads(const TGame& game) {
    std::vector<int> first;
    for (int q = 1; q <= 13; ++q) {
      const auto& row = game.QuadOutcome[static_cast<std::size_t>(q - 1)];
      std::size_t g = 0;
      for (; g < first.size(); ++g) {
        const int r = first[g];
        const auto& other = game.QuadOutcome[static_cast<std::size_t>(r - 1)];
        bool alike = true;
        for (int k = 1; k <= 13; ++k)
          alike = alike &&
                  (k == q || k == r ||
                   row[static_cast<std::size_t>(k - 1)] == other[static_cast<std::size_t>(k - 1)]);
        if (alike) break;
      }
      if (g == first.size()) first.push_back(q);
      FGroupOf[static_cast<std::size_t>(q)] = static_cast<int>(g);
    }
    FGroups = static_cast<int>(first.size());
    for (int g = 0; g < FGroups; ++g) {
      int bits = 0;
      for (int q = 1; q <= 13; ++q) {
        if (FGroupOf[static_cast<std::size_t>(q)] != g) continue;
        FRanks[static_cast<std::size_t>(g)].push_back(q);
        const auto& row = game.QuadOutcome[static_cast<std::size_t>(q - 1)];
        std::array<int, 256> seen{};
        for (int k = 1; k <= 13; ++k)
          if (k != q) ++seen[row[static_cast<std::size_t>(k - 1)]];
        const auto common =
            static_cast<std::uint8_t>(std::max_element(seen.begin(), seen.end()) - seen.begin());
        for (int k = 1; k <= 13; ++k)
          if (k != q && row[static_cast<std::size_t>(k - 1)] != common) bits |= 1 << k;
      }
      FKickerRanks[static_cast<std::size_t>(g)] = bits;
    }
    for (int g = 0; g < FGroups; ++g)
      FKickerHeld[static_cast<std::size_t>(g)] = KickerTriples(game, g);
  }

  // Whether in every table of the game the group's quads with a special kicker pay at least
  // three times what they pay without.
  bool KickerTriples(const TGame& game, int g) const {
    const int bits = FKickerRanks[static_cast<std::size_t>(g)];
    if (!bits) return false;
    const int q = FRanks[static_cast<std::size_t>(g)].front();
    const int kicker = std::countr_zero(static_cast<unsigned>(bits));
    int plain = 1;
    while (plain == q || plain == kicker || (bits >> plain & 1)) ++plain;
    const auto& row = game.QuadOutcome[static_cast<std::size_t>(q - 1)];
    const int withLine = game.LineOfOutcome(row[static_cast<std::size_t>(kicker - 1)]);
    const int plainLine = game.LineOfOutcome(row[static_cast<std::size_t>(plain - 1)]);
    if (withLine < 0 || plainLine < 0) return false;
    return std::all_of(game.Presets.begin(), game.Presets.end(), [&](const TPreset& p) {
      return p.Pays[static_cast<std::size_t>(withLine)] >=
             3 * p.Pays[static_cast<std::size_t>(plainLine)];
    });
  }

  std::uint8_t AddFamily(const TFamilyText& text) {
    FFamilyTexts.push_back(text);
    return static_cast<std::uint8_t>(FFamilyTexts.size() - 1);
  }
  TPatternId AddLeaf(std::uint8_t family, std::string_view variant, int high = -1,
                     bool describes = true, std::string_view together = {},
                     std::string_view penalty = {}) {
    FLeafTexts.push_back({family, variant, high, together, penalty});
    FDescribing.push_back(describes);
    return static_cast<TPatternId>(FLeafTexts.size() - 1);
  }
  TPatternId AddNamedLeaf(std::uint8_t family, std::string name) {
    return AddLeaf(family, FNames.emplace_back(std::move(name)));
  }
  void CopyLeaf(std::uint8_t family, TPatternId jacks) {
    FFromJacks[jacks] =
        AddLeaf(family, kLeaves[jacks].Variant, kLeaves[jacks].High, Describing()[jacks],
                kLeaves[jacks].Together, kLeaves[jacks].Penalty);
  }
  // A Jacks or Better family with the leaves `kept` keeps.
  template <typename F>
  void CopyFamily(TFamily family, F&& kept) {
    CopyFamily(AddFamily(kFamilies[family]), family, kept);
  }
  // The leaves of a Jacks or Better family that `kept` keeps, into family `own`.
  template <typename F>
  void CopyFamily(std::uint8_t own, TFamily family, F&& kept) {
    for (int at = kIds.FirstLeaf[family]; at < kIds.FirstLeaf[family] + kIds.LeafTotal[family];
         ++at)
      if (kept(static_cast<TPatternId>(at))) CopyLeaf(own, static_cast<TPatternId>(at));
  }
  void CopyFamily(TFamily family) {
    CopyFamily(family, [](TPatternId) { return true; });
  }

  std::string GroupRanks(int g) const { return RanksText(FRanks[static_cast<std::size_t>(g)]); }
  std::string SpecialKickers(int g) const {
    std::vector<int> special;
    for (int k = 1; k <= 13; ++k)
      if (FKickerRanks[static_cast<std::size_t>(g)] >> k & 1) special.push_back(k);
    return KickerText(special);
  }

  // Four of a kind among the made hands, each group with the kicker that pays more first:
  // a line of them holds it rather than draw for one.
  void AddQuads(std::uint8_t made) {
    for (int g = 0; g < FGroups; ++g) {
      const auto at = static_cast<std::size_t>(g);
      if (FKickerRanks[at])
        FQuadKicker[at] =
            AddNamedLeaf(made, "four " + GroupRanks(g) + " with " + SpecialKickers(g));
      FQuad[at] = AddNamedLeaf(made, "four " + GroupRanks(g));
    }
    FOtherQuadKicker = AddLeaf(made, "four of a kind with another kicker");
  }

  // The three of a kind worth more than a full house (three aces where four aces pay most,
  // and those whose kicker is worth holding), or the others.
  void AddTrips(std::uint8_t made, bool overFullHouse) {
    for (int g = 0; g < FGroups; ++g) {
      const auto at = static_cast<std::size_t>(g);
      if (((FAceApart && g == FGroupOf[1]) || FKickerHeld[at]) == overFullHouse)
        FTrips[at] = AddNamedLeaf(made, "three " + GroupRanks(g));
    }
  }

  // Three of a kind with the kicker that may make its quads pay more: among the made hands
  // before the three cards alone where the kicker multiplies what the quads pay (then one
  // card drawn to the kicker is worth more than two to the three), else a family of its own.
  void AddKickers(std::uint8_t family, bool held) {
    for (int g = 0; g < FGroups; ++g) {
      const auto at = static_cast<std::size_t>(g);
      if (FKickerRanks[at] && FKickerHeld[at] == held)
        FKicker[at] = AddNamedLeaf(family, "three " + GroupRanks(g) + " with " + SpecialKickers(g));
    }
  }

  // Two and three unsuited high cards as one family: K Q J first, then the two lowest of
  // more, as a player holds them.
  void AddUnsuitedHigh() {
    const auto own = AddFamily({"unsuited high cards", "", " unsuited"});
    const auto kingQueenJack = [](TPatternId leaf) { return kLeaves[leaf].Variant == "K Q J"; };
    CopyFamily(own, fmThreeUnsuitedHigh, kingQueenJack);
    CopyFamily(own, fmTwoUnsuitedHigh, [](TPatternId) { return true; });
    CopyFamily(own, fmThreeUnsuitedHigh, [&](TPatternId leaf) { return !kingQueenJack(leaf); });
  }

  // Two suited high cards and a ten with a suited high card as one family: two to a royal
  // flush, the high cards first.
  void AddTwoToRoyal() {
    const auto own = AddFamily({"two to a royal flush", "", " suited"});
    for (const TFamily family : {fmTwoSuitedHigh, fmSuitedTen})
      for (int at = 0; at < kIds.LeafTotal[family]; ++at) CopyLeaf(own, LeafId(family, at));
  }

  // The draws worth holding without a high card, just above throwing all away.
  void AddLowDraws() {
    const auto low = AddFamily({"draws with no high card", "", " with no high card"});
    FFromJacks[ByHigh(fmThreeToFlush, "", 0)] = AddLeaf(low, kFamilies[fmThreeToFlush].Name);
    FFromJacks[ByHigh(fmFourToInsideStraight, "", 0)] =
        AddLeaf(low, kFamilies[fmFourToInsideStraight].Name);
  }

  // Open, inside and double inside by the straights the three ranks can make (3, 2 or 1), each
  // by its high cards. Three high cards are named by themselves, suited or not, so that no
  // straight line takes in K Q J.
  void AddStraights() {
    const auto straights = AddFamily({"three to a straight", "three to a straight, ", ""});
    static constexpr std::array<std::string_view, 4> kKinds = {"", "double inside", "inside",
                                                               "open"};
    for (auto& byHigh : FStraight) byHigh.fill(kNoLeaf);
    for (int windows = 3; windows >= 1; --windows)
      for (int high = 2; high >= 0; --high)
        FStraight[static_cast<std::size_t>(windows)][static_cast<std::size_t>(high)] =
            AddLeaf(straights, kKinds[static_cast<std::size_t>(windows)], high);
  }

  TPatternId NamedByCards(const THandShape& hand, std::uint8_t mask, TPatternId jacks) const {
    std::array<int, 14> count{};
    int ranks = 0;
    int held = 0;
    for (std::size_t i = 0; i < hand.RankBit.size(); ++i)
      if (mask >> i & 1) {
        ++count[static_cast<std::size_t>(std::countr_zero(hand.RankBit[i]) + 1)];
        ranks |= hand.RankBit[i];
        ++held;
      }
    if (kLeaves[jacks].Family == fmThreeToStraight)
      return FStraight[kWindows.Count[static_cast<std::size_t>(ranks)]]
                      [static_cast<std::size_t>(HighCount(ranks))];
    if (jacks == MadeHand(mlTwoPair)) return count[1] == 2 ? FAcesUp : FNoAces;
    int matched = 0;
    int kicker = 0;
    for (int r = 1; r <= 13; ++r) {
      if (count[static_cast<std::size_t>(r)] >= 3) matched = r;
      if (count[static_cast<std::size_t>(r)] == 1) kicker = r;
    }
    const auto g = static_cast<std::size_t>(FGroupOf[static_cast<std::size_t>(matched)]);
    const bool special = held == 5 && (FKickerRanks[g] >> kicker & 1);
    if (jacks == MadeHand(mlThreeOfAKind)) return FTrips[g];
    if (jacks == MadeHand(mlFourOfAKind)) {
      if (held == 4 || !FKickerRanks[g]) return FQuad[g];
      return special ? FQuadKicker[g] : FOtherQuadKicker;
    }
    // Three of a kind and a kicker.
    return FKickerRanks[g] && (FKickerRanks[g] >> kicker & 1) ? FKicker[g] : FOtherKicker;
  }

  std::deque<std::string> FNames;
  std::vector<TFamilyText> FFamilyTexts;
  std::vector<TLeafText> FLeafTexts;
  std::vector<bool> FDescribing;
  std::array<TPatternId, kLeafCount> FFromJacks{};
  std::array<int, 14> FGroupOf{};
  int FGroups = 1;
  std::array<std::vector<int>, 13> FRanks;
  std::array<int, 13> FKickerRanks{};
  std::array<bool, 13> FKickerHeld{};
  bool FAceApart = false;
  bool FTwoPairPaysLittle = false;
  bool FOwnWords = false;
  std::array<TPatternId, 13> FTrips{};
  std::array<TPatternId, 13> FKicker{};
  TPatternId FOtherKicker = 0;
  std::array<TPatternId, 13> FQuad{};
  std::array<TPatternId, 13> FQuadKicker{};
  TPatternId FOtherQuadKicker = 0;
  TPatternId FAcesUp = 0;
  TPatternId FNoAces = 0;
  std::array<std::array<TPatternId, 4>, 4> FStraight{};  // by straights made, high cards
};

}  // namespace

std::unique_ptr<const THoldFamily> MakeBonusFamily(const TGame& game) {
  auto family = std::make_unique<TBonusFamily>(game);
  if (!family->OwnWords()) return nullptr;
  return family;
}

std::unique_ptr<const THoldFamily> MakeJacksFamily() {
  return std::make_unique<TJacksFamily>();
}
