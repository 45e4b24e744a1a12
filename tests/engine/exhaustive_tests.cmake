# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Checks that try every card for every wild card of every hand. The sanitizer build leaves
# them out (-LE exhaustive); the evaluators run under the sanitizers in the smaller tests.
set_tests_properties(GameEvaluators.AgreeWithTryingEveryWildCard
                     GameEvaluators.EveryJokerHandAgreesWithTryingEveryCard
                     PROPERTIES LABELS exhaustive)
