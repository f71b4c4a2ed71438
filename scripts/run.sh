#!/usr/bin/env bash
# Installs what is missing, builds Zorvix and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVIX_BUILD_TESTS=OFF -DZORVIX_BUILD_BENCHMARKS=OFF
cmake --build "$top/build/release" -j"$(nproc)"
exec "$top/build/release/app/zorvix" "$@"
