# Build, test and demo. `test` and `demo` install what is missing first.
# DEMO_ARGS passes options to the demo, e.g. make demo DEMO_ARGS=--interactive
# `bench` runs the benchmark (table printed, rows in build/bench/bench.csv);
# `install` puts the SDK (DLLs, font, import libraries, header, package config)
# under PREFIX (default <build>/sdk); `gallery` renders docs/gallery.png and
# docs/panel.png (the demo panel after its tour).
# BENCH_ARGS passes options (e.g. --profile), BENCH_BEFORE=<revision> measures
# that revision's library beside this one.
# `fuzz` runs each native fuzz target FUZZ_TIME seconds (or FUZZ_RUNS inputs);
# `analyse` runs cppcheck and clang-tidy; `storm` and `soak` are the full runs
# (STORM_MESSAGES, SOAK_CYCLES per kind; docs/RELIABILITY.md).
BUILD ?= build
JOBS ?= 2
export WINEPREFIX ?= $(CURDIR)/$(BUILD)/wine

.PHONY: all bootstrap configure build test demo bench install gallery fuzz analyse storm soak clean
PREFIX ?= $(CURDIR)/$(BUILD)/sdk

all: build

bootstrap:
	@sh scripts/bootstrap.sh

$(BUILD)/build.ninja:
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null

configure: $(BUILD)/build.ninja

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: bootstrap
	@$(MAKE) --no-print-directory build
	@sh scripts/run-tests.sh $(BUILD) $(JOBS)

demo: bootstrap
	@$(MAKE) --no-print-directory build
	@sh scripts/run-demo.sh $(BUILD) $(DEMO_ARGS)

bench: bootstrap
	@$(MAKE) --no-print-directory build
	@sh tools/bench/run-bench.sh $(BUILD) $(BENCH_BEFORE) -- $(BENCH_ARGS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

gallery: bootstrap
	@$(MAKE) --no-print-directory build
	@sh tools/gallery/run-gallery.sh $(BUILD) docs

FUZZ_TIME ?= 600
FUZZ_RUNS ?= 10000000
fuzz: bootstrap
	@$(MAKE) --no-print-directory -C fuzz run OUT=$(CURDIR)/$(BUILD)-fuzz FUZZ_TIME=$(FUZZ_TIME) FUZZ_RUNS=$(FUZZ_RUNS)

analyse: bootstrap
	@sh scripts/analyse.sh all $(JOBS)

STORM_MESSAGES ?= 100000
SOAK_CYCLES ?= 10000
storm: bootstrap
	@$(MAKE) --no-print-directory build
	@sh scripts/run-reliability.sh $(BUILD) storm $(STORM_MESSAGES)

soak: bootstrap
	@$(MAKE) --no-print-directory build
	@sh scripts/run-reliability.sh $(BUILD) soak $(SOAK_CYCLES)

clean:
	rm -rf $(BUILD)
