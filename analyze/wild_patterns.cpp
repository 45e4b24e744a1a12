// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The words of the games with wild cards, Deuces Wild and Joker Poker. Every line of their
// strategies begins with the number of wild cards held ("two deuces: four to a royal flush",
// "joker: three to a straight flush, open", "no deuce: three to a royal flush"), so every
// family of words is made once for each number of wild cards: what the natural cards held
// make with them, the wild cards standing for whatever completes most.
#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <deque>
#include <string>

#include "cards.h"
#include "game.h"
#include "hold_patterns.h"
#include "pattern_families.h"

namespace {

constexpr std::uint8_t kNoLeaf = 0xFF;
constexpr int kMostWild = 4;
// Where a pair of kings or aces pays, draws are told apart by how many of them they hold.
constexpr std::size_t kHighCounts = 3;

// What a dealt hand makes of what draws aim at takes this many values (FDrawLevel).
constexpr std::size_t kDrawLevels = 5;

// Of every set of at most four natural ranks (as bits, below), its place among them: a hold
// of distinct ranks is looked up by it.
constexpr std::size_t kRankSets = 1 + 13 + 78 + 286 + 715;
constexpr auto kRankSetIndex = [] {
  std::array<std::uint16_t, 1 << 13> index{};
  std::uint16_t next = 0;
  for (unsigned r = 0; r < index.size(); ++r)
    if (std::popcount(r) <= 4) index[r] = next++;
  return index;
}();

// Ranks as bits: bit r - 1 for rank r (ace bit 0); a straight fills one of these windows.
constexpr int kRoyalRanks = (1 << 0) | (1 << 9) | (1 << 10) | (1 << 11) | (1 << 12);
constexpr std::array<int, 10> kWindows = {0x1F,      0x1F << 1, 0x1F << 2, 0x1F << 3, 0x1F << 4,
                                          0x1F << 5, 0x1F << 6, 0x1F << 7, 0x1F << 8, kRoyalRanks};
// With deuces wild no natural card fills a straight's 2, so a window with a 2 in it needs a
// wild card there: `twoDead` leaves such windows out.
int WindowsHolding(int ranks, bool twoDead = false) {
  int n = 0;
  for (const int w : kWindows) n += (ranks & ~w) == 0 && !(twoDead && (w & 2));
  return n;
}

// Which of the ten kinds of two to a royal flush two royal ranks are, in kKindTexts' order.
int RoyalPairKind(int ranks) {
  // Ranks as bits: A 0, T 9, J 10, Q 11, K 12.
  static constexpr std::array<int, 10> kPairs = {
      (1 << 0) | (1 << 12),  (1 << 0) | (1 << 11),  (1 << 0) | (1 << 10), (1 << 0) | (1 << 9),
      (1 << 12) | (1 << 11), (1 << 12) | (1 << 10), (1 << 12) | (1 << 9), (1 << 11) | (1 << 10),
      (1 << 11) | (1 << 9),  (1 << 10) | (1 << 9)};
  return static_cast<int>(std::find(kPairs.begin(), kPairs.end(), ranks) - kPairs.begin());
}

constexpr std::array<std::string_view, 6> kOfAKindNames = {
    "", "", "pair", "three of a kind", "four of a kind", "five of a kind"};

constexpr int kGapAceLow = 8;
constexpr int kGapKinds = 9;

// Which of the nine kinds of straight flush draw distinct natural ranks are (some window
// holds them all): the gaps between them, the ace high or low as fits, and whether fewer
// windows hold them than their spread allows.
int GapKind(int ranks, int windows) {
  // With deuces wild, A 3 4 5 and its parts fill no straight but the wheel, whose 2 only a
  // deuce fills.
  if (windows == 0) return kGapAceLow;
  const int naturals = std::popcount(static_cast<unsigned>(ranks));
  auto spread = [](int bits) {
    const auto b = static_cast<unsigned>(bits);
    return 32 - std::countl_zero(b) - std::countr_zero(b);
  };
  int span = spread(ranks);
  if (ranks & 1) span = std::min(span, spread((ranks & ~1) | (1 << 13)));
  const int gaps = std::min(3, span - naturals);
  const bool end = windows < 6 - span;
  return gaps * 2 + (end ? 1 : 0);
}

// What a hold is, given the number of wild cards it holds.
enum TKind : std::uint8_t {
  kdFourToRoyal,
  kdFourToStraightFlush,  // nine kinds: by the gaps between the cards, and at an end or not
  kdThreeToRoyal = kdFourToStraightFlush + kGapKinds,
  kdThreeToRoyalWithAce,
  kdThreeToRoyalByCards,  // with the joker: ten kinds, by the two cards beside it
  kdLastThreeToRoyalByCards = kdThreeToRoyalByCards + 9,
  kdThreeToStraightFlush,  // nine kinds, as above
  kdLastThreeToStraightFlush = kdThreeToStraightFlush + kGapKinds - 1,
  kdFourToFlush,
  kdFourToStraightConsecutive,  // with the joker: three cards in a row beside it
  kdFourToStraightOpen,
  kdFourToStraightInside,
  kdFourToStraightAceLow,
  kdTwoToRoyal,  // ten kinds where high cards pay (which two), one otherwise
  kdLastTwoToRoyal = kdTwoToRoyal + 9,
  kdThreeToFlush,
  kdThreeToStraight,
  kdTwoHighUnsuited,
  kdAceOnly,
  kdKingOnly,
  kdWildAlone,
  kdOther,
  kKindCount
};

struct TKindText {
  std::string_view Family;   // with the wild cards' words in front
  std::string_view Variant;  // within the family
};
// Kinds of one family follow each other.
// A straight flush draw by the gaps between its natural cards, and whether a straight it
// makes can't reach past the ace: "one gap", "consecutive at an end".
constexpr std::array<std::string_view, kGapKinds> kGapTexts = {
    "consecutive", "consecutive at an end", "one gap",    "one gap at an end",
    "two gaps",    "two gaps at an end",    "three gaps", "three gaps at an end",
    "ace low"};
constexpr std::array<TKindText, kKindCount> kKindTexts = {{
    {"four to a royal flush", ""},
    {"four to a straight flush", kGapTexts[0]},
    {"four to a straight flush", kGapTexts[1]},
    {"four to a straight flush", kGapTexts[2]},
    {"four to a straight flush", kGapTexts[3]},
    {"four to a straight flush", kGapTexts[4]},
    {"four to a straight flush", kGapTexts[5]},
    {"four to a straight flush", kGapTexts[6]},
    {"four to a straight flush", kGapTexts[7]},
    {"four to a straight flush", kGapTexts[8]},
    {"three to a royal flush", "no ace"},
    {"three to a royal flush", "with an ace"},
    {"three to a royal flush", "A K"},
    {"three to a royal flush", "A Q"},
    {"three to a royal flush", "A J"},
    {"three to a royal flush", "A T"},
    {"three to a royal flush", "K Q"},
    {"three to a royal flush", "K J"},
    {"three to a royal flush", "K T"},
    {"three to a royal flush", "Q J"},
    {"three to a royal flush", "Q T"},
    {"three to a royal flush", "J T"},
    {"three to a straight flush", kGapTexts[0]},
    {"three to a straight flush", kGapTexts[1]},
    {"three to a straight flush", kGapTexts[2]},
    {"three to a straight flush", kGapTexts[3]},
    {"three to a straight flush", kGapTexts[4]},
    {"three to a straight flush", kGapTexts[5]},
    {"three to a straight flush", kGapTexts[6]},
    {"three to a straight flush", kGapTexts[7]},
    {"three to a straight flush", kGapTexts[8]},
    {"four to a flush", ""},
    {"four to a straight", "consecutive"},
    {"four to a straight", "open"},
    {"four to a straight", "inside"},
    {"four to a straight", "ace low"},
    {"two to a royal flush", "A K"},
    {"two to a royal flush", "A Q"},
    {"two to a royal flush", "A J"},
    {"two to a royal flush", "A T"},
    {"two to a royal flush", "K Q"},
    {"two to a royal flush", "K J"},
    {"two to a royal flush", "K T"},
    {"two to a royal flush", "Q J"},
    {"two to a royal flush", "Q T"},
    {"two to a royal flush", "J T"},
    {"three to a flush", ""},
    {"three to a straight", ""},
    {"high cards", "A K unsuited"},
    {"high cards", "A only"},
    {"high cards", "K only"},
    {"", ""},
    {"other cards", ""},
}};

class TWildFamily final : public THoldFamily {
 public:
  explicit TWildFamily(const TGame& game) : FGame(game) {
    const bool deuces = game.Wild == wcDeuces;
    FMostWild = deuces ? kMostWild : 1;
    FPairs = !deuces;
    for (auto& row : FMade) row.fill(kNoLeaf);
    for (auto& row : FKind)
      for (auto& highs : row) highs.fill(kNoLeaf);
    FPair.fill(kNoLeaf);
    FLowPair.fill(kNoLeaf);
    FTwoPair.fill(kNoLeaf);
    FindDrawKinds();
    for (int w = FMostWild; w >= 0; --w) AddWildCount(w, deuces);
    FDiscardLeaf = AddLeaf(AddFamily("discard everything", "", ""), "");
    FindMadeHands();
    FindDistinctLeaves();
  }

