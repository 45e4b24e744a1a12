// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "PatternTexts.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <regex>
#include <vector>

#include "game.h"
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
    //: Deuces Wild: one kind of straight flush draw in a list of hands ("consecutive"),
    //: bracketed as the list has commas of its own.
    QT_TRANSLATE_NOOP("THoldPattern", "four to a straight flush (%1)"),
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
    //: Deuces Wild: a draw whose only straight is ace-2-3-4-5, filled by a deuce alone.
    QT_TRANSLATE_NOOP("THoldPattern", "ace low"),
    //: Three to a royal flush without its ace, and with it.
    QT_TRANSLATE_NOOP("THoldPattern", "no ace"),
    QT_TRANSLATE_NOOP("THoldPattern", "with an ace"),
    //: %1 is "no ace" or "with an ace".
    QT_TRANSLATE_NOOP("THoldPattern", "three to a royal flush, %1"),
    // The wild-card games: every line begins with the wild cards held.
    //: Deuces Wild: how many deuces (the wild cards) a hold keeps; a chart line begins with it.
    QT_TRANSLATE_NOOP("THoldPattern", "no deuce"),
    QT_TRANSLATE_NOOP("THoldPattern", "one deuce"),
    QT_TRANSLATE_NOOP("THoldPattern", "two deuces"),
    QT_TRANSLATE_NOOP("THoldPattern", "three deuces"),
    QT_TRANSLATE_NOOP("THoldPattern", "four deuces"),
    //: Joker Poker: a hold with the joker (the wild card); a chart line begins with it.
    QT_TRANSLATE_NOOP("THoldPattern", "joker"),
    QT_TRANSLATE_NOOP("THoldPattern", "no joker"),
    //: The family of holds that already pay or hold a pair, after the wild cards held.
    QT_TRANSLATE_NOOP("THoldPattern", "a paying hand or a pair"),
    //: Joker Poker: the families of holds that already pay, and of those that hold a pair.
    QT_TRANSLATE_NOOP("THoldPattern", "a paying hand"),
    QT_TRANSLATE_NOOP("THoldPattern", "a pair"),
    //: Joker Poker, with the joker: the family of holds that already pay or draw to a straight
    //: flush (a royal flush among them).
    QT_TRANSLATE_NOOP("THoldPattern", "a paying hand or four to a straight flush"),
    //: Joker Poker, without the joker: the same family and the holds of a pair.
    QT_TRANSLATE_NOOP("THoldPattern", "a paying hand, four to a straight flush or a pair"),
    QT_TRANSLATE_NOOP("THoldPattern", "natural royal flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "wild royal flush"),
    QT_TRANSLATE_NOOP("THoldPattern", "five of a kind"),
    //: Joker Poker's paying pair, Kings or Better.
    QT_TRANSLATE_NOOP("THoldPattern", "pair of kings or aces"),
    QT_TRANSLATE_NOOP("THoldPattern", "pair"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to a straight"),
    //: %1 is how it draws: "open", "inside".
    QT_TRANSLATE_NOOP("THoldPattern", "four to a straight, %1"),
    QT_TRANSLATE_NOOP("THoldPattern", "two to a royal flush"),
    //: %1 names the two cards held, "A K".
    QT_TRANSLATE_NOOP("THoldPattern", "two to a royal flush (%1)"),
    QT_TRANSLATE_NOOP("THoldPattern", "high cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "other cards"),
    //: A straight flush draw with wild cards, by the gaps between its natural cards.
    QT_TRANSLATE_NOOP("THoldPattern", "consecutive"),
    //: A straight flush draw whose straight can't reach past the ace.
    QT_TRANSLATE_NOOP("THoldPattern", "consecutive at an end"),
    QT_TRANSLATE_NOOP("THoldPattern", "one gap"),
    QT_TRANSLATE_NOOP("THoldPattern", "one gap at an end"),
    QT_TRANSLATE_NOOP("THoldPattern", "two gaps"),
    QT_TRANSLATE_NOOP("THoldPattern", "two gaps at an end"),
    QT_TRANSLATE_NOOP("THoldPattern", "three gaps"),
    QT_TRANSLATE_NOOP("THoldPattern", "three gaps at an end"),
    // The bonus games: three of a kind by its rank, and with the kicker that pays more.
    //: %1 the rank of the three cards: "aces", "7s", "2s-4s".
    QT_TRANSLATE_NOOP("THoldPattern", "three %1"),
    //: A rank in plural by its letter: "7s", "Ks".
    QT_TRANSLATE_NOOP("THoldPattern", "%1s"),
    //: A run of ranks by their letters: "2s-4s", "5s-Ks".
    QT_TRANSLATE_NOOP("THoldPattern", "%1s-%2s"),
    //: %1 three of a kind ("three aces"), %2 the kicker's ranks ("2, 3 or 4").
    QT_TRANSLATE_NOOP("THoldPattern", "%1 with a %2 kicker"),
    //: As "%1 with a %2 kicker", where English writes "an" ("an A, 2, 3 or 4 kicker").
    QT_TRANSLATE_NOOP("THoldPattern", "%1 with an %2 kicker"),
    QT_TRANSLATE_NOOP("THoldPattern", "three of a kind with another kicker"),
    //: %1 the rank of the four cards: "aces", "2s-4s".
    QT_TRANSLATE_NOOP("THoldPattern", "four %1"),
    //: Four of a kind held with a kicker that doesn't raise its pay.
    QT_TRANSLATE_NOOP("THoldPattern", "four of a kind with another kicker"),
    //: %1 is how it draws ("open with 2 high cards", "inside with 1 high card").
    QT_TRANSLATE_NOOP("THoldPattern", "three to a straight, %1"),
    //: Where two pair pays no more than a pair, two pair with a pair of aces is told apart.
    QT_TRANSLATE_NOOP("THoldPattern", "two pair with aces"),
    QT_TRANSLATE_NOOP("THoldPattern", "two pair without aces"),
    //: Bonus games where two pair pays as a pair: the made hands down to a pair of aces.
    QT_TRANSLATE_NOOP("THoldPattern", "pair of aces or better"),
    //: Bonus games: two or three high cards of different suits ("K Q J", "Q J").
    QT_TRANSLATE_NOOP("THoldPattern", "unsuited high cards"),
    //: Bonus games: the draws left once those without a high card are a family of their own.
    QT_TRANSLATE_NOOP("THoldPattern", "three to a flush with high cards"),
    QT_TRANSLATE_NOOP("THoldPattern", "four to an inside straight with high cards"),
    //: Bonus games: three to a flush and four to an inside straight holding no high card.
    QT_TRANSLATE_NOOP("THoldPattern", "draws with no high card"),
    //: %1 is the draw: "three to a flush", "four to an inside straight".
    QT_TRANSLATE_NOOP("THoldPattern", "%1 with no high card"),
    //: Penalty cards: %1 a hold ("Q J suited") when none of the cards thrown away is of its
    //: suit, so that none of the flush cards left to draw is gone.
    QT_TRANSLATE_NOOP("THoldPattern", "%1, no flush penalty"),
    //: %1 a hold ("Q J suited") when a card thrown away is of its suit.
    QT_TRANSLATE_NOOP("THoldPattern", "%1 with a flush penalty"),
    //: %1 a hold ("K Q J unsuited") when no card thrown away would fill a straight with it.
    QT_TRANSLATE_NOOP("THoldPattern", "%1, no straight penalty"),
    //: %1 a hold ("K Q J unsuited") when a card thrown away would fill a straight with it.
    QT_TRANSLATE_NOOP("THoldPattern", "%1 with a straight penalty"),
    //: One line naming holds apart by their penalty cards: "Q J suited; K Q suited, no flush
    //: penalty".
    QT_TRANSLATE_NOOP("THoldPattern", "%1; %2"),
};

//: Deuces Wild and Joker Poker: the wild cards held (%1, "two deuces", "joker"), then the
//: rest of the hold (%2, "four to a royal flush").
constexpr const char* kWildHeld[] = QT_TRANSLATE_NOOP3("THoldPattern", "%1: %2", "wild cards held");

QString Tr(const std::string& english) {
  return QCoreApplication::translate("THoldPattern", english.c_str());
}

// A frame of the words above, "two to a royal flush (%1)", matched against a whole name.
struct TFrame {
  const char* Source = nullptr;
  const char* Comment = nullptr;
  std::regex Pattern;
  int Places = 0;
  std::size_t Literal = 0;  // the more words a frame has of its own, the sooner it is tried
};

std::string RegexQuoted(const std::string& text) {
  static const std::regex kSpecial(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, kSpecial, R"(\$&)");
}

const std::vector<TFrame>& Frames() {
  static const std::vector<TFrame> frames = [] {
    std::vector<TFrame> out;
    auto add = [&out](const char* source, const char* comment) {
      const std::string text(source);
      // Frames with their places in order, %1 then %2, and no counts.
      const std::size_t one = text.find("%1");
      if (one == std::string::npos || text.find("%n") != std::string::npos) return;
      const std::size_t two = text.find("%2");
      TFrame frame;
      frame.Source = source;
      frame.Comment = comment;
      frame.Places = two == std::string::npos ? 1 : 2;
      if (frame.Places == 2 && two < one) return;
      std::string pattern = "^" + RegexQuoted(text.substr(0, one)) + "(.+)";
      if (frame.Places == 1) {
        pattern += RegexQuoted(text.substr(one + 2)) + "$";
      } else {
        pattern += RegexQuoted(text.substr(one + 2, two - one - 2)) + "(.+)" +
                   RegexQuoted(text.substr(two + 2)) + "$";
      }
      frame.Pattern = std::regex(pattern);
      frame.Literal = text.size() - 2 * static_cast<std::size_t>(frame.Places);
      out.push_back(std::move(frame));
    };
    // The wild cards held before a list's comma: "two deuces: four to a straight flush, %1".
    add(kWildHeld[0], kWildHeld[1]);
    for (const char* word : kPatternWords) add(word, nullptr);
    // The lists Alternatives makes: "2, 3 or 4" kickers.
    add("%1 or %2", nullptr);
    add("%1, %2", nullptr);
    std::stable_sort(out.begin(), out.end(),
                     [](const TFrame& a, const TFrame& b) { return a.Literal > b.Literal; });
    return out;
  }();
  return frames;
}

bool IsKnownWord(const std::string& english) {
  for (const char* word : kPatternWords)
    if (english == word) return true;
  return false;
}

// Cards named by their letters ("A K", "Q J T", "10") and counts stay as they are.
bool IsCardLetters(const std::string& text) {
  static const std::regex kLetters("^(10|[AKQJT2-9])( (10|[AKQJT2-9]))*$");
  return std::regex_match(text, kLetters);
}

// An English name of the analysis's words in the player's language: a word of the table
// above, card letters, or a frame of the table around names made the same way. A name with
// anything else in it has no translation yet: nothing.
std::optional<QString> Phrase(const std::string& english, int depth = 0) {
  if (english.empty() || english == "%1" || IsCardLetters(english))
    return QString::fromStdString(english);
  if (IsKnownWord(english)) return Tr(english);
  if (depth > 6) return std::nullopt;
  for (const TFrame& frame : Frames()) {
    std::smatch match;
    if (!std::regex_match(english, match, frame.Pattern)) continue;
    const std::optional<QString> first = Phrase(match[1].str(), depth + 1);
    if (!first) continue;
    const QString shown = QCoreApplication::translate("THoldPattern", frame.Source, frame.Comment);
    if (frame.Places == 1) return shown.arg(*first);
    const std::optional<QString> second = Phrase(match[2].str(), depth + 1);
    if (!second) continue;
    // Both at once: a place in what is put in stays as it is.
    return shown.arg(*first, *second);
  }
  return std::nullopt;
}

// The pieces of one name: the first it has no translation of makes the whole name English.
struct TPieces {
  bool Unknown = false;
  QString operator()(const std::string& english) {
    const std::optional<QString> shown = Phrase(english);
    if (!shown) Unknown = true;
    return shown.value_or(QString::fromStdString(english));
  }
};

// A leaf's variant as VariantName writes it: what sets it apart, then its high cards, if
// its family counts them.
struct TVariant {
  std::string Kind;
  int High = -1;
};

TVariant VariantOf(const THoldWords& words, TPatternId leaf) {
  static const std::regex kHigh("^(.*?) ?with (no|[0-9]+) high cards?$");
  const std::string name = words.VariantName(leaf);
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
std::string FrameOf(const THoldWords& words, TPatternId leaf) {
  // A leaf named as its family ("two deuces") has no frame of its own: another leaf's is it.
  const std::string familyName = words.PatternName(words.FamilyOf(leaf));
  for (const TPatternId other : words.LeavesOf(words.FamilyOf(leaf)))
    if (words.PatternName(leaf) == familyName && words.PatternName(other) != familyName)
      return FrameOf(words, other);
  const std::string name = words.PatternName(leaf);
  const TVariant variant = VariantOf(words, leaf);
  for (const std::string& part : {words.VariantName(leaf), variant.Kind}) {
    if (part.empty()) continue;
    // The variant stands last but for the suffix: the prefix may hold the same words
    // ("four deuces: four deuces").
    const std::size_t at = name.rfind(part);
    if (at != std::string::npos) return name.substr(0, at) + "%1" + name.substr(at + part.size());
  }
  return "%1";
}

// A variant with its high cards, as a note on a family's order names it.
QString VariantShown(const THoldWords& words, TPatternId leaf, TPieces& pieces) {
  const TVariant variant = VariantOf(words, leaf);
  const QString kind = pieces(variant.Kind);
  if (variant.High < 0) return kind;
  if (variant.Kind.empty())
    return QCoreApplication::translate("THoldPattern", "with %1").arg(HighCards({variant.High}));
  return QCoreApplication::translate("THoldPattern", "%1 with %2")
      .arg(kind, HighCards({variant.High}));
}

}  // namespace

QString ShownGroupName(const THoldWords& words, const std::vector<TPatternId>& leaves) {
  std::vector<TPatternId> sorted;
  for (const TPatternId leaf : leaves)
    if (words.DescribesAHold(leaf)) sorted.push_back(leaf);
  if (sorted.empty()) sorted = leaves;
  if (sorted.empty()) return {};
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  const std::string english = words.GroupName(sorted);
  TPieces pieces;
  // A line that goes by penalty cards is said in clauses: translated as the analysis writes it.
  const bool byPenalty = std::any_of(sorted.begin(), sorted.end(), [&words](TPatternId leaf) {
    return words.PenaltyTwins(leaf).size() > 1;
  });
  if (byPenalty) {
    // Clause by clause: read whole, the clauses' separators multiply the ways to split it.
    const QString joiner = QCoreApplication::translate("THoldPattern", "%1; %2");
    QString shown;
    std::size_t from = 0;
    for (;;) {
      const std::size_t end = english.find("; ", from);
      const QString clause = pieces(english.substr(from, end - from));
      shown = from == 0 ? clause : joiner.arg(shown, clause);
      if (end == std::string::npos) break;
      from = end + 2;
    }
    return pieces.Unknown ? QString::fromStdString(english) : shown;
  }
  const TPatternId family = words.FamilyOf(sorted.front());
  // The analysis decides when the leaves are the whole family.
  const std::string familyName = words.PatternName(family);
  if (english == familyName) {
    const QString shown = pieces(familyName);
    return pieces.Unknown ? QString::fromStdString(english) : shown;
  }
  const auto describingOfKind = [&words, family](const std::string& kind) {
    int n = 0;
    for (const TPatternId leaf : words.LeavesOf(family))
      n += words.DescribesAHold(leaf) && VariantOf(words, leaf).Kind == kind;
    return n;
  };
  // The leaves in family order, grouped by kind; a kind with every one of its high-card
  // counts is named by itself.
  const auto variants = [&](const std::vector<TPatternId>& group) {
    QStringList parts;
    for (std::size_t i = 0; i < group.size();) {
      if (const std::size_t end = words.TogetherRun(group, i); end > i) {
        parts << pieces(std::string(words.TogetherName(group[i])));
        i = end;
        continue;
      }
      const TVariant first = VariantOf(words, group[i]);
      std::vector<int> highs;
      std::size_t j = i;
      for (; j < group.size() && VariantOf(words, group[j]).Kind == first.Kind; ++j)
        highs.push_back(VariantOf(words, group[j]).High);
      const QString kind = pieces(first.Kind);
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
    return Alternatives(parts);
  };
  // A line of nearly a whole family, named by the leaves it leaves out.
  if (english.rfind(familyName + ", not ", 0) == 0) {
    std::vector<TPatternId> left;
    for (const TPatternId leaf : words.LeavesOf(family))
      if (words.DescribesAHold(leaf) && !std::binary_search(sorted.begin(), sorted.end(), leaf))
        left.push_back(leaf);
    const QString whole = pieces(familyName);
    //: A family but the kinds left out: "four to a straight flush, not consecutive".
    const QString shown =
        QCoreApplication::translate("THoldPattern", "%1, not %2").arg(whole, variants(left));
    return pieces.Unknown ? QString::fromStdString(english) : shown;
  }
  const QString shown = pieces(FrameOf(words, sorted.front())).arg(variants(sorted));
  return pieces.Unknown ? QString::fromStdString(english) : shown;
}

QString ShownPatternName(const THoldWords& words, TPatternId pattern) {
  return ShownGroupName(words, words.LeavesOf(pattern));
}

QString ShownGroupName(const std::vector<TPatternId>& leaves) {
  return ShownGroupName(JacksHoldWords(), leaves);
}

QString ShownPatternName(TPatternId pattern) {
  return ShownPatternName(JacksHoldWords(), pattern);
}

namespace {

// A stored name found in a game's words: a hold named whatever its penalty cards is the
// group of its twins.
QString ShownFound(const THoldWords& words, TPatternId pattern, const std::string& name) {
  if (words.PatternName(pattern) != name) return ShownGroupName(words, words.PenaltyTwins(pattern));
  return ShownPatternName(words, pattern);
}

}  // namespace

QString ShownStoredPattern(const std::string& name) {
  TPatternId pattern = 0;
  if (name.empty()) return PatternText(name);
  if (JacksHoldWords().FindPattern(name, pattern))
    return ShownFound(JacksHoldWords(), pattern, name);
  // Another game's words: the first game whose words have the name says it.
  for (const TGame* game : kGames) {
    const THoldWords& words = HoldWordsOf(*game);
    if (&words != &JacksHoldWords() && words.FindPattern(name, pattern))
      return ShownFound(words, pattern, name);
  }
  return PatternText(name);
}

QStringList ShownFamilyOrderNotes(const TStrategyChart& chart) {
  const THoldWords& words = *chart.Words;
  QStringList notes;
  for (const TChartLine& line : chart.Lines) {
    const TPatternId family = words.FamilyOf(line.Leaves.front());
    if (!line.OrderMatters || line.Text != words.PatternName(family)) continue;
    TPieces pieces;
    QStringList variants;
    std::string english = line.Text + ": ";
    for (const TPatternId leaf : line.Leaves) {
      if (!words.DescribesAHold(leaf)) continue;
      variants << VariantShown(words, leaf, pieces);
      english += (variants.size() > 1 ? ", " : "") + words.VariantName(leaf);
    }
    //: A family and the order its members are taken in: "two suited high cards: Q J, K Q".
    const QString shown = QCoreApplication::translate("THoldPattern", "%1: %2")
                              .arg(pieces(line.Text), variants.join(QStringLiteral(", ")));
    notes << (pieces.Unknown ? QString::fromStdString(english) : shown);
  }
  return notes;
}
