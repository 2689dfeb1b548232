# Two commands are all a fresh Debian 12 machine needs:
#   make test   install missing packages, build, run every test
#   make run    install, build, and start KORA on an example project
# Our own builds treat compiler warnings as errors (a plain cmake build does not); ccache speeds
# them up where it is installed. `make release` builds and tests the Release configuration (GCC
# at -O3) the same way; CI runs both. `make sanitize` builds the core and kora-cli with Clang under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs their tests; `make fuzz` runs the
# libFuzzer harnesses of fuzz/ in that build for FUZZ_SECONDS each (or FUZZ_RUNS executions).
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
RELEASE_DIR ?= build-release
SANITIZE_DIR ?= build-sanitize
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= -1
CMAKE_FLAGS ?=
CCACHE := $(shell command -v ccache 2>/dev/null)
KORA_CMAKE_FLAGS = -G Ninja -DKORA_WERROR=ON $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)) \
                   $(CMAKE_FLAGS)

.PHONY: all deps configure build test release sanitize fuzz run bench package package-check clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(KORA_CMAKE_FLAGS)

$(RELEASE_DIR)/build.ninja:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release $(KORA_CMAKE_FLAGS)

$(SANITIZE_DIR)/build.ninja:
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	      -DKORA_SANITIZE=ON -DKORA_FUZZ=ON -DKORA_BUILD_GUI=OFF -DKORA_BUILD_BENCH=OFF \
	      $(KORA_CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600

release: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR)
	cd $(RELEASE_DIR) && ctest --output-on-failure --timeout 600

sanitize: deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && ctest --output-on-failure --timeout 600

fuzz: deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR)
	@bash fuzz/run.sh $(SANITIZE_DIR) $(FUZZ_SECONDS) $(FUZZ_RUNS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

# The Debian package (build/kora_<version>_<arch>.deb); package-check builds it, unpacks it and
# runs the unpacked programs.
package: build
	cmake --build $(BUILD_DIR) --target package

package-check: build
	@bash scripts/check-package.sh $(BUILD_DIR)

bench: build
	@for b in $(BUILD_DIR)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done
	@bash bench/startup.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(SANITIZE_DIR)
