// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "odds.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <numeric>
#include <thread>

namespace {

constexpr int kCards = 52;
constexpr std::int64_t kAllHands = 2598960;

struct TBinomials {
  std::array<std::array<std::int64_t, 6>, kCards + 1> C{};
  constexpr TBinomials() {
    for (int n = 0; n <= kCards; ++n) {
      C[n][0] = 1;
      for (int k = 1; k <= 5; ++k) C[n][k] = n == 0 ? 0 : C[n - 1][k - 1] + C[n - 1][k];
    }
  }
};
constexpr TBinomials kBinom;

inline std::uint32_t Choose(int n, int k) {
  return static_cast<std::uint32_t>(
      kBinom.C[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)]);
}

// Per subset mask of five positions: its highest bit and its size.
struct TMaskInfo {
  std::array<int, 32> Top{};
  std::array<int, 32> Size{};
  // The masks of one to four positions.
  std::array<int, 5> OfSize1{};
  std::array<int, 10> OfSize2{};
  std::array<int, 10> OfSize3{};
  std::array<int, 5> OfSize4{};
  constexpr TMaskInfo() {
    std::array<int, 6> filled{};
    for (int m = 1; m < 32; ++m) {
      int top = 0;
      int size = 0;
      for (int b = 0; b < 5; ++b)
        if (m & (1 << b)) {
          top = b;
          ++size;
        }
      Top[m] = top;
      Size[m] = size;
      const auto at = static_cast<std::size_t>(filled[static_cast<std::size_t>(size)]++);
      if (size == 1) OfSize1[at] = m;
      if (size == 2) OfSize2[at] = m;
      if (size == 3) OfSize3[at] = m;
      if (size == 4) OfSize4[at] = m;
    }
  }
};
constexpr TMaskInfo kMasks;

// Colex ranks of all 32 subsets of five ascending card indexes.
inline void SubsetRanks(const std::array<int, 5>& p, std::array<std::uint32_t, 32>& rank) {
  rank[0] = 0;
  for (int m = 1; m < 32; ++m) {
    const int top = kMasks.Top[m];
    rank[m] = rank[m ^ (1 << top)] + Choose(p[top], kMasks.Size[m]);
  }
}

// Every subset's count a0 - a1 + ... turns into "contains exactly this subset of the dealt
// cards": superset Moebius transform over the five positions, one position at a time.
inline void TakeAway(std::int64_t& a, std::int64_t b) {
  a -= b;
}

inline void TakeAway(TOutcomeCounts& a, const TOutcomeCounts& b) {
  for (std::size_t c = 0; c < a.size(); ++c) a[c] -= b[c];
}

template <std::size_t Bit, typename T>
inline void ExcludeSupersetsOf(std::array<T, 32>& n) {
  for (std::size_t base = 0; base < 32; base += 2 * Bit)
    for (std::size_t m = base; m < base + Bit; ++m) TakeAway(n[m], n[m + Bit]);
}

template <typename T>
inline void ExcludeSupersets(std::array<T, 32>& n) {
  ExcludeSupersetsOf<1>(n);
  ExcludeSupersetsOf<2>(n);
  ExcludeSupersetsOf<4>(n);
  ExcludeSupersetsOf<8>(n);
  ExcludeSupersetsOf<16>(n);
}
constexpr bool ScaleFitsEveryDrawCount() {
  for (std::size_t k = 0; k <= 5; ++k)
    if (kHoldValueScale % kBinom.C[47][k] != 0) return false;
  return true;
}
static_assert(ScaleFitsEveryDrawCount());

// kHoldValueScale over the draws of a hold of each size.
struct TScaleBySize {
  std::array<std::int64_t, 6> Factor{};
  constexpr TScaleBySize() {
    for (std::size_t held = 0; held <= 5; ++held)
      Factor[held] = kHoldValueScale / kBinom.C[47][5 - held];
  }
};
constexpr TScaleBySize kScaleBySize;

// The outcome of the five cards with these indexes.
TOutcome OutcomeOfIndexes(const std::array<int, 5>& index) {
  THandCards hand{};
  for (std::size_t j = 0; j < 5; ++j) hand[j] = static_cast<cdCardDeck>(index[j] + 1);
  return OutcomeOf(EvaluateHand(hand));
}

