// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Sound failures the game deliberately keeps from the player (a missing audio device after
// its one report) are logged here; QT_LOGGING_RULES="lumaro.*=true" shows them. Log with
// qCWarning(lcMedia); nothing is printed by default.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcMedia)
