# The two Quick start commands: `make run` and `make test`.
BUILD ?= build

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) --parallel 2

run: build
	$(BUILD)/app/velorix

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Start-up and click-to-result benchmarks: one table, and $(BUILD)/bench/results.json.
bench:
	@tools/install-deps.sh bench
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORIX_BENCH=ON
	cmake --build $(BUILD) --parallel 2
	bench/run.sh $(BUILD)

# The Debian package, $(BUILD)/velorix_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
