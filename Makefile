# A thin layer over CMake. `make run` starts the program on the shipped
# example; `make test` builds everything and runs every test.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_TARGETS = number_field defaults_file program

.PHONY: all build run test test-sanitize bench fuzz-build fuzz clean

all: build

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Interactive, in the folder that holds the example defaults file; stored
# reports land there too.
run: build
	cd example && ../$(BUILD)/brantover

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	      -DBRANTOVER_SANITIZE=address,undefined -DBRANTOVER_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/brantover_bench

# libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang). `make fuzz` runs each for FUZZ_SECONDS, from the regression
# corpus, into a working corpus under $(FUZZ_BUILD)/corpus.
fuzz-build:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRANTOVER_FUZZ=ON \
	      -DBRANTOVER_SANITIZE=address,undefined -DBRANTOVER_TESTS=OFF -DBRANTOVER_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))

fuzz: fuzz-build
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t && \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	      $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
