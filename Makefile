# The two Quick start commands: `make run` and `make test`.
BUILD ?= build
# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
# `make fuzz`: the fuzz targets' own tree, and how long each target runs.
FUZZ_BUILD ?= $(BUILD)-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test test-sanitize bench package fuzz windows test-windows arm64 test-arm64 clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) --parallel 2

# Only the program: the tests are built by `make test`.
run: configure
	cmake --build $(BUILD) --target velorix --parallel 2
	$(BUILD)/src/shell/velorix

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Every test again, in a tree built with -fsanitize=address,undefined.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORIX_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) --parallel 2
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Start-up and click-to-result benchmarks: one table, and $(BUILD)/bench/results.json.
bench:
	@tools/install-deps.sh bench
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORIX_BENCH=ON
	cmake --build $(BUILD) --parallel 2
	bench/run.sh $(BUILD)

# The Debian package, $(BUILD)/velorix_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD) --target package

# The number module under libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, FUZZ_SECONDS per target on a scratch copy of
# fuzz/corpus/.
fuzz:
	@tools/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DVELORIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) --parallel 2
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Windows edition, cross-built with MinGW-w64 against Qt, Qt Charts and
# libjpeg-turbo built from Debian's sources into ~/.cache/velorix (the first
# run builds them, 26 to 88 minutes on 2 cores as the machine is idle or
# busy, and Qt Charts 4 to 9 more; later runs reuse them; VELORIX_SOURCES
# names a folder of upstream archives for a mirror that serves a source
# package's .dsc alone): build-windows/Velorix/, its zip and its installer.
windows:
	tools/windows/build.sh

# The same with every test, run under Wine, then the installer installed,
# started and uninstalled.
test-windows:
	tools/windows/test.sh

# The arm64 Linux edition, cross-built with g++-aarch64-linux-gnu against
# Debian's arm64 Qt, libjpeg-turbo and MPFR unpacked into
# ~/.cache/velorix/arm64-sysroot-KEY (the host's packages are untouched):
# build-arm64/ and build-arm64/velorix_VERSION_arm64.deb.
arm64:
	tools/arm64/build.sh

# The same tree with every test run under qemu-aarch64-static.
test-arm64:
	tools/arm64/test.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) build-windows build-arm64
