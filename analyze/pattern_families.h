// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The hold words of each family of games, each made in its family's file.

#include <memory>

#include "hold_patterns.h"

std::unique_ptr<const THoldFamily> MakeJacksFamily();
// A bonus game's, when its four of a kind pays by rank; nullptr when Jacks or Better's words
// say it all.
std::unique_ptr<const THoldFamily> MakeBonusFamily(const TGame& game);
// Deuces Wild's or Joker Poker's: the game names its outcomes and wild cards.
std::unique_ptr<const THoldFamily> MakeWildFamily(const TGame& game);
