# `make run` and `make test` install what is missing, build and then run the app or every test.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-core bench fuzz format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/src/brindlewick

test: build
	@bash scripts/run-tests.sh $(BUILD)

# The widget-free core and its tests alone, in a build of their own.
test-core: deps
	@cmake -S . -B $(BUILD)-core -DBRINDLEWICK_CORE_ONLY=ON >/dev/null
	@cmake --build $(BUILD)-core -j $(JOBS)
	@cd $(BUILD)-core && ctest --output-on-failure -j $(JOBS)

bench: build
	@bash scripts/run-bench.sh $(BUILD)

fuzz: deps
	@bash scripts/run-fuzz.sh

format-check:
	@bash scripts/format-check.sh

clean:
	rm -rf $(BUILD) $(BUILD)-core $(BUILD)-fuzz
