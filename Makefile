# Set-up, build and test in one command each; CMake (Ninja) and CTest do the work.
BUILD_DIR ?= build
BUILD_TYPE ?= Debug
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test test-asan coverage bench package fuzz clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS); \
	fi

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/videofold

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

# GCC 12's sanitizer runtime may take a dynamic TLS block for an old glibc's
# and read an address from it: the leak check at exit then crashes ("Tracer
# caught signal 11") though nothing leaked. Those blocks go untracked.
test-asan: deps
	ASAN_OPTIONS=intercept_tls_get_addr=0 $(MAKE) test BUILD_DIR=build-asan CMAKE_FLAGS=-DVIDEOFOLD_SANITIZE=ON

# The suite on an instrumented build (in build-coverage/), then the line and
# branch coverage of src/ as gcovr reads it.
coverage: deps
	find build-coverage -name '*.gcda' -delete 2>/dev/null || true
	$(MAKE) test BUILD_DIR=build-coverage CMAKE_FLAGS=-DVIDEOFOLD_COVERAGE=ON
	gcovr --root . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches \
		--print-summary build-coverage

# A Release build of its own, packaged as a .deb in build-package/.
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-package --parallel $(JOBS)
	cd build-package && cpack

# A Release build of its own; prints the core's table and the window's and writes
# bench/results.json and bench/window-results.json.
# Each fuzz target for FUZZ_SECONDS, from the seeds in fuzz/corpus/; what it
# learns stays in build-fuzz/corpus/, crashes in build-fuzz/crashes/.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = json probe_answer progress movie_information frame_size webvtt queue_file mp4_boxes \
	settings_text loudness_summary
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DBUILD_TESTING=OFF -DVIDEOFOLD_FUZZ=ON
	cmake --build build-fuzz --parallel $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@mkdir -p build-fuzz/crashes
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p build-fuzz/corpus/$$target; \
		echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
		build-fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=build-fuzz/crashes/$$target- \
			build-fuzz/corpus/$$target fuzz/corpus/$$target > build-fuzz/$$target.log 2>&1; \
		status=$$?; tail -n 12 build-fuzz/$$target.log; [ $$status -eq 0 ] || exit $$status; \
	done

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-bench --parallel $(JOBS) --target videofold videofold_web_player videofold_bench videofold_window_bench
	VIDEOFOLD_FOOTAGE_FOLDER="$$(bench/fetch-footage)" build-bench/videofold_bench bench/results.json
	build-bench/videofold_window_bench bench/window-results.json
	bench/adaptive.py build-bench/videofold "$$(bench/fetch-footage)" bench/adaptive-results.json
	bench/visitor.py build-bench/videofold "$$(bench/fetch-footage)" bench/visitor-results.json

clean:
	rm -rf $(BUILD_DIR) build-asan build-coverage build-package build-bench build-fuzz
