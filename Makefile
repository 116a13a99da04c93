# Front door of the project: `make test`, `make dist`, `make run`.
SHELL := /bin/bash
BUILD := build
JOBS ?= $(shell nproc)
# Scheme and host of the vendor web site, e.g. make dist TAPWELL_SITE=http://127.0.0.1:8080; without it the
# build goes back to the default site of CMakeLists.txt.
TAPWELL_SITE ?=
SITE_FLAG := $(if $(TAPWELL_SITE),-DTAPWELL_SITE=$(TAPWELL_SITE),-UTAPWELL_SITE)

.PHONY: all setup native windows fuzz-build fuzz test run dist clean

all: windows

setup:
	@tools/setup.sh

# The platform-free rules and their tests, built for this machine with the sanitizers.
native: setup
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD)/native -j$(JOBS)

# The Windows program and its tests, for one target: make build-i686 or make build-x86_64.
build-%: setup
	@tools/build-libpng.sh $*-w64-mingw32 $(BUILD)/deps/$*-w64-mingw32
	@cmake -S . -B $(BUILD)/$* -DCMAKE_TOOLCHAIN_FILE=cmake/$*-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release \
		$(SITE_FLAG) >/dev/null
	@cmake --build $(BUILD)/$* -j$(JOBS)

windows: build-i686 build-x86_64

# The PNG loader under libFuzzer: clang with the sanitizers, and libpng built the same way.
fuzz-build: setup
	@tools/build-libpng.sh fuzz $(BUILD)/deps/fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAPWELL_FUZZ=ON \
		-DCMAKE_PREFIX_PATH=$(abspath $(BUILD)/deps/fuzz) >/dev/null
	@cmake --build $(BUILD)/fuzz -j$(JOBS)

# A five-minute search for PNG files the loader mishandles; `make test` runs a short one.
fuzz: fuzz-build
	@tools/fuzz-png.sh $(BUILD)/fuzz/corpus -max_total_time=300 -print_final_stats=1

test: native windows fuzz-build
	@tools/run-tests.sh

# Tapwell under Wine: on this display, or, without one, a screenshot whose path it prints.
run: windows
	@tools/run.sh

# The folder a Windows user gets: the 32-bit program and its pictures.
dist: build-i686
	@rm -rf $(BUILD)/dist
	@cmake --install $(BUILD)/i686 --prefix $(abspath $(BUILD)/dist) >/dev/null
	@mkdir -p $(BUILD)/dist
	@echo "dist: $(BUILD)/dist"

clean:
	rm -rf $(BUILD)
