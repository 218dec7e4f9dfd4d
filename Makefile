# Two commands matter: `make run` and `make test`. Both install what is missing first.
NATIVE := build/native
WIN := build/win64
FUZZ := build/fuzz
BENCH := build/bench
JOBS ?= $(shell nproc)

.PHONY: all bootstrap native win64 fuzz test test-native test-fuzz test-win run screenshot skinview bench bench-window soak clean

all: native win64

bootstrap:
	scripts/bootstrap --wineprefix $(WIN)/wineprefix --engines $(NATIVE)/engines

native:
	cmake -S . -B $(NATIVE) -DCORVANA_SANITIZE=ON
	cmake --build $(NATIVE) -j$(JOBS)

win64: native
	cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCORVANA_HOST_BIN=$(CURDIR)/$(NATIVE)/bin
	cmake --build $(WIN) -j$(JOBS)

fuzz:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCORVANA_FUZZ=ON -DCORVANA_TESTS=OFF
	cmake --build $(FUZZ) -j$(JOBS)

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

test-fuzz: fuzz
	ctest --test-dir $(FUZZ) --output-on-failure -j$(JOBS)

test-win: win64
	scripts/test-win $(WIN)

test: bootstrap
	$(MAKE) test-native
	$(MAKE) test-fuzz
	$(MAKE) test-win

run: bootstrap
	$(MAKE) win64
	scripts/run $(NATIVE) $(WIN)

screenshot: bootstrap
	$(MAKE) win64
	scripts/screenshot $(NATIVE) $(WIN)

# The skin viewer under Wine (SKIN=FILE for another skin than the built-in default).
skinview: bootstrap
	$(MAKE) win64
	scripts/skinview $(WIN) $(SKIN)

bench: bootstrap
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DCORVANA_TESTS=OFF
	cmake --build $(BENCH) -j$(JOBS)
	for b in $(BENCH)/bin/*_bench; do $$b; done

# The window's batch query timed from outside under Wine.
bench-window: bootstrap
	$(MAKE) win64
	scripts/bench-window $(WIN)

# The soak at full size (about 15 minutes): 1000 message boxes, 1000 dialogs, 200 skin
# switches, 500 times skinning off and on, and 240 damaged skins through the native reader and
# the live viewer. CORVANA_SOAK=N runs N percent of it; `make test` runs the reduced size.
soak: bootstrap
	$(MAKE) win64
	CORVANA_HOSTILE_SKINS=240 ctest --test-dir $(NATIVE) -R HostileSkinsTest -V
	CORVANA_SOAK=$${CORVANA_SOAK:-full} scripts/test-win $(WIN) -R 'gdi_import_count|soak' -V

clean:
	rm -rf build
