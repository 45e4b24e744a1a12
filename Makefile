# make run   - install missing Debian packages, build, start the game
# make test  - the same set-up, then every test in a normal and a sanitizer build
# make bench - build and run the benchmarks
JOBS   ?= $(shell nproc)
BUILD  ?= build
SANBUILD ?= build-asan

.PHONY: setup build run test bench clean

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
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DLUMARO_SANITIZE=ON -DLUMARO_WERROR=ON
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	bash bench/run-all.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANBUILD)
