// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "hold_patterns.h"

#include <algorithm>
#include <stdexcept>

#include "game.h"
#include "pattern_families.h"

namespace {

std::string HighText(std::vector<int> highs) {
  std::sort(highs.begin(), highs.end());
  auto count = [](int n) {
    if (n == 0) return std::string("no high card");
    return std::to_string(n) + (n == 1 ? " high card" : " high cards");
  };
  if (highs.size() == 1) return count(highs[0]);
  const bool run = highs.back() - highs.front() + 1 == static_cast<int>(highs.size());
  if (run)
    return std::to_string(highs.front()) + "-" + std::to_string(highs.back()) + " high cards";
  std::string text;
  for (std::size_t i = 0; i < highs.size(); ++i) {
    if (i > 0) text += i + 1 == highs.size() ? " or " : ", ";
    text += std::to_string(highs[i]);
  }
  return text + " high cards";
}

std::string JoinAlternatives(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? " or " : ", ";
    text += parts[i];
  }
  return text;
}

}  // namespace

THoldWords::THoldWords(std::unique_ptr<const THoldFamily> family)
    : FFamily(std::move(family)), FFamilies(FFamily->Families()), FLeaves(FFamily->Leaves()) {
  const std::size_t families = FFamilies.size();
  FFamilyPattern.assign(families, 0);
  FFirstLeaf.assign(families, 0);
  FLeafTotal.assign(families, 0);
  const int leaves = static_cast<int>(FLeaves.size());
  FFamilyOfPattern.assign(static_cast<std::size_t>(leaves), 0);
  for (int i = leaves - 1; i >= 0; --i) {
    const std::uint8_t f = FLeaves[static_cast<std::size_t>(i)].Family;
    FFirstLeaf[f] = i;
    ++FLeafTotal[f];
    FFamilyOfPattern[static_cast<std::size_t>(i)] = f;
  }
  for (std::size_t f = 0; f < families; ++f) {
    if (FLeafTotal[f] == 1) {
      FFamilyPattern[f] = static_cast<TPatternId>(FFirstLeaf[f]);
      continue;
    }
    FFamilyPattern[f] = static_cast<TPatternId>(FFamilyOfPattern.size());
    FFamilyOfPattern.push_back(static_cast<std::uint8_t>(f));
  }
  if (FFamilyOfPattern.size() > 256) throw std::logic_error("pattern ids are one byte");
  FDescribes.resize(static_cast<std::size_t>(leaves));
  for (int i = 0; i < leaves; ++i)
    FDescribes[static_cast<std::size_t>(i)] = FFamily->Describes(static_cast<TPatternId>(i));
  for (std::size_t f = 0; f < families; ++f)
    if (FFamilies[f].Name == "discard everything")
      FDiscard = static_cast<TPatternId>(FFirstLeaf[f]);
}

std::vector<TPatternId> THoldWords::LeavesOf(TPatternId pattern) const {
  if (!IsFamily(pattern)) return {pattern};
  const std::uint8_t f = FFamilyOfPattern[pattern];
  std::vector<TPatternId> leaves;
  for (int i = 0; i < FLeafTotal[f]; ++i)
    leaves.push_back(static_cast<TPatternId>(FFirstLeaf[f] + i));
  return leaves;
}

std::string THoldWords::PatternName(TPatternId pattern) const {
  return GroupName(LeavesOf(pattern));
}

// The leaves of family f that describe a hold; with `kind`, only those of that variant.
int THoldWords::DescribingInFamily(int family, const std::string_view* kind) const {
  const auto f = static_cast<std::size_t>(family);
  int n = 0;
  for (int at = FFirstLeaf[f]; at < FFirstLeaf[f] + FLeafTotal[f]; ++at)
    n += DescribesAHold(static_cast<TPatternId>(at)) &&
         (!kind || FLeaves[static_cast<std::size_t>(at)].Variant == *kind);
  return n;
}

