// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "strategy_chart.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <thread>
#include <utility>

namespace {

constexpr std::int64_t kNoValue = std::numeric_limits<std::int64_t>::min();
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// For every deal class, the leaves that fit some hold of it and what the best hold of each
// is worth, times the class's weight: all the chart building needs to know.
struct TClassPatterns {
  std::vector<std::uint32_t> Start;  // entries of class c: Start[c] .. Start[c + 1]
  std::vector<TPatternId> Pattern;
  std::vector<std::int64_t> Value;
  std::vector<std::int64_t> Best;  // the class's best hold
  const THoldWords* Words = nullptr;
  const std::vector<TDealClass>* Deals = nullptr;  // the deck's deal classes
  int Threads = 1;                                 // the searches may use

  std::size_t Classes() const { return Best.size(); }
};

struct TClassChunk {
  std::vector<std::uint32_t> Count;
  std::vector<TPatternId> Pattern;
  std::vector<std::int64_t> Value;
  std::vector<std::int64_t> Best;
};

void FillChunk(const THoldValueCounter& counter, const THoldWords& words,
               const std::vector<TDealClass>& classes, std::size_t first, std::size_t last,
               TClassChunk& chunk) {
  THoldValues values{};
  THandLeaves leaves;
  std::vector<std::int64_t> best(static_cast<std::size_t>(words.LeafCount()), kNoValue);
  std::vector<TPatternId> touched;
  // Room for more leaves than a class usually fits: pages never filled are never touched,
  // while growing would copy them all.
  constexpr std::size_t kRoomPerClass = 64;
  chunk.Pattern.reserve((last - first) * kRoomPerClass);
  chunk.Value.reserve((last - first) * kRoomPerClass);
  for (std::size_t i = first; i < last; ++i) {
    const TDealClass& k = classes[i];
    counter.Values(k, values);
    touched.clear();
    words.LeavesOfHolds(k.Cards, leaves);
    for (int m = 0; m < 32; ++m) {
      const std::int64_t v = values[static_cast<std::size_t>(m)];
      for (const TPatternId p : leaves[static_cast<std::size_t>(m)]) {
        if (best[p] == kNoValue) touched.push_back(p);
        best[p] = std::max(best[p], v);
      }
    }
    std::sort(touched.begin(), touched.end());
    for (const TPatternId p : touched) {
      chunk.Pattern.push_back(p);
      chunk.Value.push_back(best[p] * k.Weight);
      best[p] = kNoValue;
    }
    chunk.Count.push_back(static_cast<std::uint32_t>(touched.size()));
    chunk.Best.push_back(values[static_cast<std::size_t>(BestOf(values))] * k.Weight);
  }
}

TClassPatterns CountClassPatterns(const THoldValueCounter& counter, const THoldWords& words,
                                  const std::vector<TDealClass>& classes, int threads) {
  const std::size_t total = classes.size();
  const auto parts = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  std::vector<TClassChunk> chunks(parts);
  std::vector<std::thread> workers;
  const std::size_t per = (total + parts - 1) / parts;
  for (std::size_t i = 0; i < parts; ++i) {
    const std::size_t from = std::min(total, per * i);
    const std::size_t to = std::min(total, from + per);
    if (i + 1 == parts)
      FillChunk(counter, words, classes, from, to, chunks[i]);
    else
      workers.emplace_back([&counter, &words, &classes, from, to, &chunks, i] {
        FillChunk(counter, words, classes, from, to, chunks[i]);
      });
  }
  for (auto& w : workers) w.join();

  TClassPatterns out;
  out.Words = &words;
  out.Deals = &classes;
  out.Threads = static_cast<int>(parts);
  std::size_t entries = 0;
  for (const auto& chunk : chunks) entries += chunk.Pattern.size();
  // The first chunk's entries stay where they are; the others follow them.
  out.Pattern = std::move(chunks.front().Pattern);
  out.Value = std::move(chunks.front().Value);
  out.Pattern.reserve(entries);
  out.Value.reserve(entries);
  out.Best.reserve(total);
  out.Start.reserve(total + 1);
  out.Start.push_back(0);
  for (std::size_t i = 0; i < chunks.size(); ++i) {
    TClassChunk& chunk = chunks[i];
    for (const auto n : chunk.Count) out.Start.push_back(out.Start.back() + n);
    if (i > 0) {
      out.Pattern.insert(out.Pattern.end(), chunk.Pattern.begin(), chunk.Pattern.end());
      out.Value.insert(out.Value.end(), chunk.Value.begin(), chunk.Value.end());
    }
    out.Best.insert(out.Best.end(), chunk.Best.begin(), chunk.Best.end());
    chunk = {};
  }
  return out;
}

// A candidate chart line: a set of leaves; it fits a class when any of them does and is
// worth the best of their holds.
using TUnit = std::vector<TPatternId>;

// Runs work(0) .. work(parts - 1), each on its own thread, work(0) on this one.
template <typename F>
void OnThreads(std::size_t parts, F&& work) {
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < parts; ++t) helpers.emplace_back([&work, t] { work(t); });
  work(0);
  for (auto& h : helpers) h.join();
}

// The units that fit each of the classes From .. To - 1 and what they give there, as a
// search keeps them: Count entries of each class, and of each unit the classes it fits.
struct TEntryPart {
  std::size_t From = 0, To = 0;
  std::vector<std::uint32_t>* UnitOf = nullptr;
  std::vector<std::int64_t>* Value = nullptr;
  std::vector<std::uint32_t> Count, Fits;
};

// The units of each leaf, all in one array: those of leaf p are Unit[Start[p]] ..
// Unit[Start[p + 1] - 1], in rising order.
struct TUnitsOfLeaf {
  std::vector<std::uint32_t> Start, Unit;
  std::uint32_t Count(TPatternId p) const { return Start[p + 1] - Start[p]; }
};

TUnitsOfLeaf UnitsOfLeaves(const std::vector<TUnit>& units, int leaves) {
  TUnitsOfLeaf of;
  of.Start.assign(static_cast<std::size_t>(leaves) + 1, 0);
  for (const TUnit& unit : units)
    for (const TPatternId p : unit) ++of.Start[p + 1u];
  for (std::size_t p = 1; p < of.Start.size(); ++p) of.Start[p] += of.Start[p - 1];
  of.Unit.resize(of.Start.back());
  std::vector<std::uint32_t> next(of.Start.begin(), of.Start.end() - 1);
  for (std::uint32_t u = 0; u < units.size(); ++u)
    for (const TPatternId p : units[u]) of.Unit[next[p]++] = u;
  return of;
}

// Room for the entries of classes from .. to - 1 beyond those already there: at most one
// per unit of each leaf that fits. Pages reserved beyond what is filled are never touched,
// while growing would copy them all.
void ReserveEntries(const TClassPatterns& data, const TUnitsOfLeaf& unitsOf, std::size_t from,
                    std::size_t to, std::vector<std::uint32_t>& unitOf,
                    std::vector<std::int64_t>& value) {
  std::size_t most = unitOf.size();
  for (std::uint32_t e = data.Start[from]; e < data.Start[to]; ++e)
    most += unitsOf.Count(data.Pattern[e]);
  unitOf.reserve(most);
  value.reserve(most);
}

void FillEntries(const TClassPatterns& data, const TUnitsOfLeaf& unitsOf, std::size_t units,
                 TEntryPart& part) {
  // The class each unit was last met in: a unit's first entry in a class is its own.
  std::vector<std::uint32_t> metIn(units, kNone);
  part.Fits.assign(units, 0);
  part.Count.reserve(part.To - part.From);
  std::vector<std::uint32_t>& unitOf = *part.UnitOf;
  std::vector<std::int64_t>& value = *part.Value;
  ReserveEntries(data, unitsOf, part.From, part.To, unitOf, value);
  for (std::size_t c = part.From; c < part.To; ++c) {
    const std::size_t before = unitOf.size();
    const auto own = static_cast<std::uint32_t>(c);
    // Entries come in leaf order, so the first leaf of a unit that fits is met first.
    for (std::uint32_t e = data.Start[c]; e < data.Start[c + 1]; ++e) {
      const TPatternId p = data.Pattern[e];
      for (std::uint32_t i = unitsOf.Start[p]; i < unitsOf.Start[p + 1u]; ++i) {
        const std::uint32_t u = unitsOf.Unit[i];
        if (metIn[u] == own) continue;
        metIn[u] = own;
        unitOf.push_back(u);
        value.push_back(data.Value[e]);
        ++part.Fits[u];
      }
    }
    part.Count.push_back(static_cast<std::uint32_t>(unitOf.size() - before));
  }
}

