# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# The fuzzing build: Debian's clang 14, every library instrumented for libFuzzer's coverage.
# make test builds every target here, so the whole tree is known to build with clang too.
# fuzz/CMakeLists.txt links the fuzz programs with libFuzzer itself. Used as
#   cmake -S . -B build-fuzz --toolchain fuzz/libfuzzer.cmake -DLUMARO_SANITIZE=ON
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_FLAGS_INIT "-fsanitize=fuzzer-no-link")
set(LUMARO_LIBFUZZER ON CACHE BOOL "Build the libFuzzer programs of fuzz/")