std::string THoldWords::GroupName(const std::vector<TPatternId>& leaves) const {
  std::vector<TPatternId> sorted;
  for (const TPatternId leaf : leaves)
    if (DescribesAHold(leaf)) sorted.push_back(leaf);
  if (sorted.empty()) sorted = leaves;
  if (sorted.empty()) return {};
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  const std::uint8_t f = FFamilyOfPattern[sorted.front()];
  const TFamilyText& family = FFamilies[f];
  const int describing = DescribingInFamily(f, nullptr);
  if (static_cast<int>(sorted.size()) >= describing) return std::string(family.Name);
  // A leaf named as its family is that name alone: "two deuces", not "two deuces: two deuces".
  if (sorted.size() == 1 && FLeaves[sorted.front()].Variant == family.Name)
    return std::string(family.Name);
  if (family.NamesLeftOut) {
    std::vector<TPatternId> left;
    for (int at = FFirstLeaf[f]; at < FFirstLeaf[f] + FLeafTotal[f]; ++at) {
      const auto leaf = static_cast<TPatternId>(at);
      if (DescribesAHold(leaf) && !std::binary_search(sorted.begin(), sorted.end(), leaf))
        left.push_back(leaf);
    }
    const std::string listed =
        std::string(family.Prefix) + VariantsText(f, sorted) + std::string(family.Suffix);
    // A leaf named as its family can't be left out by name: "three deuces, not three deuces".
    const bool leavesOutItsName = std::any_of(left.begin(), left.end(), [&](TPatternId leaf) {
      return FLeaves[leaf].Variant == family.Name;
    });
    if (left.size() > 2 || left.size() >= sorted.size() || leavesOutItsName) return listed;
    const std::string leftOut = std::string(family.Name) + ", not " + VariantsText(f, left);
    return leftOut.size() < listed.size() ? leftOut : listed;
  }
  const bool byPenalty = std::any_of(sorted.begin(), sorted.end(), [this](TPatternId leaf) {
    return !FLeaves[leaf].Penalty.empty();
  });
  if (!byPenalty)
    return std::string(family.Prefix) + VariantsText(f, sorted) + std::string(family.Suffix);
  // Where leaves go by a penalty card, each condition is a clause of its own ("Q J suited,
  // no flush penalty; K Q suited"); a hold with both of its leaves is named by itself.
  std::vector<std::string_view> penalties;
  std::vector<std::vector<TPatternId>> clauses;
  for (std::size_t i = 0; i < sorted.size();) {
    std::size_t end = TogetherRun(sorted, i);
    const std::string_view penalty = end > i ? std::string_view() : FLeaves[sorted[i]].Penalty;
    end = std::max(end, i + 1);
    // Clauses keep the family's order: a new one where the condition changes.
    if (penalties.empty() || penalties.back() != penalty) {
      penalties.push_back(penalty);
      clauses.emplace_back();
    }
    clauses.back().insert(clauses.back().end(), sorted.begin() + static_cast<std::ptrdiff_t>(i),
                          sorted.begin() + static_cast<std::ptrdiff_t>(end));
    i = end;
  }
  std::string text;
  for (std::size_t c = 0; c < clauses.size(); ++c)
    text += (c > 0 ? "; " : "") + std::string(family.Prefix) + VariantsText(f, clauses[c]) +
            std::string(family.Suffix) + std::string(penalties[c]);
  return text;
}

std::string THoldWords::VariantsText(int f, const std::vector<TPatternId>& sorted) const {
  // The leaves in family order, grouped by kind; a kind with every one of its high-card
  // counts is named by itself.
  std::vector<std::string> parts;
  for (std::size_t i = 0; i < sorted.size();) {
    if (const std::size_t end = TogetherRun(sorted, i); end > i) {
      parts.emplace_back(FLeaves[sorted[i]].Together);
      i = end;
      continue;
    }
    const TLeafText& first = FLeaves[sorted[i]];
    std::vector<int> highs;
    std::size_t j = i;
    for (; j < sorted.size() && FLeaves[sorted[j]].Variant == first.Variant; ++j)
      highs.push_back(FLeaves[sorted[j]].High);
    std::string part(first.Variant);
    if (first.High >= 0 && static_cast<int>(highs.size()) < DescribingInFamily(f, &first.Variant))
      part += (part.empty() ? "with " : " with ") + HighText(highs);
    parts.push_back(part);
    i = j;
  }
  return JoinAlternatives(parts);
}

