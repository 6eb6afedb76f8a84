# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS = -G Ninja -DKWARREL_WERROR=ON

.PHONY: all setup build run test asan bench clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)

run: build
	./$(BUILD)/kwarrel-cli demo

test: build
	ctest --test-dir $(BUILD) --output-on-failure

asan: setup
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DKWARREL_SANITIZE=ON -DKWARREL_BENCH=OFF
	cmake --build $(ASAN_BUILD)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	      ctest --test-dir $(ASAN_BUILD) --output-on-failure

bench: build
	./$(BUILD)/kwarrel-cli bench
	./$(BUILD)/bench/kwarrel_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
