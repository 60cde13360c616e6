# Set-up, build and test in one command each; CMake (Ninja) and CTest do the work.
BUILD_DIR ?= build
BUILD_TYPE ?= Debug
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test test-asan bench package clean

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

test-asan: deps
	$(MAKE) test BUILD_DIR=build-asan CMAKE_FLAGS=-DVIDEOFOLD_SANITIZE=ON

# A Release build of its own, packaged as a .deb in build-package/.
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-package --parallel $(JOBS)
	cd build-package && cpack

# A Release build of its own; prints the table and writes bench/results.json.
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-bench --parallel $(JOBS) --target videofold videofold_bench
	build-bench/videofold_bench bench/results.json

clean:
	rm -rf $(BUILD_DIR) build-asan build-package build-bench
