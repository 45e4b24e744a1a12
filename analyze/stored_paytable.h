// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The player's pay table as the game would start with it, from the game's settings file.

#include "cli.h"

// Reads the Payouts section of Quorvel.ini in the user's config folder and applies it the
// way the game does at start-up. A missing file gives the game's defaults and is not
// created: looking at the odds must not leave files behind.
TStoredPayTable LoadPlayerPayTable();
