# The commands a user needs. Each installs the Debian packages it lacks first.
#   make run     build the program alone (no test or benchmark) and start it in a folder
#                holding the default dictionary (WORDS=more or WORDS=game: another word list);
#                it installs only what building and running the program needs
#   make test    build and run every test (unit, widget, end-to-end), then the same
#                tests built with AddressSanitizer and UndefinedBehaviorSanitizer, the core
#                tests under valgrind, the fuzzer for a minute, and the Windows programs'
#                tests under Wine, and a second build of the downloads compared with the first
#   make test-debian13  `make test` of the committed HEAD in a fresh Debian 13 root (root only;
#                the root is cached in /var/cache/velmora and remade weekly)
#   make bench   build and run the benchmarks (make bench-windows: the Windows build's, under Wine)
#   make package build a Debian package, $(BUILD)/velmora_<version>_<arch>.deb, with SHA256SUMS
#                and the build record (what built it) beside it
#   make windows   cross-build the 32-bit Windows program, build-windows/app/velmora.exe
#   make windows64 the same, 64-bit, build-windows64/app/velmora.exe
#   make windows-package  the Windows downloads (a zip and an installer) in build-windows/, with
#                SHA256SUMS and the build record beside them
#   make test-reproducible  build the downloads again in a fresh clone and compare them
#   make web     build the page for browsers (WebAssembly) into build-web/site/
#   make run-web serve build-web/site/ at http://127.0.0.1:8080/
#   make web-package  the site as one zip, build-web/velmora-<version>-web.zip
#   make bench-web    the page's speed in headless Chromium

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
WORDS      ?= default
# The folders the program alone is built from, and those a full build adds.
RUN_PARTS  := framework;core;res;ui;app
ALL_PARTS  := $(RUN_PARTS);tests;bench

.PHONY: all deps deps-run configure build build-asan run test test-quick test-asan test-valgrind bench clean

all: build

deps:
	@bash tools/install-deps.sh

deps-run:
	@bash tools/install-deps.sh run

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_PARTS="$(ALL_PARTS)" $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON \
	    -DVELMORA_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: deps-run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_PARTS="$(RUN_PARTS)" $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target velmora
	bash tools/run.sh $(BUILD) $(WORDS)

test-quick: build
	ctest --test-dir $(BUILD) --output-on-failure -j 2

# Malloc stacks are unwound fully (not by frame pointers, which Qt's libraries omit), so that a
# leak is matched by its allocating frames in tests/lsan.supp.
test-asan: build-asan
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ASAN_OPTIONS=fast_unwind_on_malloc=0 \
	    ctest --test-dir $(ASAN_BUILD) --output-on-failure -j 2

test-valgrind: build
	valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
	    $(BUILD)/tests/core/velmora_core_tests --gtest_brief=1

# The plain suite runs last, so its summary closes the output.
test: test-valgrind fuzz test-asan test-windows test-windows-package test-reproducible test-web test-quick

bench: build
	bash tools/bench.sh $(BUILD)

# The whole suite on Debian 13, in a chroot made from a cached minbase root (tools/test-debian13.sh).
.PHONY: test-debian13
test-debian13:
	bash tools/test-debian13.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WIN32_BUILD) $(WIN64_BUILD) $(WINDOWS_BENCH_BUILD) \
	    $(WEB_BUILD)

# Windows programs, cross-built with mingw-w64 (the toolchain files in cmake/).
WIN32_BUILD   ?= build-windows
WIN64_BUILD   ?= build-windows64
WINDOWS_PARTS ?= framework;core;res;ui;app