  std::span<const TFamilyText> Families() const override { return FFamilies; }
  std::span<const TLeafText> Leaves() const override { return FLeaves; }
  bool Describes(TPatternId leaf) const override {
    return leaf < FDescribes.size() && FDescribes[leaf];
  }

  void LeavesOfHolds(const THandCards& cards, THandLeaves& holds) const override {
    // The holds built up card by card: hold m is hold m & (m - 1) and its lowest card.
    std::array<std::uint8_t, 32> wilds{};
    std::array<std::uint8_t, 32> naturals{};
    std::array<std::uint8_t, 32> distinct{};  // natural ranks
    std::array<std::uint16_t, 32> ranks{};    // as bits
    std::array<std::uint16_t, 32> doubled{};  // ranks held more than once
    std::array<std::uint8_t, 32> suits{};
    const std::uint8_t dealt = EvaluateOutcome(FGame, cards);
    const std::size_t level = FDrawLevel[dealt];
    for (std::size_t m = 0; m < 32; ++m) {
      THoldPatterns& out = holds[m];
      out.Count = 0;
      if (m > 0) {
        const std::size_t less = m & (m - 1);
        const int code = cards[static_cast<std::size_t>(std::countr_zero(m))];
        const bool wild = code == cdJoker || (FGame.Wild == wcDeuces && CardRank(code) == 2);
        wilds[m] = wilds[less];
        naturals[m] = naturals[less];
        distinct[m] = distinct[less];
        ranks[m] = ranks[less];
        doubled[m] = doubled[less];
        suits[m] = suits[less];
        if (wild) {
          ++wilds[m];
        } else {
          const auto bit = static_cast<std::uint16_t>(1 << (CardRank(code) - 1));
          ++naturals[m];
          if (ranks[m] & bit)
            doubled[m] |= bit;
          else
            ++distinct[m];
          ranks[m] |= bit;
          suits[m] |= static_cast<std::uint8_t>(1 << CardSuit(code));
        }
      }
      auto add = [&out](std::uint8_t leaf) {
        if (leaf != kNoLeaf && out.Count < 4) out.Ids[static_cast<std::size_t>(out.Count++)] = leaf;
      };
      const int w = wilds[m];
      const int n = naturals[m];
      const auto wi = static_cast<std::size_t>(w);
      if (n + w == 5) {
        add(FMade[wi][dealt]);
        if (out.Count == 0) add(FKind[wi][kdOther][0]);
        continue;
      }
      if (n == 0) {
        add(w == 0 ? FDiscardLeaf : FKind[wi][kdWildAlone][0]);
        continue;
      }
      if (distinct[m] < n) {
        // Matched ranks: two pair (four cards, each rank twice), or one rank's cards alone.
        if (w == 0 && n == 4 && distinct[m] == 2 && doubled[m] == ranks[m])
          add(FTwoPair[wi]);
        else if (distinct[m] == 1)
          add(OfAKind(w, n, std::countr_zero(static_cast<unsigned>(ranks[m])) + 1));
        if (out.Count == 0) add(FKind[wi][kdOther][0]);
        continue;
      }
      // Distinct natural ranks; one natural card counts as suited.
      const bool suited = (suits[m] & (suits[m] - 1)) == 0;
      const TFewLeaves& few = FDistinctLeaves[DistinctIndex(w, level, suited, ranks[m])];
      // All four, whatever Count says: one copy rather than a loop.
      std::copy(few.Ids.begin(), few.Ids.end(), out.Ids.begin());
      out.Count = few.Count;
    }
  }

