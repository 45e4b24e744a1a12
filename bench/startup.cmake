# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# Start-up time and memory of the game against a bare Qt window (bench/startup_cost.sh).
find_package(X11 REQUIRED)
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
add_executable(window_watch ${CMAKE_CURRENT_LIST_DIR}/window_watch.cpp)
target_link_libraries(window_watch PRIVATE X11::X11)
