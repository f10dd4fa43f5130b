# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench
FUZZ_BUILD_DIR ?= build-fuzz
WINDOWS_BUILD_DIR ?= build-windows
JOBS ?= $(shell nproc)

.PHONY: all deps run test bench fuzz windows windows-check clean

all: run

deps:
	@scripts/deps

run: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quorvane
	$(BUILD_DIR)/app/quorvane

test: deps
	cmake -S . -B $(TEST_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=ON
	cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	scripts/run-benchmarks $(BENCH_BUILD_DIR)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD_DIR)

# quorvane.exe for 32-bit Windows, cross-built with MinGW-w64; the check runs it under Wine.
windows: deps
	cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS) --target quorvane

windows-check: windows
	scripts/windows-check $(WINDOWS_BUILD_DIR)/app/quorvane.exe

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(BENCH_BUILD_DIR) $(FUZZ_BUILD_DIR) $(WINDOWS_BUILD_DIR)
