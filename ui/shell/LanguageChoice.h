// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Which language the game speaks, chosen from the locale variables as programs that use
// gettext choose theirs. The locale is the first of LC_ALL, LC_MESSAGES and LANG that is set;
// none, "C" or "POSIX" means English and LANGUAGE is not looked at. Otherwise LANGUAGE, a list
// of languages parted by colons, is tried in its order when set, else the locale itself: each
// entry ("pt_BR.UTF-8", "de_AT@euro", "fr") as its language and territory, then as its
// language alone. English ("en") ends the search; a list with none the game has is English.
// Standard library only.

#include <functional>
#include <string>

// environment gives a variable's value (empty when unset); has tells whether the game has a
// translation for a language as the translation files name it ("de", "pt_BR"). Returns that
// name, or "" for English.
std::string ChosenLanguage(const std::function<std::string(const char* variable)>& environment,
                           const std::function<bool(const std::string& language)>& has);
