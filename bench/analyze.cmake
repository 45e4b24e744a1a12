# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# lumaro-analyze speed: exact return with table building and as a whole command, strategy
# charts, advice per hand, simulation, session risk.
add_executable(analyze_bench ${CMAKE_CURRENT_LIST_DIR}/analyze_bench.cpp)
target_link_libraries(analyze_bench PRIVATE analyze benchmark::benchmark)
# BM_ReturnCommand times the program itself.
target_compile_definitions(analyze_bench PRIVATE LUMARO_ANALYZE_PROGRAM="$<TARGET_FILE:lumaro-analyze>")
add_dependencies(analyze_bench lumaro-analyze)