// Orders units so that holding the first that fits plays best. Each class keeps the first
// two active units that fit it, so what a unit adds at every place in the order comes from
// one pass over the classes it fits, and moving it touches only those.
class TOrderSearch {
  // Each class's first and second units in play and what they give there, side by side, as
  // the searches read them together. A unit fits a class at most once.
  struct TClassPlay {
    std::uint32_t FirstUnit = kNone;
    std::uint32_t SecondUnit = kNone;
    std::int64_t FirstValue = 0;
    std::int64_t SecondValue = 0;
  };

 public:
  // The large arrays of a search, handed on to the next: a chart runs several searches in
  // turn, and fresh pages of this size cost more to clear than filling them does.
  struct TArrays {
    std::vector<std::uint32_t> Start, UnitOf, FitClass, SyncedFirst;
    std::vector<std::int64_t> Value, FitValue;
    std::vector<TClassPlay> Play;
    // The entries of the classes after the first part, while a search is built.
    std::vector<std::vector<std::uint32_t>> PartUnitOf;
    std::vector<std::vector<std::int64_t>> PartValue;
  };

  // Borrows `spare`'s arrays and gives them back when it ends.
  TOrderSearch(const TClassPatterns& data, std::vector<TUnit> units, TArrays& spare)
      : FWords(*data.Words), FDeals(*data.Deals), FUnits(std::move(units)), FSpare(spare) {
    Borrow(FStart, spare.Start);
    Borrow(FUnitOf, spare.UnitOf);
    Borrow(FFitClass, spare.FitClass);
    Borrow(FSyncedFirst, spare.SyncedFirst);
    Borrow(FValue, spare.Value);
    Borrow(FFitValue, spare.FitValue);
    Borrow(FPlay, spare.Play);
    const std::size_t classes = data.Classes();
    const TUnitsOfLeaf unitsOf = UnitsOfLeaves(FUnits, FWords.LeafCount());
    // The classes in one part per thread: the first part's entries go straight into the
    // search's arrays, the others' follow them.
    const auto parts = static_cast<std::size_t>(std::max(1, data.Threads));
    std::vector<TEntryPart> part(parts);
    spare.PartUnitOf.resize(parts - 1);
    spare.PartValue.resize(parts - 1);
    for (std::size_t t = 0; t < parts; ++t) {
      part[t].From = classes * t / parts;
      part[t].To = classes * (t + 1) / parts;
      if (t > 0) {
        part[t].UnitOf = &spare.PartUnitOf[t - 1];
        part[t].Value = &spare.PartValue[t - 1];
        part[t].UnitOf->clear();
        part[t].Value->clear();
      }
    }
    // The first part's room is all parts' room.
    ReserveEntries(data, unitsOf, 0, classes, FUnitOf, FValue);
    part.front().UnitOf = &FUnitOf;
    part.front().Value = &FValue;
    OnThreads(parts, [&](std::size_t t) { FillEntries(data, unitsOf, FUnits.size(), part[t]); });
    FStart.reserve(classes + 1);
    FStart.push_back(0);
    for (std::size_t t = 0; t < parts; ++t) {
      for (const std::uint32_t n : part[t].Count) FStart.push_back(FStart.back() + n);
      if (t > 0) {
        FUnitOf.insert(FUnitOf.end(), part[t].UnitOf->begin(), part[t].UnitOf->end());
        FValue.insert(FValue.end(), part[t].Value->begin(), part[t].Value->end());
      }
    }
    // The classes each unit fits, all in one array, in class order: each part starts where
    // the parts before it end.
    FFitStart.assign(FUnits.size() + 1, 0);
    for (std::uint32_t u = 0; u < FUnits.size(); ++u) {
      std::uint32_t at = FFitStart[u];
      for (TEntryPart& p : part) {
        const std::uint32_t n = p.Fits[u];
        p.Fits[u] = at;
        at += n;
      }
      FFitStart[u + 1] = at;
    }
    FFitClass.resize(FUnitOf.size());
    FFitValue.resize(FUnitOf.size());
    OnThreads(parts, [&](std::size_t t) {
      std::vector<std::uint32_t>& next = part[t].Fits;
      for (auto c = static_cast<std::uint32_t>(part[t].From); c < part[t].To; ++c)
        for (std::uint32_t e = FStart[c]; e < FStart[c + 1]; ++e) {
          const std::uint32_t at = next[FUnitOf[e]]++;
          FFitClass[at] = c;
          FFitValue[at] = FValue[e];
        }
    });
    FActive.assign(FUnits.size(), 0);
    FStayedAt.assign(FUnits.size(), 0);
    FKey.assign(FUnits.size(), kNone);
    FPlay.assign(classes, TClassPlay{});
    FChangedMark.assign(classes, false);
  }
  TOrderSearch(const TOrderSearch&) = delete;
  TOrderSearch& operator=(const TOrderSearch&) = delete;
  ~TOrderSearch() {
    FSpare.Start = std::move(FStart);
    FSpare.UnitOf = std::move(FUnitOf);
    FSpare.FitClass = std::move(FFitClass);
    FSpare.SyncedFirst = std::move(FSyncedFirst);
    FSpare.Value = std::move(FValue);
    FSpare.FitValue = std::move(FFitValue);
    FSpare.Play = std::move(FPlay);
  }

  const THoldWords& Words() const { return FWords; }
  std::uint32_t Units() const { return static_cast<std::uint32_t>(FUnits.size()); }
  const TUnit& Unit(std::uint32_t u) const { return FUnits[u]; }
  const std::vector<std::uint32_t>& Order() const { return FOrder; }
  bool Active(std::uint32_t u) const { return FActive[u]; }
  std::uint32_t Position(std::uint32_t u) const { return FPosition[u]; }

  // Every unit in `order`, the first `active` of them in play.
  void Start(std::vector<std::uint32_t> order, std::size_t active) {
    FOrder = std::move(order);
    FPosition.assign(FUnits.size(), kNone);
    FKey.assign(FUnits.size(), kNone);
    ++FChanges;
    for (std::uint32_t i = 0; i < FOrder.size(); ++i) {
      FPosition[FOrder[i]] = i;
      FActive[FOrder[i]] = i < active;
      FKey[FOrder[i]] = i < active ? i : kNone;
    }
    for (std::uint32_t c = 0; c < FPlay.size(); ++c) Rescan(c);
  }

  __int128 Total() const { return FTotal; }

