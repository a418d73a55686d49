# Entry points. Each target installs what it is missing first (only what that
# target needs: `make native` never installs Wine), so a fresh Debian 12 machine
# needs nothing but these commands (as root). `make deps` installs everything.
BUILD ?= build
NATIVE := $(BUILD)/native
WIN32  := $(BUILD)/win32

.PHONY: all deps deps-native deps-win32 deps-format native win32 run test check-format bench \
	fuzz dist screenshots format clean

all: native win32

deps:
	@scripts/install-deps.sh all
deps-native:
	@scripts/install-deps.sh native
deps-win32:
	@scripts/install-deps.sh win32
deps-format:
	@scripts/install-deps.sh format

# Configure output is kept in <tree>/configure.log and shown when CMake warns,
# misses a component or fails. (The toolchain file counts only at the first
# configure; later ones would warn that it went unused.)
native: deps-native
	@scripts/configure.sh $(NATIVE) -S . -G Ninja -DCMAKE_BUILD_TYPE=Debug
	@cmake --build $(NATIVE)

win32: deps-win32
	@scripts/configure.sh $(WIN32) -S . -G Ninja -DCMAKE_BUILD_TYPE=Release --no-warn-unused-cli \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	@cmake --build $(WIN32)

run: win32
	@scripts/with-display.sh scripts/run.sh

# Tests always get a virtual display of their own, never the user's desktop.
# scripts/test.sh also runs the format check and fails on anything missing.
test: native win32 deps-format
	@MIPO_BUILD=$(abspath $(BUILD)) MIPO_FORCE_XVFB=1 scripts/with-display.sh scripts/test.sh

check-format: deps-format
	@scripts/check-format.sh

bench: native win32
	@MIPO_BUILD=$(abspath $(BUILD)) MIPO_FORCE_XVFB=1 scripts/with-display.sh scripts/bench.sh

# Long fuzzing runs: each target until FUZZ_RUNS executions (default 10 million)
# or FUZZ_SECONDS (default 3600) per target; see docs/reliability.md.
fuzz: deps-native
	@fuzz/run.sh

# The download: dist/MipoWatch-<version>.zip with the program, its hook
# libraries, the help page and the read-me.
dist: win32
	@MIPO_WIN32_BUILD=$(WIN32) scripts/dist.sh

# The pictures in docs/screenshots/, taken from the real program on a virtual
# display of their own (shown by the README and the help).
screenshots: win32
	@MIPO_FORCE_XVFB=1 MIPO_WIN32_BUILD=$(WIN32) scripts/with-display.sh scripts/screenshots.sh

format: deps-format
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 -i

clean:
	rm -rf $(BUILD)
