# Thin wrapper over the CMake presets. Each target first installs the Debian packages of the
# sets it uses (deps-<set>, scripts/install-deps), so a fresh clone needs nothing else and a
# target installs nothing it does not use.
.PHONY: all configure build build-minimal run test test-sanitize bench tables translations format screenshots docs-screenshots clean web run-web

JOBS ?= $(shell nproc)
SAMPLE := "ALEX MORGAN" 7/March/1975 "SAM RIVERS" 1978-11-23

all: build

deps-%:
	@scripts/install-deps $*

configure: deps-build
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

# The two programs alone, with the packages only the tests, benchmarks and table generator use
# hidden from CMake, which shows those stay optional (preset `minimal`, into build-minimal/).
build-minimal: deps-build
	@cmake --preset minimal --no-warn-unused-cli >/dev/null
	@cmake --build --preset minimal -j $(JOBS)
	@test -x build-minimal/bin/amorist
	@build-minimal/bin/amorist-cli reading $(SAMPLE) >/dev/null
	@echo "build-minimal: amorist and amorist-cli built without the optional packages"

run: deps-run build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the Amorist window cannot open."; \
		echo "Here is a sample reading from the terminal companion, build/bin/amorist-cli:"; \
		echo; \
		build/bin/amorist-cli reading $(SAMPLE); \
	elif [ -x build/bin/amorist ]; then \
		build/bin/amorist; \
	else \
		echo "The desktop program is not built yet; a sample reading from build/bin/amorist-cli:"; \
		build/bin/amorist-cli reading $(SAMPLE); \
	fi

test: deps-test build web web-test-tools
	@ctest --preset default -j $(JOBS)

# The browser tests' npm tools (puppeteer-core, axe-core), exactly as tests/web/package-lock.json
# pins them, installed with `npm ci` into build-web/npm; again only when the lock file changes.
WEB_TEST_TOOLS := build-web/npm/node_modules/.package-lock.json
.PHONY: web-test-tools
web-test-tools: deps-browsers $(WEB_TEST_TOOLS)
$(WEB_TEST_TOOLS): tests/web/package.json tests/web/package-lock.json
	@mkdir -p build-web/npm
	@cp tests/web/package.json tests/web/package-lock.json build-web/npm/
	@cd build-web/npm && npm ci --no-audit --no-fund --loglevel=error

# The web edition: the core compiled to WebAssembly and the static site, in build-web/site/.
web: deps-build deps-web
	@cmake --preset web >/dev/null
	@cmake --build --preset web -j $(JOBS)

WEB_PORT ?= 8080
run-web: web
	@echo "Amorist on the web: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops it)"
	@cd build-web/site && /usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

test-sanitize: deps-build deps-test web web-test-tools
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

# The sign lookups and batch's lean path in process, then batch over a file of
# a million couples against reading run once per couple, then start-up time and
# peak memory against a Qt window showing one label (20 interleaved starts each, in an X
# server and session bus of its own), then the web edition's three budgets in headless Chromium,
# then Lighthouse on the site served through the nginx config (mobile and desktop).
bench: deps-bench deps-nginx build web web-test-tools
	@build/bin/amorist-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@echo
	@bench/batch_throughput.sh build/bin/amorist-cli build/bench
	@echo
	@bench/startup_bench.sh build/bin/amorist-startup-bench build/bin/amorist build/bin/amorist-label-window
	@echo
	@NODE_PATH=build-web/npm/node_modules node bench/web_budgets.cjs build-web
	@echo
	@node bench/web_lighthouse.cjs build-web

tables: deps-tables configure
	@cmake --build --preset default --target tables

# Brings translations/*.ts up to date with the texts of the sources: one lupdate run over
# every source folder. New texts arrive untranslated, and the tests fail until they are not.
translations: configure
	@cmake --build --preset default --target translations

format: deps-format
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

screenshots: deps-screenshots build
	@cmake --build --preset default --target screenshots

# The built site through web/nginx/amorist.conf, as the README puts it on a host.
WEB_NGINX_PORT ?= 8081
.PHONY: run-web-nginx
run-web-nginx: deps-nginx web
	@web/nginx/run-nginx.sh build-web/site build-web/nginx $(WEB_NGINX_PORT)

# The web edition in Chromium and Firefox ESR, at 375 and 1280 px, light and dark.
.PHONY: web-screenshots
web-screenshots: web web-test-tools
	@NODE_PATH=build-web/npm/node_modules node tools/web_screenshots/web_screenshots.cjs build-web build-web/screenshots

# The web edition's pictures the README shows, refreshed from a new render.
.PHONY: docs-web-screenshots
docs-web-screenshots: web-screenshots
	@mkdir -p docs/screenshots/web
	@cp build-web/screenshots/readme/*.png docs/screenshots/web/
	@echo "docs/screenshots/web/ refreshed from build-web/screenshots/readme/"

# The pictures the README shows, refreshed from a new render.
docs-screenshots: screenshots
	@mkdir -p docs/screenshots
	@cp build/screenshots/frmMain-entries.png docs/screenshots/main.png
	@cp build/screenshots/frmDisplay-1.png docs/screenshots/result.png
	@cp build/screenshots/frmAbout.png docs/screenshots/about.png
	@cp build/screenshots/frmReferAFriend.png docs/screenshots/refer-a-friend.png
	@mkdir -p docs/screenshots/de
	@cp build/screenshots/de/frmDisplay-1.png docs/screenshots/de/result.png
	@echo "docs/screenshots/ refreshed from build/screenshots/"

clean:
	@rm -rf build build-sanitize build-minimal build-fuzz build-web

# Installing and packaging like any desktop program, and fuzzing.
.PHONY: install package fuzz

PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

# DESTDIR is honoured as well, for staged installs.
install: build
	@cmake --install build --prefix $(PREFIX)

# The Debian package lands in build/package/ and is unpacked and checked before it is trusted;
# beside it the web edition's amorist-web-<version>.tar.gz, checked to build the same bytes twice.
package: deps-package build web
	@rm -f build/package/*.deb build/package/amorist-web-*.tar.gz
	@cpack -G DEB --config build/CPackConfig.cmake -B build/package
	@packaging/check-deb.sh --hardened build/compile_commands.json build/package/amorist_*.deb build/package/check
	@web/package-web.sh build-web/site build/package
	@packaging/check-web-tarball.sh build-web build/package/amorist-web-*.tar.gz build/package/check-web

# Replays every fuzzer's seeds, then fuzzes each for FUZZ_SECONDS (CI uses 10).
fuzz: deps-build deps-fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@ctest --preset fuzz
	@fuzz/run-fuzzers.sh build-fuzz/bin $(FUZZ_SECONDS) build-fuzz/fuzzing
