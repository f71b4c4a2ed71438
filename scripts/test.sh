#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
# Formatting is checked, not reviewed: a C++ file that clang-format would change fails the run.
find "$top"/app "$top"/layout "$top"/tests "$top"/bench "$top"/fuzz "$top"/testsupport \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.inl' \) -print0 | xargs -0 clang-format --dry-run -Werror
build="$top/build/test"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZORVIX_SANITIZE=ON -DZORVIX_BUILD_BENCHMARKS=OFF -DKELVANEUCP_BUILD_DESIGNER_PLUGIN=ON
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Sanitizer settings for every test: leaks inside Qt and fontconfig themselves are suppressed.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/cmake/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Tests keep preferences and records in the build folder, never in the user's own.
export XDG_CONFIG_HOME="$build/test-home/config" XDG_DATA_HOME="$build/test-home/data"
rm -rf "$build/test-home" && mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
