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
  constexpr TMaskInfo() {
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

// Every subset count a0 - a1 + ... turns into "contains exactly this subset of the dealt
// cards": superset Moebius transform over the five positions.
inline void ExcludeSupersets(std::array<TOutcomeCounts, 32>& n) {
  for (int bit = 1; bit < 32; bit <<= 1)
    for (int base = 0; base < 32; base += 2 * bit)
      for (int m = base; m < base + bit; ++m)
        for (int c = 0; c < kOutcomeCount; ++c) n[m][c] -= n[m + bit][c];
}

std::int64_t LcmOfDrawCounts() {
  std::int64_t l = 1;
  for (int k = 0; k <= 5; ++k) l = std::lcm(l, DrawCount(k));
  return l;
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

struct TTableBuilder {
  using THistogram = std::array<std::uint32_t, kOutcomeCount>;

  template <typename T>
  static void AddRow(std::vector<T>& table, std::uint32_t rank, const THistogram& h) {
    T* row = table.data() + std::size_t{rank} * kOutcomeCount;
    for (std::size_t o = 0; o < kOutcomeCount; ++o) row[o] = static_cast<T>(row[o] + h[o]);
  }

  static void AddRow(TDrawTables& t, int size, std::uint32_t rank, const THistogram& h) {
    switch (size) {
      case 1:
        AddRow(t.FCount1, rank, h);
        break;
      case 2:
        AddRow(t.FCount2, rank, h);
        break;
      case 3:
        AddRow(t.FCount3, rank, h);
        break;
      default:
        AddRow(t.FCount4, rank, h);
        break;
    }
  }

  static void Accumulate(THistogram& into, const THistogram& from) {
    for (std::size_t o = 0; o < kOutcomeCount; ++o) into[o] += from[o];
  }

  // Counts every hand a < b < c < d < e whose highest card e lies in [eFrom, eTo) into `t`
  // and writes its outcome into `outcomes`. Only the sets that contain the lowest card a
  // are counted hand by hand; the others are the same for a whole loop, so each loop's
  // outcome histogram is added to them once.
  static void Count(TDrawTables& t, std::uint8_t* outcomes, int eFrom, int eTo) {
    std::array<int, 5> p{};
    std::array<std::uint32_t, 32> rank{};
    // shifted[m]: colex rank of the set m of {b, c, d, e} with every member one place up,
    // so the rank of {a} + m is a + shifted[m].
    std::array<std::uint32_t, 32> shifted{};
    std::array<std::uint32_t, 4> with1{};
    std::array<std::uint32_t, 6> with2{};
    std::array<std::uint32_t, 4> with3{};
    for (int e = eFrom; e < eTo; ++e) {
      p[4] = e;
      THistogram histE{};
      for (int d = 3; d < e; ++d) {
        p[3] = d;
        THistogram histD{};
        for (int c = 2; c < d; ++c) {
          p[2] = c;
          THistogram histC{};
          for (int b = 1; b < c; ++b) {
            p[1] = b;
            p[0] = 0;
            SubsetRanks(p, rank);
            int n1 = 0, n2 = 0, n3 = 0;
            for (int m = 2; m < 32; m += 2) {
              const int top = kMasks.Top[m];
              shifted[m] = shifted[m ^ (1 << top)] + Choose(p[top], kMasks.Size[m] + 1);
              switch (kMasks.Size[m]) {
                case 1:
                  with1[n1++] = shifted[m];
                  break;
                case 2:
                  with2[n2++] = shifted[m];
                  break;
                case 3:
                  with3[n3++] = shifted[m];
                  break;
                default:
                  break;
              }
            }
            THistogram histB{};
            for (int a = 0; a < b; ++a) {
              const THandCards codes = {
                  static_cast<cdCardDeck>(a + 1), static_cast<cdCardDeck>(b + 1),
                  static_cast<cdCardDeck>(c + 1), static_cast<cdCardDeck>(d + 1),
                  static_cast<cdCardDeck>(e + 1)};
              const auto o = static_cast<std::uint32_t>(OutcomeOf(EvaluateHand(codes)));
              const auto ua = static_cast<std::uint32_t>(a);
              outcomes[ua + shifted[30]] = static_cast<std::uint8_t>(o);
              ++histB[o];
              ++t.FCount1[ua * kOutcomeCount + o];
              for (const auto r : with1) ++t.FCount2[(ua + r) * kOutcomeCount + o];
              for (const auto r : with2) ++t.FCount3[(ua + r) * kOutcomeCount + o];
              for (const auto r : with3) ++t.FCount4[(ua + r) * kOutcomeCount + o];
            }
            // Sets whose lowest card is b: {b} with any part of {c, d, e}.
            for (int m = 2; m < 32; m += 4) AddRow(t, kMasks.Size[m], rank[m], histB);
            Accumulate(histC, histB);
          }
          for (int m = 4; m < 32; m += 8) AddRow(t, kMasks.Size[m], rank[m], histC);
          Accumulate(histD, histC);
        }
        for (int m = 8; m < 32; m += 16) AddRow(t, kMasks.Size[m], rank[m], histD);
        Accumulate(histE, histD);
      }
      AddRow(t, 1, static_cast<std::uint32_t>(e), histE);
      for (std::size_t o = 0; o < kOutcomeCount; ++o) t.FCount0[o] += histE[o];
    }
  }

  static void Allocate(TDrawTables& t) {
    t.FCount1.assign(std::size_t{Choose(kCards, 1)} * kOutcomeCount, 0);
    t.FCount2.assign(std::size_t{Choose(kCards, 2)} * kOutcomeCount, 0);
    t.FCount3.assign(std::size_t{Choose(kCards, 3)} * kOutcomeCount, 0);
    t.FCount4.assign(std::size_t{Choose(kCards, 4)} * kOutcomeCount, 0);
  }

  template <typename T>
  static void AddInto(std::vector<T>& into, const std::vector<T>& from) {
    for (std::size_t i = 0; i < into.size(); ++i) into[i] = static_cast<T>(into[i] + from[i]);
  }

  static void Merge(TDrawTables& into, const TDrawTables& from) {
    for (int o = 0; o < kOutcomeCount; ++o)
      into.FCount0[static_cast<std::size_t>(o)] += from.FCount0[static_cast<std::size_t>(o)];
    AddInto(into.FCount1, from.FCount1);
    AddInto(into.FCount2, from.FCount2);
    AddInto(into.FCount3, from.FCount3);
    AddInto(into.FCount4, from.FCount4);
  }
};

std::shared_ptr<const TDrawTables> TDrawTables::Build(int threads) {
  auto tables = std::make_shared<TDrawTables>();
  tables->FOutcomes.assign(static_cast<std::size_t>(kAllHands), 0);
  TTableBuilder::Allocate(*tables);

  threads = std::clamp(threads, 1, 8);
  // Split the highest card so every worker counts about the same number of hands.
  std::vector<int> bounds = {4};
  std::int64_t done = 0;
  for (int e = 4; e < kCards; ++e) {
    done += kBinom.C[static_cast<std::size_t>(e)][4];
    if (static_cast<int>(bounds.size()) < threads &&
        done * threads >= kAllHands * static_cast<std::int64_t>(bounds.size()))
      bounds.push_back(e + 1);
  }
  bounds.push_back(kCards);
  const int parts = static_cast<int>(bounds.size()) - 1;

  std::vector<TDrawTables> partial(static_cast<std::size_t>(parts > 1 ? parts - 1 : 0));
  std::vector<std::thread> workers;
  for (int i = 1; i < parts; ++i) {
    TDrawTables& t = partial[static_cast<std::size_t>(i - 1)];
    TTableBuilder::Allocate(t);
    workers.emplace_back(TTableBuilder::Count, std::ref(t), tables->FOutcomes.data(),
                         bounds[static_cast<std::size_t>(i)],
                         bounds[static_cast<std::size_t>(i) + 1]);
  }
  TTableBuilder::Count(*tables, tables->FOutcomes.data(), bounds[0], bounds[1]);
  for (auto& w : workers) w.join();
  for (const auto& t : partial) TTableBuilder::Merge(*tables, t);
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
        for (int c = 0; c < kOutcomeCount; ++c)
          n[static_cast<std::size_t>(c)] = FCount4[at + static_cast<std::size_t>(c)];
        break;
    }
  }
  counts[31].fill(0);
  counts[31][FOutcomes[rank[31]]] = 1;
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
    // A deal is four rank sets, one per suit; renaming suits permutes them, so a class is
    // a multiset of four rank sets with five ranks in all.
    // Rank sets by size, each list in descending order; a class lists its suits' sets in
    // descending order so every multiset comes up once.
    std::array<std::vector<int>, 6> bySize;
    for (int m = (1 << 13) - 1; m >= 0; --m) {
      const int size = std::popcount(static_cast<unsigned>(m));
      if (size <= 5) bySize[static_cast<std::size_t>(size)].push_back(m);
    }
    std::vector<TDealClass> out;
    out.reserve(134459);
    std::array<int, 4> chosen{};
    auto emit = [&] {
      TDealClass k;
      int n = 0;
      for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 13; ++r)
          if (chosen[s] & (1 << r)) k.Cards[n++] = static_cast<cdCardDeck>(s * 13 + r + 1);
      int weight = 24;
      for (int s = 0; s < 4;) {
        int run = 1;
        while (s + run < 4 && chosen[s + run] == chosen[s]) ++run;
        for (int f = 2; f <= run; ++f) weight /= f;
        s += run;
      }
      k.Weight = static_cast<std::uint8_t>(weight);
      out.push_back(k);
    };
    auto pick = [&](auto&& self, int suit, int limit, int left) -> void {
      for (int size = suit == 3 ? left : 0; size <= left; ++size) {
        const auto& list = bySize[static_cast<std::size_t>(size)];
        // First set not above the previous suit's.
        auto it = std::lower_bound(list.begin(), list.end(), limit, std::greater<int>());
        for (; it != list.end(); ++it) {
          chosen[static_cast<std::size_t>(suit)] = *it;
          if (suit == 3)
            emit();
          else
            self(self, suit + 1, *it, left - size);
        }
      }
    };
    pick(pick, 0, (1 << 13) - 1, 5);
    return out;
  }();
  return classes;
}