  // Each unit's value per deal where it fits, on average.
  std::vector<double> AverageValues() const {
    const auto& classes = FDeals;
    std::vector<double> average(FUnits.size(), 0);
    for (std::uint32_t u = 0; u < FUnits.size(); ++u) {
      double weight = 0;
      for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
        average[u] += static_cast<double>(FFitValue[f]);
        weight += classes[FFitClass[f]].Weight;
      }
      if (weight > 0) average[u] /= weight;
    }
    return average;
  }

  // Moves every unit to its best place, round after round, until a round changes nothing.
  // With `bringIn`, units out of play come in where they add something.
  void Improve(bool bringIn = false, int rounds = 50) {
    for (int round = 0; round < rounds; ++round) {
      bool moved = false;
      const std::vector<std::uint32_t> snapshot = FOrder;
      for (const std::uint32_t u : snapshot) {
        if (!FActive[u] && !bringIn) continue;
        // Nothing changed since u last found no better place: it would find none again.
        if (FStayedAt[u] == FChanges) continue;
        if (TryMove(u))
          moved = true;
        else
          FStayedAt[u] = FChanges;
      }
      if (!moved) break;
    }
  }

  // What the total loses when unit u goes; its classes fall to their next unit.
  __int128 RemovalCost(std::uint32_t u) const {
    __int128 cost = 0;
    for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
      const TClassPlay& play = FPlay[FFitClass[f]];
      if (play.FirstUnit == u && play.SecondUnit != kNone)
        cost += play.FirstValue - play.SecondValue;
    }
    return cost;
  }

  // Whether taking unit u out changes the value of any class (or leaves one without a unit).
  bool Decides(std::uint32_t u) const {
    for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
      const TClassPlay& play = FPlay[FFitClass[f]];
      if (play.FirstUnit == u && (play.SecondUnit == kNone || play.FirstValue != play.SecondValue))
        return true;
    }
    return false;
  }

  void SetActive(std::uint32_t u, bool active) {
    if (static_cast<bool>(FActive[u]) == active) return;
    FActive[u] = active;
    FKey[u] = active ? FPosition[u] : kNone;
    ++FChanges;
    if (!FOutReady.empty()) FOutReady[u] = false;
    if (!active) {
      // Only the classes u was first or second in lose anything.
      for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
        const std::uint32_t c = FFitClass[f];
        if (FPlay[c].FirstUnit == u || FPlay[c].SecondUnit == u) Rescan(c);
      }
      return;
    }
    for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f)
      Admit(FFitClass[f], u, FFitValue[f]);
  }

  // Trials that each take one family's units in play out (a class then falls to the next
  // unit in play outside that family), kept apart from the search so that they can be
  // weighed on several threads at once. A class's first unit is of one family, so one pass
  // over the classes finds what every trial changes.
  struct TTrials {
    // Of each unit: the trial that takes it out, kNone for none. Set before RunTrials.
    std::vector<std::uint32_t> Family;
    // Of each class: the trial that changes its first unit (kNone for none), the unit it
    // falls to then and what that gives.
    struct TClassTrial {
      std::uint32_t Family = kNone;
      std::uint32_t FirstUnit = kNone;
      std::int64_t FirstValue = 0;
    };
    std::vector<TClassTrial> Classes;
    std::vector<__int128> Without;  // of each trial: the total then
  };

  void RunTrials(TTrials& trials) const {
    const std::size_t classes = FPlay.size();
    trials.Classes.assign(classes, {});
    trials.Without.assign(static_cast<std::size_t>(FWords.PatternCount()), FTotal);
    const std::vector<std::uint32_t>& familyOf = trials.Family;
    for (std::uint32_t c = 0; c < classes; ++c) {
      const TClassPlay& play = FPlay[c];
      if (play.FirstUnit == kNone) continue;
      const std::uint32_t family = familyOf[play.FirstUnit];
      if (family == kNone) continue;
      TTrials::TClassTrial& trial = trials.Classes[c];
      trial.Family = family;
      if (play.SecondUnit != kNone && familyOf[play.SecondUnit] != family) {
        trial.FirstUnit = play.SecondUnit;
        trial.FirstValue = play.SecondValue;
      } else if (play.SecondUnit != kNone) {
        std::uint32_t firstAt = kNone;
        for (std::uint32_t e = FStart[c]; e < FStart[c + 1]; ++e) {
          const std::uint32_t at = FKey[FUnitOf[e]];
          if (at < firstAt && familyOf[FUnitOf[e]] != family) {
            trial.FirstUnit = FUnitOf[e];
            trial.FirstValue = FValue[e];
            firstAt = at;
          }
        }
      }
      trials.Without[family] += trial.FirstValue - play.FirstValue;
    }
  }

  // What unit v (out of play) adds at its best place, and that place (the first of equals),
  // in the trial of `family`, over every slot (a slot: just before the unit at that position;
  // the order's length: after all).
  std::pair<__int128, std::uint32_t> TrialBestSlot(std::uint32_t v, std::uint32_t family,
                                                   const TTrials& trials,
                                                   std::vector<__int128>& gain) const {
    gain.assign(FOrder.size() + 1, 0);
    for (std::uint32_t f = FFitStart[v]; f < FFitStart[v + 1]; ++f) {
      const std::uint32_t c = FFitClass[f];
      const TTrials::TClassTrial& trial = trials.Classes[c];
      const bool changed = trial.Family == family;
      const std::uint32_t other = changed ? trial.FirstUnit : FPlay[c].FirstUnit;
      if (other != kNone)
        gain[FPosition[other]] += FFitValue[f] - (changed ? trial.FirstValue : FPlay[c].FirstValue);
    }
    for (std::size_t j = FOrder.size(); j-- > 0;) gain[j] += gain[j + 1];
    std::uint32_t at = 0;
    for (std::uint32_t j = 1; j < gain.size(); ++j)
      if (gain[j] > gain[at]) at = j;
    return {gain[at], at};
  }

  // Takes out every unit whose going changes no class's value, the last units first: of
  // two that play alike the one earlier in the list of units stays.
  void DropIdleUnits() {
    for (bool dropped = true; dropped;) {
      dropped = false;
      std::vector<bool> decides(FUnits.size(), false);
      for (const TClassPlay& play : FPlay)
        if (play.FirstUnit != kNone &&
            (play.SecondUnit == kNone || play.FirstValue != play.SecondValue))
          decides[play.FirstUnit] = true;
      for (std::uint32_t u = Units(); u-- > 0;)
        if (FActive[u] && !decides[u] && !Decides(u)) {
          SetActive(u, false);
          dropped = true;
        }
    }
  }

  // What unit u adds where it is now.
  __int128 CurrentGain(std::uint32_t u) {
    ComputeGains(u);
    return FActive[u] ? FGain[FPosition[u] + 1] : 0;
  }

  // Puts unit u (in play from then on) just before the unit at position `slot`.
  void MoveTo(std::uint32_t u, std::uint32_t slot) {
    const std::uint32_t from = FPosition[u];
    const std::uint32_t to = slot > from ? slot - 1 : slot;
    FOrder.erase(FOrder.begin() + from);
    FOrder.insert(FOrder.begin() + to, u);
    for (std::uint32_t i = std::min(from, to); i <= std::max(from, to); ++i) {
      FPosition[FOrder[i]] = i;
      if (FActive[FOrder[i]]) FKey[FOrder[i]] = i;
    }
    FActive[u] = true;
    FKey[u] = FPosition[u];
    ++FChanges;
    if (!FOutReady.empty()) FOutReady[u] = false;
    for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
      const std::uint32_t c = FFitClass[f];
      if (FPlay[c].FirstUnit == u || FPlay[c].SecondUnit == u)
        Rescan(c);
      else
        Admit(c, u, FFitValue[f]);
    }
  }

  // What a unit out of play adds placed before each unit, kept up to date as the order
  // changes so that weighing every exchange does not count every class again:
  // OutGains(v)[w] is what v takes from the classes unit w plays. Counts those of the units
  // marked in `wanted` that are not kept yet, on `threads` threads.
  void KeepOutGains(const std::vector<std::uint8_t>& wanted, std::size_t threads) {
    std::vector<std::uint32_t> missing;
    for (std::uint32_t v = 0; v < FUnits.size(); ++v)
      if (wanted[v] && !FOutReady[v]) missing.push_back(v);
    std::atomic<std::size_t> next = 0;
    OnThreads(std::min(threads, std::max<std::size_t>(missing.size(), 1)), [&](std::size_t) {
      for (std::size_t i; (i = next++) < missing.size();) {
        const std::uint32_t v = missing[i];
        FOut[v].assign(FUnits.size(), 0);
        for (std::uint32_t f = FFitStart[v]; f < FFitStart[v + 1]; ++f) {
          const TClassPlay& play = FPlay[FFitClass[f]];
          if (play.FirstUnit != kNone) FOut[v][play.FirstUnit] += FFitValue[f] - play.FirstValue;
        }
        FOutReady[v] = 1;
      }
    });
  }
  // OutGains(v) as kept: KeepOutGains counted it since it last changed.
  const std::vector<__int128>& KeptOutGains(std::uint32_t v) const { return FOut[v]; }
  // Brings OutGains up to date with the classes whose first unit changed; call before
  // KeepOutGains after the order changed.
  void SyncOutGains() {
    if (FOutReady.empty()) {
      FOut.resize(FUnits.size());
      FOutReady.assign(FUnits.size(), 0);
      FSyncedFirst.resize(FPlay.size());
      FSyncedValue.resize(FPlay.size());
      for (std::size_t c = 0; c < FPlay.size(); ++c) {
        FSyncedFirst[c] = FPlay[c].FirstUnit;
        FSyncedValue[c] = FPlay[c].FirstValue;
      }
      for (const std::uint32_t c : FChanged) FChangedMark[c] = false;
      FChanged.clear();
      return;
    }
    for (const std::uint32_t c : FChanged) {
      FChangedMark[c] = false;
      const std::uint32_t was = FSyncedFirst[c];
      const std::uint32_t now = FPlay[c].FirstUnit;
      if (was == now) continue;
      const std::int64_t wasValue = FSyncedValue[c];
      const std::int64_t nowValue = FPlay[c].FirstValue;
      for (std::uint32_t o = FStart[c]; o < FStart[c + 1]; ++o) {
        const std::uint32_t v = FUnitOf[o];
        if (!FOutReady[v]) continue;
        if (was != kNone) FOut[v][was] -= FValue[o] - wasValue;
        if (now != kNone) FOut[v][now] += FValue[o] - nowValue;
      }
      FSyncedFirst[c] = now;
      FSyncedValue[c] = nowValue;
    }
    FChanged.clear();
  }

  // How OutGains of the units out of play would change if unit u (in play) went: in every
  // class u plays, each of them takes from the next unit instead. Calls meet(v) for each other
  // unit v in those classes; where it returns true (v is out of play and wanted), v's gains
  // from u then are nothing (OutGains(v)[u] sums just those classes), and move(v, unit,
  // amount) follows for what v takes from the next unit.
  template <typename M, typename F>
  void ForEachRemovalChange(std::uint32_t u, M&& meet, F&& move) const {
    for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
      const std::uint32_t c = FFitClass[f];
      if (FPlay[c].FirstUnit != u) continue;
      const std::uint32_t nextUnit = FPlay[c].SecondUnit;
      const std::int64_t nextValue = FPlay[c].SecondValue;
      for (std::uint32_t o = FStart[c]; o < FStart[c + 1]; ++o) {
        const std::uint32_t v = FUnitOf[o];
        if (meet(v) && nextUnit != kNone)
          move(v, nextUnit, static_cast<__int128>(FValue[o] - nextValue));
      }
    }
  }

  // The positions of the units in play, in order.
  std::vector<std::uint32_t> PositionsInPlay() const {
    std::vector<std::uint32_t> at;
    for (std::uint32_t j = 0; j < FOrder.size(); ++j)
      if (FActive[FOrder[j]]) at.push_back(j);
    return at;
  }

  // The best place for a unit out of play from gains by unit (OutGains, or changed from
  // it): what it adds there and the slot, the first of equals, as if weighed at every slot.
  // Only units in play take gains, so the sum changes only at their positions (`inPlay`,
  // as PositionsInPlay gives them), and the first slot after the one before is the first
  // of equals.
  // `change`, if given, is added to the gains of the units in play, by their place there.
  std::pair<__int128, std::uint32_t> BestOfOutGains(
      const std::vector<__int128>& byUnit, const std::vector<std::uint32_t>& inPlay,
      const std::vector<__int128>* change = nullptr) const {
    __int128 sum = 0;
    __int128 best = 0;
    std::uint32_t at = inPlay.empty() ? 0 : inPlay.back() + 1;
    for (std::size_t k = inPlay.size(); k-- > 0;) {
      sum += byUnit[FOrder[inPlay[k]]];
      if (change) sum += (*change)[k];
      if (sum >= best) {
        best = sum;
        at = k == 0 ? 0 : inPlay[k - 1] + 1;
      }
    }
    return {best, at};
  }

  // Puts unit u at the best of `slots` when it adds there at least what it adds now
  // (nothing, for a unit out of play); returns whether it moved.
  bool PlaceNoWorse(std::uint32_t u, const std::vector<std::uint32_t>& slots) {
    const __int128 now = CurrentGain(u);
    std::uint32_t at = kNone;
    for (const std::uint32_t j : slots)
      if (FGain[j] >= now && (at == kNone || FGain[j] > FGain[at])) at = j;
    if (at == kNone) return false;
    MoveTo(u, at);
    return true;
  }

 private:
  // Takes a spare array's storage, emptied.
  template <typename T>
  static void Borrow(std::vector<T>& mine, std::vector<T>& spare) {
    mine = std::move(spare);
    mine.clear();
  }

  void Rescan(std::uint32_t c) {
    std::uint32_t first = kNone;
    std::uint32_t second = kNone;
    std::int64_t firstValue = 0;
    std::int64_t secondValue = 0;
    std::uint32_t firstAt = kNone;
    std::uint32_t secondAt = kNone;
    for (std::uint32_t e = FStart[c]; e < FStart[c + 1]; ++e) {
      const std::uint32_t u = FUnitOf[e];
      const std::uint32_t at = FKey[u];
      if (at < firstAt) {
        second = first;
        secondValue = firstValue;
        secondAt = firstAt;
        first = u;
        firstValue = FValue[e];
        firstAt = at;
      } else if (at < secondAt) {
        second = u;
        secondValue = FValue[e];
        secondAt = at;
      }
    }
    SetFirst(c, first, firstValue);
    SetSecond(c, second, secondValue);
  }

  // Unit u, giving `value` in class c, is in play and was not first or second there.
  void Admit(std::uint32_t c, std::uint32_t u, std::int64_t value) {
    const std::uint32_t at = FKey[u];
    TClassPlay& play = FPlay[c];
    if (play.FirstUnit == kNone || at < FKey[play.FirstUnit]) {
      play.SecondUnit = play.FirstUnit;
      play.SecondValue = play.FirstValue;
      SetFirst(c, u, value);
    } else if (play.SecondUnit == kNone || at < FKey[play.SecondUnit]) {
      SetSecond(c, u, value);
    }
  }

  // Unit u (kNone: none) first in class c, giving `value` there.
  void SetFirst(std::uint32_t c, std::uint32_t u, std::int64_t value) {
    TClassPlay& play = FPlay[c];
    if (play.FirstUnit == u) return;
    NoteFirstChanged(c);
    if (play.FirstUnit != kNone) FTotal -= play.FirstValue;
    play.FirstUnit = u;
    play.FirstValue = u == kNone ? 0 : value;
    FTotal += play.FirstValue;
  }

  void SetSecond(std::uint32_t c, std::uint32_t u, std::int64_t value) {
    TClassPlay& play = FPlay[c];
    play.SecondUnit = u;
    play.SecondValue = u == kNone ? 0 : value;
  }

  void NoteFirstChanged(std::uint32_t c) {
    if (FChangedMark[c]) return;
    FChangedMark[c] = true;
    FChanged.push_back(c);
  }

  // FGain[j]: what unit u adds placed just before position j (the order's length: last).
  void ComputeGains(std::uint32_t u) {
    const std::size_t n = FOrder.size();
    FGain.assign(n + 1, 0);
    for (std::uint32_t f = FFitStart[u]; f < FFitStart[u + 1]; ++f) {
      const TClassPlay& play = FPlay[FFitClass[f]];
      // A class only u fits stays u's wherever it goes.
      const bool own = play.FirstUnit == u;
      const std::uint32_t other = own ? play.SecondUnit : play.FirstUnit;
      if (other != kNone)
        FGain[FPosition[other]] += FFitValue[f] - (own ? play.SecondValue : play.FirstValue);
    }
    // Just before position j, u plays every class whose next unit is at j or later.
    for (std::size_t j = n; j-- > 0;) FGain[j] += FGain[j + 1];
  }

  bool TryMove(std::uint32_t u) {
    __int128 best = CurrentGain(u);
    std::uint32_t at = kNone;
    for (std::uint32_t j = 0; j < FGain.size(); ++j)
      if (FGain[j] > best) {
        best = FGain[j];
        at = j;
      }
    if (at == kNone) return false;
    MoveTo(u, at);
    return true;
  }

  const THoldWords& FWords;
  const std::vector<TDealClass>& FDeals;
  std::vector<TUnit> FUnits;
  // The units that fit each class (FStart[c] .. FStart[c + 1]) and what they give there.
  std::vector<std::uint32_t> FStart;
  std::vector<std::uint32_t> FUnitOf;
  std::vector<std::int64_t> FValue;
  // The classes each unit fits, and what it gives there (FFitValue).
  std::vector<std::uint32_t> FFitStart;
  std::vector<std::uint32_t> FFitClass;
  std::vector<std::uint8_t> FActive;
  // A unit's position while in play, kNone out of play: one look-up for the scans.
  std::vector<std::uint32_t> FKey;
  __int128 FTotal = 0;  // what the first units of all classes give
  // Counts changes to the order and to which units are in play; FStayedAt[u]: the count
  // when unit u last found no better place.
  std::uint64_t FChanges = 1;
  std::vector<std::uint64_t> FStayedAt;
  std::vector<std::uint32_t> FOrder;
  std::vector<std::uint32_t> FPosition;
  std::vector<TClassPlay> FPlay;
  std::vector<std::int64_t> FFitValue;
  std::vector<__int128> FGain;
  // For OutGains: the classes whose first unit changed since the last sync.
  std::vector<std::vector<__int128>> FOut;
  std::vector<std::uint8_t> FOutReady;
  std::vector<std::uint32_t> FSyncedFirst;
  std::vector<std::int64_t> FSyncedValue;
  std::vector<std::uint32_t> FChanged;
  std::vector<bool> FChangedMark;
  TArrays& FSpare;
};

