# Quick start: `make test` and `make run` on a fresh clone; nothing else is needed.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build test run bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run-tavrel $(BUILD_DIR)/ui/tavrel

bench: deps
	@cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_BUILD_BENCH=ON -DTAVREL_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_DIR)-bench -j $(JOBS) --target tavrel_bench
	@$(BUILD_DIR)-bench/bench/tavrel_bench

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench
