# Front door for Lexel: every target does its own set-up.
#   make run    install what is missing, build, create the database, start the game
#   make test   the same set-up, then every test through ctest
# More: make build, make sanitize, make fuzz, make bench, make install (PREFIX=/usr/local),
# make package (a .deb), make format, make clean.

BUILD     ?= build
ASAN      ?= build-asan
RELEASE   ?= build-release
PACKAGE   ?= build-package
FUZZ      ?= build-fuzz
PREFIX    ?= /usr/local
FUZZERS   := WordCodeFuzz EvaluateGuessFuzz ScoreWordFuzz
JOBS      ?= $(shell nproc)

.PHONY: all setup build run test sanitize fuzz bench install package reproducible format clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./lexel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
ifeq ($(CI),true)
	$(MAKE) sanitize fuzz package
endif

# ASan + UBSan build running the same tests.
sanitize: setup
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DLEXEL_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian packages, built by dpkg-buildpackage from debian/ and checked:
# $(PACKAGE)/lexel_<version>_<arch>.deb and its -dbgsym.
package: setup
	scripts/build-package.sh $(PACKAGE)

# The packages built twice and compared byte for byte: the same source gives the same .deb.
reproducible: setup
	tests/install/check-reproducible.sh build-reproducible

# libFuzzer targets (clang), each run for a bounded time.
fuzz: setup
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DLEXEL_FUZZ=ON
	cmake --build $(FUZZ) -j $(JOBS) --target $(FUZZERS)
	cd $(FUZZ) && ctest --output-on-failure

bench: setup
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE) -j $(JOBS)
	cd $(RELEASE) && ./bench/lexel-bench
	cd $(RELEASE) && ./bench/lexel-history-bench
	bench/startup-time $(RELEASE)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN) $(RELEASE) $(FUZZ) $(PACKAGE)
