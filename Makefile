# The two commands of the README:
#   make run   set up, build, generate the data and start Pinewick
#   make test  set up, build, generate the data and run every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-sanitized deps configure build clean format package install

run: build
	$(BUILD)/pinewick

test: build
	bash scripts/run-tests $(BUILD)

# The .deb (CPack, dependencies from dpkg-shlibdeps), and installing by hand.
package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD)

# The unit tests (no OpenGL, sound or whole-program runs) built with
# AddressSanitizer and UndefinedBehaviorSanitizer in a build folder of their own.
SANITIZED ?= build-sanitized
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-sanitized: deps
	@if [ ! -f $(SANITIZED)/build.ninja ]; then cmake -S . -B $(SANITIZED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPINEWICK_BENCHMARKS=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_C_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"; fi
	cmake --build $(SANITIZED) -j $(JOBS)
	cd $(SANITIZED) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest -L unit -LE 'gl|e2e|media' --output-on-failure -j $(JOBS)

deps:
	bash scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