 private:
  // Two or three deuces held alone beat every hand short of four or five of a kind and every
  // draw but a few: they end the family of their paying hands, so one line says "the best of
  // these, else the deuces". One deuce alone stands below most draws.
  bool JoinsPaying(int w) const { return FGame.Wild == wcDeuces && (w == 2 || w == 3); }
  // The words of the wild cards: "two deuces", "no deuce", "joker", "no joker".
  std::string WildWords(int w) const {
    if (FGame.Wild == wcJoker) return w ? "joker" : "no joker";
    static constexpr std::array<std::string_view, 5> kCount = {
        "no deuce", "one deuce", "two deuces", "three deuces", "four deuces"};
    return std::string(kCount[static_cast<std::size_t>(w)]);
  }

  std::string_view Keep(std::string text) { return FTexts.emplace_back(std::move(text)); }

  std::uint8_t AddFamily(const std::string& name, const std::string& prefix,
                         const std::string& suffix, bool leafNamesMistakes = false) {
    // A line of nearly a whole family reads best by what it leaves out.
    FFamilies.push_back({Keep(name), Keep(prefix), Keep(suffix), leafNamesMistakes, true});
    return static_cast<std::uint8_t>(FFamilies.size() - 1);
  }
  std::uint8_t AddLeaf(std::uint8_t family, const std::string& variant, int high = -1,
                       bool describes = true) {
    FLeaves.push_back({family, Keep(variant), high});
    FDescribes.push_back(describes);
    return static_cast<std::uint8_t>(FLeaves.size() - 1);
  }

  // What the natural cards of one rank (pairRank; `naturals` of them) make with w wild cards.
  std::uint8_t OfAKind(int w, int naturals, int pairRank) const {
    const auto wi = static_cast<std::size_t>(w);
    const int kind = naturals + w;
    if (kind >= 4) return FMade[wi][FFourOfAKind];
    if (kind == 3) return FMade[wi][FThreeOfAKind];
    if (!FPairs) return FPair[wi];
    const bool paying = (FGame.PayingPairRanks >> (pairRank - 1)) & 1;
    return paying ? FPair[wi] : FLowPair[wi];
  }

