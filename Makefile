# Entry points. Each target installs what it is missing first (only what that
# target needs: `make native` never installs Wine), so a fresh Debian 12 machine
# needs nothing but these commands (as root). `make deps` installs everything.
BUILD ?= build
NATIVE := $(BUILD)/native
WIN32  := $(BUILD)/win32
WIN64  := $(BUILD)/win64

# The program users get is always the 32-bit one (make win32, make dist). The
# Windows suites, make run, bench and screenshots run it under 32-bit Wine, except
# on a machine that cannot run 32-bit programs: there they run 64-bit builds of the
# same sources (build/win64) under wine64 and say so. scripts/env.sh decides once,
# here, and every script is handed the answer.
ifeq ($(origin MIPO_WIN_ARCH),environment)
export MIPO_WIN_ARCH_BY := hand
else
export MIPO_WIN_ARCH_BY := probe
endif
export MIPO_WIN_ARCH := $(shell MIPO_BUILD='$(abspath $(BUILD))' scripts/win-arch.sh)
ifeq ($(MIPO_WIN_ARCH),)
$(error scripts/win-arch.sh could not tell which Windows architecture runs here)
endif
ifeq ($(MIPO_WIN_ARCH),x86_64)
WINRUN := $(WIN64)
WINRUN_TARGET := win64
else
WINRUN := $(WIN32)
WINRUN_TARGET :=
endif

.PHONY: all deps deps-native deps-win32 deps-win64 deps-format native win32 win64 run test \
	check-format bench fuzz dist screenshots format clean

all: native win32

deps:
	@scripts/install-deps.sh all
deps-native:
	@scripts/install-deps.sh native
deps-win32:
	@scripts/install-deps.sh win32
deps-win64:
	@scripts/install-deps.sh win64
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

# The 64-bit build of the same sources, for machines that cannot run 32-bit ones.
win64: deps-win64
	@scripts/configure.sh $(WIN64) -S . -G Ninja -DCMAKE_BUILD_TYPE=Release --no-warn-unused-cli \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
	@cmake --build $(WIN64)

run: win32 $(WINRUN_TARGET)
	@MIPO_BUILD=$(abspath $(BUILD)) scripts/with-display.sh scripts/run.sh

# Tests always get a virtual display of their own, never the user's desktop.
# scripts/test.sh also runs the format check and fails on anything missing. The
# 32-bit build happens either way, so a 32-bit compile error fails the run.
test: native win32 $(WINRUN_TARGET) deps-format
	@MIPO_BUILD=$(abspath $(BUILD)) MIPO_FORCE_XVFB=1 scripts/with-display.sh scripts/test.sh

check-format: deps-format
	@scripts/check-format.sh

bench: native win32 $(WINRUN_TARGET)
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
screenshots: win32 $(WINRUN_TARGET)
	@MIPO_FORCE_XVFB=1 MIPO_BUILD=$(abspath $(BUILD)) MIPO_WIN32_BUILD=$(WINRUN) \
	  scripts/with-display.sh scripts/screenshots.sh

format: deps-format
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 -i

clean:
	rm -rf $(BUILD)