struct TPartialSums {
  __int128 Pay = 0;
  std::array<__int128, kOutcomeCount> Outcomes{};
};

// Sums over deal classes. The value of a hold is linear in the counts, so the superset
// transform runs on pay-weighted sums; only the chosen hold needs its outcome counts.
struct TReturnWorker {
  const TDrawTables& Tables;
  TUnitPays Pays;
  std::int64_t Lcm;
  std::array<std::int64_t, kOutcomeCount> Weighted0{};
  std::vector<std::int64_t> Weighted1, Weighted2, Weighted3, Weighted4;

  template <typename T>
  void Weigh(const std::vector<T>& counts, std::vector<std::int64_t>& into) const {
    into.resize(counts.size() / kOutcomeCount);
    for (std::size_t i = 0; i < into.size(); ++i) {
      std::int64_t s = 0;
      for (std::size_t c = 0; c < kOutcomeCount; ++c)
        s += std::int64_t{counts[i * kOutcomeCount + c]} * Pays[c];
      into[i] = s;
    }
  }

  TReturnWorker(const TDrawTables& tables, const TUnitPays& pays, std::int64_t lcm)
      : Tables(tables), Pays(pays), Lcm(lcm) {
    for (std::size_t c = 0; c < kOutcomeCount; ++c)
      Weighted0[0] += std::int64_t{tables.FCount0[c]} * pays[c];
    Weigh(tables.FCount1, Weighted1);
    Weigh(tables.FCount2, Weighted2);
    Weigh(tables.FCount3, Weighted3);
    Weigh(tables.FCount4, Weighted4);
  }