std::size_t THoldWords::TogetherRun(const std::vector<TPatternId>& sorted, std::size_t at) const {
  const std::string_view together = FLeaves[sorted[at]].Together;
  if (together.empty()) return at;
  const std::uint8_t f = FFamilyOfPattern[sorted[at]];
  std::size_t end = at;
  for (int leaf = FFirstLeaf[f]; leaf < FFirstLeaf[f] + FLeafTotal[f]; ++leaf) {
    const auto id = static_cast<TPatternId>(leaf);
    if (FLeaves[id].Together != together || !DescribesAHold(id)) continue;
    if (end == sorted.size() || sorted[end] != id) return at;
    ++end;
  }
  return end;
}

std::string THoldWords::VariantName(TPatternId leaf) const {
  const TLeafText& l = FLeaves[leaf];
  std::string name(l.Variant);
  if (l.High >= 0) name += (name.empty() ? "with " : " with ") + HighText({l.High});
  return name.empty() ? PatternName(leaf) : name;
}

std::vector<TPatternId> THoldWords::ImpliedLeaves(const std::vector<TPatternId>& leaves) const {
  std::vector<TPatternId> out = leaves;
  if (leaves.empty()) return out;
  const std::uint8_t f = FFamilyOfPattern[leaves.front()];
  const std::string name = GroupName(leaves);
  for (int at = FFirstLeaf[f]; at < FFirstLeaf[f] + FLeafTotal[f]; ++at) {
    const auto leaf = static_cast<TPatternId>(at);
    if (DescribesAHold(leaf) || std::find(out.begin(), out.end(), leaf) != out.end()) continue;
    std::vector<TPatternId> with = out;
    with.push_back(leaf);
    if (GroupName(with) == name) out.push_back(leaf);
  }
  std::sort(out.begin(), out.end());
  return out;
}

bool THoldWords::FindPattern(std::string_view name, TPatternId& pattern) const {
  for (int id = 0; id < PatternCount(); ++id)
    if (PatternName(static_cast<TPatternId>(id)) == name) {
      pattern = static_cast<TPatternId>(id);
      return true;
    }
  // A hold told apart by its penalty cards: its first leaf.
  for (int id = 0; id < LeafCount(); ++id) {
    const auto leaf = static_cast<TPatternId>(id);
    if (!FLeaves[leaf].Penalty.empty() && PenaltyTwins(leaf).front() == leaf &&
        GroupName(PenaltyTwins(leaf)) == name) {
      pattern = leaf;
      return true;
    }
  }
  return false;
}

THoldPatterns THoldWords::PatternsOfHold(const THandCards& cards, std::uint8_t mask) const {
  THandLeaves holds;
  FFamily->LeavesOfHolds(cards, holds);
  THoldPatterns out = holds[mask & 31];
  const int leaves = out.Count;
  for (int i = 0; i < leaves; ++i) {
    const TPatternId family = FamilyOf(out.Ids[static_cast<std::size_t>(i)]);
    if (family != out.Ids[static_cast<std::size_t>(i)] && out.Count < kMostPatternsOfHold)
      out.Ids[static_cast<std::size_t>(out.Count++)] = family;
  }
  return out;
}

TPatternId THoldWords::DescribeHold(const THandCards& cards, std::uint8_t mask) const {
  return PatternsOfHold(cards, mask).Ids[0];
}

std::vector<TPatternId> THoldWords::PenaltyTwins(TPatternId leaf) const {
  if (IsFamily(leaf) || FLeaves[leaf].Penalty.empty()) return {leaf};
  const std::uint8_t f = FFamilyOfPattern[leaf];
  const auto twin = [&](int at) {
    return at >= FFirstLeaf[f] && at < FFirstLeaf[f] + FLeafTotal[f] &&
           !FLeaves[static_cast<std::size_t>(at)].Penalty.empty() &&
           FLeaves[static_cast<std::size_t>(at)].Together == FLeaves[leaf].Together;
  };
  int first = leaf;
  while (twin(first - 1)) --first;
  std::vector<TPatternId> twins;
  for (int at = first; twin(at); ++at) twins.push_back(static_cast<TPatternId>(at));
  return twins;
}