  // The kinds of draw a hold of distinct natural ranks is with w wild cards, its best
  // description first. A draw names only holds that draw to more than the dealt hand already
  // makes (`level`, as FDrawLevel): four cards of a dealt royal flush are not four to one.
  struct TDrawKinds {
    std::array<int, 4> Kinds{};
    int Count = 0;
  };
  void DrawKinds(int w, int n, int ranks, bool suited, int level, TDrawKinds& out) const {
    auto add = [&out](int kind) {
      if (out.Count < 4) out.Kinds[static_cast<std::size_t>(out.Count++)] = kind;
    };
    const int held = n + w;
    const int windows = WindowsHolding(ranks);
    // How many windows the draw really has, a window with a 2 in it weaker with deuces wild.
    const int open = FGame.Wild == wcDeuces ? WindowsHolding(ranks, true) : windows;
    const bool royal = (ranks & ~kRoyalRanks) == 0 && level < 4;
    const bool flushDraw = suited && level < 2;
    const bool straightDraw = windows > 0 && level < 1;
    const bool straightFlushDraw = suited && windows > 0 && level < 3;
    if (held == 4) {
      if (suited && royal) add(kdFourToRoyal);
      if (straightFlushDraw) add(kdFourToStraightFlush + GapKind(ranks, open));
      if (flushDraw && n >= 2) add(kdFourToFlush);
      // Beside the joker, three cards in a row fill four straights, the most there are.
      if (straightDraw)
        add(FPairs && open >= 3 ? kdFourToStraightConsecutive
            : open >= 2         ? kdFourToStraightOpen
            : open == 1         ? kdFourToStraightInside
                                : kdFourToStraightAceLow);
    } else if (held == 3) {
      // Beside the joker, which two cards it holds: a king or an ace may pair.
      if (suited && royal)
        add(FPairs && n == 2 ? kdThreeToRoyalByCards + RoyalPairKind(ranks)
            : (ranks & 1)    ? kdThreeToRoyalWithAce
                             : kdThreeToRoyal);
      if (straightFlushDraw) add(kdThreeToStraightFlush + GapKind(ranks, open));
      if (flushDraw && n >= 2) add(kdThreeToFlush);
      if (straightDraw) add(kdThreeToStraight);
    } else if (held == 2 && n == 2) {
      if (suited && royal) add(kdTwoToRoyal + RoyalPairKind(ranks));
      if (!suited && (ranks & 1) && (ranks & (1 << 12)) && FPairs) add(kdTwoHighUnsuited);
    } else if (held == 1 && FPairs) {
      if (ranks & 1) add(kdAceOnly);
      if (ranks & (1 << 12)) add(kdKingOnly);
    }
  }

  // The leaves of a hold of n distinct natural ranks beside w wild cards, from the draw
  // level of the dealt hand (FDrawLevel), best description first.
  struct TFewLeaves {
    std::array<std::uint8_t, 4> Ids{};
    std::uint8_t Count = 0;
  };
  TFewLeaves DistinctLeavesOf(int w, int n, int ranks, bool suited, int level) const {
    TFewLeaves out;
    auto add = [&out](std::uint8_t leaf) {
      if (leaf != kNoLeaf && out.Count < out.Ids.size()) out.Ids[out.Count++] = leaf;
    };
    const auto wi = static_cast<std::size_t>(w);
    if (w > 0 && n == 1 && FPairs)
      add(OfAKind(w, 1, std::countr_zero(static_cast<unsigned>(ranks)) + 1));
    TDrawKinds kinds;
    DrawKinds(w, n, ranks, suited, level, kinds);
    const std::size_t high = HighOf(ranks);
    for (int i = 0; i < kinds.Count; ++i)
      add(FKind[wi][static_cast<std::size_t>(kinds.Kinds[static_cast<std::size_t>(i)])][high]);
    if (out.Count == 0) add(FKind[wi][kdOther][0]);
    return out;
  }
  static std::size_t DistinctIndex(int w, std::size_t level, bool suited, unsigned ranks) {
    return ((static_cast<std::size_t>(w) * kDrawLevels + level) * 2 + (suited ? 1 : 0)) *
               kRankSets +
           kRankSetIndex[ranks];
  }
  // DistinctLeavesOf of every hold of distinct natural ranks, made once: many deals share them.
  void FindDistinctLeaves() {
    FDistinctLeaves.assign(static_cast<std::size_t>(FMostWild + 1) * kDrawLevels * 2 * kRankSets,
                           TFewLeaves{});
    for (int w = 0; w <= FMostWild; ++w)
      for (unsigned ranks = 1; ranks < (1 << 13); ++ranks) {
        const int n = std::popcount(ranks);
        if (n + w > 4) continue;
        for (std::size_t level = 0; level < kDrawLevels; ++level)
          for (const bool suited : {true, false})
            FDistinctLeaves[DistinctIndex(w, level, suited, ranks)] =
                DistinctLeavesOf(w, n, static_cast<int>(ranks), suited, static_cast<int>(level));
      }
  }

  // How many of the ranks would make a paying pair: the high cards where a pair pays.
  std::size_t HighOf(int ranks) const {
    if (!FPairs) return 0;
    return static_cast<std::size_t>(
        std::popcount(static_cast<unsigned>(ranks & FGame.PayingPairRanks)));
  }

