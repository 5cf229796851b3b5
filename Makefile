# The whole set-up on a fresh Debian 12 machine: `make run` or `make test`.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
JOBS      ?= $(shell nproc)
CMAKE_FLAGS ?=
SANITIZE_BUILD ?= build-sanitize

.PHONY: all deps configure build run test sanitize bench package windows windows-package clean

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
# (skipped with a message where the toolchain or Wine is missing).
test: build
	ctest --test-dir $(BUILD) --output-on-failure --parallel $(JOBS)
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

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
