// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "LanguageChoice.h"

#include <string_view>
#include <vector>

namespace {

bool IsPosixLocale(std::string_view locale) {
  return locale == "C" || locale == "POSIX";
}

std::vector<std::string> Entries(const std::string& list) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(':', start), list.size());
    if (end > start) entries.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

}  // namespace

std::string ChosenLanguage(const std::function<std::string(const char* variable)>& environment,
                           const std::function<bool(const std::string& language)>& has) {
  std::string locale;
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = environment(variable);
    if (!locale.empty()) break;
  }
  if (locale.empty() || IsPosixLocale(locale)) return {};
  const std::string languages = environment("LANGUAGE");
  for (std::string entry : Entries(languages.empty() ? locale : languages)) {
    // language[_TERRITORY][.codeset][@modifier]: the codeset and the modifier don't matter.
    entry = entry.substr(0, entry.find_first_of(".@"));
    const std::string language = entry.substr(0, entry.find('_'));
    if (language == "en" || IsPosixLocale(language)) return {};
    if (!entry.empty() && has(entry)) return entry;
    if (!language.empty() && language != entry && has(language)) return language;
  }
  return {};
}
