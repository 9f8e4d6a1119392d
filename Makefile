# Build, test and demo. `test` and `demo` install what is missing first.
# Two builds from the same sources: BUILD (default build/) is the 32-bit one,
# BUILD64 (default build64/) the 64-bit one. `test` builds and tests both.
# The other targets take one, chosen by ARCH=32 or ARCH=64; the default is 64
# where 32-bit code would run emulated (see scripts/bootstrap.sh), else 32.
# DEMO_ARGS passes options to the demo, e.g. make demo DEMO_ARGS=--interactive
# `bench` runs the benchmark (table printed, rows in <build>/bench/bench.csv);
# `install` puts the SDK (both builds' DLLs, font, import libraries, header,
# package config) under PREFIX (default build/sdk); `gallery` renders
# docs/gallery.png and docs/panel.png (the demo panel after its tour).
# BENCH_ARGS passes options (e.g. --profile), BENCH_BEFORE=<revision> measures
# that revision's library beside this one.
# `fuzz` runs each native fuzz target FUZZ_TIME seconds (or FUZZ_RUNS inputs);
# `analyse` runs cppcheck and clang-tidy; `storm` and `soak` are the full runs
# (STORM_MESSAGES, SOAK_CYCLES per kind; docs/RELIABILITY.md).
BUILD ?= build
BUILD64 ?= build64
JOBS ?= 2
# Decided when the target runs (after the bootstrap has set up the emulator).
ARCH ?= $(shell [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && echo 64 || echo 32)
ONE = $(if $(filter 64,$(ARCH)),$(BUILD64),$(BUILD))

.PHONY: all bootstrap configure build build32 build64 build-one test demo bench install gallery fuzz analyse storm soak clean
PREFIX ?= $(CURDIR)/$(BUILD)/sdk

all: build

bootstrap:
	@sh scripts/bootstrap.sh

$(BUILD)/build.ninja:
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null

$(BUILD64)/build.ninja:
	@cmake -S . -B $(BUILD64) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null

configure: $(BUILD)/build.ninja $(BUILD64)/build.ninja

build32: $(BUILD)/build.ninja
	@cmake --build $(BUILD) -j $(JOBS)

build64: $(BUILD64)/build.ninja
	@cmake --build $(BUILD64) -j $(JOBS)

build: build32 build64

# The build the one-build targets use.
build-one:
	@$(MAKE) --no-print-directory $(if $(filter 64,$(ARCH)),build64,build32)

# The builds' Wine prefixes are made while the code compiles (making one
# mostly waits); run-tests.sh then finds them ready.
test: bootstrap
	@$(MAKE) --no-print-directory configure
	@for b in $(BUILD64) $(BUILD); do \
	    ( WINEPREFIX= $$b/wine-run.sh --prepare >$$b/prefix.log 2>&1 & ) ; done; \
	 $(MAKE) --no-print-directory build
	@sh scripts/run-tests.sh $(JOBS) $(BUILD64) $(BUILD)

demo: bootstrap
	@$(MAKE) --no-print-directory build-one
	@sh scripts/run-demo.sh $(ONE) $(DEMO_ARGS)

bench: bootstrap
	@$(MAKE) --no-print-directory build-one
	@sh tools/bench/run-bench.sh $(ONE) $(BENCH_BEFORE) -- $(BENCH_ARGS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)
	@cmake --install $(BUILD64) --prefix $(PREFIX)

gallery: bootstrap
	@$(MAKE) --no-print-directory build-one
	@sh tools/gallery/run-gallery.sh $(ONE) docs

FUZZ_TIME ?= 600
FUZZ_RUNS ?= 10000000
fuzz: bootstrap
	@$(MAKE) --no-print-directory -C fuzz run OUT=$(CURDIR)/$(BUILD)-fuzz FUZZ_TIME=$(FUZZ_TIME) FUZZ_RUNS=$(FUZZ_RUNS)

analyse: bootstrap
	@sh scripts/analyse.sh all $(JOBS)

STORM_MESSAGES ?= 100000
SOAK_CYCLES ?= 10000
storm: bootstrap
	@$(MAKE) --no-print-directory build-one
	@sh scripts/run-reliability.sh $(ONE) storm $(STORM_MESSAGES)

soak: bootstrap
	@$(MAKE) --no-print-directory build-one
	@sh scripts/run-reliability.sh $(ONE) soak $(SOAK_CYCLES)

clean:
	rm -rf $(BUILD) $(BUILD64)
