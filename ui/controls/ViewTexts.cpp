// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "ViewTexts.h"

#include <QCoreApplication>
#include <limits>

namespace {

void Translate(std::string& text, const TWording& wording) {
  if (!wording.empty()) text = ShownText(wording).toStdString();
}

}  // namespace

QString ShownText(const TSentence& sentence) {
  const std::string_view source = SentenceTemplate(sentence.Id);
  // Qt picks the plural form by the count and puts it in for %n, for a count from 0 up; any
  // other we put in ourselves. Every template is a literal of sentences.cpp, so its data ends
  // with a NUL.
  const bool counted = SentenceCounts(sentence.Id) && sentence.Count >= 0 &&
                       sentence.Count <= std::numeric_limits<int>::max();
  QString text = QCoreApplication::translate(kViewTextContext, source.data(), nullptr,
                                             counted ? static_cast<int>(sentence.Count) : -1);
  if (!counted) text.replace(QStringLiteral("%n"), QString::number(sentence.Count));
  text.replace(QStringLiteral("%t"), sentence.Term.empty() ? QString() : ShownTerm(sentence.Term));
  // Each mark by its number, wherever the translation puts it (QString::arg would fill the
  // lowest mark present, whichever number it has).
  for (std::size_t i = 0; i < sentence.Numbers.size(); ++i)
    text.replace(QLatin1Char('%') + QString::number(i + 1), QString::number(sentence.Numbers[i]));
  return text;
}

QString ShownText(const TWording& wording) {
  QString text;
  for (const TSentence& sentence : wording) text += ShownText(sentence);
  return text;
}

QString ShownTerm(std::string_view term) {
  // The engine's names are literals; a copy ends with the NUL the translator's lookup needs.
  const std::string source(term);
  return QCoreApplication::translate(kViewTextContext, source.c_str());
}

QString GridHeading(int category) {
  if (category < 0 || category >= kHandCategoryCount) return {};
  return QCoreApplication::translate(kViewTextContext,
                                     kGridHeadings[static_cast<std::size_t>(category)].data());
}

TGameView InPlayersLanguage(const TGameView& view) {
  TGameView shown = view;
  for (THoldPanelView& panel : shown.HoldPanels) Translate(panel.Caption, panel.CaptionWording);
  Translate(shown.HandText, shown.HandWording);
  Translate(shown.MoneyMessage, shown.MoneyWording);
  Translate(shown.SecondMessage, shown.SecondWording);
  return shown;
}