  void AddCounts(int mask, std::uint32_t rank, std::int64_t sign, TOutcomeCounts& out) const {
    const std::size_t at = std::size_t{rank} * kOutcomeCount;
    switch (kMasks.Size[mask]) {
      case 0:
        for (std::size_t c = 0; c < kOutcomeCount; ++c) out[c] += sign * Tables.FCount0[c];
        break;
      case 1:
        for (std::size_t c = 0; c < kOutcomeCount; ++c) out[c] += sign * Tables.FCount1[at + c];
        break;
      case 2:
        for (std::size_t c = 0; c < kOutcomeCount; ++c) out[c] += sign * Tables.FCount2[at + c];
        break;
      case 3:
        for (std::size_t c = 0; c < kOutcomeCount; ++c) out[c] += sign * Tables.FCount3[at + c];
        break;
      case 4:
        for (std::size_t c = 0; c < kOutcomeCount; ++c) out[c] += sign * Tables.FCount4[at + c];
        break;
      default:
        out[Tables.FOutcomes[rank]] += sign;
        break;
    }
  }

  void Sum(const TDealClass* first, const TDealClass* last, TPartialSums& sums) const {
    std::array<std::uint32_t, 32> rank{};
    std::array<std::int64_t, 32> pay{};
    std::array<double, 32> value{};
    std::array<double, 6> inverseDraws{};
    for (int held = 0; held <= 5; ++held)
      inverseDraws[static_cast<std::size_t>(held)] = 1.0 / static_cast<double>(DrawCount(5 - held));
    for (const TDealClass* k = first; k != last; ++k) {
      // Class cards come in ascending code order already.
      std::array<int, 5> sorted{};
      for (int j = 0; j < 5; ++j) sorted[j] = k->Cards[j] - 1;
      SubsetRanks(sorted, rank);
      pay[0] = Weighted0[0];
      for (int m = 1; m < 31; ++m) {
        switch (kMasks.Size[m]) {
          case 1:
            pay[m] = Weighted1[rank[m]];
            break;
          case 2:
            pay[m] = Weighted2[rank[m]];
            break;
          case 3:
            pay[m] = Weighted3[rank[m]];
            break;
          default:
            pay[m] = Weighted4[rank[m]];
            break;
        }
      }
      pay[31] = Pays[Tables.FOutcomes[rank[31]]];
      for (int bit = 1; bit < 32; bit <<= 1)
        for (int base = 0; base < 32; base += 2 * bit)
          for (int m = base; m < base + bit; ++m) pay[m] -= pay[m + bit];

      // Doubles find the best value; exact arithmetic decides among the holds that come
      // within rounding of it, so ties break the same way on every machine.
      for (int m = 0; m < 32; ++m)
        value[m] = static_cast<double>(pay[m]) * inverseDraws[kMasks.Size[m]];
      const double top = *std::max_element(value.begin(), value.end());
      const double near = top - std::abs(top) * 1e-9;
      int best = -1;
      for (int m = 0; m < 32; ++m) {
        if (value[m] < near) continue;
        if (best < 0 || static_cast<__int128>(pay[m]) * DrawCount(5 - kMasks.Size[best]) >
                            static_cast<__int128>(pay[best]) * DrawCount(5 - kMasks.Size[m]))
          best = m;
      }

      TOutcomeCounts counts{};
      const int free = 31 & ~best;
      for (int sub = free;; sub = (sub - 1) & free) {
        const int s = best | sub;
        AddCounts(s, rank[s], (kMasks.Size[sub] & 1) ? -1 : 1, counts);
        if (sub == 0) break;
      }
      const __int128 factor =
          static_cast<__int128>(k->Weight) * (Lcm / DrawCount(5 - kMasks.Size[best]));
      sums.Pay += factor * pay[best];
      for (std::size_t c = 0; c < kOutcomeCount; ++c) sums.Outcomes[c] += factor * counts[c];
    }
  }
};

