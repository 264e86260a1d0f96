# Thin wrapper over CMake/CTest: make deps | build | check | sanitize | demo | bench
BUILD   ?= build
SANITIZE_BUILD ?= build-sanitize
RELEASE_BUILD ?= build-release
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
HOMEDIR := $(CURDIR)/home

PACKAGES := libmotif-dev libglw1-mesa-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri \
            libxpm-dev libtiff-dev libjpeg-dev libxmu-dev libxext-dev libxt-dev \
            xvfb xauth xdotool x11-apps imagemagick mesa-utils \
            xfonts-base xfonts-75dpi xfonts-100dpi \
            cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The sanitizer run: leaks are not looked for; any other finding fails the test.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps build check sanitize demo bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

check: build
	QUIVANE7_HOME=$(HOMEDIR) tests/support/with-xvfb.sh \
	  ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 600

$(SANITIZE_BUILD)/build.ninja:
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DQUIVANE_SANITIZE=ON

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps $(SANITIZE_BUILD)/build.ninja
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZE_ENV) QUIVANE7_HOME=$(HOMEDIR) tests/support/with-xvfb.sh \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) --timeout 900

# The client on the generated model: on $DISPLAY for the user, else under a
# private Xvfb, ending with screenshots under $(BUILD)/demo.
demo: build
	QUIVANE7_HOME=$(HOMEDIR) tests/support/demo.sh $(BUILD)

# Release build and timings on the large generated grids (never part of
# check), built in $(RELEASE_BUILD): a table, and $(BUILD)/bench/results.json.
bench: deps
	QUIVANE7_HOME=$(HOMEDIR) JOBS=$(JOBS) tools/bench/bench.sh $(RELEASE_BUILD) $(BUILD)/bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(RELEASE_BUILD)
