# make run   - install missing Debian packages, build, start the game
# make test  - the same set-up, then every test in a normal and a sanitizer build, and a
#              short fuzz run of each fuzz target (clang and libFuzzer)
# make bench - build and run the benchmarks
# make fuzz  - fuzz each target for FUZZ_SECONDS (default 600), keeping what it finds in
#              build-fuzz/fuzz/ (see fuzz/run.sh)
JOBS   ?= $(shell nproc)
BUILD  ?= build
SANBUILD ?= build-asan
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_CONFIGURE = cmake -S . -B $(FUZZBUILD) --toolchain fuzz/libfuzzer.cmake --no-warn-unused-cli \
                 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARO_SANITIZE=ON

.PHONY: setup build run test bench fuzz clean

setup:
	@bash tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/lumaro

test: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DLUMARO_SANITIZE=ON
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ctest --output-on-failure -j $(JOBS)
	$(FUZZ_CONFIGURE)
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzz_programs
	cd $(FUZZBUILD) && ctest --output-on-failure -j $(JOBS) -L fuzz

bench: build
	bash bench/run-all.sh $(BUILD)

fuzz: setup
	$(FUZZ_CONFIGURE)
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzz_programs
	bash fuzz/run.sh $(FUZZBUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANBUILD) $(FUZZBUILD)
