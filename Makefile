# Two commands for a fresh Debian 12 machine (as root): `make demo` and `make test`.
# Each installs what is missing, configures, builds and then runs.

PRESET ?= default
BUILD_DIR := build/$(PRESET)
CLI := $(BUILD_DIR)/src/cli/lumora-cli
DEMO_JOB := data/examples/small.opt
DEMO_DIR := build/demo

PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev \
            libbenchmark-dev poppler-utils libxlsxwriter-dev python3-openpyxl libdxflib-dev \
            python3-ezdxf libzint-dev zbar-tools qt6-l10n-tools qt6-translations-l10n
# Only to look at real windows and printed pages by hand.
LOOK_PACKAGES := xvfb xauth imagemagick

.PHONY: all deps look-deps configure build test asan-test tsan-test fuzz-smoke demo package clean format

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

look-deps:
	$(MAKE) deps PACKAGES="$(LOOK_PACKAGES)"

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j2

test: build
	ctest --preset $(PRESET) -j2

# The core and cli suites once more under the address and undefined-behaviour sanitizers, in
# build/asan without the desktop.
asan-test: deps
	cmake --preset asan -DLUMORA_BUILD_GUI=OFF -DLUMORA_WERROR=ON
	cmake --build --preset asan -j2
	ctest --preset asan -j2

# The tests that run passes, the deep engine and the command line's runs on several threads,
# once more under the thread sanitizer, in build/tsan without the desktop. Only the core and
# cli tests are built, and only the threaded ones run: the whole suite would take long.
TSAN_TESTS ?= PassPipeline|RunOptimization|PinnedExampleRun|BigJobs|Deep|OptimizeCommand|StartStampClaim
tsan-test: deps
	cmake --preset tsan -DLUMORA_WERROR=ON
	cmake --build --preset tsan -j2 --target lumora_core_tests lumora_cli_tests lumora-cli
	ctest --preset tsan -j2 -R '$(TSAN_TESTS)'

# Every fuzz target for FUZZ_SECONDS on its corpus (build/fuzz/corpus/<target>, seeded from
# tests/data); a finding stops with the input kept in build/fuzz/artifacts.
FUZZ_SECONDS ?= 30
# The targets that write files do it into a scratch data folder of the temporary folder: in
# memory, a run gets through several times more inputs.
FUZZ_TMPDIR ?= $(if $(wildcard /dev/shm),/dev/shm,/tmp)
fuzz-smoke:
	$(MAKE) deps PACKAGES="clang libclang-rt-14-dev"
	cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/seed_corpora.sh build/fuzz/corpus
	@mkdir -p build/fuzz/artifacts
	@for target in build/fuzz/fuzz/*_fuzz; do \
	  name=$$(basename $$target); log=build/fuzz/$$name.log; \
	  TMPDIR=$(FUZZ_TMPDIR) $$target -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/$$name- \
	    build/fuzz/corpus/$$name > $$log 2>&1 || { tail -n 40 $$log; exit 1; }; \
	  echo "$$name: $$(grep -o 'number_of_executed_units: *[0-9]*' $$log | grep -o '[0-9]*$$') runs"; \
	done

# The Debian package (build/$(PRESET)/lumora_VERSION_ARCH.deb). dpkg-shlibdeps, there before
# the configure step, finds its dependencies.
package:
	$(MAKE) deps PACKAGES="dpkg-dev file"
	$(MAKE) build
	cd $(BUILD_DIR) && cpack -G DEB

demo: build
	@mkdir -p $(DEMO_DIR)
	cp $(DEMO_JOB) $(DEMO_DIR)/demo.opt
	$(CLI) summary $(DEMO_DIR)/demo.opt --data-dir $(DEMO_DIR)/data
	$(CLI) optimize $(DEMO_DIR)/demo.opt --data-dir $(DEMO_DIR)/data
	$(CLI) report $(DEMO_DIR)/demo.opt --data-dir $(DEMO_DIR)/data --out-dir $(DEMO_DIR)
	$(CLI) render $(DEMO_DIR)/demo.opt --all --data-dir $(DEMO_DIR)/data -o $(DEMO_DIR)/demo-layouts.pdf

format:
	find src tests bench -name '*.cc' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
