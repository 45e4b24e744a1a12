// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "odds.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <numeric>
#include <stdexcept>
#include <thread>

namespace {

// The largest deck: 52 cards and the joker.
constexpr int kMostCards = 53;
constexpr int kJokerIndex = 52;

struct TBinomials {
  std::array<std::array<std::int64_t, 6>, kMostCards + 1> C{};
  constexpr TBinomials() {
    for (int n = 0; n <= kMostCards; ++n) {
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
constexpr bool ScaleFitsEveryDrawCount(int cards) {
  for (int k = 0; k <= 5; ++k)
    if (HoldValueScale(cards) % DrawCount(cards, k) != 0) return false;
  return true;
}
static_assert(ScaleFitsEveryDrawCount(52) && ScaleFitsEveryDrawCount(53));
static_assert(DrawCount(52, 5) == 1533939 && DealCount(53) == 2869685);

// The deck's hold value scale over the draws of a hold of each size.
struct TScaleBySize {
  std::array<std::int64_t, 6> Factor{};
  constexpr explicit TScaleBySize(int cards) {
    for (int held = 0; held <= 5; ++held)
      Factor[static_cast<std::size_t>(held)] = HoldValueScale(cards) / DrawCount(cards, 5 - held);
  }
};
constexpr TScaleBySize kScaleBy52(52);
constexpr TScaleBySize kScaleBy53(53);
const TScaleBySize& ScaleBySize(int cards) {
  return cards == 53 ? kScaleBy53 : kScaleBy52;
}

THandCards CodesOf(const std::array<int, 5>& index) {
  THandCards hand{};
  for (std::size_t j = 0; j < 5; ++j) hand[j] = static_cast<cdCardDeck>(index[j] + 1);
  return hand;
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
  return DrawCount(52, replaced);
}

const TCountedGame& JacksOrBetterCount() {
  static const TCountedGame game = [] {
    TCountedGame g;
    g.Cards = 52;
    g.Outcomes = kOutcomeCount;
    g.Evaluate = [](const THandCards* hands, std::size_t n, std::uint8_t* outcomes) {
      for (std::size_t i = 0; i < n; ++i) outcomes[i] = OutcomeOf(EvaluateHand(hands[i]));
    };
    return g;
  }();
  return game;
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

// Card index: suit x 13 + rank - 1, so a code is its index + 1; the joker is index 52.
using TCardSet = std::array<int, 5>;

// Calls emit(cards, weight) once for every class of `size`-card sets of the deck of `cards`
// cards under renaming the suits: the cards in ascending index order and the number of sets
// the class stands for. A set of suited cards is four rank sets, one per suit; a class is a
// multiset of four rank sets, listed here with its suits' rank sets in descending order so
// every multiset comes up once. The joker has no suit: the classes with it are those of one
// card fewer with the joker added, after all the classes without it.
template <typename F>
void ForEachSuitClass(int size, int cards, F&& emit) {
  static const std::array<std::vector<int>, 6> bySize = [] {
    std::array<std::vector<int>, 6> lists;
    for (int m = (1 << 13) - 1; m >= 0; --m) {
      const int n = std::popcount(static_cast<unsigned>(m));
      if (n <= 5) lists[static_cast<std::size_t>(n)].push_back(m);
    }
    return lists;
  }();
  std::array<int, 4> chosen{};
  bool joker = false;
  int suited = size;
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
        TCardSet set{};
        int k = 0;
        for (int s = 0; s < 4; ++s)
          for (auto bits = static_cast<unsigned>(chosen[static_cast<std::size_t>(s)]); bits != 0;
               bits &= bits - 1)
            set[static_cast<std::size_t>(k++)] = s * 13 + std::countr_zero(bits);
        if (joker) set[static_cast<std::size_t>(k)] = kJokerIndex;
        int weight = 24;
        for (int s = 0; s < 4;) {
          int run = 1;
          while (s + run < 4 &&
                 chosen[static_cast<std::size_t>(s + run)] == chosen[static_cast<std::size_t>(s)])
            ++run;
          for (int f = 2; f <= run; ++f) weight /= f;
          s += run;
        }
        emit(set, weight);
      }
    }
  };
  pick(pick, 0, (1 << 13) - 1, suited);
  if (cards == 53 && size > 0) {
    joker = true;
    suited = size - 1;
    pick(pick, 0, (1 << 13) - 1, suited);
  }
}

inline std::uint32_t ColexRank(const TCardSet& sorted, int size) {
  std::uint32_t rank = 0;
  for (int j = 0; j < size; ++j) rank += Choose(sorted[static_cast<std::size_t>(j)], j + 1);
  return rank;
}

// The counts of a set of cards are those of every set its suits can be renamed into, so
// each class is counted once and its row copied to the rest of the class.
struct TTableBuilder {
  using THistogram = std::array<std::uint32_t, kMostOutcomes>;

