# The whole set-up on a fresh Debian 12 machine: `make run` or `make test`.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
JOBS      ?= $(shell nproc)
CMAKE_FLAGS ?=
SANITIZE_BUILD ?= build-sanitize

.PHONY: all deps configure build run test sanitize bench fuzz package windows windows-package clean coverage coverage-unique mutants

all: build

deps:
	@./scripts/bootstrap-debian.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILDTYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) --parallel $(JOBS)

run: build
	./$(BUILD)/varnholt

# The Linux tests, then the Windows half: the cross-build run under Wine
# (skipped with a message where the toolchain or Wine is missing). Where the
# cross-build runs, it compiles every Windows file for real, so the quick
# syntax-only check of those files is left out.
test: build
	ctest --test-dir $(BUILD) --output-on-failure --parallel $(JOBS) \
	    $(if $(shell ./scripts/windows-test.sh --check && echo yes),--exclude-regex '^windows_syntax$$')
	./scripts/windows-test.sh

# The Linux tests again, built in $(SANITIZE_BUILD) with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer; any report fails its test
# (tests/CMakeLists.txt). The Windows syntax check and lintian's look at the
# package build and run nothing of ours, so they are left out.
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DVARNHOLT_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) --parallel $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure --parallel $(JOBS) \
		--exclude-regex '^(windows_syntax|package_lintian)$$'

bench: configure
	cmake --build $(BUILD) --parallel $(JOBS) --target bench_all
	./bench/run.sh $(BUILD)

# Builds the parsers' fuzz targets with clang, libFuzzer and sanitizers in
# build-fuzz and runs each for FUZZ_SECONDS (default 60); fails on any crash,
# leak, time-out or sanitizer report (see scripts/fuzz.sh).
fuzz: deps
	./scripts/fuzz.sh

package: build
	cd $(BUILD) && cpack -G DEB

# Cross-builds everything for 64-bit Windows into build-win (see the script
# for where Qt for mingw-w64 comes from); `test` runs it under Wine.
windows:
	./scripts/windows-build.sh

# The Windows installer, build-win/varnholt-<version>-win64-setup.exe (NSIS);
# builds what it needs first.
windows-package:
	./scripts/windows-package.sh

# Line and branch coverage of the Linux tests per folder, and of the engine,
# with clang's source-based coverage in its own build (scripts/coverage.py).
COVERAGE_BUILD ?= build-coverage
coverage:
	@./scripts/bootstrap-debian.sh coverage
	JOBS=$(JOBS) ./scripts/coverage.py --build $(COVERAGE_BUILD)

# Which lines each test function alone reaches: every function run on its
# own in the coverage build (15 to 30 minutes; scripts/coverage_unique.py).
coverage-unique:
	@./scripts/bootstrap-debian.sh coverage
	JOBS=$(JOBS) ./scripts/coverage_unique.py --build $(COVERAGE_BUILD)

# The planted faults of scripts/mutants.txt, one at a time, against the
# engine's tests in a Debug build of their own (scripts/mutants.py).
mutants:
	@./scripts/bootstrap-debian.sh coverage
	JOBS=$(JOBS) ./scripts/mutants.py --build build-mutants

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
