# Thin wrapper over the CMake presets.
JOBS ?= $(shell nproc)

.PHONY: deps build program build-asan test demo run bench clean

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

test: build build-asan
	ctest --preset default -j $(JOBS)
	ctest --preset asan -j $(JOBS)

demo: program
	@bash scripts/demo

run: program
	./build/bin/calvora

bench: build
	@bash scripts/bench

clean:
	rm -rf build build-asan
