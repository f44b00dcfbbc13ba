# The two set-up commands of the README:
#   make run    install what is missing, build the program only, start it
#   make test   install what is missing, build, run every test (`ctest -L quick` in $(BUILD) runs
#               the quick ones only)
# and `make format-check`: every tracked C++ file as clang-format would write it.
# Both work as root on a fresh Debian 12 machine; elsewhere apt-get runs through sudo.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
SUDO       := $(if $(filter 0,$(shell id -u)),,sudo)

# The translations: lupdate and lrelease, CMake's Qt6LinguistTools, Qt's own translations (set
# before PACKAGES, which takes it in at once).
TRANSLATION_PACKAGES := qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
PACKAGES := cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            fonts-liberation xvfb xauth dbus at-spi2-core python3-pyatspi strace poppler-utils \
            $(TRANSLATION_PACKAGES)
PACKAGING := desktop-file-utils appstream dpkg-dev file lintian devscripts man-db git
# The screen-reader check: Orca, speech-dispatcher (python3-speechd comes with Orca), a window
# manager and a keyboard driver.
ORCA_PACKAGES := orca speech-dispatcher openbox xdotool libao4
# The screenshots under other desktops: GTK's platform theme and qt6ct.
LOOKS_PACKAGES := qt6-gtk-platformtheme qt6ct xvfb xauth

