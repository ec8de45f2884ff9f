# Thin wrapper around CMake. `make run` and `make test` do the whole set-up
# on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_ARGS ?=

FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

TSAN_BUILD_DIR ?= build-tsan
# The engine, policing and window tests, and the sanitizer's check of itself.
TSAN_TESTS ?= tst_tsancanary tst_taskstore tst_quickurldownloader tst_policingthread tst_aptvomanager \
  tst_splitdownloader tst_aptvohttp tst_engineproxies tst_aptvoftp tst_resume tst_enginefaults \
  tst_mainwindowipc tst_mainwindowdownload tst_mainwindowtasks tst_mainwindowsearch tst_mainwindowstartup \
  tst_mainwindowshell tst_mainwindowdesktop
empty :=
space := $(empty) $(empty)

.PHONY: all deps configure build run test install clean fuzz tsan deb

all: build

deps:
	@bash scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_ARGS)

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/bin/zantor

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)

# Each parser fuzz target (or those named in FUZZ_TARGETS) for FUZZ_SECONDS,
# in a separate clang build; findings land in build-fuzz/fuzz-work/findings.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_CXX_COMPILER=clang++ -DZANTOR_FUZZ=ON \
	  -DZANTOR_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD_DIR) -j$(JOBS) --target fuzz_targets
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_TARGETS="$(FUZZ_TARGETS)" cmake --build $(FUZZ_BUILD_DIR) --target fuzz

# The threaded tests under ThreadSanitizer, in a separate build; a test
# fails on any report (tests/tsan.supp holds what is Qt's own).
tsan: deps
	cmake -S . -B $(TSAN_BUILD_DIR) -DZANTOR_TSAN=ON -DZANTOR_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(TSAN_BUILD_DIR) -j$(JOBS) --target $(TSAN_TESTS)
	cd $(TSAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^($(subst $(space),|,$(strip $(TSAN_TESTS))))$$'

install: build
	cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX),)

# The Debian package, built with debhelper into $(BUILD_DIR)/zantor_<version>_<arch>.deb.
# DEB_CMAKE_ARGS="-DZANTOR_PACKAGE_KEYS=…" puts the release key in.
deb: deps
	JOBS=$(JOBS) DEB_CMAKE_ARGS="$(DEB_CMAKE_ARGS)" bash scripts/build-deb $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
