// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// Failures the settings layer deliberately keeps from the player (a corrupt file read as
// defaults, a slot that can't be read) are logged here; QT_LOGGING_RULES="lumaro.*=true"
// shows them. Log with qCWarning(lcSettings); nothing is printed by default.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)