std::string Int128Text(__int128 v) {
  if (v == 0) return "0";
  const bool negative = v < 0;
  unsigned __int128 u =
      negative ? static_cast<unsigned __int128>(-(v + 1)) + 1u : static_cast<unsigned __int128>(v);
  std::string digits;
  while (u != 0) {
    digits.push_back(static_cast<char>('0' + static_cast<int>(u % 10u)));
    u /= 10u;
  }
  if (negative) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace

TUnitPays UnitPaysOf(const TPayTable& table) {
  TUnitPays pays{};
  for (int o = 0; o < kOutcomeCount; ++o) {
    const int line = PayLineOf(static_cast<TOutcome>(o));
    pays[static_cast<std::size_t>(o)] = line == 0 ? 0 : std::int64_t{table.Line(line)} + 1;
  }
  return pays;
}

std::int64_t DrawCount(int replaced) {
  return kBinom.C[47][static_cast<std::size_t>(std::clamp(replaced, 0, 5))];
}

// The 24 ways of renaming the four suits.
struct TSuitRenamings {
  std::array<std::array<int, 4>, 24> To{};
  constexpr TSuitRenamings() {
    int n = 0;
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 4; ++b)
        for (int c = 0; c < 4; ++c)
          for (int d = 0; d < 4; ++d)
            if (a != b && a != c && a != d && b != c && b != d && c != d) To[n++] = {a, b, c, d};
  }
};
constexpr TSuitRenamings kRenamings;

// Card index: suit x 13 + rank - 1, so a code is its index + 1.
using TCardSet = std::array<int, 5>;

// Calls emit(cards, weight) once for every class of `size`-card sets under renaming the
// suits: the cards in ascending index order and the number of sets the class stands for.
// A set is four rank sets, one per suit; a class is a multiset of four rank sets, listed
// here with its suits' rank sets in descending order so every multiset comes up once.
template <typename F>
void ForEachSuitClass(int size, F&& emit) {
  static const std::array<std::vector<int>, 6> bySize = [] {
    std::array<std::vector<int>, 6> lists;
    for (int m = (1 << 13) - 1; m >= 0; --m) {
      const int n = std::popcount(static_cast<unsigned>(m));
      if (n <= 5) lists[static_cast<std::size_t>(n)].push_back(m);
    }
    return lists;
  }();
  std::array<int, 4> chosen{};
  auto pick = [&](auto&& self, int suit, int limit, int left) -> void {
    for (int n = suit == 3 ? left : 0; n <= left; ++n) {
      const auto& list = bySize[static_cast<std::size_t>(n)];
      // First set not above the previous suit's.
      auto it = std::lower_bound(list.begin(), list.end(), limit, std::greater<int>());
      for (; it != list.end(); ++it) {
        chosen[static_cast<std::size_t>(suit)] = *it;
        if (suit < 3) {
          self(self, suit + 1, *it, left - n);
          continue;
        }
        TCardSet cards{};
        int k = 0;
        for (int s = 0; s < 4; ++s)
          for (auto bits = static_cast<unsigned>(chosen[static_cast<std::size_t>(s)]); bits != 0;
               bits &= bits - 1)
            cards[static_cast<std::size_t>(k++)] = s * 13 + std::countr_zero(bits);
        int weight = 24;
        for (int s = 0; s < 4;) {
          int run = 1;
          while (s + run < 4 &&
                 chosen[static_cast<std::size_t>(s + run)] == chosen[static_cast<std::size_t>(s)])
            ++run;
          for (int f = 2; f <= run; ++f) weight /= f;
          s += run;
        }
        emit(cards, weight);
      }
    }
  };
  pick(pick, 0, (1 << 13) - 1, size);
}

inline std::uint32_t ColexRank(const TCardSet& sorted, int size) {
  std::uint32_t rank = 0;
  for (int j = 0; j < size; ++j) rank += Choose(sorted[static_cast<std::size_t>(j)], j + 1);
  return rank;
}

