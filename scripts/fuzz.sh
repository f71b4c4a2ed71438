#!/usr/bin/env bash
# Builds every fuzz target as a libFuzzer binary (clang, -fsanitize=fuzzer,address,undefined) and
# runs each for the given number of seconds, keeping a corpus per target between runs.
# CTest runs the same targets for a bounded count on every build; this is the longer run on demand.
# Usage: scripts/fuzz.sh [seconds per target, default 300] [target ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
shift || true

# libFuzzer comes with clang; installed here only, since the test command does not need it.
need=()
command -v clang++-14 >/dev/null || need+=(clang-14)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
"$top/scripts/install-deps.sh"

out="$top/build/fuzz"
mkdir -p "$out/obj" "$out/include/kelvaneuc"
# The export header CMake would generate; the fuzz binaries link everything statically.
cat > "$out/include/kelvaneuc/kelvaneucp_export.h" <<'H'
#pragma once
#define KELVANEUCP_EXPORT
#define KELVANEUCP_NO_EXPORT
#define KELVANEUCP_DEPRECATED
#define KELVANEUCP_DEPRECATED_EXPORT
#define KELVANEUCP_DEPRECATED_NO_EXPORT
H

cxx=clang++-14
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined
       -I"$out/include" -I"$top/layout/include" -I"$top/layout" -I"$top/layout/tests" -I"$top/app" -I"$top/fuzz")

# Compiles a source (again only when it changed) and leaves its object's path in $obj.
object() {
  local src=$1
  obj="$out/obj/$(echo "${src#"$top"/}" | tr '/' '_').o"
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ]; then
    "$cxx" "${flags[@]}" -c "$src" -o "$obj"
  fi
}

core=()
for src in "$top"/layout/{access,control,resize,tools}/*.cpp; do object "$src"; core+=("$obj"); done
object "$top/layout/tests/fake_host.cpp"; fake=("$obj")
object "$top/app/common/number.cpp"; common=("$obj")

# The libraries each target needs, as CMake links them (fuzz/CMakeLists.txt).
declare -A libs=(
  [number_fuzz]=common
  [dispatch_fuzz]="fake core"
  [resize_fuzz]="fake core"
  [properties_fuzz]="fake core"
  [sort_fuzz]=core
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number_fuzz dispatch_fuzz resize_fuzz properties_fuzz sort_fuzz)

failed=0
for t in "${targets[@]}"; do
  object "$top/fuzz/$t.cpp"; objs=("$obj")
  for lib in ${libs[$t]}; do
    case $lib in
      core) objs+=("${core[@]}") ;;
      fake) objs+=("${fake[@]}") ;;
      common) objs+=("${common[@]}") ;;
    esac
  done
  "$cxx" "${flags[@]}" -fsanitize=fuzzer "${objs[@]}" -o "$out/$t"
  mkdir -p "$out/corpus/$t"
  echo "== $t for $seconds s"
  if ! (cd "$out" && ./"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "corpus/$t"); then
    echo "$t: FAILED (the crashing input is in $out)"; failed=1
  fi
done
exit $failed
