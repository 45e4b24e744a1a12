# The fuzzing build: Debian's clang 14, every library instrumented for libFuzzer's coverage.
# fuzz/CMakeLists.txt links the fuzz programs with libFuzzer itself. Used as
#   cmake -S . -B build-fuzz --toolchain fuzz/libfuzzer.cmake -DLUMARO_SANITIZE=ON
set(CMAKE_CXX_COMPILER clang++-14)
# clang's -Wall also flags the deliberate non-short-circuit '&' of bools in
# media/sdl_library.cpp (every symbol is looked up); a warning there, not an error.
set(CMAKE_CXX_FLAGS_INIT "-fsanitize=fuzzer-no-link -Wno-error=bitwise-instead-of-logical")
set(LUMARO_LIBFUZZER ON CACHE BOOL "Build the libFuzzer programs of fuzz/")
