# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Checks that play every deal of every game. The sanitizer build leaves them out (-LE
# exhaustive): its minutes there would repeat the arithmetic the normal build already
# checks, while the same code runs under the sanitizers in the smaller tests.
set_tests_properties(GameCharts.EveryFullPayChartReturnsWhatItSaysWithinItsBounds
                     Cli.StrategyHandsAgreeWithAdviseOnTheBestHoldOfEveryGame
                     PROPERTIES LABELS exhaustive)
