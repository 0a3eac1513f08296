# Set-up commands for a fresh Debian machine:
#   make test   install what is missing (as root, with apt-get), build, run every test
#   make run    build and start the program in the current folder
#   make bench  build and time a run of 1,000,000 records against a yardstick (not part of test)
# SANITIZE=1 builds and tests with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/.
# make release builds the Release configuration, warnings as errors, in build-release/ (CI builds it).

PACKAGES := cmake g++ make libgtest-dev libpng-dev ghostscript
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SANITIZE ?= 0

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DKV_SANITIZE=ON
else
BUILD_DIR := build
CMAKE_FLAGS :=
endif

.PHONY: deps build test run bench release clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	  else \
	    echo "missing packages:$$missing (run 'make test' as root to install them)"; exit 1; \
	  fi; \
	fi

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The program reads its answers from the terminal or from a pipe alike; its files go to the
# folder make runs in.
run: deps build
	@$(BUILD_DIR)/kelvorastrim

release: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DKV_WERROR=ON
	cmake --build build-release -j $(JOBS)

bench: build
	bench/run_bench.sh $(BUILD_DIR)

clean:
	rm -rf build build-sanitize build-release
