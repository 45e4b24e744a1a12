// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The language the locale variables choose, as gettext-using programs choose theirs.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "LanguageChoice.h"

namespace {

// The languages the game has in these tests: ours.
const std::set<std::string> kHave = {"de", "fr", "es", "it", "pt_BR", "nl"};

std::string Chosen(const std::map<std::string, std::string>& environment) {
  return ChosenLanguage(
      [&environment](const char* variable) {
        const auto it = environment.find(variable);
        return it == environment.end() ? std::string() : it->second;
      },
      [](const std::string& language) { return kHave.count(language) == 1; });
}

}  // namespace

TEST(LanguageChoice, TheLocaleVariablesInGettextOrder) {
  EXPECT_EQ(Chosen({}), "");
  EXPECT_EQ(Chosen({{"LANG", "de_DE.UTF-8"}}), "de");
  EXPECT_EQ(Chosen({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr");
  EXPECT_EQ(Chosen({{"LANG", "de_DE"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "it_IT"}}), "it");
  // An empty variable counts as unset.
  EXPECT_EQ(Chosen({{"LANG", "nl_NL.UTF-8"}, {"LC_ALL", ""}}), "nl");
  EXPECT_EQ(Chosen({{"LANG", "pt_BR.UTF-8"}}), "pt_BR");
  EXPECT_EQ(Chosen({{"LANG", "de_AT.UTF-8@euro"}}), "de");
  EXPECT_EQ(Chosen({{"LANG", "es"}}), "es");
}

TEST(LanguageChoice, CAndPosixAreEnglishWhateverLanguageSays) {
  EXPECT_EQ(Chosen({{"LANG", "C"}, {"LANGUAGE", "de"}}), "");
  EXPECT_EQ(Chosen({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}, {"LANGUAGE", "fr"}}), "");
  EXPECT_EQ(Chosen({{"LC_MESSAGES", "POSIX"}, {"LANGUAGE", "fr"}}), "");
  // No locale at all is the C locale.
  EXPECT_EQ(Chosen({{"LANGUAGE", "de"}}), "");
  // C.UTF-8 is a locale of its own: LANGUAGE counts, as it does for gettext.
  EXPECT_EQ(Chosen({{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}), "de");
  EXPECT_EQ(Chosen({{"LANG", "C.UTF-8"}}), "");
}

TEST(LanguageChoice, LanguageListIsTriedInOrderAndAlone) {
  EXPECT_EQ(Chosen({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "sv:fr:de"}}), "fr");
  EXPECT_EQ(Chosen({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "::nl_BE:"}}), "nl");
  // Set, the list alone decides: none of it is ours, so English, not the locale's German.
  EXPECT_EQ(Chosen({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:ja"}}), "");
  // English earlier in the list wins over a language we have later in it.
  EXPECT_EQ(Chosen({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}), "");
  EXPECT_EQ(Chosen({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "pt_BR:pt"}}), "pt_BR");
}

TEST(LanguageChoice, OtherLanguagesAndOtherTerritoriesOfOurs) {
  EXPECT_EQ(Chosen({{"LANG", "ja_JP.UTF-8"}}), "");
  EXPECT_EQ(Chosen({{"LANG", "fr_CA.UTF-8"}}), "fr");
  EXPECT_EQ(Chosen({{"LANG", "es_MX.UTF-8"}}), "es");
  // Portugal's Portuguese is not Brazil's: we have only pt_BR.
  EXPECT_EQ(Chosen({{"LANG", "pt_PT.UTF-8"}}), "");
  EXPECT_EQ(Chosen({{"LANG", "pt"}}), "");
}
