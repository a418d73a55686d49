# Entry points. Each target installs what is missing first, so a fresh Debian 12
# machine needs nothing but these commands (as root).
BUILD ?= build
NATIVE := $(BUILD)/native
WIN32  := $(BUILD)/win32

.PHONY: all deps native win32 run test bench fuzz dist screenshots format clean

all: native win32

deps:
	@scripts/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE)

win32: deps
	@cmake -S . -B $(WIN32) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WIN32)

run: win32
	@scripts/with-display.sh scripts/run.sh

# Tests always get a virtual display of their own, never the user's desktop.
test: native win32
	@MIPO_FORCE_XVFB=1 scripts/with-display.sh scripts/test.sh

bench: native win32
	@MIPO_FORCE_XVFB=1 scripts/with-display.sh scripts/bench.sh

# Long fuzzing runs: each target until FUZZ_RUNS executions (default 10 million)
# or FUZZ_SECONDS (default 3600) per target; see docs/reliability.md.
fuzz: deps
	@fuzz/run.sh

# The download: dist/MipoWatch-<version>.zip with the program, its hook
# libraries, the help page and the read-me.
dist: win32
	@MIPO_WIN32_BUILD=$(WIN32) scripts/dist.sh

# The pictures in docs/screenshots/, taken from the real program on a virtual
# display of their own (shown by the README and the help).
screenshots: win32
	@MIPO_FORCE_XVFB=1 MIPO_WIN32_BUILD=$(WIN32) scripts/with-display.sh scripts/screenshots.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
