# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# make run   - install missing Debian packages, build, start the game
# make test  - the same set-up, then every test in a normal build, all but the exhaustive
#              ones (label exhaustive) in a sanitizer build, and a short fuzz run of each
#              fuzz target (clang and libFuzzer); the benchmarks are built in the normal
#              build only
# make bench - build and run the benchmarks
# make fuzz  - fuzz each target for FUZZ_SECONDS (default 600), keeping what it finds in
#              build-fuzz/fuzz/ (see fuzz/run.sh)
# make package - the Debian package lumaro_<version>_amd64.deb, built with Debian's flags
JOBS   ?= $(shell nproc)
BUILD  ?= build
SANBUILD ?= build-asan
FUZZBUILD ?= build-fuzz
PKGBUILD ?= build-package
FUZZ_SECONDS ?= 600
FUZZ_CONFIGURE = cmake -S . -B $(FUZZBUILD) --toolchain fuzz/libfuzzer.cmake --no-warn-unused-cli \
                 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_SANITIZE=ON -DLUMARO_WERROR=ON \
                 -DLUMARO_BENCHMARKS=OFF

.PHONY: setup build run test bench fuzz package clean

setup:
	@bash tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/lumaro

test: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DLUMARO_SANITIZE=ON -DLUMARO_WERROR=ON \
	  -DLUMARO_BENCHMARKS=OFF
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ctest --output-on-failure -j $(JOBS) -LE exhaustive
	$(FUZZ_CONFIGURE)
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzz_programs
	cd $(FUZZBUILD) && ctest --output-on-failure -j $(JOBS) -L fuzz

bench: build
	bash bench/run-all.sh $(BUILD)

fuzz: setup
	$(FUZZ_CONFIGURE)
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzz_programs
	bash fuzz/run.sh $(FUZZBUILD) $(FUZZ_SECONDS)

# As a Debian build does it: dpkg-buildflags' flags with all hardening, no tests, the
# programs in /usr/games as Debian's policy for games asks.
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: setup
	cmake -S . -B $(PKGBUILD) -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_INSTALL_BINDIR=games -DBUILD_TESTING=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PKGBUILD) -j $(JOBS)
	cd $(PKGBUILD) && cpack -G DEB
	@ls $(PKGBUILD)/lumaro_*.deb

clean:
	rm -rf $(BUILD) $(SANBUILD) $(FUZZBUILD) $(PKGBUILD)
