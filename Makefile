# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test bench run clean sanitize fuzz fuzz-corpus

# The sanitizer and fuzz builds use clang, each in its own folder, without the benchmarks.
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
CCACHE := $(shell command -v ccache 2>/dev/null)
CLANG_CONFIGURE = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	-DQUORVEX_BUILD_BENCH=OFF $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# ARGS go to the program: make run ARGS="--virtual-unit rig.QVX"
run: build
	$(BUILD_DIR)/src/quorvex $(ARGS)

clean:
	rm -rf $(BUILD_DIR)

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails it.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) $(CLANG_CONFIGURE) -DQUORVEX_SANITIZE=ON
	$(SANITIZER_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Each harness of fuzz/ for FUZZ_SECONDS seconds.
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) $(CLANG_CONFIGURE) -DQUORVEX_BUILD_FUZZ=ON -DQUORVEX_BUILD_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	bash fuzz/run-all.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Writes fuzz/corpus again from the test fixtures.
fuzz-corpus: deps
	cmake -S . -B $(FUZZ_DIR) $(CLANG_CONFIGURE) -DQUORVEX_BUILD_FUZZ=ON -DQUORVEX_BUILD_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target corpus_seeds
	rm -rf fuzz/corpus
	$(FUZZ_DIR)/fuzz/corpus_seeds fuzz/corpus
