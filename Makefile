# The README's commands. Every target installs what it needs first.
.PHONY: test run dist bench fuzz deps native win64 fuzz-build clean

FUZZ_SECONDS ?= 20
FUZZ_DISK_SECONDS ?= 4
# Xvfb resets when its last client leaves, and drops a client still connecting then: a Wine desktop process
# starting just as the previous one quits comes up without a display driver, and no window can be made.
XVFB = xvfb-run -a -s "-noreset -screen 0 1024x768x24"

deps:
	@scripts/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

fuzz-build: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

test: native win64 fuzz-build
	@echo "== native tests"
	ctest --preset native
	@echo "== fuzzing the file readers and writer for $(FUZZ_SECONDS) s in memory and $(FUZZ_DISK_SECONDS) s on the disk"
	scripts/run-fuzz.sh text_fuzz $(FUZZ_SECONDS)
	scripts/run-fuzz.sh text_disk_fuzz $(FUZZ_DISK_SECONDS)
	@echo "== Windows tests under Wine"
	$(XVFB) scripts/wine-ctest.sh
	@echo "== the installer and uninstaller under Wine"
	$(XVFB) tests/installer/run.sh

fuzz: fuzz-build
	scripts/run-fuzz.sh text_fuzz $(FUZZ_SECONDS)
	scripts/run-fuzz.sh text_disk_fuzz $(FUZZ_DISK_SECONDS)

run: win64
	scripts/run.sh

dist: win64
	scripts/dist.sh

bench: win64
	$(XVFB) scripts/bench.sh

clean:
	rm -rf build dist