// The counts of a set of cards are those of every set its suits can be renamed into, so
// each class is counted once and its row copied to the rest of the class.
struct TTableBuilder {
  using THistogram = std::array<std::uint32_t, kOutcomeCount>;

  // Calls f(rank) with the colex rank of every set the class's suits can be renamed into
  // (some more than once).
  template <typename F>
  static void ForEachRenaming(const TCardSet& cards, int size, F&& f) {
    // The cards come sorted, so by suit: a renaming moves whole suits, each keeping its ranks.
    std::array<int, 5> suitStart{};
    for (int j = 0; j < size; ++j)
      ++suitStart[static_cast<std::size_t>(cards[static_cast<std::size_t>(j)] / 13) + 1];
    for (std::size_t s = 1; s < 5; ++s) suitStart[s] += suitStart[s - 1];
    for (const auto& from : kRenamings.To) {
      std::uint32_t rank = 0;
      int place = 0;
      for (int to = 0; to < 4; ++to) {
        const auto s = static_cast<std::size_t>(from[static_cast<std::size_t>(to)]);
        for (int j = suitStart[s]; j < suitStart[s + 1]; ++j)
          rank += Choose(to * 13 + cards[static_cast<std::size_t>(j)] % 13, ++place);
      }
      f(rank);
    }
  }

  template <typename T>
  static void WriteClassRows(std::vector<T>& table, const TCardSet& cards, int size,
                             const THistogram& h) {
    ForEachRenaming(cards, size, [&](std::uint32_t rank) {
      T* row = table.data() + std::size_t{rank} * kOutcomeCount;
      for (std::size_t o = 0; o < kOutcomeCount; ++o) row[o] = static_cast<T>(h[o]);
    });
  }

  // The hands that hold four given cards: the four with each of the other 48 cards. Only a
  // fifth card of the four's one suit can make a flush, so the other cards of one rank all
  // end alike and one of them is evaluated for all.
  static void CountFours(TDrawTables& t, const std::vector<TCardSet>& fours, std::size_t first,
                         std::size_t step) {
    for (std::size_t i = first; i < fours.size(); i += step) {
      const TCardSet& s = fours[i];
      THandCards hand{};
      std::array<int, 13> taken{};  // bit per suit of the four's cards of each rank
      for (std::size_t j = 0; j < 4; ++j) {
        hand[j] = static_cast<cdCardDeck>(s[j] + 1);
        taken[static_cast<std::size_t>(s[j] % 13)] |= 1 << (s[j] / 13);
      }
      const int suit = s[0] / 13;
      const bool suited = s[3] / 13 == suit;
      const int flushSuitBit = suited ? 1 << suit : 0;
      THistogram h{};
      for (int r = 0; r < 13; ++r) {
        const int free = 15 & ~taken[static_cast<std::size_t>(r)];
        const int plain = free & ~flushSuitBit;
        if (plain != 0) {
          hand[4] =
              static_cast<cdCardDeck>(std::countr_zero(static_cast<unsigned>(plain)) * 13 + r + 1);
          h[OutcomeOf(EvaluateHand(hand))] +=
              static_cast<std::uint32_t>(std::popcount(static_cast<unsigned>(plain)));
        }
        if (free & flushSuitBit) {
          hand[4] = static_cast<cdCardDeck>(suit * 13 + r + 1);
          ++h[OutcomeOf(EvaluateHand(hand))];
        }
      }
      std::uint8_t* row = t.FClassCount4.data() + i * kOutcomeCount;
      for (std::size_t o = 0; o < kOutcomeCount; ++o) row[o] = static_cast<std::uint8_t>(h[o]);
      ForEachRenaming(
          s, 4, [&](std::uint32_t rank) { t.FClassOf4[rank] = static_cast<std::uint16_t>(i); });
    }
  }

