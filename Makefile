# Front door of the build. Every target first runs the set-up step, which installs what a
# fresh machine lacks and returns at once when nothing is missing.
NATIVE ?= build/native
WIN ?= build/win
JOBS := $(shell nproc)
WINE_RUN := tools/wine-env.sh

.PHONY: all setup build native windows dist test test-native test-windows test-dist run bench bench-native fuzz clean

all: build

setup:
	@bash tools/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

# The Windows build runs build-time tools (the form compiler) from the native build.
windows: native
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DHOST_TOOLS_DIR=$(abspath $(NATIVE))/tools >/dev/null
	@cmake --build $(WIN) -j$(JOBS)

build: native windows

# The installer, the portable zip of the program folder and the administrative templates
# (written by the native build's admx tool), in build/dist/.
DIST ?= build/dist
dist: windows
	@bash tools/dist.sh $(WIN)/bin $(DIST) $(NATIVE)/tools/admx

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

# Windows tests share one virtual display and one private Wine prefix; the wineserver is
# ended afterwards so nothing outlives the run.
test-windows: windows
	@status=0; xvfb-run -a -s "-screen 0 1024x768x24" $(WINE_RUN) ctest --test-dir $(WIN) --output-on-failure || status=$$?; \
	  $(WINE_RUN) wineserver -k 2>/dev/null || true; exit $$status

# The installer in a Wine prefix of its own: install, update over the running programs, uninstall.
test-dist: dist
	@xvfb-run -a -s "-screen 0 1024x768x24" tools/installer-test.sh $(DIST) $(WIN)/tests/install_probe.exe

test: test-native test-windows test-dist

run: windows
	@bash tools/run.sh

# Figures, not pass/fail: LZK00 against memcpy and zlib and the refusal of hostile language
# modules (native, optimised, no sanitizers), then the cost of a chart tick against a full redraw, the service's launch and boost times,
# the language switch (uncached and cached), the configurator's start-up time and memory against
# a plain common-controls window, and the processor shares while idle and animating.
# Only figures are printed: the builds before them write to $(BENCH_LOG), shown when one fails.
BENCH ?= build/bench
BENCH_LOG ?= build/bench-build.log
QUIETLY = >>$(BENCH_LOG) 2>&1 || { cat $(BENCH_LOG); exit 1; }
bench-native:
	@mkdir -p build && : >$(BENCH_LOG)
	@$(MAKE) -s --no-print-directory setup $(QUIETLY)
	@cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release $(QUIETLY)
	@cmake --build $(BENCH) -j$(JOBS) --target lzk_bench resource_bomb_bench $(QUIETLY)
	@$(BENCH)/bench/lzk_bench .
	@$(BENCH)/bench/resource_bomb_bench

bench: bench-native
	@$(MAKE) -s --no-print-directory windows $(QUIETLY)
	@xvfb-run -a -s "-screen 0 1024x768x24" $(WINE_RUN) bash -c \
	  'wine $(WIN)/bench/chart_bench.exe && wine $(WIN)/bench/booster_bench.exe && wine $(WIN)/bench/stall_bench.exe && \
	   (cd $(WIN)/bench && wine ./localizer_bench.exe) && wine $(WIN)/bench/startup_bench.exe && \
	   tools/service-cpu.sh $(WIN)/bin/TesslyMBsrv.exe 30 && tools/about-cpu.sh $(WIN)/bin/TesslyMBCfg.exe 30; \
	   status=$$?; wineserver -k 2>/dev/null; exit $$status'

# Coverage-guided fuzzing under ASan and UBSan (clang with libFuzzer) of every reader of
# outside input, FUZZ_TIME seconds each (tools/fuzz.sh; FUZZ_TARGETS names some of them;
# FUZZ_TIMEOUT, the seconds one input may take, is worth raising on a busy machine).
# `make test` only replays the targets' seeds.
FUZZ ?= build/fuzz
FUZZ_TIME ?= 60
FUZZ_TARGETS ?=
fuzz:
	@bash tools/setup.sh --fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS) --target fuzz_targets
	@bash tools/fuzz.sh $(FUZZ) $(FUZZ_TIME) $(FUZZ_TARGETS)

clean:
	rm -rf $(NATIVE) $(WIN) $(FUZZ) $(BENCH) $(DIST)
