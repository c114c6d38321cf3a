# Two entry points: `make run` shows the dialog, `make test` runs every test.
# Both install what is missing first (Debian packages, as root) and build.
SHELL := /bin/bash
ROOT  := $(CURDIR)
BUILD := $(ROOT)/build
JOBS  ?= $(shell nproc)
# The shared reference test data; by default ../shared/corpus beside the checkout.
CORPUS ?=
CORPUS_FLAG := $(if $(CORPUS),-DDBSETUP_CORPUS_DIR=$(abspath $(CORPUS)))

.PHONY: run test setup build configure-win build-win build-host reference-images clean

run: setup configure-win
	cmake --build $(BUILD)/win -j $(JOBS) --target dbsetup
	scripts/run-dialog.sh

test: setup build
	scripts/run-tests.sh

# Takes the dialog's reference pictures anew (tests/e2e/reference), when its look changes on purpose.
reference-images: setup configure-win
	cmake --build $(BUILD)/win -j $(JOBS) --target dbsetup
	UPDATE_REFERENCE=1 scripts/with-display.sh bash tests/e2e/appearance.sh

setup:
	scripts/install-deps.sh
	scripts/wine-prefix.sh

build: build-host build-win

build-host:
	cmake -S . -B $(BUILD)/host -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DDBSETUP_SANITIZE=ON $(CORPUS_FLAG)
	cmake --build $(BUILD)/host -j $(JOBS)

configure-win:
	cmake -S . -B $(BUILD)/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64.cmake -DDBSETUP_OUTPUT_DIR=$(BUILD) $(CORPUS_FLAG)

build-win: configure-win
	cmake --build $(BUILD)/win -j $(JOBS)

clean:
	rm -rf $(BUILD)/host $(BUILD)/win $(BUILD)/dbsetup.exe