.PHONY: run test test-asan fuzz bench package package-check build configure deps resources \
        format-check translations translations-check orca-check looks windows-deps windows \
        windows-test windows-installer windows-ci windows-looks web web-test web-bench web-texts

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target velantra
	$(BUILD)/app/velantra

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELANTRA_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The number reader against a reference reader, then the plan file reader, under libFuzzer,
# each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="cmake ninja-build clang libclang-rt-14-dev qt6-base-dev"
	cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz
	mkdir -p build-fuzz/corpus build-fuzz/plan-corpus
	cp fuzz/corpus/* build-fuzz/corpus/ && cp fuzz/plan-corpus/* build-fuzz/plan-corpus/
	build-fuzz/fuzz_readleadingnumber -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build-fuzz/corpus > build-fuzz/fuzz.log 2>&1 || { tail -n 40 build-fuzz/fuzz.log; exit 1; }
	tail -n 12 build-fuzz/fuzz.log
	build-fuzz/fuzz_planfile -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 \
	    -print_final_stats=1 build-fuzz/plan-corpus > build-fuzz/fuzz-plan.log 2>&1 || \
	    { tail -n 40 build-fuzz/fuzz-plan.log; exit 1; }
	tail -n 12 build-fuzz/fuzz-plan.log

# The benchmark, under a virtual X server so that windows really paint.
BENCH_REPETITIONS ?= 30
bench: build
	xvfb-run -a $(BUILD)/bench/velantra-bench $(BENCH_REPETITIONS)

# The Debian package, built with Debian's flags in a folder of its own: $(BUILD)/deb.
package: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGING)"
	bash packaging/build-package.sh $(BUILD)/deb

# Validates the desktop files, builds the package twice (byte-identical), runs lintian and
# hardening-check, installs it, starts it, removes it (as root).
package-check: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGING)"
	bash packaging/check-package.sh $(BUILD)

# Draws the icon, the logo and the sheet pictures anew into resources/ (they are committed).
resources: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/velantra-resgen resources

# Every window under a dark GTK theme, qt6ct dark and light, a font DPI of 144 and scale factors
# 1.5 and 2, beside the standard look: $(BUILD)/shots/<desktop>/. Not in CI.
looks: configure
	@$(MAKE) --no-print-directory deps PACKAGES="$(LOOKS_PACKAGES)"
	cmake --build $(BUILD) -j $(JOBS) --target velantra-screenshots
	bash tools/screenshots/looks.sh $(BUILD)/tools/velantra-screenshots $(BUILD)/shots

# The translations (translations/velantra_xx.ts) in step with the sources, with lupdate only:
# `make translations` brings new and changed texts into every language (as unfinished entries to
# translate); `make translations-check` fails on a text outside tr(), an unfinished entry, a .ts
# file behind the sources or a desktop file without a language.
translations:
	@$(MAKE) --no-print-directory deps PACKAGES="$(TRANSLATION_PACKAGES) python3"
	bash tools/i18n/translations.sh update

translations-check:
	@$(MAKE) --no-print-directory deps PACKAGES="$(TRANSLATION_PACKAGES) python3"
	bash tools/i18n/translations.sh check

format-check:
	@$(MAKE) --no-print-directory deps PACKAGES="clang-format git"
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Orca reads the program while a script drives it by keyboard only; prints what Orca said at each
# step. A run that fails is run once more: Qt 6.4 can drop a key on a loaded machine (see
# tests/orca/README.md); failing ORCA_ATTEMPTS times in a row fails the check.
ORCA_ATTEMPTS ?= 2
orca-check: configure
	@$(MAKE) --no-print-directory deps PACKAGES="$(ORCA_PACKAGES)"
	cmake --build $(BUILD) -j $(JOBS) --target velantra
	@for attempt in $$(seq $(ORCA_ATTEMPTS)); do \
	    echo "Orca check, run $$attempt of $(ORCA_ATTEMPTS)"; \
	    bash tests/orca/run-orca-test.sh $(BUILD)/app/velantra tests/orca/orca_keyboard.py && exit 0; \
	done; exit 1

# Windows (see windows/): a cross-build with mingw-w64 against a Qt built once from Debian's
# qt6-base source into /var/cache/velantra-windows (VELANTRA_WINDOWS_CACHE), the tests under Wine,
# and the NSIS installer. `make windows-ci` is all of it plus an install-uninstall round trip.
WINDOWS_BUILD ?= build-windows

windows-deps:
	bash windows/deps.sh

windows: windows-deps
	JOBS=$(JOBS) bash windows/build.sh $(WINDOWS_BUILD)

windows-test: windows
	bash windows/test.sh $(WINDOWS_BUILD) -j $(JOBS)

windows-installer: windows
	bash windows/installer.sh $(WINDOWS_BUILD)

windows-ci: windows-test windows-installer
	bash windows/installer-check.sh $(WINDOWS_BUILD)

# Every window as the Windows program draws it, under Wine on a virtual display:
# $(WINDOWS_BUILD)/shots/. Not in CI (looked at by eye).
windows-looks: windows
	bash windows/screenshots.sh $(WINDOWS_BUILD) $(WINDOWS_BUILD)/shots

# The web page (web/): the configurators and the power budgets as one static page, on the C++
# core built for WebAssembly with Debian's emscripten. `make web` puts it together in
# $(WEB_BUILD)/site; `make web-test` compares the engine under node with the desktop build and
# drives the page in headless Chromium (axe-core from the npm registry); `make web-bench` times it
# with the CPU throttled 4x (not in CI); `make web-texts` writes the desktop windows' texts anew.
WEB_BUILD ?= build-web
AXE_VERSION := 4.11.0
WEB_PACKAGES := emscripten nodejs
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium

web:
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_PACKAGES)"
	JOBS=$(JOBS) bash web/build-site.sh $(WEB_BUILD)

web-test: web configure
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_TEST_PACKAGES)"
	@command -v npm >/dev/null || $(MAKE) --no-print-directory deps PACKAGES=npm
	@test -f $(WEB_BUILD)/node_modules/axe-core/package.json || \
	    npm install --no-audit --no-fund --loglevel=error --prefix $(WEB_BUILD) axe-core@$(AXE_VERSION)
	cmake --build $(BUILD) -j $(JOBS) --target velantra velantra-webprobe velantra-webtexts
	bash web/tests/run.sh $(BUILD) $(WEB_BUILD)

web-bench: web
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_TEST_PACKAGES)"
	/usr/bin/python3 web/bench/bench_page.py $(WEB_BUILD)/site

web-texts: configure
	cmake --build $(BUILD) -j $(JOBS) --target velantra-webtexts
	$(BUILD)/web/velantra-webtexts web/page/texts.json