TPatternId FamilyOfUnit(const TOrderSearch& search, std::uint32_t u) {
  return search.Words().FamilyOf(search.Unit(u).front());
}

// Slots just before and just after each unit in play for which `wanted` holds.
template <typename F>
std::vector<std::uint32_t> SlotsBeside(const TOrderSearch& search, F&& wanted) {
  std::vector<std::uint32_t> slots;
  for (const std::uint32_t v : search.Order())
    if (search.Active(v) && wanted(v)) {
      slots.push_back(search.Position(v));
      slots.push_back(search.Position(v) + 1);
    }
  return slots;
}

// For every unit in play, the run of neighbouring units in play of its family it is in.
std::vector<std::uint32_t> FamilyRuns(const TOrderSearch& search,
                                      std::vector<std::uint32_t>& size) {
  std::vector<std::uint32_t> run(search.Units(), kNone);
  size.clear();
  TPatternId last = 0;
  for (const std::uint32_t u : search.Order()) {
    if (!search.Active(u)) continue;
    const TPatternId family = FamilyOfUnit(search, u);
    if (size.empty() || family != last) size.push_back(0);
    run[u] = static_cast<std::uint32_t>(size.size() - 1);
    ++size.back();
    last = family;
  }
  return run;
}

// A chart reads better with each family in one line: a unit joins another run of its
// family at least as long as its own where that costs nothing, and a family's unused
// leaves join it where they cost nothing. Runs only grow, so this ends.
void GatherFamilies(TOrderSearch& search) {
  for (int round = 0; round < 8; ++round) {
    bool moved = false;
    for (std::uint32_t u = 0; u < search.Units(); ++u) {
      std::vector<std::uint32_t> size;
      const std::vector<std::uint32_t> run = FamilyRuns(search, size);
      const TPatternId family = FamilyOfUnit(search, u);
      const std::uint32_t own = search.Active(u) ? size[run[u]] : 0;
      const auto slots = SlotsBeside(search, [&](std::uint32_t v) {
        return v != u && run[v] != run[u] && FamilyOfUnit(search, v) == family &&
               size[run[v]] >= own;
      });
      if (!slots.empty() && search.PlaceNoWorse(u, slots)) moved = true;
    }
    if (!moved) break;
  }
}