  // Calls f(rank) with the colex rank of every set the class's suits can be renamed into
  // (some more than once).
  template <typename F>
  static void ForEachRenaming(const TCardSet& cards, int size, F&& f) {
    // The joker comes last, where every renaming leaves it.
    const bool joker = size > 0 && cards[static_cast<std::size_t>(size - 1)] == kJokerIndex;
    const int suited = joker ? size - 1 : size;
    // The cards come sorted, so by suit: a renaming moves whole suits, each keeping its ranks.
    std::array<int, 5> suitStart{};
    for (int j = 0; j < suited; ++j)
      ++suitStart[static_cast<std::size_t>(cards[static_cast<std::size_t>(j)] / 13) + 1];
    for (std::size_t s = 1; s < 5; ++s) suitStart[s] += suitStart[s - 1];
    const std::uint32_t jokerTerm = joker ? Choose(kJokerIndex, size) : 0;
    for (const auto& from : kRenamings.To) {
      std::uint32_t rank = jokerTerm;
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
  static void WriteClassRows(std::vector<T>& table, std::size_t stride, const TCardSet& cards,
                             int size, const THistogram& h) {
    ForEachRenaming(cards, size, [&](std::uint32_t rank) {
      T* row = table.data() + std::size_t{rank} * stride;
      for (std::size_t o = 0; o < stride; ++o) row[o] = static_cast<T>(h[o]);
    });
  }

  // The hands that hold four given cards: the four with each other card of the deck, all
  // evaluated at once.
  static void CountFours(TDrawTables& t, const std::vector<TCardSet>& fours, std::size_t first,
                         std::size_t step) {
    const std::size_t stride = t.Stride();
    std::vector<THandCards> hands;
    std::vector<std::uint8_t> outcomes;
    for (std::size_t i = first; i < fours.size(); i += step) {
      const TCardSet& s = fours[i];
      hands.clear();
      THandCards hand{};
      for (std::size_t j = 0; j < 4; ++j) hand[j] = static_cast<cdCardDeck>(s[j] + 1);
      for (int c = 0, j = 0; c < t.FGame.Cards; ++c) {
        if (j < 4 && s[static_cast<std::size_t>(j)] == c) {
          ++j;
          continue;
        }
        hand[4] = static_cast<cdCardDeck>(c + 1);
        hands.push_back(hand);
      }
      outcomes.resize(hands.size());
      t.FGame.Evaluate(hands.data(), hands.size(), outcomes.data());
      THistogram h{};
      for (const auto o : outcomes) ++h[o];
      std::uint8_t* row = t.FClassCount4.data() + i * stride;
      for (std::size_t o = 0; o < stride; ++o) row[o] = static_cast<std::uint8_t>(h[o]);
      ForEachRenaming(
          s, 4, [&](std::uint32_t rank) { t.FClassOf4[rank] = static_cast<std::uint16_t>(i); });
    }
  }

  // A hand holding `size` given cards holds 5 - size others, so adding the rows of the set
  // with each other card counts every hand 5 - size times.
  // rowOf(rank) gives the counts of the larger set with that rank.
  template <typename T, typename F>
  static void CountFromLarger(const TDrawTables& t, std::vector<T>& table, F&& rowOf, int size) {
    const std::size_t stride = t.Stride();
    ForEachSuitClass(size, t.FGame.Cards, [&](const TCardSet& s, int) {
      THistogram h{};
      for (int c = 0, j = 0; c < t.FGame.Cards; ++c) {
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
        for (std::size_t o = 0; o < stride; ++o) h[o] += row[o];
      }
      for (auto& count : h) count /= static_cast<std::uint32_t>(5 - size);
      WriteClassRows(table, stride, s, size, h);
    });
  }

  static void Allocate(TDrawTables& t) {
    const int cards = t.FGame.Cards;
    t.FCount1.assign(std::size_t{Choose(cards, 1)} * t.Stride(), 0);
    t.FCount2.assign(std::size_t{Choose(cards, 2)} * t.Stride(), 0);
    t.FCount3.assign(std::size_t{Choose(cards, 3)} * t.Stride(), 0);
    t.FClassOf4.assign(Choose(cards, 4), 0);
  }
};

std::shared_ptr<const TDrawTables> TDrawTables::Build(int threads) {
  return Build(JacksOrBetterCount(), threads);
}

std::shared_ptr<const TDrawTables> TDrawTables::Build(const TCountedGame& game, int threads) {
  if ((game.Cards != 52 && game.Cards != 53) || game.Outcomes < 1 ||
      game.Outcomes > kMostOutcomes || !game.Evaluate)
    throw std::invalid_argument("a counted game needs 52 or 53 cards, outcomes and an evaluator");
  auto tables = std::make_shared<TDrawTables>();
  TDrawTables& t = *tables;
  t.FGame = game;
  TTableBuilder::Allocate(t);
  std::vector<TCardSet> fours;
  fours.reserve(20000);
  ForEachSuitClass(4, game.Cards, [&](const TCardSet& s, int) { fours.push_back(s); });
  t.FClassCount4.assign(fours.size() * t.Stride(), 0);

  // Different classes write different rows, so the workers share the tables.
  const auto parts = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < parts; ++i)
    workers.emplace_back(TTableBuilder::CountFours, std::ref(t), std::cref(fours), i, parts);
  TTableBuilder::CountFours(t, fours, 0, parts);
  for (auto& w : workers) w.join();

  const std::size_t stride = t.Stride();
  auto rowsOf = [stride](const auto& table) {
    return
        [&table, stride](std::uint32_t rank) { return table.data() + std::size_t{rank} * stride; };
  };
  TTableBuilder::CountFromLarger(
      t, t.FCount3, [&t](std::uint32_t rank) { return t.Row4(rank); }, 3);
  TTableBuilder::CountFromLarger(t, t.FCount2, rowsOf(t.FCount3), 2);
  TTableBuilder::CountFromLarger(t, t.FCount1, rowsOf(t.FCount2), 1);
  for (int c = 0; c < game.Cards; ++c)
    for (std::size_t o = 0; o < stride; ++o)
      t.FCount0[o] += t.FCount1[static_cast<std::size_t>(c) * stride + o];
  for (auto& count : t.FCount0) count /= 5;
  return tables;
}

int TDrawTables::OutcomeOf(const THandCards& cards) const {
  std::uint8_t outcome = 0;
  FGame.Evaluate(&cards, 1, &outcome);
  return outcome;
}

void TDrawTables::LoadSubsetCounts(const std::array<int, 5>& sorted,
                                   std::array<TOutcomeCounts, 32>& counts) const {
  std::array<std::uint32_t, 32> rank{};
  SubsetRanks(sorted, rank);
  const std::size_t stride = Stride();
  counts[0].fill(0);
  for (std::size_t c = 0; c < stride; ++c) counts[0][c] = FCount0[c];
  for (int m = 1; m < 31; ++m) {
    const std::size_t at = std::size_t{rank[m]} * stride;
    auto& n = counts[static_cast<std::size_t>(m)];
    n.fill(0);
    switch (kMasks.Size[m]) {
      case 1:
        for (std::size_t c = 0; c < stride; ++c) n[c] = FCount1[at + c];
        break;
      case 2:
        for (std::size_t c = 0; c < stride; ++c) n[c] = FCount2[at + c];
        break;
      case 3:
        for (std::size_t c = 0; c < stride; ++c) n[c] = FCount3[at + c];
        break;
      default:
        for (std::size_t c = 0; c < stride; ++c) n[c] = Row4(rank[m])[c];
        break;
    }
  }
  counts[31].fill(0);
  counts[31][static_cast<std::size_t>(OutcomeOf(CodesOf(sorted)))] = 1;
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
    h.Draws = DrawCount(tables.Cards(), 5 - kMasks.Size[sm]);
    h.PaySum = 0;
    for (int c = 0; c < tables.Outcomes(); ++c) h.PaySum += h.Counts[c] * pays[c];
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

double TReturnReport::Probability(int outcome) const {
  if (outcome < 0 || outcome >= kMostOutcomes) return 0;
  return static_cast<double>(OutcomeNumerators[static_cast<std::size_t>(outcome)]) /
         static_cast<double>(Denominator);
}

double TReturnReport::Variance() const {
  // Around the mean, outcome by outcome: no large sums that cancel.
  const long double mean =
      static_cast<long double>(PayNumerator) / static_cast<long double>(Denominator);
  long double variance = 0;
  for (int o = 0; o < Outcomes; ++o) {
    const long double d = static_cast<long double>(Pays[static_cast<std::size_t>(o)]) - mean;
    variance += static_cast<long double>(OutcomeNumerators[static_cast<std::size_t>(o)]) /
                static_cast<long double>(Denominator) * d * d;
  }
  return static_cast<double>(variance);
}

double TReturnReport::StandardDeviation() const {
  return std::sqrt(Variance());
}

double TReturnReport::HitFrequency() const {
  __int128 hits = 0;
  for (int o = 0; o < Outcomes; ++o)
    if (Pays[static_cast<std::size_t>(o)] > 0)
      hits += OutcomeNumerators[static_cast<std::size_t>(o)];
  return static_cast<double>(hits) / static_cast<double>(Denominator);
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

namespace {

std::vector<TDealClass> ListDealClasses(int cards) {
  std::vector<TDealClass> out;
  out.reserve(cards == 53 ? 154000 : 134459);
  ForEachSuitClass(5, cards, [&out](const TCardSet& set, int weight) {
    TDealClass k;
    for (std::size_t j = 0; j < 5; ++j) k.Cards[j] = static_cast<cdCardDeck>(set[j] + 1);
    k.Weight = static_cast<std::uint8_t>(weight);
    out.push_back(k);
  });
  return out;
}

}  // namespace

const std::vector<TDealClass>& DealClasses() {
  return DealClasses(52);
}

const std::vector<TDealClass>& DealClasses(int cards) {
  static const std::vector<TDealClass> fiftyTwo = ListDealClasses(52);
  if (cards != 53) return fiftyTwo;
  static const std::vector<TDealClass> withJoker = ListDealClasses(53);
  return withJoker;
}

struct TClassValueData {
  TUnitPays Pays;
  TScaleBySize Scale{52};
  std::int64_t Weighted0 = 0;
  std::vector<std::int64_t> Weighted1, Weighted2, Weighted3, Weighted4;
};

namespace {

template <typename T>
void Weigh(const std::vector<T>& counts, std::size_t stride, const TUnitPays& pays,
           std::vector<std::int64_t>& into) {
  into.resize(counts.size() / stride);
  for (std::size_t i = 0; i < into.size(); ++i) {
    std::int64_t s = 0;
    for (std::size_t c = 0; c < stride; ++c) s += std::int64_t{counts[i * stride + c]} * pays[c];
    into[i] = s;
  }
}

}  // namespace

// The value of a hold is linear in the counts, so the tables are weighed by the pays once
// and the superset transform runs on pay sums.
THoldValueCounter::THoldValueCounter(const TDrawTables& tables, const TUnitPays& pays)
    : FTables(tables), FData(std::make_unique<TClassValueData>()) {
  TClassValueData& d = *FData;
  const std::size_t stride = tables.Stride();
  d.Pays = pays;
  d.Scale = ScaleBySize(tables.Cards());
  for (std::size_t c = 0; c < stride; ++c) d.Weighted0 += std::int64_t{tables.FCount0[c]} * pays[c];
  Weigh(tables.FCount1, stride, pays, d.Weighted1);
  Weigh(tables.FCount2, stride, pays, d.Weighted2);
  Weigh(tables.FCount3, stride, pays, d.Weighted3);
  Weigh(tables.FClassCount4, stride, pays, d.Weighted4);
}

THoldValueCounter::~THoldValueCounter() = default;

std::int64_t THoldValueCounter::Scale() const {
  return HoldValueScale(FTables.Cards());
}

TClassSubsets::TClassSubsets(const TDealClass& k, int dealt) : Dealt(dealt) {
  // Class cards come in ascending code order already.
  std::array<int, 5> sorted{};
  for (std::size_t j = 0; j < 5; ++j) sorted[j] = k.Cards[j] - 1;
  SubsetRanks(sorted, Rank);
}

void THoldValueCounter::Values(const TDealClass& k, THoldValues& values) const {
  Values(TClassSubsets(k, FTables.OutcomeOf(k.Cards)), values);
}

void THoldValueCounter::Values(const TClassSubsets& k, THoldValues& values) const {
  const TClassValueData& d = *FData;
  const auto& rank = k.Rank;
  auto& pay = values;
  pay[0] = d.Weighted0;
  for (const int m : kMasks.OfSize1) pay[m] = d.Weighted1[rank[m]];
  for (const int m : kMasks.OfSize2) pay[m] = d.Weighted2[rank[m]];
  for (const int m : kMasks.OfSize3) pay[m] = d.Weighted3[rank[m]];
  for (const int m : kMasks.OfSize4) pay[m] = d.Weighted4[FTables.FClassOf4[rank[m]]];
  pay[31] = d.Pays[static_cast<std::size_t>(k.Dealt)];
  ExcludeSupersets(pay);
  for (int m = 0; m < 32; ++m) pay[m] *= d.Scale.Factor[static_cast<std::size_t>(kMasks.Size[m])];
}

TOutcomeTally::TOutcomeTally(const TDrawTables& tables)
    : FTables(tables),
      FWeight1(Choose(tables.Cards(), 1), 0),
      FWeight2(Choose(tables.Cards(), 2), 0),
      FWeight3(Choose(tables.Cards(), 3), 0),
      FWeight4(tables.FClassCount4.size() / tables.Stride(), 0) {}

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
        FFive[static_cast<std::size_t>(k.Dealt)] += w;
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
  for (std::size_t c = 0; c < FFive.size(); ++c) FFive[c] += other.FFive[c];
}

std::array<__int128, kMostOutcomes> TOutcomeTally::Sum() const {
  std::array<__int128, kMostOutcomes> sum{};
  const std::size_t stride = FTables.Stride();
  auto addRows = [&sum, stride](const std::vector<std::int64_t>& weights, const auto& rows) {
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (weights[i] == 0) continue;
      for (std::size_t c = 0; c < stride; ++c)
        sum[c] += static_cast<__int128>(weights[i]) * rows[i * stride + c];
    }
  };
  for (std::size_t c = 0; c < stride; ++c)
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

// The deal classes first..last, their dealt hands evaluated a block at a time.
void SumClasses(const TDrawTables& tables, const THoldValueCounter& counter, std::size_t first,
                std::size_t last, TPartialSums& sums) {
  constexpr std::size_t kBlock = 1024;
  const auto& classes = DealClasses(tables.Cards());
  const TScaleBySize& scale = ScaleBySize(tables.Cards());
  std::array<THandCards, kBlock> dealt{};
  std::array<std::uint8_t, kBlock> outcomes{};
  THoldValues values{};
  for (std::size_t from = first; from < last; from += kBlock) {
    const std::size_t n = std::min(kBlock, last - from);
    for (std::size_t i = 0; i < n; ++i) dealt[i] = classes[from + i].Cards;
    tables.Game().Evaluate(dealt.data(), n, outcomes.data());
    for (std::size_t i = 0; i < n; ++i) {
      const TDealClass& k = classes[from + i];
      const TClassSubsets subsets(k, outcomes[i]);
      counter.Values(subsets, values);
      const int best = BestOf(values);
      sums.Pay += static_cast<__int128>(k.Weight) * values[static_cast<std::size_t>(best)];
      sums.Outcomes.Add(
          subsets, best,
          std::int64_t{k.Weight} * scale.Factor[static_cast<std::size_t>(kMasks.Size[best])]);
    }
  }
}

}  // namespace

TReturnReport ComputeReturn(const TDrawTables& tables, const TPayTable& table, int threads) {
  return ComputeReturn(tables, UnitPaysOf(table), threads);
}

TReturnReport ComputeReturn(const TDrawTables& tables, const TUnitPays& pays, int threads) {
  const auto& classes = DealClasses(tables.Cards());
  const THoldValueCounter counter(tables, pays);
  const auto parts = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  std::vector<TPartialSums> sums(parts, TPartialSums{0, TOutcomeTally(tables)});
  std::vector<std::thread> workers;
  const std::size_t per = (classes.size() + parts - 1) / parts;
  for (std::size_t i = 0; i < parts; ++i) {
    const std::size_t from = std::min(classes.size(), per * i);
    const std::size_t to = std::min(classes.size(), from + per);
    TPartialSums& part = sums[i];
    if (i + 1 == parts)
      SumClasses(tables, counter, from, to, part);
    else
      workers.emplace_back(
          [&tables, &counter, from, to, &part] { SumClasses(tables, counter, from, to, part); });
  }
  for (auto& w : workers) w.join();

  TReturnReport report;
  report.Denominator =
      static_cast<__int128>(DealCount(tables.Cards())) * HoldValueScale(tables.Cards());
  report.Pays = pays;
  report.Outcomes = tables.Outcomes();
  for (std::size_t i = 0; i < sums.size(); ++i) {
    report.PayNumerator += sums[i].Pay;
    if (i > 0) sums[0].Outcomes.Merge(sums[i].Outcomes);
  }
  report.OutcomeNumerators = sums[0].Outcomes.Sum();
  return report;
}