TReturnReport ComputeReturn(const TDrawTables& tables, const TPayTable& table, int threads) {
  const TUnitPays pays = UnitPaysOf(table);
  const auto& classes = DealClasses();
  const std::int64_t lcm = LcmOfDrawCounts();
  threads = std::clamp(threads, 1, 8);

  const TReturnWorker worker(tables, pays, lcm);
  std::vector<TPartialSums> sums(static_cast<std::size_t>(threads));
  std::vector<std::thread> workers;
  const std::size_t per =
      (classes.size() + static_cast<std::size_t>(threads) - 1) / static_cast<std::size_t>(threads);
  for (int i = 0; i < threads; ++i) {
    const std::size_t from = std::min(classes.size(), per * static_cast<std::size_t>(i));
    const std::size_t to = std::min(classes.size(), from + per);
    TPartialSums& part = sums[static_cast<std::size_t>(i)];
    if (i + 1 == threads)
      worker.Sum(classes.data() + from, classes.data() + to, part);
    else
      workers.emplace_back([&worker, &classes, from, to, &part] {
        worker.Sum(classes.data() + from, classes.data() + to, part);
      });
  }
  for (auto& w : workers) w.join();

  TReturnReport report;
  report.Denominator = static_cast<__int128>(kAllHands) * lcm;
  for (const auto& s : sums) {
    report.PayNumerator += s.Pay;
    for (int c = 0; c < kOutcomeCount; ++c) report.OutcomeNumerators[c] += s.Outcomes[c];
  }
  return report;
}