  // A hand holding `size` given cards holds 5 - size others, so adding the rows of the set
  // with each other card counts every hand 5 - size times.
  // rowOf(rank) gives the counts of the larger set with that rank.
  template <typename T, typename F>
  static void CountFromLarger(std::vector<T>& table, F&& rowOf, int size) {
    ForEachSuitClass(size, [&](const TCardSet& s, int) {
      THistogram h{};
      for (int c = 0, j = 0; c < kCards; ++c) {
        if (j < size && s[static_cast<std::size_t>(j)] == c) {
          ++j;
          continue;
        }
        TCardSet with{};
        int n = 0;
        for (int k = 0; k < size; ++k) {
          if (k == j) with[static_cast<std::size_t>(n++)] = c;
          with[static_cast<std::size_t>(n++)] = s[static_cast<std::size_t>(k)];
        }
        if (j == size) with[static_cast<std::size_t>(n)] = c;
        const auto* row = rowOf(ColexRank(with, size + 1));
        for (std::size_t o = 0; o < kOutcomeCount; ++o) h[o] += row[o];
      }
      for (auto& count : h) count /= static_cast<std::uint32_t>(5 - size);
      WriteClassRows(table, s, size, h);
    });
  }

  static void Allocate(TDrawTables& t) {
    t.FCount1.assign(std::size_t{Choose(kCards, 1)} * kOutcomeCount, 0);
    t.FCount2.assign(std::size_t{Choose(kCards, 2)} * kOutcomeCount, 0);
    t.FCount3.assign(std::size_t{Choose(kCards, 3)} * kOutcomeCount, 0);
    t.FClassOf4.assign(Choose(kCards, 4), 0);
  }
};

std::shared_ptr<const TDrawTables> TDrawTables::Build(int threads) {
  auto tables = std::make_shared<TDrawTables>();
  TDrawTables& t = *tables;
  TTableBuilder::Allocate(t);
  std::vector<TCardSet> fours;
  fours.reserve(17000);
  ForEachSuitClass(4, [&](const TCardSet& s, int) { fours.push_back(s); });
  t.FClassCount4.assign(fours.size() * kOutcomeCount, 0);

  // Different classes write different rows, so the workers share the tables.
  const auto parts = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < parts; ++i)
    workers.emplace_back(TTableBuilder::CountFours, std::ref(t), std::cref(fours), i, parts);
  TTableBuilder::CountFours(t, fours, 0, parts);
  for (auto& w : workers) w.join();

  auto rowsOf = [](const auto& table) {
    return
        [&table](std::uint32_t rank) { return table.data() + std::size_t{rank} * kOutcomeCount; };
  };
  TTableBuilder::CountFromLarger(
      t.FCount3, [&t](std::uint32_t rank) { return t.Row4(rank); }, 3);
  TTableBuilder::CountFromLarger(t.FCount2, rowsOf(t.FCount3), 2);
  TTableBuilder::CountFromLarger(t.FCount1, rowsOf(t.FCount2), 1);
  for (int c = 0; c < kCards; ++c)
    for (std::size_t o = 0; o < kOutcomeCount; ++o)
      t.FCount0[o] += t.FCount1[static_cast<std::size_t>(c) * kOutcomeCount + o];
  for (auto& count : t.FCount0) count /= 5;
  return tables;
}

void TDrawTables::LoadSubsetCounts(const std::array<int, 5>& sorted,
                                   std::array<TOutcomeCounts, 32>& counts) const {
  std::array<std::uint32_t, 32> rank{};
  SubsetRanks(sorted, rank);
  for (int c = 0; c < kOutcomeCount; ++c)
    counts[0][static_cast<std::size_t>(c)] = FCount0[static_cast<std::size_t>(c)];
  for (int m = 1; m < 31; ++m) {
    const std::size_t at = std::size_t{rank[m]} * kOutcomeCount;
    auto& n = counts[static_cast<std::size_t>(m)];
    switch (kMasks.Size[m]) {
      case 1:
        for (int c = 0; c < kOutcomeCount; ++c)
          n[static_cast<std::size_t>(c)] = FCount1[at + static_cast<std::size_t>(c)];
        break;
      case 2:
        for (int c = 0; c < kOutcomeCount; ++c)
          n[static_cast<std::size_t>(c)] = FCount2[at + static_cast<std::size_t>(c)];
        break;
      case 3:
        for (int c = 0; c < kOutcomeCount; ++c)
          n[static_cast<std::size_t>(c)] = FCount3[at + static_cast<std::size_t>(c)];
        break;
      default:
        for (int c = 0; c < kOutcomeCount; ++c) n[static_cast<std::size_t>(c)] = Row4(rank[m])[c];
        break;
    }
  }
  counts[31].fill(0);
  counts[31][OutcomeOfIndexes(sorted)] = 1;
}

