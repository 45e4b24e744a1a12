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
  kdThreeToStraightFlush,  // nine kinds, as above
  kdLastThreeToStraightFlush = kdThreeToStraightFlush + kGapKinds - 1,
  kdFourToFlush,
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
// makes can't reach past the ace: "one gap", "consecutive, at an end".
constexpr std::array<std::string_view, kGapKinds> kGapTexts = {
    "consecutive", "consecutive, at an end", "one gap",    "one gap, at an end",
    "two gaps",    "two gaps, at an end",    "three gaps", "three gaps, at an end",
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
    for (auto& row : FKind) row.fill(kNoLeaf);
    FPair.fill(kNoLeaf);
    FLowPair.fill(kNoLeaf);
    FTwoPair.fill(kNoLeaf);
    for (int w = FMostWild; w >= 0; --w) AddWildCount(w, deuces);
    FDiscardLeaf = AddLeaf(AddFamily("discard everything", "", ""), "");
  }

  std::span<const TFamilyText> Families() const override { return FFamilies; }
  std::span<const TLeafText> Leaves() const override { return FLeaves; }
  bool Describes(TPatternId leaf) const override { return leaf < FLeaves.size(); }

  void LeavesOfHolds(const THandCards& cards, THandLeaves& holds) const override {
    std::array<int, 5> rank{};
    std::array<int, 5> suit{};
    std::array<bool, 5> wild{};
    for (std::size_t i = 0; i < 5; ++i) {
      const int code = cards[i];
      wild[i] = code == cdJoker || (FGame.Wild == wcDeuces && CardRank(code) == 2);
      rank[i] = wild[i] ? 0 : CardRank(code);
      suit[i] = wild[i] ? 0 : CardSuit(code);
    }
    const std::uint8_t dealt = EvaluateOutcome(FGame, cards);
    for (int m = 0; m < 32; ++m) {
      THoldPatterns& out = holds[static_cast<std::size_t>(m)];
      out.Count = 0;
      int w = 0;
      int ranks = 0;
      int suits = 0;
      int n = 0;
      std::array<int, 14> count{};
      for (std::size_t i = 0; i < 5; ++i) {
        if (!(m >> i & 1)) continue;
        if (wild[i]) {
          ++w;
          continue;
        }
        ++n;
        ranks |= 1 << (rank[i] - 1);
        suits |= 1 << suit[i];
        ++count[static_cast<std::size_t>(rank[i])];
      }
      auto add = [&out](std::uint8_t leaf) {
        if (leaf != kNoLeaf && out.Count < 4) out.Ids[static_cast<std::size_t>(out.Count++)] = leaf;
      };
      const auto wi = static_cast<std::size_t>(w);
      if (n + w == 5) {
        add(FMade[wi][dealt]);
        if (out.Count == 0) add(FKind[wi][kdOther]);
        continue;
      }
      if (n == 0) {
        add(w == 0 ? FDiscardLeaf : FKind[wi][kdWildAlone]);
        continue;
      }
      int most = 0;
      int pairs = 0;
      int pairRank = 0;
      for (int r = 1; r <= 13; ++r) {
        const int c = count[static_cast<std::size_t>(r)];
        most = std::max(most, c);
        if (c == 2) {
          ++pairs;
          pairRank = r;
        }
      }
      if (most >= 2) {
        if (pairs == 2 && w == 0)
          add(FTwoPair[wi]);
        else if (n == most)
          add(OfAKind(w, most, pairRank));
        if (out.Count == 0) add(FKind[wi][kdOther]);
        continue;
      }
      // Distinct natural ranks; one natural card counts as suited.
      const bool suited = std::popcount(static_cast<unsigned>(suits)) == 1;
      const int held = n + w;
      const int windows = WindowsHolding(ranks);
      // How many windows the draw really has, a window with a 2 in it weaker with deuces wild.
      const int open = FGame.Wild == wcDeuces ? WindowsHolding(ranks, true) : windows;
      // A draw names only holds that draw to more than the dealt hand already makes: four
      // cards of a dealt royal flush are not four to one.
      const int level = FDrawLevel[dealt];
      const bool royal = (ranks & ~kRoyalRanks) == 0 && level < 4;
      const bool flushDraw = suited && level < 2;
      const bool straightDraw = windows > 0 && level < 1;
      const bool straightFlushDraw = suited && windows > 0 && level < 3;
      if (w > 0 && n == 1 && FPairs)
        add(OfAKind(w, 1, std::countr_zero(static_cast<unsigned>(ranks)) + 1));
      if (held == 4) {
        if (suited && royal) add(FKind[wi][kdFourToRoyal]);
        if (straightFlushDraw) add(FKind[wi][kdFourToStraightFlush + GapKind(ranks, open)]);
        if (flushDraw && n >= 2) add(FKind[wi][kdFourToFlush]);
        if (straightDraw)
          add(FKind[wi][open >= 2   ? kdFourToStraightOpen
                        : open == 1 ? kdFourToStraightInside
                                    : kdFourToStraightAceLow]);
      } else if (held == 3) {
        if (suited && royal) add(FKind[wi][(ranks & 1) ? kdThreeToRoyalWithAce : kdThreeToRoyal]);
        if (straightFlushDraw) add(FKind[wi][kdThreeToStraightFlush + GapKind(ranks, open)]);
        if (flushDraw && n >= 2) add(FKind[wi][kdThreeToFlush]);
        if (straightDraw) add(FKind[wi][kdThreeToStraight]);
      } else if (held == 2 && n == 2) {
        if (suited && royal) add(FKind[wi][kdTwoToRoyal + RoyalPairKind(ranks)]);
        if (!suited && (ranks & 1) && (ranks & (1 << 12)) && FPairs)
          add(FKind[wi][kdTwoHighUnsuited]);
      } else if (held == 1 && FPairs) {
        if (ranks & 1) add(FKind[wi][kdAceOnly]);
        if (ranks & (1 << 12)) add(FKind[wi][kdKingOnly]);
      }
      if (out.Count == 0) add(FKind[wi][kdOther]);
    }
  }

 private:
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
    FFamilies.push_back({Keep(name), Keep(prefix), Keep(suffix), leafNamesMistakes});
    return static_cast<std::uint8_t>(FFamilies.size() - 1);
  }
  std::uint8_t AddLeaf(std::uint8_t family, const std::string& variant) {
    FLeaves.push_back({family, Keep(variant), -1});
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

  // Whether some hold with w wild cards is of kind k: a draw of n cards holds n - w natural
  // cards, flush draws at least two of them. High cards pay only without wild cards held, and
  // only a pair of kings or aces pays; with deuces wild the ace-low draws stand apart.
  static bool Possible(int k, int w, bool deuces) {
    if (k == kdOther) return true;
    if (k == kdWildAlone) return w > 0;
    if (k == kdFourToStraightFlush + kGapAceLow || k == kdThreeToStraightFlush + kGapAceLow ||
        k == kdFourToStraightAceLow)
      if (!deuces) return false;
    if (k == kdTwoHighUnsuited || k == kdAceOnly || k == kdKingOnly) return !deuces && w == 0;
    if (k >= kdTwoToRoyal && k <= kdLastTwoToRoyal) return w == 0;
    if (k == kdThreeToFlush) return w <= 1;
    if (k == kdFourToFlush) return w <= 2;
    if (k >= kdThreeToRoyal && k <= kdLastThreeToStraightFlush) return w <= 2;
    if (k == kdThreeToStraight) return w <= 2;
    return w <= 3;
  }

  void AddWildCount(int w, bool deuces) {
    const auto wi = static_cast<std::size_t>(w);
    const std::string words = WildWords(w);
    // What five cards make, the highest first; partial holds of matched ranks name the hand
    // they already are.
    // A natural royal flush is a family of its own: a short chart that names the paying hands
    // whole never draws to a royal flush from one.
    std::uint8_t made = kNoLeaf;
    bool payingPair = false;
    for (int o = FGame.OutcomeCount() - 1; o >= FGame.LosingOutcomes; --o) {
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
      std::uint8_t leaf = kNoLeaf;
      if (name.find("natural") != std::string::npos) {
        leaf = AddLeaf(AddFamily(words + ": " + name, "", "", true), "");
      } else {
        if (made == kNoLeaf)
          made = AddFamily(words + (FPairs ? ": a paying hand" : ": a paying hand or a pair"),
                           words + ": ", "", true);
        leaf = AddLeaf(made, name);
      }
      FMade[wi][static_cast<std::size_t>(o)] = leaf;
      if (name == "three of a kind") FThreeOfAKind = static_cast<std::size_t>(o);
      if (name == "four of a kind") FFourOfAKind = static_cast<std::size_t>(o);
      if (name == "two pair") FTwoPair[wi] = leaf;
    }
    if (w == 0 || FPairs) {
      // Where a pair pays, a low pair is held below many draws; in Deuces Wild a pair stands
      // above nearly all of them and reads best beside the paying hands.
      if (made == kNoLeaf || FPairs) made = AddFamily(words + ": a pair", words + ": ", "", true);
      const std::uint8_t pairs = made;
      if (w == 0 && FTwoPair[wi] == kNoLeaf) FTwoPair[wi] = AddLeaf(pairs, "two pair");
      FPair[wi] = AddLeaf(pairs, payingPair ? "pair of kings or aces" : "pair");
      if (payingPair) FMade[wi][FPairLine] = FPair[wi];
      if (FPairs) FLowPair[wi] = AddLeaf(pairs, "low pair");
    }
    std::string_view family;
    std::uint8_t familyId = 0;
    for (int k = 0; k < kKindCount; ++k) {
      const TKindText& text = kKindTexts[static_cast<std::size_t>(k)];
      if (!Possible(k, w, deuces)) continue;
      if (k == kdWildAlone) {
        FKind[wi][static_cast<std::size_t>(k)] = AddLeaf(AddFamily(words, "", ""), "");
        continue;
      }
      if (text.Family != family || k == 0) {
        family = text.Family;
        const std::string name = words + ": " + std::string(text.Family);
        familyId = AddFamily(name, name + (text.Variant.empty() ? "" : ", "), "");
        if (k == kdTwoHighUnsuited) {
          FFamilies.back().Prefix = Keep(words + ": ");
        }
      }
      if (k == kdTwoToRoyal) {
        FFamilies.back().Prefix = Keep(words + ": two to a royal flush (");
        FFamilies.back().Suffix = ")";
      }
      FKind[wi][static_cast<std::size_t>(k)] = AddLeaf(familyId, std::string(text.Variant));
    }
  }

  const TGame& FGame;
  int FMostWild = 1;
  bool FPairs = false;  // a pair pays (Joker Poker's kings or better)
  std::deque<std::string> FTexts;
  std::vector<TFamilyText> FFamilies;
  std::vector<TLeafText> FLeaves;
  std::array<std::array<std::uint8_t, kMaxOutcomes>, kMostWild + 1> FMade{};
  std::array<std::array<std::uint8_t, kKindCount>, kMostWild + 1> FKind{};
  std::array<std::uint8_t, kMostWild + 1> FPair{};
  std::array<std::uint8_t, kMostWild + 1> FLowPair{};
  std::array<std::uint8_t, kMostWild + 1> FTwoPair{};
  // What each outcome makes of what draws aim at: 0 nothing, 1 a straight, 2 a flush, 3 a
  // straight flush or wild royal, 4 a natural royal flush.
  std::array<std::uint8_t, kMaxOutcomes> FDrawLevel{};
  std::size_t FThreeOfAKind = 0;
  std::size_t FPairLine = 0;
  std::size_t FFourOfAKind = 0;
  std::uint8_t FDiscardLeaf = 0;
};

}  // namespace

std::unique_ptr<const THoldFamily> MakeWildFamily(const TGame& game) {
  return std::make_unique<TWildFamily>(game);
}
