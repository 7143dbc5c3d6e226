# The two Quick start commands: `make run` and `make test`.
BUILD ?= build

.PHONY: all deps configure build run test package clean

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

# The Debian package, $(BUILD)/velorix_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