bool PaysMore(const THoldOdds& a, const THoldOdds& b) {
  return static_cast<__int128>(a.PaySum) * b.Draws > static_cast<__int128>(b.PaySum) * a.Draws;
}

namespace {

// The hand's card indexes in ascending order, and for each the hand position it came from.
struct TSortedHand {
  std::array<int, 5> Index{};
  std::array<int, 5> Position{};
  explicit TSortedHand(const THandCards& cards) {
    std::array<int, 5> order = {0, 1, 2, 3, 4};
    std::sort(order.begin(), order.end(), [&](int x, int y) { return cards[x] < cards[y]; });
    for (int j = 0; j < 5; ++j) {
      Position[j] = order[j];
      Index[j] = cards[order[j]] - 1;
    }
  }
};

std::array<THoldOdds, 32> AllHolds(const TDrawTables& tables, const THandCards& cards,
                                   const TUnitPays& pays) {
  const TSortedHand hand(cards);
  std::array<TOutcomeCounts, 32> n{};
  tables.LoadSubsetCounts(hand.Index, n);
  ExcludeSupersets(n);
  std::array<THoldOdds, 32> holds{};
  for (int sm = 0; sm < 32; ++sm) {
    int mask = 0;
    for (int j = 0; j < 5; ++j)
      if (sm & (1 << j)) mask |= 1 << hand.Position[j];
    THoldOdds& h = holds[static_cast<std::size_t>(mask)];
    h.Mask = static_cast<std::uint8_t>(mask);
    h.Counts = n[static_cast<std::size_t>(sm)];
    h.Draws = DrawCount(5 - kMasks.Size[sm]);
    h.PaySum = 0;
    for (int c = 0; c < kOutcomeCount; ++c) h.PaySum += h.Counts[c] * pays[c];
  }
  return holds;
}

}  // namespace

std::array<THoldOdds, 32> RankHolds(const TDrawTables& tables, const THandCards& cards,
                                    const TUnitPays& pays) {
  auto holds = AllHolds(tables, cards, pays);
  std::stable_sort(holds.begin(), holds.end(), PaysMore);
  return holds;
}

std::uint8_t BestHold(const TDrawTables& tables, const THandCards& cards, const TUnitPays& pays) {
  const auto holds = AllHolds(tables, cards, pays);
  std::size_t best = 0;
  for (std::size_t m = 1; m < holds.size(); ++m)
    if (PaysMore(holds[m], holds[best])) best = m;
  return holds[best].Mask;
}

double TReturnReport::Return() const {
  return static_cast<double>(PayNumerator) / static_cast<double>(Denominator);
}

double TReturnReport::Probability(TOutcome outcome) const {
  return static_cast<double>(OutcomeNumerators[outcome]) / static_cast<double>(Denominator);
}

std::string TReturnReport::ReturnPercentText(int decimals) const {
  decimals = std::clamp(decimals, 0, 12);
  __int128 scale = 100;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const __int128 scaled = PayNumerator * scale;
  const __int128 rounded = (2 * scaled + Denominator) / (2 * Denominator);
  const std::string digits = Int128Text(rounded);
  const auto places = static_cast<std::size_t>(decimals);
  // At least one digit before the point.
  const std::size_t width = std::max(digits.size(), places + 1);
  std::string text;
  for (std::size_t i = 0; i < width; ++i) {
    if (places > 0 && i == width - places) text.push_back('.');
    const std::size_t pad = width - digits.size();
    text.push_back(i < pad ? '0' : digits[i - pad]);
  }
  return text;
}

const std::vector<TDealClass>& DealClasses() {
  static const std::vector<TDealClass> classes = [] {
    std::vector<TDealClass> out;
    out.reserve(134459);
    ForEachSuitClass(5, [&out](const TCardSet& cards, int weight) {
      TDealClass k;
      for (std::size_t j = 0; j < 5; ++j) k.Cards[j] = static_cast<cdCardDeck>(cards[j] + 1);
      k.Weight = static_cast<std::uint8_t>(weight);
      out.push_back(k);
    });
    return out;
  }();
  return classes;
}

