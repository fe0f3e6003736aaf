# Entry points:
#   make play   install what is missing, build, start the game in build/play/
#   make test   install what is missing, build, run every test
#   make        build only (build/velorin)
#   make bench  measure speed and memory against their targets
#   make screenshots  every window and state as PNG pictures in
#               build/screenshots/, drawn by the game itself
#   make tidy   clang-tidy over src/, tools/ and editor/ (checks in .clang-tidy)
#   make format lay out every C++ file as .clang-format says
#   make deb    build the Debian package from debian/ into build/deb/
#               (velorin_<version>_<arch>.deb), check it with lintian and
#               test it unpacked
#   make deb-install-check  install build/deb's package on this system,
#               start the game and the editor from their menu entries on a
#               virtual X display, and remove it again
#   make reproducible-check  build the package twice, in two directories,
#               and compare the bytes
#   make test-sanitize  every test of the code again, built with AddressSanitizer and
#               UndefinedBehaviorSanitizer in build-sanitize/
#   make fuzz   fuzz the file readers and the number input, FUZZ_SECONDS
#               (60) each, in build-fuzz/
#   make test-valgrind  a scripted game, start-up to game over, under
#               valgrind's memcheck on a virtual X display

BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build configure deps play test tidy test-sanitize test-valgrind fuzz format bench deb deb-install-check reproducible-check pictures screenshots clean

all: build

deps:
	scripts/install-deps

# The project's own builds make every compiler warning an error. They keep
# line tables (-g1) rather than full debugging information: enough for the
# backtraces of valgrind, the sanitizers and gdb, at about three quarters
# of the build time. A build directory made before these options gets them.
WERROR      := -DVELORIN_WERROR=ON
OPTIMIZED   := -O2 -g1 -DNDEBUG
OWN_OPTIONS := $(WERROR) "-DCMAKE_C_FLAGS_RELWITHDEBINFO=$(OPTIMIZED)" "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=$(OPTIMIZED)"

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(OWN_OPTIONS)

configure: $(BUILD)/CMakeCache.txt
	@grep -q '^CMAKE_CXX_FLAGS_RELWITHDEBINFO:STRING=$(OPTIMIZED)$$' $(BUILD)/CMakeCache.txt \
	  && grep -q '^VELORIN_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(OWN_OPTIONS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# The game opens "velor.dat", "velor.hlp" and "VScore.dat" by bare name, so
# it runs in a working directory of its own that holds the shipped files.
play: deps build
	mkdir -p $(BUILD)/play
	cp data/velor.dat data/velor.hlp $(BUILD)/play/
	cd $(BUILD)/play && ../velorin

test: deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every finding of clang-tidy is an error (.clang-tidy); the build writes
# the compile commands it reads. The compiler's own warnings are left to
# the build (-w here), where GCC makes each one an error.
tidy: deps build
	run-clang-tidy -p $(BUILD) -quiet -j$(JOBS) -extra-arg=-w '$(CURDIR)/(src|tools|editor)/' >$(BUILD)/tidy.log 2>&1 \
	  || { grep -E 'error:|warning:' $(BUILD)/tidy.log; echo "tidy: findings above; all output in $(BUILD)/tidy.log"; exit 1; }
	@echo "tidy: src/, tools/ and editor/ are clean"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Measures start-up, clicks, drawing and the level check against their
# targets and prints one table.
bench: deps build
	bench/bench.py $(BUILD) .

# The gallery plays the shipped levels offscreen; the main window once more
# at twice the size. docs/screenshot.png is its hauptfenster-start.png.
screenshots: deps build
	rm -rf $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/velorin-gallery $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/velorin-gallery --main-only $(BUILD)/screenshots/hauptfenster-doppelt.png

DEB_DIR  := $(BUILD)/deb
DEB_ARCH := $(shell dpkg --print-architecture 2>/dev/null)
DEB_VERSION = $(shell dpkg-parsechangelog -S Version)
DEB_FILE = $(DEB_DIR)/velorin_$(DEB_VERSION)_$(DEB_ARCH).deb

# dpkg-buildpackage in a copy of the tree (packaging/build-deb.sh); the
# package must be lintian clean, pedantic tags included.
deb: deps
	packaging/build-deb.sh $(DEB_DIR)
	lintian --pedantic --fail-on error,warning,pedantic $(DEB_DIR)/velorin_$(DEB_VERSION)_$(DEB_ARCH).changes
	tests/install/deb-package.sh $(DEB_FILE) $(CURDIR)

deb-install-check: deps
	tests/install/deb-installed.sh $(DEB_FILE)