  // With the joker, a draw holding a king or an ace is worth more than its kind says: the
  // joker pairs it.
  bool SplitsByHigh(int kind, int w) const {
    if (!FPairs || w == 0) return false;
    return (kind >= kdThreeToStraightFlush && kind <= kdLastThreeToStraightFlush) ||
           (kind >= kdFourToStraightFlush && kind < kdThreeToRoyal) || kind == kdFourToFlush;
  }

  // Which kinds of draw, by their high cards, some hold is (FKindSeen) and is best described
  // by (FKindFirst): every set of natural ranks held suited and unsuited beside the wild cards.
  void FindDrawKinds() {
    for (int w = 0; w <= FMostWild; ++w)
      for (int ranks = 1; ranks < (1 << 13); ++ranks) {
        const int n = std::popcount(static_cast<unsigned>(ranks));
        if (n + w > 4) continue;
        // Where a pair pays, a wild card beside one card is that pair first of all.
        const bool pairFirst = w > 0 && n == 1 && FPairs;
        for (const bool suited : {true, false}) {
          if (!suited && n == 1) continue;
          TDrawKinds kinds;
          DrawKinds(w, n, ranks, suited, 0, kinds);
          const std::size_t high = HighOf(ranks);
          for (int i = 0; i < kinds.Count; ++i) {
            const auto k = static_cast<std::size_t>(kinds.Kinds[static_cast<std::size_t>(i)]);
            const auto wi = static_cast<std::size_t>(w);
            FKindSeen[wi][k][high] = true;
            if (i == 0 && !pairFirst) FKindFirst[wi][k][high] = true;
          }
        }
      }
  }

  // Which of the paying hands and pairs some hold is: every mix of natural ranks beside the
  // wild cards, all five held, suited and not, and the natural cards of one rank held apart.
  void FindMadeHands() {
    for (const std::uint8_t leaf : FMadeLeaves) FDescribes[leaf] = false;
    auto found = [this](std::uint8_t leaf) {
      if (leaf != kNoLeaf) FDescribes[leaf] = true;
    };
    const bool deuces = FGame.Wild == wcDeuces;
    for (int w = 0; w <= FMostWild; ++w) {
      const auto wi = static_cast<std::size_t>(w);
      std::array<int, 5> ranks{};
      // Natural ranks in rising order, no rank more than four times, no deuce where they are
      // wild.
      auto each = [&](auto&& self, int at, int from) -> void {
        if (at == 5 - w) {
          for (const bool suited : {true, false}) {
            THandCards cards{};
            std::array<int, 14> copies{};
            bool distinct = true;
            for (int i = 0; i < at; ++i) {
              const auto r = static_cast<std::size_t>(ranks[static_cast<std::size_t>(i)]);
              distinct = distinct && copies[r] == 0;
              // Not suited: the first rank's cards a suit further on, so no two are alike.
              const int shift = ranks[static_cast<std::size_t>(i)] == ranks[0] ? 1 : 0;
              const int suit = suited ? 0 : (copies[r] + shift) % 4;
              ++copies[r];
              cards[static_cast<std::size_t>(i)] =
                  static_cast<cdCardDeck>(13 * suit + ranks[static_cast<std::size_t>(i)]);
            }
            if (suited && !distinct) continue;
            for (int i = at; i < 5; ++i)
              cards[static_cast<std::size_t>(i)] =
                  deuces ? static_cast<cdCardDeck>(13 * (i - at) + 2) : cdJoker;
            found(FMade[wi][EvaluateOutcome(FGame, cards)]);
          }
          return;
        }
        for (int r = from; r <= 13; ++r) {
          if (deuces && r == 2) continue;
          if (std::count(ranks.begin(), ranks.begin() + at, r) == 4) continue;
          ranks[static_cast<std::size_t>(at)] = r;
          self(self, at + 1, r);
        }
      };
      each(each, 0, 1);
      // Fewer than five cards: one rank's natural cards, or two pairs without a wild card.
      for (int naturals = FPairs ? 1 : 2; naturals + w <= 4; ++naturals)
        for (int r = 1; r <= 13; ++r)
          if (!(deuces && r == 2) && (naturals > 1 || w > 0)) found(OfAKind(w, naturals, r));
      if (w == 0) found(FTwoPair[wi]);
    }
  }