TMistakeClass THoldWords::ClassifyMistake(const THandCards& cards, std::uint8_t heldMask,
                                          std::uint8_t bestMask) const {
  // The penalty cards are the values' business: a mistake names the hold itself.
  return {PenaltyTwins(DescribeHold(cards, heldMask)).front(),
          PenaltyTwins(DescribeHold(cards, bestMask)).front()};
}

std::string THoldWords::MistakeText(const TMistakeClass& mistake) const {
  const TMistakeNames names = MistakeNames(mistake);
  return names.Held + " against " + names.Best;
}

TMistakeNames THoldWords::MistakeNames(const TMistakeClass& mistake) const {
  auto named = [this](TPatternId leaf) {
    return FFamilies[FFamilyOfPattern[leaf]].LeafNamesMistakes ? leaf : FamilyOf(leaf);
  };
  TPatternId held = named(mistake.Held);
  TPatternId best = named(mistake.Best);
  if (held == best) {
    held = mistake.Held;
    best = mistake.Best;
  }
  const auto name = [this](TPatternId pattern) {
    const std::vector<TPatternId> twins = PenaltyTwins(pattern);
    return twins.size() > 1 ? GroupName(twins) : PatternName(pattern);
  };
  return {name(held), name(best)};
}

const THoldWords& JacksHoldWords() {
  static const THoldWords words(MakeJacksFamily());
  return words;
}

const THoldWords& HoldWordsOf(const TGame& game) {
  // Made once for each game that has words of its own, on whichever thread asks first.
  struct TOwnWords {
    std::array<std::unique_ptr<const THoldWords>, kGames.size()> Words;
    TOwnWords() {
      for (std::size_t g = 0; g < kGames.size(); ++g) {
        const TGame& own = *kGames[g];
        std::unique_ptr<const THoldFamily> family =
            own.Wild == wcNone ? MakeBonusFamily(own) : MakeWildFamily(own);
        if (family) Words[g] = std::make_unique<const THoldWords>(std::move(family));
      }
    }
  };
  static const TOwnWords own;
  for (std::size_t g = 0; g < kGames.size(); ++g)
    if (kGames[g] == &game && own.Words[g]) return *own.Words[g];
  return JacksHoldWords();
}

int PatternCount() {
  return JacksHoldWords().PatternCount();
}
int LeafCount() {
  return JacksHoldWords().LeafCount();
}
bool IsFamily(TPatternId pattern) {
  return JacksHoldWords().IsFamily(pattern);
}
bool DescribesAHold(TPatternId leaf) {
  return JacksHoldWords().DescribesAHold(leaf);
}
std::string PatternName(TPatternId pattern) {
  return JacksHoldWords().PatternName(pattern);
}
TPatternId FamilyOf(TPatternId pattern) {
  return JacksHoldWords().FamilyOf(pattern);
}
std::vector<TPatternId> LeavesOf(TPatternId pattern) {
  return JacksHoldWords().LeavesOf(pattern);
}
std::string GroupName(const std::vector<TPatternId>& leaves) {
  return JacksHoldWords().GroupName(leaves);
}
std::vector<TPatternId> ImpliedLeaves(const std::vector<TPatternId>& leaves) {
  return JacksHoldWords().ImpliedLeaves(leaves);
}
std::string VariantName(TPatternId leaf) {
  return JacksHoldWords().VariantName(leaf);
}
bool FindPattern(std::string_view name, TPatternId& pattern) {
  return JacksHoldWords().FindPattern(name, pattern);
}
THoldPatterns PatternsOfHold(const THandCards& cards, std::uint8_t mask) {
  return JacksHoldWords().PatternsOfHold(cards, mask);
}
TPatternId DiscardEverything() {
  return JacksHoldWords().DiscardEverything();
}
TPatternId DescribeHold(const THandCards& cards, std::uint8_t mask) {
  return JacksHoldWords().DescribeHold(cards, mask);
}
TMistakeClass ClassifyMistake(const THandCards& cards, std::uint8_t heldMask,
                              std::uint8_t bestMask) {
  return JacksHoldWords().ClassifyMistake(cards, heldMask, bestMask);
}
std::string MistakeText(const TMistakeClass& mistake) {
  return JacksHoldWords().MistakeText(mistake);
}
TMistakeNames MistakeNames(const TMistakeClass& mistake) {
  return JacksHoldWords().MistakeNames(mistake);
}
