# Kelvo: `make run` and `make test` do all set-up on a fresh Debian 12 machine.

SHELL      := /bin/bash
BUILD_DIR  ?= build
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
RELEASE_DIR ?= build-release
FUZZ_SECONDS ?= 600
CMAKE_FLAGS ?=

# Everything the build, the tests and the program need, by Debian package name.
PACKAGES := cmake make g++ clang libclang-rt-14-dev \
            qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-qpa-plugins qt6-wayland libgl-dev \
            fonts-dejavu-core desktop-file-utils appstream \
            dpkg-dev file lintian

# What only `make bench` needs: the start-up benchmark runs an X server of its
# own and watches it through xcb's DAMAGE extension.
BENCH_PACKAGES := xvfb pkg-config libxcb1-dev libxcb-damage0-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs those of the listed packages that are missing.
define install-missing
	@missing=""; \
	for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi
endef

.PHONY: all deps bench-deps configure build run test fuzz bench install package clean

all: build

deps:
	$(call install-missing,$(PACKAGES))

bench-deps:
	$(call install-missing,$(BENCH_PACKAGES))

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
	    cmake -S . -B $(BUILD_DIR) -DCMAKE_CXX_COMPILER=clang++ \
	          -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS); \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/app/kelvo $(FILE)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# Longer fuzz runs of both file readers; the corpus is kept between runs.
fuzz: build
	@for f in fuzz_worksheet fuzz_config; do \
	    mkdir -p fuzz-corpus/$$f; \
	    $(BUILD_DIR)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	        fuzz-corpus/$$f $(CURDIR)/fuzz/seeds/$$f || exit 1; \
	done

# Configured again so that the start-up benchmark is built once its headers are in.
bench: bench-deps build
	cmake -S . -B $(BUILD_DIR) >/dev/null && cmake --build $(BUILD_DIR) -j$(JOBS)
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	    [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; \
	    QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} "$$b" $(BUILD_DIR)/src/app/kelvo || exit 1; \
	done

install: build
	$(SUDO) cmake --install $(BUILD_DIR)

# The Debian package of a release build for /usr, compiled with Debian's
# hardening flags: $(RELEASE_DIR)/kelvo_<version>_<arch>.deb.
package: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DKELVO_FUZZ=OFF \
	      -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	      -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(RELEASE_DIR) -j$(JOBS) --target kelvo kelvo_documents
	rm -f $(RELEASE_DIR)/kelvo_*.deb
	cd $(RELEASE_DIR) && cpack -G DEB
	@echo "Package: $$(realpath $(RELEASE_DIR)/kelvo_*.deb)"

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR)