  // Draws worth more than some paying hands join their family right below the hands they
  // beat, as published strategies list them, so that one line plays the family in its order.
  enum TJoin : std::uint8_t {
    // The kinds join as one leaf named as their family; one kind of many is named in brackets,
    // "four to a straight flush (consecutive)", as a list of the family's leaves has commas of
    // its own.
    jnAsOne,
    jnEach,  // each kind joins as a leaf of its own, "four to a straight flush, one gap"
  };
  struct TDrawAmongPaying {
    TWildCards Game;
    int Wild;                // wild cards held
    std::string_view After;  // the paying hand they come right after
    int FirstKind;
    int LastKind;
    int High;  // where draws split by high cards, the one count that joins here; -1 every count
    TJoin Join;
    bool Named;  // the family's name says them; Joker Poker's says only its straight flush draws
  };
  // Deuces Wild: without a deuce, four to a royal flush after the natural royal flush, every
  // four to a straight flush and three to a royal flush after three of a kind; with one deuce,
  // four to a royal flush after four of a kind, four in a row after the full house; with two,
  // both after four of a kind.
  // Joker Poker, with the joker: four to a royal flush after four of a kind, four in a row
  // before the flush, the other straight flush draws after it, but the two-gap ones without a
  // king or an ace only after three of a kind. Without it: four to a royal flush after four of
  // a kind, four to a straight flush after three of a kind.
  static constexpr int kSf = kdFourToStraightFlush;
  static constexpr int kLastSf = kSf + kGapKinds - 1;
  static constexpr std::array<TDrawAmongPaying, 16> kDrawsAmongPaying = {{
      {wcDeuces, 0, "natural royal flush", kdFourToRoyal, kdFourToRoyal, -1, jnAsOne, true},
      {wcDeuces, 0, "three of a kind", kSf, kLastSf, -1, jnAsOne, true},
      {wcDeuces, 0, "three of a kind", kdThreeToRoyal, kdThreeToRoyalWithAce, -1, jnAsOne, true},
      {wcDeuces, 1, "four of a kind", kdFourToRoyal, kdFourToRoyal, -1, jnAsOne, true},
      {wcDeuces, 1, "full house", kSf, kSf, -1, jnAsOne, true},
      {wcDeuces, 2, "four of a kind", kdFourToRoyal, kdFourToRoyal, -1, jnAsOne, true},
      {wcDeuces, 2, "four of a kind", kSf, kSf, -1, jnAsOne, true},
      {wcJoker, 1, "four of a kind", kdFourToRoyal, kdFourToRoyal, -1, jnEach, false},
      {wcJoker, 1, "full house", kSf, kSf, -1, jnEach, true},
      {wcJoker, 1, "flush", kSf + 1, kSf + 3, -1, jnEach, true},
      {wcJoker, 1, "flush", kSf + 4, kSf + 4, 2, jnEach, true},
      {wcJoker, 1, "flush", kSf + 4, kSf + 4, 1, jnEach, true},
      {wcJoker, 1, "flush", kSf + 5, kLastSf, -1, jnEach, true},
      {wcJoker, 1, "three of a kind", kSf + 4, kSf + 4, 0, jnEach, true},
      {wcJoker, 0, "four of a kind", kdFourToRoyal, kdFourToRoyal, -1, jnEach, false},
      {wcJoker, 0, "three of a kind", kSf, kLastSf, -1, jnEach, true},
  }};

  static bool AnyOf(const std::array<bool, kHighCounts>& highs) {
    return std::find(highs.begin(), highs.end(), true) != highs.end();
  }

  // Adds the leaves of the draws that join the paying family `made` right after the hand
  // `name`, where some hold is of them; `named` gathers what the family's name says of them.
  void AddDrawsAmongPaying(int w, const std::string& name, std::uint8_t made,
                           std::vector<std::string>& named) {
    const auto wi = static_cast<std::size_t>(w);
    auto say = [&named](bool says, const std::string& words) {
      if (says && std::find(named.begin(), named.end(), words) == named.end())
        named.push_back(words);
    };
    for (const TDrawAmongPaying& draw : kDrawsAmongPaying) {
      if (draw.Game != FGame.Wild || draw.Wild != w || draw.After != name) continue;
      if (draw.Join == jnAsOne) {
        bool seen = false;
        bool first = false;
        for (int k = draw.FirstKind; k <= draw.LastKind; ++k) {
          seen = seen || AnyOf(FKindSeen[wi][static_cast<std::size_t>(k)]);
          first = first || AnyOf(FKindFirst[wi][static_cast<std::size_t>(k)]);
        }
        if (!seen) continue;
        const TKindText& text = kKindTexts[static_cast<std::size_t>(draw.FirstKind)];
        std::string variant(text.Family);
        if (draw.FirstKind == draw.LastKind && !text.Variant.empty())
          variant += " (" + std::string(text.Variant) + ")";
        const std::uint8_t leaf = AddLeaf(made, variant, -1, first);
        for (int k = draw.FirstKind; k <= draw.LastKind; ++k)
          FKind[wi][static_cast<std::size_t>(k)].fill(leaf);
        say(draw.Named, variant);
        continue;
      }
      for (int k = draw.FirstKind; k <= draw.LastKind; ++k) {
        const auto ki = static_cast<std::size_t>(k);
        const TKindText& text = kKindTexts[ki];
        const std::string variant = std::string(text.Family) +
                                    (text.Variant.empty() ? "" : ", " + std::string(text.Variant));
        const auto& seen = FKindSeen[wi][ki];
        const auto& first = FKindFirst[wi][ki];
        auto& leaves = FKind[wi][ki];
        if (!AnyOf(seen)) continue;
        say(draw.Named, std::string(text.Family));
        if (!SplitsByHigh(k, w)) {
          leaves.fill(AddLeaf(made, variant, -1, AnyOf(first)));
          continue;
        }
        for (std::size_t h = kHighCounts; h-- > 0;)
          if (seen[h] && (draw.High < 0 || draw.High == static_cast<int>(h)))
            leaves[h] = AddLeaf(made, variant, static_cast<int>(h), first[h]);
      }
    }
  }

