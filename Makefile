# The commands a user needs. Each installs the Debian packages it lacks first.
#   make run     build the program alone (no test or benchmark) and start it in a folder
#                holding the default dictionary
#   make test    build and run every test (unit, widget, end-to-end), then the same
#                tests built with AddressSanitizer and UndefinedBehaviorSanitizer, the core
#                tests under valgrind, and the fuzzer for a minute
#   make bench   build and run the benchmarks
#   make package build a Debian package, $(BUILD)/velmora_<version>_<arch>.deb

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build build-asan run test test-quick test-asan test-valgrind bench clean

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON \
	    -DVELMORA_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target velmora
	bash tools/run.sh $(BUILD)

test-quick: build
	ctest --test-dir $(BUILD) --output-on-failure -j 2

test-asan: build-asan
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    ctest --test-dir $(ASAN_BUILD) --output-on-failure -j 2

test-valgrind: build
	valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
	    $(BUILD)/tests/core/velmora_core_tests --gtest_brief=1

# The plain suite runs last, so its summary closes the output.
test: test-valgrind fuzz test-asan test-quick

bench: build
	bash tools/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Fuzzing: the dictionary loader and the search against a reference, for FUZZ_SECONDS.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DVELMORA_FUZZ=ON -DVELMORA_BUILD_BENCH=OFF -DVELMORA_PARTS="framework;core;tests"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target dictionary_fuzzer
	bash tools/fuzz.sh $(FUZZ_BUILD)/tests/fuzz/dictionary_fuzzer $(FUZZ_SECONDS)

# A Debian package of the normal build, for /usr, written into $(BUILD)/.
.PHONY: package
package: build
	cd $(BUILD) && cpack -G DEB
