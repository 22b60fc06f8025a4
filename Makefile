# The two README commands: `make run` and `make test`. Every target first
# installs whatever Debian packages are missing, then configures and builds.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

# `make doc` draws the guide's pictures and copies its pages afresh.
.PHONY: all deps build run test doc endurance test-sanitize test-asan test-tsan fuzz bench clean web-test-deps package

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

doc: deps $(BUILD)/build.ninja
	rm -rf $(BUILD)/app/guide
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) --target kelvane_guide

run: build
	$(BUILD)/app/kelvane $(ARGS)

# The endurance runs take minutes: `make endurance` runs them, alone.
# tests/run_ctest.sh names every skipped test; with CI set a skip fails.
RUN_CTEST := $(CURDIR)/tests/run_ctest.sh
test: build web web-test-deps
	$(RUN_CTEST) $(BUILD) --output-on-failure -j $(JOBS) -LE endurance

# ENDURANCE_QUITS (default 50) random quits, ENDURANCE_STARTS (default 20)
# second starts at once; ENDURANCE_SEED replays the quits of a run. Run
# alone, a quit must end the program within ENDURANCE_QUIT_LIMIT_MS; the
# slowest quit is printed either way.
ENDURANCE_QUIT_LIMIT_MS ?= 1000
endurance: build
	ENDURANCE_QUITS=$(ENDURANCE_QUITS) ENDURANCE_STARTS=$(ENDURANCE_STARTS) \
	  ENDURANCE_SEED=$(ENDURANCE_SEED) EN_QUIT_LIMIT_MS=$(ENDURANCE_QUIT_LIMIT_MS) \
	  $(RUN_CTEST) $(BUILD) --output-on-failure -L endurance

# puppeteer-core for the browser test, as the lock file pins it; it drives
# the system's chromium and downloads no browser of its own.
web-test-deps: tests/web/node_modules/.package-lock.json

tests/web/node_modules/.package-lock.json: tests/web/package.json tests/web/package-lock.json
	cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund

# AddressSanitizer + UndefinedBehaviorSanitizer over every test, then
# ThreadSanitizer over the Qt-free tests (Qt's libraries are not instrumented).
# The browser, endurance and MPI tests are left out on purpose (the browser
# and Open MPI are not instrumented); `make test` runs them.
test-sanitize: test-asan test-tsan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DKELVANE_SANITIZE=address,undefined -DKELVANE_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(RUN_CTEST) $(ASAN_BUILD) --output-on-failure -j $(JOBS) -LE 'web|endurance|mpi'

test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DKELVANE_SANITIZE=thread -DKELVANE_WITH_QT=OFF -DKELVANE_BUILD_BENCH=OFF
	cmake --build $(TSAN_BUILD) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  $(RUN_CTEST) $(TSAN_BUILD) --output-on-failure -j $(JOBS) -LE 'web|endurance|mpi'

# The libFuzzer targets, built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer; each runs FUZZ_SECONDS, keeps the new inputs
# that add coverage in tests/fuzz/corpus/ and reports its executions.
# (`make test` replays those corpora with the normal build.)
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DKELVANE_FUZZ=ON -DKELVANE_WITH_QT=OFF \
	  -DKELVANE_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package, $(BUILD)/kelvane_<version>_<arch>.deb (cmake/package.cmake),
# the only one there: tests/package/install_test.sh installs it, tries it and
# removes it again.
package: build
	rm -f $(BUILD)/kelvane_*.deb
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b" --benchmark_min_time=0.2 || exit 1; fi; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD) $(WEB_DIST)

include web/web.mk