  // The family's name says the draws in it: "no deuce: a paying hand, four to a royal flush,
  // ... or a pair", "joker: a paying hand or four to a straight flush"; where wild cards alone
  // join it, as they do, "two deuces".
  std::string PayingFamilyName(int w, std::vector<std::string> named) const {
    const std::string words = WildWords(w);
    if (JoinsPaying(w) || w == kMostWild) return words;
    named.insert(named.begin(), "a paying hand");
    // Without a wild card the pairs end the family.
    if (w == 0) named.push_back("a pair");
    std::string name = words + ": ";
    for (std::size_t i = 0; i < named.size(); ++i)
      name += (i == 0 ? "" : i + 1 == named.size() ? " or " : ", ") + named[i];
    return name;
  }

  // The paying hands, the highest first. Where a pair pays, three of a kind comes before the
  // straight, as its strategies list them: no hand is both, and the straight flush draws
  // worth less than three of a kind and more than a straight come between.
  std::vector<int> PayingOrder() const {
    std::vector<int> order;
    for (int o = FGame.OutcomeCount() - 1; o >= FGame.LosingOutcomes; --o) order.push_back(o);
    if (!FPairs) return order;
    auto named = [this, &order](std::string_view name) {
      return std::find_if(order.begin(), order.end(), [this, name](int o) {
        return FGame.Outcomes[static_cast<std::size_t>(o)].Name == name;
      });
    };
    const auto straight = named("Straight");
    const auto trips = named("Three of a Kind");
    if (straight < trips && trips != order.end()) std::rotate(straight, trips, trips + 1);
    return order;
  }

