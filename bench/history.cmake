# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Hand history: the history page opened on 1,000,000 recorded hands (recorded once into the
# build tree and kept), opening the file, recording one hand.
add_executable(history_bench ${CMAKE_CURRENT_LIST_DIR}/history_bench.cpp)
target_link_libraries(history_bench PRIVATE ui benchmark::benchmark)
target_compile_definitions(history_bench PRIVATE
  HISTORY_BENCH_DATABASE="${CMAKE_BINARY_DIR}/bench-data/history-1m.sqlite")
