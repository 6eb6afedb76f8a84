# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CMAKE_FLAGS = -G Ninja -DKWARREL_WERROR=ON
# Seconds each fuzz target runs.
FUZZ_SECONDS ?= 600
FUZZ_TARGETS = game_text game_file game_save config_file colour_file turn_entry players_file \
               word_list

.PHONY: all setup build run test asan bench fuzz install clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)

# The window where a display is reachable, else the command-line demonstration.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  ./$(BUILD)/ui/kwarrel; \
	else \
	  echo "Geen beeldscherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn leeg): Kwarrel speelt een demonstratiespel in de terminal."; \
	  ./$(BUILD)/kwarrel-cli demo; \
	fi

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
	./$(BUILD)/bench/kwarrel_ui_bench

# The libFuzzer targets, built by clang with AddressSanitizer and UBSan, one after
# another on their seed corpora.
fuzz:
	@bash scripts/setup.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DKWARREL_FUZZ=ON \
	      -DKWARREL_UI=OFF -DKWARREL_TESTS=OFF -DKWARREL_BENCH=OFF
	cmake --build $(FUZZ_BUILD)
	@bash scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