  void AddWildCount(int w, bool deuces) {
    const auto wi = static_cast<std::size_t>(w);
    const std::string words = WildWords(w);
    // What five cards make, the highest first; partial holds of matched ranks name the hand
    // they already are. The natural royal flush leads the paying hands, so that a short chart
    // naming some of them names it too rather than break it up.
    std::uint8_t made = kNoLeaf;
    bool payingPair = false;
    std::vector<std::string> named;  // the draws the paying family's name says
    for (const int o : PayingOrder()) {
      std::string name(FGame.Outcomes[static_cast<std::size_t>(o)].Name);
      std::transform(name.begin(), name.end(), name.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      if (w == 0 && name.find("wild") != std::string::npos) continue;
      if (w > 0 && name.find("natural") != std::string::npos) continue;
      if (deuces && w < 4 && name == "four deuces") continue;
      if (name == "straight") FDrawLevel[static_cast<std::size_t>(o)] = 1;
      if (name == "flush") FDrawLevel[static_cast<std::size_t>(o)] = 2;
      if (name == "straight flush" || name.find("wild royal") != std::string::npos)
        FDrawLevel[static_cast<std::size_t>(o)] = 3;
      if (name.find("natural") != std::string::npos) FDrawLevel[static_cast<std::size_t>(o)] = 4;
      if (!deuces && name == "kings or better") {
        payingPair = true;
        FPairLine = static_cast<std::size_t>(o);
        continue;
      }
      // Four deuces make four deuces, whatever the fifth card is. The family is named once its
      // draws are known.
      if (made == kNoLeaf) made = AddFamily(words, words + ": ", "", true);
      const std::uint8_t leaf = AddLeaf(made, name);
      FMadeLeaves.push_back(leaf);
      if (name == "four deuces") FFourDeuces = leaf;
      FMade[wi][static_cast<std::size_t>(o)] = leaf;
      AddDrawsAmongPaying(w, name, made, named);
      if (name == "three of a kind") FThreeOfAKind = static_cast<std::size_t>(o);
      if (name == "four of a kind") FFourOfAKind = static_cast<std::size_t>(o);
      if (name == "two pair") FTwoPair[wi] = leaf;
      // Held alone, they come right after w + 2 of a kind.
      if (JoinsPaying(w) && name == kOfAKindNames[static_cast<std::size_t>(w + 2)])
        FWildAlone = AddLeaf(made, words);
    }
    if (JoinsPaying(w) && FWildAlone == kNoLeaf) FWildAlone = AddLeaf(made, words);
    if (made != kNoLeaf) FFamilies[made].Name = Keep(PayingFamilyName(w, named));
    if (w == 0 || FPairs) {
      // Natural pairs end the family of the paying hands, the paying pair before the low: a
      // line can hold the best paying hand or else the pair. The joker beside one card is a
      // pair of its own family, held below many draws.
      if (made == kNoLeaf || (FPairs && w > 0))
        made = AddFamily(words + ": a pair", words + ": ", "", true);
      const std::uint8_t pairs = made;
      // Where two pair pays nothing, one of its pairs is held: the pair comes first.
      const bool twoPairPays = FTwoPair[wi] != kNoLeaf;
      FPair[wi] = AddLeaf(pairs, payingPair ? "pair of kings or aces" : "pair");
      if (w == 0 && !twoPairPays) FTwoPair[wi] = AddLeaf(pairs, "two pair");
      if (payingPair) FMade[wi][FPairLine] = FPair[wi];
      if (FPairs) FLowPair[wi] = AddLeaf(pairs, "low pair");
      for (const std::uint8_t leaf : {FTwoPair[wi], FPair[wi], FLowPair[wi]})
        if (leaf != kNoLeaf) FMadeLeaves.push_back(leaf);
    }
    std::string_view family;
    std::uint8_t familyId = 0;
    for (int k = 0; k < kKindCount; ++k) {
      const auto ki = static_cast<std::size_t>(k);
      const TKindText& text = kKindTexts[ki];
      auto& leaves = FKind[wi][ki];
      if (k == kdWildAlone) {
        if (w == kMostWild && FFourDeuces != kNoLeaf)
          leaves.fill(FFourDeuces);
        else if (JoinsPaying(w))
          leaves.fill(FWildAlone);
        else if (w > 0)
          leaves.fill(AddLeaf(AddFamily(words, "", ""), ""));
        FWildAlone = kNoLeaf;
        continue;
      }
      const auto& seen = FKindSeen[wi][ki];
      if (k != kdOther && std::find(seen.begin(), seen.end(), true) == seen.end()) continue;
      // Already among the paying hands.
      if (std::any_of(leaves.begin(), leaves.end(), [](std::uint8_t l) { return l != kNoLeaf; }))
        continue;
      if (text.Family != family || k == 0) {
        family = text.Family;
        const std::string name = words + ": " + std::string(text.Family);
        familyId = AddFamily(name, name + (text.Variant.empty() ? "" : ", "), "");
        if (k == kdTwoHighUnsuited) {
          FFamilies.back().Prefix = Keep(words + ": ");
        }
      }
      // Draws named by their cards: "two to a royal flush (K Q)".
      if (k == kdTwoToRoyal || k == kdThreeToRoyalByCards) {
        FFamilies.back().Prefix = Keep(words + ": " + std::string(text.Family) + " (");
        FFamilies.back().Suffix = ")";
      }
      // "four to a flush with 2 high cards".
      if (text.Variant.empty() && SplitsByHigh(k, w))
        FFamilies.back().Prefix = Keep(words + ": " + std::string(text.Family) + " ");
      const auto& first = FKindFirst[wi][ki];
      if (!SplitsByHigh(k, w)) {
        leaves.fill(
            AddLeaf(familyId, std::string(text.Variant), -1,
                    k == kdOther || std::find(first.begin(), first.end(), true) != first.end()));
        continue;
      }
      // The most high cards first, as a chart line naming several takes them.
      for (std::size_t h = kHighCounts; h-- > 0;)
        if (seen[h])
          leaves[h] = AddLeaf(familyId, std::string(text.Variant), static_cast<int>(h), first[h]);
    }
  }

  const TGame& FGame;
  int FMostWild = 1;
  bool FPairs = false;  // a pair pays (Joker Poker's kings or better)
  std::deque<std::string> FTexts;
  std::vector<TFamilyText> FFamilies;
  std::vector<TLeafText> FLeaves;
  std::array<std::array<std::uint8_t, kMaxOutcomes>, kMostWild + 1> FMade{};
  // By wild cards held, kind and high cards: the leaf, or kNoLeaf for none.
  template <typename T>
  using TByKind = std::array<std::array<std::array<T, kHighCounts>, kKindCount>, kMostWild + 1>;
  TByKind<std::uint8_t> FKind{};
  TByKind<bool> FKindSeen{};
  TByKind<bool> FKindFirst{};
  std::vector<bool> FDescribes;
  std::array<std::uint8_t, kMostWild + 1> FPair{};
  std::array<std::uint8_t, kMostWild + 1> FLowPair{};
  std::array<std::uint8_t, kMostWild + 1> FTwoPair{};
  // What each outcome makes of what draws aim at: 0 nothing, 1 a straight, 2 a flush, 3 a
  // straight flush or wild royal, 4 a natural royal flush.
  std::array<std::uint8_t, kMaxOutcomes> FDrawLevel{};
  std::vector<TFewLeaves> FDistinctLeaves;  // by DistinctIndex
  std::size_t FThreeOfAKind = 0;
  std::size_t FPairLine = 0;
  std::size_t FFourOfAKind = 0;
  std::uint8_t FDiscardLeaf = 0;
  std::uint8_t FFourDeuces = kNoLeaf;
  std::uint8_t FWildAlone = kNoLeaf;  // of the wild count being added
  // The leaves of paying hands and pairs, which FindMadeHands tells apart.
  std::vector<std::uint8_t> FMadeLeaves;
};

}  // namespace

std::unique_ptr<const THoldFamily> MakeWildFamily(const TGame& game) {
  return std::make_unique<TWildFamily>(game);
}
