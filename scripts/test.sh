#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a normal
# build with warnings as errors, and in an address + undefined-behaviour
# sanitizer build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

vandrel_install_packages

# Formatting is part of the build: one style, checked on every run.
git -C "$VANDREL_ROOT" ls-files -z '*.cpp' '*.h' |
    (cd "$VANDREL_ROOT" && xargs -0 clang-format --dry-run --Werror)

# Each picture reader is fuzzed for a bounded time on every run, before the
# suites, so that CTest's summary closes the output.
if command -v clang++ >/dev/null; then
    cmake -S "$VANDREL_ROOT/tests/fuzz" -B "$VANDREL_ROOT/build-fuzz" -G Ninja \
        -DCMAKE_CXX_COMPILER=clang++
    cmake --build "$VANDREL_ROOT/build-fuzz" --parallel "$(nproc)"
    "$VANDREL_ROOT/build-fuzz/run_fuzzers.sh" "${VANDREL_FUZZ_SECONDS:-20}"
fi

run_suite() {
    local dir="$1"
    shift
    vandrel_build "$dir" -DVANDREL_WERROR=ON "$@"
    ctest --test-dir "$dir" --output-on-failure --timeout 600
}

run_suite "$VANDREL_ROOT/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The benchmarks are left out of the sanitizer build: their figures would mean
# nothing there, and the tests already exercise the same code. The endurance
# run belongs there instead: a leak or a memory error that needs thousands of
# frames to show is found only where the sanitizers watch.
run_suite "$VANDREL_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVANDREL_SANITIZE=ON \
    -DVANDREL_BUILD_BENCH=OFF -DVANDREL_SOAK=ON
