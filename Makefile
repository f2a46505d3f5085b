# Quick start: `make run` and `make test`. Everything else is CMake + Ninja underneath.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: all deps configure build test run bench package clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/bin/Notebook ]; then \
	  $(BUILD_DIR)/bin/Notebook; \
	else \
	  echo "Notebook is not built yet; the libraries and the oxlin tool are in $(BUILD_DIR)/bin."; \
	fi

# oxlin_VERSION_ARCH.deb in the build folder, from the same install rules.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: deps
	cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXLIN_BUILD_BENCH=ON -DOXLIN_BUILD_TESTS=OFF -DOXLIN_BUILD_GUI=OFF
	cmake --build $(BUILD_DIR)-bench -j $(JOBS)
	@echo "benchmarks are in $(BUILD_DIR)-bench/bin; bench/README.md says how to run them"

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench
