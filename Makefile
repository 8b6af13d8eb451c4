# Thin wrapper over the CMake presets.
JOBS ?= $(shell nproc)
# A compiler cache where one is installed: a rebuild after a small change, or in another
# checkout, compiles only what changed.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
export CMAKE_CXX_COMPILER_LAUNCHER ?= $(CCACHE)
export CCACHE_BASEDIR ?= $(CURDIR)
endif

.PHONY: deps build program build-asan build-tsan test format-check demo run bench clean

deps:
	@bash scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

# The program alone (with the design tables and DXF definitions beside it): what demo and run need.
program: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target calvora -j $(JOBS)

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)

# The volume run's second thread under ThreadSanitizer: the core and its quantity tests only.
build-tsan: deps
	@cmake --preset tsan >/dev/null
	@cmake --build --preset tsan -j $(JOBS)

test: build build-asan build-tsan
	ctest --preset default -j $(JOBS)
	ctest --preset asan -j $(JOBS)
	ctest --preset tsan -j $(JOBS)

# Every C++ file as clang-format writes it.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

demo: program
	@bash scripts/demo

run: program
	./build/bin/calvora

bench: build
	@bash scripts/bench

clean:
	rm -rf build build-asan build-tsan
