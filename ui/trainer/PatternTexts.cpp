// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "PatternTexts.h"

#include <QCoreApplication>
#include <algorithm>
#include <regex>

#include "history_report.h"

namespace {

// Every word the analysis names holds with, for the translators: the families, the frames a
// family puts around what its leaves have in common, and the kinds of leaf.
[[maybe_unused]] constexpr const char* kPatternWords[] = {
    QT_TRANSLATE_NOOP("THoldPattern", "two pair or better"),
    QT_TRANSLATE_NOOP("THoldPattern", "high pair"),
    QT_TRANSLATE_NOOP("THoldPattern", "low pair"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to a royal flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to a straight flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to a flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to an outside straight"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to an inside straight"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a royal flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a straight flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "three unsuited high cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a straight"),
    QT_TRANSLATE_NOOP("THoldPattern", "two suited high cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "ten with a suited high card"),
    QT_TRANSLATE_NOOP("THoldPattern", "two unsuited high cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "one high card"),
    QT_TRANSLATE_NOOP("THoldPattern", "three of a kind and a kicker"),
    QT_TRANSLATE_NOOP("THoldPattern", "three of a kind and two kickers"),
    QT_TRANSLATE_NOOP("THoldPattern", "two pair and a kicker"),
    QT_TRANSLATE_NOOP("THoldPattern", "high pair and a kicker"),
    QT_TRANSLATE_NOOP("THoldPattern", "high pair and two kickers"),
    QT_TRANSLATE_NOOP("THoldPattern", "high pair and three kickers"),
    QT_TRANSLATE_NOOP("THoldPattern", "low pair and a kicker"),
    QT_TRANSLATE_NOOP("THoldPattern", "low pair and two kickers"),
    QT_TRANSLATE_NOOP("THoldPattern", "low pair and three kickers"),
    QT_TRANSLATE_NOOP("THoldPattern", "five cards, no pair"),
    QT_TRANSLATE_NOOP("THoldPattern", "four other cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "three other cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "two other cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "one low card"),
    QT_TRANSLATE_NOOP("THoldPattern", "discard everything"),
    //: A pair named by its rank: %1 is "aces", "kings" ... "twos".
    QT_TRANSLATE_NOOP("THoldPattern", "pair of %1"),
    //: %1 names the cards held, "A K Q J".
    QT_TRANSLATE_NOOP("THoldPattern", "four to a royal flush (%1)"),
    //: %1 is how it draws ("open", "inside with 2 high cards").
    QT_TRANSLATE_NOOP("THoldPattern", "four to a straight flush, %1"),
    //: %1 is how many high cards it holds ("with 2 high cards").
    QT_TRANSLATE_NOOP("THoldPattern", "four to a flush %1"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to an outside straight %1"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to an inside straight %1"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a royal flush (%1)"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a straight flush, %1"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a flush %1"),
    //: %1 names the cards held, "K Q J".
    QT_TRANSLATE_NOOP("THoldPattern", "%1 unsuited"),
    QT_TRANSLATE_NOOP("THoldPattern", "three to a straight %1"),
    QT_TRANSLATE_NOOP("THoldPattern", "%1 suited"),
    //: %1 names the card held, "K".
    QT_TRANSLATE_NOOP("THoldPattern", "%1 only"),
    QT_TRANSLATE_NOOP("THoldPattern", "royal flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "straight flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "four of a kind"),
    QT_TRANSLATE_NOOP("THoldPattern", "full house"),
    QT_TRANSLATE_NOOP("THoldPattern", "flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "straight"),
    QT_TRANSLATE_NOOP("THoldPattern", "three of a kind"),
    QT_TRANSLATE_NOOP("THoldPattern", "two pair"),
    QT_TRANSLATE_NOOP("THoldPattern", "aces"),
    QT_TRANSLATE_NOOP("THoldPattern", "kings"),
    QT_TRANSLATE_NOOP("THoldPattern", "queens"),
    QT_TRANSLATE_NOOP("THoldPattern", "jacks"),
    QT_TRANSLATE_NOOP("THoldPattern", "tens"),
    QT_TRANSLATE_NOOP("THoldPattern", "nines"),
    QT_TRANSLATE_NOOP("THoldPattern", "eights"),
    QT_TRANSLATE_NOOP("THoldPattern", "sevens"),
    QT_TRANSLATE_NOOP("THoldPattern", "sixes"),
    QT_TRANSLATE_NOOP("THoldPattern", "fives"),
    QT_TRANSLATE_NOOP("THoldPattern", "fours"),
    QT_TRANSLATE_NOOP("THoldPattern", "threes"),
    QT_TRANSLATE_NOOP("THoldPattern", "twos"),
    //: A straight draw whose two ends are open.
    QT_TRANSLATE_NOOP("THoldPattern", "open"),
    //: A straight draw missing one card inside.
    QT_TRANSLATE_NOOP("THoldPattern", "inside"),
    //: A straight draw missing two cards inside.
    QT_TRANSLATE_NOOP("THoldPattern", "double inside"),
};

QString Tr(const std::string& english) {
  return QCoreApplication::translate("THoldPattern", english.c_str());
}

// A leaf's variant as VariantName writes it: what sets it apart, then its high cards, if
// its family counts them.
struct TVariant {
  std::string Kind;
  int High = -1;
};

TVariant VariantOf(TPatternId leaf) {
  static const std::regex kHigh("^(.*?) ?with (no|[0-9]+) high cards?$");
  const std::string name = VariantName(leaf);
  std::smatch match;
  if (!std::regex_match(name, match, kHigh)) return {name, -1};
  return {match[1].str(), match[2].str() == "no" ? 0 : std::stoi(match[2].str())};
}

// "a, b or c", as JoinAlternatives joins them.
QString Alternatives(const QStringList& parts) {
  QString text = parts.value(0);
  for (qsizetype i = 1; i < parts.size(); ++i)
    text = (i + 1 == parts.size() ? QCoreApplication::translate("THoldPattern", "%1 or %2")
                                  : QCoreApplication::translate("THoldPattern", "%1, %2"))
               .arg(text, parts[i]);
  return text;
}

// "no high card", "2 high cards", "0-2 high cards", "1, 2 or 4 high cards".
QString HighCards(std::vector<int> highs) {
  std::sort(highs.begin(), highs.end());
  if (highs.size() == 1) {
    if (highs[0] == 0) return QCoreApplication::translate("THoldPattern", "no high card");
    if (highs[0] == 1) return QCoreApplication::translate("THoldPattern", "1 high card");
    const int count = highs[0];
    return QCoreApplication::translate("THoldPattern", "%n high cards", nullptr, count);
  }
  if (highs.back() - highs.front() + 1 == static_cast<int>(highs.size()))
    //: A run of counts, "0-2 high cards".
    return QCoreApplication::translate("THoldPattern", "%1-%2 high cards")
        .arg(highs.front())
        .arg(highs.back());
  QStringList counts;
  for (const int high : highs) counts << QString::number(high);
  //: %1 lists the counts, "1, 2 or 4".
  return QCoreApplication::translate("THoldPattern", "%1 high cards").arg(Alternatives(counts));
}

// The frame the family puts around its parts, "four to a flush %1", found from a leaf's own
// name, which is the frame around that leaf's part.
std::string FrameOf(TPatternId leaf) {
  const std::string name = PatternName(leaf);
  const TVariant variant = VariantOf(leaf);
  for (const std::string& part : {VariantName(leaf), variant.Kind}) {
    if (part.empty()) continue;
    const std::size_t at = name.find(part);
    if (at != std::string::npos) return name.substr(0, at) + "%1" + name.substr(at + part.size());
  }
  return "%1";
}

}  // namespace

QString ShownGroupName(const std::vector<TPatternId>& leaves) {
  std::vector<TPatternId> sorted;
  for (const TPatternId leaf : leaves)
    if (DescribesAHold(leaf)) sorted.push_back(leaf);
  if (sorted.empty()) sorted = leaves;
  if (sorted.empty()) return {};
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  const TPatternId family = FamilyOf(sorted.front());
  // The analysis decides when the leaves are the whole family.
  const std::string familyName = PatternName(family);
  if (GroupName(sorted) == familyName) return Tr(familyName);
  const auto describingOfKind = [family](const std::string& kind) {
    int n = 0;
    for (const TPatternId leaf : LeavesOf(family))
      n += DescribesAHold(leaf) && VariantOf(leaf).Kind == kind;
    return n;
  };
  // The leaves in family order, grouped by kind; a kind with every one of its high-card
  // counts is named by itself.
  QStringList parts;
  for (std::size_t i = 0; i < sorted.size();) {
    const TVariant first = VariantOf(sorted[i]);
    std::vector<int> highs;
    std::size_t j = i;
    for (; j < sorted.size() && VariantOf(sorted[j]).Kind == first.Kind; ++j)
      highs.push_back(VariantOf(sorted[j]).High);
    const QString kind = Tr(first.Kind);
    if (first.High >= 0 && static_cast<int>(highs.size()) < describingOfKind(first.Kind)) {
      const QString high = HighCards(highs);
      parts << (first.Kind.empty()
                    ? QCoreApplication::translate("THoldPattern", "with %1").arg(high)
                    //: %1 how it draws ("open"), %2 its high cards ("2 high cards").
                    : QCoreApplication::translate("THoldPattern", "%1 with %2").arg(kind, high));
    } else {
      parts << kind;
    }
    i = j;
  }
  return Tr(FrameOf(sorted.front())).arg(Alternatives(parts));
}

QString ShownPatternName(TPatternId pattern) {
  return ShownGroupName(LeavesOf(pattern));
}

QString ShownStoredPattern(const std::string& name) {
  TPatternId pattern = 0;
  if (!name.empty() && FindPattern(name, pattern)) return ShownPatternName(pattern);
  return PatternText(name);
}

QStringList ShownFamilyOrderNotes(const TStrategyChart& chart) {
  QStringList notes;
  for (const TChartLine& line : chart.Lines) {
    const TPatternId family = FamilyOf(line.Leaves.front());
    if (!line.OrderMatters || line.Text != PatternName(family)) continue;
    QStringList variants;
    for (const TPatternId leaf : line.Leaves) {
      if (!DescribesAHold(leaf)) continue;
      const TVariant variant = VariantOf(leaf);
      const QString kind = Tr(variant.Kind);
      if (variant.High < 0)
        variants << kind;
      else if (variant.Kind.empty())
        variants << QCoreApplication::translate("THoldPattern", "with %1")
                        .arg(HighCards({variant.High}));
      else
        variants << QCoreApplication::translate("THoldPattern", "%1 with %2")
                        .arg(kind, HighCards({variant.High}));
    }
    //: A family and the order its members are taken in: "two suited high cards: Q J, K Q".
    notes << QCoreApplication::translate("THoldPattern", "%1: %2")
                 .arg(Tr(PatternName(family)), variants.join(QStringLiteral(", ")));
  }
  return notes;
}
