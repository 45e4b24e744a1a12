# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Strategy charts of every game as whole commands, over random pay tables.
add_executable(chart_bench ${CMAKE_CURRENT_LIST_DIR}/chart_bench.cpp)
target_link_libraries(chart_bench PRIVATE engine benchmark::benchmark)
target_compile_definitions(chart_bench PRIVATE LUMARO_ANALYZE_PROGRAM="$<TARGET_FILE:lumaro-analyze>")
add_dependencies(chart_bench lumaro-analyze)
