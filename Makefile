# Front door of the build. Every target first runs the set-up step, which installs what a
# fresh machine lacks and returns at once when nothing is missing.
NATIVE ?= build/native
WIN ?= build/win
JOBS := $(shell nproc)
WINE_RUN := tools/wine-env.sh

.PHONY: all setup build native windows test test-native test-windows run bench fuzz-forms clean

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

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

# Windows tests share one virtual display and one private Wine prefix; the wineserver is
# ended afterwards so nothing outlives the run.
test-windows: windows
	@status=0; xvfb-run -a -s "-screen 0 1024x768x24" $(WINE_RUN) ctest --test-dir $(WIN) --output-on-failure || status=$$?; \
	  $(WINE_RUN) wineserver -k 2>/dev/null || true; exit $$status

test: test-native test-windows

run: windows
	@bash tools/run.sh

# Figures, not pass/fail: the cost of a chart tick against a full redraw, the service's
# launch and boost times, and its processor share while idle.
bench: windows
	@xvfb-run -a -s "-screen 0 1024x768x24" $(WINE_RUN) bash -c \
	  'wine $(WIN)/tests/chart_bench.exe && wine $(WIN)/tests/booster_bench.exe && \
	   tools/service-cpu.sh $(WIN)/bin/TesslyMBsrv.exe 30'; \
	  status=$$?; $(WINE_RUN) wineserver -k 2>/dev/null || true; exit $$status

# Coverage-guided fuzzing of the form readers (clang, libFuzzer, address and undefined-
# behaviour sanitizers), never part of `make test`: every input either is refused with the
# format error or converts binary -> tree -> text -> tree and tree -> binary -> tree without
# change. New inputs go to $(FUZZ)/corpus, a failing one to $(FUZZ)/crash-*; replay one with
# $(FUZZ)/tests/core/forms/form_fuzz FILE.
FUZZ ?= build/form-fuzz
FUZZ_SECONDS ?= 600
AS_ROOT := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

fuzz-forms: setup
	@missing=; for p in clang libclang-rt-14-dev; do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; done; \
	  if [ -n "$$missing" ]; then echo "fuzz-forms: installing$$missing"; \
	    DEBIAN_FRONTEND=noninteractive $(AS_ROOT) apt-get install -y -qq --no-install-recommends $$missing >/dev/null; fi
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) --target form_fuzz -j$(JOBS)
	@mkdir -p $(FUZZ)/corpus
	cd $(FUZZ) && tests/core/forms/form_fuzz -max_total_time=$(FUZZ_SECONDS) -jobs=1 -workers=1 \
	  -print_final_stats=1 corpus $(abspath tests/core/forms/fuzz/seeds) $(abspath forms)

clean:
	rm -rf $(NATIVE) $(WIN)
