# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Card face control: loading a face and painting it, as each deal and draw does five times.
add_executable(carddeck_bench ${CMAKE_CURRENT_LIST_DIR}/carddeck_bench.cpp)
target_link_libraries(carddeck_bench PRIVATE ui benchmark::benchmark)
