# make run   : install what is missing, build, and start the desktop program (without a
#              display: index the sample book with the command line)
# make screenshots : pictures of the desktop program's pages in both languages
# make test  : install, build and run every test (also under the sanitizers)
# make bench : run the benchmarks
# make fuzz  : run the fuzzers for a bounded time
# make install : install the programs and their desktop files under PREFIX (default /usr/local;
#                PREFIX=~/.local needs no root)
# make package : the Debian package build/release/lexorim_VERSION_ARCH.deb
SHELL := /bin/bash
BUILD := build/release
CLI := $(BUILD)/src/cli/lexorim-cli
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

.PHONY: deps build run screenshots test test-release test-sanitize bench fuzz install package format clean

deps:
	@scripts/install-deps

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake --preset release
	cmake --build --preset release

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/src/app/lexorim examples/sample-book.txt; \
	else \
	  echo "No display found: running the command-line example instead."; \
	  $(CLI) text examples/sample-book.txt; \
	fi

screenshots: build
	scripts/take-screenshots $(BUILD)

test: build
	ctest --preset release
	$(MAKE) --no-print-directory test-sanitize

test-sanitize: deps
	@[ -f build/sanitize/build.ninja ] || cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

bench: build
	bench/run-benchmarks $(BUILD)

fuzz: deps
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# The file types and the menu entry are known to the desktop once its caches are rebuilt; the
# Debian package leaves that to dpkg's triggers.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	-@if command -v update-mime-database >/dev/null; then update-mime-database $(PREFIX)/share/mime; fi
	-@if command -v update-desktop-database >/dev/null; then update-desktop-database -q $(PREFIX)/share/applications; fi

package: build
	cd $(BUILD) && cpack -G DEB

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
