# The commands a user needs. Each installs the Debian packages it lacks first.
#   make run     build and start Velmora in a folder holding the default dictionary
#   make test    build and run every test (unit, widget, end-to-end), then the same
#                tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench   build and run the benchmarks

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps build build-asan run test test-quick test-asan bench clean

all: build

deps:
	@bash tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON \
	    -DVELMORA_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	bash tools/run.sh $(BUILD)

test-quick: build
	ctest --test-dir $(BUILD) --output-on-failure -j 2

test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j 2

test: test-quick test-asan

bench: build
	bash tools/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