struct TClassValueData {
  TUnitPays Pays;
  std::array<std::int64_t, kOutcomeCount> Weighted0{};
  std::vector<std::int64_t> Weighted1, Weighted2, Weighted3, Weighted4;
};

namespace {

template <typename T>
void Weigh(const std::vector<T>& counts, const TUnitPays& pays, std::vector<std::int64_t>& into) {
  into.resize(counts.size() / kOutcomeCount);
  for (std::size_t i = 0; i < into.size(); ++i) {
    std::int64_t s = 0;
    for (std::size_t c = 0; c < kOutcomeCount; ++c)
      s += std::int64_t{counts[i * kOutcomeCount + c]} * pays[c];
    into[i] = s;
  }
}

}  // namespace

// The value of a hold is linear in the counts, so the tables are weighed by the pays once
// and the superset transform runs on pay sums.
THoldValueCounter::THoldValueCounter(const TDrawTables& tables, const TUnitPays& pays)
    : FTables(tables), FData(std::make_unique<TClassValueData>()) {
  TClassValueData& d = *FData;
  d.Pays = pays;
  for (std::size_t c = 0; c < kOutcomeCount; ++c)
    d.Weighted0[0] += std::int64_t{tables.FCount0[c]} * pays[c];
  Weigh(tables.FCount1, pays, d.Weighted1);
  Weigh(tables.FCount2, pays, d.Weighted2);
  Weigh(tables.FCount3, pays, d.Weighted3);
  Weigh(tables.FClassCount4, pays, d.Weighted4);
}

THoldValueCounter::~THoldValueCounter() = default;

TClassSubsets::TClassSubsets(const TDealClass& k) {
  // Class cards come in ascending code order already.
  std::array<int, 5> sorted{};
  for (std::size_t j = 0; j < 5; ++j) sorted[j] = k.Cards[j] - 1;
  SubsetRanks(sorted, Rank);
  Dealt = OutcomeOfIndexes(sorted);
}

void THoldValueCounter::Values(const TClassSubsets& k, THoldValues& values) const {
  const TClassValueData& d = *FData;
  const auto& rank = k.Rank;
  auto& pay = values;
  pay[0] = d.Weighted0[0];
  for (const int m : kMasks.OfSize1) pay[m] = d.Weighted1[rank[m]];
  for (const int m : kMasks.OfSize2) pay[m] = d.Weighted2[rank[m]];
  for (const int m : kMasks.OfSize3) pay[m] = d.Weighted3[rank[m]];
  for (const int m : kMasks.OfSize4) pay[m] = d.Weighted4[FTables.FClassOf4[rank[m]]];
  pay[31] = d.Pays[k.Dealt];
  ExcludeSupersets(pay);
  for (int m = 0; m < 32; ++m) pay[m] *= kScaleBySize.Factor[kMasks.Size[m]];
}

TOutcomeTally::TOutcomeTally(const TDrawTables& tables)
    : FTables(tables),
      FWeight1(Choose(kCards, 1), 0),
      FWeight2(Choose(kCards, 2), 0),
      FWeight3(Choose(kCards, 3), 0),
      FWeight4(tables.FClassCount4.size() / kOutcomeCount, 0) {}

void TOutcomeTally::Add(const TClassSubsets& k, int held, std::int64_t weight) {
  const auto& rank = k.Rank;
  // Exactly the held cards: inclusion and exclusion over the counts of their supersets.
  const int free = 31 & ~held;
  for (int sub = free;; sub = (sub - 1) & free) {
    const int s = held | sub;
    const std::int64_t w = (kMasks.Size[sub] & 1) ? -weight : weight;
    switch (kMasks.Size[s]) {
      case 0:
        FWeight0 += w;
        break;
      case 1:
        FWeight1[rank[s]] += w;
        break;
      case 2:
        FWeight2[rank[s]] += w;
        break;
      case 3:
        FWeight3[rank[s]] += w;
        break;
      case 4:
        FWeight4[FTables.FClassOf4[rank[s]]] += w;
        break;
      default:
        FFive[k.Dealt] += w;
        break;
    }
    if (sub == 0) break;
  }
}