std::vector<TUnit> LinesInPlay(const TOrderSearch& search) {
  std::vector<TUnit> lines;
  for (const std::uint32_t u : search.Order())
    if (search.Active(u)) lines.push_back(search.Unit(u));
  return lines;
}

// The leaves of neighbouring lines as one line: in family order, with the leaves its name
// covers.
TUnit Joined(const THoldWords& words, std::vector<TUnit>::const_iterator first,
             std::vector<TUnit>::const_iterator last) {
  TUnit joined;
  for (auto it = first; it != last; ++it) joined.insert(joined.end(), it->begin(), it->end());
  std::sort(joined.begin(), joined.end());
  joined.erase(std::unique(joined.begin(), joined.end()), joined.end());
  return words.ImpliedLeaves(joined);
}

// How a list of lines plays every class: the first line that fits and what it gives, and
// the same for the next line that fits.
struct TLinePlay {
  std::vector<std::uint32_t> First, Second;
  std::vector<std::int64_t> FirstValue, SecondValue;
};

TLinePlay PlayLines(const TClassPatterns& data, const std::vector<TUnit>& lines) {
  std::vector<std::uint32_t> lineOf(static_cast<std::size_t>(data.Words->LeafCount()), kNone);
  for (auto i = static_cast<std::uint32_t>(lines.size()); i-- > 0;)
    for (const TPatternId p : lines[i]) lineOf[p] = i;
  TLinePlay play;
  const std::size_t classes = data.Classes();
  play.First.assign(classes, kNone);
  play.Second.assign(classes, kNone);
  play.FirstValue.assign(classes, kNoValue);
  play.SecondValue.assign(classes, kNoValue);
  for (std::size_t c = 0; c < classes; ++c) {
    auto& first = play.First[c];
    auto& second = play.Second[c];
    for (std::uint32_t e = data.Start[c]; e < data.Start[c + 1]; ++e) {
      const std::uint32_t line = lineOf[data.Pattern[e]];
      const std::int64_t v = data.Value[e];
      if (line == kNone) continue;
      // Entries come in leaf order: a line's first leaf that fits is met first.
      if (line == first || line == second) continue;
      if (first == kNone || line < first) {
        second = first;
        play.SecondValue[c] = play.FirstValue[c];
        first = line;
        play.FirstValue[c] = v;
      } else if (second == kNone || line < second) {
        second = line;
        play.SecondValue[c] = v;
      }
    }
  }
  return play;
}

// What a chart's lines return, in the classes' weighted values.
__int128 LinesTotal(const TClassPatterns& data, const std::vector<TUnit>& lines) {
  const TLinePlay play = PlayLines(data, lines);
  __int128 total = 0;
  for (const std::int64_t value : play.FirstValue)
    if (value != kNoValue) total += value;
  return total;
}

// What joining lines [first, last] into one line adds: it changes only the classes one of
// them plays, which then take the first leaf of the joined line that fits.
__int128 JoinGain(const TClassPatterns& data, const std::vector<TUnit>& lines,
                  const TLinePlay& play, const std::vector<std::vector<std::uint32_t>>& classesOf,
                  std::uint32_t first, std::uint32_t last) {
  std::vector<bool> joined(static_cast<std::size_t>(data.Words->LeafCount()), false);
  for (const TPatternId leaf : Joined(*data.Words, lines.begin() + first, lines.begin() + last + 1))
    joined[leaf] = true;
  __int128 gain = 0;
  for (std::uint32_t line = first; line <= last; ++line)
    for (const std::uint32_t c : classesOf[line])
      for (std::uint32_t e = data.Start[c]; e < data.Start[c + 1]; ++e)
        if (joined[data.Pattern[e]]) {
          gain += data.Value[e] - play.FirstValue[c];
          break;
        }
  return gain;
}

// Neighbouring lines of one family read as one line ("Q J or K Q suited") that takes the
// first of its leaves that fits in family order: they are joined where that loses nothing.
// Then lines that change no class's value go, the lowest first, until every line counts.
std::vector<TUnit> SettleLines(const TClassPatterns& data, std::vector<TUnit> lines) {
  const THoldWords& words = *data.Words;
  for (std::size_t i = 0; i < lines.size(); ++i)
    lines[i] = Joined(words, lines.begin() + static_cast<std::ptrdiff_t>(i),
                      lines.begin() + static_cast<std::ptrdiff_t>(i) + 1);
  for (;;) {
    const TLinePlay play = PlayLines(data, lines);
    std::vector<std::vector<std::uint32_t>> classesOf(lines.size());
    for (std::uint32_t c = 0; c < play.First.size(); ++c)
      if (play.First[c] != kNone) classesOf[play.First[c]].push_back(c);
    // A whole run of one family's lines, else its first two. Runs change different classes,
    // so every run is weighed on this one play.
    bool joined = false;
    std::vector<TUnit> next;
    for (std::uint32_t i = 0; i < lines.size();) {
      std::uint32_t end = i;
      while (end + 1 < lines.size() &&
             words.FamilyOf(lines[end + 1].front()) == words.FamilyOf(lines[i].front()))
        ++end;
      std::uint32_t last = i;
      if (end > i && JoinGain(data, lines, play, classesOf, i, end) >= 0)
        last = end;
      else if (end > i && JoinGain(data, lines, play, classesOf, i, i + 1) >= 0)
        last = i + 1;
      next.push_back(Joined(words, lines.begin() + i, lines.begin() + last + 1));
      joined = joined || last > i;
      i = last + 1;
    }
    lines = std::move(next);
    if (joined) continue;
    std::vector<bool> decides(lines.size(), false);
    for (std::size_t c = 0; c < data.Classes(); ++c)
      if (play.First[c] != kNone &&
          (play.Second[c] == kNone || play.FirstValue[c] != play.SecondValue[c]))
        decides[play.First[c]] = true;
    const auto idle = std::find(decides.rbegin(), decides.rend(), false);
    if (idle == decides.rend()) return lines;
    lines.erase(lines.begin() + (decides.rend() - idle - 1));
  }
}

