# Shortcuts for the commands in the README.
.PHONY: test build run sweep fuzz bench clean

test:
	scripts/test

build:
	scripts/install-deps
	cmake -S . -B build >/dev/null
	cmake --build build -j$$(nproc)

# Builds the desktop program and starts it in the current folder, where its runs write BC.txt.
run: build
	build/src/ui/Zelmora

clean:
	rm -rf build

# Ten minutes of fuzzing of the number conversions, from the checked-in seeds.
fuzz: build
	tests/fuzz/run-fuzz.sh build/tests/number_text_fuzz tests/fuzz/seeds build/fuzz-corpus \
	  -max_total_time=600

sweep:
	scripts/sweep

bench: build
	build/bench/trial_bench
	build/bench/display_bench
