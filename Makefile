# The project's front door: `make run` and `make test` do all the set-up on Debian 12.
BUILD_DIR ?= build
PRESET ?= default
DEPS := $(shell sed -e 's/\#.*//' deps.txt)

.PHONY: deps configure build run test package bench fuzz asan clean

deps:
	@missing=""; for p in $(DEPS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y $$missing; \
	fi

configure:
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake --preset $(PRESET)

build: configure
	cmake --build $(BUILD_DIR)

run: deps build
	./$(BUILD_DIR)/src/app/tarvix

test: deps build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# The Debian package tarvix_<version>_<arch>.deb in the build folder
# (install it with `apt-get install ./build/tarvix_*.deb`).
package: deps build
	cmake --build $(BUILD_DIR) --target package

# Every benchmark program, then one table of their ratios against the targets
# (BENCH_ARGS go to every program, e.g. BENCH_ARGS=--benchmark_filter=Vs).
bench: deps
	@[ -f build-release/build.ninja ] || cmake --preset release
	cmake --build build-release --target tarvix_benchmarks
	cmake -DLIST=build-release/bench/benchmarks.txt -DOUT=build-release/bench/results \
	  -DARGS="$(BENCH_ARGS)" -P bench/run_benchmarks.cmake

fuzz: deps
	@[ -f build-fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build build-fuzz --target fuzz_compiler fuzz_profile fuzz_range fuzz_stat_import
	mkdir -p build-fuzz/corpus build-fuzz/corpus_range build-fuzz/corpus_stat build-fuzz/corpus_profile
	./build-fuzz/fuzz/fuzz_compiler -max_total_time=60 -max_len=200 -timeout=10 -dict=fuzz/compiler.dict build-fuzz/corpus fuzz/corpus
	./build-fuzz/fuzz/fuzz_range -max_total_time=60 -max_len=200 -timeout=10 build-fuzz/corpus_range fuzz/corpus_range
	./build-fuzz/fuzz/fuzz_stat_import -max_total_time=60 -max_len=2000 -timeout=10 build-fuzz/corpus_stat fuzz/corpus_stat
	./build-fuzz/fuzz/fuzz_profile -max_total_time=60 -max_len=2000 -timeout=10 build-fuzz/corpus_profile

asan: deps
	@[ -f build-asan/build.ninja ] || cmake --preset asan
	cmake --build build-asan
	ctest --test-dir build-asan --output-on-failure -j2

clean:
	rm -rf build build-release build-asan build-fuzz
