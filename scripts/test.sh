#!/usr/bin/env bash
# Builds from scratch and runs every test: once in a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

rm -rf build-test build-asan
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"
# The number routines once more under a locale whose decimal separator is a comma.
LC_ALL=de_DE.UTF-8 build-test/tests/platform/platform_tests --gtest_filter='Numbers*' --gtest_brief=1

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOAMIX_SANITIZE=ON -DLOAMIX_BENCHMARKS=OFF
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