# Two builds of the same tree in directories of different names and
# depths, without the tests, must give the same packages byte for byte.
REPRODUCIBLE := $(BUILD)/reproducible
reproducible-check: deps
	DEB_BUILD_OPTIONS=nocheck packaging/build-deb.sh $(REPRODUCIBLE)/first
	DEB_BUILD_OPTIONS=nocheck packaging/build-deb.sh $(REPRODUCIBLE)/second/build-again
	packaging/compare-debs.sh $(REPRODUCIBLE)/first $(REPRODUCIBLE)/second/build-again

# Any report of either sanitizer, a leak included, stops the test that
# caused it. Debug keeps the asserts of the one-based arrays switched on.
# Built with clang, which compiles this build in two thirds of GCC's time,
# so that both compilers see the code with every warning an error (GCC
# builds build/). The sanitizers' runtime is a shared library: linked
# statically it gives gold (the Debug build's linker, for its check of one
# definition per class) warnings, which that check makes errors; a test
# that preloads a library of its own then comes before the runtime.
SANITIZE       := build-sanitize
SANITIZE_CXX   := clang++-14
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# Worked out when used: on a fresh machine `deps` installs clang first.
SANITIZE_LINK   = $(SANITIZE_FLAGS) -shared-libasan \
                  -Wl,-rpath,$(dir $(shell $(SANITIZE_CXX) -print-file-name=libclang_rt.asan-x86_64.so 2>/dev/null))
SANITIZE_ENV   := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:verify_asan_link_order=0 \
                  UBSAN_OPTIONS=print_stacktrace=1

# Line tables in DWARF 4, which gold's check of one definition per class reads.
SANITIZE_DEBUG   := -g1 -gdwarf-4
SANITIZE_OPTIONS  = -DCMAKE_BUILD_TYPE=Debug $(WERROR) "-DCMAKE_C_FLAGS_DEBUG=$(SANITIZE_DEBUG)" \
                    "-DCMAKE_CXX_FLAGS_DEBUG=$(SANITIZE_DEBUG)" \
                    "-DCMAKE_C_FLAGS=$(SANITIZE_FLAGS)" "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" \
                    "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE_LINK)" "-DCMAKE_SHARED_LINKER_FLAGS=$(SANITIZE_LINK)" \
                    "-DCMAKE_MODULE_LINKER_FLAGS=$(SANITIZE_LINK)"

$(SANITIZE)/CMakeCache.txt: | deps
	CC=clang-14 CXX=$(SANITIZE_CXX) cmake -S . -B $(SANITIZE) $(SANITIZE_OPTIONS)

# The build runs the unit tests once to list them, so it needs the options too.
# The shipped levels' proofs take minutes under the sanitizers, and so does
# the editor's proof that the end-to-end case stops and goes on with; the
# install tests check where files go, the same in any build; the end-to-end
# cases run the sanitized game bare and under openbox, and leave xfwm4 to
# make test.
SANITIZE_SKIP := --label-exclude 'shipped-data|install' --exclude-regex '/Xfwm4|StopsTheProof'
test-sanitize: deps $(SANITIZE)/CMakeCache.txt
	@grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*$(SANITIZE_CXX)$$' $(SANITIZE)/CMakeCache.txt \
	  && grep -q '^CMAKE_CXX_FLAGS_DEBUG:STRING=$(SANITIZE_DEBUG)$$' $(SANITIZE)/CMakeCache.txt \
	  && grep -q '^VELORIN_WERROR:BOOL=ON' $(SANITIZE)/CMakeCache.txt \
	  || { rm -rf $(SANITIZE) && CC=clang-14 CXX=$(SANITIZE_CXX) cmake -S . -B $(SANITIZE) $(SANITIZE_OPTIONS); }
	$(SANITIZE_ENV) cmake --build $(SANITIZE) -j$(JOBS)
	cd $(SANITIZE) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) $(SANITIZE_SKIP)

# Any memory error or definite leak fails the run; what Qt and the X
# libraries do is suppressed in the file named below. The child that libdbus
# forks to look for a session bus is not the game and is left unchecked.
VALGRIND := valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
            --show-leak-kinds=definite --errors-for-leak-kinds=definite \
            --child-silent-after-fork=yes --num-callers=40 \
            --suppressions=tests/valgrind/qt-x11.supp

test-valgrind: deps build
	xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
	  env QT_QPA_PLATFORM=xcb $(VALGRIND) $(BUILD)/velorin-scripted-game

FUZZ_SECONDS ?= 60
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz

# Redraws every picture under assets/ with the picture generator.
pictures: configure
	cmake --build $(BUILD) --target pictures

clean:
	rm -rf $(BUILD) $(SANITIZE) build-fuzz