.PHONY: windows windows64
windows: deps
	cmake -S . -B $(WIN32_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_PARTS="$(WINDOWS_PARTS)"
	cmake --build $(WIN32_BUILD) -j $(JOBS)

windows64: deps
	cmake -S . -B $(WIN64_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_PARTS="$(WINDOWS_PARTS)"
	cmake --build $(WIN64_BUILD) -j $(JOBS)

# The Windows programs' tests under Wine (tests/windows), each program in a Wine prefix of its
# own: the whole suite of each build. Where this machine runs no 32-bit program, the 32-bit
# build's tests that need Wine are reported skipped (tests/support/wine/wine_loader.sh).
.PHONY: test-windows
test-windows: WINDOWS_PARTS := $(WINDOWS_PARTS);tests
test-windows: windows windows64
	ctest --test-dir $(WIN32_BUILD) --output-on-failure -j 2
	ctest --test-dir $(WIN64_BUILD) --output-on-failure -j 2

# Fuzzing: the dictionary loader and the search against a reference, for FUZZ_SECONDS.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DVELMORA_FUZZ=ON -DVELMORA_BUILD_BENCH=OFF -DVELMORA_PARTS="framework;core;tests"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target dictionary_fuzzer
	bash tools/fuzz.sh $(FUZZ_BUILD)/tests/fuzz/dictionary_fuzzer $(FUZZ_SECONDS)

# A Debian package of the normal build, for /usr, written into $(BUILD)/ with SHA256SUMS and
# the build record beside it.
.PHONY: package
package: build
	rm -f $(BUILD)/velmora_*.deb
	cd $(BUILD) && cpack -G DEB
	cd $(BUILD) && sha256sum velmora_*.deb build-record.txt >SHA256SUMS

# The Windows downloads of the 32-bit build, in $(WIN32_BUILD)/: velmora-<version>-win32.zip
# and velmora-<version>-win32-setup.exe (NSIS); and their tests under Wine.
.PHONY: windows-package test-windows-package
windows-package: windows
	cmake --build $(WIN32_BUILD) --target windows-package
test-windows-package: windows
	cmake --build $(WIN32_BUILD) --target test-windows-package

# The benchmarks of the 32-bit Windows program, under Wine. Google Benchmark is compiled
# from Debian's source package, which tools/fetch-benchmark-source.sh unpacks.
WINDOWS_BENCH_BUILD ?= build-windows-bench
# cmake/toolchain-mingw64.cmake measures the 64-bit program, where 32-bit ones cannot run.
WINDOWS_BENCH_TOOLCHAIN ?= cmake/toolchain-mingw32.cmake

.PHONY: bench-windows
bench-windows: deps
	bash tools/fetch-benchmark-source.sh $(WINDOWS_BENCH_BUILD)/_deps/benchmark
	cmake -S . -B $(WINDOWS_BENCH_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(WINDOWS_BENCH_TOOLCHAIN) \
	    -DCMAKE_BUILD_TYPE=Release -DVELMORA_PARTS="framework;core;res;ui;bench" \
	    -DVELMORA_BENCHMARK_SOURCE=$(CURDIR)/$(WINDOWS_BENCH_BUILD)/_deps/benchmark
	cmake --build $(WINDOWS_BENCH_BUILD) -j $(JOBS) --target velmora_bench velmora_window_bench
	bash tools/bench-windows.sh $(WINDOWS_BENCH_BUILD)

# The page for browsers: the same program built with Emscripten to WebAssembly, in its own
# build folder. Emscripten's JavaScript optimiser needs Debian's acorn, which a node from
# elsewhere finds only through NODE_PATH.
WEB_BUILD ?= build-web
WEB_ENV   := NODE_PATH=/usr/share/nodejs

.PHONY: web run-web web-package test-web bench-web
web:
	@bash tools/install-deps.sh web
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	    -DVELMORA_PARTS="$(RUN_PARTS)"
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target web-site

run-web: web
	@echo "Velmora is served at http://127.0.0.1:8080/ (more/ and game/: the larger word lists); Ctrl-C stops it"
	cd $(WEB_BUILD)/site && python3 -m http.server 8080 --bind 127.0.0.1

web-package: web
	$(WEB_ENV) cmake --build $(WEB_BUILD) --target web-package

# The core tests on the core as the page compiles it, under Node; then the page's tests in
# Debian's chromium and firefox-esr (tests/web), driven from Node with the puppeteer-core
# that tests/web/package-lock.json pins.
test-web: web
	@bash tools/install-deps.sh web-test
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DVELMORA_PARTS="$(RUN_PARTS);tests" >/dev/null
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target velmora_core_tests
	ctest --test-dir $(WEB_BUILD) --output-on-failure -L core
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	node tests/web/run_tests.mjs $(WEB_BUILD)/site

# The page's speed in headless Chromium (bench/web), served as make run-web serves it.
bench-web: web
	@bash tools/install-deps.sh web-test
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	node bench/web/bench.mjs $(WEB_BUILD)/site

# Every download built a second time from HEAD, in a fresh clone elsewhere with another umask,
# time zone and locale, must equal this checkout's byte for byte (tests/reproducible/).
.PHONY: test-reproducible
test-reproducible: package windows-package windows64
	bash tests/reproducible/rebuild_and_compare.sh $(CURDIR) $(BUILD) $(WIN32_BUILD) $(WIN64_BUILD)
