# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Strategy advisor: time from the Deal to the advice on screen, time to the first tables;
# start-up time and memory with the advisor closed and open (advisor_cost.sh).
add_executable(advisor_bench ${CMAKE_CURRENT_LIST_DIR}/advisor_bench.cpp)
target_link_libraries(advisor_bench PRIVATE ui benchmark::benchmark)