// A chart's lines, then other lines its families could have: each family whole, and each
// family's lines of the chart taken together (all of them, the first few, the last few).
std::vector<TUnit> CandidateLines(const THoldWords& words, const std::vector<TUnit>& lines) {
  std::vector<TUnit> pool = lines;
  auto add = [&pool](TUnit unit) {
    std::sort(unit.begin(), unit.end());
    if (std::find(pool.begin(), pool.end(), unit) == pool.end()) pool.push_back(unit);
  };
  for (const auto& line : lines) {
    const TPatternId family = words.FamilyOf(line.front());
    if (!words.IsFamily(family)) continue;
    add(words.ImpliedLeaves(words.LeavesOf(family)));
    std::vector<const TUnit*> own;
    for (const auto& other : lines)
      if (words.FamilyOf(other.front()) == family) own.push_back(&other);
    for (std::size_t from = 0; from < own.size(); ++from)
      for (std::size_t to = from + 2; to <= own.size(); ++to) {
        if (from != 0 && to != own.size()) continue;
        TUnit joined;
        for (std::size_t i = from; i < to; ++i)
          joined.insert(joined.end(), own[i]->begin(), own[i]->end());
        add(words.ImpliedLeaves(joined));
      }
  }
  return pool;
}

// Lines moved as wholes, and other lines of their families brought in, while the return
// rises: a family's leaves can move together where one leaf at a time would lose first.
std::vector<TUnit> PolishChart(const TClassPatterns& data, const std::vector<TUnit>& lines,
                               TOrderSearch::TArrays& spare) {
  const std::vector<TUnit> pool = CandidateLines(*data.Words, lines);
  TOrderSearch search(data, pool, spare);
  std::vector<std::uint32_t> order(pool.size());
  for (std::uint32_t u = 0; u < order.size(); ++u) order[u] = u;
  search.Start(order, lines.size());
  search.Improve(true);
  return SettleLines(data, LinesInPlay(search));
}

// The ordered leaves that play best: each leaf that is the best description of some hold
// is a unit; start from the units' average values and move units while the return rises.
std::vector<TUnit> OrderedLeaves(const TClassPatterns& data, TOrderSearch::TArrays& spare) {
  std::vector<TUnit> units;
  for (int p = 0; p < data.Words->LeafCount(); ++p)
    if (data.Words->DescribesAHold(static_cast<TPatternId>(p)))
      units.push_back({static_cast<TPatternId>(p)});
  TOrderSearch search(data, units, spare);
  std::vector<std::uint32_t> order(units.size());
  for (std::uint32_t u = 0; u < order.size(); ++u) order[u] = u;
  const std::vector<double> average = search.AverageValues();
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return average[a] > average[b]; });
  search.Start(order, order.size());
  search.Improve();
  search.DropIdleUnits();
  GatherFamilies(search);
  return SettleLines(data, LinesInPlay(search));
}

std::vector<TUnit> FullChart(const TClassPatterns& data, TOrderSearch::TArrays& spare) {
  return PolishChart(data, OrderedLeaves(data, spare), spare);
}

// Counts the units in play.
std::size_t InPlay(const TOrderSearch& search) {
  std::size_t n = 0;
  for (std::uint32_t u = 0; u < search.Units(); ++u) n += search.Active(u);
  return n;
}

// Brings the lines in play down to `most`: step by step, the change that loses least return
// per line saved (a line out, or all lines of a family replaced by one line for them at its
// best place). The lines move to their best places after each step.
void CutToSize(TOrderSearch& search, std::uint32_t keep, std::size_t most, int threads,
               std::vector<std::uint32_t>* atOneMore = nullptr) {
  const auto workers = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  TOrderSearch::TTrials trials;
  while (InPlay(search) > most) {
    if (atOneMore != nullptr && InPlay(search) == most + 1) {
      atOneMore->clear();
      for (const std::uint32_t u : search.Order())
        if (search.Active(u)) atOneMore->push_back(u);
    }
    const __int128 total = search.Total();
    __int128 bestLoss = 0;
    std::size_t bestSaved = 0;
    std::vector<std::uint32_t> bestOut;
    std::uint32_t bestIn = kNone;
    std::uint32_t bestSlot = kNone;
    auto consider = [&](__int128 loss, std::size_t saved, const std::vector<std::uint32_t>& out,
                        std::uint32_t in, std::uint32_t slot) {
      if (bestSaved == 0 ||
          loss * static_cast<__int128>(bestSaved) < bestLoss * static_cast<__int128>(saved)) {
        bestLoss = loss;
        bestSaved = saved;
        bestOut = out;
        bestIn = in;
        bestSlot = slot;
      }
    };
    std::vector<std::vector<std::uint32_t>> inFamily(
        static_cast<std::size_t>(search.Words().PatternCount()));
    std::vector<std::vector<std::uint32_t>> outOfPlay(inFamily.size());
    for (std::uint32_t u = 0; u < search.Units(); ++u) {
      if (u == keep) continue;
      if (search.Active(u)) consider(search.RemovalCost(u), 1, {u}, kNone, kNone);
      (search.Active(u) ? inFamily : outOfPlay)[FamilyOfUnit(search, u)].push_back(u);
    }
    // A family's trial: its lines in play replaced by each of its lines out of play.
    trials.Family.assign(search.Units(), kNone);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tried;  // family, line out of play
    for (std::uint32_t family = 0; family < inFamily.size(); ++family) {
      if (inFamily[family].size() < 2 || outOfPlay[family].empty()) continue;
      for (const std::uint32_t u : inFamily[family]) trials.Family[u] = family;
      for (const std::uint32_t v : outOfPlay[family]) tried.emplace_back(family, v);
    }
    search.RunTrials(trials);
    // The trials only read the search: the lines are shared out between threads, and
    // weighed in their own order afterwards.
    std::vector<std::pair<__int128, std::uint32_t>> best(tried.size());
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
      std::vector<__int128> gain;
      for (std::size_t i; (i = next++) < tried.size();)
        best[i] = search.TrialBestSlot(tried[i].second, tried[i].first, trials, gain);
    };
    std::vector<std::thread> helpers;
    for (std::size_t w = 1; w < workers && w < tried.size(); ++w) helpers.emplace_back(work);
    work();
    for (auto& h : helpers) h.join();
    for (std::size_t i = 0; i < tried.size(); ++i) {
      const std::vector<std::uint32_t>& out = inFamily[tried[i].first];
      consider(total - trials.Without[tried[i].first] - best[i].first, out.size() - 1, out,
               tried[i].second, best[i].second);
    }
    if (bestSaved == 0) break;
    for (const std::uint32_t u : bestOut) search.SetActive(u, false);
    if (bestIn != kNone) search.MoveTo(bestIn, bestSlot);
    search.Improve();
  }
}

