# Entry points:
#   make play   install what is missing, build, start the game in build/play/
#   make test   install what is missing, build, run every test
#   make        build only (build/velorin)
#   make bench  measure speed and memory against their targets
#   make deb    build the Debian package build/velorin_<version>_<arch>.deb

BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build configure deps play test bench deb pictures clean

all: build

deps:
	scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD)

configure: $(BUILD)/CMakeCache.txt

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

# Measures start-up, clicks, drawing and the level check against their
# targets and prints one table.
bench: deps build
	bench/bench.py $(BUILD) .

deb: deps build
	cd $(BUILD) && cpack

# Redraws every picture under assets/ with the picture generator.
pictures: configure
	cmake --build $(BUILD) --target pictures

clean:
	rm -rf $(BUILD)
