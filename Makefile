# Quick start: `make test` and `make run` on a fresh clone; nothing else is needed.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

FUZZ_SECONDS ?= 60

.PHONY: deps configure build test test-plain test-sanitize run bench fuzz clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Every test twice: the ordinary build, then AddressSanitizer and
# UndefinedBehaviorSanitizer, halting on the first error.
test: test-plain test-sanitize

test-plain: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	@cmake -S . -B $(BUILD_DIR)-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_DIR)-asan -j $(JOBS)
	@cd $(BUILD_DIR)-asan && ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run-tavrel $(BUILD_DIR)/ui/tavrel

bench: deps
	@cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_BUILD_BENCH=ON -DTAVREL_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_DIR)-bench -j $(JOBS) --target bench_table
	@cd $(BUILD_DIR)-bench && rm -f bench-children.log && bench/bench_table

# libFuzzer targets (clang), each run for FUZZ_SECONDS; new finds go to build-fuzz/corpus.
fuzz: deps
	@CXX=clang++-14 cmake -S . -B $(BUILD_DIR)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_FUZZ=ON -DTAVREL_BUILD_TESTS=OFF -DTAVREL_BUILD_UI=OFF >/dev/null
	@cmake --build $(BUILD_DIR)-fuzz -j $(JOBS) --target fuzz_targets
	@scripts/run-fuzzers $(BUILD_DIR)-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-asan $(BUILD_DIR)-bench $(BUILD_DIR)-fuzz