// While the return rises: a line added where the chart has room for one, or one line
// exchanged for another (with `withinFamily`, only for one of its family), whichever gains
// most; the lines move to their best places after each step. A line's going changes what
// the lines out of play add only in the classes it plays, so each exchange is weighed from
// what they add now and those changes.
void ExchangeLines(TOrderSearch& search, std::uint32_t keep, std::size_t most, int threads,
                   bool withinFamily = false) {
  const std::uint32_t units = search.Units();
  std::vector<TPatternId> family(units);
  for (std::uint32_t v = 0; v < units; ++v) family[v] = FamilyOfUnit(search, v);
  auto wanted = [&](std::uint32_t out, std::uint32_t v) {
    return !search.Active(v) && (!withinFamily || out == kNone || family[v] == family[out]);
  };
  // The best exchange of one line in play, or of none (kNone: a line added).
  struct TExchange {
    __int128 Gain = 0;
    std::uint32_t In = kNone;
    std::uint32_t Slot = kNone;
  };
  // Each thread's changes to the gains of the lines out of play with one line gone, by the
  // place in play of the line they take from: only the lines in play take gains.
  struct TChanged {
    std::vector<std::vector<__int128>> Gains;
    std::vector<std::uint8_t> Wanted;  // in the exchanges of the line going
    std::vector<std::uint8_t> Is;
    std::vector<std::uint32_t> Units;
  };
  const auto parts = static_cast<std::size_t>(std::clamp(threads, 1, 8));
  std::vector<TChanged> scratch(parts);
  for (TChanged& c : scratch) {
    c.Gains.resize(units);
    c.Wanted.assign(units, 0);
    c.Is.assign(units, 0);
  }
  std::vector<std::uint32_t> placeOf(units, kNone);
  for (int pass = 0; pass < 40; ++pass) {
    search.SyncOutGains();
    const std::vector<std::uint32_t> inPlay = search.PositionsInPlay();
    std::fill(placeOf.begin(), placeOf.end(), kNone);
    for (std::uint32_t k = 0; k < inPlay.size(); ++k) placeOf[search.Order()[inPlay[k]]] = k;
    std::vector<std::uint32_t> leaving;
    for (std::uint32_t u = 0; u < units; ++u)
      if (search.Active(u) && u != keep) leaving.push_back(u);
    // The gains every exchange weighs, counted before the threads share them out.
    std::vector<std::uint8_t> needed(units, 0);
    for (std::uint32_t v = 0; v < units; ++v) {
      if (InPlay(search) < most && !withinFamily && wanted(kNone, v)) needed[v] = 1;
      for (const std::uint32_t u : leaving)
        if (!needed[v] && wanted(u, v)) needed[v] = 1;
    }
    search.KeepOutGains(needed, parts);
    auto best = [&](std::uint32_t out, __int128 cost, const TChanged* changed) {
      TExchange exchange;
      for (std::uint32_t v = 0; v < units; ++v) {
        if (!wanted(out, v)) continue;
        const auto [gain, slot] =
            search.BestOfOutGains(search.KeptOutGains(v), inPlay,
                                  changed && changed->Is[v] ? &changed->Gains[v] : nullptr);
        if (gain - cost > exchange.Gain) exchange = {gain - cost, v, slot};
      }
      return exchange;
    };
    TExchange chosen;
    std::uint32_t bestOut = kNone;
    if (InPlay(search) < most && !withinFamily) chosen = best(kNone, 0, nullptr);
    // Each line's exchanges only read the search: the lines are shared out between
    // threads, and their best exchanges weighed in order afterwards.
    std::vector<TExchange> of(leaving.size());
    std::atomic<std::size_t> next = 0;
    OnThreads(parts, [&](std::size_t t) {
      TChanged& changed = scratch[t];
      for (std::size_t i; (i = next++) < leaving.size();) {
        const std::uint32_t u = leaving[i];
        for (std::uint32_t v = 0; v < units; ++v) changed.Wanted[v] = wanted(u, v);
        search.ForEachRemovalChange(
            u,
            [&](std::uint32_t v) {
              if (!changed.Wanted[v]) return false;
              if (!changed.Is[v]) {
                changed.Is[v] = 1;
                changed.Gains[v].assign(inPlay.size(), 0);
                changed.Gains[v][placeOf[u]] = -search.KeptOutGains(v)[u];
                changed.Units.push_back(v);
              }
              return true;
            },
            [&](std::uint32_t v, std::uint32_t at, __int128 amount) {
              changed.Gains[v][placeOf[at]] += amount;
            });
        of[i] = best(u, search.RemovalCost(u), &changed);
        for (const std::uint32_t v : changed.Units) changed.Is[v] = 0;
        changed.Units.clear();
      }
    });
    for (std::size_t i = 0; i < leaving.size(); ++i)
      if (of[i].Gain > chosen.Gain) {
        chosen = of[i];
        bestOut = leaving[i];
      }
    if (chosen.In == kNone) break;
    if (bestOut != kNone) search.SetActive(bestOut, false);
    search.MoveTo(chosen.In, chosen.Slot);
    search.Improve();
  }
}

// Each line of a chart exchanged, while the return rises, for any group of neighbouring
// leaves of its family ("four to an outside straight with 1-2 high cards").
std::vector<TUnit> RefineGroups(const TClassPatterns& data, const std::vector<TUnit>& lines,
                                std::size_t most, TOrderSearch::TArrays& spare) {
  const THoldWords& words = *data.Words;
  std::vector<TUnit> pool = lines;
  std::vector<bool> seen(static_cast<std::size_t>(words.PatternCount()), false);
  for (const TUnit& line : lines) {
    const TPatternId family = words.FamilyOf(line.front());
    if (!words.IsFamily(family) || seen[family]) continue;
    seen[family] = true;
    std::vector<TPatternId> leaves;
    for (const TPatternId leaf : words.LeavesOf(family))
      if (words.DescribesAHold(leaf)) leaves.push_back(leaf);
    // Groups of whole holds: a hold's penalty twins stay together.
    auto holdStarts = [&](std::size_t at) {
      return at == 0 || at == leaves.size() ||
             words.PenaltyTwins(leaves[at]).front() != words.PenaltyTwins(leaves[at - 1]).front();
    };
    for (std::size_t from = 0; from < leaves.size(); ++from)
      for (std::size_t to = from + 1; to <= leaves.size(); ++to) {
        if (!holdStarts(from) || !holdStarts(to)) continue;
        const TUnit group = words.ImpliedLeaves({leaves.begin() + static_cast<std::ptrdiff_t>(from),
                                                 leaves.begin() + static_cast<std::ptrdiff_t>(to)});
        if (std::find(pool.begin(), pool.end(), group) == pool.end()) pool.push_back(group);
      }
  }
  TOrderSearch search(data, pool, spare);
  std::vector<std::uint32_t> order(pool.size());
  for (std::uint32_t u = 0; u < order.size(); ++u) order[u] = u;
  search.Start(order, lines.size());
  const auto discard = static_cast<std::uint32_t>(
      std::find(pool.begin(), pool.end(), TUnit{words.DiscardEverything()}) - pool.begin());
  ExchangeLines(search, discard, most, data.Threads, true);
  return SettleLines(data, LinesInPlay(search));
}

// The lines, "discard everything" among them, cut down to `most` from them and other lines
// of their families, then improved by exchanges. `atOneMore` gets the units the cut had in
// play at one line more than `most`, if it passed there.
std::vector<TUnit> CutDown(const TClassPatterns& data, const std::vector<TUnit>& lines,
                           std::size_t most, TOrderSearch::TArrays& spare,
                           std::vector<std::uint32_t>* atOneMore) {
  const TUnit discard = {data.Words->DiscardEverything()};
  const std::vector<TUnit> pool = CandidateLines(*data.Words, lines);
  TOrderSearch search(data, pool, spare);
  std::vector<std::uint32_t> order(pool.size());
  for (std::uint32_t u = 0; u < order.size(); ++u) order[u] = u;
  search.Start(order, lines.size());
  const auto discardUnit =
      static_cast<std::uint32_t>(std::find(pool.begin(), pool.end(), discard) - pool.begin());
  CutToSize(search, discardUnit, most, data.Threads, atOneMore);
  ExchangeLines(search, discardUnit, most, data.Threads);
  return LinesInPlay(search);
}

// The cut of CutDown taken on from where it had `start` in play (units of the same pool,
// in order), improved by exchanges for `most` lines.
std::vector<TUnit> CutFrom(const TClassPatterns& data, const std::vector<TUnit>& lines,
                           const std::vector<std::uint32_t>& start, std::size_t most,
                           TOrderSearch::TArrays& spare) {
  const std::vector<TUnit> pool = CandidateLines(*data.Words, lines);
  TOrderSearch search(data, pool, spare);
  std::vector<std::uint32_t> order = start;
  std::vector<bool> started(pool.size(), false);
  for (const std::uint32_t u : start) started[u] = true;
  for (std::uint32_t u = 0; u < pool.size(); ++u)
    if (!started[u]) order.push_back(u);
  search.Start(order, start.size());
  const TUnit discard = {data.Words->DiscardEverything()};
  const auto discardUnit =
      static_cast<std::uint32_t>(std::find(pool.begin(), pool.end(), discard) - pool.begin());
  ExchangeLines(search, discardUnit, most, data.Threads);
  return LinesInPlay(search);
}

// A chart of at most `most` lines, "discard everything" among them, from the full chart's
// lines and other lines of their families.
std::vector<TUnit> ShortChart(const TClassPatterns& data, const std::vector<TUnit>& full,
                              std::size_t most, TOrderSearch::TArrays& spare) {
  if (full.size() <= most) return full;
  const TUnit discard = {data.Words->DiscardEverything()};
  std::vector<TUnit> lines = full;
  if (std::find(lines.begin(), lines.end(), discard) == lines.end()) lines.push_back(discard);
  std::vector<std::uint32_t> atOneMore;
  std::vector<TUnit> chart =
      RefineGroups(data, CutDown(data, lines, most, spare, &atOneMore), most, spare);
  if (chart.size() >= most || atOneMore.empty()) return chart;
  // Lines joined at the end left room: the cut kept at one line more may join down to what
  // fits, and play better than this chart with a line unused.
  std::vector<TUnit> wider = SettleLines(data, CutFrom(data, lines, atOneMore, most + 1, spare));
  if (wider.size() <= most && LinesTotal(data, wider) > LinesTotal(data, chart)) return wider;
  return chart;
}

