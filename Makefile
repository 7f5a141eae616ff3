# A thin layer over CMake. `make run` starts the program on the shipped
# example; `make test` builds everything and runs every test.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test test-sanitize bench install clean

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

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