void TOutcomeTally::Merge(const TOutcomeTally& other) {
  FWeight0 += other.FWeight0;
  auto add = [](std::vector<std::int64_t>& into, const std::vector<std::int64_t>& from) {
    for (std::size_t i = 0; i < into.size(); ++i) into[i] += from[i];
  };
  add(FWeight1, other.FWeight1);
  add(FWeight2, other.FWeight2);
  add(FWeight3, other.FWeight3);
  add(FWeight4, other.FWeight4);
  for (std::size_t c = 0; c < kOutcomeCount; ++c) FFive[c] += other.FFive[c];
}

std::array<__int128, kOutcomeCount> TOutcomeTally::Sum() const {
  std::array<__int128, kOutcomeCount> sum{};
  auto addRows = [&sum](const std::vector<std::int64_t>& weights, const auto& rows) {
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (weights[i] == 0) continue;
      for (std::size_t c = 0; c < kOutcomeCount; ++c)
        sum[c] += static_cast<__int128>(weights[i]) * rows[i * kOutcomeCount + c];
    }
  };
  for (std::size_t c = 0; c < kOutcomeCount; ++c)
    sum[c] += static_cast<__int128>(FWeight0) * FTables.FCount0[c] + FFive[c];
  addRows(FWeight1, FTables.FCount1);
  addRows(FWeight2, FTables.FCount2);
  addRows(FWeight3, FTables.FCount3);
  addRows(FWeight4, FTables.FClassCount4);
  return sum;
}

int BestOf(const THoldValues& values) {
  int best = 0;
  for (int m = 1; m < 32; ++m)
    if (values[static_cast<std::size_t>(m)] > values[static_cast<std::size_t>(best)]) best = m;
  return best;
}

namespace {

struct TPartialSums {
  __int128 Pay = 0;
  TOutcomeTally Outcomes;
};

void SumClasses(const THoldValueCounter& counter, std::size_t first, std::size_t last,
                TPartialSums& sums) {
  const auto& classes = DealClasses();
  THoldValues values{};
  for (std::size_t i = first; i < last; ++i) {
    const TDealClass& k = classes[i];
    const TClassSubsets subsets(k);
    counter.Values(subsets, values);
    const int best = BestOf(values);
    sums.Pay += static_cast<__int128>(k.Weight) * values[static_cast<std::size_t>(best)];
    sums.Outcomes.Add(subsets, best,
                      std::int64_t{k.Weight} * kScaleBySize.Factor[kMasks.Size[best]]);
  }
}

}  // namespace

TReturnReport ComputeReturn(const TDrawTables& tables, const TPayTable& table, int threads) {
  const auto& classes = DealClasses();
  const THoldValueCounter counter(tables, UnitPaysOf(table));
  const auto parts = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  std::vector<TPartialSums> sums(parts, TPartialSums{0, TOutcomeTally(tables)});
  std::vector<std::thread> workers;
  const std::size_t per = (classes.size() + parts - 1) / parts;
  for (std::size_t i = 0; i < parts; ++i) {
    const std::size_t from = std::min(classes.size(), per * i);
    const std::size_t to = std::min(classes.size(), from + per);
    TPartialSums& part = sums[i];
    if (i + 1 == parts)
      SumClasses(counter, from, to, part);
    else
      workers.emplace_back([&counter, from, to, &part] { SumClasses(counter, from, to, part); });
  }
  for (auto& w : workers) w.join();

  TReturnReport report;
  report.Denominator = static_cast<__int128>(kAllHands) * kHoldValueScale;
  for (std::size_t i = 0; i < sums.size(); ++i) {
    report.PayNumerator += sums[i].Pay;
    if (i > 0) sums[0].Outcomes.Merge(sums[i].Outcomes);
  }
  const auto outcomes = sums[0].Outcomes.Sum();
  for (int c = 0; c < kOutcomeCount; ++c) report.OutcomeNumerators[c] = outcomes[c];
  return report;
}
