# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp)
  add_executable(engine_bench ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp)
  target_link_libraries(engine_bench PRIVATE engine benchmark::benchmark)
endif()
