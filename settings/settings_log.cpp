// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "settings_log.h"

// Warnings are what we log; they stay quiet unless QT_LOGGING_RULES asks for them.
Q_LOGGING_CATEGORY(lcSettings, "lumaro.settings", QtCriticalMsg)
