#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/test"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZORVIX_SANITIZE=ON -DZORVIX_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
