# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
XVFB := xvfb-run -a -s "-screen 0 1600x1000x24"

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/apps/cellfab

# GL tests need an X display; the whole suite runs under one Xvfb server.
test: build
	cd $(BUILD_DIR) && $(XVFB) ctest --output-on-failure -j2

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $(XVFB) $$b; done

format:
	find src apps tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
