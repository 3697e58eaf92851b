# Velmora's commands: `make run` and `make test` for a user; every target is described in
# HACKING.md, the one list of them. The builds are the CMake presets of CMakePresets.json, so
# `make`, `cmake --preset` and an IDE build the same things. Each target installs the Debian
# packages it lacks first (tools/install-deps.sh).

JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
WORDS      ?= default
# The folders the presets build in.
BUILD      := build
WIN32_BUILD := build-windows
WIN64_BUILD := build-windows64
WEB_BUILD  := build-web
FUZZ_SECONDS ?= 60
# The Windows benchmarks' preset: windows64-bench measures the 64-bit program instead.
WINDOWS_BENCH ?= windows-bench

# $(call preset,NAME): configures and builds the preset NAME.
define preset
cmake --preset $(1) $(CMAKE_ARGS)
cmake --build --preset $(1) -j $(JOBS)
endef

.PHONY: all deps deps-run build build-asan run test test-quick test-asan test-valgrind bench \
        test-debian13 clean windows windows64 test-windows fuzz package windows-package \
        windows64-package test-windows-package bench-windows web run-web web-package test-web \
        bench-web test-reproducible

all: build

deps:
	@bash tools/install-deps.sh

deps-run:
	@bash tools/install-deps.sh run

build: deps
	$(call preset,default)

build-asan: deps
	$(call preset,asan)

run: deps-run
	$(call preset,program)
	bash tools/run.sh $(BUILD) $(WORDS)

# The plain suite runs last, so its summary closes the output; after it, one line says what
# this machine could not run.
test: test-valgrind fuzz test-asan test-windows test-windows-package test-reproducible test-web test-quick
	@$(RUNS_32BIT) || echo "$(NOT_RUN_32BIT)"

test-quick: build
	ctest --preset default

# Malloc stacks are unwound fully (not by frame pointers, which Qt's libraries omit), so that a
# leak is matched by its allocating frames in tests/lsan.supp (the asan test preset sets both).
test-asan: build-asan
	ctest --preset asan

test-valgrind: build
	valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
	    $(BUILD)/tests/core/velmora_core_tests --gtest_brief=1

bench: build
	bash tools/bench.sh $(BUILD)

# The whole suite on Debian 13, in a chroot made from a cached minbase root.
test-debian13:
	bash tools/test-debian13.sh

clean:
	rm -rf build build-asan build-fuzz build-windows build-windows64 build-windows-bench \
	    build-windows64-bench build-web

fuzz: deps
	$(call preset,fuzz)
	bash tools/fuzz.sh build-fuzz/tests/fuzz/dictionary_fuzzer $(FUZZ_SECONDS)

package: build
	rm -f $(BUILD)/velmora_*.deb
	cd $(BUILD) && cpack -G DEB
	cd $(BUILD) && sha256sum velmora_*.deb build-record.txt >SHA256SUMS

# The Windows programs, cross-built with mingw-w64, and their tests under Wine, each program
# in a Wine prefix of its own. Where this machine runs no 32-bit program (its kernel has no
# IA-32 emulation), the 32-bit program and its downloads are checked without Wine instead,
# and `make test` says so once at its end.
RUNS_32BIT = bash tests/support/wine/if_wine_runs.sh $(WIN32_BUILD)/app/velmora.exe true 2>/dev/null
NOT_RUN_32BIT = not run here: the 32-bit program and its downloads (this kernel runs no \
32-bit program); checked statically

windows: deps
	$(call preset,windows)

windows64: deps
	$(call preset,windows64)

test-windows: windows windows64
	ctest --preset windows64
	if $(RUNS_32BIT); then ctest --preset windows; else ctest --preset windows -L imports; fi

# Both programs' downloads, each in its build folder; windows64-package: the 64-bit ones alone.
windows-package: windows windows64-package
	cmake --build --preset windows --target windows-package

windows64-package: windows64
	cmake --build --preset windows64 --target windows-package

test-windows-package: windows-package
	bash tests/windows/package/run.sh $(CURDIR) $(WIN64_BUILD) $(WIN32_BUILD)

# Google Benchmark for Windows is compiled from Debian's source package.
bench-windows: deps
	bash tools/fetch-benchmark-source.sh build-$(WINDOWS_BENCH)/_deps/benchmark
	$(call preset,$(WINDOWS_BENCH))
	bash tools/bench-windows.sh build-$(WINDOWS_BENCH)

# The page for browsers, in build-web/site/.
web:
	@bash tools/install-deps.sh web
	$(call preset,web)

run-web: web
	@echo "Velmora is served at http://127.0.0.1:8080/ (more/ and game/: the larger word lists); Ctrl-C stops it"
	python3 tools/serve_site.py $(WEB_BUILD)/site 8080 --bind 127.0.0.1

web-package: web
	cmake --build --preset web --target web-package

# The core tests as the page compiles them, under Node; then the page and the framework's
# contract test in the browsers (tests/web), with the puppeteer-core that
# tests/web/package-lock.json pins.
test-web: web
	@bash tools/install-deps.sh web-test
	$(call preset,web-tests)
	ctest --preset web-tests
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	node tests/web/run_tests.mjs $(WEB_BUILD)/site $(WEB_BUILD)/tests/framework

# The page's speed in headless Chromium, then a first visit on a phone (Lighthouse).
bench-web: web
	@bash tools/install-deps.sh web-test
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	cd bench/web && npm ci --no-audit --no-fund --loglevel=error
	node bench/web/bench.mjs $(WEB_BUILD)/site
	node bench/web/lighthouse.mjs $(WEB_BUILD)/site

# Every download built a second time from HEAD in a fresh clone elsewhere must equal this
# checkout's byte for byte.
test-reproducible: package windows-package
	bash tests/reproducible/rebuild_and_compare.sh $(CURDIR) $(BUILD) $(WIN32_BUILD) $(WIN64_BUILD)
