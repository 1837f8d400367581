# The two set-up commands: `make run` and `make test`. Each installs what is
# missing, configures and builds; the build tree is build/ (build-asan/ for the
# sanitizer build).
BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench sanitize clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/tarvelle

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench-*; do echo "== $$b"; $$b; done

# Address and undefined-behaviour sanitizers over the headless tests.
sanitize: deps
	@test -f build-asan/build.ninja || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELLE_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L headless

clean:
	rm -rf $(BUILD) build-asan