// Fills in the chart from its lines: names, returns, shares and an example for each line.
// Each line without the leaves that never come first where it plays, when that names it
// shorter ("two deuces" rather than "two deuces: two deuces, flush or straight", whose
// later leaves the deuces always fit before): it plays every deal as before.
std::vector<TUnit> TrimmedLines(const TClassPatterns& data, std::vector<TUnit> lines) {
  const TLinePlay play = PlayLines(data, lines);
  std::vector<std::vector<bool>> used(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) used[i].assign(lines[i].size(), false);
  for (std::uint32_t c = 0; c < data.Classes(); ++c) {
    const std::uint32_t line = play.First[c];
    if (line == kNone) continue;
    const TUnit& leaves = lines[line];
    // Entries come in leaf order: the line's first leaf that fits is met first.
    for (std::uint32_t e = data.Start[c]; e < data.Start[c + 1]; ++e) {
      const auto at = std::lower_bound(leaves.begin(), leaves.end(), data.Pattern[e]);
      if (at == leaves.end() || *at != data.Pattern[e]) continue;
      used[line][static_cast<std::size_t>(at - leaves.begin())] = true;
      break;
    }
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TUnit kept;
    for (std::size_t k = 0; k < lines[i].size(); ++k)
      if (used[i][k]) kept.push_back(lines[i][k]);
    if (!kept.empty() && kept.size() < lines[i].size() &&
        data.Words->GroupName(kept).size() < data.Words->GroupName(lines[i]).size())
      lines[i] = std::move(kept);
  }
  return lines;
}

void DescribeChart(const THoldValueCounter& counter, const TClassPatterns& data,
                   const std::vector<TUnit>& chartLines, TStrategyChart& chart) {
  const std::vector<TUnit> lines = TrimmedLines(data, chartLines);
  const TLinePlay play = PlayLines(data, lines);
  const auto& classes = *data.Deals;
  chart.Lines.clear();
  for (const auto& leaves : lines) {
    TChartLine line;
    line.Leaves = leaves;
    line.Text = data.Words->GroupName(leaves);
    chart.Lines.push_back(line);
  }
  std::int64_t deals = 0;
  for (const TDealClass& k : classes) deals += k.Weight;
  const __int128 denominator = static_cast<__int128>(deals) * counter.Scale();
  __int128 total = 0;
  __int128 best = 0;
  std::vector<std::uint32_t> example(lines.size(), kNone);
  for (std::uint32_t c = 0; c < data.Classes(); ++c) {
    best += data.Best[c];
    // A class no line fits holds nothing (only when the chart has no "discard everything").
    if (play.First[c] == kNone) {
      THoldValues values{};
      counter.Values(classes[c], values);
      total += values[0] * classes[c].Weight;
      continue;
    }
    total += play.FirstValue[c];
    TChartLine& first = chart.Lines[play.First[c]];
    first.Share += classes[c].Weight / static_cast<double>(deals);
    int fitting = 0;
    for (std::uint32_t e = data.Start[c]; e < data.Start[c + 1]; ++e)
      fitting += data.Words->DescribesAHold(data.Pattern[e]) &&
                 std::binary_search(first.Leaves.begin(), first.Leaves.end(), data.Pattern[e]);
    first.OrderMatters = first.OrderMatters || fitting > 1;
    std::uint32_t& ex = example[play.First[c]];
    if (ex == kNone || classes[c].Weight > classes[ex].Weight) ex = c;
  }
  chart.ChartReturn = {total, denominator};
  chart.BestReturn = {best, denominator};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (example[i] == kNone) continue;
    const TDealClass& k = classes[example[i]];
    TChartLine& line = chart.Lines[i];
    line.Example = k.Cards;
    THoldValues values{};
    counter.Values(k, values);
    const std::uint32_t fits = LineHolds(*data.Words, line, k.Cards);
    std::int64_t top = kNoValue;
    for (int m = 0; m < 32; ++m)
      if ((fits >> m & 1) && values[static_cast<std::size_t>(m)] > top) {
        top = values[static_cast<std::size_t>(m)];
        line.ExampleHold = static_cast<std::uint8_t>(m);
      }
  }
}

}  // namespace

double TExactReturn::Value() const {
  return static_cast<double>(Numerator) / static_cast<double>(Denominator);
}

std::string TExactReturn::PercentText(int decimals) const {
  TReturnReport report;
  report.PayNumerator = Numerator;
  report.Denominator = Denominator;
  return report.ReturnPercentText(decimals);
}

double TStrategyChart::CostPoints() const {
  return 100.0 * (BestReturn.Value() - ChartReturn.Value());
}

std::uint32_t LineHolds(const THoldWords& words, const TChartLine& line, const THandCards& cards) {
  THandLeaves leaves;
  words.LeavesOfHolds(cards, leaves);
  // The holds of each of the line's leaves; the first leaf with any counts.
  std::vector<std::uint32_t> fits(line.Leaves.size(), 0);
  for (int m = 0; m < 32; ++m)
    for (const TPatternId p : leaves[static_cast<std::size_t>(m)]) {
      const auto at = std::lower_bound(line.Leaves.begin(), line.Leaves.end(), p);
      if (at != line.Leaves.end() && *at == p)
        fits[static_cast<std::size_t>(at - line.Leaves.begin())] |= std::uint32_t{1} << m;
    }
  for (const std::uint32_t f : fits)
    if (f != 0) return f;
  return 0;
}

std::uint32_t LineHolds(const TChartLine& line, const THandCards& cards) {
  return LineHolds(JacksHoldWords(), line, cards);
}

namespace {

// The first line that fits the hand (Lines.size(): none) and the holds of its first leaf
// that fits.
std::pair<int, std::uint32_t> FirstFit(const TStrategyChart& chart, const THandCards& cards) {
  const auto none = static_cast<int>(chart.Lines.size());
  std::array<int, 256> lineOf{};
  lineOf.fill(none);
  for (int i = none; i-- > 0;)
    for (const TPatternId leaf : chart.Lines[static_cast<std::size_t>(i)].Leaves) lineOf[leaf] = i;
  THandLeaves leaves;
  chart.Words->LeavesOfHolds(cards, leaves);
  int line = none;
  TPatternId first = 0;
  std::uint32_t holds = 0;
  for (int m = 0; m < 32; ++m)
    for (const TPatternId p : leaves[static_cast<std::size_t>(m)]) {
      const int at = lineOf[p];
      if (at < line || (at == line && at != none && p < first)) {
        line = at;
        first = p;
        holds = 0;
      }
      if (at == line && at != none && p == first) holds |= std::uint32_t{1} << m;
    }
  return {line, holds};
}

}  // namespace

int MatchingLine(const TStrategyChart& chart, const THandCards& cards) {
  return FirstFit(chart, cards).first;
}

TChartPlay PlayChart(const TStrategyChart& chart, const THandCards& cards,
                     const std::array<THoldOdds, 32>& holds) {
  TChartPlay play;
  const auto [line, fits] = FirstFit(chart, cards);
  play.Line = line;
  if (fits == 0) return play;
  const THoldOdds* best = nullptr;
  for (const THoldOdds& h : holds) {
    if (!(fits >> h.Mask & 1)) continue;
    if (!best || PaysMore(h, *best) || (!PaysMore(*best, h) && h.Mask < best->Mask)) best = &h;
  }
  play.Hold = best->Mask;
  return play;
}

TStrategyChart BuildStrategyChart(const TDrawTables& tables, const TPayTable& table,
                                  const TChartOptions& options) {
  TStrategyChart chart = BuildStrategyChart(tables, UnitPaysOf(table), options);
  chart.Table = table;
  return chart;
}

TStrategyChart BuildStrategyChart(const TDrawTables& tables, const TUnitPays& pays,
                                  const TChartOptions& options) {
  TStrategyChart chart;
  chart.Pays = pays;
  chart.Words = options.Words ? options.Words : &JacksHoldWords();
  const THoldValueCounter counter(tables, pays);
  const TClassPatterns data =
      CountClassPatterns(counter, *chart.Words, DealClasses(tables.Cards()), options.Threads);
  TOrderSearch::TArrays spare;
  std::vector<TUnit> lines = FullChart(data, spare);
  // A full chart stays one a player can learn: at most kMostFullChartLines lines.
  const std::size_t most =
      options.MaxLines > 0 ? static_cast<std::size_t>(options.MaxLines) : kMostFullChartLines;
  if (options.MaxLines > 0 || lines.size() > most) lines = ShortChart(data, lines, most, spare);
  DescribeChart(counter, data, lines, chart);
  return chart;
}
