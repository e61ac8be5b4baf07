# The two commands of the README:
#   make run   set up, build, generate the data and start Pinewick
#   make test  set up, build, generate the data and run every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps configure build clean format package install

run: build
	$(BUILD)/pinewick

test: build
	bash scripts/run-tests $(BUILD)

# The .deb (CPack, dependencies from dpkg-shlibdeps), and installing by hand.
package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD)

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
